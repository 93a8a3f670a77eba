#include "engine/utf8.h"

namespace zovrek {

char32_t decodeUtf8At(std::string_view text, std::size_t at, std::size_t* next) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char b0 = byte(at);
    *next = at + 1;
    if (b0 < 0x80) return b0;
    std::size_t extra = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1, c = b0 & 0x1Fu, least = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2, c = b0 & 0x0Fu, least = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3, c = b0 & 0x07u, least = 0x10000;
    } else {
        return b0;
    }
    if (at + extra >= text.size()) return b0;
    for (std::size_t k = 1; k <= extra; ++k) {
        const unsigned char b = byte(at + k);
        if ((b & 0xC0u) != 0x80u) return b0;
        c = (c << 6) | (b & 0x3Fu);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return b0;
    *next = at + 1 + extra;
    return c;
}

}  // namespace zovrek
