// The rows the tape's lines take: every row belongs to exactly one line, in order, after
// lines are told, forgotten and told again.

#include <gtest/gtest.h>

#include <vector>

#include "tape/tape_rows.h"

namespace zovrek {
namespace {

// Checks `rows` against a tape whose line i takes heights[i] rows, row by row.
void expectRows(const TapeRows& rows, const std::vector<std::size_t>& heights) {
    std::size_t row = 0;
    for (std::size_t line = 0; line < heights.size(); ++line) {
        EXPECT_EQ(rows.firstRow(line), row) << "line " << line;
        EXPECT_EQ(rows.rowsOf(line), heights[line]) << "line " << line;
        for (std::size_t r = 0; r < heights[line]; ++r, ++row)
            EXPECT_EQ(rows.at(row), (TapeRows::Position{line, r})) << "row " << row;
    }
    EXPECT_EQ(rows.rowCount(heights.size()), row);
}

TEST(TapeRows, EveryRowBelongsToOneLine) {
    const std::vector<std::vector<std::size_t>> tapes = {
        {}, {1, 1, 1}, {3}, {1, 3, 1, 1, 2, 1}, {2, 2, 1, 4}, {1, 1, 1, 5}};
    for (const auto& heights : tapes) {
        TapeRows rows;
        for (std::size_t line = 0; line < heights.size(); ++line) rows.setRows(line, heights[line]);
        expectRows(rows, heights);
    }
}

TEST(TapeRows, LinesToldAgainAfterTheirEnd) {
    TapeRows rows;
    for (const std::size_t line : {0, 1, 2, 3}) rows.setRows(line, line == 1 || line == 3 ? 3 : 1);
    // The last two lines change (the last line grew, a line was added): only they are told.
    rows.truncate(2);
    rows.setRows(2, 2);
    rows.setRows(3, 1);
    rows.setRows(4, 4);
    expectRows(rows, {1, 3, 2, 1, 4});
    rows.clear();
    expectRows(rows, {1, 1});
}

}  // namespace
}  // namespace zovrek
