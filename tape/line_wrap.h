#pragma once
// Where a tape line too wide for the tape control breaks into rows, as a multi-line edit
// breaks it: after the spaces that end a word, and inside a word only when the word alone
// is wider than the control.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace zovrek {

/// The width of each 8-bit character, in the units of the width to fill.
using CharWidths = std::array<double, 256>;

/// One row of a wrapped line: characters [begin, end) of the line. A row ends after the
/// spaces at its break; they hang past the edge and are not drawn.
struct LineRow {
    std::size_t begin = 0;
    std::size_t end = 0;
    friend bool operator==(const LineRow&, const LineRow&) = default;
};

/// The rows of `line` (without its line break) in `width`; a line that fits, or an empty
/// one, is one row. Every row holds at least one character, so any width makes progress.
std::vector<LineRow> wrapLine(std::string_view line, const CharWidths& widths, double width);

/// The width of `text` drawn on one row.
double textWidth(std::string_view text, const CharWidths& widths);

}  // namespace zovrek
