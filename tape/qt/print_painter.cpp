#include "tape/qt/print_painter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "shell/qt/qt_text.h"
#include "tape/print_layout.h"
#include "tape/qt/print_text.h"

namespace zovrek::qt {
namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

QFont printFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                      QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(PrintFont::kHeightTwips);
    font.setWeight(static_cast<QFont::Weight>(PrintFont::kWeight));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

CharWidths printCharWidths() {
    CharWidths widths([metrics = QFontMetricsF(printFont())](char32_t c) {
        return metrics.horizontalAdvance(QString::fromUcs4(&c, 1));
    });
    const QFontMetricsF metrics(printFont());
    for (std::size_t c = 0; c < CharWidths::size(); ++c)
        widths[c] = metrics.horizontalAdvance(QChar(static_cast<char16_t>(c)));
    return widths;
}

void paintTapePage(QPainter& painter, CalculatorState& state, int page) {
    const QPaintDevice* device = painter.device();
    const QFont font = printFont();
    const QFontMetricsF metrics(font);
    const int lineHeight = static_cast<int>(std::lround(metrics.height() + metrics.leading()));
    // The printable area in twips. Where the page does not fit it (Letter paper, a printer's
    // wide margins, A5), it is drawn smaller as a whole instead of losing its foot or edge.
    const double dpiX = device->logicalDpiX();
    const double dpiY = device->logicalDpiY();
    const double fit = printPageScale(device->width() * kTwipsPerInch / dpiX,
                                      device->height() * kTwipsPerInch / dpiY, lineHeight);
    painter.save();
    // Twips as the painter's units, as in a twips mapping mode: the font is sized
    // in them, so a device's resolution never rounds the characters' size.
    painter.scale(dpiX / kTwipsPerInch * fit, dpiY / kTwipsPerInch * fit);
    painter.setFont(font);
    painter.setPen(Qt::black);
    // The page reads left to right, whatever a text's script: a note in Arabic or Hebrew keeps
    // its spaces where they are, and its rows end where every line does.
    painter.setLayoutDirection(Qt::LeftToRight);
    const TextWidth width = [&](std::string_view text) {
        return static_cast<int>(std::lround(metrics.horizontalAdvance(uiText(text))));
    };
    // The layout places each text by its top-left corner; Qt draws from the baseline.
    for (const TextPlacement& t : layoutPrintPage(state, page, lineHeight, width))
        drawPrintText(painter, font, QPointF(t.x, -t.y + metrics.ascent()), uiText(t.text));
    painter.restore();
}

bool paintTapePages(QPainter& painter, QPagedPaintDevice& device, CalculatorState& state,
                    int first, int last) {
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage()) return false;
        paintTapePage(painter, state, page);
    }
    return true;
}

}  // namespace zovrek::qt
