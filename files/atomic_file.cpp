#include "atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <ostream>
#include <streambuf>
#include <string_view>

#include "regular_file.h"

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
// Links followed before giving up, as the kernel's own limit.
constexpr int kMaxLinks = 40;

std::string failedWrite(const std::filesystem::path& target, std::string_view reason) {
    std::string text = "Could not save \"";
    text += target.native();
    text += "\": ";
    text += reason;
    text += '.';
    return text;
}

std::string failedWrite(const std::filesystem::path& target, int err) {
    return failedWrite(target, err == kProducerFailed ? "the content could not be written"
                                                      : std::strerror(err));
}

/// The file that saving `named` writes: the end of its chain of links, which need not exist
/// yet (a dangling link gets its file created). 0, or the errno that stopped the walk.
int followLinks(const std::filesystem::path& named, std::filesystem::path& target) {
    target = named;
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0) return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(info.st_mode)) return 0;
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
        if (ec) return ec.value();
        // A relative link is relative to the folder that holds it.
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return ELOOP;
}

/// Why an existing `target` must not be replaced; empty when it may be.
std::string refusal(const std::filesystem::path& target, const struct stat& info) {
    if (const std::string_view reason = notRegularFileReason(info.st_mode); !reason.empty())
        return std::string(reason);
    // Root passes access(), so a file without any write permission bit counts as read-only
    // on its own.
    if ((info.st_mode & 0222) == 0) return "the file is read-only";
    if (::access(target.c_str(), W_OK) != 0) return std::strerror(errno);
    return {};
}

/// A new temporary file beside the target, removed again unless it was renamed into place.
class Temporary {
public:
    explicit Temporary(const std::filesystem::path& target);
    ~Temporary() {
        closeFd();
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    int fd() const { return fd_; }
    /// Why it could not be created, when fd() < 0.
    int error() const { return error_; }
    /// Closes the descriptor; 0 or the errno of a failed close.
    int closeFd() {
        if (fd_ < 0) return 0;
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0 ? 0 : errno;
    }
    /// Renames the (closed) file over `target`; 0 or the errno of the failure.
    int renameTo(const std::filesystem::path& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) return errno;
        path_.clear();
        return 0;
    }

private:
    std::filesystem::path path_;
    int fd_ = -1;
    int error_ = 0;
};

std::filesystem::path folderOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : ".";
}

// Part of the name is enough to tell whose temporary it is; the whole of a long name plus
// the suffix would pass the folder's name length limit.
std::string temporaryPrefix(const std::filesystem::path& target) {
    return "." + target.filename().string().substr(0, 64) + ".";
}

/// The process id in a temporary's name ".STEM.PID.N.tmp" after `prefix`, or 0.
pid_t temporaryOwner(std::string_view name, std::string_view prefix) {
    constexpr std::string_view kSuffix = ".tmp";
    if (!name.starts_with(prefix) || !name.ends_with(kSuffix)) return 0;
    name.remove_prefix(prefix.size());
    name.remove_suffix(kSuffix.size());
    const std::size_t dot = name.find('.');
    if (dot == 0 || dot == std::string_view::npos || dot + 1 == name.size()) return 0;
    const auto digits = [](std::string_view s) {
        return s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!digits(name.substr(0, dot)) || !digits(name.substr(dot + 1)) || dot > 9) return 0;
    return static_cast<pid_t>(std::stol(std::string(name.substr(0, dot))));
}

bool processGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

/// Creates the file with mode 0666 less the umask.
Temporary::Temporary(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder = folderOf(target);
    const std::string prefix = temporaryPrefix(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path temp = folder / (prefix + std::to_string(::getpid()) + "." +
                                               std::to_string(counter++) + ".tmp");
        fd_ = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            path_ = std::move(temp);
            return;
        }
        if (errno != EEXIST) break;
    }
    error_ = errno;
}

/// Gives the temporary the owner, group and permissions of the file it replaces. Owner and
/// group are kept only as far as the process may give them away; that is no failure.
int takeOver(int fd, const struct stat& existing) {
    // Ownership first: a change of owner clears the set-id bits that fchmod then restores.
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        if (errno != EPERM) return errno;
        if (::fchown(fd, static_cast<uid_t>(-1), existing.st_gid) != 0 && errno != EPERM)
            return errno;
    }
    return ::fchmod(fd, existing.st_mode & 07777) == 0 ? 0 : errno;
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
    // A link stays a link: the file at the end of its chain is the one replaced or created.
    std::filesystem::path target;
    if (const int err = followLinks(named, target); err != 0)
        return FileResult::failure(failedWrite(named, err));
    removeStaleTemporaries(target);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (const std::string why = refusal(target, existing); !why.empty())
            return FileResult::failure(failedWrite(named, why));
    }

    Temporary temp(target);
    if (temp.fd() < 0) return FileResult::failure(failedWrite(named, temp.error()));
    int err = exists ? takeOver(temp.fd(), existing) : 0;
    if (err == 0) {
        FdBuf buf(temp.fd());
        std::ostream out(&buf);
        const bool produced = produce(out);
        out.flush();
        if (buf.error() != 0)
            err = buf.error();
        else if (!produced || !out)
            err = kProducerFailed;
    }
    if (err == 0 && ::fsync(temp.fd()) != 0) err = errno;
    if (const int closed = temp.closeFd(); err == 0) err = closed;
    if (err == 0) err = temp.renameTo(target);
    if (err != 0) return FileResult::failure(failedWrite(named, err));
    syncFolder(target);
    return {};
}

void removeStaleTemporaries(const std::filesystem::path& named) {
    std::filesystem::path target;
    if (followLinks(named, target) != 0 || target.filename().empty()) return;
    const std::string prefix = temporaryPrefix(target);
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folderOf(target), ec), end; !ec && it != end;
         it.increment(ec)) {
        const pid_t owner = temporaryOwner(it->path().filename().native(), prefix);
        // A process id in use may be a new process, not the one that wrote the file: such a
        // temporary waits for a later save.
        if (owner <= 0 || owner == ::getpid() || !processGone(owner)) continue;
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid())
            continue;
        ::unlink(it->path().c_str());
    }
}

}  // namespace zovrek
