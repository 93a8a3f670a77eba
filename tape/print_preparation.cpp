#include "print_preparation.h"

#include <algorithm>

#include "engine/tape_lines.h"

namespace zovrek {

std::size_t printTitleLength(std::string_view title) {
    // Every code point has one byte that is not a continuation byte (10xxxxxx).
    return static_cast<std::size_t>(std::count_if(title.begin(), title.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void buildPrintLines(CalculatorState& state) {
    const std::string_view tape = state.m_tape.view();
    // Assigned, not appended: a tape that gives no line at all would otherwise pile up
    // copies of itself in the print text at every print.
    state.m_printText.clear();
    state.m_printText.reserve(tape.size());
    // Every break as one "\r", as a tape of "\r\n" breaks always gave: tapes whose lines end
    // in a bare "\n" or "\r" print the lines they show.
    TapeLines lines(tape);
    for (TapeLine line; lines.next(line);) {
        state.m_printText += line.text;
        if (line.ended) state.m_printText += '\r';
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

void askPrintTitle(CalculatorState& state, CZOVREKDoc& document, TapeTitleDialog& dialog) {
    std::string title = document.GetTitle();
    if (auto entered = dialog.run(title)) {
        title = std::move(*entered);
        state.m_printTitle = title;
    }
    document.SetTitle(std::move(title));
}

int preparePrinting(Calculator& calculator, CZOVREKDoc& document, TapeTitleDialog& dialog) {
    if (calculator.m_titleAsked == 0) askPrintTitle(calculator, document, dialog);
    calculator.m_titleAsked = 1;
    if (calculator.m_printLineCount == 0) buildPrintLines(calculator);
    calculator.copyTapeToDocument();
    return printPageCount(calculator.m_printLineCount);
}

}  // namespace zovrek
