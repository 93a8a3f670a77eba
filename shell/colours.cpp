#include "shell/colours.h"

#include "engine/calculator.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zovrek::shell {

const BackgroundColour* backgroundColourFor(int command) {
    for (const auto& colour : kBackgroundColours)
        if (colour.command == command) return &colour;
    return nullptr;
}

bool onColourCommand(int command, Calculator& calculator) {
    const BackgroundColour* colour = backgroundColourFor(command);
    if (!colour) return false;
    calculator.m_bkColor = colour->bkColor;
    calculator.m_bkRed = colour->red;
    calculator.m_bkGreen = colour->green;
    calculator.m_bkBlue = colour->blue;
    calculator.onInitialUpdate();
    calculator.window().saveSettings();
    return true;
}

bool colourItemChecked(int command, const CalculatorState& state) {
    const BackgroundColour* colour = backgroundColourFor(command);
    return colour && colour->bkColor == state.m_bkColor;
}

bool updateColourItem(int command, Calculator& calculator) {
    calculator.refresh();
    return colourItemChecked(command, calculator);
}

Rgb textBackground(const CalculatorState& state) {
    return {static_cast<std::uint8_t>(state.m_bkRed & 0xFF),
            static_cast<std::uint8_t>(state.m_bkGreen & 0xFF),
            static_cast<std::uint8_t>(state.m_bkBlue & 0xFF)};
}

namespace {

// The sRGB component as linear light; a table, as the grey search asks for many.
double linear(std::uint8_t component) {
    static const auto table = [] {
        std::array<double, 256> t{};
        for (std::size_t i = 0; i < t.size(); ++i) {
            const double c = static_cast<double>(i) / 255.0;
            t[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table[component];
}

Rgb grey(int level) {
    const auto l = static_cast<std::uint8_t>(level);
    return {l, l, l};
}

}  // namespace

double relativeLuminance(Rgb colour) {
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb readableText(Rgb background, Rgb usual) {
    if (contrastRatio(usual, background) >= kReadableContrast) return usual;
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

Rgb readableGrey(Rgb under, Rgb around, Rgb usual) {
    // The desktop's grey as a level; the search walks outwards from it, one level a step.
    const int start = (usual.red * 2126 + usual.green * 7152 + usual.blue * 722) / 10000;
    auto readsOn = [](int level, Rgb background) {
        return contrastRatio(grey(level), background) >= kReadableContrast;
    };
    for (const bool both : {true, false}) {
        for (int step = 0; step <= 255; ++step) {
            for (const int level : {start - step, start + step}) {
                if (level < 0 || level > 255) continue;
                if (readsOn(level, under) && (!both || readsOn(level, around))) return grey(level);
            }
        }
    }
    // Black or white reads on any colour; not reached.
    return readableText(under, usual);
}

}  // namespace zovrek::shell
