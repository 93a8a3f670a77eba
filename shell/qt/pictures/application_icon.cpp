// The program's icon: a desk printing calculator with its paper roll behind and the printed
// tape standing out of it, the total in red. Drawn on a 256-unit grid; small sizes leave
// out the detail that would only blur. resources/icons/zovrek.svg is the same design.

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

#include "shell/qt/pictures/drawn_icon_engine.h"
#include "shell/qt/pictures/keypad_pictures.h"
#include "shell/qt/pictures/picture_cache.h"

namespace zovrek::qt {
namespace {

constexpr qreal kGrid = 256;
const QColor kOutline(0x20, 0x23, 0x28);
const QColor kPaperEdge(0x7d, 0x77, 0x69);

void paintRoll(QPainter& p, qreal stroke) {
    QLinearGradient shade(0, 18, 0, 70);
    shade.setColorAt(0, QColor(0xff, 0xff, 0xff));
    shade.setColorAt(0.55, QColor(0xec, 0xe7, 0xda));
    shade.setColorAt(1, QColor(0xc9, 0xc1, 0xab));
    // The roll's side, rounded off at its far end.
    QPainterPath roll(QPointF(60, 18));
    roll.lineTo(196, 18);
    roll.arcTo(QRectF(182, 18, 28, 52), 90, -180);
    roll.lineTo(60, 70);
    roll.closeSubpath();
    p.setPen(QPen(kPaperEdge, stroke));
    p.setBrush(shade);
    p.drawPath(roll);
    p.setBrush(QColor(0xf6, 0xf3, 0xea));
    p.drawEllipse(QPointF(60, 44), 14, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a, 0x73, 0x64));
    p.drawEllipse(QPointF(60, 44), 5, 9);
}

void paintTape(QPainter& p, qreal stroke, bool detailed) {
    // Small sizes get a wider tape, or it is lost in front of the roll.
    const qreal left = detailed ? 84 : 68;
    const qreal step = detailed ? 11 : 15;
    QPolygonF strip;
    for (int i = 0; i <= 8; ++i) strip << QPointF(left + i * step, i % 2 ? 14 : 8);
    strip << QPointF(left + 8 * step, 117) << QPointF(left, 117);
    p.setPen(QPen(kPaperEdge, stroke, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(strip);
    p.setPen(Qt::NoPen);
    // Printed figures, right-aligned as on a tape, the total last and in red.
    const QColor figures(0x6f, 0x74, 0x7c);
    const QColor total(0xd0, 0x34, 0x2c);
    if (detailed) {
        const std::array<qreal, 4> widths{40, 28, 52, 34};
        for (std::size_t i = 0; i < widths.size(); ++i)
            p.fillRect(QRectF(162 - widths[i], 28 + 15 * qreal(i), widths[i], 7), figures);
        p.fillRect(QRectF(102, 89, 60, 3), figures);
        p.fillRect(QRectF(114, 97, 48, 9), total);
    } else {
        p.fillRect(QRectF(100, 30, 76, 18), figures);
        p.fillRect(QRectF(124, 58, 52, 18), figures);
        p.fillRect(QRectF(92, 86, 84, 20), total);
    }
}

void paintBody(QPainter& p, qreal stroke) {
    QPainterPath body;
    body.addRoundedRect(QRectF(16, 104, 224, 140), 22, 22);
    QLinearGradient shade(0, 104, 0, 244);
    shade.setColorAt(0, QColor(0x5f, 0x66, 0x70));
    shade.setColorAt(1, QColor(0x34, 0x38, 0x3f));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(16, 104, 224, 22), QColor(0x73, 0x7a, 0x85));
    p.restore();
    p.setPen(QPen(kOutline, stroke));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x17, 0x19, 0x1c));
    p.drawRoundedRect(QRectF(74, 110, 108, 12), 6, 6);
}

