#include "engine/tape_lines.h"

namespace zovrek {

std::size_t findLineBreak(std::string_view text, std::size_t from, std::size_t* after) {
    const std::size_t at = text.find_first_of("\r\n", from);
    if (at == std::string_view::npos) {
        *after = text.size();
        return at;
    }
    *after = at + 1;
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') *after = at + 2;
    return at;
}

bool TapeLines::next(TapeLine& line) {
    if (at_ >= tape_.size()) return false;
    std::size_t after = 0;
    const std::size_t end = findLineBreak(tape_, at_, &after);
    line.ended = end != std::string_view::npos;
    line.text = tape_.substr(at_, (line.ended ? end : tape_.size()) - at_);
    at_ = after;
    return true;
}

}  // namespace zovrek
