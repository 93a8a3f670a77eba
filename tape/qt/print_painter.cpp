#include "tape/qt/print_painter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "tape/print_layout.h"
#include "shell/qt/qt_text.h"

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

void paintTapePage(QPainter& painter, CalculatorState& state, int page) {
    const QPaintDevice* device = painter.device();
    painter.save();
    // Twips as the painter's units, as the original's twips mapping mode: the font is sized
    // in them, so a device's resolution never rounds the characters' size.
    painter.scale(device->logicalDpiX() / kTwipsPerInch, device->logicalDpiY() / kTwipsPerInch);
    const QFont font = printFont();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font);
    const int lineHeight = static_cast<int>(std::lround(metrics.height() + metrics.leading()));
    const TextWidth width = [&](std::string_view text) {
        return static_cast<int>(std::lround(metrics.horizontalAdvance(tapeText(text))));
    };
    // The layout places each text by its top-left corner; Qt draws from the baseline.
    for (const TextPlacement& t : layoutPrintPage(state, page, lineHeight, width))
        painter.drawText(QPointF(t.x, -t.y + metrics.ascent()), tapeText(t.text));
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
