#include "tape/qt/tape_view.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QRawFont>
#include <QScrollBar>
#include <QTextLayout>
#include <algorithm>
#include <climits>
#include <cmath>

#include "engine/tape_lines.h"
#include "shell/qt/text_background.h"
#include "tape/qt/tape_view_accessible.h"

namespace zovrek::qt {
namespace {

constexpr int kMargin = 3;       // between the text and the control's left edge
constexpr int kRightMargin = 6;  // between the text and the scroll bar, with room for the caret

bool isContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0u) == 0x80u; }

int clampToInt(std::size_t n) { return static_cast<int>(std::min<std::size_t>(n, INT_MAX)); }

QString withPlainLineEnds(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

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

QString TapeView::textOf(std::string_view text) {
    // Tapes are mostly ASCII: that part is copied as it is.
    std::size_t ascii = 0;
    while (ascii < text.size() && static_cast<unsigned char>(text[ascii]) < 0x80) ++ascii;
    QString out = QString::fromLatin1(text.data(), static_cast<qsizetype>(ascii));
    if (ascii == text.size()) return out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (std::size_t i = ascii, next = 0; i < text.size(); i = next) {
        const char32_t c = decodeUtf8At(text, i, &next);
        if (c < 0x10000) {
            out.append(QChar(static_cast<char16_t>(c)));
        } else {
            out.append(QChar(QChar::highSurrogate(c)));
            out.append(QChar(QChar::lowSurrogate(c)));
        }
    }
    return out;
}

void TapeView::append(std::string_view text) {
    if (text.empty()) return;
    const std::size_t base = text_.size();
    const std::size_t unitBase = unitCount();
    // The last line may grow (a text that did not end its line); it and the new ones are
    // laid out, nothing before them.
    const std::size_t changed = lineStarts_.size() - 1;
    // Room to grow, made by the long text (a tape put in whole), not by the next key's line.
    if (text_.size() + text.size() > text_.capacity())
        text_.reserve((text_.size() + text.size()) * 3 / 2);
    text_.append(text);
    std::size_t from = base;
    // A "\r" that ended the text and the "\n" that begins this one are one line break.
    if (base > 0 && text_[base - 1] == '\r' && text.front() == '\n')
        lineStarts_.back() = from = base + 1;
    for (std::size_t after = 0; findLineBreak(text_, from, &after) != std::string_view::npos;
         from = after)
        lineStarts_.push_back(after);
    units_.truncate(changed);
    for (std::size_t i = changed; i < lineStarts_.size(); ++i)
        units_.addLine(
            i, std::string_view(text_).substr(lineStarts_[i], nextLineStart(i) - lineStarts_[i]));
    layOutFrom(changed);
    updateScrollRange();
    // As in an edit that has text added at its end: the caret goes after it, nothing selected.
    const std::size_t oldAnchor = anchor_, oldCaret = caret_;
    caret_ = anchor_ = text_.size();
    goalX_ = -1;
    scrollToEnd();
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextInsertEvent event(this, clampToInt(unitBase), textOf(text));
        QAccessible::updateAccessibility(&event);
    }
    selectionChanged(oldAnchor, oldCaret);
}

void TapeView::clear() {
    if (QAccessible::isActive() && !text_.empty()) {
        QAccessibleTextRemoveEvent event(this, 0, QString());
        QAccessible::updateAccessibility(&event);
    }
    const std::size_t oldAnchor = anchor_, oldCaret = caret_;
    text_.clear();
    lineStarts_.assign(1, 0);
    rows_.clear();
    units_.clear();
    caret_ = anchor_ = 0;
    goalX_ = -1;
    updateScrollRange();
    viewport()->update();
    selectionChanged(oldAnchor, oldCaret);
}

std::size_t TapeView::nextLineStart(std::size_t index) const {
    return index + 1 < lineStarts_.size() ? lineStarts_[index + 1] : text_.size();
}

std::string_view TapeView::line(std::size_t index) const {
    const std::size_t begin = lineStarts_[index];
    std::string_view l(text_.data() + begin, nextLineStart(index) - begin);
    // Every line but the last ends in one break: "\r\n", "\n" or "\r".
    if (l.ends_with("\r\n"))
        l.remove_suffix(2);
    else if (l.ends_with('\n') || l.ends_with('\r'))
        l.remove_suffix(1);
    return l;
}

