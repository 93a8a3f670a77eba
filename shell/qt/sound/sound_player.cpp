#include "shell/qt/sound/sound_player.h"

namespace zovrek::qt {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(std::string_view, bool) {}

}  // namespace zovrek::qt
