#include "engine/number_marks.h"

namespace zovrek {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpace(char c) { return c == ' ' || c == '\t'; }

// Where the number in `text` starts and ends, white space around it left out; false when
// the text is not one number written as the engine writes it: [-]digits[.digits][e±digits].
bool findNumber(std::string_view text, std::size_t* begin, std::size_t* end) {
    std::size_t b = 0, e = text.size();
    while (b < e && isSpace(text[b])) ++b;
    while (e > b && isSpace(text[e - 1])) --e;
    std::size_t i = b;
    if (i < e && text[i] == '-') ++i;
    const std::size_t digits = i;
    while (i < e && isDigit(text[i])) ++i;
    if (i == digits) return false;  // a number starts with a digit: "0.5", never ".5"
    if (i < e && text[i] == '.') {
        ++i;
        while (i < e && isDigit(text[i])) ++i;
    }
    if (i < e && text[i] == 'e') {
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t exponent = i;
        while (i < e && isDigit(text[i])) ++i;
        if (i == exponent) return false;
    }
    if (i != e) return false;
    *begin = b;
    *end = e;
    return true;
}

std::string grouped(std::string_view digits, const NumberMarks& marks) {
    if (marks.group.empty() || marks.firstGroup <= 0) return std::string(digits);
    std::string out;
    // Marks go in from the right: the first group, then groups of the next size.
    std::size_t left = digits.size();
    std::size_t size = static_cast<std::size_t>(marks.firstGroup);
    const std::size_t next = static_cast<std::size_t>(marks.nextGroup > 0 ? marks.nextGroup : marks.firstGroup);
    while (left > size) {
        out.insert(0, std::string(marks.group) + std::string(digits.substr(left - size, size)));
        left -= size;
        size = next;
    }
    out.insert(0, digits.substr(0, left));
    return out;
}

std::string marked(std::string_view text, std::size_t b, std::size_t e, const NumberMarks& marks) {
    std::string out(text.substr(0, b));
    std::size_t i = b;
    if (text[i] == '-') out += text[i++];
    std::size_t intEnd = i;
    while (intEnd < e && isDigit(text[intEnd])) ++intEnd;
    out += grouped(text.substr(i, intEnd - i), marks);
    if (intEnd < e && text[intEnd] == '.') {
        out += marks.decimal;
        ++intEnd;
    }
    out += text.substr(intEnd);
    return out;
}

}  // namespace

std::string markNumber(std::string_view text, const NumberMarks& marks) {
    std::size_t b = 0, e = 0;
    if (marks.plain() || !findNumber(text, &b, &e)) return std::string(text);
    return marked(text, b, e, marks);
}

std::string markTapeLine(std::string_view line, const NumberMarks& marks) {
    if (marks.plain()) return std::string(line);
    const std::size_t marker = line.rfind(">>");
    const std::size_t from = marker == std::string_view::npos ? 0 : marker + 2;
    std::string out(line.substr(0, from));
    out += markNumber(line.substr(from), marks);
    return out;
}

std::string unmarkNumber(std::string_view text, const NumberMarks& marks) {
    if (marks.plain()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    bool decimalSeen = false;
    for (std::size_t i = 0; i < text.size();) {
        if (!marks.group.empty() && !decimalSeen && text.compare(i, marks.group.size(), marks.group) == 0 &&
            i > 0 && isDigit(text[i - 1]) && i + marks.group.size() < text.size() &&
            isDigit(text[i + marks.group.size()])) {
            i += marks.group.size();
            continue;
        }
        if (!decimalSeen && text.compare(i, marks.decimal.size(), marks.decimal) == 0) {
            out += '.';
            i += marks.decimal.size();
            decimalSeen = true;
            continue;
        }
        out += text[i++];
    }
    std::size_t b = 0, e = 0;
    return findNumber(out, &b, &e) ? out : std::string(text);
}

}  // namespace zovrek
