#pragma once
// Plays the program's wave files, by plain name.

#include <QObject>
#include <string_view>

namespace zovrek::qt {

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    /// Plays the wave file `name` ("sevena.wav"). Without waiting it returns at once and cuts
    /// off a sound still playing; waiting returns when the sound has ended, holding back user
    /// input meanwhile. A missing file or audio device plays nothing.
    void play(std::string_view name, bool wait);
};

}  // namespace zovrek::qt
