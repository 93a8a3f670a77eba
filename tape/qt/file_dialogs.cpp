#include "tape/qt/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <utility>

#include "shell/qt/modal.h"
#include "tape/document.h"
#include "shell/qt/qt_text.h"

namespace zovrek::qt {
namespace {


QStringList nameFilters() {
    return {uiText(kCalFilterName), QFileDialog::tr("All Files (*)")};
}

std::optional<std::filesystem::path> chosenFile(QFileDialog& dialog) {
    if (Modal::exec(dialog) != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
    return std::filesystem::path(files.front().toStdString());
}

}  // namespace

std::filesystem::path withDefaultExtension(std::filesystem::path path) {
    if (!path.filename().empty() && !path.has_extension()) path += std::string(kCalExtension);
    return path;
}

std::optional<std::filesystem::path> FileDialogs::askOpenPath() {
    if (nextOpen_) return std::exchange(nextOpen_, std::nullopt);
    QFileDialog dialog(parent_, QFileDialog::tr("Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters());
    return chosenFile(dialog);
}

std::optional<std::filesystem::path> FileDialogs::askSavePath(const std::string& proposedName) {
    QFileDialog dialog(parent_, QFileDialog::tr("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters());
    dialog.setDefaultSuffix(uiText(kCalExtension).mid(1));
    dialog.selectFile(uiText(proposedName));
    auto path = chosenFile(dialog);
    if (path) path = withDefaultExtension(std::move(*path));
    return path;
}

void FileDialogs::reportFileError(const std::string& message) {
    Modal::message(parent_, QMessageBox::Warning, QStringLiteral("ZOVREK"), uiText(message));
}

void FileDialogs::addToRecentFiles(const std::filesystem::path& path) {
    if (onRecentFile) onRecentFile(path);
}

}  // namespace zovrek::qt
