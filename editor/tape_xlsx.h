#pragma once
// A tape as an Excel workbook: the CSV's columns, the value a number cell shown with the
// places printed on the tape, notes and entries text cells (never formulas), so a spreadsheet
// in any locale reads every value as a number.

#include <filesystem>
#include <string_view>

#include "files/atomic_file.h"

namespace zovrek {

/// Writes `tape` to `target` as a workbook, whole or not at all. Rows past a sheet's last
/// row go on to another sheet with the header again. Fails, with a sentence for the user, on
/// a line longer than a cell holds or when the file can't be written.
FileResult writeTapeXlsx(const std::filesystem::path& target, std::string_view tape);

}  // namespace zovrek
