#pragma once
// The file commands' windows: the Open and Save As dialogs for ".cal" files and the reports
// of files that could not be read or written.

#include <QString>
#include <QStringList>
#include <string_view>
#include <functional>

#include "tape/file_commands.h"

class QFileDialog;
class QWidget;

namespace zovrek::qt {

class FileDialogs : public FileCommandHost {
public:
    /// The dialogs start in the folder of `document`'s file when it has one.
    explicit FileDialogs(QWidget* parent, const CZOVREKDoc* document = nullptr)
        : parent_(parent), document_(document) {}

    std::optional<std::filesystem::path> askOpenPath() override;
    std::optional<std::filesystem::path> askSavePath(const std::string& proposedName) override;
    /// Where to write the tape as CSV, proposing `proposedName` (a ".csv" name) in the start
    /// folder; empty when the user cancels.
    std::optional<std::filesystem::path> askExportPath(const std::string& proposedName);
    void reportFileError(const std::string& message) override;
    void addToRecentFiles(const std::filesystem::path& path) override;
    void tapeReadFrom(const std::filesystem::path& path) override;
    void tapeWrittenTo(const std::filesystem::path& path) override;

    /// The next Open takes `path` instead of asking (a file dropped on the window).
    void chooseNextOpen(std::filesystem::path path) { nextOpen_ = std::move(path); }
    /// Drops a path chosen for the next Open that did not take it (it was cancelled).
    void forgetNextOpen() { nextOpen_.reset(); }

    /// The folder used last, where a dialog starts when the document has no file (the
    /// application sets it from the recent-file list at start-up).
    void setLastFolder(std::filesystem::path folder) { lastFolder_ = std::move(folder); }
    /// The folder the next dialog starts in.
    std::filesystem::path startFolder() const;

    /// Told of every file read or written, for the recent-file list.
    std::function<void(const std::filesystem::path&)> onRecentFile;
    /// Told when the tape is exactly the text of a file, just read or written.
    std::function<void(const std::filesystem::path&)> onTapeIsFile;

private:
    void startInFolder(QFileDialog& dialog) const;
    std::optional<std::filesystem::path> askSave(const QString& title, const QStringList& filters,
                                                 std::string_view extension,
                                                 const std::string& proposedName);

    QWidget* parent_;
    const CZOVREKDoc* document_;
    std::optional<std::filesystem::path> nextOpen_;
    std::filesystem::path lastFolder_;
};

/// `path` with `extension` (".cal" unless told) added when its name has no extension.
std::filesystem::path withDefaultExtension(std::filesystem::path path,
                                           std::string_view extension = kCalExtension);

}  // namespace zovrek::qt
