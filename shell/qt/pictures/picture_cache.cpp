#include "shell/qt/pictures/picture_cache.h"

#include <QCoreApplication>

namespace zovrek::qt::paint {

QHash<QString, QPixmap>& pictureCache() {
    static auto* pictures = [] {
        auto* hash = new QHash<QString, QPixmap>;
        qAddPostRoutine([] { pictureCache().clear(); });
        return hash;
    }();
    return *pictures;
}

}  // namespace zovrek::qt::paint
