#include "tape/qt/tape_view.h"

#include <QAccessible>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "shell/qt/text_background.h"
#include "tape/qt/tape_view_accessible.h"
#include "shell/qt/qt_text.h"

namespace zovrek::qt {
namespace {

constexpr int kMargin = 3;  // between the text and the control's edges


}  // namespace

TapeView::TapeView(QWidget* parent) : QAbstractScrollArea(parent) {
    // Before the name: with a screen reader running, naming the control makes Qt build (and
    // keep) its interface.
    TapeViewAccessible::install();
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    verticalScrollBar()->setSingleStep(1);
    setAccessibleName(tr("Tape"));
}

void TapeView::append(std::string_view text) {
    const std::size_t base = text_.size();
    text_.append(text);
    for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1))
        lineStarts_.push_back(base + i + 1);
    updateScrollRange();
    scrollToEnd();
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextInsertEvent event(this, static_cast<int>(base), tapeText(text));
        QAccessible::updateAccessibility(&event);
    }
}

void TapeView::clear() {
    if (QAccessible::isActive() && !text_.empty()) {
        QAccessibleTextRemoveEvent event(this, 0, QString());
        QAccessible::updateAccessibility(&event);
    }
    text_.clear();
    lineStarts_.assign(1, 0);
    selectionFirst_ = selectionLast_ = kNone;
    updateScrollRange();
    viewport()->update();
}

std::string_view TapeView::line(std::size_t index) const {
    const std::size_t begin = lineStarts_[index];
    std::size_t end = index + 1 < lineStarts_.size() ? lineStarts_[index + 1] : text_.size();
    std::string_view l(text_.data() + begin, end - begin);
    while (!l.empty() && (l.back() == '\n' || l.back() == '\r')) l.remove_suffix(1);
    return l;
}

std::size_t TapeView::lineOfOffset(std::size_t offset) const {
    const auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    return static_cast<std::size_t>(it - lineStarts_.begin()) - 1;
}

QRect TapeView::lineRect(std::size_t index) const {
    const std::size_t first = firstVisibleLine();
    if (index < first || index >= first + static_cast<std::size_t>(visibleLines()) + 1) return {};
    const int width = fontMetrics().horizontalAdvance(tapeText(line(index)));
    const int y = 1 + static_cast<int>(index - first) * lineHeight();
    const QRect box(viewport()->width() - kMargin - width, y, width, lineHeight());
    return box.translated(viewport()->pos());
}

int TapeView::lineHeight() const { return std::max(1, fontMetrics().height()); }

int TapeView::visibleLines() const { return std::max(1, viewport()->height() / lineHeight()); }

std::size_t TapeView::firstVisibleLine() const {
    return static_cast<std::size_t>(verticalScrollBar()->value());
}

void TapeView::updateScrollRange() {
    const auto lines = static_cast<long long>(lineStarts_.size());
    const long long hidden = std::max(0LL, lines - visibleLines());
    verticalScrollBar()->setRange(0, static_cast<int>(std::min<long long>(hidden, INT_MAX)));
    verticalScrollBar()->setPageStep(visibleLines());
}

void TapeView::scrollToEnd() { verticalScrollBar()->setValue(verticalScrollBar()->maximum()); }

void TapeView::setTextBackground(const QColor& colour) {
    textBackground_ = colour;
    viewport()->update();
}

void TapeView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int height = lineHeight();
    const int right = viewport()->width() - kMargin;
    const QFontMetrics metrics = fontMetrics();
    const std::size_t first = firstVisibleLine();
    const std::size_t end = std::min(lineStarts_.size(), first + visibleLines() + 1);
    const std::size_t selLow = std::min(selectionFirst_, selectionLast_);
    const std::size_t selHigh = hasSelection() ? std::max(selectionFirst_, selectionLast_) : 0;
    const QColor textColour =
        readableTextColour(textBackground_, palette().color(QPalette::Text));
    int y = 1;
    for (std::size_t i = first; i < end; ++i, y += height) {
        const QString s = tapeText(line(i));
        if (s.isEmpty()) continue;
        const int width = metrics.horizontalAdvance(s);
        const QRect box(right - width, y, width, height);
        const bool selected = hasSelection() && i >= selLow && i <= selHigh;
        // Only the background behind the characters takes the chosen colour.
        if (selected)
            painter.fillRect(box, palette().brush(QPalette::Highlight));
        else if (textBackground_.isValid())
            painter.fillRect(box, textBackground_);
        painter.setPen(selected ? palette().color(QPalette::HighlightedText) : textColour);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, s);
    }
}

void TapeView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const bool atEnd = verticalScrollBar()->value() == verticalScrollBar()->maximum();
    updateScrollRange();
    if (atEnd) scrollToEnd();
}

void TapeView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) updateScrollRange();
}

std::size_t TapeView::lineAt(int y) const {
    const std::size_t offset = static_cast<std::size_t>(std::max(0, y - 1) / lineHeight());
    return std::min(lineStarts_.size() - 1, firstVisibleLine() + offset);
}

void TapeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const std::size_t l = lineAt(event->position().toPoint().y());
        if (!(event->modifiers() & Qt::ShiftModifier) || !hasSelection()) selectionFirst_ = l;
        selectionLast_ = l;
        viewport()->update();
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void TapeView::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && hasSelection()) {
        const int y = event->position().toPoint().y();
        if (y < 0) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        if (y > viewport()->height())
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        selectionLast_ = lineAt(y);
        viewport()->update();
    }
}

void TapeView::keyPressEvent(QKeyEvent* event) {
    QScrollBar* bar = verticalScrollBar();
    if (event == QKeySequence::Copy) {
        copy();
    } else if (event == QKeySequence::SelectAll) {
        selectAll();
    } else if (event->key() == Qt::Key_Up) {
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    } else if (event->key() == Qt::Key_Down) {
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    } else if (event->key() == Qt::Key_PageUp) {
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    } else if (event->key() == Qt::Key_PageDown) {
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    } else if (event->key() == Qt::Key_Home) {
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
    } else if (event->key() == Qt::Key_End) {
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void TapeView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copyAction = menu.addAction(tr("&Copy"), this, &TapeView::copy);
    copyAction->setEnabled(hasSelection());
    menu.addAction(tr("Select &All"), this, &TapeView::selectAll);
    menu.exec(event->globalPos());
}

void TapeView::selectAll() {
    selectionFirst_ = 0;
    selectionLast_ = lineStarts_.size() - 1;
    viewport()->update();
}

QString TapeView::selectedText() const {
    if (!hasSelection()) return {};
    const std::size_t low = std::min(selectionFirst_, selectionLast_);
    const std::size_t high = std::max(selectionFirst_, selectionLast_);
    std::string out;
    for (std::size_t i = low; i <= high && i < lineStarts_.size(); ++i) {
        out.append(line(i));
        if (i < high) out.push_back('\n');
    }
    return tapeText(out);
}

void TapeView::copy() const {
    if (hasSelection()) QApplication::clipboard()->setText(selectedText());
}

}  // namespace zovrek::qt
