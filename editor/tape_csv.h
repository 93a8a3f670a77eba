#pragma once
// A tape as CSV for spreadsheets (RFC 4180, UTF-8): one row per tape line with its note, its
// entry, the number it holds and the kind of line, each line read as the tape editor reads it.
// No cell is one a spreadsheet would run as a formula.

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace zovrek {

/// The header row's fields, in order.
inline constexpr std::string_view kTapeCsvHeader = "line,note,entry,value,kind";

struct TapeCsvRow {
    std::size_t line = 0;   ///< 1 for the first line
    std::string note;       ///< an edited line's note, the text before its ">>" marker
    std::string entry;      ///< the rest of the line, trimmed: "1200.00", "+", "=", "(SQRT)"
    std::string value;      ///< the number the line holds, as printed; empty when none
    std::string_view kind;  ///< "number", "operator", "total", "clear", "function" or "blank"
};

/// The rows of `tape`, texts as on the tape. Every line is a row, a line ending at "\r\n", a
/// bare "\n" or a bare "\r", and so is a last piece of text without a line break. A total
/// is a number on the line after "=";
/// "(%)" is a function like "(SQRT)"; a line the editor reads nothing in is blank, and a line
/// without a note part separator keeps its text as the note.
std::vector<TapeCsvRow> tapeCsvRows(std::string_view tape);

/// Hands the rows of `tape` to `take` one by one, as tapeCsvRows would list them.
void forEachTapeCsvRow(std::string_view tape, const std::function<void(const TapeCsvRow&)>& take);

/// Writes the header and the rows of `tape` to `out` in UTF-8: lines ending "\r\n", a field
/// quoted when it holds a comma, a quote or a line break. A field a spreadsheet would take as
/// a formula (it begins with "=", "+", "-", "@", a tab or a carriage return) starts with an
/// apostrophe, unless it is a plain number or the tape's own "+", "-", "=" or "@" line.
/// False when the stream failed.
bool writeTapeCsv(std::ostream& out, std::string_view tape);

}  // namespace zovrek
