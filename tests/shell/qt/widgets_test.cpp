// What the shared widgets look like: grey text that reads on every colour, the colour behind
// an edit's characters, the focus on a key, one caption size in each dialog.

#include <QApplication>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include "forms/annuity_savings_form.h"
#include "forms/calculator_form.h"
#include "forms/fixed_savings_form.h"
#include "forms/loan_payment_form.h"
#include "forms/save_tape_form.h"
#include "forms/scientific_form.h"
#include "forms/simple_interest_form.h"
#include "forms/small_dialog_forms.h"
#include "forms/tape_editor_form.h"
#include "forms/tape_title_form.h"
#include "pictures/keypad_picture_table.h"
#include "shell/colours.h"
#include "shell/qt/bitmap_button.h"
#include "shell/qt/form.h"
#include "shell/qt/pictures/keypad_pictures.h"
#include "shell/qt/text_background.h"

using namespace zovrek;

namespace {

shell::Rgb rgb(const QColor& c) {
    return {std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
}

double contrast(const QColor& a, const QColor& b) {
    return shell::contrastRatio(rgb(a), rgb(b));
}

// The desktop palettes: Fusion's light one, and a dark one as Adwaita-dark gives it.
QPalette desktopPalette(bool dark) {
    QPalette p = QStyleFactory::create(QStringLiteral("Fusion"))->standardPalette();
    if (!dark) return p;
    const QColor window(0x32, 0x32, 0x32), text(0xf0, 0xf0, 0xf0), grey(0x82, 0x82, 0x82);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, text), p.setColor(QPalette::Disabled, role, grey);
    return p;
}

QImage picture(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The bounds of the pixels of `image` for which `take` holds.
template <typename Take>
QRect boundsOf(const QImage& image, Take take) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (take(QColor(image.pixel(x, y)))) r |= QRect(x, y, 1, 1);
    return r;
}

}  // namespace

class WidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QApplication::setPalette(desktopPalette(false)); }

    void greyTextReadsOnEveryColour_data();
    void greyTextReadsOnEveryColour();
    void colourSitsBehindTheCharacters_data();
    void colourSitsBehindTheCharacters();
    void focusedKeyShowsItsFocus_data();
    void focusedKeyShowsItsFocus();
    void eachDialogHasOneCaptionSize_data();
    void eachDialogHasOneCaptionSize();
};

void WidgetsTest::greyTextReadsOnEveryColour_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QColor>("colour");  // invalid: none chosen yet
    for (const bool dark : {false, true}) {
        const char* desktop = dark ? "dark" : "light";
        QTest::addRow("%s, no colour", desktop) << dark << QColor();
        for (const auto& c : shell::kBackgroundColours)
            QTest::addRow("%s, %s", desktop, c.menuText.data() + 1)
                << dark << QColor(c.red, c.green, c.blue);
    }
}

void WidgetsTest::greyTextReadsOnEveryColour() {
    QFETCH(bool, dark);
    QFETCH(QColor, colour);
    QApplication::setPalette(desktopPalette(dark));
    QWidget host;
    qt::Form form(&host, forms::kCalculatorForm);
    if (colour.isValid()) qt::setTextBackground(&host, colour);
    const QColor window = QApplication::palette().color(QPalette::Window);
    const QColor under = colour.isValid() ? colour : window;
    int greyTexts = 0;
    for (auto* label : host.findChildren<qt::TextBackgroundLabel*>()) {
        if (label->isEnabled()) continue;
        ++greyTexts;
        const QColor grey = label->palette().color(QPalette::Disabled, QPalette::WindowText);
        QVERIFY2(contrast(grey, under) >= shell::kReadableContrast, qPrintable(label->text()));
        // Grey, and apart from the text of the enabled controls.
        QVERIFY(grey.red() == grey.green() && grey.green() == grey.blue());
        const QColor text = qt::readableTextColour(
            under, QApplication::palette().color(QPalette::Active, QPalette::WindowText));
        QVERIFY(contrast(grey, text) >= 2);
        if (!dark) QVERIFY(contrast(grey, window) >= shell::kReadableContrast);
        // Drawn in that grey: the strongest ink of the text on the colour is the grey itself.
        const QImage shown = picture(*label);
        const QRect box = colour.isValid()
                              ? boundsOf(shown, [&](QColor c) { return c == colour; })
                              : shown.rect();
        double strongest = 1;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                strongest = std::max(strongest, contrast(QColor(shown.pixel(x, y)), under));
        QVERIFY2(std::abs(strongest - contrast(grey, under)) < 0.3, qPrintable(label->text()));
    }
    QCOMPARE(greyTexts, 3);
}

