#pragma once
// Where the player's sounds go: the audio device, or a stand-in in the tests.

#include <QObject>

namespace zovrek::qt {

struct Sound;

class SoundOutput : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// Starts playing `sound`, cutting off the one still playing; false when it cannot play.
    virtual bool start(const Sound& sound) = 0;
    /// Cuts off the sound playing, if any.
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;

signals:
    /// The sound started last has ended or broken off by itself.
    void finished();
};

}  // namespace zovrek::qt
