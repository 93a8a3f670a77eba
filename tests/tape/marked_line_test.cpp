#include "tape/marked_line.h"

#include <gtest/gtest.h>

namespace zovrek {
namespace {

const NumberMarks kGerman{",", ".", 3, 3};
const NumberMarks kFrench{",", "\u202f", 3, 3};

struct ColumnCase {
    const char* stored;
    const NumberMarks* marks;
    const char* shown;
    std::size_t storedColumn;
    std::size_t shownColumn;
};

class MarkedLineTest : public testing::TestWithParam<ColumnCase> {};

// Every stored column maps to a drawn one and back to itself, so the caret never lands
// inside a mark nor loses its place.
TEST_P(MarkedLineTest, ColumnsGoBothWays) {
    const ColumnCase& c = GetParam();
    const MarkedLine line(c.stored, *c.marks);
    EXPECT_EQ(line.shown(), c.shown);
    EXPECT_EQ(line.shownColumn(c.storedColumn), c.shownColumn);
    EXPECT_EQ(line.storedColumn(c.shownColumn), c.storedColumn);
    for (std::size_t i = 0; i <= std::string_view(c.stored).size(); ++i)
        EXPECT_EQ(line.storedColumn(line.shownColumn(i)), i) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MarkedLineTest,
    testing::Values(ColumnCase{" 1285.50", &kGerman, " 1.285,50", 2, 2},
                    ColumnCase{" 1285.50", &kGerman, " 1.285,50", 3, 4},
                    ColumnCase{" 1285.50", &kGerman, " 1.285,50", 8, 9},
                    ColumnCase{" -1234567.5", &kFrench, " -1\u202f234\u202f567,5", 9, 15},
                    ColumnCase{" +", &kGerman, " +", 1, 1},
                    ColumnCase{" rent >> 1285.5", &kGerman, " rent >> 1.285,5", 13, 14}));

// A drawn column inside a mark of several bytes falls on the stored character after it.
TEST(MarkedLine, ColumnInsideAGroupMarkIsTheDigitAfterIt) {
    const MarkedLine line("1234", kFrench);
    EXPECT_EQ(line.storedColumn(2), 1u);
    EXPECT_EQ(line.storedColumn(3), 1u);
}

}  // namespace
}  // namespace zovrek