void WidgetsTest::colourSitsBehindTheCharacters_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("focused");
    for (const int align : {int(Qt::AlignRight), int(Qt::AlignHCenter), int(Qt::AlignLeft)})
        for (const char* text : {"0.", "7.", "1234567.89", "-1.23456789012e+015"})
            for (const bool focused : {false, true})
                QTest::addRow("align %d, %s%s", align, text, focused ? ", focused" : "")
                    << align << QString::fromLatin1(text) << focused;
}

void WidgetsTest::colourSitsBehindTheCharacters() {
    QFETCH(int, alignment);
    QFETCH(QString, text);
    QFETCH(bool, focused);
    QWidget host;
    host.setFont(qt::dialogFont());
    auto* edit = new qt::TextBackgroundEdit(&host);
    auto* other = new qt::TextBackgroundEdit(&host);
    edit->setGeometry(3, 5, 203, 23);  // the display's rectangle
    other->setGeometry(3, 40, 50, 23);
    edit->setAlignment(Qt::Alignment(alignment) | Qt::AlignVCenter);
    edit->setTextMargins(0, 0, 0, 0);
    const QColor colour(0, 255, 0);
    qt::setTextBackground(&host, colour);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    (focused ? edit : other)->setFocus();
    // The same after each change of text, as after the first.
    for (const QString& shown : {QStringLiteral("123456789012."), text}) {
        edit->setText(shown);
        const QImage image = picture(*edit);
        const QRect box = boundsOf(image, [&](QColor c) { return c == colour; });
        // The characters, inside the frame (whose focus mark is dark too).
        const QRect inside = edit->rect().adjusted(4, 4, -4, -4);
        const QRect ink =
            boundsOf(image.copy(inside), [](QColor c) { return qGray(c.rgb()) < 96; })
                .translated(inside.topLeft());
        QVERIFY2(box.contains(ink), qPrintable(QStringLiteral("%1: colour %2,%3 %4x%5, text %6,%7 %8x%9")
                                                  .arg(shown).arg(box.x()).arg(box.y())
                                                  .arg(box.width()).arg(box.height()).arg(ink.x())
                                                  .arg(ink.y()).arg(ink.width()).arg(ink.height())));
        // Behind the characters only: hardly wider than the text.
        QVERIFY(box.width() <= ink.width() + 6);
    }
}

void WidgetsTest::focusedKeyShowsItsFocus_data() {
    QTest::addColumn<QString>("caption");
    for (const auto& p : pictures::kPictures)
        QTest::newRow(p.name.data()) << QString::fromLatin1(p.name.data(), qsizetype(p.name.size()));
}

void WidgetsTest::focusedKeyShowsItsFocus() {
    QFETCH(QString, caption);
    QWidget host;
    auto* before = new qt::CBitmapButton(QStringLiteral("SEVEN"), &host);
    auto* key = new qt::CBitmapButton(caption, &host);
    before->move(0, 0);
    key->move(0, 60);
    QVERIFY(before->AutoLoad() && key->AutoLoad());
    host.show();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    before->setFocus();
    const QImage plain = picture(*key);
    QTest::keyClick(before, Qt::Key_Tab);  // as a keyboard user moves on
    QVERIFY(key->hasFocus());
    const QImage focused = picture(*key);
    QVERIFY(focused != plain);
    // The mark keeps to the edge of the face, clear of the label, and stands out there.
    int marked = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) == focused.pixel(x, y)) continue;
            const int edge = std::min({x, y, plain.width() - 1 - x, plain.height() - 1 - y});
            QVERIFY2(edge <= 4, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            if (contrast(QColor(plain.pixel(x, y)), QColor(focused.pixel(x, y))) >= 3) ++marked;
        }
    }
    QVERIFY2(marked >= 20, qPrintable(QString::number(marked)));
}

void WidgetsTest::eachDialogHasOneCaptionSize_data() {
    QTest::addColumn<const shell::DialogTemplate*>("dialog");
    for (const auto* d : {&forms::kLoanPaymentDialog, &forms::kSimpleInterestDialog,
                          &forms::kAnnuitySavingsDialog, &forms::kFixedSavingsDialog,
                          &forms::kScientificDialog, &forms::kTapeEditorDialog,
                          &forms::kSaveTapeDialog, &forms::kTapeTitleDialog,
                          &forms::kCloseProgramDialog, &forms::kShortcutKeysDialog,
                          &forms::kAboutDialog})
        QTest::newRow(d->title.data()) << d;
}

void WidgetsTest::eachDialogHasOneCaptionSize() {
    QFETCH(const shell::DialogTemplate*, dialog);
    QSet<int> sizes;
    for (const auto& control : dialog->controls) {
        if (control.kind != shell::ControlKind::BitmapButton) continue;
        const int pixels = qt::keypadLabelPixels(
            QString::fromLatin1(control.text.data(), qsizetype(control.text.size())));
        QVERIFY2(pixels >= 9, control.text.data());  // and large enough to read
        sizes.insert(pixels);
    }
    QCOMPARE(sizes.size(), 1);
}

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