std::size_t TapeView::lineOfOffset(std::size_t offset) const {
    const auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    return static_cast<std::size_t>(it - lineStarts_.begin()) - 1;
}

int TapeView::lineHeight() const { return std::max(1, fontMetrics().height()); }

int TapeView::availableWidth() const {
    return std::max(1, viewport()->width() - kMargin - kRightMargin);
}

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
        const MarkedLine marked = shownLine(i);
        const std::string_view l = marked.shown();
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
    const MarkedLine marked = shownLine(index);
    const std::string_view l = marked.shown();
    if (rows_.rowsOf(index) == 1) return {{0, l.size()}};
    return wrapLine(l, charWidths_, layoutWidth_);
}

TapeView::Row TapeView::rowOf(std::size_t line, std::size_t index,
                              const std::vector<LineRow>& rows) const {
    Row row{line, index, rows[index], rows[index].end};
    // The spaces at a break hang past the edge; right-aligned, they are not drawn.
    if (rows.size() > 1) {
        const MarkedLine marked = shownLine(line);
        const std::string_view l = marked.shown();
        while (row.shownEnd > row.bytes.begin + 1 && l[row.shownEnd - 1] == ' ') --row.shownEnd;
    }
    return row;
}

TapeView::Row TapeView::rowOfOffset(std::size_t offset) const {
    offset = std::min(offset, text_.size());
    const std::size_t index = lineOfOffset(offset);
    const std::size_t column = shownLine(index).shownColumn(
        std::min(offset - lineStarts_[index], line(index).size()));
    const std::vector<LineRow> rows = rowsOfLine(index);
    std::size_t r = 0;
    while (r + 1 < rows.size() && rows[r + 1].begin <= column) ++r;
    return rowOf(index, r, rows);
}

TapeView::Row TapeView::rowAt(std::size_t row) const {
    const TapeRows::Position at = rows_.at(std::min(row, rowCount() - 1));
    const std::vector<LineRow> rows = rowsOfLine(at.line);
    return rowOf(at.line, std::min(at.row, rows.size() - 1), rows);
}

QString TapeView::rowText(const Row& row) const {
    const MarkedLine marked = shownLine(row.line);
    return textOf(marked.shown().substr(row.bytes.begin, row.shownEnd - row.bytes.begin));
}

QStringList TapeView::lineRows(std::size_t index) const {
    QStringList texts;
    const std::vector<LineRow> rows = rowsOfLine(index);
    for (std::size_t r = 0; r < rows.size(); ++r) texts << rowText(rowOf(index, r, rows));
    return texts;
}

int TapeView::rowTop(std::size_t rowNumber) const {
    const long long offset =
        static_cast<long long>(rowNumber) - verticalScrollBar()->value();
    return static_cast<int>(std::clamp(1 + offset * lineHeight(), -1LL << 24, 1LL << 24));
}

void TapeView::layOutRow(QTextLayout& layout, const QString& text) const {
    layout.setText(text);
    layout.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
}

qreal TapeView::rowLeft(const QTextLayout& layout) const {
    return viewport()->width() - kRightMargin - layout.lineAt(0).naturalTextWidth();
}

qreal TapeView::xOfOffset(std::size_t offset) const {
    const Row row = rowOfOffset(offset);
    QTextLayout layout;
    layOutRow(layout, rowText(row));
    const MarkedLine marked = shownLine(row.line);
    const std::size_t column =
        std::clamp(marked.shownColumn(std::min(offset, text_.size()) - lineStarts_[row.line]),
                   row.bytes.begin, row.shownEnd);
    const std::string_view shown =
        marked.shown().substr(row.bytes.begin, column - row.bytes.begin);
    return rowLeft(layout) + layout.lineAt(0).cursorToX(static_cast<int>(utf16Length(shown)));
}

