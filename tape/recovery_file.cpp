#include "recovery_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "recovery_folder.h"

namespace zovrek {
namespace {

// Loses no time on a tape that is not there: a file holding none needs no sync.
bool syncData(int fd) { return ::fdatasync(fd) == 0; }

std::string absoluteName(const std::filesystem::path& name) {
    if (name.empty()) return {};
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(name, ec);
    return ec ? name.native() : full.native();
}

}  // namespace

std::unique_ptr<RecoveryFile> RecoveryFile::create(const std::filesystem::path& folder,
                                                   std::string& problem) {
    problem = recovery::makeFolder(folder);
    if (!problem.empty()) return nullptr;
    // A file of this process id left by an earlier run is somebody's lost tape: never reused.
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path path = folder / recovery::fileName(::getpid(), attempt);
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                              0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
            !recovery::writeAll(fd, kRecoveryHeader)) {
            problem = std::strerror(errno);
            if (fd >= 0) {
                ::unlink(path.c_str());
                ::close(fd);
            }
            return nullptr;
        }
        return std::unique_ptr<RecoveryFile>(
            new RecoveryFile(std::move(path), fd, static_cast<off_t>(kRecoveryHeader.size())));
    }
    problem = std::strerror(EEXIST);
    return nullptr;
}

RecoveryFile::RecoveryFile(std::filesystem::path path, int fd, off_t size)
    : path_(std::move(path)), fd_(fd), size_(size) {}

RecoveryFile::~RecoveryFile() {
    if (fd_ >= 0) ::close(fd_);
}

void RecoveryFile::remove() {
    if (fd_ < 0) return;
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
}

void RecoveryFile::tapeAppended() {
    if (mode_ == Mode::OnFile) mode_ = Mode::Rewrite;
    pending_ = true;
}

void RecoveryFile::tapeReplaced() {
    mode_ = Mode::Rewrite;
    pending_ = true;
}

void RecoveryFile::tapeIsFile() {
    mode_ = Mode::OnFile;
    pending_ = true;
}

bool RecoveryFile::flush(std::string_view tape, const std::filesystem::path& name) {
    if (fd_ < 0) return false;
    const std::string full = absoluteName(name);
    bool ok = false;
    switch (mode_) {
    case Mode::Tracking:
        // A tape that shrank was replaced without a word: written whole, to be safe.
        ok = tape.size() < written_ ? rewrite(tape, full) : append(tape.substr(written_), full);
        break;
    case Mode::Rewrite:
        ok = rewrite(tape, full);
        if (ok) mode_ = Mode::Tracking;
        break;
    case Mode::OnFile: ok = written_ > 0 ? rewrite({}, full) : append({}, full); break;
    }
    if (ok) pending_ = false;
    return ok;
}

bool RecoveryFile::append(std::string_view text, const std::string& name) {
    std::string out;
    if (name != nameWritten_) appendRecoveryRecord(out, 'N', name);
    bool ok = true;
    std::size_t bytes = 0;
    forEachTapeRecord(text, [&](std::string_view record) {
        out += record;
        if (out.size() < kRecoveryChunk) return true;
        ok = recovery::writeAll(fd_, out);
        bytes += out.size();
        out.clear();
        return ok;
    });
    if (ok && !out.empty()) ok = recovery::writeAll(fd_, out);
    bytes += out.size();
    if (!ok) {
        // A record cut short would hide every later one: the file goes back to its last
        // whole record, and the next flush tries again.
        if (::ftruncate(fd_, size_) != 0 || ::lseek(fd_, size_, SEEK_SET) < 0) mode_ = Mode::Rewrite;
        return false;
    }
    size_ += static_cast<off_t>(bytes);
    written_ += text.size();
    nameWritten_ = name;
    if (bytes > 0) synced_ = false;
    if (!synced_ && written_ > 0) synced_ = syncData(fd_);
    return synced_ || written_ == 0;
}

bool RecoveryFile::rewrite(std::string_view tape, const std::string& name) {
    const std::filesystem::path temp =
        path_.parent_path() / recovery::temporaryName(path_.filename().native());
    const int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return false;
    // Locked before it takes the name, so no other program sees it unlocked.
    std::string out(kRecoveryHeader);
    if (!name.empty()) appendRecoveryRecord(out, 'N', name);
    bool ok = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && recovery::writeAll(fd, out);
    off_t size = static_cast<off_t>(out.size());
    if (ok) {
        forEachTapeRecord(tape, [&](std::string_view record) {
            ok = recovery::writeAll(fd, record);
            size += static_cast<off_t>(record.size());
            return ok;
        });
    }
    if (ok && !tape.empty()) ok = syncData(fd);
    if (ok) ok = ::rename(temp.c_str(), path_.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        ::close(fd);
        return false;
    }
    ::close(fd_);
    fd_ = fd;
    size_ = size;
    written_ = tape.size();
    nameWritten_ = name;
    synced_ = true;
    if (!tape.empty()) recovery::syncFolderOf(path_);
    return true;
}

}  // namespace zovrek
