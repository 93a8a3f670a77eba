#pragma once
// The pictures of the bitmap buttons: base name, sizes of the up and down pictures in
// pixels, the label drawn on the key, and what a screen reader calls the button.
// A "\n" in a label breaks the line; "\u00b2" and "\u02b8" are drawn as raised 2 and y.

#include <cstdint>
#include <string_view>

namespace zovrek::pictures {

/// The look of a key: which family of keys of a desk calculator it belongs to. Clear wipes
/// everything (red), Correction only the entry (orange).
enum class KeyFace : std::uint8_t {
    Digit,
    Operator,
    Function,
    Memory,
    Clear,
    Correction,
    Equals,
    Command
};

struct KeyPicture {
    std::string_view name;  ///< base name, upper case; "U" and "D" are appended
    int upWidth;
    int upHeight;
    int downWidth;
    int downHeight;
    std::string_view label;           ///< UTF-8
    std::string_view accessibleName;  ///< what the button does
    KeyFace face;
};

inline constexpr KeyPicture kPictures[] = {
    {"DIGITUP", 32, 18, 33, 18, "SET", "Set decimal places", KeyFace::Function},
    {"MEMORY1", 34, 18, 34, 19, "SEL", "Memory select", KeyFace::Memory},
    {"MR", 33, 23, 33, 22, "MR", "Memory recall", KeyFace::Memory},
    {"MC", 34, 23, 34, 23, "MC", "Memory clear", KeyFace::Memory},
    {"MMINUS", 34, 23, 34, 23, "M\u2212", "Memory minus", KeyFace::Memory},
    {"MPLUS", 34, 23, 34, 23, "M+", "Memory plus", KeyFace::Memory},
    {"ZERO", 36, 25, 36, 25, "0", "Zero", KeyFace::Digit},
    {"ONE", 36, 25, 36, 25, "1", "One", KeyFace::Digit},
    {"TWO", 36, 25, 36, 25, "2", "Two", KeyFace::Digit},
    {"THREE", 36, 25, 36, 25, "3", "Three", KeyFace::Digit},
    {"FOUR", 36, 25, 36, 25, "4", "Four", KeyFace::Digit},
    {"FIVE", 36, 25, 36, 25, "5", "Five", KeyFace::Digit},
    {"SIX", 36, 25, 36, 25, "6", "Six", KeyFace::Digit},
    {"SEVEN", 36, 25, 36, 25, "7", "Seven", KeyFace::Digit},
    {"EIGHT", 36, 25, 36, 25, "8", "Eight", KeyFace::Digit},
    {"NINE", 36, 25, 36, 25, "9", "Nine", KeyFace::Digit},
    {"DECIMAL", 36, 25, 36, 25, ".", "Decimal point", KeyFace::Digit},
    {"PLUS", 36, 25, 36, 25, "+", "Plus", KeyFace::Operator},
    {"MINUS", 36, 25, 36, 25, "\u2212", "Minus", KeyFace::Operator},
    {"TIMES", 36, 25, 36, 26, "\u00d7", "Times", KeyFace::Operator},
    {"DIVIDE", 36, 25, 36, 24, "\u00f7", "Divide", KeyFace::Operator},
    {"PERCENT", 36, 25, 36, 25, "%", "Percent", KeyFace::Function},
    {"SQRT", 36, 25, 36, 25, "\u221a", "Square root", KeyFace::Function},
    {"SQUARED", 36, 25, 36, 25, "x\u00b2", "Square", KeyFace::Function},
    {"INVERT", 36, 25, 36, 25, "1/x", "Reciprocal", KeyFace::Function},
    {"PLUS_MINUS", 36, 25, 36, 25, "+/\u2212", "Change sign", KeyFace::Function},
    {"BACK", 46, 25, 46, 25, "Back", "Back", KeyFace::Correction},
    {"C", 46, 25, 46, 25, "C", "Clear", KeyFace::Clear},
    {"CE", 46, 25, 46, 25, "CE", "Clear entry", KeyFace::Correction},
    {"EQUAL", 48, 25, 48, 25, "=", "Equals", KeyFace::Equals},
    {"OK", 51, 25, 51, 25, "OK", "OK", KeyFace::Command},
    {"CANCEL", 51, 25, 51, 25, "Cancel", "Cancel", KeyFace::Command},
    {"NO", 51, 25, 51, 25, "No", "No", KeyFace::Command},
    {"SINX", 51, 25, 51, 25, "sin x", "Sine", KeyFace::Function},
    {"COSX", 51, 25, 51, 25, "cos x", "Cosine", KeyFace::Function},
    {"LOGX", 51, 25, 51, 25, "log x", "Common logarithm", KeyFace::Function},
    {"LNX", 51, 25, 51, 25, "ln x", "Natural logarithm", KeyFace::Function},
    {"REEDIT", 51, 25, 50, 25, "ReEdit", "Re-edit", KeyFace::Command},
    {"TANX", 51, 26, 51, 25, "tan x", "Tangent", KeyFace::Function},
    {"XTOYPOWER", 53, 25, 38, 24, "x\u02b8", "x to the power y", KeyFace::Function},
    {"CLEAR_ALL", 54, 25, 54, 25, "Clear Tape", "Clear tape", KeyFace::Clear},
    {"RESET", 54, 25, 53, 25, "Reset", "Reset", KeyFace::Command},
    {"CLEARX", 57, 25, 56, 25, "Clear x", "Clear x", KeyFace::Correction},
    {"CALCULATE", 59, 25, 59, 25, "Calculate", "Calculate", KeyFace::Command},
    {"TAPEEDIT", 30, 43, 30, 44, "TAPE\nEDIT", "Tape edit", KeyFace::Command},
    {"TOCALCULATOR", 114, 20, 114, 20, "To Calculator", "To calculator", KeyFace::Command},
    {"UPDATE", 122, 20, 119, 20, "Update", "Update", KeyFace::Command},
};

/// The keys of the dialogs. Their labels share one size, the largest at which each fits its
/// key, so that no caption of a dialog stands out from the others.
inline constexpr std::string_view kDialogKeys[] = {
    "OK",   "CANCEL", "NO",   "CALCULATE", "RESET",        "XTOYPOWER", "CLEARX", "SINX",
    "COSX", "TANX",   "LOGX", "LNX",       "TOCALCULATOR", "UPDATE",    "REEDIT",
};

}  // namespace zovrek::pictures
