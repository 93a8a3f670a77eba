#include "field_exchange.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "engine/number_text.h"

namespace zovrek::dialogs {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k) {
        char x = a[k];
        char y = b[k];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// digits [. digits] with at least one digit, then an optional exponent.
bool isDecimalNumber(std::string_view s) {
    std::size_t k = 0;
    std::size_t digits = 0;
    while (k < s.size() && isDigit(s[k])) ++k, ++digits;
    if (k < s.size() && s[k] == '.') {
        ++k;
        while (k < s.size() && isDigit(s[k])) ++k, ++digits;
    }
    if (digits == 0) return false;
    if (k < s.size() && (s[k] == 'e' || s[k] == 'E')) {
        ++k;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
        std::size_t expDigits = 0;
        while (k < s.size() && isDigit(s[k])) ++k, ++expDigits;
        if (expDigits == 0) return false;
    }
    return k == s.size();
}

}  // namespace

std::string MemoryControls::text(int id) const {
    const auto it = texts.find(id);
    return it == texts.end() ? std::string() : it->second;
}

int MemoryControls::radio(int firstId) const {
    const auto it = radios.find(firstId);
    return it == radios.end() ? -1 : it->second;
}

void MemoryControls::prompt(int id, std::string_view message) {
    prompts.emplace_back(id, std::string(message));
    focusedField = id;
}

std::string rangePrompt(double low, double high) {
    return "Please enter a number between " + fieldText(low) + " and " + fieldText(high) + ".";
}

std::string fieldText(double value) {
    if (std::isnan(value)) return std::string(kNotANumberText);
    if (std::isinf(value)) return std::string(value < 0 ? kNegInfinityText : kInfinityText);
    // to_chars with a precision prints exactly as printf's %.15g does, without the locale.
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string fieldText(int value) { return std::to_string(value); }

std::optional<double> readNumber(std::string_view text) {
    const std::string_view s = trimmed(text);
    std::string_view body = s;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) body.remove_prefix(1);
    const bool named = equalsIgnoringCase(body, "inf") || equalsIgnoringCase(body, "infinity") ||
                       equalsIgnoringCase(body, "nan");
    if (!named && !isDecimalNumber(body)) return std::nullopt;
    return parseNumber(s);
}

std::optional<int> readInteger(std::string_view text) {
    std::string_view s = trimmed(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || !isDigit(s.front())) return std::nullopt;
    // Read the magnitude wide so that -2147483648 is taken.
    long long magnitude = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), magnitude);
    if (error != std::errc() || end != s.data() + s.size()) return std::nullopt;
    const long long value = negative ? -magnitude : magnitude;
    if (value < -2147483648LL || value > 2147483647LL) return std::nullopt;
    return static_cast<int>(value);
}

void DataExchange::fail(int id, std::string_view message) {
    controls_.prompt(id, message);
    failed_ = true;
}

void DataExchange::number(int id, double& member) {
    if (failed_) return;
    if (!reading()) {
        controls_.setText(id, fieldText(member));
        return;
    }
    const auto value = readNumber(controls_.text(id));
    if (!value) return fail(id, kNumberPrompt);
    member = *value;
}

void DataExchange::integer(int id, int& member) {
    if (failed_) return;
    if (!reading()) {
        controls_.setText(id, fieldText(member));
        return;
    }
    const auto value = readInteger(controls_.text(id));
    if (!value) return fail(id, kIntegerPrompt);
    member = *value;
}

void DataExchange::radio(int firstId, int& member) {
    if (failed_) return;
    if (reading())
        member = controls_.radio(firstId);
    else
        controls_.setRadio(firstId, member);
}

void DataExchange::range(int id, double value, double low, double high) {
    if (failed_ || !reading()) return;
    if (!(value >= low && value <= high)) fail(id, rangePrompt(low, high));
}

}  // namespace zovrek::dialogs
