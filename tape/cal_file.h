#pragma once
// ".cal" files on disk: reading one whole, saving one atomically.

#include <filesystem>
#include <string>
#include <string_view>

#include "cal_format.h"
#include "files/atomic_file.h"

namespace zovrek {

/// What reading a ".cal" file from disk gave.
struct CalFileRead {
    CalReadResult::Status status = CalReadResult::Status::Damaged;
    std::string text;     ///< the tape text when status is Text
    std::string message;  ///< a sentence for the user when the read failed
    bool begun = false;   ///< the file was opened and reading had begun

    bool ok() const { return status != CalReadResult::Status::Damaged; }
};

/// Reads `path`. A file that can't be opened or is no regular file (a folder, a FIFO, a
/// device: never waited on) fails with begun = false; a damaged one with begun = true.
CalFileRead readCalFile(const std::filesystem::path& path);

/// Saves `text` as the ".cal" file `path`, atomically (the old file stays on failure).
FileResult writeCalFile(const std::filesystem::path& path, std::string_view text);

}  // namespace zovrek
