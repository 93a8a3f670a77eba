#pragma once
// Where a tape line too wide for the tape control breaks into rows, as a multi-line edit
// breaks it: after the spaces that end a word, and inside a word only when the word alone
// is wider than the control. Lines are UTF-8; a row never splits a character, nor parts a
// character from the marks and joiners that belong to it.

#include <array>
#include <cstddef>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/utf8.h"

namespace zovrek {

/// The width of each character, in the units of the width to fill. The first 256 code points
/// are a table; the others are asked of a measure once and kept.
class CharWidths {
public:
    using Measure = std::function<double(char32_t)>;

    CharWidths() = default;
    /// Widths beyond the table come from `measure`.
    explicit CharWidths(Measure measure) : measure_(std::move(measure)) {}

    /// Every character `width` wide (without a measure, those beyond the table too).
    void fill(double width) {
        table_.fill(width);
        beyond_ = width;
        cache_.clear();
    }
    double& operator[](std::size_t c) { return table_[c]; }
    double operator[](std::size_t c) const { return table_[c]; }
    static constexpr std::size_t size() { return 256; }

    double of(char32_t c) const;

private:
    std::array<double, 256> table_{};
    double beyond_ = 0;
    Measure measure_;
    mutable std::unordered_map<char32_t, double> cache_;
};

/// One row of a wrapped line: bytes [begin, end) of the line. A row ends after the spaces at
/// its break; they hang past the edge and are not drawn.
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
