#include "recovery_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "recovery_folder.h"

namespace zovrek {
namespace {

// How far the file may grow past what it describes before it is written anew, and how far
// it must grow again after that failed.
constexpr off_t kSlack = off_t{1} << 20;
constexpr std::size_t kRecordHead = 9;

std::string absoluteName(const std::filesystem::path& name) {
    if (name.empty()) return {};
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(name, ec);
    return ec ? name.native() : full.native();
}

// How many leading bytes `a` and `b` share; compared a block at a time.
std::size_t commonPrefix(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    constexpr std::size_t kBlock = 4096;
    std::size_t i = 0;
    while (n - i >= kBlock && std::memcmp(a.data() + i, b.data() + i, kBlock) == 0) i += kBlock;
    while (i < n && a[i] == b[i]) ++i;
    return i;
}

}  // namespace

RecoveryFile::RecoveryFile(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::unique_ptr<RecoveryFile> RecoveryFile::create(const std::filesystem::path& folder,
                                                   std::string& problem) {
    auto file = std::make_unique<RecoveryFile>(folder);
    if (file->open()) return file;
    problem = file->problem();
    return nullptr;
}

RecoveryFile::~RecoveryFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool RecoveryFile::open() {
    if (fd_ >= 0) return true;
    problem_ = recovery::makeFolder(folder_);
    if (!problem_.empty()) return false;
    const std::string header = recoveryHeader(kRecoveryKeptUp);
    // A file of this process id left by an earlier run is somebody's lost tape: never reused.
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path path = folder_ / recovery::fileName(::getpid(), attempt);
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                              0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
            !recovery::writeAllAt(fd, header, 0)) {
            problem_ = std::strerror(errno);
            if (fd >= 0) {
                ::unlink(path.c_str());
                ::close(fd);
            }
            return false;
        }
        fd_ = fd;
        path_ = std::move(path);
        size_ = static_cast<off_t>(header.size());
        compactAfter_ = 0;
        fresh_ = true;
        behind_ = false;
        rewriteNeeded_ = false;
        unwritten_.clear();
        return true;
    }
    problem_ = std::strerror(EEXIST);
    return false;
}

void RecoveryFile::remove() {
    if (fd_ < 0) return;
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
}

void RecoveryFile::tapeAppended() { pending_ = true; }

void RecoveryFile::tapeReplaced() {
    replaced_ = true;
    pending_ = true;
}

void RecoveryFile::tapeIsFile(const TapeText& tape, const std::filesystem::path& file) {
    newBase_ = TapeBase{absoluteName(file), tape.size(), tapeHash(tape.view())};
    newBaseText_ = tape;
    replaced_ = false;
    pending_ = true;
}

bool RecoveryFile::flush(const TapeText& tape, const std::filesystem::path& name) {
    const std::string full = absoluteName(name);
    std::string records = followTape(tape, full);
    pending_ = false;
    // A file made now, or one that fell too far behind, is written whole.
    if (fd_ < 0 && !open()) return false;
    if (fresh_) {
        std::string all;
        forEachWholeRecord(tape, full, [&](std::string_view r) {
            all += r;
            return true;
        });
        if (!appendRecords(all)) return false;
        fresh_ = false;
    } else {
        unwritten_ += records;
        const bool anew = rewriteNeeded_ || unwritten_.size() > wholeSize(tape, full) + kSlack;
        const bool ok = anew ? rewrite(tape, full) || fail(errno) : appendRecords(unwritten_);
        if (!ok) return false;
    }
    unwritten_.clear();
    if (size_ > compactAfter_ && size_ > 2 * static_cast<off_t>(wholeSize(tape, full)) + kSlack &&
        !rewrite(tape, full))
        compactAfter_ = size_ + kSlack;  // the file is whole as it is; tried again later
    return true;
}

