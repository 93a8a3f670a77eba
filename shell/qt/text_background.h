#pragma once
// The control colour rule: only the background behind a control's text takes the chosen
// colour; the rest of the control keeps the platform's colours.

#include <QColor>
#include <QLabel>
#include <QLineEdit>

namespace zovrek::qt {

/// A one-line edit that paints the chosen colour behind its text.
class TextBackgroundEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    void setTextBackground(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_;
};

/// A static text that paints the chosen colour behind its text.
class TextBackgroundLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setTextBackground(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_;
};

/// The colour to draw text in over `background`: `usual` (the palette's text colour), unless
/// that is too close to the background to read, as a dark desktop's light text is on the
/// light choices; then black or white, whichever reads better.
QColor readableTextColour(const QColor& background, const QColor& usual);

/// Sets the colour on every control of `parent` that shows text in it.
void setTextBackground(QWidget* parent, const QColor& colour);

}  // namespace zovrek::qt
