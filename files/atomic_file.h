#pragma once
// Saving a file so that a failure never leaves it half written.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>

namespace zovrek {

/// Outcome of a file operation; `message` is a sentence for the user when it failed.
struct FileResult {
    bool ok = true;
    std::string message;

    static FileResult failure(std::string text) { return {false, std::move(text)}; }
};

/// Writes `target` atomically: `produce` writes the content to a stream backed by a new
/// temporary file in the same folder, which is flushed, synced and renamed over `target`.
/// When `produce` returns false or throws, a write fails or the rename fails, the temporary
/// file is removed and `target` is left as it was (an exception passes on).
///
/// What is replaced is respected: a folder, FIFO, device or other non-regular file and a
/// read-only file (no write permission bit, or no write access) are refused. An existing
/// file keeps its permissions, and its owner and group as far as the process may keep them.
/// A symbolic link stays one: the file at the end of its chain is replaced, or created when
/// the link dangles.
FileResult writeFileAtomically(const std::filesystem::path& target,
                               const std::function<bool(std::ostream&)>& produce);

/// Removes the temporary files that saves of `target` left beside it when their process
/// died mid-write (".NAME.PID.N.tmp", as big as the file): only regular files of this user
/// whose process is gone. Each save does it; opening a file should too.
void removeStaleTemporaries(const std::filesystem::path& target);

}  // namespace zovrek
