// The locale's marks put into number texts for showing, and taken out again.

#include <gtest/gtest.h>

#include <string>

#include "engine/number_marks.h"

namespace zovrek {
namespace {

const NumberMarks kGerman{",", ".", 3, 3};
const NumberMarks kFrench{",", "\u202f", 3, 3};
const NumberMarks kEnglish{".", ",", 3, 3};
const NumberMarks kIndian{".", ",", 3, 2};

struct MarkRow {
    const char* name;
    NumberMarks marks;
    std::string engine;
    std::string shown;
    bool number = true;  // false: the text is not one number and stays as it is
};

class NumberMarksTest : public testing::TestWithParam<MarkRow> {};

TEST_P(NumberMarksTest, ShownAndBack) {
    const MarkRow& row = GetParam();
    EXPECT_EQ(markTapeLine(row.engine, row.marks), row.shown);
    if (row.number) {
        EXPECT_EQ(unmarkNumber(row.shown, row.marks), row.engine);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberMarksTest,
    testing::Values(
        MarkRow{"german", kGerman, "1285.50", "1.285,50"},
        MarkRow{"french", kFrench, "1285.50", "1\u202f285,50"},
        MarkRow{"english", kEnglish, "1285.50", "1,285.50"},
        MarkRow{"tape_line_keeps_its_space", kGerman, " -1234567.5", " -1.234.567,5"},
        MarkRow{"floating_point_kept", kGerman, "15.", "15,"},
        MarkRow{"short_numbers_have_no_group", kGerman, "999.99", "999,99"},
        MarkRow{"exponent_form", kGerman, "1.5e+012", "1,5e+012"},
        MarkRow{"indian_grouping", kIndian, "123456789.00", "12,34,56,789.00"},
        MarkRow{"huge_fixed_places", kEnglish, "100000000000000000000.00",
                "100,000,000,000,000,000,000.00"},
        MarkRow{"note_number_only", kGerman, "Rent 1000 >> 1200.00", "Rent 1000 >> 1.200,00", false},
        MarkRow{"operator_line", kGerman, " +", " +", false},
        MarkRow{"tag_line", kGerman, " (SQRT)", " (SQRT)", false},
        MarkRow{"clear_mark", kGerman, " @", " @", false},
        MarkRow{"infinity", kGerman, "-Infinity", "-Infinity", false},
        MarkRow{"plain_marks_change_nothing", NumberMarks{}, " 1285.50", " 1285.50"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(NumberMarks, UnmarkLeavesOtherTextAlone) {
    EXPECT_EQ(unmarkNumber("abc", kGerman), "abc");
    EXPECT_EQ(unmarkNumber("1,5", kGerman), "1.5");
    EXPECT_EQ(markNumber("12a", kGerman), "12a");
}

}  // namespace
}  // namespace zovrek
