#pragma once
// The File menu of the calculator view: New, Open, Save and Save As, with the "Save Tape?"
// offer, and the framework's document operations they call.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "document.h"
#include "engine/calculator.h"

namespace zovrek {

/// The framework side of the file commands.
class FileCommandHost {
public:
    virtual ~FileCommandHost() = default;
    /// The Open dialog for "*.cal" files: the chosen file, or nothing when dismissed.
    virtual std::optional<std::filesystem::path> askOpenPath() = 0;
    /// The Save As dialog proposing `proposedName`: the chosen file, or nothing.
    virtual std::optional<std::filesystem::path> askSavePath(const std::string& proposedName) = 0;
    /// Tells the user that a file could not be read or written.
    virtual void reportFileError(const std::string& message) = 0;
    /// A file was read or written and the document took its name (the recent-file list).
    virtual void addToRecentFiles(const std::filesystem::path&) {}
    /// The tape now holds exactly the text just read from `path`.
    virtual void tapeReadFrom(const std::filesystem::path&) {}
    /// The tape is exactly the text just written to `path`.
    virtual void tapeWrittenTo(const std::filesystem::path&) {}
};

/// Where a file dialog starts: the folder of the document's file, else `lastFolder`, else
/// `home`; the first of them that is a folder now. Empty when none is.
std::filesystem::path dialogStartFolder(const std::filesystem::path& documentFile,
                                        const std::filesystem::path& lastFolder,
                                        const std::filesystem::path& home);

/// The last line of `tape` (cut after each line break, "\r\n", "\n" or "\r", keeping it; a
/// last piece without one is no line) that holds a digit, or "" when there is none.
std::string_view lastNumberLine(std::string_view tape);

class FileCommands {
public:
    /// `document` must be the document `calculator` was made with.
    FileCommands(Calculator& calculator, CZOVREKDoc& document, FileCommandHost& host);

    static bool handles(int id);
    /// Runs File New, Open, Save or Save As; false when `id` is none of them.
    bool onCommand(int id);

    void onFileNew();
    void onFileOpen();
    void onFileSave();
    void onFileSaveAs();

    // The framework's document operations, also for the host's CalculatorWindow.

    /// Saves under the document's name, asking for one when it has none. True only when
    /// the file was written; a failed write has been reported.
    bool saveDocument();
    /// Saves under a name the user chooses; true only when the file was written.
    bool saveDocumentAs();
    /// The new document: OnNewDocument, then the calculator's initial update.
    void newDocument();
    /// Reads `path` into the document and, when that succeeds, runs the calculator's
    /// initial update. A failure is reported and leaves the calculator's tape alone.
    bool openDocumentFile(const std::filesystem::path& path);

private:
    /// Plays the chime and shows "Save Tape?".
    SaveTapeChoice offerToSave();
    bool saveAs(const std::filesystem::path& path);
    void takeLastNumber();

    Calculator& calc_;
    CZOVREKDoc& doc_;
    FileCommandHost& host_;
};

}  // namespace zovrek
