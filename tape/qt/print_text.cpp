#include "tape/qt/print_text.h"

#include <QGlyphRun>
#include <QHash>
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
// gives a coverage map, a colour font the glyph's colours. Asked once a font, not a page.
bool inColour(const QGlyphRun& run) {
    static QHash<QString, bool> known;
    const QRawFont font = run.rawFont();
    const QString name = font.familyName() + u'/' + font.styleName();
    if (const auto it = known.constFind(name); it != known.constEnd()) return *it;
    for (const quint32 glyph : run.glyphIndexes()) {
        const QImage picture = font.alphaMapForGlyph(glyph, QRawFont::PixelAntialiasing);
        if (picture.isNull()) continue;
        const bool colour = picture.format() == QImage::Format_ARGB32_Premultiplied ||
                            picture.format() == QImage::Format_ARGB32;
        known.insert(name, colour);
        return colour;
    }
    return false;
}

// A run of colour glyphs as a picture, `scale` device pixels a unit, positions from the
// picture's top-left corner.
struct Picture {
    QString font;
    qreal size = 0;
    qreal scale = 0;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    QImage image;

    bool sameAs(const Picture& other) const {
        return font == other.font && size == other.size && scale == other.scale &&
               glyphs == other.glyphs && positions == other.positions;
    }
};

// The pictures made last: the title's is the same on every page, and a note's emoji come
// back on the tape; the same picture each time lets a PDF hold it once.
constexpr qsizetype kKeptPictures = 32;

const QImage& pictureOf(Picture wanted, const QGlyphRun& run, const QRectF& box) {
    static QList<Picture> kept;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        if (!kept[i].sameAs(wanted)) continue;
        // The one used now goes to the front, past the ones to drop first.
        if (i != 0) kept.move(i, 0);
        return kept.front().image;
    }
    QImage image(QSize(static_cast<int>(std::ceil(box.width() * wanted.scale)),
                       static_cast<int>(std::ceil(box.height() * wanted.scale))),
                 QImage::Format_ARGB32_Premultiplied);
    if (!image.isNull()) {
        image.fill(Qt::transparent);
        // Drawn at the picture's size rather than scaled: a colour font keeps bitmaps, which
        // a transformed painter may not draw at all.
        QRawFont font = run.rawFont();
        font.setPixelSize(wanted.size * wanted.scale);
        QGlyphRun sized = run;
        sized.setRawFont(font);
        sized.setPositions(wanted.positions);
        QPainter onPicture(&image);
        onPicture.drawGlyphRun(QPointF(0, 0), sized);
    }
    wanted.image = std::move(image);
    kept.prepend(std::move(wanted));
    if (kept.size() > kKeptPictures) kept.removeLast();
    return kept.front().image;
}

void drawAsPicture(QPainter& painter, const QPointF& origin, const QGlyphRun& run) {
    const QList<QPointF> positions = run.positions();
    if (positions.isEmpty()) return;
    const QRawFont font = run.rawFont();
    const qreal size = font.pixelSize();
    const QList<QPointF> advances = font.advancesForGlyphIndexes(run.glyphIndexes());
    // The glyphs' own boxes are not to be relied on for colour fonts: their advances and the
    // font's height, with a little room, hold them.
    const qreal room = size / 10;
    const qreal baseline = positions.front().y();
    const QRectF box(QPointF(positions.front().x() - room, baseline - font.ascent() - room),
                     QPointF(positions.back().x() + advances.back().x() + room,
                             baseline + font.descent() + room));

    Picture wanted;
    wanted.font = font.familyName() + u'/' + font.styleName();
    wanted.size = size;
    wanted.scale = std::clamp(painter.deviceTransform().map(QLineF(0, 0, 1, 0)).length(),
                              kCoarsestPicture, kFinestPicture);
    wanted.glyphs = run.glyphIndexes();
    wanted.positions.reserve(positions.size());
    for (const QPointF& p : positions) wanted.positions << (p - box.topLeft()) * wanted.scale;

    const qreal scale = wanted.scale;
    // A shared copy of the kept picture: cheap, and safe whatever the cache does next.
    const QImage picture = pictureOf(std::move(wanted), run, box);
    if (picture.isNull()) return;
    painter.drawImage(QRectF(origin + box.topLeft(), QSizeF(picture.size()) / scale), picture);
}

}  // namespace

void drawPrintText(QPainter& painter, const QFont& font, const QPointF& baseline,
                   const QString& text) {
    // The print font has every ASCII character, none in colour: the common case goes as is.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        painter.drawText(baseline, text);
        return;
    }
    QTextLayout layout(text, font);
    QTextOption option;
    option.setTextDirection(painter.layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) return;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    // Without colour, as text: a print preview keeps text as text, but glyph runs as paths.
    if (std::none_of(runs.begin(), runs.end(), inColour)) {
        painter.drawText(baseline, text);
        return;
    }
    // The glyph runs are placed from the line's top; a fallback font may raise it.
    const QPointF origin = baseline - QPointF(0, line.ascent());
    for (const QGlyphRun& run : runs) {
        if (inColour(run))
            drawAsPicture(painter, origin, run);
        else
            painter.drawGlyphRun(origin, run);
    }
}

}  // namespace zovrek::qt
