#include "tape_editor.h"

namespace zovrek {

TapeEditor::TapeEditor(TapeEditorWindow& editorWindow, const TapeEditorInput& input)
    : TapeReevaluation(editorWindow),
      m_placesText(input.placesText),
      m_bkRed(input.bkRed),
      m_bkGreen(input.bkGreen),
      m_bkBlue(input.bkBlue) {
    // A tape read from a file may end its lines in a bare "\n" or "\r"; the marking pass and
    // the Update know "\r\n", as the edit control gives it back.
    m_editText = withCrLfLineEnds(input.editText);
    m_places = input.places;
    m_digits = input.digits;
}

void TapeEditor::OnInitDialog() { MarkSeparators(); }

void TapeEditor::OnReEdit() {
    MarkSeparators();
    m_updated = false;
}

bool TapeEditor::OnToCalculator() {
    m_notes.clear();
    m_entries.clear();
    if (!m_updated) return false;
    window().readEditText(m_editText);
    return true;
}

}  // namespace zovrek
