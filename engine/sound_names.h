#pragma once
// The wave files the keys speak: one place for the names the engine and the sound table share.

#include <string_view>

namespace zovrek {

/// The spoken digit 0..9 ("zeroa.wav" ... "ninea.wav").
std::string_view digitVoice(int digit);

/// The sound of one display character in the result readout ("+", "-", ".", a digit, "e"),
/// or empty for a character passed over silently.
std::string_view readoutSoundOf(char c);

}  // namespace zovrek
