#include "tape_csv.h"

#include <ostream>

#include "engine/number_text.h"
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
    std::size_t start = 0;
    while (start < tape.size()) {
        const std::size_t newline = tape.find('\n', start);
        const std::size_t end = newline == std::string_view::npos ? tape.size() : newline + 1;
        const std::string marked = markSeparators(tape.substr(start, end - start));
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
        start = end;
    }
}

void writeField(std::ostream& out, std::string_view bytes) {
    const bool quoted = bytes.find_first_of(",\"\r\n") != std::string_view::npos;
    if (quoted) out << '"';
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"') {
            out << "\"\"";
        } else if (byte < 0x80) {
            out << c;
        } else {
            // Latin-1 to UTF-8: every byte is the code point of its character.
            out << static_cast<char>(0xC0 | (byte >> 6)) << static_cast<char>(0x80 | (byte & 0x3F));
        }
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
