#include "tape_csv.h"

#include <ostream>

#include "engine/number_text.h"
#include "engine/tape_lines.h"
#include "engine/utf8.h"
#include "tape_reevaluation.h"

namespace zovrek {
namespace {

constexpr std::string_view kNoteMarker = ">>";

bool isBlankChar(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlankChar(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlankChar(text.back())) text.remove_suffix(1);
    return text;
}

// A part of a line in editing form as it is printed: separators back to spaces.
std::string unmarked(std::string_view part) {
    std::string out(part);
    for (char& c : out)
        if (c == TapeReevaluation::m_separator) c = ' ';
    return out;
}

std::size_t digitsFrom(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

// The first number written in `entry`, with its sign and exponent ("-5", "1.e+012").
std::string_view printedNumber(std::string_view entry) {
    if (isNonFiniteText(entry)) return entry;
    for (std::size_t i = 0; i < entry.size(); ++i) {
        const bool starts = isDigit(entry[i]) ||
                            (entry[i] == '.' && i + 1 < entry.size() && isDigit(entry[i + 1]));
        if (!starts) continue;
        const std::size_t begin = i > 0 && entry[i - 1] == '-' ? i - 1 : i;
        std::size_t end = digitsFrom(entry, i);
        if (end < entry.size() && entry[end] == '.') end = digitsFrom(entry, end + 1);
        if (end < entry.size() && (entry[end] == 'e' || entry[end] == 'E')) {
            std::size_t e = end + 1;
            if (e < entry.size() && (entry[e] == '+' || entry[e] == '-')) ++e;
            if (e < entry.size() && isDigit(entry[e])) end = digitsFrom(entry, e);
        }
        return entry.substr(begin, end - begin);
    }
    return {};
}

std::string_view kindOf(EntryReading reading, std::string_view entry, bool afterEquals) {
    switch (reading) {
    case EntryReading::Number: return afterEquals ? "total" : "number";
    case EntryReading::Equals:
    case EntryReading::Operator:
        // A tag in brackets, "(%)", is a label like "(SQRT)", not an operator line.
        return entry.starts_with('(') ? "function" : "operator";
    case EntryReading::Function: return "function";
    case EntryReading::Clear: return "clear";
    case EntryReading::Blank:
    case EntryReading::Nothing: break;
    }
    return "blank";
}

/// Reads the tape line by line and hands each row to `take`.
template <class Take>
void forEachRow(std::string_view tape, Take&& take) {
    bool afterEquals = false;
    std::size_t number = 0;
    TapeLines lines(tape);
    TapeLine line;
    while (lines.next(line)) {
        const std::string marked = markSeparators(line.text);
        const auto [notePart, entryPart] = splitTapeLine(marked);
        const EntryReading reading = readEntry(entryPart);

        TapeCsvRow row;
        row.line = ++number;
        std::string note = unmarked(notePart);
        if (const std::size_t marker = note.find(kNoteMarker); marker != std::string::npos)
            note.resize(marker);
        row.note = trimmed(note);
        row.entry = trimmed(unmarked(entryPart));
        if (reading == EntryReading::Number) row.value = printedNumber(row.entry);
        row.kind = kindOf(reading, row.entry, afterEquals);
        take(row);

        afterEquals = reading == EntryReading::Equals;
    }
}

// A number as a spreadsheet reads one: "-5", "12.50", "5.", ".5", "1.e+012".
bool isPlainNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t whole = digitsFrom(text, i);
    std::size_t end = whole;
    bool digits = whole > i;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fraction = digitsFrom(text, end + 1);
        digits = digits || fraction > end + 1;
        end = fraction;
    }
    if (!digits) return false;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t e = end + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        const std::size_t exponent = digitsFrom(text, e);
        if (exponent == e) return false;
        end = exponent;
    }
    return end == text.size();
}

// A spreadsheet takes a cell that begins with one of these as a formula, which may call
// other programs or fetch addresses ("=HYPERLINK(...)", "@SUM(...)", "+cmd|...").
bool looksLikeFormula(std::string_view text) {
    if (text.empty() || std::string_view("=+-@\t\r").find(text.front()) == std::string_view::npos)
        return false;
    // The tape's own operator and clear lines are plain and harmless, and numbers stay
    // numbers.
    if (text == "+" || text == "-" || text == "=" || text == "@") return false;
    return !isPlainNumber(text);
}

void writeField(std::ostream& out, std::string_view text) {
    // A tape read from a file is valid UTF-8; a stray byte goes as its Latin-1 character.
    const std::string utf8 = toValidUtf8(text);
    const bool quoted = utf8.find_first_of(",\"\r\n") != std::string::npos;
    if (quoted) out << '"';
    // The apostrophe makes a formula-like text plain text, and spreadsheets hide it.
    if (looksLikeFormula(utf8)) out << '\'';
    for (const char c : utf8) {
        if (c == '"')
            out << "\"\"";
        else
            out << c;
    }
    if (quoted) out << '"';
}

}  // namespace

std::vector<TapeCsvRow> tapeCsvRows(std::string_view tape) {
    std::vector<TapeCsvRow> rows;
    forEachRow(tape, [&](TapeCsvRow& row) { rows.push_back(std::move(row)); });
    return rows;
}

void forEachTapeCsvRow(std::string_view tape, const std::function<void(const TapeCsvRow&)>& take) {
    forEachRow(tape, [&](const TapeCsvRow& row) { take(row); });
}

bool writeTapeCsv(std::ostream& out, std::string_view tape) {
    out << kTapeCsvHeader << "\r\n";
    forEachRow(tape, [&](const TapeCsvRow& row) {
        out << row.line << ',';
        writeField(out, row.note);
        out << ',';
        writeField(out, row.entry);
        out << ',';
        writeField(out, row.value);
        out << ',' << row.kind << "\r\n";
    });
    return static_cast<bool>(out);
}

}  // namespace zovrek
