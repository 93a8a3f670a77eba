#pragma once
// Helpers for tests that touch files: a private temporary folder and whole-file access.

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace zovrek::test {

/// A fresh folder removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "zovrek-tape-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data()) ? std::filesystem::path(tmpl) : std::filesystem::path();
    }
    ~TempDir() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    /// Names of the entries in the folder, sorted.
    std::string listing() const {
        std::string names;
        std::vector<std::string> all;
        for (const auto& e : std::filesystem::directory_iterator(path_)) all.push_back(e.path().filename().string());
        std::sort(all.begin(), all.end());
        for (const auto& n : all) names += n + ";";
        return names;
    }

private:
    std::filesystem::path path_;
};

inline void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// An output buffer that takes `limit` bytes and then fails, like a full disk.
class FailingBuf : public std::streambuf {
public:
    explicit FailingBuf(std::size_t limit) : limit_(limit) {}
    const std::string& written() const { return written_; }

protected:
    int_type overflow(int_type ch) override {
        if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
        if (written_.size() >= limit_) return traits_type::eof();
        written_.push_back(traits_type::to_char_type(ch));
        return ch;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        const auto room = static_cast<std::streamsize>(limit_ - written_.size());
        const std::streamsize taken = n < room ? n : room;
        written_.append(s, static_cast<std::size_t>(taken));
        return taken;
    }

private:
    std::size_t limit_;
    std::string written_;
};

}  // namespace zovrek::test
