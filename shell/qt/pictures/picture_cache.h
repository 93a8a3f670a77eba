#pragma once
// Pictures drawn once and kept, by key: for the run, and the finished key and toolbar
// pictures also for later runs, in the user's cache folder, so that a start reads them
// instead of drawing them again.

#include <QHash>
#include <QPixmap>
#include <QString>
#include <string>

namespace zovrek::qt::paint {

/// The store of kept pictures, with those kept by earlier runs read in at its first use;
/// emptied when the application object goes, since pixmaps must not outlive it.
QHash<QString, QPixmap>& pictureCache();

/// True for a device pixel ratio pictures are drawn at; a picture asked for at any other
/// (zero, negative, not a number, absurdly large) is a null pixmap.
inline bool isDrawableRatio(qreal dpr) {
    return dpr > 0 && dpr <= 8;
}

/// How long a picture is kept: for this run, or for later runs as well (a finished picture;
/// the parts pictures are made of are not worth their place in the file).
enum class Keep { ForRun, AcrossRuns };

/// Marks `key` as kept across runs, newly drawn.
void keepAcrossRuns(const QString& key);

/// The picture kept under `key`, drawn by `draw()` the first time.
template <typename Draw>
QPixmap cachedPicture(const QString& key, Draw draw, Keep keep = Keep::ForRun) {
    auto& cache = pictureCache();
    const auto found = cache.constFind(key);
    if (found != cache.constEnd()) return *found;
    QPixmap drawn = draw();
    if (keep == Keep::AcrossRuns && !drawn.isNull()) keepAcrossRuns(key);
    return cache.insert(key, drawn).value();
}

/// What drew this run's pictures (the program, the toolkit, the fonts); pictures kept under
/// another stamp are drawn again.
std::string keptPicturesStamp();

/// Writes the pictures kept across runs to the cache folder when this run drew any of them;
/// quietly nothing when the folder can't be written (they are drawn again next time).
void saveKeptPictures();

}  // namespace zovrek::qt::paint