std::size_t TapeView::offsetInRow(const Row& row, qreal x) const {
    QTextLayout layout;
    layOutRow(layout, rowText(row));
    const int at = layout.lineAt(0).xToCursor(x - rowLeft(layout));
    const MarkedLine marked = shownLine(row.line);
    const std::string_view shown =
        marked.shown().substr(row.bytes.begin, row.shownEnd - row.bytes.begin);
    return lineStarts_[row.line] +
           marked.storedColumn(row.bytes.begin +
                               utf8OffsetOfUnits(shown, static_cast<std::size_t>(std::max(0, at))));
}

std::size_t TapeView::positionAt(const QPoint& viewportPoint) const {
    const long long row =
        verticalScrollBar()->value() +
        static_cast<long long>(std::floor((viewportPoint.y() - 1.0) / lineHeight()));
    const auto last = static_cast<long long>(rowCount()) - 1;
    return offsetInRow(rowAt(static_cast<std::size_t>(std::clamp(row, 0LL, last))),
                       viewportPoint.x());
}

QRect TapeView::characterRect(std::size_t offset) const {
    offset = std::min(offset, text_.size());
    const Row row = rowOfOffset(offset);
    const std::size_t number = rowNumber(row);
    const auto first = static_cast<std::size_t>(verticalScrollBar()->value());
    if (number < first || number > first + static_cast<std::size_t>(visibleRows())) return {};
    QTextLayout layout;
    layOutRow(layout, rowText(row));
    const QTextLine textLine = layout.lineAt(0);
    const qreal left = rowLeft(layout);
    const MarkedLine marked = shownLine(row.line);
    const std::size_t column = marked.shownColumn(offset - lineStarts_[row.line]);
    const std::string_view l = marked.shown();
    qreal x = 0, width = 1;
    if (column >= row.shownEnd) {
        x = left + textLine.naturalTextWidth();
    } else {
        std::size_t next = 0;
        decodeUtf8At(l, column, &next);
        const auto unitsTo = [&](std::size_t c) {
            return static_cast<int>(utf16Length(l.substr(row.bytes.begin, c - row.bytes.begin)));
        };
        const qreal a = textLine.cursorToX(unitsTo(column));
        const qreal b = textLine.cursorToX(unitsTo(std::min(next, row.shownEnd)));
        x = left + std::min(a, b);
        width = std::max<qreal>(1, std::abs(b - a));
    }
    const QRect box(static_cast<int>(std::floor(x)), rowTop(number),
                    static_cast<int>(std::ceil(width)), lineHeight());
    return box.translated(viewport()->pos());
}

long long TapeView::offsetAt(const QPoint& point) const {
    const QPoint local = point - viewport()->pos();
    if (local.y() < 1) return -1;
    const std::size_t number =
        static_cast<std::size_t>(verticalScrollBar()->value() + (local.y() - 1) / lineHeight());
    if (number >= rowCount()) return -1;
    const Row row = rowAt(number);
    QTextLayout layout;
    layOutRow(layout, rowText(row));
    const int at =
        layout.lineAt(0).xToCursor(local.x() - rowLeft(layout), QTextLine::CursorOnCharacter);
    const MarkedLine marked = shownLine(row.line);
    const std::string_view shown =
        marked.shown().substr(row.bytes.begin, row.shownEnd - row.bytes.begin);
    return static_cast<long long>(
        lineStarts_[row.line] +
        marked.storedColumn(row.bytes.begin +
                            utf8OffsetOfUnits(shown, static_cast<std::size_t>(std::max(0, at)))));
}

void TapeView::updateScrollRange() {
    const auto rows = static_cast<long long>(rowCount());
    const long long hidden = std::max(0LL, rows - visibleRows());
    verticalScrollBar()->setRange(0, static_cast<int>(std::min<long long>(hidden, INT_MAX)));
    verticalScrollBar()->setPageStep(visibleRows());
}

void TapeView::scrollToEnd() { verticalScrollBar()->setValue(verticalScrollBar()->maximum()); }

void TapeView::setNumberMarks(const NumberMarks& marks) {
    if (marks.decimal == marks_.decimal && marks.group == marks_.group &&
        marks.firstGroup == marks_.firstGroup && marks.nextGroup == marks_.nextGroup)
        return;
    marks_ = marks;
    const bool atEnd = verticalScrollBar()->value() == verticalScrollBar()->maximum();
    layOutFrom(0);
    updateScrollRange();
    if (atEnd) scrollToEnd();
    viewport()->update();
}

