#pragma once
// Number texts: the two display formats and the C-library style reading of a number.

#include <string>
#include <string_view>

namespace zovrek {

/// Texts shown for values that are not finite, by both formats.
inline constexpr std::string_view kInfinityText = "Infinity";
inline constexpr std::string_view kNegInfinityText = "-Infinity";
inline constexpr std::string_view kNotANumberText = "NaN";

/// The leading number of `text`, read as C's atof reads it: leading white space skipped, an
/// optional sign, digits with one optional point, an optional exponent; "inf", "infinity"
/// and "nan" in any case are read too. Text with no leading number gives 0. Never throws.
double parseNumber(std::string_view text);

/// True when `text`, without the white space around it, is one of the texts shown for
/// values that are not finite.
bool isNonFiniteText(std::string_view text);

/// A number as a tape line holds it: C's atof reading, where text that does not start with
/// a digit or point (after white space and a sign) reads as 0, except a whole line that is
/// one of the non-finite texts, which reads as that value. So a note "Info 5" is 0.
double parseTapeNumber(std::string_view text);

/// The floating format: |v| rounded half up on its exact decimal expansion to `digits`
/// significant digits. Exponent form ("1.e+012", "5.e-002") when the exponent of |v|, taken
/// before rounding, is below -1 or above digits - 1; otherwise fixed form with the point
/// always kept ("5.", "0.5", "1000000000000." for 999999999999.6). Negative zero is "0.".
std::string floatingFormat(double v, int digits = 12);

/// Result of the decimal-places format.
struct PlacesText {
    std::string text;      ///< the padded text, e.g. "5.00"
    bool overLong = false; ///< the unpadded text was longer than digits + 2 characters
};

/// The decimal-places format with `places` digits after the point (0..3; a negative value
/// means floating). The value is nudged by 0.00000001 before rounding half up on the exact
/// expansion (so 2.675 gives "2.68" and -2.675 gives "-2.67"); the rounded value is shown
/// in the floating format and padded with zeros to `places` digits after its first point.
/// A value that rounds to zero is shown without a sign.
PlacesText placesFormat(double v, int places, int digits = 12);

}  // namespace zovrek
