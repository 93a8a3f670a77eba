#pragma once
// The tape control: the tape's text as the calculator writes it, right-aligned and read-only,
// always scrolled to its end after a line is added. A line wider than the control wraps onto
// more rows, at the spaces between words, as a multi-line edit wraps it. Like a read-only
// edit it has a caret, moved by the arrow keys, Page Up/Down, Home/End and clicks, and a
// selection that Shift extends. The control keeps only the text, where each line starts,
// which few lines wrap and which few hold characters beyond ASCII, and paints the rows in
// view, so adding a line or moving the caret costs the same on a tape of a million lines as
// on an empty one.
//
// The text is UTF-8 and offsets into it are bytes; accessibility speaks in UTF-16 units, and
// the control converts between the two.
//
// With number marks set, number lines are drawn with them ("1.285,50") while the text stays
// as stored ("1285.50"): the rows and pixels follow what is drawn, the caret, the selection,
// copying and accessibility the stored text. A line is marked as it is drawn or laid out, so
// a key still costs only its own line.

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QColor>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/number_marks.h"
#include "tape/line_wrap.h"
#include "tape/marked_line.h"
#include "tape/tape_rows.h"
#include "tape/utf16_offsets.h"

class QTextLayout;

namespace zovrek::qt {

class TapeView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TapeView(QWidget* parent = nullptr);

    /// Adds `text` (lines ending in "\r\n", "\n" or "\r") at the end, puts the caret after it
    /// and scrolls the last line into view.
    void append(std::string_view text);
    /// Empties the control.
    void clear();

    /// The whole text, as appended.
    const std::string& text() const { return text_; }
    /// Lines shown, the last one (after the final line break) included, possibly empty.
    std::size_t lineCount() const { return lineStarts_.size(); }
    /// Line `index` without its line break.
    std::string_view line(std::size_t index) const;
    /// Where line `index` starts in the text.
    std::size_t lineStart(std::size_t index) const { return lineStarts_[index]; }
    /// Where line `index` ends, before its line break.
    std::size_t lineEnd(std::size_t index) const { return lineStarts_[index] + line(index).size(); }
    /// Where the line after line `index` starts (the text's end for the last line).
    std::size_t nextLineStart(std::size_t index) const;
    /// The line that holds text offset `offset`.
    std::size_t lineOfOffset(std::size_t offset) const;
    /// The texts drawn for line `index`, one a row, top to bottom.
    QStringList lineRows(std::size_t index) const;
    /// Rows the whole tape takes.
    std::size_t rowCount() const { return rows_.rowCount(lineCount()); }
    /// The line of the first row in view.
    std::size_t firstVisibleLine() const;
    /// How many whole rows the view holds.
    int visibleRows() const;
    /// Where the character at text offset `offset` is drawn, in the control's coordinates
    /// (empty when it is out of view).
    QRect characterRect(std::size_t offset) const;
    /// The text offset of the character drawn at `point` (control coordinates), or -1.
    long long offsetAt(const QPoint& point) const;

    /// Draws numbers with `marks` from now on (plain marks: as stored); lays out the whole
    /// tape again when they change.
    void setNumberMarks(const NumberMarks& marks);
    const NumberMarks& numberMarks() const { return marks_; }

    /// The colour behind each line's characters.
    void setTextBackground(const QColor& colour);

    /// The caret, as a text offset.
    std::size_t cursorPosition() const { return caret_; }
    /// The end of the selection that stays put while the caret moves.
    std::size_t anchorPosition() const { return anchor_; }
    /// Moves the caret to `offset` (at the start of the character it falls in; inside a line
    /// break, at the line's end) and shows it; with `keepAnchor` the selection runs from the
    /// anchor to there, else nothing is selected.
    void setCursorPosition(std::size_t offset, bool keepAnchor = false);
    /// Selects from `anchor` to `caret`, the caret at `caret`.
    void setSelection(std::size_t anchor, std::size_t caret);
    bool hasSelection() const { return anchor_ != caret_; }
    std::size_t selectionStart() const { return std::min(anchor_, caret_); }
    std::size_t selectionEnd() const { return std::max(anchor_, caret_); }
    /// The selected text with "\n" line ends.
    QString selectedText() const;
    void selectAll();
    void copy() const;
    /// The whole tape to the clipboard as plain text, one tape line a line.
    void copyAll() const;

