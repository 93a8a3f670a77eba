#pragma once
// A number copied from elsewhere, turned into the keys that type it on the keypad.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/number_marks.h"

namespace zovrek {

/// Longer numbers than this are not typed: no value the calculator holds needs as many keys.
inline constexpr std::size_t kMaxPastedKeys = 400;

struct PastedNumber {
    std::vector<int> keys;  ///< digit and decimal point commands, in typing order
    bool negative = false;  ///< the number had a leading "-": +/- follows the digits
};

/// The keys that type the number `text` holds. White space around it is ignored; a leading
/// "-" makes it negative and a leading "+" is allowed; digits before the point may be grouped
/// by commas in threes ("1,234.50"); an exponent ("1.5e3", or "1.e+012" as the calculator
/// shows it) is written out in digits; a last point without digits after it ("8." as the
/// display shows 8) is left out. Any other text, a second point, a comma elsewhere
/// ("1.234,50") or a number needing more than kMaxPastedKeys keys gives nothing.
std::optional<PastedNumber> pastedNumber(std::string_view text);

/// The same for a user whose numbers are written with `marks`: a number written exactly as
/// they show it ("1.285,50", "1.285" in German) is read their way; any other is read as
/// above, and failing that with their marks taken out ("1285,50").
std::optional<PastedNumber> pastedNumber(std::string_view text, const NumberMarks& marks);

}  // namespace zovrek
