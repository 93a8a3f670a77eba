#include "sound_names.h"

namespace zovrek {

std::string_view digitVoice(int digit) {
    static constexpr std::string_view kDigits[10] = {
        "zeroa.wav", "onea.wav", "twoa.wav",   "threea.wav", "foura.wav",
        "fivea.wav", "sixa.wav", "sevena.wav", "eighta.wav", "ninea.wav"};
    return (digit >= 0 && digit <= 9) ? kDigits[digit] : std::string_view{};
}

std::string_view readoutSoundOf(char c) {
    if (c >= '0' && c <= '9') return digitVoice(c - '0');
    switch (c) {
        case '+': return "plusa.wav";
        case '-': return "minusa.wav";
        case '.': return "pointa.wav";
        case 'e': return "exp.wav";
        default: return {};
    }
}

}  // namespace zovrek
