#include "line_wrap.h"

namespace zovrek {
namespace {

// Characters that belong to the one before them: a row never starts with one.
bool clingsToPrevious(char32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) ||
           (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF) ||
           (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F) || c == 0x200D ||
           (c >= 0x1F3FB && c <= 0x1F3FF) || (c >= 0xE0100 && c <= 0xE01EF) ||
           (c >= 0xE0020 && c <= 0xE007F);
}

}  // namespace

double CharWidths::of(char32_t c) const {
    if (c < table_.size()) return table_[c];
    if (!measure_) return beyond_;
    const auto found = cache_.find(c);
    if (found != cache_.end()) return found->second;
    const double w = measure_(c);
    cache_.emplace(c, w);
    return w;
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
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return b0;
    *next = at + 1 + extra;
    return c;
}

double textWidth(std::string_view text, const CharWidths& widths) {
    double sum = 0;
    for (std::size_t i = 0, next = 0; i < text.size(); i = next)
        sum += widths.of(decodeUtf8At(text, i, &next));
    return sum;
}

std::vector<LineRow> wrapLine(std::string_view line, const CharWidths& widths, double width) {
    std::vector<LineRow> rows;
    std::size_t start = 0;
    do {
        double x = 0;
        std::size_t afterSpaces = 0;  // a break after the spaces that end a word; 0: none yet
        std::size_t lastBreak = 0;    // the last place inside a word a row may end; 0: none
        bool ink = false;             // a character other than a space so far in this row
        std::size_t end = line.size();
        char32_t previous = 0;
        for (std::size_t i = start, next = 0; i < line.size(); i = next) {
            const char32_t c = decodeUtf8At(line, i, &next);
            const bool joined = previous == 0x200D;
            previous = c;
            const double w = widths.of(c);
            if (c == U' ') {
                x += w;
                if (ink) afterSpaces = next;
                continue;
            }
            const bool breakable = i > start && !joined && !clingsToPrevious(c);
            if (breakable) lastBreak = i;
            if (x + w > width && i > start && (afterSpaces != 0 || lastBreak != 0)) {
                end = afterSpaces != 0 ? afterSpaces : lastBreak;
                break;
            }
            x += w;
            ink = true;
        }
        rows.push_back({start, end});
        start = end;
    } while (start < line.size());
    return rows;
}

}  // namespace zovrek
