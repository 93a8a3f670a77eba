// The paint routine against the page layout it draws: every text where the layout puts it,
// in twips, whatever the device's resolution; nothing off a paper too small for the layout;
// the title in any script; and the paper of a locale. (PDF files and their pages:
// tests/cli/pdf_test.cpp and tape_printing_test.cpp.)

#include <QFontDatabase>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QtTest>
#include <climits>
#include <string>
#include <vector>

#include "tape/print_layout.h"
#include "tape/print_preparation.h"
#include "tape/qt/print_painter.h"
#include "tape/qt/print_paper.h"

using namespace zovrek;

namespace {

// Courier New's metrics, which Liberation Mono shares: every character 0.6 em wide (132 twips
// at 11 points), and a line of 249 twips.
constexpr int kCharTwips = 132;
constexpr int kLineTwips = 249;

// A text as the engine got it, in device units.
struct DrawnText {
    QPointF baseline;
    qreal ascent;
    qreal descent;
    qreal width;
    QString text;
};

// Drawing on paper as a PDF writer or printer gets it: texts, and pictures, recorded.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    std::vector<DrawnText> texts;
    std::vector<QRectF> pictures;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override {
        pictures.push_back(state->transform().mapRect(r));
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        // In device units, whatever mapping the painter set.
        const QTransform t = state->transform();
        texts.push_back({t.map(p), item.ascent() * t.m22(), item.descent() * t.m22(),
                         item.width() * t.m11(), item.text()});
    }
    Type type() const override { return QPaintEngine::User; }
};

// A printable area of `width` × `height` inches at `dpi` (a whole letter-sized sheet unless
// told), recording what is drawn on it.
class RecordingSheet : public QPaintDevice {
public:
    explicit RecordingSheet(int dpi, double width = 8.5, double height = 11)
        : dpi_(dpi), width_(width), height_(height) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::vector<DrawnText>& texts() const { return engine_.texts; }
    const std::vector<QRectF>& pictures() const { return engine_.pictures; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth: return static_cast<int>(dpi_ * width_);
        case PdmHeight: return static_cast<int>(dpi_ * height_);
        case PdmWidthMM: return static_cast<int>(width_ * 25.4);
        case PdmHeightMM: return static_cast<int>(height_ * 25.4);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return dpi_;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    int dpi_;
    double width_;
    double height_;
    mutable RecordingEngine engine_;
};

int twipsWide(const QString& text) {
    return static_cast<int>(std::lround(QFontMetricsF(qt::printFont()).horizontalAdvance(text)));
}

// A text of the page as it lands on a letter-sized page at 144 dpi: the title in the
// header, or a tape line on the first line; only the band around it, right of the heading.
struct Band {
    int right;  // where the text with its trailing space ends, in twips
    int top;
    int from;  // the band looked at, from y `from` to `to`
    int to;
};
constexpr Band kTitleBand{10000, 250, 0, 720};
constexpr Band kLineBand{10520, 720, 600, 1400};

// Drawn by the paint routine (`state` given), or by Qt's own text drawing of `text` with
// its part `measured` ending at the band's right edge.
QImage bandOfPage(const Band& band, CalculatorState* state, const QString& text = {},
                  const QString& measured = {}) {
    constexpr int kDpi = 144;
    QImage image(kDpi * 17 / 2, kDpi * 11, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    if (state) {
        qt::paintTapePage(painter, *state, 1);
    } else {
        painter.scale(kDpi / 1440.0, kDpi / 1440.0);
        const QFont font = qt::printFont();
        painter.setFont(font);
        painter.setLayoutDirection(Qt::LeftToRight);  // a page in any script reads so
        painter.drawText(
            QPointF(band.right - twipsWide(measured), band.top + QFontMetricsF(font).ascent()), text);
    }
    painter.end();
    return image.copy(3000 * kDpi / 1440, band.from * kDpi / 1440, 8000 * kDpi / 1440,
                      (band.to - band.from) * kDpi / 1440);
}

// Where ink is, in pixels.
QRect inkOf(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) ink |= QRect(x, y, 1, 1);
    return ink;
}

std::string numberedTape(int lines) {
    std::string tape;
    for (int i = 0; i < lines; ++i) tape += " " + std::to_string(i) + ".00\r\n";
    return tape;
}

CalculatorState prepared(const std::string& tape, const std::string& title) {
    CalculatorState state;
    state.m_tape.assign(tape);
    buildPrintLines(state);
    wrapPrintLines(state, qt::printCharWidths());
    state.m_printTitle = title;
    return state;
}

}  // namespace

class PrintPaintTest : public QObject {
    Q_OBJECT
private slots:
    void textsLandWhereTheLayoutPutsThem_data();
    void textsLandWhereTheLayoutPutsThem();
    void pageFitsThePaper_data();
    void pageFitsThePaper();
    void textInAnyScript_data();
    void textInAnyScript();
    void colourEmojiArePictures();
    void paperFollowsTheLocale_data();
    void paperFollowsTheLocale();
};

