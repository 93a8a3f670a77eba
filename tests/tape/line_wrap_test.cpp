// Breaking a tape line wider than the control into rows: at the spaces after a word, inside
// a word only when it is wider than the control.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tape/line_wrap.h"

namespace zovrek {
namespace {

struct WrapRow {
    const char* name;
    std::string line;
    double width;  // every character is 1 wide
    std::vector<std::string> rows;
};

class LineWrapTest : public testing::TestWithParam<WrapRow> {};

TEST_P(LineWrapTest, BreaksIntoRows) {
    const WrapRow& row = GetParam();
    CharWidths widths;
    widths.fill(1.0);
    std::vector<std::string> rows;
    std::size_t next = 0;
    for (const LineRow& r : wrapLine(row.line, widths, row.width)) {
        EXPECT_EQ(r.begin, next);  // no character lost or repeated
        next = r.end;
        rows.push_back(row.line.substr(r.begin, r.end - r.begin));
    }
    EXPECT_EQ(next, row.line.size());
    EXPECT_EQ(rows, row.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Tape, LineWrapTest,
    testing::Values(
        WrapRow{"fits", " 15.00", 10, {" 15.00"}},
        WrapRow{"empty", "", 10, {""}},
        WrapRow{"exactly_the_width", " 123456789", 10, {" 123456789"}},
        WrapRow{"note_at_words", "Groceries at the market >> 15.00", 12,
                {"Groceries at ", "the market ", ">> 15.00"}},
        WrapRow{"spaces_at_a_break_hang", "ab    cd", 3, {"ab    ", "cd"}},
        WrapRow{"long_number_anywhere", " 12345678901234", 6, {" 12345", "678901", "234"}},
        WrapRow{"long_word_then_words", "abcdefgh ij kl", 5, {"abcde", "fgh ", "ij kl"}},
        WrapRow{"leading_space_is_no_break", " abcdef", 4, {" abc", "def"}},
        WrapRow{"narrower_than_a_character", "ab", 0.5, {"a", "b"}},
        WrapRow{"chinese_breaks_between_characters", "\xe6\x99\x9a\xe9\xa5\xad >> 2.00", 1,
                {"\xe6\x99\x9a", "\xe9\xa5\xad ", ">", "> ", "2", ".", "0", "0"}},
        WrapRow{"accent_stays_with_its_letter", "e\xcc\x81" "e\xcc\x81", 1.5,
                {"e\xcc\x81", "e\xcc\x81"}},
        WrapRow{"joined_emoji_stay_whole", "a\xf0\x9f\x91\xa9\xe2\x80\x8d\xf0\x9f\x92\xbb", 2,
                {"a", "\xf0\x9f\x91\xa9\xe2\x80\x8d\xf0\x9f\x92\xbb"}},
        WrapRow{"stray_byte_is_one_character", "a\xe9" "b", 1, {"a", "\xe9", "b"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LineWrap, WidthsOfEachCharacterCount) {
    CharWidths widths;
    widths.fill(1.0);
    widths['m'] = 3.0;
    EXPECT_EQ(textWidth("mm a", widths), 8.0);
    const std::vector<LineRow> rows = wrapLine("mm aa", widths, 7.0);
    EXPECT_EQ(rows, (std::vector<LineRow>{{0, 3}, {3, 5}}));
}

}  // namespace
}  // namespace zovrek
