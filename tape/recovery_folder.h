#pragma once
// What the recovery files of the state folder share: their names, their locks and writing.

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace zovrek::recovery {

/// "tape-PID.recovery" (or "tape-PID-N.recovery"), one per running program.
std::string fileName(long pid, int attempt);
bool isFileName(std::string_view name);
/// The file a rewrite writes before renaming it over `name`: ".NAME.new".
std::string temporaryName(std::string_view name);
bool isTemporaryName(std::string_view name);

/// Creates `folder` and any missing parent with mode 0700. Empty, or why it failed.
std::string makeFolder(const std::filesystem::path& folder);

/// Opens the regular file `path` of this user for reading and writing and takes its lock
/// without waiting. -1 when it can't, another program holds the lock, or `path` no longer
/// names the file locked (it was renamed over or removed meanwhile). `info` is its status.
int openLocked(const std::filesystem::path& path, struct stat& info);

/// Writes all of `bytes` at offset `at`; false on an error.
bool writeAllAt(int fd, std::string_view bytes, off_t at);
/// The whole content of the open file; false on a read error.
bool readAll(int fd, std::string& bytes);
/// Syncs the folder holding `path`, so a rename in it lasts.
void syncFolderOf(const std::filesystem::path& path);

}  // namespace zovrek::recovery
