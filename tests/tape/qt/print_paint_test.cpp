// The paint routine against the page layout it draws: every text where the layout puts it,
// in twips, whatever the device's resolution; and the paper of a locale. (PDF files and
// their pages: tests/cli/pdf_test.cpp and tape_printing_test.cpp.)

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

struct DrawnText {
    QPointF baseline;
    qreal ascent;
    QString text;
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    std::vector<DrawnText> texts;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        // In device units, whatever mapping the painter set.
        const QTransform t = state->transform();
        texts.push_back({t.map(p), item.ascent() * t.m22(), item.text()});
    }
    Type type() const override { return QPaintEngine::User; }
};

// A letter-sized sheet at `dpi`, recording the texts drawn on it.
class RecordingSheet : public QPaintDevice {
public:
    explicit RecordingSheet(int dpi) : dpi_(dpi) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::vector<DrawnText>& texts() const { return engine_.texts; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth: return dpi_ * 17 / 2;
        case PdmHeight: return dpi_ * 11;
        case PdmWidthMM: return 216;
        case PdmHeightMM: return 279;
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
    mutable RecordingEngine engine_;
};

std::string numberedTape(int lines) {
    std::string tape;
    for (int i = 0; i < lines; ++i) tape += " " + std::to_string(i) + ".00\r\n";
    return tape;
}

CalculatorState prepared(const std::string& tape, const std::string& title) {
    CalculatorState state;
    state.m_tape.assign(tape);
    buildPrintLines(state);
    state.m_printTitle = title;
    return state;
}

}  // namespace

class PrintPaintTest : public QObject {
    Q_OBJECT
private slots:
    void textsLandWhereTheLayoutPutsThem_data();
    void textsLandWhereTheLayoutPutsThem();
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
    const auto layout = layoutPrintPage(expected, page, kLineTwips, [](std::string_view text) {
        return static_cast<int>(text.size()) * kCharTwips;
    });

    // Half a device pixel of rounding, and a twip.
    const double tolerance = 1440.0 / dpi / 2 + 1;
    const auto& drawn = sheet.texts();
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
    }
    QCOMPARE(painted.m_printPage, page);
    QCOMPARE(painted.m_printLinesUsed, expected.m_printLinesUsed);
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
