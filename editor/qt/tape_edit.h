#pragma once
// The Tape Editor's tape control: an editable multi-line edit, right-aligned, in which Enter
// starts a new line. It takes and gives its text with "\r\n" line ends, as the tape has
// them, and paints the chosen colour behind the characters only. A paste with nothing on the
// clipboard pastes nothing.

#include <QColor>
#include <QPlainTextEdit>
#include <optional>
#include <string>
#include <string_view>

#include "shell/qt/paste_guard.h"

namespace zovrek::qt {

class TapeEdit : public PasteGuarded<QPlainTextEdit> {
    Q_OBJECT
public:
    explicit TapeEdit(QWidget* parent = nullptr);

    /// Shows `text`, one character a byte (Latin-1); each "\r\n", and a lone "\r" or "\n", is
    /// a line break.
    void setTapeText(std::string_view text);
    /// The text as shown, each line break as "\r\n", a character beyond Latin-1 as "?".
    std::string tapeText();

    void setTextBackground(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showPending();

    QColor background_;
    // Text given while hidden. Laying out a document costs a pass over every line whenever
    // the width changes, and the first showing sets the width: the text waits for it.
    std::optional<QString> pending_;
};

}  // namespace zovrek::qt
