#include "shell/qt/sound/sound_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QWaveDecoder>

#include <algorithm>

namespace zovrek::qt {

namespace {

bool isPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos;
}

// Letters only, so that a language read from the environment ("..") never names a folder
// outside the one it is looked up in.
bool isLanguageCode(const QString& language) {
    return !language.isEmpty() && std::all_of(language.cbegin(), language.cend(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
}

}  // namespace

QString desktopLanguage(const QStringList& uiLanguages, const QString& root) {
    // The desktop's languages in order; English, or the first one there is a folder for,
    // decides.
    for (const QString& ui : uiLanguages) {
        const QString language = ui.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en")) return {};
        if (isLanguageCode(language) && QFileInfo(root + QLatin1Char('/') + language).isDir())
            return language;
    }
    return {};
}

QString spokenLanguage(const QStringList& uiLanguages) {
    return desktopLanguage(uiLanguages, QStringLiteral(":/sounds"));
}

QString findSound(std::string_view name) {
    if (!isPlainName(name))
        return {};
    static const QString language = spokenLanguage(QLocale().uiLanguages());
    const QString file = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (const QString& folder : {QDir::currentPath(), QStringLiteral(ZOVREK_SOUND_DIR),
                                  QStringLiteral(":/sounds")}) {
        // Words in the user's language where they were recorded in it; the others have none.
        if (!language.isEmpty()) {
            const QFileInfo spoken(QDir(folder + QLatin1Char('/') + language), file);
            if (spoken.isFile())
                return spoken.filePath();
        }
        const QFileInfo info(QDir(folder), file);
        if (info.isFile())
            return info.filePath();
    }
    return {};
}

std::optional<Sound> loadSound(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The decoder reads the header at once when the file holds all its header promises; a file
    // cut short is left waiting for more, which here means no format and nothing to play.
    QWaveDecoder decoder(&file);
    if (!decoder.open(QIODevice::ReadOnly))
        return std::nullopt;
    Sound sound;
    sound.format = decoder.audioFormat();
    if (!sound.format.isValid() || sound.format.bytesPerFrame() <= 0)
        return std::nullopt;
    const auto longest = std::chrono::microseconds(kLongestSound).count();
    qint64 limit = sound.format.bytesForDuration(longest);
    if (decoder.size() > 0)  // chunks after the samples are not sound
        limit = std::min(limit, decoder.size());
    sound.pcm = decoder.read(limit);
    // Whole frames only: a stray byte at the end is not a sample.
    sound.pcm.truncate(sound.pcm.size() - sound.pcm.size() % sound.format.bytesPerFrame());
    if (sound.pcm.isEmpty())
        return std::nullopt;
    sound.length = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::microseconds(sound.format.durationForBytes(
            static_cast<qint32>(sound.pcm.size()))));
    return sound;
}

}  // namespace zovrek::qt
