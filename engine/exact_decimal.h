#pragma once
// Exact decimal expansion of a double and half-up rounding on it, for the number formats.

#include <string>

namespace zovrek::detail {

/// A non-negative decimal 0.d1d2d3... x 10^pointPos. `digits` has no leading or trailing
/// zeros; empty means zero. So 123.45 is {"12345", 3} and 0.05 is {"5", -1}.
struct DecimalDigits {
    std::string digits;
    int pointPos = 0;
};

/// The exact expansion of |v| (every finite double has a finite one). v must be finite.
DecimalDigits exactDecimal(double v);

/// Rounds half up so that at most the first `keep` digits remain (`keep` may be zero or
/// negative: the rounding place then lies left of the first digit). A carry that runs off
/// the front raises pointPos.
void roundHalfUp(DecimalDigits& d, int keep);

}  // namespace zovrek::detail
