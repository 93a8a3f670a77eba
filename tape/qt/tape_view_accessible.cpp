#include "tape/qt/tape_view_accessible.h"

#include <algorithm>
#include <climits>

#include "tape/qt/tape_view.h"
#include "shell/qt/qt_text.h"

namespace zovrek::qt {
namespace {

QAccessibleInterface* tapeFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("zovrek::qt::TapeView"))
        if (auto* view = qobject_cast<TapeView*>(object)) return new TapeViewAccessible(view);
    return nullptr;
}


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
    return s;
}

QString TapeViewAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        // The last line written: what a user wants to hear of a tape of any length.
        const std::size_t lines = view()->lineCount();
        for (std::size_t i = lines; i-- > 0;)
            if (!view()->line(i).empty()) return tapeText(view()->line(i)).trimmed();
        return {};
    }
    return QAccessibleWidget::text(t);
}

void TapeViewAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
}

int TapeViewAccessible::selectionCount() const { return 0; }

int TapeViewAccessible::cursorPosition() const { return characterCount(); }

int TapeViewAccessible::characterCount() const {
    return static_cast<int>(std::min<std::size_t>(view()->text().size(), INT_MAX));
}

QString TapeViewAccessible::text(int startOffset, int endOffset) const {
    const auto size = static_cast<int>(characterCount());
    startOffset = std::clamp(startOffset, 0, size);
    endOffset = std::clamp(endOffset < 0 ? size : endOffset, startOffset, size);
    return tapeText(std::string_view(view()->text()).substr(
        static_cast<std::size_t>(startOffset), static_cast<std::size_t>(endOffset - startOffset)));
}

QString TapeViewAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset,
                                                      endOffset);
    // Read by line without looking at the rest of a long tape.
    const std::size_t at = static_cast<std::size_t>(std::clamp(offset, 0, characterCount()));
    const std::size_t line = view()->lineOfOffset(at);
    const std::size_t begin = view()->lineStart(line);
    const std::size_t end = line + 1 < view()->lineCount() ? view()->lineStart(line + 1)
                                                           : view()->text().size();
    *startOffset = static_cast<int>(begin);
    *endOffset = static_cast<int>(end);
    return text(*startOffset, *endOffset);
}

QRect TapeViewAccessible::characterRect(int offset) const {
    const QRect box = view()->characterRect(static_cast<std::size_t>(std::max(0, offset)));
    if (box.isEmpty()) return {};
    return QRect(view()->mapToGlobal(box.topLeft()), box.size());
}

int TapeViewAccessible::offsetAtPoint(const QPoint& point) const {
    return static_cast<int>(std::min<long long>(view()->offsetAt(view()->mapFromGlobal(point)),
                                                INT_MAX));
}

QString TapeViewAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return {};
}

}  // namespace zovrek::qt
