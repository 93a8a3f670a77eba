#pragma once
// One printed page of the tape as text placements in twips, for a painter to draw.
// Origin at the top-left corner of the printable area; y is negative downwards.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculator_state.h"

namespace zovrek {

/// The print font: 11-point characters, weight 500, modern family with default pitch. The
/// face name is kept as the resources spell it; the family decides the actual face.
struct PrintFont {
    static constexpr int kHeightTwips = 220;
    static constexpr int kWeight = 500;
    static constexpr int kPitchAndFamily = 48;
    static constexpr std::string_view kFaceName = "Couier New";
};

inline constexpr std::string_view kPrintHeading = "ZOVREK Tape Data";
inline constexpr int kHeaderY = -250;
inline constexpr int kTitleRightX = 10000;
inline constexpr int kFirstLineY = -720;
inline constexpr int kLineRightX = 10520;
inline constexpr int kFooterY = -14700;
inline constexpr int kFooterRightX = 11520;

/// A text drawn with its top-left corner at (x, y). Texts are UTF-8, in any script.
struct TextPlacement {
    int x = 0;
    int y = 0;
    std::string text;

    friend bool operator==(const TextPlacement&, const TextPlacement&) = default;
};

/// Width of a UTF-8 text in twips in the print font.
using TextWidth = std::function<int(std::string_view)>;

/// Lays out page `page` (1-based): the heading, the title ending at x = 10000, up to 60
/// print lines (rows, once wrapped) ending at x = 10520 one `lineHeight` apart (height plus
/// external leading of the font), and "Page N" ending at x = 11520. Sets m_printPage, and
/// m_printLinesUsed when a line was placed. Lines and title carry one trailing space, which
/// the right alignment of lines leaves out of their width.
std::vector<TextPlacement> layoutPrintPage(CalculatorState& state, int page, int lineHeight,
                                           const TextWidth& width);

/// What a page's layout covers, in twips from its origin: across to the right edge of the
/// page number, down to the foot of the 60th line (or of the page number, were it lower).
/// The same for every page, whatever it holds.
struct PrintExtent {
    int width = 0;
    int height = 0;

    friend bool operator==(const PrintExtent&, const PrintExtent&) = default;
};
PrintExtent printPageExtent(int lineHeight);

/// The factor that fits a page into a printable area of `areaWidth` × `areaHeight` twips:
/// 1 where the layout fits (it prints as laid out), else the largest factor with which it
/// fits both ways, the same across and down so that the layout keeps its proportions.
double printPageScale(double areaWidth, double areaHeight, int lineHeight);

}  // namespace zovrek
