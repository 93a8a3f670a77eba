#include "shell/qt/sound/audio_sink_output.h"

#include "shell/qt/sound/sound_file.h"

#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>

namespace zovrek::qt {

namespace {
// Asked for anew at every start: a reused sink otherwise takes over what the server granted
// last time, which shrinks from sound to sound until the sound stalls.
constexpr qint64 kBufferMicroseconds = 100'000;
}  // namespace

std::unique_ptr<SoundOutput> AudioSinkOutput::forDefaultDevice() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return nullptr;
    return std::make_unique<AudioSinkOutput>(device);
}

AudioSinkOutput::AudioSinkOutput(const QAudioDevice& device) : m_device(device) {
    m_tail.setSingleShot(true);
    m_tail.setTimerType(Qt::PreciseTimer);
    connect(&m_tail, &QTimer::timeout, this, &AudioSinkOutput::finish);
}

AudioSinkOutput::~AudioSinkOutput() { dropSink(); }

bool AudioSinkOutput::start(const Sound& sound) {
    stop();
    if (!m_device.isFormatSupported(sound.format))
        return false;
    // One sink serves as long as the files share a format, which ours all do. Deleting one
    // here would run the event loop, and with it the user's next key, inside this key.
    if (m_sink && m_sink->format() != sound.format)
        dropSink();
    if (!m_sink) {
        m_sink = new QAudioSink(m_device, sound.format);
        connect(m_sink, &QAudioSink::stateChanged, this, &AudioSinkOutput::stateChanged);
    }
    m_samples.setData(sound.pcm);
    m_samples.open(QIODevice::ReadOnly);
    m_sink->setBufferSize(sound.format.bytesForDuration(kBufferMicroseconds));
    m_playing = true;
    m_length = sound.length;
    m_sinceStart.start();
    m_sink->start(&m_samples);
    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        stop();
        return false;
    }
    return true;
}

void AudioSinkOutput::stop() {
    m_playing = false;  // first, so the sink's own state change does not report an end
    m_tail.stop();
    if (m_sink)
        m_sink->stop();
    m_samples.close();
}

bool AudioSinkOutput::isPlaying() const { return m_playing; }

void AudioSinkOutput::stateChanged(QAudio::State state) {
    if (!m_playing || m_tail.isActive())
        return;
    if (state == QAudio::StoppedState) {  // the device failed
        finish();
    } else if (state == QAudio::IdleState) {
        // Every sample is handed over, but the device's buffer still sounds: the sound ends
        // no sooner than its length after the start. The stream is left to drain.
        const auto heard = std::chrono::milliseconds(m_sinceStart.elapsed());
        m_tail.start(std::max(m_length - heard, std::chrono::milliseconds(0)));
    }
}

void AudioSinkOutput::finish() {
    if (!m_playing)
        return;
    m_playing = false;
    emit finished();
}

void AudioSinkOutput::dropSink() {
    if (!m_sink)
        return;
    m_sink->stop();
    m_sink->disconnect(this);
    m_sink->deleteLater();
    m_sink = nullptr;
}

}  // namespace zovrek::qt
