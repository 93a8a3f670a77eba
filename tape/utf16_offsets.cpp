#include "utf16_offsets.h"

#include <algorithm>

#include "tape/line_wrap.h"

namespace zovrek {
namespace {

std::size_t unitsOf(char32_t c) { return c >= 0x10000 ? 2 : 1; }

}  // namespace

std::size_t utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t i = 0, next = 0; i < text.size(); i = next) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++units;
            next = i + 1;
            continue;
        }
        units += unitsOf(decodeUtf8At(text, i, &next));
    }
    return units;
}

std::size_t utf8OffsetOfUnits(std::string_view text, std::size_t units) {
    std::size_t i = 0;
    for (std::size_t next = 0; i < text.size(); i = next) {
        const std::size_t u = unitsOf(decodeUtf8At(text, i, &next));
        if (u > units) break;
        units -= u;
    }
    return i;
}

void Utf16Offsets::truncate(std::size_t line) {
    const auto it = std::lower_bound(lines_.begin(), lines_.end(), line,
                                     [](const Line& l, std::size_t n) { return l.line < n; });
    lines_.erase(it, lines_.end());
}

void Utf16Offsets::addLine(std::size_t line, std::string_view bytes) {
    // Most lines are ASCII: nothing to keep, and only a glance to tell.
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char b) { return static_cast<unsigned char>(b) < 0x80; }))
        return;
    const std::size_t saved = bytes.size() - utf16Length(bytes);
    if (saved != 0) lines_.push_back({line, this->saved() + saved});
}

std::size_t Utf16Offsets::savedBefore(std::size_t line) const {
    const auto it = std::lower_bound(lines_.begin(), lines_.end(), line,
                                     [](const Line& l, std::size_t n) { return l.line < n; });
    return it == lines_.begin() ? 0 : std::prev(it)->savedThrough;
}

std::size_t Utf16Offsets::lineOfUnits(std::size_t units,
                                      const std::vector<std::size_t>& lineStarts) const {
    // The last line that starts at or before `units`; line starts in units rise with the line.
    std::size_t low = 0, high = lineStarts.size();
    while (high - low > 1) {
        const std::size_t mid = low + (high - low) / 2;
        if (unitsOfLineStart(mid, lineStarts[mid]) <= units)
            low = mid;
        else
            high = mid;
    }
    return low;
}

}  // namespace zovrek
