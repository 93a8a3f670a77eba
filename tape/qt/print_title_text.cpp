#include "tape/qt/print_title_text.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace zovrek::qt {
namespace {

// A picture's resolution, in device pixels per painter unit (a twip): at most the
// device's, and never coarser than 300 dots an inch.
constexpr qreal kFinestPicture = 1.0;
constexpr qreal kCoarsestPicture = 300.0 / 1440.0;

// A font is in colour as a whole; its first glyph with a picture tells: an outline font
// gives a coverage map, a colour font the glyph's colours.
bool inColour(const QGlyphRun& run) {
    const QRawFont font = run.rawFont();
    for (const quint32 glyph : run.glyphIndexes()) {
        const QImage picture = font.alphaMapForGlyph(glyph, QRawFont::PixelAntialiasing);
        if (picture.isNull()) continue;
        return picture.format() == QImage::Format_ARGB32_Premultiplied ||
               picture.format() == QImage::Format_ARGB32;
    }
    return false;
}

void drawAsPicture(QPainter& painter, const QPointF& origin, const QGlyphRun& run) {
    const QList<QPointF> positions = run.positions();
    if (positions.isEmpty()) return;
    QRawFont font = run.rawFont();
    const qreal size = font.pixelSize();
    const QList<QPointF> advances = font.advancesForGlyphIndexes(run.glyphIndexes());
    // The glyphs' own boxes are not to be relied on for colour fonts: their advances and the
    // font's height, with a little room, hold them.
    const qreal room = size / 10;
    const qreal baseline = positions.front().y();
    const QRectF box(QPointF(positions.front().x() - room, baseline - font.ascent() - room),
                     QPointF(positions.back().x() + advances.back().x() + room,
                             baseline + font.descent() + room));
    const qreal scale = std::clamp(painter.deviceTransform().map(QLineF(0, 0, 1, 0)).length(),
                                   kCoarsestPicture, kFinestPicture);

    QImage picture(QSize(static_cast<int>(std::ceil(box.width() * scale)),
                         static_cast<int>(std::ceil(box.height() * scale))),
                   QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull()) return;
    picture.fill(Qt::transparent);
    // Drawn at the picture's size rather than scaled: a colour font keeps bitmaps, which a
    // transformed painter may not draw at all.
    font.setPixelSize(size * scale);
    QList<QPointF> scaled;
    scaled.reserve(positions.size());
    for (const QPointF& p : positions) scaled << (p - box.topLeft()) * scale;
    QGlyphRun sized = run;
    sized.setRawFont(font);
    sized.setPositions(scaled);
    {
        QPainter onPicture(&picture);
        onPicture.drawGlyphRun(QPointF(0, 0), sized);
    }
    painter.drawImage(QRectF(origin + box.topLeft(), QSizeF(picture.size()) / scale), picture);
}

}  // namespace

void drawTitleText(QPainter& painter, const QFont& font, const QPointF& baseline,
                   const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) return;
    // The glyph runs are placed from the line's top; a fallback font may raise it.
    const QPointF origin = baseline - QPointF(0, line.ascent());
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (inColour(run))
            drawAsPicture(painter, origin, run);
        else
            painter.drawGlyphRun(origin, run);
    }
}

}  // namespace zovrek::qt