void TapeView::setTextBackground(const QColor& colour) {
    textBackground_ = colour;
    viewport()->update();
}

// The caret and the selection.

std::size_t TapeView::startOfCharacter(std::size_t offset) const {
    offset = std::min(offset, text_.size());
    const std::size_t index = lineOfOffset(offset);
    // The end of a line is a place of its own; inside its line break is the same place.
    if (offset >= lineEnd(index)) return lineEnd(index);
    std::size_t start = offset;
    while (start > lineStarts_[index] && offset - start < 3 && isContinuation(text_[start]))
        --start;
    if (start == offset) return offset;
    std::size_t next = 0;
    decodeUtf8At(text_, start, &next);
    return next > offset ? start : offset;
}

std::size_t TapeView::nextPosition(std::size_t offset, bool byWord) const {
    const std::size_t index = lineOfOffset(offset);
    if (offset >= lineEnd(index)) return index + 1 < lineCount() ? lineStarts_[index + 1] : offset;
    return stepWithinLine(index, offset, byWord, true);
}

std::size_t TapeView::previousPosition(std::size_t offset, bool byWord) const {
    const std::size_t index = lineOfOffset(offset);
    if (offset <= lineStarts_[index]) return index > 0 ? lineEnd(index - 1) : offset;
    return stepWithinLine(index, offset, byWord, false);
}

std::size_t TapeView::stepWithinLine(std::size_t index, std::size_t offset, bool byWord,
                                     bool forward) const {
    // By what a user sees as one character (a letter with its marks), or by word.
    const std::string_view l = line(index);
    QTextLayout layout(textOf(l));
    const auto at = static_cast<int>(utf16Length(l.substr(0, offset - lineStarts_[index])));
    const auto mode = byWord ? QTextLayout::SkipWords : QTextLayout::SkipCharacters;
    const int to = forward ? layout.nextCursorPosition(at, mode) : layout.previousCursorPosition(at, mode);
    return lineStarts_[index] + utf8OffsetOfUnits(l, static_cast<std::size_t>(to));
}

std::size_t TapeView::verticalMove(long long rows) {
    // Up and Down keep to the column they started from, as edits do.
    if (goalX_ < 0) goalX_ = xOfOffset(caret_);
    const auto target = static_cast<long long>(rowNumber(rowOfOffset(caret_))) + rows;
    const auto last = static_cast<long long>(rowCount()) - 1;
    return offsetInRow(rowAt(static_cast<std::size_t>(std::clamp(target, 0LL, last))), goalX_);
}

void TapeView::setCursorPosition(std::size_t offset, bool keepAnchor) {
    moveCaret(offset, keepAnchor);
}

void TapeView::setSelection(std::size_t anchor, std::size_t caret) {
    const std::size_t oldAnchor = anchor_, oldCaret = caret_;
    anchor_ = startOfCharacter(anchor);
    caret_ = startOfCharacter(caret);
    goalX_ = -1;
    ensureCaretVisible();
    restartBlinking();
    viewport()->update();
    selectionChanged(oldAnchor, oldCaret);
}

void TapeView::moveCaret(std::size_t offset, bool keepAnchor, bool keepGoal) {
    const std::size_t oldAnchor = anchor_, oldCaret = caret_;
    caret_ = startOfCharacter(offset);
    if (!keepAnchor) anchor_ = caret_;
    if (!keepGoal) goalX_ = -1;
    ensureCaretVisible();
    restartBlinking();
    viewport()->update();
    selectionChanged(oldAnchor, oldCaret);
}

void TapeView::selectionChanged(std::size_t oldAnchor, std::size_t oldCaret) {
    if (!QAccessible::isActive()) return;
    const bool hadSelection = oldAnchor != oldCaret;
    const bool selectionMoved = (hadSelection || hasSelection()) &&
                                (std::min(oldAnchor, oldCaret) != selectionStart() ||
                                 std::max(oldAnchor, oldCaret) != selectionEnd());
    if (selectionMoved) {
        QAccessibleTextSelectionEvent event(this, clampToInt(unitsOfOffset(selectionStart())),
                                            clampToInt(unitsOfOffset(selectionEnd())));
        event.setCursorPosition(clampToInt(unitsOfOffset(caret_)));
        QAccessible::updateAccessibility(&event);
    }
    if (oldCaret != caret_) {
        QAccessibleTextCursorEvent event(this, clampToInt(unitsOfOffset(caret_)));
        QAccessible::updateAccessibility(&event);
    }
}

