#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zovrek {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct FloatingRow {
    const char* name;
    double value;
    int digits;
    const char* text;
};

class FloatingFormat : public testing::TestWithParam<FloatingRow> {};

TEST_P(FloatingFormat, MatchesTwelveDigitConversion) {
    const auto& row = GetParam();
    EXPECT_EQ(floatingFormat(row.value, row.digits), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FloatingFormat,
    testing::Values(
        FloatingRow{"integral", 5, 12, "5."},
        FloatingRow{"zero", 0, 12, "0."},
        FloatingRow{"negative_zero", -0.0, 12, "0."},
        FloatingRow{"half", 0.5, 12, "0.5"},
        FloatingRow{"fraction_kept", 1234.5678, 12, "1234.5678"},
        FloatingRow{"twelve_digit_integer", 123456789012, 12, "123456789012."},
        FloatingRow{"exponent_taken_before_rounding", 999999999999.6, 12, "1000000000000."},
        FloatingRow{"ten_to_twelve", 1e12, 12, "1.e+012"},
        FloatingRow{"below_tenth", 0.05, 12, "5.e-002"},
        FloatingRow{"sixteen_digits", 1234567890123456, 12, "1.23456789012e+015"},
        FloatingRow{"sixteen_digits_negative", -1234567890123456, 12, "-1.23456789012e+015"},
        FloatingRow{"third", 1.0 / 3, 12, "0.333333333333"},
        FloatingRow{"two_thirds_rounds_up", 2.0 / 3, 12, "0.666666666667"},
        FloatingRow{"tenth", 0.1, 12, "0.1"},
        FloatingRow{"just_below_tenth_carries_exponent", 0.09999999999999999, 12, "1.e-001"},
        FloatingRow{"tiny", 1e-300, 12, "1.e-300"},
        FloatingRow{"smallest_subnormal", 5e-324, 12, "4.94065645841e-324"},
        FloatingRow{"largest", 1.7976931348623157e308, 12, "1.79769313486e+308"},
        // Ties on the exact expansion round half up, where printf would round to even.
        FloatingRow{"fixed_tie_rounds_up", 123456789012.5, 12, "123456789013."},
        FloatingRow{"fixed_below_tie", std::nextafter(123456789012.5, 0.0), 12, "123456789012."},
        FloatingRow{"fixed_above_tie", std::nextafter(123456789012.5, 1e20), 12, "123456789013."},
        FloatingRow{"exponent_tie_rounds_up", 1234567890125, 12, "1.23456789013e+012"},
        FloatingRow{"exponent_below_tie", 1234567890124.999, 12, "1.23456789012e+012"},
        FloatingRow{"short_tie", 0.125, 2, "0.13"},
        FloatingRow{"short_below_tie", std::nextafter(0.125, 0.0), 2, "0.12"},
        FloatingRow{"one_digit_tie", 2.5, 1, "3."},
        FloatingRow{"infinity", kInf, 12, "Infinity"},
        FloatingRow{"negative_infinity", -kInf, 12, "-Infinity"},
        FloatingRow{"not_a_number", std::numeric_limits<double>::quiet_NaN(), 12, "NaN"}),
    [](const auto& p) { return std::string(p.param.name); });

struct PlacesRow {
    const char* name;
    double value;
    int places;
    const char* text;
    bool overLong;
};

class PlacesFormat : public testing::TestWithParam<PlacesRow> {};

TEST_P(PlacesFormat, RoundsAndPads) {
    const auto& row = GetParam();
    const auto result = placesFormat(row.value, row.places);
    EXPECT_EQ(result.text, row.text);
    EXPECT_EQ(result.overLong, row.overLong);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlacesFormat,
    testing::Values(
        PlacesRow{"pads_integral", 5, 2, "5.00", false},
        PlacesRow{"rounds", 1234.5678, 2, "1234.57", false},
        PlacesRow{"rounds_to_zero", 0.001, 2, "0.00", false},
        PlacesRow{"nudge_lifts_stored_tie", 2.675, 2, "2.68", false},
        PlacesRow{"nudge_acts_towards_zero_when_negative", -2.675, 2, "-2.67", false},
        PlacesRow{"negative_rounding_to_zero_unsigned", -0.001, 2, "0.00", false},
        PlacesRow{"small_result_in_exponent_form", 0.05, 2, "5.e-002", false},
        PlacesRow{"large_result_in_exponent_form", 1e12, 2, "1.e+012", false},
        PlacesRow{"three_places", 1.5, 3, "1.500", false},
        PlacesRow{"one_place", 0.25, 1, "0.3", false},
        PlacesRow{"third", 1.0 / 3, 2, "0.33", false},
        PlacesRow{"carry_through_nines", 9.999, 2, "10.00", false},
        PlacesRow{"tie_after_nudge", 0.125, 2, "0.13", false},
        PlacesRow{"just_below_nudge_reach", 0.12499998, 2, "0.12", false},
        PlacesRow{"just_within_nudge_reach", 0.124999995, 2, "0.13", false},
        PlacesRow{"thirteen_digits_shown_in_twelve", 12345678901.125, 2, "12345678901.10",
                  false},
        PlacesRow{"too_long_for_places", -1234567890123456, 2, "-1.23456789012e+015", true},
        PlacesRow{"fourteen_characters_fit", 123456789.125, 2, "123456789.13", false},
        PlacesRow{"huge_three_places", 1e306, 3, "1.e+306", false},
        PlacesRow{"huge_negative_two_places", -1.8e306, 2, "-1.8e+306", false},
        PlacesRow{"largest_one_place", 1.7976931348623157e308, 1, "1.79769313486e+308", true},
        PlacesRow{"floating_setting", 1.0 / 3, -1, "0.333333333333", false},
        PlacesRow{"infinity_unpadded", kInf, 2, "Infinity", false},
        PlacesRow{"not_a_number_unpadded", std::numeric_limits<double>::quiet_NaN(), 3, "NaN",
                  false}),
    [](const auto& p) { return std::string(p.param.name); });

struct ParseRow {
    const char* name;
    const char* text;
    double value;
};

class ParseNumber : public testing::TestWithParam<ParseRow> {};

TEST_P(ParseNumber, ReadsLeadingNumberLikeAtof) {
    const auto& row = GetParam();
    EXPECT_EQ(parseNumber(row.text), row.value) << row.text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseNumber,
    testing::Values(ParseRow{"empty", "", 0}, ParseRow{"display_zero", "0.", 0},
                    ParseRow{"tape_line", " 12.50\r\n", 12.5}, ParseRow{"negative", "-5.", -5},
                    ParseRow{"plus_sign", "+3", 3}, ParseRow{"exponent", "1e3", 1000},
                    ParseRow{"display_exponent", "1.e+012", 1e12},
                    ParseRow{"small_exponent", "5.e-002", 0.05},
                    ParseRow{"dangling_exponent", "1e", 1}, ParseRow{"words", "abc", 0},
                    ParseRow{"leading_point", ".5", 0.5}, ParseRow{"lone_point", ".", 0},
                    ParseRow{"lone_sign", "-", 0}, ParseRow{"infinity", "Infinity", kInf},
                    ParseRow{"negative_infinity", "-Infinity", -kInf},
                    ParseRow{"overflow", "1e999", kInf}, ParseRow{"underflow", "1e-999", 0},
                    ParseRow{"hex_is_not_read", "0x10", 0}, ParseRow{"operator_line", " *", 0},
                    ParseRow{"comma_ends_number", "12,5", 12}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ParseNumber, ReadsNotANumber) { EXPECT_TRUE(std::isnan(parseNumber("NaN"))); }

class ParseTapeNumber : public testing::TestWithParam<ParseRow> {};

TEST_P(ParseTapeNumber, ReadsWordsOnlyAsWholeNonFiniteLines) {
    const auto& row = GetParam();
    EXPECT_EQ(parseTapeNumber(row.text), row.value) << row.text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseTapeNumber,
    testing::Values(ParseRow{"number_line", " 12.50\r\n", 12.5},
                    ParseRow{"signed", "-5", -5}, ParseRow{"leading_point", ".5", 0.5},
                    ParseRow{"note_starting_like_infinity", "Info >> 5", 0},
                    ParseRow{"word", "x5", 0},
                    ParseRow{"infinity_line", " Infinity\r\n", kInf},
                    ParseRow{"negative_infinity_line", "-Infinity\r\n", -kInf},
                    ParseRow{"infinity_with_more", "Infinity 5", 0}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ParseTapeNumber, ReadsNotANumberLine) {
    EXPECT_TRUE(std::isnan(parseTapeNumber(" NaN\r\n")));
    EXPECT_TRUE(isNonFiniteText("\tNaN "));
    EXPECT_FALSE(isNonFiniteText("NaNa"));
}

}  // namespace
}  // namespace zovrek
