#pragma once
// The crash-recovery file of this program: it keeps the working tape in a file of its own in
// the state folder, locked for as long as the program runs, so a tape outlives a crash and no
// other program takes the file meanwhile.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/tape_text.h"
#include "recovery_log.h"

namespace zovrek {

/// Follows the tape with a log of its changes: what a key adds is appended; a tape replaced
/// as a whole costs a cut back to the part it shares with the old one and the rest; a tape
/// that is the text of a file (just read or saved) is named, not copied. When the log has
/// grown well past what it describes, it is written anew, to a new file renamed over it.
class RecoveryFile {
public:
    /// Keeps the tape in a new file in `folder`, made by open() or the first flush.
    explicit RecoveryFile(std::filesystem::path folder);
    /// Made and locked at once; null, with `problem` saying why, when that fails.
    static std::unique_ptr<RecoveryFile> create(const std::filesystem::path& folder,
                                                std::string& problem);
    /// Closes the file and so gives up its lock; the file stays, as after a crash.
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    /// Makes the file (and the folder, mode 0700, where missing) and locks it, when there is
    /// none yet. False, with problem() saying why, when that fails.
    bool open();
    bool isOpen() const { return fd_ >= 0; }
    /// The program ends normally: the file goes.
    void remove();

    /// The tape grew at its end.
    void tapeAppended();
    /// The tape was replaced as a whole.
    void tapeReplaced();
    /// `tape` is, as it stands, the text of `file`, just read or written: nothing of it is
    /// kept but the file's name and what tells its text again (length and hash).
    void tapeIsFile(const TapeText& tape, const std::filesystem::path& file);
    /// Something is not in the file yet.
    bool pending() const { return pending_ || !unwritten_.empty(); }

    /// Brings the file up to `tape` and the document's file `name`, making it first when
    /// there is none, and syncs it to disk. False when that failed: the file then says that
    /// it fell behind (so it is never taken for the whole tape), and the next flush tries
    /// again with what is missing.
    bool flush(const TapeText& tape, const std::filesystem::path& name);

    /// Empty until the file is made.
    const std::filesystem::path& path() const { return path_; }
    const std::filesystem::path& folder() const { return folder_; }
    /// Why the file could not be made or written, after a failure.
    const std::string& problem() const { return problem_; }

private:
    // Records for what changed since the last flush.
    std::string followTape(const TapeText& tape, const std::string& name);
    // The records that describe the tape from scratch, handed to `write` one by one.
    template <typename Write>
    bool forEachWholeRecord(const TapeText& tape, const std::string& name, Write&& write) const;
    std::uint64_t wholeSize(const TapeText& tape, const std::string& name) const;
    bool appendRecords(std::string_view records);
    bool rewrite(const TapeText& tape, const std::string& name);
    void setState(char state);
    bool fail(int error);

    std::filesystem::path folder_;
    std::filesystem::path path_;
    int fd_ = -1;
    off_t size_ = 0;              ///< bytes of whole records in the file
    off_t compactAfter_ = 0;      ///< no rewrite to shrink it below this size
    bool fresh_ = false;          ///< the file holds only its header
    bool behind_ = false;         ///< the file says it fell behind
    bool rewriteNeeded_ = false;  ///< bytes past its last whole record could not be cut off
    std::string unwritten_;       ///< records a failed write left out of the file
    std::string problem_;

    // The tape as the last flush saw it, whether or not a file holds it.
    std::optional<TapeBase> base_;
    std::uint64_t kept_ = 0;      ///< bytes of the base's text at the tape's start
    TapeText seen_;
    std::string nameInLog_;       ///< the document's name as the records give it

    // Since the last flush.
    std::optional<TapeBase> newBase_;
    TapeText newBaseText_;
    bool replaced_ = false;
    bool pending_ = false;
};

}  // namespace zovrek
