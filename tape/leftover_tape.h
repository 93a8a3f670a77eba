#pragma once
// Tapes that programs which did not end normally left in their recovery files, as far as
// they can be rebuilt, and who may take them.

#include <filesystem>
#include <memory>
#include <string>

#include "recovery_log.h"

namespace zovrek {

/// A tape rebuilt from a recovery file.
struct RecoveredTape {
    /// Why the tape may lack some of its end, when it may.
    enum class Gap {
        None,
        Damaged,      ///< the file could not be read whole
        Behind,       ///< its program could not write its last changes
        BaseChanged,  ///< the file the tape began as is no longer the text it was
    };

    std::string text;            ///< the tape as far as it could be rebuilt
    std::filesystem::path name;  ///< the document's file; empty for an untitled tape
    std::filesystem::path base;  ///< the file the tape began as, if any
    Gap gap = Gap::None;

    bool hasTape() const { return !text.empty(); }
    bool complete() const { return gap == Gap::None; }
};

/// The tape `log` describes. The base file, when the tape began as one, is read again and
/// taken only when its text is the one that was read or saved then (same length and hash);
/// otherwise only the text added after it is given back, and the gap says so.
RecoveredTape rebuildTape(const RecoveryLog& log);

/// The recovery file of a program that ended without removing it, locked while this object
/// lives so no other program takes it meanwhile.
class LeftoverTape {
public:
    /// The newest leftover in `folder` worth telling of: one holding a tape not saved
    /// anywhere, or one that could not be read whole. On the way, leftovers that read whole
    /// and hold nothing unsaved, and half-written temporaries of dead programs, are removed;
    /// files locked by running programs are passed over.
    static std::unique_ptr<LeftoverTape> claim(const std::filesystem::path& folder);
    /// Unlocks; the file stays for a later start.
    ~LeftoverTape();
    LeftoverTape(const LeftoverTape&) = delete;
    LeftoverTape& operator=(const LeftoverTape&) = delete;

    const RecoveredTape& tape() const { return tape_; }
    const std::filesystem::path& path() const { return path_; }
    /// Removes the file (its tape was taken over, or the user let it go).
    void discard();
    /// Renames the file so that later starts pass it over, kept for the user (an incomplete
    /// tape's file is never removed); path() is then its new name. False when it stays.
    bool keepAside();

private:
    LeftoverTape(std::filesystem::path path, int fd, RecoveredTape tape)
        : path_(std::move(path)), fd_(fd), tape_(std::move(tape)) {}

    std::filesystem::path path_;
    int fd_;
    RecoveredTape tape_;
};

/// What keepAside() adds to a file's name.
inline constexpr std::string_view kKeptAsideSuffix = ".incomplete";

}  // namespace zovrek
