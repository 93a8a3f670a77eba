#include "app/tape_export.h"

#include <QFile>
#include <QFileDialog>
#include <filesystem>
#include <optional>

#include "editor/tape_csv.h"
#include "shell/qt/modal.h"
#include "shell/qt/qt_text.h"
#include "tape/atomic_file.h"
#include "tape/document.h"

namespace zovrek::qt {
namespace {

QString fromPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path proposedPath(const CZOVREKDoc& document) {
    std::filesystem::path path = document.GetPathName().empty()
                                     ? std::filesystem::path(document.proposedFileName())
                                     : document.GetPathName();
    return path.replace_extension(".csv");
}

std::optional<std::filesystem::path> askCsvPath(QWidget* parent, const CZOVREKDoc& document) {
    QFileDialog dialog(parent, uiText(kExportTitle));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QFileDialog::tr("CSV Files (*.csv)"), QFileDialog::tr("All Files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(fromPath(proposedPath(document)));
    if (Modal::exec(dialog) != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
    std::filesystem::path path(QFile::encodeName(files.front()).toStdString());
    if (!path.filename().empty() && !path.has_extension()) path += ".csv";
    return path;
}

}  // namespace

void exportTape(QWidget* parent, const CZOVREKDoc& document, std::string_view tape) {
    const auto path = askCsvPath(parent, document);
    if (!path) return;
    const FileResult written =
        writeFileAtomically(*path, [&](std::ostream& out) { return writeTapeCsv(out, tape); });
    if (!written.ok)
        Modal::message(parent, QMessageBox::Warning, QStringLiteral("ZOVREK"),
                       QFile::decodeName(QByteArray::fromStdString(written.message)));
}

}  // namespace zovrek::qt
