#include "document.h"

#include <algorithm>
#include <cctype>

#include "cal_file.h"

namespace zovrek {
namespace {

bool hasCalExtension(std::string_view name) {
    if (name.size() < kCalExtension.size()) return false;
    const std::string_view tail = name.substr(name.size() - kCalExtension.size());
    return std::equal(tail.begin(), tail.end(), kCalExtension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

}  // namespace

CZOVREKDoc::CZOVREKDoc() : m_title(kUntitledTitle) {}

bool CZOVREKDoc::OnNewDocument() {
    m_pathName.clear();
    m_title = kUntitledTitle;
    m_tapeText = TapeText();
    return true;
}

void CZOVREKDoc::forgetFile() {
    m_pathName.clear();
    m_tapeText = TapeText();
}

FileResult CZOVREKDoc::OnOpenDocument(const std::filesystem::path& path, bool* textRead) {
    CalFileRead read = readCalFile(path);
    if (textRead) *textRead = false;
    // A failed read keeps the text: the next initial update (a colour command) puts the
    // document's text on the tape, and an emptied one would wipe the user's tape.
    if (!read.ok()) return FileResult::failure(std::move(read.message));
    if (read.status == CalReadResult::Status::Text) {
        m_tapeText = TapeText(std::move(read.text));
        if (textRead) *textRead = true;
    }
    SetPathName(path);
    removeStaleTemporaries(path);
    return {};
}

FileResult CZOVREKDoc::OnSaveDocument(const std::filesystem::path& path) {
    FileResult result = writeCalFile(path, m_tapeText.view());
    if (result.ok) SetPathName(path);
    return result;
}

void CZOVREKDoc::SetPathName(const std::filesystem::path& path) {
    m_pathName = path;
    m_title = path.filename().string();
}

std::string CZOVREKDoc::proposedFileName() const {
    if (!m_pathName.empty()) return m_pathName.string();
    // The title may be a print title the user typed; a folder separator in it would make
    // the proposal point elsewhere, so the name stops there.
    std::string name = m_title.substr(0, m_title.find_first_of(std::string_view("/\\\0", 3)));
    if (name.empty() || name == "." || name == "..") name = kNewFileName;
    // A title taken from a saved file has its extension already.
    if (!hasCalExtension(name)) name += kCalExtension;
    return name;
}

}  // namespace zovrek
