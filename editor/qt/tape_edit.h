#pragma once
// The Tape Editor's tape control: an editable multi-line edit, right-aligned, in which Enter
// starts a new line. It takes and gives its text with "\r\n" line ends, as the tape has
// them, and paints the chosen colour behind the characters only. A paste with nothing on the
// clipboard pastes nothing.

#include <QColor>
#include <QPlainTextEdit>
#include <functional>
#include <string>
#include <string_view>

#include "shell/qt/paste_guard.h"

namespace zovrek::qt {

class ProgressiveLoader;

class TapeEdit : public PasteGuarded<QPlainTextEdit> {
    Q_OBJECT
public:
    explicit TapeEdit(QWidget* parent = nullptr);

    /// Shows UTF-8 `text`; each "\r\n", and a lone "\r" or "\n", is a line break. A long tape
    /// goes in while the program goes on, with its progress shown.
    void setTapeText(std::string_view text);
    /// The text as shown, in UTF-8, each line break as "\r\n".
    std::string tapeText();
    /// Runs `action` once the whole text is in the edit: at once when it is.
    void whenLoaded(std::function<void()> action);
    /// Selects line `line` (from 0) whole, scrolls to it and takes the focus, once the text
    /// is in.
    void selectLine(std::size_t line);
    /// Whether the text is still going in.
    bool loading() const;

    void setTextBackground(const QColor& colour);

    /// Lines longer than this wrap anywhere: Qt wraps a word wider than the edit in a time
    /// that grows with the square of its length, and a tape line may be a number of 200,000
    /// digits.
    static constexpr qsizetype kLongestWordWrappedLine = 2000;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void wrapAnywhereIfLong(int from, int charsAdded);

    QColor background_;
    ProgressiveLoader* loader_;
};

}  // namespace zovrek::qt
