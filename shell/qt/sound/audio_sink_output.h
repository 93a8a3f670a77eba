#pragma once
// Plays sounds on the default audio output device.

#include "shell/qt/sound/sound_output.h"

#include <QAudioDevice>
#include <QBuffer>
#include <QElapsedTimer>
#include <QTimer>
#include <QtMultimedia/qaudio.h>
#include <chrono>

class QAudioSink;

namespace zovrek::qt {

class AudioSinkOutput final : public SoundOutput {
    Q_OBJECT
public:
    /// The output for the default audio device, or null when there is no device.
    static std::unique_ptr<SoundOutput> forDefaultDevice();

    explicit AudioSinkOutput(const QAudioDevice& device);
    ~AudioSinkOutput() override;

    bool start(const Sound& sound) override;
    void stop() override;
    bool isPlaying() const override;

private:
    void stateChanged(QAudio::State state);
    void finish();
    void dropSink();

    QAudioDevice m_device;
    QAudioSink* m_sink = nullptr;  ///< deleted later: its destructor runs the event loop
    QBuffer m_samples;
    bool m_playing = false;
    QElapsedTimer m_sinceStart;
    std::chrono::milliseconds m_length{0};
    QTimer m_tail;  ///< the samples handed over last are still being heard
};

}  // namespace zovrek::qt
