#include "recovery_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zovrek::recovery {
namespace {

constexpr std::string_view kPrefix = "tape-";
constexpr std::string_view kSuffix = ".recovery";
constexpr std::string_view kNewSuffix = ".new";

}  // namespace

std::string fileName(long pid, int attempt) {
    std::string name(kPrefix);
    name += std::to_string(pid);
    if (attempt > 0) name += "-" + std::to_string(attempt);
    name += kSuffix;
    return name;
}

bool isFileName(std::string_view name) {
    return name.size() > kPrefix.size() + kSuffix.size() && name.starts_with(kPrefix) &&
           name.ends_with(kSuffix);
}

std::string temporaryName(std::string_view name) {
    std::string temp = ".";
    temp += name;
    temp += kNewSuffix;
    return temp;
}

bool isTemporaryName(std::string_view name) {
    if (!name.starts_with('.') || !name.ends_with(kNewSuffix)) return false;
    name.remove_prefix(1);
    name.remove_suffix(kNewSuffix.size());
    return isFileName(name);
}

std::string makeFolder(const std::filesystem::path& folder) {
    if (folder.empty()) return "no folder for it is known";
    std::filesystem::path built;
    for (const auto& part : folder) {
        built /= part;
        if (::mkdir(built.c_str(), 0700) != 0 && errno != EEXIST) return std::strerror(errno);
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return std::strerror(errno);
    if (!S_ISDIR(info.st_mode)) return std::strerror(ENOTDIR);
    return {};
}

int openLocked(const std::filesystem::path& path, struct stat& info) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return -1;
    struct stat now {};
    const bool ours = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                      info.st_uid == ::geteuid() && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                      ::stat(path.c_str(), &now) == 0 && now.st_dev == info.st_dev &&
                      now.st_ino == info.st_ino;
    if (ours) return fd;
    ::close(fd);
    return -1;
}

bool writeAllAt(int fd, std::string_view bytes, off_t at) {
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        at += n;
    }
    return true;
}

bool readAll(int fd, std::string& bytes) {
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

void syncFolderOf(const std::filesystem::path& path) {
    const int fd = ::open(path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace zovrek::recovery
