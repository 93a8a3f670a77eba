#pragma once
// The recent-file list: the last four tapes read or written, newest first, kept in the
// program's settings folder between runs.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zovrek::shell {

inline constexpr std::size_t kRecentFileCount = 4;
inline constexpr std::string_view kRecentFilesName = "recent-files.ini";

class RecentFiles {
public:
    /// Puts `path` first; an entry already in the list moves up, the oldest falls off.
    void add(const std::filesystem::path& path);
    /// Takes `path` off the list.
    void remove(const std::filesystem::path& path) { std::erase(files_, path); }
    const std::vector<std::filesystem::path>& files() const { return files_; }
    /// What the menu shows for each file: its name, and where another file on the list has
    /// the same name, as many of its folders before it as tell the two apart
    /// ("2023/budget.cal" and "2024/budget.cal"; "/budget.cal" for one in the root folder).
    std::vector<std::string> shownNames() const;

    /// The file's text: a "[Recent File List]" section with File1 to File4.
    std::string encode() const;
    /// Reads what `encode` writes; lines it does not know are passed over.
    static RecentFiles decode(std::string_view text);

    /// Reads `file`; a missing or unreadable one gives an empty list.
    static RecentFiles load(const std::filesystem::path& file);
    /// Writes `file` atomically; false when that failed.
    bool save(const std::filesystem::path& file) const;

private:
    std::vector<std::filesystem::path> files_;
};

}  // namespace zovrek::shell
