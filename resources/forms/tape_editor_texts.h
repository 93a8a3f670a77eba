#pragma once
// The Tape Editor dialog's own texts and control identifiers, for the window that shows it.

#include <array>
#include <string_view>

namespace zovrek::tape_editor {

inline constexpr int kTemplateId = 226;
inline constexpr std::string_view kTitle = "Tape Editor";

// Controls.
inline constexpr int kUpdateId = 1144;
inline constexpr int kToCalculatorId = 1145;
inline constexpr int kCancelId = 2;
inline constexpr int kReEditId = 1151;
inline constexpr int kTapeEditId = 1062;
inline constexpr int kPlacesEditId = 1146;

inline constexpr std::string_view kPlacesLabel = " # of Tape Decimal Places:";

/// Bitmap names of the four buttons, up and pressed.
struct ButtonBitmaps {
    int id;
    std::string_view caption;
    std::string_view up;
    std::string_view down;
};
inline constexpr std::array<ButtonBitmaps, 4> kButtons{{
    {kToCalculatorId, "ToCalculator", "TOCALCULATORU", "TOCALCULATORD"},
    {kUpdateId, "Update", "UPDATEU", "UPDATED"},
    {kCancelId, "Cancel", "CANCELU", "CANCELD"},
    {kReEditId, "ReEdit", "REEDITU", "REEDITD"},
}};

/// The twelve instruction lines, top to bottom, spaces included.
inline constexpr std::array<std::string_view, 12> kInstructions{{
    "  Caution !  For annotations (notes) and ",
    "   re-calculations to be correct, \"Notes\" ",
    " must be placed to the left of the  \" _ \"    ",
    " underscore separator while \"Numerical",
    "corrections\" must be placed to the right",
    "of the separator. Do not add \"_\" or \">\"",
    "symbols to the tape while editing unless",
    "you are clear with the structure format.",
    "Use the 'Enter' key to insert a new line.",
    "The Re-Edit function is for enabling the",
    "     editor for additional changes without ",
    "   having to exit and re-enter the dialog.",
}};

}  // namespace zovrek::tape_editor