void TapeView::ensureCaretVisible() {
    const auto row = static_cast<long long>(rowNumber(rowOfOffset(caret_)));
    QScrollBar* bar = verticalScrollBar();
    if (row < bar->value())
        bar->setValue(static_cast<int>(row));
    else if (row >= bar->value() + visibleRows())
        bar->setValue(static_cast<int>(std::min<long long>(row - visibleRows() + 1, INT_MAX)));
}

void TapeView::restartBlinking() {
    caretShown_ = true;
    const int flash = QApplication::cursorFlashTime();
    if (hasFocus() && flash >= 2)
        blink_.start(flash / 2, this);
    else
        blink_.stop();
}

QRect TapeView::caretRect() const {
    const std::size_t row = rowNumber(rowOfOffset(caret_));
    const auto first = static_cast<std::size_t>(verticalScrollBar()->value());
    if (row < first || row > first + static_cast<std::size_t>(visibleRows())) return {};
    const int x =
        std::min(static_cast<int>(std::round(xOfOffset(caret_))), viewport()->width() - 2);
    return QRect(x, rowTop(row), 1, lineHeight());
}

void TapeView::selectAll() { setSelection(0, text_.size()); }

QString TapeView::selectedText() const {
    if (!hasSelection()) return {};
    return withPlainLineEnds(textBetween(selectionStart(), selectionEnd()));
}

void TapeView::copy() const {
    if (hasSelection()) QApplication::clipboard()->setText(selectedText());
}

void TapeView::copyAll() const {
    if (text_.empty()) return;
    QApplication::clipboard()->setText(withPlainLineEnds(textOf(text_)));
}

std::size_t TapeView::unitsOfOffset(std::size_t offset) const {
    offset = std::min(offset, text_.size());
    const std::size_t index = lineOfOffset(offset);
    const std::size_t start = lineStarts_[index];
    return units_.unitsOfLineStart(index, start) +
           utf16Length(std::string_view(text_).substr(start, offset - start));
}

std::size_t TapeView::offsetOfUnits(std::size_t units) const {
    units = std::min(units, unitCount());
    const std::size_t index = units_.lineOfUnits(units, lineStarts_);
    const std::size_t start = lineStarts_[index];
    const std::string_view bytes =
        std::string_view(text_).substr(start, nextLineStart(index) - start);
    return start + utf8OffsetOfUnits(bytes, units - units_.unitsOfLineStart(index, start));
}

QString TapeView::textBetween(std::size_t begin, std::size_t end) const {
    end = std::min(end, text_.size());
    begin = std::min(begin, end);
    return textOf(std::string_view(text_).substr(begin, end - begin));
}

// Painting and events.

