#include "shell/qt/sound/sound_player.h"

#include "shell/qt/sound/audio_sink_output.h"
#include "shell/qt/sound/sound_file.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace zovrek::qt {

namespace {
constexpr std::chrono::milliseconds kStartMargin{250};
}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::SoundPlayer(std::unique_ptr<SoundOutput> output, QObject* parent)
    : QObject(parent), m_output(std::move(output)) {}

SoundPlayer::~SoundPlayer() = default;

std::chrono::milliseconds SoundPlayer::waitLimit(std::chrono::milliseconds length) {
    return std::clamp(length, std::chrono::milliseconds(0), kLongestSound) + kStartMargin;
}

void SoundPlayer::play(std::string_view name, bool wait) {
    SoundOutput* out = output();
    if (!out)
        return;
    const Sound* found = sound(name);
    if (!found) {
        out->stop();  // a new sound replaces the old one even when it cannot be found
        return;
    }
    if (out->start(*found) && wait)
        waitForEnd(*out, waitLimit(found->length));
}

SoundOutput* SoundPlayer::output() {
    // Asked at every sound while there is none (Qt keeps the answer, so it costs little), and
    // nothing else is set up without a device.
    if (!m_output)
        m_output = AudioSinkOutput::forDefaultDevice();
    return m_output.get();
}

const Sound* SoundPlayer::sound(std::string_view name) {
    const QString path = findSound(name);
    if (path.isEmpty())
        return nullptr;
    if (auto it = m_sounds.find(path); it != m_sounds.end())
        return &it->second;
    auto loaded = loadSound(path);
    if (!loaded)
        return nullptr;  // read again next time: the file may be repaired meanwhile
    return &m_sounds.emplace(path, std::move(*loaded)).first->second;
}

void SoundPlayer::waitForEnd(SoundOutput& out, std::chrono::milliseconds limit) {
    if (!out.isPlaying())
        return;
    // Keys and clicks stay queued until the sound ends and are then handled in order.
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&out, &SoundOutput::finished, &loop, &QEventLoop::quit);
    deadline.start(limit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (out.isPlaying())  // the device never told the end
        out.stop();
}

}  // namespace zovrek::qt
