#pragma once
// The file commands' windows: the Open and Save As dialogs for ".cal" files and the reports
// of files that could not be read or written.

#include <QString>
#include <functional>

#include "tape/file_commands.h"

class QWidget;

namespace zovrek::qt {

class FileDialogs : public FileCommandHost {
public:
    explicit FileDialogs(QWidget* parent) : parent_(parent) {}

    std::optional<std::filesystem::path> askOpenPath() override;
    std::optional<std::filesystem::path> askSavePath(const std::string& proposedName) override;
    void reportFileError(const std::string& message) override;
    void addToRecentFiles(const std::filesystem::path& path) override;

    /// The next Open takes `path` instead of asking (a file dropped on the window).
    void chooseNextOpen(std::filesystem::path path) { nextOpen_ = std::move(path); }
    /// Drops a path no Open took (the command stopped at "Save Tape?").
    void forgetNextOpen() { nextOpen_.reset(); }

    /// Told of every file read or written, for the recent-file list.
    std::function<void(const std::filesystem::path&)> onRecentFile;

private:
    QWidget* parent_;
    std::optional<std::filesystem::path> nextOpen_;
};

/// `path` with the default extension ".cal" added when its name has no extension.
std::filesystem::path withDefaultExtension(std::filesystem::path path);

}  // namespace zovrek::qt
