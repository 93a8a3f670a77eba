#include "shell/colours.h"

#include "engine/calculator.h"

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

}  // namespace zovrek::shell
