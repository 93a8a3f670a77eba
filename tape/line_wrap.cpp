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
