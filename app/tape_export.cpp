#include "app/tape_export.h"

#include <filesystem>

#include "editor/tape_csv.h"
#include "files/atomic_file.h"
#include "tape/document.h"
#include "tape/qt/file_dialogs.h"

namespace zovrek::qt {
namespace {

// The tape's own name with ".csv", or the name a first save would propose.
std::string proposedName(const CZOVREKDoc& document) {
    std::filesystem::path path = document.GetPathName().empty()
                                     ? std::filesystem::path(document.proposedFileName())
                                     : document.GetPathName();
    return path.replace_extension(".csv").string();
}

}  // namespace

void exportTape(FileDialogs& dialogs, const CZOVREKDoc& document, std::string_view tape) {
    const auto path = dialogs.askExportPath(proposedName(document));
    if (!path) return;
    const FileResult written =
        writeFileAtomically(*path, [&](std::ostream& out) { return writeTapeCsv(out, tape); });
    if (!written.ok) dialogs.reportFileError(written.message);
}

}  // namespace zovrek::qt
