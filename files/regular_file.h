#pragma once
// Telling a regular file from the other things a path can name (a folder, a pipe, a device),
// which must never be read as a file or replaced by one.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace zovrek {

/// Why a file of `mode` (st_mode) is not a regular file, as the end of a message
/// ("it is a pipe, not a file"); empty for a regular file.
std::string_view notRegularFileReason(mode_t mode);

/// Opens `path` for reading when it is a regular file. Returns the descriptor, or -1 with
/// `problem` saying why. Never waits: a FIFO without a writer is refused, not waited on.
int openRegularFile(const std::filesystem::path& path, std::string& problem);

}  // namespace zovrek
