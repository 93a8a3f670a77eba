// What the shared widgets look like: grey text that reads on every colour, the colour behind
// an edit's characters, the focus on a key, one caption size in each dialog, message boxes
// within the screen.

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QStyle>
#include <QStyleFactory>
#include <memory>
#include <QTest>

#include "forms/calculator_form.h"
#include "forms/loan_payment_form.h"
#include "forms/save_tape_form.h"
#include "forms/scientific_form.h"
#include "forms/tape_editor_form.h"
#include "pictures/keypad_picture_table.h"
#include "shell/colours.h"
#include "shell/qt/bitmap_button.h"
#include "shell/qt/form.h"
#include "shell/qt/modal.h"
#include "shell/qt/pictures/keypad_pictures.h"
#include "shell/qt/text_background.h"

using namespace zovrek;

namespace {

double contrast(const QColor& a, const QColor& b) {
    auto rgb = [](const QColor& c) {
        return shell::Rgb{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
    };
    return shell::contrastRatio(rgb(a), rgb(b));
}

// Fusion's light palette, or a dark one as Adwaita-dark gives it.
QPalette desktopPalette(bool dark) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p = fusion->standardPalette();
    if (!dark) return p;
    for (auto [role, colour] : {std::pair{QPalette::Window, 0x323232}, {QPalette::Button, 0x323232},
                                {QPalette::Base, 0x242424}, {QPalette::WindowText, 0xf0f0f0},
                                {QPalette::Text, 0xf0f0f0}})
        p.setColor(role, QColor::fromRgb(QRgb(colour)));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x82, 0x82, 0x82));
    return p;
}

QImage picture(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The bounds of the pixels of `image` inside `area` for which `take` holds.
template <typename Take>
QRect boundsOf(const QImage& image, const QRect& area, Take take) {
    QRect r;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (take(QColor(image.pixel(x, y)))) r |= QRect(x, y, 1, 1);
    return r;
}

}  // namespace

class WidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QApplication::setPalette(desktopPalette(false)); }

    void greyTextReadsOnEveryColour_data() {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QColor>("colour");  // invalid: none chosen yet
        for (const bool dark : {false, true}) {
            QTest::addRow("%s, no colour", dark ? "dark" : "light") << dark << QColor();
            for (const auto& c : shell::kBackgroundColours)
                QTest::addRow("%s, %s", dark ? "dark" : "light", c.menuText.data() + 1)
                    << dark << QColor(c.red, c.green, c.blue);
        }
    }
    void greyTextReadsOnEveryColour() {
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
            QVERIFY(contrast(grey, under) >= shell::kReadableContrast);
            QVERIFY(dark || contrast(grey, window) >= shell::kReadableContrast);
            // Drawn in that grey: its strongest ink on the colour is the grey.
            const QImage shown = picture(*label);
            const QRect box = colour.isValid()
                                  ? boundsOf(shown, shown.rect(), [&](QColor c) { return c == colour; })
                                  : shown.rect();
            double strongest = 1;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    strongest = std::max(strongest, contrast(QColor(shown.pixel(x, y)), under));
            QVERIFY2(std::abs(strongest - contrast(grey, under)) < 0.3, qPrintable(label->text()));
        }
        QCOMPARE(greyTexts, 3);
    }

    void colourSitsBehindTheCharacters_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("focused");
        for (const int align : {int(Qt::AlignRight), int(Qt::AlignHCenter), int(Qt::AlignLeft)})
            for (const bool focused : {false, true})
                QTest::addRow("align %d%s", align, focused ? ", focused" : "") << align << focused;
    }
    void colourSitsBehindTheCharacters() {
        QFETCH(int, alignment);
        QFETCH(bool, focused);
        QWidget host;
        host.setFont(qt::dialogFont());
        auto* edit = new qt::TextBackgroundEdit(&host);
        auto* other = new qt::TextBackgroundEdit(&host);
        edit->setGeometry(3, 5, 203, 23);  // the display's rectangle
        other->move(3, 40);
        edit->setAlignment(Qt::Alignment(alignment) | Qt::AlignVCenter);
        edit->setTextMargins(0, 0, 0, 0);
        const QColor colour(0, 255, 0);
        qt::setTextBackground(&host, colour);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        (focused ? edit : other)->setFocus();
        // The same after every change of the text.
        for (const char* shown : {"123456789012.", "0.", "7.", "-1.23456789012e+015", "1."}) {
            edit->setText(QString::fromLatin1(shown));
            const QImage image = picture(*edit);
            const QRect box = boundsOf(image, image.rect(), [&](QColor c) { return c == colour; });
            // The characters, inside the frame (whose focus mark is dark too).
            const QRect ink = boundsOf(image, edit->rect().adjusted(4, 4, -4, -4),
                                       [](QColor c) { return qGray(c.rgb()) < 96; });
            QVERIFY2(box.contains(ink), shown);
            QVERIFY2(box.width() <= ink.width() + 6, shown);  // behind the characters only
        }
    }

    void focusedKeyShowsItsFocus_data() {
        QTest::addColumn<QString>("caption");
        for (const auto& p : pictures::kPictures)
            QTest::newRow(p.name.data()) << QString::fromLatin1(p.name.data(), qsizetype(p.name.size()));
    }
    void focusedKeyShowsItsFocus() {
        QFETCH(QString, caption);
        QWidget host;
        auto* before = new qt::CBitmapButton(QStringLiteral("SEVEN"), &host);
        auto* key = new qt::CBitmapButton(caption, &host);
        key->move(0, 60);
        QVERIFY(before->AutoLoad() && key->AutoLoad());
        host.show();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        before->setFocus();
        const QImage plain = picture(*key);
        QTest::keyClick(before, Qt::Key_Tab);  // as a keyboard user moves on
        QVERIFY(key->hasFocus());
        const QImage focused = picture(*key);
        // The mark keeps to the edge of the face, clear of the label, and stands out there.
        int marked = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (plain.pixel(x, y) == focused.pixel(x, y)) continue;
                QVERIFY(std::min({x, y, plain.width() - 1 - x, plain.height() - 1 - y}) <= 4);
                if (contrast(QColor(plain.pixel(x, y)), QColor(focused.pixel(x, y))) >= 3) ++marked;
            }
        }
        QVERIFY2(marked >= 20, qPrintable(QString::number(marked)));
    }

    void eachDialogHasOneCaptionSize() {
        for (const auto* dialog : {&forms::kLoanPaymentDialog, &forms::kScientificDialog,
                                   &forms::kTapeEditorDialog, &forms::kSaveTapeDialog}) {
            QSet<int> sizes;
            for (const auto& c : dialog->controls)
                if (c.kind == shell::ControlKind::BitmapButton)
                    sizes << qt::keypadLabelPixels(
                        QString::fromLatin1(c.text.data(), qsizetype(c.text.size())));
            QCOMPARE(sizes.size(), 1);
            QVERIFY(*sizes.begin() >= 9);  // and large enough to read
        }
    }

    void messageBoxStaysWithinTheScreen_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("one long word") << "/tapes/" + QString(3990, QLatin1Char('a')) + ".cal";
        QTest::newRow("words") << "/tapes/" + QStringLiteral("long folder ").repeated(333) + "t.cal";
    }

    // A 4,000-byte name keeps its two ends; the box fits on the screen.
    void messageBoxStaysWithinTheScreen() {
        QFETCH(QString, name);
        QRect shown;
        QString text;
        QString details;
        qt::Modal::setAnswerer([&](QDialog& d) {
            d.show();
            if (QTest::qWaitForWindowExposed(&d)) shown = d.frameGeometry();
            text = static_cast<QMessageBox&>(d).text();
            details = static_cast<QMessageBox&>(d).detailedText();
            return int(QMessageBox::Ok);
        });
        qt::Modal::message(nullptr, QMessageBox::Warning, QStringLiteral("ZOVREK"),
                           "Could not open \"" + name + "\": it is a folder, not a tape.");
        qt::Modal::setAnswerer({});
        QVERIFY(!shown.isEmpty());
        QVERIFY2(QGuiApplication::primaryScreen()->availableGeometry().contains(shown),
                 qPrintable(QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height())));
        QVERIFY(text.startsWith(QStringLiteral("Could not open \"/tapes/")));
        QVERIFY(text.endsWith(QStringLiteral(".cal\": it is a folder, not a tape.")));
        QVERIFY(details.contains(name));  // whole in the details
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
