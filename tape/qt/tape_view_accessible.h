#pragma once
// What a screen reader sees of the tape control: read-only text with a caret and a selection,
// read line by line or character by character, told about every line added and every move
// of the caret. Offsets are UTF-16 units, as accessibility counts them; a question about one
// place looks only at the lines around it, never at the rest of a long tape.

#include <QAccessibleWidget>

namespace zovrek::qt {

class TapeView;

class TapeViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TapeViewAccessible(TapeView* view);

    /// Makes Qt use this interface for every tape control.
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                         int* startOffset, int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    enum class Side { Before, At, After };

    TapeView* view() const;
    QString lineText(std::size_t line, int* startOffset, int* endOffset) const;
    QString around(int offset, QAccessible::TextBoundaryType boundaryType, Side side,
                   int* startOffset, int* endOffset) const;
};

}  // namespace zovrek::qt
