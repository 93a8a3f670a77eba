#include "file_commands.h"

#include "engine/command_ids.h"
#include "engine/number_text.h"

namespace zovrek {

namespace {

// Where the line break whose last character is at `last` starts: a "\n" after a "\r" is the
// end of one "\r\n", as TapeLines reads it going forward.
std::size_t breakStart(std::string_view tape, std::size_t last) {
    return tape[last] == '\n' && last > 0 && tape[last - 1] == '\r' ? last - 1 : last;
}

}  // namespace

std::string_view lastNumberLine(std::string_view tape) {
    // Walk back line by line from the last line break; only the last line with a digit (or a
    // non-finite result, which the calculator writes as a word) counts.
    std::size_t last = tape.find_last_of("\r\n");
    while (last != std::string_view::npos) {
        const std::size_t start = breakStart(tape, last);
        const std::size_t prev =
            start == 0 ? std::string_view::npos : tape.find_last_of("\r\n", start - 1);
        const std::size_t begin = prev == std::string_view::npos ? 0 : prev + 1;
        const std::string_view line = tape.substr(begin, last + 1 - begin);
        if (line.find_first_of("0123456789") != std::string_view::npos || isNonFiniteText(line))
            return line;
        last = prev;
    }
    return {};
}

FileCommands::FileCommands(Calculator& calculator, CZOVREKDoc& document, FileCommandHost& host)
    : calc_(calculator), doc_(document), host_(host) {}

bool FileCommands::handles(int id) {
    return id == cmd::FileNew || id == cmd::FileOpen || id == cmd::FileSave ||
           id == cmd::FileSaveAs;
}

bool FileCommands::onCommand(int id) {
    switch (id) {
    case cmd::FileNew: onFileNew(); return true;
    case cmd::FileOpen: onFileOpen(); return true;
    case cmd::FileSave: onFileSave(); return true;
    case cmd::FileSaveAs: onFileSaveAs(); return true;
    default: return false;
    }
}

SaveTapeChoice FileCommands::offerToSave() {
    calc_.playFunctionSound("chimeup.wav");
    return calc_.window().askSaveTape();
}

void FileCommands::onFileNew() {
    if (calc_.m_tape.empty()) return;
    if (calc_.m_tapeSaved == 0) {
        switch (offerToSave()) {
        case SaveTapeChoice::Cancel: return;
        case SaveTapeChoice::No: break;
        case SaveTapeChoice::Ok:
            calc_.copyTapeToDocument();
            // Nothing saved (dialog dismissed, write failed): the tape must not be lost.
            if (!saveDocument()) return;
            calc_.window().clearTape();
            calc_.m_tape.clear();
            calc_.m_display = "0.";
            calc_.m_tapeSaved = 1;
            break;
        }
    }
    calc_.performClear();
    calc_.playFunctionSound("backsp.wav");
    calc_.window().clearTape();
    calc_.m_tape.clear();
    newDocument();
    calc_.discardPrintPreparation(true);
    calc_.m_clearOnEntry = 0;
    calc_.m_fileOpened = 0;
}

void FileCommands::onFileOpen() {
    if (calc_.m_fileOpened == 1 && calc_.m_tape.empty()) newDocument();
    if (calc_.m_tapeSaved == 0 && !calc_.m_tape.empty()) {
        switch (offerToSave()) {
        case SaveTapeChoice::Cancel: return;
        case SaveTapeChoice::No: break;
        case SaveTapeChoice::Ok:
            calc_.copyTapeToDocument();
            if (!saveDocument()) return;
            doc_.forgetFile();
            calc_.m_tape.clear();
            calc_.m_display = "0.";
            calc_.m_tapeLine.clear();
            calc_.window().clearTape();
            calc_.m_tapeSaved = 1;
            break;
        }
    }
    calc_.playFunctionSound("click.wav");
    if (const auto path = host_.askOpenPath()) openDocumentFile(*path);

    calc_.m_fileOpened = 1;
    calc_.m_resultShown = 1;
    calc_.m_cleared = 0;
    takeLastNumber();
    calc_.m_awaitEntry = 0;
    calc_.m_entryEmpty = 0;
    calc_.m_clearOnEntry = 0;
    calc_.m_equalsReady = 0;
    calc_.m_backLocked = 0;
    calc_.m_opBlocked = 0;
    calc_.m_resultLocked = 1;
    calc_.m_showTotal = 1;
    calc_.m_tapeSaved = 0;
    calc_.m_noClearMark = 0;
    calc_.m_entryOnTape = 1;
    calc_.refresh();
}

void FileCommands::takeLastNumber() {
    const std::string_view line = lastNumberLine(calc_.m_tape.view());
    calc_.m_entry = parseTapeNumber(line);
    calc_.m_display = std::string(line);
    if (calc_.m_roundOperands != 0) {
        calc_.formatEntry();
        calc_.m_display = calc_.m_formatted;
        calc_.m_entry = parseNumber(calc_.m_formatted);
    }
}

void FileCommands::onFileSave() {
    if (calc_.m_tape.empty()) return;
    calc_.copyTapeToDocument();
    calc_.playFunctionSound("click.wav");
    // Only a written file counts as saved, or a later New would drop the tape unasked.
    if (saveDocument()) calc_.m_tapeSaved = 1;
}

void FileCommands::onFileSaveAs() {
    if (calc_.m_tape.empty()) return;
    calc_.copyTapeToDocument();
    calc_.playFunctionSound("click.wav");
    saveDocumentAs();
    calc_.m_tapeSaved = 0;
}

bool FileCommands::saveDocument() {
    if (doc_.GetPathName().empty()) return saveDocumentAs();
    return saveAs(doc_.GetPathName());
}

bool FileCommands::saveDocumentAs() {
    const auto path = host_.askSavePath(doc_.proposedFileName());
    return path && saveAs(*path);
}

bool FileCommands::saveAs(const std::filesystem::path& path) {
    const FileResult result = doc_.OnSaveDocument(path);
    if (!result.ok) {
        host_.reportFileError(result.message);
        return false;
    }
    host_.addToRecentFiles(path);
    if (doc_.m_tapeText.view() == calc_.m_tape.view()) host_.tapeWrittenTo(path);
    return true;
}

void FileCommands::newDocument() {
    doc_.OnNewDocument();
    calc_.onInitialUpdate();
}

bool FileCommands::openDocumentFile(const std::filesystem::path& path) {
    bool textRead = false;
    const FileResult result = doc_.OnOpenDocument(path, &textRead);
    if (!result.ok) {
        host_.reportFileError(result.message);
        return false;
    }
    host_.addToRecentFiles(path);
    calc_.onInitialUpdate();
    if (textRead) host_.tapeReadFrom(path);
    return true;
}

std::filesystem::path dialogStartFolder(const std::filesystem::path& documentFile,
                                        const std::filesystem::path& lastFolder,
                                        const std::filesystem::path& home) {
    std::error_code ec;
    const std::filesystem::path documentFolder =
        documentFile.empty() ? std::filesystem::path()
                             : std::filesystem::absolute(documentFile, ec).parent_path();
    for (const auto& folder : {documentFolder, lastFolder, home})
        if (!folder.empty() && std::filesystem::is_directory(folder, ec)) return folder;
    return {};
}

}  // namespace zovrek
