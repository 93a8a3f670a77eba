#include "line_wrap.h"

namespace zovrek {

double textWidth(std::string_view text, const CharWidths& widths) {
    double sum = 0;
    for (const char c : text) sum += widths[static_cast<unsigned char>(c)];
    return sum;
}

std::vector<LineRow> wrapLine(std::string_view line, const CharWidths& widths, double width) {
    std::vector<LineRow> rows;
    std::size_t start = 0;
    do {
        double x = 0;
        std::size_t afterSpaces = 0;  // a break after the spaces that end a word; 0: none yet
        bool ink = false;             // a character other than a space so far in this row
        std::size_t end = line.size();
        for (std::size_t i = start; i < line.size(); ++i) {
            const double w = widths[static_cast<unsigned char>(line[i])];
            if (line[i] == ' ') {
                x += w;
                if (ink) afterSpaces = i + 1;
                continue;
            }
            if (x + w > width && i > start) {
                end = afterSpaces != 0 ? afterSpaces : i;
                break;
            }
            x += w;
            ink = true;
        }
        rows.push_back({start, end});
        start = end;
    } while (start < line.size());
    return rows;
}

}  // namespace zovrek
