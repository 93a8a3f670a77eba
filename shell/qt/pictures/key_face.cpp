#include "shell/qt/pictures/key_face.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <climits>
#include <iterator>

#include "pictures/key_face_colours.h"
#include "shell/qt/pictures/key_label.h"
#include "shell/qt/pictures/picture_cache.h"

namespace zovrek::qt::paint {
namespace {

constexpr int kEdges = 5;  // outline and bevel around the face, left and right together

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

void fillRounded(QPainter& p, const QRectF& r, qreal radius, const QBrush& brush) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    p.fillPath(path, brush);
}

// The face inside the edges: one pixel further down and right when pressed.
QRectF faceOf(QSize body, bool down) {
    const QRectF r(QPointF(0, 0), body);
    return down ? r.adjusted(3, 3, -2, -2) : r.adjusted(2, 2, -3, -3);
}

// The key without its label; keys of one family and size share it.
QPixmap drawBody(pictures::KeyFace family, QSize body, bool down, qreal dpr) {
    QPixmap pixmap(body * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const auto& colours = pictures::faceColours(family);
    const QColor top = QColor::fromRgb(colours.top);
    const QColor bottom = QColor::fromRgb(colours.bottom);
    const QColor outline = mix(bottom, Qt::black, 0.6);
    const QColor light = mix(top, Qt::white, 0.55);
    const QColor shade = mix(bottom, Qt::black, 0.3);

    const QRectF r(QPointF(0, 0), body);
    const qreal radius = body.height() >= 22 && body.width() >= 22 ? 3.5 : 2.5;
    painter.setRenderHint(QPainter::Antialiasing);
    fillRounded(painter, r, radius, outline);
    // Edges lit from the top left; a pressed key turns them round.
    if (!down) {
        fillRounded(painter, r.adjusted(1, 1, -1, -1), radius - 1, light);
        fillRounded(painter, r.adjusted(2, 2, -1, -1), radius - 1, shade);
    } else {
        fillRounded(painter, r.adjusted(1, 1, -1, -1), radius - 1, mix(light, bottom, 0.4));
        fillRounded(painter, r.adjusted(1, 1, -2, -2), radius - 1, shade);
    }
    const QRectF face = faceOf(body, down);
    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    gradient.setColorAt(0, down ? mix(top, bottom, 0.45) : top);
    gradient.setColorAt(1, down ? mix(bottom, Qt::black, 0.06) : bottom);
    fillRounded(painter, face, radius - 1.5, gradient);
    return pixmap;
}

// The room for the label: the face of the smaller of the two pictures, so that it keeps
// its size when the key is pressed.
QSizeF labelRoom(const pictures::KeyPicture& picture) {
    const QSize up(picture.upWidth, picture.upHeight);
    const QSize down(picture.downWidth, picture.downHeight);
    return QSizeF(up.boundedTo(down)) - QSizeF(kEdges, kEdges);
}

bool isDialogKey(const pictures::KeyPicture& picture) {
    return std::find(std::begin(pictures::kDialogKeys), std::end(pictures::kDialogKeys),
                     picture.name) != std::end(pictures::kDialogKeys);
}

QString labelOf(const pictures::KeyPicture& picture) {
    return QString::fromUtf8(picture.label.data(), qsizetype(picture.label.size()));
}

// The one size of the dialog keys' labels: the smallest of the sizes at which each fits.
int dialogLabelPixels(const QPaintDevice* device) {
    static int pixels = 0;
    if (pixels == 0) {
        pixels = INT_MAX;
        for (const auto& picture : pictures::kPictures)
            if (isDialogKey(picture))
                pixels = std::min(pixels,
                                  fittedLabelPixels(labelOf(picture), labelRoom(picture), device));
    }
    return pixels;
}

}  // namespace

int keyLabelPixels(const pictures::KeyPicture& picture, const QPaintDevice* device) {
    return isDialogKey(picture) ? dialogLabelPixels(device)
                                : fittedLabelPixels(labelOf(picture), labelRoom(picture), device);
}

void paintKey(QPainter& painter, const pictures::KeyPicture& picture, bool down, qreal dpr) {
    const QSize up(picture.upWidth, picture.upHeight);
    const QSize downSize(picture.downWidth, picture.downHeight);
    // A down picture larger than the up one is cut by the button: the key keeps the up size
    // inside it, so that its lower edge stays in sight.
    const QSize body = down ? downSize.boundedTo(up) : up;
    const QString key = QStringLiteral("body %1 %2x%3 %4@%5")
                            .arg(int(picture.face))
                            .arg(body.width())
                            .arg(body.height())
                            .arg(down)
                            .arg(dpr);
    painter.drawPixmap(QPointF(0, 0),
                       cachedPicture(key, [&] { return drawBody(picture.face, body, down, dpr); }));

    // The label keeps its size when the key is pressed, even where the down picture is
    // smaller; pressed it moves with the face.
    QRectF box(QPointF(0, 0), labelRoom(picture));
    const QRectF upFace = faceOf(up, false);
    box.moveCenter(down && body == up ? upFace.center() + QPointF(1, 1)
                                      : faceOf(body, down).center());
    paintKeyLabel(painter, box, labelOf(picture),
                  QColor::fromRgb(pictures::faceColours(picture.face).label), dpr,
                  isDialogKey(picture) ? dialogLabelPixels(painter.device()) : 0);
}

QRectF keyFocusRect(const pictures::KeyPicture& picture, bool down) {
    const QSize up(picture.upWidth, picture.upHeight);
    const QSize downSize(picture.downWidth, picture.downHeight);
    const QSize body = down ? downSize.boundedTo(up) : up;
    return faceOf(body, down);
}

}  // namespace zovrek::qt::paint
