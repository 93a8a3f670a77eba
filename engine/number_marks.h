#pragma once
// Numbers written the user's way: the locale's decimal mark and digit grouping put into the
// engine's number texts for showing them, and taken out again. Only what is shown changes;
// what the engine keeps, files and the tape editor's text stay in the engine's own form.

#include <string>
#include <string_view>

namespace zovrek {

/// The marks of a locale. The defaults write numbers as the engine does.
struct NumberMarks {
    std::string decimal = ".";  ///< the decimal mark, e.g. "," in German
    std::string group;          ///< between digit groups, e.g. "." in German; empty: none
    int firstGroup = 3;         ///< digits in the group nearest the decimal mark
    int nextGroup = 3;          ///< digits in each group after it (2 in Indian grouping)

    bool plain() const { return decimal == "." && group.empty(); }
};

/// `text` (a whole number text as the engine writes it, white space around it kept, e.g.
/// " 1285.50", "-15.", "1.5e+012") with the marks put in. Any other text is returned as is.
std::string markNumber(std::string_view text, const NumberMarks& marks);

/// A tape line with the marks put into its number: the whole line when it is a number line,
/// else the number after a note's ">>" marker. Operator lines, tags and notes stay as they are.
std::string markTapeLine(std::string_view line, const NumberMarks& marks);

/// The inverse of markNumber: group marks taken out, the decimal mark back to a point. Text
/// that is not a number written with `marks` is returned as is.
std::string unmarkNumber(std::string_view text, const NumberMarks& marks);

}  // namespace zovrek