    /// The text's length in UTF-16 units.
    std::size_t unitCount() const { return text_.size() - units_.saved(); }
    /// Text offset `offset` in UTF-16 units.
    std::size_t unitsOfOffset(std::size_t offset) const;
    /// The text offset `units` UTF-16 units in (clamped to the text; inside a character, at
    /// its start).
    std::size_t offsetOfUnits(std::size_t units) const;
    /// Bytes [begin, end) of the text.
    QString textBetween(std::size_t begin, std::size_t end) const;
    /// UTF-8 `text` as a QString, one character for each character `decodeUtf8At` reads, so
    /// lengths agree with `utf16Length`.
    static QString textOf(std::string_view text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // A row of a line: which line, which of its rows, and its bytes in the line as drawn.
    struct Row {
        std::size_t line = 0;
        std::size_t index = 0;  // row within the line
        LineRow bytes;
        std::size_t shownEnd = 0;  // before the spaces that hang past the edge at a break
    };

    /// Line `index` as drawn.
    MarkedLine shownLine(std::size_t index) const { return MarkedLine(line(index), marks_); }
    int lineHeight() const;
    int availableWidth() const;
    std::vector<LineRow> rowsOfLine(std::size_t index) const;
    Row rowOf(std::size_t line, std::size_t index, const std::vector<LineRow>& rows) const;
    Row rowOfOffset(std::size_t offset) const;
    /// The row shown at row number `row` of the whole tape (clamped to the last).
    Row rowAt(std::size_t row) const;
    std::size_t rowNumber(const Row& row) const { return rows_.firstRow(row.line) + row.index; }
    QString rowText(const Row& row) const;
    int rowTop(std::size_t rowNumber) const;
    void layOutRow(QTextLayout& layout, const QString& text) const;
    qreal rowLeft(const QTextLayout& layout) const;
    qreal xOfOffset(std::size_t offset) const;
    std::size_t offsetInRow(const Row& row, qreal x) const;
    std::size_t positionAt(const QPoint& viewportPoint) const;
    std::size_t startOfCharacter(std::size_t offset) const;
    std::size_t nextPosition(std::size_t offset, bool byWord = false) const;
    std::size_t previousPosition(std::size_t offset, bool byWord = false) const;
    std::size_t stepWithinLine(std::size_t index, std::size_t offset, bool byWord,
                               bool forward) const;
    std::size_t verticalMove(long long rows);
    void moveCaret(std::size_t offset, bool keepAnchor, bool keepGoal = false);
    void selectionChanged(std::size_t oldAnchor, std::size_t oldCaret);
    void ensureCaretVisible();
    void restartBlinking();
    QRect caretRect() const;
    void measureFont();
    void layOutFrom(std::size_t firstLine);
    void layOutAgainIfWidthChanged();
    void updateScrollRange();
    void scrollToEnd();

    std::string text_;
    std::vector<std::size_t> lineStarts_{0};
    TapeRows rows_;
    Utf16Offsets units_;
    CharWidths charWidths_{};
    double widestChar_ = 0;
    int layoutWidth_ = 0;  // the text width the rows were laid out for; 0: not yet
    NumberMarks marks_;
    QColor textBackground_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
    qreal goalX_ = -1;  // where Up and Down aim, kept over successive moves; -1: at the caret
    QBasicTimer blink_;
    bool caretShown_ = false;  // in the blink's visible phase
};

}  // namespace zovrek::qt
