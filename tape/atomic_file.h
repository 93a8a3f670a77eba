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
/// When `produce` returns false, a write fails or the rename fails, the temporary file is
/// removed and `target` is left as it was. An existing target keeps its permissions;
/// a symbolic link stays one, and the file it points at is replaced.
FileResult writeFileAtomically(const std::filesystem::path& target,
                               const std::function<bool(std::ostream&)>& produce);

}  // namespace zovrek
