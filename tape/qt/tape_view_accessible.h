#pragma once
// What a screen reader sees of the tape control: read-only text it can read line by line,
// told about every line added.

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
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override;
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                         int* startOffset, int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    TapeView* view() const;
};

}  // namespace zovrek::qt
