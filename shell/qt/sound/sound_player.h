#pragma once
// Plays the program's wave files, by plain name.

#include <QObject>
#include <QString>
#include <chrono>
#include <map>
#include <memory>
#include <string_view>

namespace zovrek::qt {

class SoundOutput;
struct Sound;

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    /// Plays on the default audio device, opened at the first sound.
    explicit SoundPlayer(QObject* parent = nullptr);
    /// Plays on `output` instead (tests).
    explicit SoundPlayer(std::unique_ptr<SoundOutput> output, QObject* parent = nullptr);
    ~SoundPlayer() override;

    /// Plays the wave file `name` ("sevena.wav"). Without waiting it returns at once and cuts
    /// off a sound still playing; waiting returns when the sound has ended, holding back user
    /// input meanwhile. A missing file or audio device plays nothing.
    void play(std::string_view name, bool wait);

    /// The longest a waiting play of a sound of `length` holds the program: its length and a
    /// margin for the device to start, should the device never report the end.
    static std::chrono::milliseconds waitLimit(std::chrono::milliseconds length);

private:
    SoundOutput* output();
    const Sound* sound(std::string_view name);
    void waitForEnd(SoundOutput& output, std::chrono::milliseconds limit);

    std::unique_ptr<SoundOutput> m_output;
    std::map<QString, Sound> m_sounds;  ///< by the path they were read from
};

}  // namespace zovrek::qt
