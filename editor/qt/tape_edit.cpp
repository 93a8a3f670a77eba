#include "editor/qt/tape_edit.h"

#include <QApplication>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

#include "editor/qt/progressive_loader.h"
#include "engine/utf8.h"
#include "shell/qt/qt_text.h"
#include "shell/qt/text_background.h"

namespace zovrek::qt {

TapeEdit::TapeEdit(QWidget* parent)
    : PasteGuarded<QPlainTextEdit>(parent), loader_(new ProgressiveLoader(this)) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    // The whole document's alignment: no per-line formats, so a long tape stays cheap.
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(Qt::AlignRight);
    document()->setDefaultTextOption(option);
    document()->setDocumentMargin(2);
    setAccessibleName(tr("Tape"));
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int from, int, int charsAdded) { wrapAnywhereIfLong(from, charsAdded); });
}

void TapeEdit::setTapeText(std::string_view text) {
    // The document takes "\r\n", "\r" and "\n" alike as a line break.
    QString shown = qt::tapeText(text);
    qsizetype longest = 0;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i] != u'\n' && shown[i] != u'\r') continue;
        longest = std::max(longest, i - lineStart);
        lineStart = i + 1;
    }
    longest = std::max(longest, shown.size() - lineStart);
    // The old text goes first, so that changing the wrap lays out nothing.
    document()->clear();
    setWordWrapMode(longest > kLongestWordWrappedLine ? QTextOption::WrapAnywhere
                                                      : QTextOption::WrapAtWordBoundaryOrAnywhere);
    loader_->load(std::move(shown));
}

void TapeEdit::wrapAnywhereIfLong(int from, int charsAdded) {
    if (wordWrapMode() == QTextOption::WrapAnywhere || loader_->loading()) return;
    // Called before the change is laid out: a typed or pasted long line never wraps by words.
    const QTextBlock last = document()->findBlock(from + charsAdded);
    for (QTextBlock block = document()->findBlock(from); block.isValid(); block = block.next()) {
        if (block.length() > kLongestWordWrappedLine) {
            setWordWrapMode(QTextOption::WrapAnywhere);
            return;
        }
        if (block == last) break;
    }
}

bool TapeEdit::loading() const { return loader_->loading(); }

void TapeEdit::whenLoaded(std::function<void()> action) { loader_->whenLoaded(std::move(action)); }

void TapeEdit::selectLine(std::size_t line) {
    whenLoaded([this, line] {
        const QTextBlock block = document()->findBlockByNumber(static_cast<int>(line));
        if (!block.isValid()) return;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        setTextCursor(cursor);
        centerCursor();
        setFocus(Qt::OtherFocusReason);
    });
}

std::string TapeEdit::tapeText() {
    // While the text goes in, the edit is read-only: its text is the one going in, whose line
    // breaks it takes as the document does. Afterwards the raw text keeps every character as
    // typed (toPlainText would turn a no-break space into a space); its blocks are parted by
    // the paragraph separator, and a Shift+Enter break is the line separator.
    const QString raw = loader_->loading() ? loader_->text() : document()->toRawText();
    std::string text;
    text.reserve(static_cast<std::size_t>(raw.size()) + static_cast<std::size_t>(blockCount()));
    const QChar* c = raw.constData();
    const QChar* const end = c + raw.size();
    for (; c < end; ++c) {
        const char16_t u = c->unicode();
        if (u == u'\r' || u == u'\n' || u == QChar::ParagraphSeparator ||
            u == QChar::LineSeparator) {
            text += "\r\n";
            if (u == u'\r' && c + 1 < end && c[1] == u'\n') ++c;
        } else if (u < 0x80) {
            text += static_cast<char>(u);
        } else if (c->isHighSurrogate() && c + 1 < end && c[1].isLowSurrogate()) {
            appendUtf8(text, QChar::surrogateToUcs4(u, c[1].unicode()));
            ++c;
        } else {
            appendUtf8(text, u);  // a surrogate standing alone becomes U+FFFD
        }
    }
    return text;
}

void TapeEdit::setTextBackground(const QColor& colour) {
    background_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Text,
               readableTextColour(colour, QApplication::palette(this).color(QPalette::Text)));
    setPalette(p);
    viewport()->update();
}

void TapeEdit::paintEvent(QPaintEvent* event) {
    if (background_.isValid()) {
        // Behind each line's characters only, as the base class will place them.
        QPainter painter(viewport());
        QPointF offset = contentOffset();
        const qreal bottom = viewport()->height();
        for (QTextBlock block = firstVisibleBlock(); block.isValid() && offset.y() <= bottom;
             block = block.next()) {
            if (!block.isVisible()) continue;
            const QTextLayout* layout = block.layout();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QRectF box = layout->lineAt(i).naturalTextRect().translated(offset);
                if (box.top() > bottom) break;  // a long line wraps into many rows
                if (box.width() > 0 && box.bottom() >= 0) painter.fillRect(box, background_);
            }
            offset.ry() += blockBoundingRect(block).height();
        }
    }
    QPlainTextEdit::paintEvent(event);
}

}  // namespace zovrek::qt
