#include "engine/pasted_number.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "engine/command_ids.h"

namespace zovrek {
namespace {

// The keys as the characters they type.
std::string typed(const std::vector<int>& keys) {
    std::string out;
    for (int id : keys) out += id == cmd::Decimal ? '.' : static_cast<char>('0' + cmd::digitOf(id));
    return out;
}

struct PasteRow {
    const char* name;
    std::string text;
    std::string keys;  // "" when the text holds no number
    bool negative = false;
};
void PrintTo(const PasteRow& row, std::ostream* os) { *os << row.name; }

class PastedNumberTest : public ::testing::TestWithParam<PasteRow> {};

TEST_P(PastedNumberTest, KeysOfTheText) {
    const PasteRow& r = GetParam();
    const auto number = pastedNumber(r.text);
    if (r.keys.empty()) {
        EXPECT_FALSE(number.has_value()) << typed(number->keys);
        return;
    }
    ASSERT_TRUE(number.has_value());
    EXPECT_EQ(typed(number->keys), r.keys);
    EXPECT_EQ(number->negative, r.negative);
}

const std::string k20Digits = "12345678901234567890";

INSTANTIATE_TEST_SUITE_P(
    Texts, PastedNumberTest,
    ::testing::Values(
        PasteRow{"Digit", "5", "5"},
        PasteRow{"AsShown", "50.00", "50.00"},
        PasteRow{"SpacesAround", " \t 12.50 \r\n", "12.50"},
        PasteRow{"LeadingMinus", "-3.5", "3.5", true},
        PasteRow{"Grouped", "1,234.50", "1234.50"},
        PasteRow{"GroupedMillions", "-12,345,678", "12345678", true},
        PasteRow{"LeadingZero", "0.05", "0.05"},
        PasteRow{"PointFirst", ".5", ".5"},
        PasteRow{"AsTheDisplayShowsAWholeNumber", "5.", "5"},
        PasteRow{"DisplayExponentUp", "1.e+012", "1000000000000"},
        PasteRow{"DisplayExponentDown", "5.e-002", ".05"},
        PasteRow{"Exponent", "1.5E3", "1500"},
        PasteRow{"ExponentInsideDigits", "12.5e-1", "1.25"},
        PasteRow{"NegativeExponentForm", "-2.50e2", "250", true},
        PasteRow{"Huge", k20Digits, k20Digits},
        PasteRow{"Empty", "", ""},
        PasteRow{"LoneMinus", "-", ""},
        PasteRow{"LonePoint", ".", ""},
        PasteRow{"Word", "abc", ""},
        PasteRow{"TrailingJunk", "12abc", ""},
        PasteRow{"EuropeanGrouping", "1.234,50", ""},
        PasteRow{"TwoPoints", "1.2.3", ""},
        PasteRow{"PointsInARow", "1..5", ""},
        PasteRow{"ShortGroup", "1,23", ""},
        PasteRow{"SpaceInside", "1 234", ""},
        PasteRow{"TwoSigns", "--5", ""},
        PasteRow{"TwoLines", "5\n6", ""},
        PasteRow{"ExponentWithoutDigits", "1e+", ""},
        PasteRow{"NotFinite", "Infinity", ""},
        PasteRow{"TooManyKeysByExponent", "1e400", ""},
        PasteRow{"TooManyDigits", std::string(kMaxPastedKeys + 1, '7'), ""}),
    [](const auto& row) { return std::string(row.param.name); });

struct MarkedPasteRow {
    const char* text;
    const char* keys;  // "" when the text holds no number
};

class MarkedPasteTest : public ::testing::TestWithParam<MarkedPasteRow> {};

// With German marks: what the display shows comes back as the number it is, the plain
// form still reads as before, and "1285.50" is never taken as grouped digits.
TEST_P(MarkedPasteTest, GermanMarks) {
    const NumberMarks german{",", ".", 3, 3};
    const auto number = pastedNumber(GetParam().text, german);
    if (*GetParam().keys == '\0') {
        EXPECT_FALSE(number.has_value());
        return;
    }
    ASSERT_TRUE(number.has_value());
    EXPECT_EQ(typed(number->keys), GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(Texts, MarkedPasteTest,
                         testing::Values(MarkedPasteRow{" 1.285,50 ", "1285.50"},
                                         MarkedPasteRow{"1.285", "1285"},
                                         MarkedPasteRow{"1285.50", "1285.50"},
                                         MarkedPasteRow{"1285,50", "1285.50"},
                                         MarkedPasteRow{"-0,5", "0.5"},
                                         MarkedPasteRow{"1,2,3", ""}));

}  // namespace
}  // namespace zovrek
