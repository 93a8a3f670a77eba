#pragma once
// The control colour rule: only the background behind a control's text takes the chosen
// colour; the rest of the control keeps the platform's colours. Text stays readable on
// the colour, grey text stays grey.

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
    /// Where the colour goes: behind the characters as the edit lays them out.
    QRect textBox() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyColours();

    QColor background_;
};

/// A static text that paints the chosen colour behind its text. A disabled one is grey
/// text, in a grey that reads on the colour and, where one grey can, on the window too.
class TextBackgroundLabel : public QLabel {
    Q_OBJECT
public:
    TextBackgroundLabel(const QString& text, QWidget* parent);
    void setTextBackground(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyColours();

    QColor background_;
};

/// The colour to draw text in over `background`: `usual` (the palette's text colour), unless
/// it does not read there, as a dark desktop's light text does not on the light choices;
/// then black or white, whichever reads better.
QColor readableTextColour(const QColor& background, const QColor& usual);

/// Sets the colour on every control of `parent` that shows text in it.
void setTextBackground(QWidget* parent, const QColor& colour);

}  // namespace zovrek::qt
