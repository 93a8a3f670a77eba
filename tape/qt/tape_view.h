#pragma once
// The tape control: the tape's text as the calculator writes it, right-aligned and read-only,
// always scrolled to its end after a line is added. It keeps only the text and where each
// line starts, and paints the lines in view, so adding a line costs the same on a tape of a
// million lines as on an empty one.

#include <QAbstractScrollArea>
#include <QColor>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zovrek::qt {

class TapeView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TapeView(QWidget* parent = nullptr);

    /// Adds `text` (lines ending in "\r\n") at the end and scrolls the last line into view.
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
    /// The line that holds text offset `offset`.
    std::size_t lineOfOffset(std::size_t offset) const;
    /// Where line `index`'s characters are drawn, in the control's coordinates (empty when
    /// the line is out of view).
    QRect lineRect(std::size_t index) const;
    /// The first line in view.
    std::size_t firstVisibleLine() const;
    /// How many whole lines the view holds.
    int visibleLines() const;

    /// The colour behind each line's characters.
    void setTextBackground(const QColor& colour);

    /// Lines selected with the mouse or Select All, as text with "\n" line ends.
    QString selectedText() const;
    void selectAll();
    void copy() const;
    /// The whole tape to the clipboard as plain text, one tape line a line.
    void copyAll() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int lineHeight() const;
    std::size_t lineAt(int y) const;
    void updateScrollRange();
    void scrollToEnd();
    bool hasSelection() const { return selectionFirst_ != kNone; }

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    std::string text_;
    std::vector<std::size_t> lineStarts_{0};
    QColor textBackground_;
    std::size_t selectionFirst_ = kNone;  // anchor line of the selection
    std::size_t selectionLast_ = kNone;
};

}  // namespace zovrek::qt
