#pragma once
// Print preparation: the tape cut into print lines once, the title asked once, the page
// count. The lines are reused until a discard (see Calculator::discardPrintPreparation).

#include <optional>
#include <string>
#include <string_view>

#include "document.h"
#include "engine/calculator.h"
#include "engine/number_marks.h"
#include "line_wrap.h"

namespace zovrek {

inline constexpr int kPrintLinesPerPage = 60;

/// The modal "Tape Title" dialog (template 216, texts in forms/tape_dialog_texts.h); its edit
/// takes at most 32 characters.
class TapeTitleDialog {
public:
    virtual ~TapeTitleDialog() = default;
    /// Runs with `title` in its edit: the edited text on OK, nothing on Esc.
    virtual std::optional<std::string> run(const std::string& title) = 0;
};

/// Characters in a print title, which is UTF-8: each code point counts one, whatever its
/// bytes (the limit of 32 is the user's characters, not bytes).
std::size_t printTitleLength(std::string_view title);

/// Number of pages for `lineCount` print lines (a full last page adds an empty one).
constexpr int printPageCount(int lineCount) { return lineCount / kPrintLinesPerPage + 1; }

/// Cuts the tape into m_printLines: m_printText is the tape with each line break ("\r\n",
/// "\n" or "\r") as one "\r"; a line ends after each "\r" and after each "@"; "\r" becomes
/// " "; a last piece ending in neither is left out. Sets m_printLineCount to the number of
/// lines. Each tape line's number is written with `marks`.
void buildPrintLines(CalculatorState& state, const NumberMarks& marks = {});

/// Wraps every print line too wide for the page (`widths` in twips) into rows, as the tape
/// wraps on screen: at word boundaries, inside a word only when the word alone is too wide.
/// Each row stands in m_printLines as a line of its own, ending in the spaces that end its
/// line, so that all its rows end where the line would. m_printLineCount becomes the number
/// of rows, which the pages count.
void wrapPrintLines(CalculatorState& state, const CharWidths& widths);

/// Asks for the print title with the document's title preset. OK sets m_printTitle; in
/// both cases the document takes the dialog's text as its title.
void askPrintTitle(CalculatorState& state, CZOVREKDoc& document, TapeTitleDialog& dialog);

/// The view's preparation before the framework's print dialog: the title (once), the lines
/// and their rows in the print font's `widths` (once), the tape copied into the document.
/// Returns the last page number. Without widths no line wraps.
int preparePrinting(Calculator& calculator, CZOVREKDoc& document, TapeTitleDialog& dialog,
                    const CharWidths& widths = {}, const NumberMarks& marks = {});

}  // namespace zovrek
