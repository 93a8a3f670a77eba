#include "tape/qt/tape_view.h"

#include <QAccessible>
#include <QRawFont>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
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
    measureFont();
}

void TapeView::append(std::string_view text) {
    const std::size_t base = text_.size();
    // The last line may grow (a text that did not end its line); it and the new ones are
    // laid out, nothing before them.
    const std::size_t changed = lineStarts_.size() - 1;
    // Room to grow, made by the long text (a tape put in whole), not by the next key's line.
    if (text_.size() + text.size() > text_.capacity())
        text_.reserve((text_.size() + text.size()) * 3 / 2);
    text_.append(text);
    for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1))
        lineStarts_.push_back(base + i + 1);
    layOutFrom(changed);
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
    rows_.clear();
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

int TapeView::lineHeight() const { return std::max(1, fontMetrics().height()); }

int TapeView::availableWidth() const { return std::max(1, viewport()->width() - 2 * kMargin); }

int TapeView::visibleRows() const { return std::max(1, viewport()->height() / lineHeight()); }

std::size_t TapeView::firstVisibleLine() const {
    return rows_.at(static_cast<std::size_t>(verticalScrollBar()->value())).line;
}

void TapeView::measureFont() {
    // The font's own advances, all in one call: asked one character at a time, each one
    // the font lacks (the control characters) has every installed font searched for it.
    QString all;
    for (std::size_t c = 0; c < charWidths_.size(); ++c) all += QChar(static_cast<int>(c));
    // Characters beyond the table are measured as they come, with the fonts that draw them.
    charWidths_ = CharWidths([metrics = QFontMetricsF(font())](char32_t c) {
        return metrics.horizontalAdvance(QString::fromUcs4(&c, 1));
    });
    const QRawFont raw = QRawFont::fromFont(font());
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(raw.glyphIndexesForString(all));
    widestChar_ = 0;
    for (std::size_t c = 0; c < charWidths_.size(); ++c) {
        const bool control = c < 0x20 || (c >= 0x7f && c < 0xa0);
        charWidths_[c] = control || c >= std::size_t(advances.size()) ? 0 : advances[qsizetype(c)].x();
        widestChar_ = std::max(widestChar_, charWidths_[c]);
    }
}

void TapeView::layOutFrom(std::size_t firstLine) {
    // Laid out once the control has its size (its first resize), not before.
    if (layoutWidth_ == 0) return;
    rows_.truncate(firstLine);
    const double width = layoutWidth_;
    // Most lines are short: a line of no more characters than the widest fit is not measured.
    const auto fitChars = static_cast<std::size_t>(widestChar_ > 0 ? width / widestChar_ : 0);
    for (std::size_t i = firstLine; i < lineStarts_.size(); ++i) {
        const std::string_view l = line(i);
        if (l.size() <= fitChars || zovrek::textWidth(l, charWidths_) <= width) continue;
        rows_.setRows(i, wrapLine(l, charWidths_, width).size());
    }
}

void TapeView::layOutAgainIfWidthChanged() {
    if (availableWidth() == layoutWidth_) return;
    layoutWidth_ = availableWidth();
    layOutFrom(0);
}

std::vector<LineRow> TapeView::rowsOfLine(std::size_t index) const {
    const std::string_view l = line(index);
    if (rows_.rowsOf(index) == 1) return {{0, l.size()}};
    return wrapLine(l, charWidths_, layoutWidth_);
}

QString TapeView::rowText(std::size_t index, const LineRow& row) const {
    std::string_view part = line(index).substr(row.begin, row.end - row.begin);
    // The spaces at a break hang past the edge; right-aligned, they are not drawn.
    if (row.begin != 0 || row.end != line(index).size())
        while (part.size() > 1 && part.back() == ' ') part.remove_suffix(1);
    return tapeText(part);
}

QStringList TapeView::lineRows(std::size_t index) const {
    QStringList texts;
    for (const LineRow& r : rowsOfLine(index)) texts << rowText(index, r);
    return texts;
}

QRect TapeView::rowBox(std::size_t row, const QString& text) const {
    const int width = fontMetrics().horizontalAdvance(text);
    const auto offset = static_cast<long long>(row) - verticalScrollBar()->value();
    const int y = 1 + static_cast<int>(offset) * lineHeight();
    return QRect(viewport()->width() - kMargin - width, y, width, lineHeight());
}