void TapeView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QColor textColour =
        readableTextColour(textBackground_, palette().color(QPalette::Text));
    const auto first = static_cast<std::size_t>(verticalScrollBar()->value());
    const std::size_t end = std::min(rowCount(), first + visibleRows() + 1);
    const std::size_t selLow = selectionStart(), selHigh = selectionEnd();
    TapeRows::Position at = rows_.at(first);
    for (std::size_t number = first; number < end; ++at.line, at.row = 0) {
        const std::vector<LineRow> rows = rowsOfLine(at.line);
        const MarkedLine marked = shownLine(at.line);
        const std::string_view l = marked.shown();
        const std::size_t start = lineStarts_[at.line];
        // The selection's ends in the line as drawn.
        const auto drawn = [&](std::size_t offset) {
            const std::size_t column = std::clamp(offset, start, start + line(at.line).size());
            return marked.shownColumn(column - start);
        };
        for (; at.row < rows.size() && number < end; ++at.row, ++number) {
            const Row row = rowOf(at.line, at.row, rows);
            const QString s = rowText(row);
            if (s.isEmpty()) continue;
            QTextLayout layout;
            layOutRow(layout, s);
            const QPointF topLeft(rowLeft(layout), rowTop(number));
            // Only the background behind the characters takes the chosen colour.
            if (textBackground_.isValid())
                painter.fillRect(QRectF(topLeft, QSizeF(layout.lineAt(0).naturalTextWidth(),
                                                        lineHeight())),
                                 textBackground_);
            QList<QTextLayout::FormatRange> selected;
            const std::size_t from = std::max(drawn(selLow), row.bytes.begin);
            const std::size_t to = std::min(drawn(selHigh), row.shownEnd);
            if (from < to) {
                const auto unitsTo = [&](std::size_t column) {
                    return static_cast<int>(
                        utf16Length(l.substr(row.bytes.begin, column - row.bytes.begin)));
                };
                QTextLayout::FormatRange range;
                range.start = unitsTo(from);
                range.length = unitsTo(to) - range.start;
                range.format.setBackground(palette().brush(QPalette::Highlight));
                range.format.setForeground(palette().brush(QPalette::HighlightedText));
                selected << range;
            }
            painter.setPen(textColour);
            // On the font's own baseline: a taller fallback font (Chinese, emoji) would push
            // the row's text down into the next row.
            const qreal baseline = fontMetrics().ascent() - layout.lineAt(0).ascent();
            layout.draw(&painter, topLeft + QPointF(0, baseline), selected);
        }
    }
    if (hasFocus() && caretShown_) painter.fillRect(caretRect(), textColour);
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

void TapeView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartBlinking();
    viewport()->update();
}

void TapeView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    blink_.stop();
    caretShown_ = false;
    viewport()->update();
}

void TapeView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != blink_.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    caretShown_ = !caretShown_;
    viewport()->update(caretRect());
}

void TapeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    moveCaret(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
    event->accept();
}

void TapeView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QAbstractScrollArea::mouseReleaseEvent(event);
}

void TapeView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = event->position().toPoint();
    if (at.y() < 0) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    if (at.y() > viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    moveCaret(positionAt(at), true);
}

void TapeView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        copy();
        return;
    }
    if (event == QKeySequence::SelectAll) {
        selectAll();
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool control = modifiers & Qt::ControlModifier;
    if (modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier)) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    std::size_t to = caret_;
    bool keepGoal = false;
    switch (event->key()) {
    case Qt::Key_Left:
        // A selection left with an arrow collapses to its near end, as in any edit.
        to = hasSelection() && !shift ? selectionStart() : previousPosition(caret_, control);
        break;
    case Qt::Key_Right:
        to = hasSelection() && !shift ? selectionEnd() : nextPosition(caret_, control);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (control) {  // scrolls, leaving the caret where it is
            bar->triggerAction(event->key() == Qt::Key_Up ? QAbstractSlider::SliderSingleStepSub
                                                          : QAbstractSlider::SliderSingleStepAdd);
            return;
        }
        to = verticalMove(event->key() == Qt::Key_Up ? -1 : 1);
        keepGoal = true;
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int page = event->key() == Qt::Key_PageUp ? -visibleRows() : visibleRows();
        to = verticalMove(page);
        bar->setValue(bar->value() + page);
        keepGoal = true;
        break;
    }
    case Qt::Key_Home:
        if (control) {
            to = 0;
        } else {
            const Row row = rowOfOffset(caret_);
            to = lineStarts_[row.line] + shownLine(row.line).storedColumn(row.bytes.begin);
        }
        break;
    case Qt::Key_End:
        if (control) {
            to = text_.size();
        } else {
            const Row row = rowOfOffset(caret_);
            const bool lastRow = row.index + 1 == rowsOfLine(row.line).size();
            // Before the break of a wrapped row, so the caret stays on that row.
            const MarkedLine marked = shownLine(row.line);
            std::size_t column = marked.storedColumn(row.shownEnd);
            if (!lastRow && row.shownEnd == row.bytes.end)
                column = previousPosition(lineStarts_[row.line] + column) - lineStarts_[row.line];
            to = lineStarts_[row.line] + column;
        }
        break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    moveCaret(to, shift, keepGoal);
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

}  // namespace zovrek::qt
