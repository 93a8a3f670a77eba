// Offsets into a UTF-8 tape in UTF-16 units, as a screen reader asks for them: every place
// in a tape of ASCII, Chinese, Arabic, emoji and a stray byte converts both ways.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/tape_lines.h"
#include "tape/utf16_offsets.h"

namespace zovrek {
namespace {

struct Tape {
    const char* name;
    std::string text;
};

class Utf16OffsetsTest : public testing::TestWithParam<Tape> {};

TEST_P(Utf16OffsetsTest, EveryCharacterStartConvertsBothWays) {
    SCOPED_TRACE(GetParam().name);
    const std::string& text = GetParam().text;
    std::vector<std::size_t> lineStarts{0};
    Utf16Offsets offsets;
    // Lines told one by one as a growing tape tells them; the last one again once it grew.
    for (std::size_t from = 0, after = 0; findLineBreak(text, from, &after) != std::string::npos;
         from = after) {
        offsets.addLine(lineStarts.size() - 1, std::string_view(text).substr(from, after - from));
        lineStarts.push_back(after);
    }
    offsets.addLine(lineStarts.size() - 1, std::string_view(text).substr(lineStarts.back()));
    EXPECT_EQ(text.size() - offsets.saved(), utf16Length(text));

    for (std::size_t line = 0; line < lineStarts.size(); ++line) {
        const std::size_t end = line + 1 < lineStarts.size() ? lineStarts[line + 1] : text.size();
        for (std::size_t at = lineStarts[line]; at <= end; ++at) {
            const std::string_view before = std::string_view(text).substr(0, at);
            const std::size_t units = utf16Length(before);
            // Only character starts: a place inside a character is its start.
            if (utf8OffsetOfUnits(text, units) != at) continue;
            EXPECT_EQ(offsets.unitsOfLineStart(line, lineStarts[line]) +
                          utf16Length(std::string_view(text).substr(lineStarts[line],
                                                                    at - lineStarts[line])),
                      units)
                << "byte " << at;
            if (at < end || line + 1 == lineStarts.size()) {
                EXPECT_EQ(offsets.lineOfUnits(units, lineStarts), line) << "byte " << at;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tape, Utf16OffsetsTest,
    testing::Values(Tape{"ascii", " 5.00\r\n +\r\n 3.00\r\n"},
                    Tape{"chinese note", " 5.00\r\n晚饭 >> 12.00\r\n +\r\n"},
                    Tape{"arabic and emoji", "عشاء >> 1.00\n 🍕 2.00\r 3.00"},
                    Tape{"stray byte", " 1.\xE9\r\n 2.\xF0\x9F\r\n\xF0\x9F\x8D\x95"}));

TEST(Utf16Offsets, InsideASurrogatePairIsTheCharacterStart) {
    const std::string pizza = "a\xF0\x9F\x8D\x95z";  // a, U+1F355 (two units), z
    EXPECT_EQ(utf16Length(pizza), 4u);
    EXPECT_EQ(utf8OffsetOfUnits(pizza, 1), 1u);
    EXPECT_EQ(utf8OffsetOfUnits(pizza, 2), 1u);
    EXPECT_EQ(utf8OffsetOfUnits(pizza, 3), 5u);
    EXPECT_EQ(utf8OffsetOfUnits(pizza, 9), pizza.size());
}

}  // namespace
}  // namespace zovrek
