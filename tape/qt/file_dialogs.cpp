#include "tape/qt/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <utility>

#include "shell/qt/modal.h"
#include "shell/qt/qt_text.h"
#include "tape/document.h"
#include "tape/qt/file_names.h"

namespace zovrek::qt {
namespace {

QStringList nameFilters() {
    return {uiText(kCalFilterName), QFileDialog::tr("All Files (*)")};
}

std::optional<std::filesystem::path> chosenFile(QFileDialog& dialog) {
    if (Modal::exec(dialog) != QDialog::Accepted) return std::nullopt;
    // The URL carries the name's bytes even when they are no UTF-8.
    const QList<QUrl> urls = dialog.selectedUrls();
    if (urls.isEmpty()) return std::nullopt;
    std::filesystem::path path = localPath(urls.front());
    if (path.empty() || path.filename().empty()) return std::nullopt;
    return path;
}

}  // namespace

std::filesystem::path withDefaultExtension(std::filesystem::path path, std::string_view extension) {
    if (!path.filename().empty() && !path.has_extension()) path += std::string(extension);
    return path;
}

std::filesystem::path FileDialogs::startFolder() const {
    return dialogStartFolder(document_ ? document_->GetPathName() : std::filesystem::path(),
                             lastFolder_, localPath(QDir::homePath()));
}

void FileDialogs::startInFolder(QFileDialog& dialog) const {
    if (const std::filesystem::path folder = startFolder(); !folder.empty())
        dialog.setDirectoryUrl(fileUrl(folder));
}

std::optional<std::filesystem::path> FileDialogs::askOpenPath() {
    if (nextOpen_) return std::exchange(nextOpen_, std::nullopt);
    QFileDialog dialog(parent_, QFileDialog::tr("Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters());
    startInFolder(dialog);
    auto path = chosenFile(dialog);
    if (path) lastFolder_ = path->parent_path();
    return path;
}

std::optional<std::filesystem::path> FileDialogs::askSavePath(const std::string& proposedName) {
    return askSave(QFileDialog::tr("Save As"), nameFilters(), kCalExtension, proposedName);
}

std::optional<std::filesystem::path> FileDialogs::askExportPath(const std::string& proposedName) {
    return askSave(QFileDialog::tr("Export Tape"),
                   {QFileDialog::tr("CSV Files (*.csv)"), QFileDialog::tr("All Files (*)")},
                   ".csv", proposedName);
}

std::optional<std::filesystem::path> FileDialogs::askSave(const QString& title,
                                                          const QStringList& filters,
                                                          std::string_view extension,
                                                          const std::string& proposedName) {
    QFileDialog dialog(parent_, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(uiText(extension).mid(1));
    startInFolder(dialog);
    // Only the name: the folder is the start folder, which is the file's own when it has one.
    const std::filesystem::path proposed(proposedName);
    const QString shownName = displayName(proposed.filename().native());
    dialog.selectFile(shownName);
    auto path = chosenFile(dialog);
    if (!path) return path;
    path = withDefaultExtension(std::move(*path), extension);
    // The file's own name taken unchanged is the file itself, even when its bytes are no
    // UTF-8 and the dialog showed them otherwise.
    if (proposed.has_parent_path() && *path == proposed.parent_path() / localPath(shownName))
        path = proposed;
    lastFolder_ = path->parent_path();
    return path;
}

void FileDialogs::reportFileError(const std::string& message) {
    Modal::message(parent_, QMessageBox::Warning, QStringLiteral("ZOVREK"), displayName(message));
}

void FileDialogs::addToRecentFiles(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    lastFolder_ = (ec ? path : full).parent_path();
    if (onRecentFile) onRecentFile(path);
}

void FileDialogs::tapeReadFrom(const std::filesystem::path& path) {
    if (onTapeIsFile) onTapeIsFile(path);
}

void FileDialogs::tapeWrittenTo(const std::filesystem::path& path) {
    if (onTapeIsFile) onTapeIsFile(path);
}

}  // namespace zovrek::qt
