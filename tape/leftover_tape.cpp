#include <unistd.h>

#include "recovery_file.h"
#include "recovery_folder.h"

namespace zovrek {
namespace {

bool newer(const struct stat& a, const struct stat& b) {
    if (a.st_mtim.tv_sec != b.st_mtim.tv_sec) return a.st_mtim.tv_sec > b.st_mtim.tv_sec;
    return a.st_mtim.tv_nsec > b.st_mtim.tv_nsec;
}

}  // namespace

std::unique_ptr<LeftoverTape> LeftoverTape::claim(const std::filesystem::path& folder) {
    std::unique_ptr<LeftoverTape> best;
    struct stat bestInfo {};
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::filesystem::path path = it->path();
        const std::string name = path.filename().native();
        const bool temporary = recovery::isTemporaryName(name);
        if (!temporary && !recovery::isFileName(name)) continue;
        struct stat info {};
        const int fd = recovery::openLocked(path, info);
        if (fd < 0) continue;  // a running program's, or not ours to touch
        std::string bytes;
        if (!temporary && !recovery::readAll(fd, bytes)) {
            ::close(fd);  // unreadable now; perhaps not at the next start
            continue;
        }
        RecoveredTape tape = temporary ? RecoveredTape{} : readRecoveryLog(bytes);
        if (!tape.hasTape()) {
            // Nothing unsaved in it, or half written by a program that died meanwhile.
            ::unlink(path.c_str());
            ::close(fd);
            continue;
        }
        if (best && !newer(info, bestInfo)) {
            ::close(fd);
            continue;
        }
        best.reset(new LeftoverTape(path, fd, std::move(tape)));
        bestInfo = info;
    }
    return best;
}

LeftoverTape::~LeftoverTape() {
    if (fd_ >= 0) ::close(fd_);
}

void LeftoverTape::discard() {
    if (fd_ < 0) return;
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
}

}  // namespace zovrek
