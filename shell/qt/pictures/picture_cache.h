#pragma once
// Pictures drawn once and kept for the run, by key.

#include <QHash>
#include <QPixmap>
#include <QString>

namespace zovrek::qt::paint {

/// The store of kept pictures; emptied when the application object goes, since pixmaps
/// must not outlive it.
QHash<QString, QPixmap>& pictureCache();

/// True for a device pixel ratio pictures are drawn at; a picture asked for at any other
/// (zero, negative, not a number, absurdly large) is a null pixmap.
inline bool isDrawableRatio(qreal dpr) {
    return dpr > 0 && dpr <= 8;
}

/// The picture kept under `key`, drawn by `draw()` the first time.
template <typename Draw>
QPixmap cachedPicture(const QString& key, Draw draw) {
    auto& cache = pictureCache();
    const auto found = cache.constFind(key);
    if (found != cache.constEnd()) return *found;
    return cache.insert(key, draw()).value();
}

}  // namespace zovrek::qt::paint