std::string RecoveryFile::followTape(const TapeText& tape, const std::string& name) {
    std::string records;
    TapeText before = seen_;
    if (newBase_) {
        base_ = std::move(newBase_);
        newBase_.reset();
        kept_ = base_->length;
        before = std::move(newBaseText_);
        newBaseText_ = TapeText();
        appendBaseRecord(records, *base_);
        nameInLog_ = base_->file.native();
    }
    // Appended to only, the tape still starts with what it was; else it is compared.
    std::size_t same = before.size();
    if (replaced_ || tape.size() < same) same = commonPrefix(before.view(), tape.view());
    if (same < before.size()) appendCutRecord(records, same);
    kept_ = std::min<std::uint64_t>(kept_, same);
    forEachTapeRecord(tape.view().substr(same), [&](std::string_view r) {
        records += r;
        return true;
    });
    if (name != nameInLog_) {
        appendRecoveryRecord(records, 'N', name);
        nameInLog_ = name;
    }
    seen_ = tape;
    replaced_ = false;
    return records;
}

template <typename Write>
bool RecoveryFile::forEachWholeRecord(const TapeText& tape, const std::string& name,
                                      Write&& write) const {
    std::string head;
    std::string named;
    std::uint64_t from = 0;
    // A base none of which is left on the tape is not worth naming.
    if (base_ && kept_ > 0) {
        appendBaseRecord(head, *base_);
        named = base_->file.native();
        if (kept_ < base_->length) appendCutRecord(head, kept_);
        from = kept_;
    }
    if (!head.empty() && !write(std::string_view(head))) return false;
    bool ok = true;
    forEachTapeRecord(tape.view().substr(static_cast<std::size_t>(from)),
                      [&](std::string_view r) { return ok = write(r); });
    if (!ok) return false;
    if (name == named) return true;
    std::string record;
    appendRecoveryRecord(record, 'N', name);
    return write(std::string_view(record));
}

std::uint64_t RecoveryFile::wholeSize(const TapeText& tape, const std::string& name) const {
    std::uint64_t from = 0;
    std::uint64_t size = kRecoveryHeaderSize + kRecordHead + name.size();
    if (base_ && kept_ > 0) {
        from = kept_;
        size += 2 * kRecordHead + 24 + base_->file.native().size();
    }
    const std::uint64_t text = tape.size() - from;
    return size + text + (text / kRecoveryChunk + 1) * kRecordHead;
}

bool RecoveryFile::appendRecords(std::string_view records) {
    if (!records.empty()) {
        if (!recovery::writeAllAt(fd_, records, size_) || ::fdatasync(fd_) != 0) {
            const int error = errno;
            // A record cut short would hide every later one: the file goes back to its
            // last whole record.
            if (::ftruncate(fd_, size_) != 0) rewriteNeeded_ = true;
            return fail(error);
        }
        size_ += static_cast<off_t>(records.size());
    }
    if (behind_) setState(kRecoveryKeptUp);
    return true;
}

bool RecoveryFile::rewrite(const TapeText& tape, const std::string& name) {
    const std::filesystem::path temp =
        path_.parent_path() / recovery::temporaryName(path_.filename().native());
    const int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return false;
    // Locked before it takes the name, so no other program sees it unlocked.
    off_t size = 0;
    const auto write = [&](std::string_view bytes) {
        if (!recovery::writeAllAt(fd, bytes, size)) return false;
        size += static_cast<off_t>(bytes.size());
        return true;
    };
    bool ok = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && write(recoveryHeader(kRecoveryKeptUp)) &&
              forEachWholeRecord(tape, name, write) && ::fdatasync(fd) == 0 &&
              ::rename(temp.c_str(), path_.c_str()) == 0;
    if (!ok) {
        const int error = errno;
        ::unlink(temp.c_str());
        ::close(fd);
        errno = error;
        return false;
    }
    ::close(fd_);
    fd_ = fd;
    size_ = size;
    compactAfter_ = 0;
    fresh_ = false;
    behind_ = false;
    rewriteNeeded_ = false;
    unwritten_.clear();
    recovery::syncFolderOf(path_);
    return true;
}

void RecoveryFile::setState(char state) {
    // One byte rewritten in place: no room is needed for it on a full disk.
    if (::pwrite(fd_, &state, 1, static_cast<off_t>(kRecoveryStateAt)) != 1) return;
    // Marked behind, the mark must last; marked whole again, a lost mark only warns.
    if (state == kRecoveryBehind) ::fdatasync(fd_);
    behind_ = state == kRecoveryBehind;
}

bool RecoveryFile::fail(int error) {
    problem_ = std::strerror(error);
    if (!behind_) setState(kRecoveryBehind);
    return false;
}

}  // namespace zovrek
