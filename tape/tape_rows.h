#pragma once
// Which rows of the tape control the tape's lines take when some lines wrap. A line that
// fits takes one row; only the few wider lines are listed, so finding a row or a line costs
// a binary search over them, and a line added at the end costs nothing more on a tape of a
// million lines than on an empty one.

#include <cstddef>
#include <vector>

namespace zovrek {

class TapeRows {
public:
    struct Position {
        std::size_t line = 0;
        std::size_t row = 0;  ///< row within the line
        friend bool operator==(const Position&, const Position&) = default;
    };

    void clear() { wrapped_.clear(); }
    /// Forgets what is known of line `line` and the lines after it: they take one row each
    /// until told otherwise.
    void truncate(std::size_t line);
    /// Line `line`, after every line told so far, takes `rows` rows.
    void setRows(std::size_t line, std::size_t rows);

    std::size_t rowsOf(std::size_t line) const;
    std::size_t firstRow(std::size_t line) const;
    /// The line shown in `row`, and which of its rows that is.
    Position at(std::size_t row) const;
    /// Rows taken by a tape of `lines` lines.
    std::size_t rowCount(std::size_t lines) const;

private:
    struct Wrapped {
        std::size_t line;
        std::size_t firstRow;
        std::size_t rows;
        std::size_t extraAfter() const { return firstRow + rows - 1 - line; }
    };
    std::vector<Wrapped> wrapped_;  // by line
};

}  // namespace zovrek