void PrintPaintTest::textsLandWhereTheLayoutPutsThem_data() {
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("page");
    const QString example = QStringLiteral(
        " 12.50\r\n *\r\n 4.00\r\n =\r\n 50.00\r\n @\r\n (SQRT)\r\n 7.00\r\n =\r\n 2.65\r\n");
    QTest::newRow("example at 1200 dpi") << 1200 << example << "March" << 1;
    QTest::newRow("example at 600 dpi") << 600 << example << "March" << 1;
    QTest::newRow("full page at 300 dpi")
        << 300 << QString::fromStdString(numberedTape(60)) << "" << 1;
    QTest::newRow("page 2 holds line 61")
        << 1200 << QString::fromStdString(numberedTape(61)) << "32 characters of a long title.." << 2;
    QTest::newRow("empty tape: header and footer") << 1200 << "" << "" << 1;
    // 120 characters: two rows, both on the page.
    QTest::newRow("long note wraps")
        << 600
        << QStringLiteral(" 12.50\r\n The sum of the invoices for March, with the deposit for the "
                          "new office on Quay Street and the fees for both audits\r\n =\r\n")
        << "March" << 1;
}

void PrintPaintTest::textsLandWhereTheLayoutPutsThem() {
    QFETCH(int, dpi);
    QFETCH(QString, tape);
    QFETCH(QString, title);
    QFETCH(int, page);
    CalculatorState painted = prepared(tape.toStdString(), title.toStdString());
    CalculatorState expected = prepared(tape.toStdString(), title.toStdString());

    RecordingSheet sheet(dpi);
    {
        QPainter painter(&sheet);
        qt::paintTapePage(painter, painted, page);
    }
    const auto layout =
        layoutPrintPage(expected, page, kLineTwips, [](std::string_view text) {
            return static_cast<int>(text.size()) * kCharTwips;
        });
    const auto& drawn = sheet.texts();

    // Half a device pixel of rounding, and a twip.
    const double tolerance = 1440.0 / dpi / 2 + 1;
    QCOMPARE(drawn.size(), layout.size());
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const double x = drawn[i].baseline.x() * 1440.0 / dpi;
        const double y = -(drawn[i].baseline.y() - drawn[i].ascent) * 1440.0 / dpi;
        const QString where = QStringLiteral("text %1 \"%2\" at (%3, %4), layout (%5, %6)")
                                  .arg(i).arg(drawn[i].text).arg(x).arg(y)
                                  .arg(layout[i].x).arg(layout[i].y);
        QCOMPARE(drawn[i].text, QString::fromStdString(layout[i].text));
        QVERIFY2(std::abs(x - layout[i].x) <= tolerance, qPrintable(where));
        QVERIFY2(std::abs(y - layout[i].y) <= tolerance, qPrintable(where));
        QVERIFY2(x >= -tolerance, qPrintable(where));
    }
    QCOMPARE(painted.m_printPage, page);
    QCOMPARE(painted.m_printLinesUsed, expected.m_printLinesUsed);
}

void PrintPaintTest::pageFitsThePaper_data() {
    QTest::addColumn<double>("width");  // the printable area, in points
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("scale");
    QTest::newRow("Letter: the 60th line's foot decides") << 592.0 << 772.0 << 772.0 / 783;
    QTest::newRow("A4: the page number's edge decides") << 575.0 << 822.0 << 575.0 / 576;
    QTest::newRow("A5") << 400.0 << 575.0 << 400.0 / 576;
    QTest::newRow("Letter, printer with half-inch margins") << 540.0 << 720.0 << 720.0 / 783;
    QTest::newRow("Legal fits as it is") << 592.0 << 988.0 << 1.0;
}

void PrintPaintTest::pageFitsThePaper() {
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, scale);
    constexpr int kDpi = 1200;
    CalculatorState state = prepared(numberedTape(60), "March");
    RecordingSheet sheet(kDpi, width / 72, height / 72);
    {
        QPainter painter(&sheet);
        qt::paintTapePage(painter, state, 1);
    }
    // Every text within the area; page number and 60th line where the layout puts them,
    // scaled alike across and down.
    const double pixel = 1.0;
    for (const DrawnText& t : sheet.texts()) {
        const QString what = QStringLiteral("\"%1\" at %2, %3").arg(t.text).arg(t.baseline.x()).arg(t.baseline.y());
        QVERIFY2(t.baseline.x() >= -pixel, qPrintable(what));
        QVERIFY2(t.baseline.x() + t.width <= sheet.width() + pixel, qPrintable(what));
        QVERIFY2(t.baseline.y() + t.descent <= sheet.height() + pixel, qPrintable(what));
    }
    const double toDevice = kDpi / 1440.0 * scale;
    const DrawnText& footer = sheet.texts().back();
    QCOMPARE(footer.text, QStringLiteral("Page 1"));
    QVERIFY(std::abs(footer.baseline.x() + footer.width - 11520 * toDevice) <= 2);
    QVERIFY(std::abs(footer.baseline.y() - footer.ascent - 14700 * toDevice) <= 2);
    const DrawnText& last = sheet.texts()[sheet.texts().size() - 2];
    QCOMPARE(last.text, QStringLiteral(" 59.00  "));
    QVERIFY(std::abs(last.baseline.y() - last.ascent - (720 + 59 * kLineTwips) * toDevice) <= 2);
}

