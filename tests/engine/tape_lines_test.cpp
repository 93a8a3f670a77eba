// Every reader splits a tape at "\r\n", "\n" or "\r" alike.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/tape_lines.h"

namespace zovrek {
namespace {

struct SplitRow {
    const char* name;
    std::string tape;
    std::vector<std::string> lines;
    bool lastEnded;
};

class TapeLinesTest : public testing::TestWithParam<SplitRow> {};

TEST_P(TapeLinesTest, SplitsAtEveryKindOfBreak) {
    const SplitRow& row = GetParam();
    TapeLines lines(row.tape);
    std::vector<std::string> texts;
    TapeLine line;
    bool ended = true;
    while (lines.next(line)) {
        texts.emplace_back(line.text);
        ended = line.ended;
    }
    EXPECT_EQ(texts, row.lines);
    EXPECT_EQ(ended, row.lastEnded);
}

INSTANTIATE_TEST_SUITE_P(
    Tape, TapeLinesTest,
    testing::Values(SplitRow{"empty", "", {}, true},
                    SplitRow{"crlf", " 5.00\r\n +\r\n", {" 5.00", " +"}, true},
                    SplitRow{"bare_lf", " 5.00\n +\n", {" 5.00", " +"}, true},
                    SplitRow{"bare_cr", " 5.00\r +\r", {" 5.00", " +"}, true},
                    SplitRow{"mixed_and_blank", "a\r\n\nb\r\rc", {"a", "", "b", "", "c"}, false},
                    SplitRow{"lf_cr_is_two_breaks", "a\n\rb\r\n", {"a", "", "b"}, true}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zovrek
