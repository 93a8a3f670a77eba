#include "shell/recent_files.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <fstream>
#include <ostream>
#include <sstream>

#include "files/atomic_file.h"
#include "files/regular_file.h"

namespace zovrek::shell {
namespace {

constexpr std::string_view kSection = "[Recent File List]";
constexpr std::size_t kLargestFile = 64 * 1024;

/// The folders a file lies in, nearest first; the root folder counts as one ("/").
std::vector<std::string> foldersOf(const std::filesystem::path& file) {
    std::vector<std::string> folders;
    for (const std::filesystem::path& part : file.parent_path())
        if (!part.empty()) folders.push_back(part.string());
    std::reverse(folders.begin(), folders.end());
    return folders;
}

/// Whether the nearest `count` folders of `a` are those of `b`.
bool sameNearest(const std::vector<std::string>& a, const std::vector<std::string>& b,
                 std::size_t count) {
    return b.size() >= count && std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(count),
                                           b.begin());
}

}  // namespace

std::vector<std::string> RecentFiles::shownNames() const {
    std::vector<std::string> names;
    std::vector<std::vector<std::string>> folders;
    for (const std::filesystem::path& file : files_) {
        names.push_back(file.filename().string());
        folders.push_back(foldersOf(file));
    }
    std::vector<std::string> shown;
    for (std::size_t i = 0; i < files_.size(); ++i) {
        // One more folder for as long as another file of that name lies in folders so named.
        std::size_t count = 0;
        auto clashes = [&] {
            for (std::size_t j = 0; j < files_.size(); ++j)
                if (j != i && names[j] == names[i] && sameNearest(folders[i], folders[j], count))
                    return true;
            return false;
        };
        while (count < folders[i].size() && clashes()) ++count;
        std::string text = names[i];
        for (std::size_t k = 0; k < count; ++k) {
            const std::string& folder = folders[i][k];
            text = folder.ends_with('/') ? folder + text : folder + '/' + text;
        }
        shown.push_back(std::move(text));
    }
    return shown;
}

void RecentFiles::add(const std::filesystem::path& path) {
    // A name with a line break could not be read back from the file; it is not kept.
    if (path.empty() || path.native().find_first_of("\r\n") != std::string::npos) return;
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    if (ec) full = path;
    std::erase(files_, full);
    files_.insert(files_.begin(), std::move(full));
    if (files_.size() > kRecentFileCount) files_.resize(kRecentFileCount);
}

std::string RecentFiles::encode() const {
    std::string out(kSection);
    out += '\n';
    for (std::size_t i = 0; i < files_.size(); ++i)
        out += "File" + std::to_string(i + 1) + "=" + files_[i].string() + "\n";
    return out;
}

RecentFiles RecentFiles::decode(std::string_view text) {
    RecentFiles list;
    std::istringstream in{std::string(text)};
    std::string line;
    bool inSection = false;
    while (std::getline(in, line) && list.files_.size() < kRecentFileCount) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inSection = line == kSection;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inSection || eq == std::string::npos || line.compare(0, 4, "File") != 0) continue;
        const std::string value = line.substr(eq + 1);
        if (!value.empty() && std::find(list.files_.begin(), list.files_.end(), value) ==
                                  list.files_.end())
            list.files_.emplace_back(value);
    }
    return list;
}

RecentFiles RecentFiles::load(const std::filesystem::path& file) {
    // Checked on the open file itself: a pipe put there is refused, never waited on.
    std::string problem;
    const int fd = openRegularFile(file, problem);
    if (fd < 0) return {};
    // Four names fit many times over; a larger file is read as far as that.
    std::string text(kLargestFile, '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    text.resize(got);
    return decode(text);
}

bool RecentFiles::save(const std::filesystem::path& file) const {
    const std::string text = encode();
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    return writeFileAtomically(file, [&](std::ostream& out) {
               out << text;
               return static_cast<bool>(out);
           }).ok;
}

}  // namespace zovrek::shell
