#include "pasted_number.h"

#include <string>

#include "command_ids.h"

namespace zovrek {
namespace {

constexpr int kDigitKeys[10] = {cmd::Zero, cmd::One, cmd::Two,   cmd::Three, cmd::Four,
                                cmd::Five, cmd::Six, cmd::Seven, cmd::Eight, cmd::Nine};

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::size_t digitsFrom(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

// The digits before the point, without their grouping commas; false when a comma is out of
// place (groups after the first must have three digits).
bool ungrouped(std::string_view part, std::string& digits) {
    const std::size_t firstComma = part.find(',');
    if (firstComma == std::string_view::npos) {
        digits = part;
        return true;
    }
    if (firstComma == 0 || firstComma > 3) return false;
    digits = part.substr(0, firstComma);
    for (std::size_t i = firstComma; i < part.size(); i += 4) {
        if (part[i] != ',' || i + 4 > part.size()) return false;
        const std::string_view group = part.substr(i + 1, 3);
        if (digitsFrom(group, 0) != 3) return false;
        digits += group;
    }
    return true;
}

void appendDigits(std::vector<int>& keys, std::string_view digits) {
    for (char c : digits) keys.push_back(kDigitKeys[c - '0']);
}

// The keys of intDigits.fracDigits times ten to `exponent`, written out without it.
std::optional<std::vector<int>> writtenOut(const std::string& intDigits,
                                           const std::string& fracDigits, long exponent) {
    std::string digits = intDigits + fracDigits;
    long point = static_cast<long>(intDigits.size()) + exponent;
    std::size_t lead = 0;
    while (lead < digits.size() && digits[lead] == '0') ++lead;
    if (lead == digits.size()) return std::vector<int>{cmd::Zero};
    digits.erase(0, lead);
    point -= static_cast<long>(lead);
    while (static_cast<long>(digits.size()) > point && digits.back() == '0') digits.pop_back();

    const long size = static_cast<long>(digits.size());
    const long count = point <= 0 ? 1 - point + size : point >= size ? point : size + 1;
    if (count > static_cast<long>(kMaxPastedKeys)) return std::nullopt;
    std::vector<int> keys;
    if (point <= 0) {
        keys.push_back(cmd::Decimal);
        keys.insert(keys.end(), static_cast<std::size_t>(-point), cmd::Zero);
        appendDigits(keys, digits);
    } else if (point >= size) {
        appendDigits(keys, digits);
        keys.insert(keys.end(), static_cast<std::size_t>(point - size), cmd::Zero);
    } else {
        appendDigits(keys, std::string_view(digits).substr(0, static_cast<std::size_t>(point)));
        keys.push_back(cmd::Decimal);
        appendDigits(keys, std::string_view(digits).substr(static_cast<std::size_t>(point)));
    }
    return keys;
}

}  // namespace

std::optional<PastedNumber> pastedNumber(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);

    PastedNumber number;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Mantissa: digits (and commas), an optional point and more digits.
    std::size_t i = 0;
    while (i < text.size() && (isDigit(text[i]) || text[i] == ',')) ++i;
    std::string intDigits;
    if (!ungrouped(text.substr(0, i), intDigits)) return std::nullopt;
    const bool hasPoint = i < text.size() && text[i] == '.';
    std::string fracDigits;
    if (hasPoint) {
        const std::size_t end = digitsFrom(text, i + 1);
        fracDigits = text.substr(i + 1, end - i - 1);
        i = end;
    }
    if (intDigits.empty() && fracDigits.empty()) return std::nullopt;

    if (i == text.size()) {
        if (intDigits.size() + fracDigits.size() + (hasPoint ? 1 : 0) > kMaxPastedKeys)
            return std::nullopt;
        appendDigits(number.keys, intDigits);
        // A point with nothing after it ("8." from the display) would only keep = from
        // following: the entry is whole without it.
        if (!fracDigits.empty()) number.keys.push_back(cmd::Decimal);
        appendDigits(number.keys, fracDigits);
        return number;
    }

    // Exponent: "e" or "E", an optional sign, digits, and nothing after them.
    if (text[i] != 'e' && text[i] != 'E') return std::nullopt;
    std::size_t e = i + 1;
    const bool negativeExponent = e < text.size() && text[e] == '-';
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
    const std::size_t end = digitsFrom(text, e);
    if (end == e || end != text.size()) return std::nullopt;
    std::string_view exponentDigits = text.substr(e, end - e);
    while (exponentDigits.size() > 1 && exponentDigits.front() == '0')
        exponentDigits.remove_prefix(1);
    if (exponentDigits.size() > 5) return std::nullopt;  // far beyond any key count
    long exponent = std::stol(std::string(exponentDigits));
    if (negativeExponent) exponent = -exponent;

    auto keys = writtenOut(intDigits, fracDigits, exponent);
    if (!keys) return std::nullopt;
    number.keys = std::move(*keys);
    return number;
}

std::optional<PastedNumber> pastedNumber(std::string_view text, const NumberMarks& marks) {
    if (marks.plain()) return pastedNumber(text);
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t' || text[b] == '\r' || text[b] == '\n')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t' || text[e - 1] == '\r' ||
                     text[e - 1] == '\n'))
        --e;
    const std::string_view trimmed = text.substr(b, e - b);
    // The same text can be read both ways ("1.285"): as shown here wins.
    const std::string plain = unmarkNumber(trimmed, marks);
    if (plain != trimmed && markNumber(plain, marks) == trimmed) return pastedNumber(plain);
    if (auto number = pastedNumber(trimmed)) return number;
    return pastedNumber(plain);
}

}  // namespace zovrek
