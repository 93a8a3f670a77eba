#pragma once
// Pasting into the program's text edits. Debian 12's Qt 6.4 reads the first format of what a
// text document edit is given without looking whether there is one, so pasting from a
// clipboard that nobody owns (a fresh session, or the program that copied has exited) ends
// the program. Every edit the program makes is built with this guard: an empty or formatless
// clipboard pastes nothing.

#include <QMimeData>

class QLineEdit;

namespace zovrek::qt {

/// Whether `data` holds text to paste: some format, and text or rich text in it.
bool holdsText(const QMimeData* data);

/// A text document edit (QPlainTextEdit, QTextEdit, QTextBrowser) that takes nothing from data
/// without text, whatever brings it: a paste key, the context menu, a middle click, a drop.
template <class Edit>
class PasteGuarded : public Edit {
public:
    using Edit::Edit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override {
        return holdsText(source) && Edit::canInsertFromMimeData(source);
    }
    void insertFromMimeData(const QMimeData* source) override {
        if (holdsText(source)) Edit::insertFromMimeData(source);
    }
};

/// The same for a one-line edit's paste keys and middle click. (Its paste does not crash, but
/// an empty one would still delete the selected text.)
void guardPaste(QLineEdit* edit);

}  // namespace zovrek::qt
