#include "shell/qt/pictures/keypad_pictures.h"

#include <QPainter>

#include "pictures/key_face_colours.h"
#include "pictures/keypad_picture_table.h"
#include "shell/qt/pictures/key_face.h"
#include "shell/qt/pictures/picture_cache.h"

namespace zovrek::qt {
namespace {

const pictures::KeyPicture* findPicture(QStringView base) {
    for (const auto& p : pictures::kPictures)
        if (base.compare(QLatin1String(p.name.data(), qsizetype(p.name.size())),
                         Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

QPixmap drawKeyPicture(const pictures::KeyPicture& picture, bool down, qreal dpr) {
    const QSize size =
        down ? QSize(picture.downWidth, picture.downHeight) : QSize(picture.upWidth, picture.upHeight);
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint::paintKey(painter, picture, down, dpr);
    return pixmap;
}

}  // namespace

QPixmap keypadPicture(QStringView name, qreal dpr) {
    if (name.size() < 2 || !paint::isDrawableRatio(dpr)) return {};
    const QChar state = name.back().toUpper();
    if (state != u'U' && state != u'D') return {};
    const auto* picture = findPicture(name.chopped(1));
    if (!picture) return {};
    const bool down = state == u'D';
    return paint::cachedPicture(name.toString().toUpper() + u'@' + QString::number(dpr),
                                [&] { return drawKeyPicture(*picture, down, dpr); },
                                paint::Keep::AcrossRuns);
}

void paintKeypadFocus(QPainter& painter, QStringView caption, bool down) {
    const auto* picture = findPicture(caption);
    if (!picture) return;
    // One device-independent pixel on, one off, on the pixel grid at any ratio.
    QPen pen(QColor::fromRgb(pictures::faceColours(picture->face).label), 1, Qt::CustomDashLine,
             Qt::FlatCap, Qt::MiterJoin);
    pen.setDashPattern({1, 1});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF r = paint::keyFocusRect(*picture, down);
    painter.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

int keypadLabelPixels(QStringView caption) {
    const auto* picture = findPicture(caption);
    if (!picture) return 0;
    QPixmap device(1, 1);
    return paint::keyLabelPixels(*picture, &device);
}

QString keypadAccessibleName(QStringView caption) {
    const auto* picture = findPicture(caption);
    return picture ? QString::fromUtf8(picture->accessibleName.data(),
                                    qsizetype(picture->accessibleName.size()))
                : QString();
}

}  // namespace zovrek::qt
