#pragma once
// Template 101: the calculator form. Template order is the tab order.

#include "shell/dialog_template.h"

namespace zovrek::forms {

using namespace zovrek::shell;

inline constexpr ControlTemplate kCalculatorControls[] = {
    {1007, ControlKind::BitmapButton, "C", {107, 20, 27, 14}},
    {1034, ControlKind::Edit, "", {142, 1, 88, 185},
     kMultiLine | kReadOnly | kAlignRight | kVScroll | kBorder | kClientEdge},
    {1000, ControlKind::Edit, "", {2, 3, 135, 14}, kAlignRight | kDigitsOnly | kBorder | kStaticEdge},
    {1041, ControlKind::Edit, "", {56, 171, 13, 12}, kReadOnly | kAlignCenter | kBorder | kClientEdge},
    {1006, ControlKind::BitmapButton, "CE", {40, 20, 27, 14}},
    {1011, ControlKind::BitmapButton, "DIVIDE", {111, 40, 22, 14}},
    {1010, ControlKind::BitmapButton, "NINE", {84, 40, 22, 14}},
    {1009, ControlKind::BitmapButton, "EIGHT", {57, 40, 22, 14}},
    {1008, ControlKind::BitmapButton, "SEVEN", {30, 40, 22, 14}},
    {1035, ControlKind::BitmapButton, "SQUARED", {3, 40, 22, 14}},
    {1001, ControlKind::BitmapButton, "MC", {5, 153, 20, 13}},
    {1018, ControlKind::BitmapButton, "TIMES", {111, 63, 22, 14}},
    {1015, ControlKind::BitmapButton, "SIX", {84, 63, 22, 14}},
    {1014, ControlKind::BitmapButton, "FIVE", {57, 63, 22, 14}},
    {1013, ControlKind::BitmapButton, "FOUR", {30, 63, 22, 14}},
    {1012, ControlKind::BitmapButton, "SQRT", {3, 63, 22, 14}},
    {1002, ControlKind::BitmapButton, "MR", {78, 153, 20, 13}},
    {1023, ControlKind::BitmapButton, "MINUS", {111, 86, 22, 14}},
    {1022, ControlKind::BitmapButton, "THREE", {84, 86, 22, 14}},
    {1021, ControlKind::BitmapButton, "TWO", {57, 86, 22, 14}},
    {1020, ControlKind::BitmapButton, "ONE", {30, 86, 22, 14}},
    {1019, ControlKind::BitmapButton, "PERCENT", {3, 86, 22, 14}},
    {1003, ControlKind::BitmapButton, "MMINUS", {29, 153, 20, 13}},
    {1028, ControlKind::BitmapButton, "PLUS", {111, 109, 22, 14}},
    {1026, ControlKind::BitmapButton, "PLUS_MINUS", {84, 109, 22, 14}},
    {1027, ControlKind::BitmapButton, "DECIMAL", {57, 109, 22, 14}},
    {1025, ControlKind::BitmapButton, "ZERO", {30, 109, 22, 14}},
    {1024, ControlKind::BitmapButton, "INVERT", {3, 109, 22, 14}},
    {1004, ControlKind::BitmapButton, "MPLUS", {54, 153, 20, 13}},
    {1029, ControlKind::BitmapButton, "EQUAL", {106, 130, 34, 14}},
    {1030, ControlKind::BitmapButton, "Clear_All", {2, 20, 35, 14}},
    {1016, ControlKind::Edit, "", {8, 139, 89, 12},
     kReadOnly | kDigitsOnly | kAlignCenter | kBorder | kStaticEdge},
    {kNoId, ControlKind::Static, " # of Tape", {6, 170, 43, 9}, kAlignCenter | kGrey},
    {1042, ControlKind::BitmapButton, "DIGITUP", {71, 172, 22, 11}},
    // The Decimal Places frame starts below the memory keys (down to 166), which hid its top
    // line at the template's 165; the Memory frame ends on that line instead of drawing a
    // second one inside it.
    {kNoId, ControlKind::GroupBox, "", {2, 167, 102, 20}},
    // The Memory frame starts a little lower than its template's 121, where the bottom row
    // of keys (down to 123) would hide its top line.
    {kNoId, ControlKind::GroupBox, "", {2, 124, 102, 43}},
    {kNoId, ControlKind::GroupBox, "", {107, 147, 31, 39}},
    {kNoId, ControlKind::Static, "Decimal Places:", {3, 177, 52, 8}, kGrey},
    {1061, ControlKind::BitmapButton, "Back", {73, 20, 27, 14}},
    {1062, ControlKind::BitmapButton, "TAPEEDIT", {113, 155, 19, 27}},
    {1148, ControlKind::BitmapButton, "Memory1", {46, 127, 24, 11}, kNoTabStop},
    {1150, ControlKind::Edit, "", {73, 127, 12, 12}, kReadOnly | kAlignCenter | kBorder | kClientEdge},
    {kNoId, ControlKind::Static, "Memory :", {10, 128, 31, 8}, kGrey},
};

inline constexpr DialogTemplate kCalculatorForm{101, "", 231, 188, kCalculatorControls};

/// The view's 32 keypad buttons in the order they become bitmap buttons.
inline constexpr int kKeypadButtonOrder[] = {
    1007, 1030, 1006, 1011, 1018, 1023, 1028, 1029, 1004, 1003, 1035, 1019, 1024, 1012, 1001, 1002,
    1026, 1027, 1025, 1020, 1021, 1022, 1013, 1014, 1015, 1008, 1009, 1010, 1042, 1061, 1062, 1148,
};

}  // namespace zovrek::forms
