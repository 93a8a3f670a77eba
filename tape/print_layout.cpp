#include "print_layout.h"

#include <algorithm>
#include <cstdint>

#include "print_preparation.h"

namespace zovrek {

std::vector<TextPlacement> layoutPrintPage(CalculatorState& state, int page, int lineHeight,
                                           const TextWidth& width) {
    state.m_printPage = page;
    const std::int64_t first = (static_cast<std::int64_t>(page) - 1) * kPrintLinesPerPage;
    const std::int64_t end = first + kPrintLinesPerPage;
    // The count, not the vector, says how many lines are prepared; never read past either.
    const std::int64_t available =
        std::min<std::int64_t>(state.m_printLineCount, static_cast<std::int64_t>(state.m_printLines.size()));

    std::vector<TextPlacement> texts;
    texts.push_back({0, kHeaderY, std::string(kPrintHeading)});
    std::string title = state.m_printTitle + " ";
    const int titleWidth = width(title);
    texts.push_back({kTitleRightX - titleWidth, kHeaderY, std::move(title)});

    int y = kFirstLineY;
    for (std::int64_t i = std::max<std::int64_t>(first, 0); i < end && i < available; ++i) {
        const std::string& line = state.m_printLines[static_cast<std::size_t>(i)];
        texts.push_back({kLineRightX - width(line), y, line + " "});
        y -= lineHeight;
        state.m_printLinesUsed = 1;
    }

    std::string footer = "Page " + std::to_string(page);
    const int footerWidth = width(footer);
    texts.push_back({kFooterRightX - footerWidth, kFooterY, std::move(footer)});
    return texts;
}

PrintExtent printPageExtent(int lineHeight) {
    const int linesFoot = -kFirstLineY + kPrintLinesPerPage * lineHeight;
    const int footerFoot = -kFooterY + lineHeight;
    return {kFooterRightX, std::max(linesFoot, footerFoot)};
}

double printPageScale(double areaWidth, double areaHeight, int lineHeight) {
    const PrintExtent extent = printPageExtent(lineHeight);
    // No area to speak of (a device that reports none): nothing to fit into.
    if (!(areaWidth > 0) || !(areaHeight > 0)) return 1.0;
    return std::min({1.0, areaWidth / extent.width, areaHeight / extent.height});
}

}  // namespace zovrek
