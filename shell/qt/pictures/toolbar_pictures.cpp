// The toolbar's nine pictures, flat and drawn on an 18 x 21 grid; strokes of one pixel sit
// on half pixels so they stay sharp at any ratio.

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QLinearGradient>
#include <algorithm>
#include <array>

#include "shell/qt/pictures/drawn_icon_engine.h"
#include "shell/qt/pictures/keypad_pictures.h"
#include "shell/qt/pictures/picture_cache.h"

namespace zovrek::qt {
namespace {

constexpr QSize kToolbarPicture(18, 21);

const QColor kInk(0x4a, 0x4f, 0x57);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kPrint(0x9a, 0xa1, 0xab);

QPen ink(const QColor& c = kInk, qreal width = 1) {
    return QPen(c, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

void page(QPainter& p, const QRectF& r, qreal fold) {
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawPath(path);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(QColor(0xd9, 0xdd, 0xe3));
    p.drawPath(corner);
}

void textLines(QPainter& p, qreal left, qreal top, const std::initializer_list<qreal> widths) {
    p.setPen(ink(kPrint));
    qreal y = top;
    for (qreal w : widths) {
        p.drawLine(QPointF(left, y), QPointF(left + w, y));
        y += 2;
    }
}

void paintNew(QPainter& p) {
    page(p, QRectF(3.5, 2.5, 11, 16), 4);
}

void paintOpen(QPainter& p) {
    const QColor edge(0x9c, 0x6b, 0x00);
    p.setPen(ink(edge));
    p.setBrush(QColor(0xe0, 0xa8, 0x2e));
    p.drawPolygon(
        QPolygonF({{1.5, 5.5}, {6.5, 5.5}, {8, 7.5}, {14.5, 7.5}, {14.5, 17.5}, {1.5, 17.5}}));
    p.setBrush(QColor(0xfa, 0xd0, 0x5a));
    p.drawPolygon(QPolygonF({{4.5, 10.5}, {17.5, 10.5}, {14.5, 17.5}, {1.5, 17.5}}));
}

void disk(QPainter& p, const QRectF& r) {
    p.setPen(ink(QColor(0x1c, 0x3d, 0x6e)));
    p.setBrush(QColor(0x3b, 0x6e, 0xb5));
    p.drawRoundedRect(r, 1, 1);
    const qreal w = r.width();
    // The metal shutter with its slot, and the paper label.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xdf, 0xe4, 0xea));
    p.drawRect(QRectF(r.left() + w * 0.25, r.top() + 0.5, w * 0.55, r.height() * 0.32));
    p.setBrush(QColor(0x3b, 0x6e, 0xb5));
    p.drawRect(QRectF(r.left() + w * 0.6, r.top() + 1.5, w * 0.12, r.height() * 0.22));
    p.setBrush(kPaper);
    const QRectF label(r.left() + 2.5, r.top() + r.height() * 0.5, w - 4.5, r.height() * 0.5 - 1);
    p.drawRect(label);
    p.setPen(ink(kPrint));
    p.drawLine(QPointF(label.left() + 1, label.top() + 2.5),
               QPointF(label.right() - 1, label.top() + 2.5));
}

void paintSave(QPainter& p) {
    disk(p, QRectF(1.5, 2.5, 15, 16));
}

void paintSaveAs(QPainter& p) {
    disk(p, QRectF(0.5, 1.5, 13, 14));
    // A pencil writing across the disk's corner.
    p.save();
    p.translate(14, 14);
    p.rotate(45);
    p.setPen(ink(QColor(0x5e, 0x45, 0x0b)));
    p.setBrush(QColor(0xf2, 0xc2, 0x3a));
    p.drawRect(QRectF(-1.75, -7, 3.5, 9));
    p.setBrush(QColor(0xe8, 0x9a, 0x9a));
    p.drawRect(QRectF(-1.75, -9, 3.5, 2));
    p.setBrush(QColor(0xf4, 0xe0, 0xb8));
    p.drawPolygon(QPolygonF({{-1.75, 2}, {1.75, 2}, {0, 5.5}}));
    p.restore();
}

void paintPreview(QPainter& p) {
    page(p, QRectF(1.5, 2.5, 11, 15), 3);
    textLines(p, 3.5, 7.5, {5, 6, 4});
    p.setPen(QPen(QColor(0x33, 0x36, 0x3b), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.5, 16), QPointF(16.8, 18.8));
    p.setPen(QPen(QColor(0x33, 0x36, 0x3b), 1.5));
    p.setBrush(QColor(0xbf, 0xdd, 0xf5, 0xd8));
    p.drawEllipse(QPointF(12, 13), 3.6, 3.6);
}

void paintPrint(QPainter& p) {
    page(p, QRectF(4.5, 1.5, 9, 7), 0);
    p.setPen(ink(QColor(0x3e, 0x42, 0x48)));
    p.setBrush(QColor(0x9d, 0xa3, 0xac));
    p.drawRoundedRect(QRectF(0.5, 7.5, 17, 8), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4c, 0xc2, 0x5a));
    p.drawRect(QRectF(13, 9.5, 2, 1.5));
    page(p, QRectF(3.5, 12.5, 11, 6.5), 0);
    textLines(p, 5.5, 14.5, {6, 4});
}

void paintScientific(QPainter& p) {
    // A key with "f(x)" on it: the light key reads on a light toolbar and on a dark one.
    const QRectF key(0.5, 3.5, 17, 14);
    QLinearGradient face(key.topLeft(), key.bottomLeft());
    face.setColorAt(0, QColor(0xfb, 0xfa, 0xf6));
    face.setColorAt(1, QColor(0xde, 0xda, 0xd1));
    p.setPen(ink());
    p.setBrush(face);
    p.drawRoundedRect(key, 2, 2);

    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("Times New Roman")});
    font.setStyleHint(QFont::Serif);
    font.setItalic(true);
    font.setBold(true);
    font.setPixelSize(10);
    const QString text = QStringLiteral("f(x)");
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
    const QRectF room = key.adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal squeeze = std::min<qreal>(1, room.width() / ink.width());
    p.save();
    p.translate(room.center());
    p.scale(squeeze, 1);
    p.setFont(font);
    p.setPen(QColor(0x15, 0x3a, 0x75));
    p.drawText(QPointF(-ink.center().x(), -ink.center().y()), text);
    p.restore();
}

void paintTopWindow(QPainter& p) {
    // A push pin stuck in at an angle.
    p.save();
    p.translate(10, 9.5);
    p.rotate(35);
    p.setPen(QPen(QColor(0x6b, 0x70, 0x78), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 2), QPointF(0, 9.5));
    p.setPen(ink(QColor(0x8a, 0x1c, 0x14)));
    // A red light enough to stand out on a dark toolbar as on a light one.
    p.setBrush(QColor(0xe8, 0x4a, 0x3a));
    p.drawRoundedRect(QRectF(-5, 0.5, 10, 2.5), 1, 1);
    p.drawRect(QRectF(-2.5, -5, 5, 5.5));
    p.drawRoundedRect(QRectF(-4, -8, 8, 3), 1, 1);
    p.restore();
}

void paintAbout(QPainter& p) {
    p.setPen(ink(QColor(0x1d, 0x4f, 0x9c)));
    p.setBrush(QColor(0x2f, 0x72, 0xd0));
    p.drawEllipse(QPointF(9, 10.5), 7.5, 7.5);
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 3, 15, 15), Qt::AlignCenter, QStringLiteral("?"));
}

using Painter = void (*)(QPainter&);
constexpr std::array<Painter, 9> kToolbarPainters = {paintNew,        paintOpen,      paintSave,
                                                     paintSaveAs,     paintPreview,   paintPrint,
                                                     paintScientific, paintTopWindow, paintAbout};

}  // namespace

QPixmap toolbarPicture(int index, qreal dpr) {
    if (index < 0 || index >= int(kToolbarPainters.size()) || !paint::isDrawableRatio(dpr))
        return {};
    const QString key = QStringLiteral("TOOLBAR%1@%2").arg(index).arg(dpr);
    return paint::cachedPicture(key, [&] {
        QPixmap pixmap(kToolbarPicture * dpr);
        pixmap.setDevicePixelRatio(dpr);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        kToolbarPainters[std::size_t(index)](painter);
        painter.end();
        return pixmap;
    }, paint::Keep::AcrossRuns);
}

QIcon toolbarIcon(int index) {
    return QIcon(new DrawnIconEngine(
        [index](const QSize&, qreal dpr) { return toolbarPicture(index, dpr); },
        {kToolbarPicture}));
}

}  // namespace zovrek::qt
