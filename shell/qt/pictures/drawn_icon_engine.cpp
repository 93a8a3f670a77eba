#include "shell/qt/pictures/drawn_icon_engine.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace zovrek::qt {

DrawnIconEngine::DrawnIconEngine(Draw draw, QList<QSize> sizes, std::pair<int, int> drawnRange)
    : draw_(std::move(draw)), sizes_(std::move(sizes)), drawnRange_(drawnRange) {}

QSize DrawnIconEngine::pick(const QSize& size) const {
    const int side = std::min(size.width(), size.height());
    if (side >= drawnRange_.first && side <= drawnRange_.second && side > 0)
        return {side, side};
    QSize best = sizes_.front();
    for (const QSize& s : sizes_)
        if (s.width() <= size.width() && s.height() <= size.height() &&
            s.width() >= best.width())
            best = s;
    return best;
}

QPixmap DrawnIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State,
                                      qreal scale) {
    const QSize chosen = pick(size);
    const QString key = QStringLiteral("%1x%2/%3/%4")
                            .arg(chosen.width()).arg(chosen.height()).arg(int(mode)).arg(scale);
    if (const auto it = drawn_.constFind(key); it != drawn_.constEnd()) return *it;
    QPixmap picture = draw_(chosen, scale);
    if (mode == QIcon::Disabled && qApp) {
        QStyleOption option;
        option.palette = QApplication::palette();
        picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
    }
    drawn_.insert(key, picture);
    return picture;
}

QPixmap DrawnIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1);
}

void DrawnIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                            QIcon::State state) {
    const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1;
    painter->drawPixmap(rect.topLeft(), scaledPixmap(rect.size(), mode, state, dpr));
}

QList<QSize> DrawnIconEngine::availableSizes(QIcon::Mode, QIcon::State) { return sizes_; }

QIconEngine* DrawnIconEngine::clone() const {
    return new DrawnIconEngine(draw_, sizes_, drawnRange_);
}

}  // namespace zovrek::qt
