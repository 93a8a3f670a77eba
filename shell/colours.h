#pragma once
// The four background colours of the "&Bk Colors" menu and the colour behind control text.

#include <cstdint>
#include <string_view>

namespace zovrek {
class Calculator;
struct CalculatorState;
}  // namespace zovrek

namespace zovrek::shell {

struct BackgroundColour {
    std::string_view menuText;
    int command;
    int bkColor;  ///< the m_bkColor value of the choice
    int red;
    int green;
    int blue;
};

/// In menu order.
inline constexpr BackgroundColour kBackgroundColours[] = {
    {"&Yellow", 32775, 1, 255, 255, 0},
    {"&Green", 32774, 2, 0, 255, 0},
    {"&White", 32773, 3, 255, 255, 255},
    {"&Blue", 32772, 0, 200, 225, 255},
};

/// The colour a command chooses, or nullptr.
const BackgroundColour* backgroundColourFor(int command);

/// A colour command: sets the colour members, runs the view's initial update (which also
/// puts the document's tape copy back on the tape) and saves the settings through the
/// window. False when `command` is not a colour command.
bool onColourCommand(int command, Calculator& calculator);

/// The menu update of a colour item: shows the view's values in its controls again and
/// tells whether the item carries the check mark (its choice is the current m_bkColor).
bool updateColourItem(int command, Calculator& calculator);
/// The check-mark rule alone.
bool colourItemChecked(int command, const CalculatorState& state);

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

/// The text background of every control: each component taken as its low 8 bits.
Rgb textBackground(const CalculatorState& state);

/// The contrast text needs to be read: 4.5:1 by the usual accessibility rule.
inline constexpr double kReadableContrast = 4.5;

/// The relative luminance of an sRGB colour, from 0 (black) to 1 (white).
double relativeLuminance(Rgb colour);
/// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(Rgb a, Rgb b);

/// The colour to draw text in over `background`: `usual` (the desktop's text colour) where
/// it reads there, as a dark desktop's light text does not on the light choices; otherwise
/// black or white, whichever reads better.
Rgb readableText(Rgb background, Rgb usual);

/// The grey of disabled (grey) text drawn over `under`, the colour behind its characters,
/// on a window of colour `around`: the grey nearest to `usual` (the desktop's disabled
/// text) that reads on both. Where no grey reads on both (light colours on a dark window),
/// the nearest one that reads on `under`.
Rgb readableGrey(Rgb under, Rgb around, Rgb usual);

}  // namespace zovrek::shell
