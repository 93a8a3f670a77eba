#include "shell/qt/pictures/picture_cache.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QSet>
#include <cstring>

#include "shell/kept_pictures.h"

namespace zovrek::qt::paint {
namespace {

struct Store {
    QHash<QString, QPixmap> pictures;
    QSet<QString> kept;  // keys of the pictures that go into the file
    bool changed = false;
};

}  // namespace

std::string keptPicturesStamp() {
    const QFileInfo program(QCoreApplication::applicationFilePath());
    const QFileInfo fontCache(QStringLiteral("/var/cache/fontconfig"));
    QCryptographicHash fonts(QCryptographicHash::Sha1);
    for (const QString& family : QFontDatabase::families()) fonts.addData(family.toUtf8() + '\n');
    const QString text =
        QStringLiteral("qt %1; program %2 %3 %4; fonts %5 %6")
            .arg(QString::fromLatin1(qVersion()), program.filePath())
            .arg(program.size())
            .arg(program.lastModified().toMSecsSinceEpoch())
            .arg(QString::fromLatin1(fonts.result().toHex()))
            .arg(fontCache.lastModified().toMSecsSinceEpoch());
    return text.toStdString();
}

namespace {

void readKept(Store& store) {
    const std::string bytes = shell::readKeptPicturesFile();
    if (bytes.empty()) return;
    const auto pictures = shell::decodeKeptPictures(bytes, keptPicturesStamp());
    for (const shell::KeptPicture& p : pictures) {
        QImage image(int(p.width), int(p.height), QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) continue;
        for (int y = 0; y < image.height(); ++y)
            std::memcpy(image.scanLine(y), p.pixels.data() + std::size_t(y) * p.width * 4,
                        std::size_t(p.width) * 4);
        image.setDevicePixelRatio(p.ratio);
        const QString key = QString::fromStdString(p.name);
        store.pictures.insert(key, QPixmap::fromImage(std::move(image)));
        store.kept.insert(key);
    }
}

Store& store() {
    static auto* s = [] {
        auto* made = new Store;
        readKept(*made);
        qAddPostRoutine([] { store().pictures.clear(); });
        return made;
    }();
    return *s;
}

}  // namespace

QHash<QString, QPixmap>& pictureCache() { return store().pictures; }

void keepAcrossRuns(const QString& key) {
    store().kept.insert(key);
    store().changed = true;
}

void saveKeptPictures() {
    Store& s = store();
    if (!s.changed) return;
    s.changed = false;
    std::vector<shell::KeptPicture> pictures;
    for (const QString& key : s.kept) {
        const QPixmap pixmap = s.pictures.value(key);
        if (pixmap.isNull()) continue;
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        shell::KeptPicture p;
        p.name = key.toStdString();
        p.width = std::uint32_t(image.width());
        p.height = std::uint32_t(image.height());
        p.ratio = image.devicePixelRatio();
        p.pixels.reserve(std::size_t(p.width) * p.height * 4);
        for (int y = 0; y < image.height(); ++y)
            p.pixels.append(reinterpret_cast<const char*>(image.constScanLine(y)),
                            std::size_t(p.width) * 4);
        pictures.push_back(std::move(p));
    }
    shell::writeKeptPicturesFile(shell::encodeKeptPictures(keptPicturesStamp(), pictures));
}

}  // namespace zovrek::qt::paint