// Seven-segment figures on the display: 1, 2 and 5 with a decimal point.
void paintFigures(QPainter& p) {
    const QColor ink(0x23, 0x2e, 0x22);
    auto seg = [&](qreal x, qreal y, qreal w, qreal h) { p.fillRect(QRectF(x, y, w, h), ink); };
    // "1"
    seg(150, 137, 3, 8), seg(150, 147, 3, 8);
    // "2"
    seg(162, 136, 10, 3), seg(170, 137, 3, 8), seg(162, 144.5, 10, 3), seg(161, 147, 3, 8),
        seg(162, 153, 10, 3);
    seg(176, 153, 3, 3);
    // "5"
    seg(184, 136, 10, 3), seg(183, 137, 3, 8), seg(184, 144.5, 10, 3), seg(192, 147, 3, 8),
        seg(184, 153, 10, 3);
    // "0"
    seg(201, 136, 10, 3), seg(199, 137, 3, 18), seg(209, 137, 3, 18), seg(201, 153, 10, 3);
}

void paintKeys(QPainter& p, bool detailed) {
    const QColor light(0xef, 0xed, 0xe7), dark(0x8c, 0x92, 0x9b);
    const QColor clear(0xe0, 0x4a, 0x3c), equals(0x47, 0xa0, 0x67);
    const QColor shadow(0x1c, 0x1f, 0x23);
    const int columns = detailed ? 5 : 3;
    const int rows = detailed ? 3 : 2;
    const qreal gapX = detailed ? 8.5 : 14;
    const qreal gapY = detailed ? 6 : 10;
    const qreal w = (184 - gapX * (columns - 1)) / columns;
    const qreal h = (60 - gapY * (rows - 1)) / rows;
    p.setPen(Qt::NoPen);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < columns; ++col) {
            const QRectF key(36 + col * (w + gapX), 172 + row * (h + gapY), w, h);
            QColor face = col < columns - 2 ? light : dark;
            if (col == columns - 1) face = row == 0 ? clear : row == rows - 1 ? equals : dark;
            if (!detailed && col == columns - 2) face = light;
            p.setBrush(shadow);
            p.drawRoundedRect(key.translated(0, 3), 4, 4);
            p.setBrush(face);
            p.drawRoundedRect(key, 4, 4);
        }
    }
}

void paintIcon(QPainter& p, int size) {
    const bool detailed = size >= 32;
    // Outlines at least one device pixel wide, or they fade at small sizes.
    const qreal stroke = std::max<qreal>(4, kGrid / size);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    paintRoll(p, stroke);
    paintBody(p, stroke);
    paintTape(p, stroke, detailed);
    p.setPen(QPen(kOutline, std::max<qreal>(3, kGrid / size)));
    p.setBrush(QColor(0xb5, 0xcf, 0xa3));
    p.drawRoundedRect(QRectF(36, 132, 184, 28), 6, 6);
    if (size >= 48) paintFigures(p);
    paintKeys(p, detailed);
}

}  // namespace

QPixmap applicationPicture(int size, qreal dpr) {
    if (size <= 0 || size > kGrid * 4 || !paint::isDrawableRatio(dpr)) return {};
    const QString key = QStringLiteral("ICON%1@%2").arg(size).arg(dpr);
    return paint::cachedPicture(key, [&] {
        const int pixels = qRound(size * dpr);
        QPixmap pixmap(pixels, pixels);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paintIcon(painter, pixels);
        }
        pixmap.setDevicePixelRatio(dpr);
        return pixmap;
    }, paint::Keep::AcrossRuns);
}

QIcon applicationIcon() {
    // Drawn as each size is asked for. The window system takes every size the icon lists,
    // so it lists the small ones; a larger size asked for is drawn all the same.
    return QIcon(new DrawnIconEngine(
        [](const QSize& size, qreal dpr) { return applicationPicture(size.width(), dpr); },
        {{16, 16}, {32, 32}, {48, 48}}, {16, 256}));
}

}  // namespace zovrek::qt
