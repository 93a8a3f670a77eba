#pragma once
// How every reader of a tape splits it into lines: a line ends at "\r\n", at a bare "\n" or
// at a bare "\r", so a tape made by another program reads the same on screen, in the editor,
// in print and in a spreadsheet.

#include <cstddef>
#include <string_view>

namespace zovrek {

/// One line of a tape: its text without the break, and whether a break ended it.
struct TapeLine {
    std::string_view text;
    bool ended = false;
};

/// Walks the lines of a tape without copying it. Text after the last break is a last line
/// that was not ended; an empty text, or one ending in a break, has no such last line.
class TapeLines {
public:
    explicit TapeLines(std::string_view tape) : tape_(tape) {}

    /// The next line, or false at the end of the tape.
    bool next(TapeLine& line);
    /// Where the line `next` gives next starts.
    std::size_t position() const { return at_; }

private:
    std::string_view tape_;
    std::size_t at_ = 0;
};

/// Where the first line break at or after `from` starts (npos for none); `after` is set to
/// where the text after that break starts.
std::size_t findLineBreak(std::string_view text, std::size_t from, std::size_t* after);

}  // namespace zovrek
