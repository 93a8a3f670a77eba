#include "print_preparation.h"

#include <algorithm>

#include "engine/tape_lines.h"
#include "print_layout.h"

namespace zovrek {

std::size_t printTitleLength(std::string_view title) {
    // Every code point has one byte that is not a continuation byte (10xxxxxx).
    return static_cast<std::size_t>(std::count_if(title.begin(), title.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void buildPrintLines(CalculatorState& state, const NumberMarks& marks) {
    const std::string_view tape = state.m_tape.view();
    // Assigned, not appended: a tape that gives no line at all would otherwise pile up
    // copies of itself in the print text at every print.
    state.m_printText.clear();
    state.m_printText.reserve(tape.size());
    // Every break as one "\r", as a tape of "\r\n" breaks always gave: tapes whose lines end
    // in a bare "\n" or "\r" print the lines they show. A last line without its break (a
    // tape file written elsewhere) is shown on screen, so it is printed too.
    TapeLines lines(tape);
    for (TapeLine line; lines.next(line);) {
        if (marks.plain())
            state.m_printText += line.text;
        else
            state.m_printText += markTapeLine(line.text, marks);
        state.m_printText += '\r';
    }

    state.m_printLines.clear();
    const std::string_view text = state.m_printText;
    std::size_t begin = 0;
    for (std::size_t end = text.find_first_of("\r@"); end != std::string_view::npos;
         end = text.find_first_of("\r@", begin)) {
        std::string line(text.substr(begin, end + 1 - begin));
        if (line.back() == '\r') line.back() = ' ';
        state.m_printLines.push_back(std::move(line));
        begin = end + 1;
    }
    state.m_printLineCount = static_cast<int>(state.m_printLines.size());
}

namespace {

std::string_view withoutTrailingSpaces(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(0, last == std::string_view::npos ? 0 : last + 1);
}

// Appends the rows of `line`, which is wider than a page's rows.
void appendRows(std::string_view line, const CharWidths& widths, std::vector<std::string>& rows) {
    const std::string_view ink = withoutTrailingSpaces(line);
    std::string_view tail = line.substr(ink.size());
    double room = kLineRightX - textWidth(tail, widths);
    // A line that ends in a long run of spaces: its rows end at the edge instead, rather
    // than be pushed off the left of the page by spaces nobody sees.
    if (room < kLineRightX / 2.0) {
        tail = {};
        room = kLineRightX;
    }
    for (const LineRow& row : wrapLine(ink, widths, room)) {
        std::string text(withoutTrailingSpaces(ink.substr(row.begin, row.end - row.begin)));
        text += tail;
        rows.push_back(std::move(text));
    }
}

}  // namespace

void wrapPrintLines(CalculatorState& state, const CharWidths& widths) {
    const std::size_t count =
        std::min(state.m_printLines.size(), static_cast<std::size_t>(std::max(state.m_printLineCount, 0)));
    std::vector<std::string> rows;
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string& line = state.m_printLines[i];
        // Rows end at x = 10520 and start no further left than the page's edge, x = 0.
        if (textWidth(line, widths) <= kLineRightX)
            rows.push_back(std::move(line));
        else
            appendRows(line, widths, rows);
    }
    state.m_printLines = std::move(rows);
    state.m_printLineCount = static_cast<int>(state.m_printLines.size());
}

void askPrintTitle(CalculatorState& state, CZOVREKDoc& document, TapeTitleDialog& dialog) {
    std::string title = document.GetTitle();
    if (auto entered = dialog.run(title)) {
        title = std::move(*entered);
        state.m_printTitle = title;
    }
    document.SetTitle(std::move(title));
}

int preparePrinting(Calculator& calculator, CZOVREKDoc& document, TapeTitleDialog& dialog,
                    const CharWidths& widths, const NumberMarks& marks) {
    if (calculator.m_titleAsked == 0) askPrintTitle(calculator, document, dialog);
    calculator.m_titleAsked = 1;
    if (calculator.m_printLineCount == 0) {
        buildPrintLines(calculator, marks);
        wrapPrintLines(calculator, widths);
    }
    calculator.copyTapeToDocument();
    return printPageCount(calculator.m_printLineCount);
}

}  // namespace zovrek
