#pragma once
// File → Export Tape...: the tape as a CSV file for a spreadsheet.

#include <string_view>

namespace zovrek {
class CZOVREKDoc;
}

namespace zovrek::qt {

class FileDialogs;

/// Asks where to put the CSV file (proposing the tape's own name and folder), then writes
/// `tape` there whole or not at all. A failure is reported; the tape is not touched.
void exportTape(FileDialogs& dialogs, const CZOVREKDoc& document, std::string_view tape);

}  // namespace zovrek::qt
