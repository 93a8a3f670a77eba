#include "shell/qt/text_background.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

#include "shell/colours.h"

namespace zovrek::qt {
namespace {

// The margins QLineEdit keeps between its contents rectangle and its line of text.
constexpr int kHorizontalMargin = 2;

shell::Rgb rgbOf(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

QColor colourOf(shell::Rgb c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

QColor readableTextColour(const QColor& background, const QColor& usual) {
    if (!background.isValid()) return usual;
    return colourOf(shell::readableText(rgbOf(background), rgbOf(usual)));
}

void TextBackgroundEdit::setTextBackground(const QColor& colour) {
    if (colour == background_) return;
    background_ = colour;
    applyColours();
}

void TextBackgroundEdit::applyColours() {
    // The edit draws its frame and text over a see-through base; paintEvent fills the base
    // itself, then the colour behind the characters.
    const QPalette usual = QApplication::palette(this);
    QPalette p = palette();
    p.setBrush(QPalette::Base,
               background_.isValid() ? QBrush(Qt::transparent) : usual.brush(QPalette::Base));
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Text,
                   readableTextColour(background_, usual.color(group, QPalette::Text)));
    // Setting the palette brings a palette change here again, which then changes nothing.
    if (p != palette()) setPalette(p);
    update();
}

QRect TextBackgroundEdit::textBox() const {
    // The line of text as QLineEdit lays it out: inside the contents and text margins, a
    // margin of its own at each side, the text aligned in it and one pixel off the right
    // edge. Text wider than the line fills it, whatever part of it is scrolled into view.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(
            textMargins());
    const QString text = displayText();
    if (text.isEmpty()) return {};
    const QFontMetrics metrics = fontMetrics();
    const int height = std::max(metrics.boundingRect(text).height(), metrics.height());
    const QRect line(contents.x() + kHorizontalMargin,
                     contents.y() + (contents.height() - height + 1) / 2,
                     contents.width() - 2 * kHorizontalMargin, height);
    const qreal natural = QFontMetricsF(font()).horizontalAdvance(text);
    const int used = int(std::lround(natural)) + 1;
    if (used > line.width()) return line & contents;
    int scroll = 0;
    const Qt::Alignment horizontal = QStyle::visualAlignment(layoutDirection(), alignment()) &
                                     Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignRight) scroll = used - line.width() + 1;
    if (horizontal & Qt::AlignHCenter) scroll = (used - line.width()) / 2;
    // A pixel more at each side takes in the soft edges of the first and last character.
    const int left = line.x() - scroll - 1;
    return QRect(left, line.y(), int(std::ceil(natural)) + 2, height) & contents;
}

void TextBackgroundEdit::paintEvent(QPaintEvent* event) {
    if (background_.isValid()) {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
        QPainter painter(this);
        painter.fillRect(contents, QApplication::palette(this).brush(QPalette::Base));
        painter.fillRect(textBox(), background_);
    }
    QLineEdit::paintEvent(event);
}

void TextBackgroundEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    // A new desktop palette: the readable colours are chosen again.
    if (event->type() == QEvent::PaletteChange && background_.isValid()) applyColours();
}

TextBackgroundLabel::TextBackgroundLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    // Grey text reads on the window even before a colour is chosen.
    applyColours();
}

void TextBackgroundLabel::setTextBackground(const QColor& colour) {
    if (colour == background_) return;
    background_ = colour;
    applyColours();
}

void TextBackgroundLabel::applyColours() {
    const QPalette usual = QApplication::palette(this);
    const QColor window = usual.color(QPalette::Window);
    const QColor under = background_.isValid() ? background_ : window;
    QPalette p = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        p.setColor(group, QPalette::WindowText,
                   readableTextColour(under, usual.color(group, QPalette::WindowText)));
    p.setColor(QPalette::Disabled, QPalette::WindowText,
               colourOf(shell::readableGrey(
                   rgbOf(under), rgbOf(window),
                   rgbOf(usual.color(QPalette::Disabled, QPalette::WindowText)))));
    if (p != palette()) setPalette(p);
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

void TextBackgroundLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) applyColours();
}

void setTextBackground(QWidget* parent, const QColor& colour) {
    for (auto* edit : parent->findChildren<TextBackgroundEdit*>()) edit->setTextBackground(colour);
    for (auto* label : parent->findChildren<TextBackgroundLabel*>())
        label->setTextBackground(colour);
}

}  // namespace zovrek::qt
