#include "engine/utf8.h"

#include <cstdint>
#include <cstring>

namespace zovrek {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

// Eight bytes at a time: most of a tape is ASCII.
std::size_t firstNonAscii(std::string_view text, std::size_t from) {
    while (from + 8 <= text.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + from, sizeof word);
        if ((word & 0x8080808080808080u) != 0) break;
        from += 8;
    }
    while (from < text.size() && static_cast<unsigned char>(text[from]) < 0x80) ++from;
    return from;
}

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
    if (c < least || c > 0x10FFFF || isSurrogate(c)) return b0;
    *next = at + 1 + extra;
    return c;
}

std::size_t previousCharacterStart(std::string_view text, std::size_t end) {
    for (std::size_t back = 1; back <= 4 && back <= end; ++back) {
        const std::size_t start = end - back;
        if ((static_cast<unsigned char>(text[start]) & 0xC0u) == 0x80u) continue;
        std::size_t next = 0;
        decodeUtf8At(text, start, &next);
        return next == end ? start : end - 1;
    }
    return end - 1;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || isSurrogate(c)) c = kReplacement;
    const auto put = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

bool isUtf8(std::string_view text) {
    for (std::size_t at = firstNonAscii(text, 0), next = 0; at < text.size();
         at = firstNonAscii(text, next)) {
        decodeUtf8At(text, at, &next);
        if (next == at + 1) return false;  // a byte beyond ASCII standing alone
    }
    return true;
}

std::string utf8FromLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t ascii = firstNonAscii(text, at);
        out.append(text.substr(at, ascii - at));
        if (ascii == text.size()) break;
        appendUtf8(out, static_cast<unsigned char>(text[ascii]));
        at = ascii + 1;
    }
    return out;
}

std::string toValidUtf8(std::string_view text) {
    if (isUtf8(text)) return std::string(text);
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t at = 0, next = 0; at < text.size(); at = next) {
        const char32_t c = decodeUtf8At(text, at, &next);
        if (next == at + 1)
            appendUtf8(out, c);
        else
            out.append(text.substr(at, next - at));
    }
    return out;
}

std::string utf8FromUtf16le(std::string_view units) {
    const std::size_t count = units.size() / 2;
    const auto unit = [&units](std::size_t i) -> char32_t {
        return static_cast<unsigned char>(units[2 * i]) |
               (static_cast<char32_t>(static_cast<unsigned char>(units[2 * i + 1])) << 8);
    };
    std::string out;
    out.reserve(count + count / 2);
    for (std::size_t i = 0; i < count; ++i) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < count) {
            const char32_t low = unit(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        appendUtf8(out, c);  // a surrogate still standing alone becomes U+FFFD
    }
    return out;
}

}  // namespace zovrek
