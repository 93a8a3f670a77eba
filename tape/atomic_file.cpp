#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <ostream>
#include <streambuf>

namespace zovrek {
namespace {

/// An output buffer over a file descriptor that remembers the first error.
class FdBuf : public std::streambuf {
public:
    explicit FdBuf(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

    int error() const { return error_; }

protected:
    int_type overflow(int_type ch) override {
        if (!drain()) return traits_type::eof();
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }

    std::streamsize xsputn(const char* s, std::streamsize n) override {
        // Large pieces go straight to the file instead of through the buffer.
        if (n < static_cast<std::streamsize>(buffer_.size()))
            return std::streambuf::xsputn(s, n);
        if (!drain() || !writeAll(s, static_cast<std::size_t>(n))) return 0;
        return n;
    }

    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain() {
        const auto n = static_cast<std::size_t>(pptr() - pbase());
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return writeAll(buffer_.data(), n);
    }

    bool writeAll(const char* s, std::size_t n) {
        if (error_ != 0) return false;
        while (n > 0) {
            const ssize_t w = ::write(fd_, s, n);
            if (w < 0) {
                if (errno == EINTR) continue;
                error_ = errno;
                return false;
            }
            s += w;
            n -= static_cast<std::size_t>(w);
        }
        return true;
    }

    int fd_;
    int error_ = 0;
    std::array<char, 65536> buffer_{};
};

// Stands for a content producer that gave up, which has no errno of its own.
constexpr int kProducerFailed = -1;

std::string failedWrite(const std::filesystem::path& target, int err) {
    const std::string reason =
        err == kProducerFailed ? "the content could not be written" : std::strerror(err);
    return "Could not save \"" + target.string() + "\": " + reason + ".";
}

/// Creates a new, empty temporary file beside `target` (mode 0666 less the umask).
int createTemporary(const std::filesystem::path& target, std::filesystem::path& temp) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    // Part of the name is enough to tell whose temporary it is; the whole of a long name
    // plus the suffix would pass the folder's name length limit.
    const std::string stem = target.filename().string().substr(0, 64);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = folder / ("." + stem + "." + std::to_string(::getpid()) + "." +
                         std::to_string(counter++) + ".tmp");
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void syncFolder(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // the rename has happened; a folder that can't be synced is no failure
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

FileResult writeFileAtomically(const std::filesystem::path& named,
                               const std::function<bool(std::ostream&)>& produce) {
    if (named.filename().empty()) return FileResult::failure(failedWrite(named, EISDIR));
    // A link stays a link: the file it points at is the one replaced.
    std::filesystem::path target = named;
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(named, ec))) {
        std::filesystem::path real = std::filesystem::canonical(named, ec);
        if (!ec) target = std::move(real);
    }
    std::filesystem::path temp;
    const int fd = createTemporary(target, temp);
    if (fd < 0) return FileResult::failure(failedWrite(named, errno));

    int err = 0;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(fd, existing.st_mode & 07777);

    {
        FdBuf buf(fd);
        std::ostream out(&buf);
        const bool produced = produce(out);
        out.flush();
        if (buf.error() != 0)
            err = buf.error();
        else if (!produced || !out)
            err = kProducerFailed;
    }
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return FileResult::failure(failedWrite(named, err));
    }
    syncFolder(target);
    return {};
}

}  // namespace zovrek
