#pragma once
// An icon whose pictures are drawn when a size is first asked for, at the pixel ratio it is
// shown at, instead of all at once when the icon is made.

#include <QHash>
#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <functional>
#include <utility>

namespace zovrek::qt {

class DrawnIconEngine : public QIconEngine {
public:
    /// Draws the picture for a size in device-independent pixels at a pixel ratio.
    using Draw = std::function<QPixmap(const QSize& size, qreal dpr)>;

    /// `sizes` are the sizes the icon lists; a square size asked for within `drawnRange`
    /// (smallest, largest) is drawn as asked, any other takes the nearest listed size.
    DrawnIconEngine(Draw draw, QList<QSize> sizes, std::pair<int, int> drawnRange = {0, 0});

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

private:
    /// The listed size nearest to `size` that fits in it (or the smallest).
    QSize pick(const QSize& size) const;

    Draw draw_;
    QList<QSize> sizes_;
    std::pair<int, int> drawnRange_;
    QHash<QString, QPixmap> drawn_;  // by size, mode and ratio
};

}  // namespace zovrek::qt
