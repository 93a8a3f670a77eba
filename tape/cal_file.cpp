#include "cal_file.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <istream>
#include <streambuf>

#include "files/regular_file.h"

namespace zovrek {
namespace {

/// An input buffer over a file descriptor it owns; remembers the first read error.
class FdReadBuf : public std::streambuf {
public:
    explicit FdReadBuf(int fd) : fd_(fd) {}
    ~FdReadBuf() override { ::close(fd_); }
    FdReadBuf(const FdReadBuf&) = delete;
    FdReadBuf& operator=(const FdReadBuf&) = delete;

    int error() const { return error_; }

protected:
    int_type underflow() override {
        const ssize_t n = readSome(buffer_.data(), buffer_.size());
        if (n <= 0) return traits_type::eof();
        setg(buffer_.data(), buffer_.data(), buffer_.data() + n);
        return traits_type::to_int_type(*gptr());
    }

    std::streamsize xsgetn(char* s, std::streamsize n) override {
        // Large pieces go straight from the file instead of through the buffer.
        std::streamsize got = std::min<std::streamsize>(n, egptr() - gptr());
        std::memcpy(s, gptr(), static_cast<std::size_t>(got));
        gbump(static_cast<int>(got));
        if (n - got < static_cast<std::streamsize>(buffer_.size()))
            return got + std::streambuf::xsgetn(s + got, n - got);
        while (got < n) {
            const ssize_t r = readSome(s + got, static_cast<std::size_t>(n - got));
            if (r <= 0) break;
            got += r;
        }
        return got;
    }

    // Seeking lets the reader learn the file's size and refuse a false length at once.
    pos_type seekoff(off_type off, std::ios::seekdir dir, std::ios::openmode) override {
        if (dir == std::ios::cur) off -= egptr() - gptr();
        const int whence = dir == std::ios::beg ? SEEK_SET : dir == std::ios::cur ? SEEK_CUR : SEEK_END;
        setg(buffer_.data(), buffer_.data(), buffer_.data());
        const off_t at = ::lseek(fd_, off, whence);
        return at < 0 ? pos_type(off_type(-1)) : pos_type(at);
    }
    pos_type seekpos(pos_type pos, std::ios::openmode which) override {
        return seekoff(off_type(pos), std::ios::beg, which);
    }

private:
    ssize_t readSome(char* s, std::size_t n) {
        ssize_t r = 0;
        do r = ::read(fd_, s, n);
        while (r < 0 && errno == EINTR);
        if (r < 0 && error_ == 0) error_ = errno;
        return r;
    }

    int fd_;
    int error_ = 0;
    std::array<char, 65536> buffer_{};
};

// Built by appending: GCC 12 at -O3 wrongly warns (-Wrestrict) on `"\"" + std::string`.
std::string failure(std::string_view verb, const std::filesystem::path& path,
                    std::string_view reason) {
    std::string text = "Could not ";
    text += verb;
    text += " \"";
    text += path.native();
    text += "\": ";
    text += reason;
    text += '.';
    return text;
}

}  // namespace

CalFileRead readCalFile(const std::filesystem::path& path) {
    CalFileRead r;
    std::string problem;
    const int fd = openRegularFile(path, problem);
    if (fd < 0) {
        r.message = failure("open", path, problem);
        return r;
    }
    r.begun = true;
    FdReadBuf buf(fd);
    std::istream in(&buf);
    CalReadResult cal = readCal(in);
    if (buf.error() != 0 || in.bad()) {
        r.message = failure("read", path,
                            buf.error() != 0 ? std::strerror(buf.error())
                                             : "the file could not be read to its end");
        return r;
    }
    r.status = cal.status;
    r.text = std::move(cal.text);
    if (!cal.ok()) r.message = failure("read", path, "it is not a whole tape file; " + cal.error);
    return r;
}

FileResult writeCalFile(const std::filesystem::path& path, std::string_view text) {
    std::string storage;
    const std::string_view string = calString(text, storage);
    if (string.size() > kMaxCalTextLength)
        return FileResult::failure(failure("save", path, "the tape is too long for a tape file"));
    return writeFileAtomically(path,
                               [string](std::ostream& out) { return writeCalString(out, string); });
}

}  // namespace zovrek
