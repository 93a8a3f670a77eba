#include "shell/qt/text_background.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cstdlib>

namespace zovrek::qt {
namespace {

// The edit's own margins around its text.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

}  // namespace

QColor readableTextColour(const QColor& background, const QColor& usual) {
    if (!background.isValid()) return usual;
    const int gap = std::abs(qGray(background.rgb()) - qGray(usual.rgb()));
    if (gap >= 96) return usual;
    return qGray(background.rgb()) >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

void TextBackgroundEdit::setTextBackground(const QColor& colour) {
    if (colour == background_) return;
    background_ = colour;
    // The edit draws its frame and text over a see-through base; paintEvent fills the base
    // itself, then the colour behind the characters.
    const QPalette usual = QApplication::palette(this);
    QPalette p = palette();
    p.setBrush(QPalette::Base, colour.isValid() ? QBrush(Qt::transparent) : usual.brush(QPalette::Base));
    p.setColor(QPalette::Text, readableTextColour(colour, usual.color(QPalette::Text)));
    setPalette(p);
    update();
}

void TextBackgroundEdit::paintEvent(QPaintEvent* event) {
    if (!background_.isValid()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QStyleOptionFrame option;
    initStyleOption(&option);
    QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    contents = contents.marginsRemoved(textMargins()).adjusted(
        kHorizontalMargin, kVerticalMargin, -kHorizontalMargin, -kVerticalMargin);
    const QFontMetrics metrics = fontMetrics();
    const int width = std::min(metrics.horizontalAdvance(displayText()), contents.width());
    const int height = std::min(metrics.height(), contents.height());
    int x = contents.left();
    if (alignment() & Qt::AlignRight) x = contents.right() + 1 - width;
    if (alignment() & Qt::AlignHCenter) x = contents.left() + (contents.width() - width) / 2;
    const int y = contents.top() + (contents.height() - height) / 2;
    {
        QPainter painter(this);
        painter.fillRect(contents.adjusted(-kHorizontalMargin, -kVerticalMargin,
                                           kHorizontalMargin, kVerticalMargin),
                         QApplication::palette(this).brush(QPalette::Base));
        painter.fillRect(QRect(x, y, width, height), background_);
    }
    QLineEdit::paintEvent(event);
}

void TextBackgroundLabel::setTextBackground(const QColor& colour) {
    if (colour == background_) return;
    background_ = colour;
    QPalette p = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor usual = QApplication::palette(this).color(group, QPalette::WindowText);
        p.setColor(group, QPalette::WindowText, readableTextColour(colour, usual));
    }
    setPalette(p);
    update();
}

void TextBackgroundLabel::paintEvent(QPaintEvent* event) {
    if (background_.isValid() && !text().isEmpty()) {
        const QRect box = style()->itemTextRect(fontMetrics(), contentsRect(), alignment(),
                                                isEnabled(), text());
        QPainter(this).fillRect(box & contentsRect(), background_);
    }
    QLabel::paintEvent(event);
}

void setTextBackground(QWidget* parent, const QColor& colour) {
    for (auto* edit : parent->findChildren<TextBackgroundEdit*>()) edit->setTextBackground(colour);
    for (auto* label : parent->findChildren<TextBackgroundLabel*>())
        label->setTextBackground(colour);
}

}  // namespace zovrek::qt
