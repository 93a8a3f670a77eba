#include "shell/qt/pictures/keypad_pictures.h"

#include <QPainter>

#include "pictures/keypad_picture_table.h"

namespace zovrek::qt {
namespace {

const pictures::PictureSpec* findPicture(QStringView base) {
    for (const auto& p : pictures::kPictures)
        if (base.compare(QLatin1String(p.name.data(), qsizetype(p.name.size())),
                         Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

}  // namespace

// Placeholder faces until the drawn keys land.
QPixmap keypadPicture(QStringView name, qreal dpr) {
    if (name.size() < 2) return {};
    const QChar state = name.back().toUpper();
    if (state != u'U' && state != u'D') return {};
    const auto* spec = findPicture(name.chopped(1));
    if (!spec) return {};
    const bool down = state == u'D';
    const QSize size = down ? QSize(spec->downWidth, spec->downHeight)
                            : QSize(spec->upWidth, spec->upHeight);
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(down ? Qt::gray : Qt::lightGray);
    QPainter p(&pixmap);
    p.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter,
               QString::fromUtf8(spec->label.data(), qsizetype(spec->label.size())));
    return pixmap;
}

QString keypadAccessibleName(QStringView caption) {
    const auto* spec = findPicture(caption);
    return spec ? QString::fromUtf8(spec->accessibleName.data(),
                                    qsizetype(spec->accessibleName.size()))
                : QString();
}

QPixmap toolbarPicture(int index, qreal dpr) {
    QPixmap pixmap(QSize(18, 21) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.drawText(QRect(0, 0, 18, 21), Qt::AlignCenter, QString::number(index));
    return pixmap;
}

QIcon applicationIcon() { return QIcon(toolbarPicture(6, 1)); }

}  // namespace zovrek::qt
