#include "number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "exact_decimal.h"

namespace zovrek {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithNoCase(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (lower(text[i]) != word[i]) return false;
    return true;
}

std::string nonFiniteText(double v) {
    if (std::isnan(v)) return std::string(kNotANumberText);
    return std::string(v > 0 ? kInfinityText : kNegInfinityText);
}

// The decimal exponent of a number text that from_chars found out of range, to tell an
// overflow (infinity) from an underflow (zero).
long roughExponent(std::string_view mantissa, std::string_view exponent) {
    long e = 0;
    bool seenPoint = false, seenNonZero = false;
    for (char c : mantissa) {
        if (c == '.') {
            seenPoint = true;
        } else if (!seenNonZero && c == '0') {
            if (seenPoint) --e;
        } else {
            seenNonZero = true;
            if (!seenPoint) ++e;
        }
    }
    long x = 0;
    bool negative = false;
    for (char c : exponent) {
        if (c == '-') negative = true;
        if (isDigit(c) && x < 100000000) x = x * 10 + (c - '0');
    }
    return e + (negative ? -x : x);
}

}  // namespace

double parseNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const double sign = negative ? -1.0 : 1.0;

    const std::string_view rest = text.substr(i);
    if (startsWithNoCase(rest, "inf")) return sign * std::numeric_limits<double>::infinity();
    if (startsWithNoCase(rest, "nan")) return std::numeric_limits<double>::quiet_NaN();

    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    const std::size_t mantissaEnd = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) ++j;
            i = j;
        }
    }

    double value = 0;
    const char* first = text.data() + start;
    const char* last = text.data() + i;
    const auto res = std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        const long e = roughExponent(text.substr(start, mantissaEnd - start),
                                     text.substr(mantissaEnd, i - mantissaEnd));
        value = e > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (res.ec != std::errc()) {
        value = 0;
    }
    return sign * value;
}

bool isNonFiniteText(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isSpace(text[begin])) ++begin;
    while (end > begin && isSpace(text[end - 1])) --end;
    const auto word = text.substr(begin, end - begin);
    return word == kInfinityText || word == kNegInfinityText || word == kNotANumberText;
}

double parseTapeNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const bool startsNumber = i < text.size() && (isDigit(text[i]) || text[i] == '.');
    return (startsNumber || isNonFiniteText(text)) ? parseNumber(text) : 0;
}

std::string floatingFormat(double v, int digits) {
    if (!std::isfinite(v)) return nonFiniteText(v);
    if (v == 0) return "0.";
    if (digits < 1) digits = 1;

    std::string out = v < 0 ? "-" : "";
    auto d = detail::exactDecimal(v);
    const int e = d.pointPos - 1;  // exponent before rounding decides the form
    detail::roundHalfUp(d, digits);

    if (e < -1 || e > digits - 1) {
        const int shown = d.pointPos - 1;
        out += d.digits[0];
        out += '.';
        out.append(d.digits, 1);
        out += shown < 0 ? "e-" : "e+";
        const std::string exp = std::to_string(shown < 0 ? -shown : shown);
        if (exp.size() < 3) out.append(3 - exp.size(), '0');
        out += exp;
        return out;
    }

    const auto size = static_cast<int>(d.digits.size());
    if (d.pointPos <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.pointPos), '0');
        out += d.digits;
    } else if (d.pointPos >= size) {
        out += d.digits;
        out.append(static_cast<std::size_t>(d.pointPos - size), '0');
        out += '.';
    } else {
        out.append(d.digits, 0, static_cast<std::size_t>(d.pointPos));
        out += '.';
        out.append(d.digits, static_cast<std::size_t>(d.pointPos));
    }
    return out;
}

PlacesText placesFormat(double v, int places, int digits) {
    if (places < 0 || !std::isfinite(v)) return {floatingFormat(v, digits), false};

    // The nudge lifts values stored just below a tie (2.675) over it; it only ever touches
    // this copy, never the value the calculator goes on with.
    const double nudged = v + 0.00000001;
    auto d = detail::exactDecimal(nudged);
    detail::roundHalfUp(d, d.pointPos + places);

    double r = 0;
    if (!d.digits.empty()) {
        std::string whole = d.digits;
        whole.append(static_cast<std::size_t>(d.pointPos + places) - d.digits.size(), '0');
        static constexpr double kPow10[] = {1, 10, 100, 1000, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
        if (std::from_chars(whole.data(), whole.data() + whole.size(), r).ec == std::errc()) {
            r /= places < 10 ? kPow10[places] : std::pow(10.0, places);
        } else {
            // The digits times 10^places lie beyond the largest double: read the rounded
            // value with its exponent instead, rather than lose it.
            const std::string scaled =
                d.digits + "e" + std::to_string(d.pointPos - static_cast<int>(d.digits.size()));
            std::from_chars(scaled.data(), scaled.data() + scaled.size(), r);
        }
        if (nudged < 0) r = -r;
    }

    PlacesText result{floatingFormat(r, digits), false};
    std::string& t = result.text;
    result.overLong = t.size() > static_cast<std::size_t>(digits) + 2;
    if (!t.empty() && t.find('.') == std::string::npos) t += '.';
    const std::size_t after = t.size() - t.find('.') - 1;
    if (after < static_cast<std::size_t>(places)) t.append(static_cast<std::size_t>(places) - after, '0');
    return result;
}

}  // namespace zovrek