QRect TapeView::characterRect(std::size_t offset) const {
    const std::size_t index = lineOfOffset(std::min(offset, text_.size()));
    const std::size_t column = std::min(offset, text_.size()) - lineStarts_[index];
    const std::vector<LineRow> rows = rowsOfLine(index);
    std::size_t r = 0;
    while (r + 1 < rows.size() && rows[r + 1].begin <= column) ++r;
    const std::size_t row = rows_.firstRow(index) + r;
    const auto first = static_cast<std::size_t>(verticalScrollBar()->value());
    if (row < first || row > first + static_cast<std::size_t>(visibleRows())) return {};
    const QString s = rowText(index, rows[r]);
    const auto at = static_cast<qsizetype>(column - rows[r].begin);
    const QRect box = rowBox(row, s);
    const QFontMetrics metrics = fontMetrics();
    const int x = box.left() + metrics.horizontalAdvance(s.left(at));
    const int width = at < s.size() ? metrics.horizontalAdvance(s.at(at)) : 1;
    return QRect(x, box.top(), width, box.height()).translated(viewport()->pos());
}

long long TapeView::offsetAt(const QPoint& point) const {
    const QPoint local = point - viewport()->pos();
    if (local.y() < 1) return -1;
    const std::size_t row =
        static_cast<std::size_t>(verticalScrollBar()->value() + (local.y() - 1) / lineHeight());
    if (row >= rowCount()) return -1;
    const TapeRows::Position at = rows_.at(row);
    const LineRow r = rowsOfLine(at.line)[at.row];
    const QString s = rowText(at.line, r);
    const QRect box = rowBox(row, s);
    const QFontMetrics metrics = fontMetrics();
    qsizetype column = 0;
    for (int x = box.left(); column < s.size(); ++column) {
        x += metrics.horizontalAdvance(s.at(column));
        if (x > local.x()) break;
    }
    return static_cast<long long>(lineStarts_[at.line] + r.begin) + column;
}

void TapeView::updateScrollRange() {
    const auto rows = static_cast<long long>(rowCount());
    const long long hidden = std::max(0LL, rows - visibleRows());
    verticalScrollBar()->setRange(0, static_cast<int>(std::min<long long>(hidden, INT_MAX)));
    verticalScrollBar()->setPageStep(visibleRows());
}

void TapeView::scrollToEnd() { verticalScrollBar()->setValue(verticalScrollBar()->maximum()); }

void TapeView::setTextBackground(const QColor& colour) {
    textBackground_ = colour;
    viewport()->update();
}

void TapeView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const std::size_t selLow = std::min(selectionFirst_, selectionLast_);
    const std::size_t selHigh = hasSelection() ? std::max(selectionFirst_, selectionLast_) : 0;
    const QColor textColour =
        readableTextColour(textBackground_, palette().color(QPalette::Text));
    const auto first = static_cast<std::size_t>(verticalScrollBar()->value());
    const std::size_t end = std::min(rowCount(), first + visibleRows() + 1);
    TapeRows::Position at = rows_.at(first);
    for (std::size_t row = first; row < end; ++at.line, at.row = 0) {
        const std::vector<LineRow> rows = rowsOfLine(at.line);
        const bool selected = hasSelection() && at.line >= selLow && at.line <= selHigh;
        for (; at.row < rows.size() && row < end; ++at.row, ++row) {
            const QString s = rowText(at.line, rows[at.row]);
            if (s.isEmpty()) continue;
            const QRect box = rowBox(row, s);
            // Only the background behind the characters takes the chosen colour.
            if (selected)
                painter.fillRect(box, palette().brush(QPalette::Highlight));
            else if (textBackground_.isValid())
                painter.fillRect(box, textBackground_);
            painter.setPen(selected ? palette().color(QPalette::HighlightedText) : textColour);
            painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, s);
        }
    }
}

void TapeView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const bool atEnd = verticalScrollBar()->value() == verticalScrollBar()->maximum();
    layOutAgainIfWidthChanged();
    updateScrollRange();
    if (atEnd) scrollToEnd();
}

void TapeView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measureFont();
        layOutFrom(0);
        updateScrollRange();
    }
}

std::size_t TapeView::lineAt(int y) const {
    const std::size_t offset = static_cast<std::size_t>(std::max(0, y - 1) / lineHeight());
    const std::size_t row = static_cast<std::size_t>(verticalScrollBar()->value()) + offset;
    return std::min(lineStarts_.size() - 1, rows_.at(row).line);
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
    QAction* copyAllAction = menu.addAction(tr("Copy &Tape"), this, &TapeView::copyAll);
    copyAllAction->setEnabled(!text_.empty());
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

void TapeView::copyAll() const {
    if (text_.empty()) return;
    QString all = tapeText(text_);
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QApplication::clipboard()->setText(all);
}

}  // namespace zovrek::qt
