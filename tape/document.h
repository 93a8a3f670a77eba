#pragma once
// The tape document: the document's copy of the tape, its file name and its title.

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/document_tape.h"
#include "files/atomic_file.h"

namespace zovrek {

/// The document type: window title, document name, new-file name, filter, extension,
/// file-type identifier and description, separated by "\n".
inline constexpr std::string_view kDocumentTypeString =
    "ZOVREK\n\nZOVREK\nZOVREK Files (*.cal)\n.cal\nZOVREK.Document\nZOVREK Document";
inline constexpr std::string_view kCalFilterName = "ZOVREK Files (*.cal)";
inline constexpr std::string_view kCalPattern = "*.cal";
inline constexpr std::string_view kCalExtension = ".cal";
/// Name proposed for a document whose title makes no file name.
inline constexpr std::string_view kNewFileName = "ZOVREK";
/// Title of a document that has no file yet (the document type names none of its own).
inline constexpr std::string_view kUntitledTitle = "Untitled";

class CZOVREKDoc : public DocumentTape {
public:
    CZOVREKDoc();

    /// The framework's new document: empties m_tapeText, forgets the file name and takes
    /// the default title. Always succeeds.
    bool OnNewDocument();

    /// Forgets the file name and empties m_tapeText; the title stays (Open after saving the
    /// old tape: it is still the Tape Title preset and the name a later Save proposes).
    void forgetFile();

    /// Reads `path` into m_tapeText, as UTF-8 whatever form the file holds. On success the
    /// document takes the file's name; a file of zero bytes succeeds and leaves m_tapeText
    /// as it was. A file that can't be opened or read to its end leaves m_tapeText and the
    /// name as they were. `textRead`, when given, tells whether m_tapeText is now the file's
    /// text. Temporaries that saves of the file left behind are removed.
    FileResult OnOpenDocument(const std::filesystem::path& path, bool* textRead = nullptr);

    /// Writes m_tapeText to `path` atomically, one byte a character when every character
    /// fits in one, else as UTF-8; on success the document takes that name.
    FileResult OnSaveDocument(const std::filesystem::path& path);

    /// Empty while the document has no file.
    const std::filesystem::path& GetPathName() const { return m_pathName; }
    /// Sets the file name and the title to the name's last component.
    void SetPathName(const std::filesystem::path& path);
    const std::string& GetTitle() const { return m_title; }
    void SetTitle(std::string title) { m_title = std::move(title); }

    /// The name offered by a save dialog: the file's own name, or the title with ".cal"
    /// unless it ends in ".cal" already.
    std::string proposedFileName() const;

private:
    std::filesystem::path m_pathName;
    std::string m_title;
};

}  // namespace zovrek
