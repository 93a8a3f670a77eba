#pragma once
// The crash-recovery files of running programs: each keeps its working tape in a file of its
// own in the state folder, locked for as long as it runs, so a tape outlives a crash and no
// program takes the file of another that still runs.

#include <sys/types.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "recovery_log.h"

namespace zovrek {

/// This program's recovery file. It follows the tape by appending what has grown since the
/// last flush; a tape replaced as a whole (New, Open, Clear_All, the tape editor, a colour
/// command) is written whole once, to a new file renamed over the old.
class RecoveryFile {
public:
    /// Creates a new file in `folder` (made with mode 0700 where missing) and locks it.
    /// Null, with `problem` saying why, when that fails.
    static std::unique_ptr<RecoveryFile> create(const std::filesystem::path& folder,
                                                std::string& problem);
    /// Closes the file and so gives up its lock; the file stays, as after a crash.
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    /// The program ends normally: the file goes.
    void remove();

    /// The tape grew at its end.
    void tapeAppended();
    /// The tape was replaced as a whole.
    void tapeReplaced();
    /// The tape is, as it stands, the text of a file just read: nothing to keep until it
    /// changes, so an opened tape is not copied.
    void tapeIsFile();
    /// A change has not been flushed yet.
    bool pending() const { return pending_; }

    /// Brings the file up to `tape` and the document's file `name`, and syncs it to disk
    /// when it holds a tape. False when writing failed; the change then stays pending and
    /// the file as it was.
    bool flush(std::string_view tape, const std::filesystem::path& name);

    const std::filesystem::path& path() const { return path_; }

private:
    enum class Mode { Tracking, Rewrite, OnFile };

    RecoveryFile(std::filesystem::path path, int fd, off_t size);
    bool append(std::string_view text, const std::string& name);
    bool rewrite(std::string_view tape, const std::string& name);

    std::filesystem::path path_;
    int fd_;
    off_t size_;                  ///< bytes of whole records in the file
    Mode mode_ = Mode::Tracking;
    std::size_t written_ = 0;     ///< bytes of the tape the file holds
    std::string nameWritten_;     ///< the name the file holds
    bool pending_ = false;
    bool synced_ = true;
};

/// The recovery file of a program that ended without removing it, locked while this object
/// lives so no other program takes it meanwhile.
class LeftoverTape {
public:
    /// The newest leftover in `folder` that holds a tape, or null. On the way, leftovers
    /// that hold no tape (nothing unsaved) and half-written temporaries of dead programs are
    /// removed; files locked by running programs are passed over.
    static std::unique_ptr<LeftoverTape> claim(const std::filesystem::path& folder);
    /// Unlocks; the file stays for a later start.
    ~LeftoverTape();
    LeftoverTape(const LeftoverTape&) = delete;
    LeftoverTape& operator=(const LeftoverTape&) = delete;

    const RecoveredTape& tape() const { return tape_; }
    const std::filesystem::path& path() const { return path_; }
    /// Removes the file (its tape was taken over, or the user let it go).
    void discard();

private:
    LeftoverTape(std::filesystem::path path, int fd, RecoveredTape tape)
        : path_(std::move(path)), fd_(fd), tape_(std::move(tape)) {}

    std::filesystem::path path_;
    int fd_;
    RecoveredTape tape_;
};

}  // namespace zovrek
