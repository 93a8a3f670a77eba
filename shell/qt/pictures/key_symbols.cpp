#include "shell/qt/pictures/key_symbols.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace zovrek::qt::paint {
namespace {

constexpr char16_t kPlus = u'+';
constexpr char16_t kMinus = 0x2212;
constexpr char16_t kTimes = 0x00d7;
constexpr char16_t kDivide = 0x00f7;
constexpr char16_t kEquals = u'=';
constexpr char16_t kRoot = 0x221a;
constexpr char16_t kPoint = u'.';

// The sign's square box and stroke, in device pixels. Box and stroke share their parity,
// so the crossing strokes of + sit exactly in the middle of each other.
struct Grid {
    int left;
    int top;
    int box;
    int stroke;
};

Grid gridFor(const QRectF& face, qreal dpr) {
    const qreal side = std::min(face.height() * 0.5, face.width() * 0.42);
    const int stroke = std::max(2, int(std::lround(side * 0.2 * dpr)));
    int box = int(std::lround(side * dpr));
    if ((box - stroke) % 2 != 0) ++box;
    const int cx = int(std::lround(face.center().x() * dpr));
    const int cy = int(std::lround(face.center().y() * dpr));
    return {cx - box / 2, cy - box / 2, box, stroke};
}

void bar(QPainter& p, const QColor& c, const Grid& g, int y) {
    p.fillRect(QRect(g.left, y, g.box, g.stroke), c);
}

void paintCross(QPainter& p, const QColor& c, const Grid& g) {
    const qreal inset = g.box * 0.06;
    const QRectF r(g.left + inset, g.top + inset, g.box - 2 * inset, g.box - 2 * inset);
    p.setRenderHint(QPainter::Antialiasing);
    // Slanted strokes lose weight to smoothing: a little wider than the bars.
    p.setPen(QPen(c, g.stroke * 1.15, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
}

// A round dot of `size` device pixels on whole pixels, centred on the box's middle line.
void dot(QPainter& p, const QColor& c, const Grid& g, int size, int top) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QRectF(g.left + (g.box - size) / 2, top, size, size));
}

// Dots of the box's parity, so they sit on the same middle line as the bars.
int dotSize(const Grid& g, qreal scale) {
    int size = int(std::lround(g.stroke * scale));
    if ((g.box - size) % 2 != 0) ++size;
    return size;
}

void paintDivide(QPainter& p, const QColor& c, const Grid& g) {
    const int middle = g.top + (g.box - g.stroke) / 2;
    bar(p, c, g, middle);
    const int size = dotSize(g, 1.5);
    const int gap = std::max(1, g.stroke * 3 / 4);
    dot(p, c, g, size, middle - gap - size);
    dot(p, c, g, size, middle + g.stroke + gap);
}

void paintRoot(QPainter& p, const QColor& c, const Grid& g) {
    const qreal w = g.box * 1.25;
    const qreal h = g.box * 1.2;
    const qreal x = g.left + (g.box - w) / 2;
    const qreal y = g.top + (g.box - h) / 2;
    QPainterPath path;
    path.moveTo(x, y + h * 0.58);
    path.lineTo(x + w * 0.16, y + h * 0.5);
    path.lineTo(x + w * 0.38, y + h);
    path.lineTo(x + w * 0.62, y);
    path.lineTo(x + w, y);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(c, g.stroke * 0.8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

}  // namespace

bool isKeySymbol(QStringView label) {
    if (label.size() != 1) return false;
    const char16_t c = label.front().unicode();
    return c == kPlus || c == kMinus || c == kTimes || c == kDivide || c == kEquals || c == kRoot ||
           c == kPoint;
}

void paintKeySymbol(QPainter& painter, const QRectF& face, QStringView label, const QColor& colour,
                    qreal dpr) {
    if (!isKeySymbol(label)) return;
    const Grid g = gridFor(face, dpr);
    painter.save();
    // Work in device pixels, so that the bars fall on whole pixels at any ratio.
    painter.scale(1 / dpr, 1 / dpr);
    const int middle = g.top + (g.box - g.stroke) / 2;
    switch (label.front().unicode()) {
        case kPlus:
            bar(painter, colour, g, middle);
            painter.fillRect(QRect(g.left + (g.box - g.stroke) / 2, g.top, g.stroke, g.box),
                             colour);
            break;
        case kMinus:
            bar(painter, colour, g, middle);
            break;
        case kEquals: {
            // Wider than the other signs, as the equals key is wide.
            const Grid wide{g.left - g.stroke, g.top, g.box + 2 * g.stroke, g.stroke};
            const int gap = g.stroke + g.box / 8;
            const int top = g.top + (g.box - 2 * g.stroke - gap) / 2;
            bar(painter, colour, wide, top);
            bar(painter, colour, wide, top + g.stroke + gap);
            break;
        }
        case kTimes:
            paintCross(painter, colour, g);
            break;
        case kDivide:
            paintDivide(painter, colour, g);
            break;
        case kRoot:
            paintRoot(painter, colour, g);
            break;
        case kPoint: {
            const int size = dotSize(g, 2.5);
            dot(painter, colour, g, size, g.top + (g.box - size) / 2);
            break;
        }
        default:
            break;
    }
    painter.restore();
}

}  // namespace zovrek::qt::paint
