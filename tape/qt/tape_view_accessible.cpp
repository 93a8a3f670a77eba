#include "tape/qt/tape_view_accessible.h"

#include <algorithm>
#include <climits>

#include "tape/qt/tape_view.h"

namespace zovrek::qt {
namespace {

QAccessibleInterface* tapeFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("zovrek::qt::TapeView"))
        if (auto* view = qobject_cast<TapeView*>(object)) return new TapeViewAccessible(view);
    return nullptr;
}

int clampToInt(std::size_t n) { return static_cast<int>(std::min<std::size_t>(n, INT_MAX)); }

// A few lines of the tape on their own, for Qt's own rules of characters, words and
// sentences to walk without the rest of the tape.
class TextWindow : public QAccessibleTextInterface {
public:
    explicit TextWindow(QString text) : text_(std::move(text)) {}

    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        return text_.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(text_.size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString text_;
};

}  // namespace

TapeViewAccessible::TapeViewAccessible(TapeView* view)
    : QAccessibleWidget(view, QAccessible::EditableText) {}

void TapeViewAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(tapeFactory);
        return true;
    }();
    (void)installed;
}

TapeView* TapeViewAccessible::view() const { return static_cast<TapeView*>(widget()); }

void* TapeViewAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TapeViewAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.multiLine = true;
    s.selectableText = true;
    return s;
}

QString TapeViewAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        // The last line written: what a user wants to hear of a tape of any length.
        const std::size_t lines = view()->lineCount();
        for (std::size_t i = lines; i-- > 0;)
            if (!view()->line(i).empty()) return TapeView::textOf(view()->line(i)).trimmed();
        return {};
    }
    return QAccessibleWidget::text(t);
}

void TapeViewAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !view()->hasSelection()) return;
    *startOffset = clampToInt(view()->unitsOfOffset(view()->selectionStart()));
    *endOffset = clampToInt(view()->unitsOfOffset(view()->selectionEnd()));
}

int TapeViewAccessible::selectionCount() const { return view()->hasSelection() ? 1 : 0; }

void TapeViewAccessible::addSelection(int startOffset, int endOffset) {
    // One selection at most, as in any edit: a new one takes the place of the old.
    setSelection(0, startOffset, endOffset);
}

void TapeViewAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) view()->setCursorPosition(view()->cursorPosition());
}

void TapeViewAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0) return;
    const auto offset = [this](int units) {
        return view()->offsetOfUnits(static_cast<std::size_t>(std::max(0, units)));
    };
    view()->setSelection(offset(startOffset), offset(endOffset));
}

int TapeViewAccessible::cursorPosition() const {
    return clampToInt(view()->unitsOfOffset(view()->cursorPosition()));
}

void TapeViewAccessible::setCursorPosition(int position) {
    view()->setCursorPosition(
        view()->offsetOfUnits(static_cast<std::size_t>(std::max(0, position))));
}

int TapeViewAccessible::characterCount() const { return clampToInt(view()->unitCount()); }

QString TapeViewAccessible::text(int startOffset, int endOffset) const {
    const int size = characterCount();
    startOffset = std::clamp(startOffset, 0, size);
    endOffset = std::clamp(endOffset < 0 ? size : endOffset, startOffset, size);
    return view()->textBetween(view()->offsetOfUnits(static_cast<std::size_t>(startOffset)),
                               view()->offsetOfUnits(static_cast<std::size_t>(endOffset)));
}

QString TapeViewAccessible::lineText(std::size_t line, int* startOffset, int* endOffset) const {
    const std::size_t begin = view()->lineStart(line);
    const std::size_t end = view()->nextLineStart(line);
    *startOffset = clampToInt(view()->unitsOfOffset(begin));
    *endOffset = clampToInt(view()->unitsOfOffset(end));
    return view()->textBetween(begin, end);
}

QString TapeViewAccessible::around(int offset, QAccessible::TextBoundaryType boundaryType,
                                   Side side, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = -1;
    const int size = characterCount();
    if (offset == -2) offset = cursorPosition();
    if (offset == -1) offset = size;
    if (offset < 0 || offset > size) return {};
    if (boundaryType == QAccessible::NoBoundary) {
        if (side != Side::At) return {};
        *startOffset = 0;
        *endOffset = size;
        return text(0, size);
    }
    const std::size_t line =
        view()->lineOfOffset(view()->offsetOfUnits(static_cast<std::size_t>(offset)));
    const std::size_t lines = view()->lineCount();
    // Lines, and paragraphs, are the tape's lines, however many rows they wrap onto.
    if (boundaryType == QAccessible::LineBoundary ||
        boundaryType == QAccessible::ParagraphBoundary) {
        if (side == Side::Before && line == 0) return {};
        if (side == Side::After && line + 1 >= lines) return {};
        const std::size_t wanted = side == Side::Before  ? line - 1
                                   : side == Side::After ? line + 1
                                                         : line;
        return lineText(wanted, startOffset, endOffset);
    }
    // Characters, words and sentences: Qt's rules, on the line and its neighbours only.
    const std::size_t first = line > 0 ? line - 1 : 0;
    const std::size_t last = std::min(line + 1, lines - 1);
    const std::size_t begin = view()->lineStart(first);
    const int base = clampToInt(view()->unitsOfOffset(begin));
    const TextWindow window(view()->textBetween(begin, view()->nextLineStart(last)));
    QString found;
    switch (side) {
    case Side::Before:
        found = window.textBeforeOffset(offset - base, boundaryType, startOffset, endOffset);
        break;
    case Side::At:
        found = window.textAtOffset(offset - base, boundaryType, startOffset, endOffset);
        break;
    case Side::After:
        found = window.textAfterOffset(offset - base, boundaryType, startOffset, endOffset);
        break;
    }
    if (*startOffset >= 0) *startOffset += base;
    if (*endOffset >= 0) *endOffset += base;
    return found;
}

QString TapeViewAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int* startOffset, int* endOffset) const {
    return around(offset, boundaryType, Side::Before, startOffset, endOffset);
}

QString TapeViewAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
    return around(offset, boundaryType, Side::At, startOffset, endOffset);
}

QString TapeViewAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
    return around(offset, boundaryType, Side::After, startOffset, endOffset);
}

QRect TapeViewAccessible::characterRect(int offset) const {
    const QRect box =
        view()->characterRect(view()->offsetOfUnits(static_cast<std::size_t>(std::max(0, offset))));
    if (box.isEmpty()) return {};
    return QRect(view()->mapToGlobal(box.topLeft()), box.size());
}

int TapeViewAccessible::offsetAtPoint(const QPoint& point) const {
    const long long offset = view()->offsetAt(view()->mapFromGlobal(point));
    return offset < 0 ? -1 : clampToInt(view()->unitsOfOffset(static_cast<std::size_t>(offset)));
}

QString TapeViewAccessible::attributes(int, int* startOffset, int* endOffset) const {
    // One plain run over the whole text: a run of no length would have screen readers
    // drop characters between runs.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

}  // namespace zovrek::qt
