#include "leftover_tape.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>

#include "document.h"
#include "recovery_folder.h"

namespace zovrek {
namespace {

bool newer(const struct stat& a, const struct stat& b) {
    if (a.st_mtim.tv_sec != b.st_mtim.tv_sec) return a.st_mtim.tv_sec > b.st_mtim.tv_sec;
    return a.st_mtim.tv_nsec > b.st_mtim.tv_nsec;
}

// Worth telling the user of: a tape a crash would lose, or a file that may hide one.
bool worthTelling(const RecoveryLog& log) { return log.unsaved() || !log.complete(); }

}  // namespace

RecoveredTape rebuildTape(const RecoveryLog& log) {
    RecoveredTape tape;
    tape.name = log.name;
    if (log.damaged)
        tape.gap = RecoveredTape::Gap::Damaged;
    else if (log.behind)
        tape.gap = RecoveredTape::Gap::Behind;
    if (!log.base || log.keptOfBase == 0) {
        tape.text = log.added;
        return tape;
    }
    tape.base = log.base->file;
    // Read as File Open reads it, so the text is the one the tape began as.
    CZOVREKDoc document;
    bool textRead = false;
    const bool same = document.OnOpenDocument(log.base->file, &textRead).ok &&
                      (textRead || log.base->length == 0) &&
                      document.m_tapeText.size() == log.base->length &&
                      tapeHash(document.m_tapeText.view()) == log.base->hash;
    if (!same) {
        tape.text = log.added;
        if (tape.gap == RecoveredTape::Gap::None) tape.gap = RecoveredTape::Gap::BaseChanged;
        return tape;
    }
    tape.text.reserve(static_cast<std::size_t>(log.size()));
    const auto kept = static_cast<std::size_t>(log.keptOfBase);
    tape.text.assign(document.m_tapeText.view().substr(0, kept));
    tape.text += log.added;
    return tape;
}

std::unique_ptr<LeftoverTape> LeftoverTape::claim(const std::filesystem::path& folder) {
    std::filesystem::path bestPath;
    int bestFd = -1;
    RecoveryLog bestLog;
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
        RecoveryLog log = temporary ? RecoveryLog{} : readRecoveryLog(bytes);
        if (!worthTelling(log)) {
            // Read whole with nothing unsaved in it, or half written by a program that died
            // while it wrote the file anew (the file itself is whole).
            ::unlink(path.c_str());
            ::close(fd);
            continue;
        }
        if (bestFd >= 0 && !newer(info, bestInfo)) {
            ::close(fd);
            continue;
        }
        if (bestFd >= 0) ::close(bestFd);
        bestPath = path;
        bestFd = fd;
        bestLog = std::move(log);
        bestInfo = info;
    }
    if (bestFd < 0) return nullptr;
    return std::unique_ptr<LeftoverTape>(
        new LeftoverTape(std::move(bestPath), bestFd, rebuildTape(bestLog)));
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

bool LeftoverTape::keepAside() {
    if (fd_ < 0) return false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path aside = path_;
        if (attempt > 0) aside += "-" + std::to_string(attempt);
        aside += kKeptAsideSuffix;
        // Never over an earlier run's file kept aside.
        if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) {
            path_ = std::move(aside);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

}  // namespace zovrek
