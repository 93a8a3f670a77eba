#include "exact_decimal.h"

#include <array>
#include <charconv>
#include <cmath>

namespace zovrek::detail {
namespace {

void trimTrailingZeros(std::string& s) {
    const auto last = s.find_last_not_of('0');
    s.erase(last == std::string::npos ? 0 : last + 1);
}

}  // namespace

DecimalDigits exactDecimal(double v) {
    DecimalDigits d;
    v = std::fabs(v);
    if (v == 0) return d;

    // v = f * 2^e with 53 significant bits, so its expansion ends at most 53 - e places
    // after the point; asking to_chars for that many prints it without any rounding.
    int e = 0;
    std::frexp(v, &e);
    const int places = e >= 53 ? 0 : 53 - e;
    std::array<char, 1600> buf;  // 309 integer digits or 1126 places at the extremes
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v,
                                   std::chars_format::fixed, places);

    d.digits.reserve(static_cast<std::size_t>(res.ptr - buf.data()));
    bool seenPoint = false;
    for (const char* p = buf.data(); p != res.ptr; ++p) {
        if (*p == '.') {
            seenPoint = true;
            continue;
        }
        if (d.digits.empty() && *p == '0') {
            if (seenPoint) --d.pointPos;
            continue;
        }
        d.digits.push_back(*p);
        if (!seenPoint) ++d.pointPos;
    }
    trimTrailingZeros(d.digits);
    return d;
}

void roundHalfUp(DecimalDigits& d, int keep) {
    const int size = static_cast<int>(d.digits.size());
    if (keep >= size) return;
    if (keep < 0) {
        d.digits.clear();
        d.pointPos = 0;
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        }
    }
    trimTrailingZeros(d.digits);
    if (d.digits.empty()) d.pointPos = 0;
}

}  // namespace zovrek::detail
