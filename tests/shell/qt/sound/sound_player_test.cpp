// The wave files' lookup and reading, and how long playing holds the program, on a stand-in
// output (there is no audio device where the tests run) and on the real one when absent.

#include "shell/qt/sound/sound_file.h"
#include "shell/qt/sound/sound_output.h"
#include "shell/qt/sound/sound_player.h"
#include "shell/sound_table.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace std::chrono_literals;
using zovrek::qt::SoundPlayer;

namespace {

// Plays nothing, but ends each sound after `endAfter` (never when negative).
class FakeOutput final : public zovrek::qt::SoundOutput {
public:
    std::chrono::milliseconds endAfter{-1};
    QList<std::chrono::milliseconds> started;
    int stops = 0;

    bool start(const zovrek::qt::Sound& sound) override {
        stop();
        started.append(sound.length);
        m_playing = true;
        if (endAfter >= 0ms) {
            const int generation = ++m_generation;
            QTimer::singleShot(endAfter, this, [this, generation] {
                if (m_playing && generation == m_generation) {
                    m_playing = false;
                    emit finished();
                }
            });
        }
        return true;
    }
    void stop() override {
        stops += m_playing ? 1 : 0;
        m_playing = false;
    }
    bool isPlaying() const override { return m_playing; }

private:
    bool m_playing = false;
    int m_generation = 0;
};

QByteArray waveFile(const QByteArray& samples, quint32 claimedSize) {
    auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    QByteArray format = QByteArray::fromHex("01000100" "22560000" "44ac0000" "02001000");
    return "RIFF" + le32(36 + claimedSize) + "WAVEfmt " + le32(16) + format + "data" +
           le32(claimedSize) + samples;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

qint64 millisecondsToPlay(SoundPlayer& player, std::string_view name, bool wait) {
    QElapsedTimer timer;
    timer.start();
    player.play(name, wait);
    return timer.elapsed();
}

}  // namespace

class SoundPlayerTest : public QObject {
    Q_OBJECT
private slots:
    void everySoundIsBuiltInAsShortMonoPcm();
    void spokenWordsInTheDesktopsLanguage();
    void currentFolderComesFirst();
    void onlyPlainKnownNamesAreFound();
    void brokenFilesGiveNothing();
    void waitLimitCoversTheSoundAndCapsIt();
    void playingWithoutWaitingCutsOffTheLastSound();
    void waitingEndsWithTheSoundOrAtTheLimit();
    void missingFileStopsTheLastSoundAndPlaysNothing();
    void withoutDeviceWaitingReturnsAtOnce();
};

void SoundPlayerTest::everySoundIsBuiltInAsShortMonoPcm() {
    for (std::string_view name : zovrek::shell::kSoundNames) {
        const QString path = zovrek::qt::findSound(name);
        QVERIFY2(path.startsWith(":/sounds/"), name.data());
        const auto sound = zovrek::qt::loadSound(path);
        QVERIFY2(sound, name.data());
        QCOMPARE(sound->format.channelCount(), 1);
        QCOMPARE(sound->format.sampleRate(), 22050);
        QCOMPARE(sound->format.sampleFormat(), QAudioFormat::Int16);
        QVERIFY2(sound->length >= 15ms && sound->length <= 1200ms, name.data());
    }
}

void SoundPlayerTest::spokenWordsInTheDesktopsLanguage() {
    using zovrek::qt::spokenLanguage;
    QCOMPARE(spokenLanguage({"de-DE"}), QString("de"));
    QCOMPARE(spokenLanguage({"es-ES", "fr-CA", "de"}), QString("fr"));
    QCOMPARE(spokenLanguage({"en-GB", "de-DE"}), QString());
    QCOMPARE(spokenLanguage({"ja-JP"}), QString());
    QCOMPARE(spokenLanguage({"..", "fr"}), QString("fr"));  // never a folder outside
    // Every word, and only the words, recorded again in each language.
    for (const char* language : {"de", "fr"}) {
        const QStringList words = QDir(QStringLiteral(":/sounds/") + language).entryList(QDir::Files);
        QCOMPARE(words.size(), 21);
        for (const QString& word : words) {
            const auto sound = zovrek::qt::loadSound(QStringLiteral(":/sounds/%1/%2").arg(language, word));
            QVERIFY2(sound && sound->format.channelCount() == 1 &&
                         sound->format.sampleRate() == 22050 && sound->length <= 1200ms,
                     qPrintable(word));
            QVERIFY2(QFileInfo(":/sounds/" + word).isFile(), qPrintable(word));
        }
    }
}

void SoundPlayerTest::currentFolderComesFirst() {
    QTemporaryDir folder;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    writeFile("click.wav", waveFile(QByteArray(2205 * 2, '\0'), 2205 * 2));
    const QString found = zovrek::qt::findSound("click.wav");
    const QString other = zovrek::qt::findSound("chimeup.wav");
    QDir::setCurrent(before);
    QCOMPARE(QFileInfo(found).absoluteFilePath(), folder.filePath("click.wav"));
    QCOMPARE(zovrek::qt::loadSound(found)->length, 100ms);
    QCOMPARE(other, QString(":/sounds/chimeup.wav"));
}

void SoundPlayerTest::onlyPlainKnownNamesAreFound() {
    for (std::string_view name : {"nosuch.wav", "", ".", "..", "sounds/click.wav",
                                  "../sounds/click.wav", "/sounds/click.wav"})
        QVERIFY2(zovrek::qt::findSound(name).isEmpty(), name.data());
}

void SoundPlayerTest::brokenFilesGiveNothing() {
    QTemporaryDir folder;
    const QByteArray valid = waveFile(QByteArray(1000, '\1'), 1000);
    const struct {
        const char* what;
        QByteArray bytes;
        std::chrono::milliseconds length;  // 0: nothing to play
    } cases[] = {
        {"empty", {}, 0ms},
        {"text", "not a wave file at all, just some words", 0ms},
        {"header cut", valid.left(30), 0ms},
        {"no samples", waveFile({}, 0), 0ms},
        {"samples cut short", waveFile(QByteArray(441 * 2, '\1'), 100000), 0ms},
        {"half a frame left over", waveFile(QByteArray(441 * 2 + 1, '\1'), 441 * 2 + 1), 20ms},
    };
    for (const auto& c : cases) {
        const QString path = folder.filePath("broken.wav");
        writeFile(path, c.bytes);
        const auto sound = zovrek::qt::loadSound(path);
        const auto length = sound ? sound->length : 0ms;
        QVERIFY2(length == c.length, c.what);
    }
    QVERIFY(!zovrek::qt::loadSound(folder.filePath("absent.wav")));
}

void SoundPlayerTest::waitLimitCoversTheSoundAndCapsIt() {
    const struct {
        std::chrono::milliseconds length, limit;
    } cases[] = {{0ms, 250ms}, {-5ms, 250ms}, {400ms, 650ms}, {5000ms, 5250ms}, {60000ms, 5250ms}};
    for (const auto& c : cases)
        QCOMPARE(SoundPlayer::waitLimit(c.length), c.limit);
}

void SoundPlayerTest::playingWithoutWaitingCutsOffTheLastSound() {
    auto fake = std::make_unique<FakeOutput>();
    FakeOutput& out = *fake;
    SoundPlayer player(std::move(fake));
    QVERIFY(millisecondsToPlay(player, "divide.wav", false) < 1000);
    player.play("click.wav", false);
    QCOMPARE(out.started.size(), 2);
    QCOMPARE(out.stops, 1);
    QVERIFY(out.isPlaying());
}

void SoundPlayerTest::waitingEndsWithTheSoundOrAtTheLimit() {
    auto fake = std::make_unique<FakeOutput>();
    FakeOutput& out = *fake;
    SoundPlayer player(std::move(fake));

    out.endAfter = 300ms;
    const qint64 untilEnd = millisecondsToPlay(player, "divide.wav", true);
    QVERIFY2(untilEnd >= 290 && untilEnd < 2000, QByteArray::number(untilEnd));
    QVERIFY(!out.isPlaying());

    // An output that never reports the end: the sound's length and the margin.
    out.endAfter = -1ms;
    const qint64 untilLimit = millisecondsToPlay(player, "click.wav", true);
    const auto limit = SoundPlayer::waitLimit(out.started.last()).count();
    QVERIFY2(untilLimit >= limit - 10 && untilLimit < 2000, QByteArray::number(untilLimit));
    QVERIFY(!out.isPlaying());
}

void SoundPlayerTest::missingFileStopsTheLastSoundAndPlaysNothing() {
    auto fake = std::make_unique<FakeOutput>();
    FakeOutput& out = *fake;
    SoundPlayer player(std::move(fake));
    player.play("click.wav", false);
    QVERIFY(millisecondsToPlay(player, "nosuch.wav", true) < 1000);
    QCOMPARE(out.started.size(), 1);
    QVERIFY(!out.isPlaying());
}

void SoundPlayerTest::withoutDeviceWaitingReturnsAtOnce() {
    // Hang check: with no audio device (or one) the longest file never holds long.
    SoundPlayer player;
    const qint64 elapsed = millisecondsToPlay(player, "divide.wav", true) +
                           millisecondsToPlay(player, "nosuch.wav", true);
    QVERIFY2(elapsed < 2000, QByteArray::number(elapsed));
}

QTEST_MAIN(SoundPlayerTest)
#include "sound_player_test.moc"