void PrintPaintTest::textInAnyScript_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("onTape");  // else the title
    const QList<std::pair<const char*, QString>> scripts = {
        {"Latin-1", QStringLiteral("Café")},
        {"Greek", QStringLiteral("Λογαριασμός")},
        {"Cyrillic", QStringLiteral("Бюджет март")},
        {"CJK", QStringLiteral("家計簿 三月")},
        {"Arabic", QStringLiteral("حساب مارس")},
        {"emoji", QStringLiteral("Receipts 🧾🥳")},
    };
    for (const auto& [name, text] : scripts) {
        QTest::addRow("title, %s", name) << text << false;
        QTest::addRow("tape, %s", name) << text << true;
    }
}

void PrintPaintTest::textInAnyScript() {
    // Printed as Qt prints the text the user typed, ending where the layout puts it: no "CafÃ©".
    QFETCH(QString, text);
    QFETCH(bool, onTape);
    CalculatorState state = onTape ? prepared((u' ' + text + QStringLiteral("\r\n")).toStdString(), "")
                                   : prepared("", text.toStdString());
    const Band& band = onTape ? kLineBand : kTitleBand;
    // Both are drawn with a space appended, which a tape line's right edge leaves out; a tape
    // line keeps its leading space and the space of its line break.
    const QString measured = onTape ? u' ' + text + u' ' : text + u' ';
    const QString drawn = onTape ? measured + u' ' : measured;
    const QRect printed = inkOf(bandOfPage(band, &state));
    const QRect expected = inkOf(bandOfPage(band, nullptr, drawn, measured));
    QVERIFY(!expected.isEmpty());
    // Two pixels (20 twips): colour emoji are scaled from their bitmaps in their own ways.
    const auto near = [](int a, int b) { return std::abs(a - b) <= 2; };
    QVERIFY2(near(printed.left(), expected.left()) && near(printed.right(), expected.right()) &&
                 near(printed.top(), expected.top()) && near(printed.bottom(), expected.bottom()),
             qPrintable(QStringLiteral("ink at x %1..%2, y %3..%4; expected x %5..%6, y %7..%8")
                            .arg(printed.left()).arg(printed.right()).arg(printed.top())
                            .arg(printed.bottom()).arg(expected.left()).arg(expected.right())
                            .arg(expected.top()).arg(expected.bottom())));
}

void PrintPaintTest::colourEmojiArePictures() {
    // A PDF or a printer fills outlines; a colour emoji has none, so it goes as a picture.
    if (!QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji")))
        QSKIP("no colour emoji font here");
    CalculatorState state = prepared("", "Receipts \xf0\x9f\xa7\xbe");
    RecordingSheet sheet(600);
    {
        QPainter painter(&sheet);
        qt::paintTapePage(painter, state, 1);
    }
    QCOMPARE(sheet.pictures().size(), std::size_t{1});
    const QRectF picture = sheet.pictures().front();
    // Before the title's trailing space, which ends at 10000 twips, on the header line.
    const double right = (10000 - twipsWide(QStringLiteral(" "))) * 600 / 1440.0;
    QVERIFY2(picture.right() > right - 10 && picture.left() < right - 50,
             qPrintable(QStringLiteral("%1..%2").arg(picture.left()).arg(picture.right())));
    QVERIFY(picture.top() < 250 * 600 / 1440.0 + 10);
}

void PrintPaintTest::paperFollowsTheLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("paper");
    const int letter = QPageSize::Letter, a4 = QPageSize::A4;
    QTest::newRow("en_US.UTF-8") << "en_US.UTF-8" << letter;
    QTest::newRow("fr_CA") << "fr_CA" << letter;
    QTest::newRow("es_MX.UTF-8@euro") << "es_MX.UTF-8@euro" << letter;
    QTest::newRow("en_PH") << "en_PH" << letter;
    QTest::newRow("en_GB.UTF-8") << "en_GB.UTF-8" << a4;
    QTest::newRow("de_DE") << "de_DE" << a4;
    QTest::newRow("es_ES") << "es_ES" << a4;
    QTest::newRow("C.UTF-8") << "C.UTF-8" << a4;
    QTest::newRow("POSIX") << "POSIX" << a4;
    QTest::newRow("empty") << "" << a4;
}

void PrintPaintTest::paperFollowsTheLocale() {
    QFETCH(QString, locale);
    QFETCH(int, paper);
    QCOMPARE(qt::paperForLocale(locale).id(), static_cast<QPageSize::PageSizeId>(paper));
}

QTEST_MAIN(PrintPaintTest)
#include "print_paint_test.moc"
