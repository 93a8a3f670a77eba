#pragma once
// Template 238: the scientific calculations. Template order is the tab order.

#include "shell/dialog_template.h"

namespace zovrek::forms {

using namespace zovrek::shell;

inline constexpr ControlTemplate kScientificControls[] = {
    {1134, ControlKind::BitmapButton, "Clearx", {13, 7, 47, 14}},
    {kNoId, ControlKind::Static, "Input Value (x)", {52, 5, 56, 8}, kAlignRight},
    {kNoId, ControlKind::Static, "from Calculator :", {52, 13, 56, 8}, kAlignRight},
    {1118, ControlKind::Edit, "", {110, 7, 84, 14}, kAlignRight | kBorder | kAutoHScroll},
    {1119, ControlKind::RadioButton, "angle ", {17, 37, 33, 10}, kGroupStart},
    {1106, ControlKind::RadioButton, "arc angle", {56, 37, 43, 10}},
    {1135, ControlKind::RadioButton, "degrees", {112, 37, 37, 10}, kGroupStart},
    {1136, ControlKind::RadioButton, "radians", {152, 37, 36, 10}},
    {1120, ControlKind::BitmapButton, "Sinx", {27, 50, 42, 14}, kGroupStart},
    {1121, ControlKind::BitmapButton, "Cosx", {82, 50, 42, 14}},
    {1122, ControlKind::BitmapButton, "Tanx", {137, 50, 42, 14}},
    {1125, ControlKind::BitmapButton, "XTOYPOWER", {36, 87, 42, 14}},
    {kNoId, ControlKind::Static, "Exponent", {12, 106, 40, 8}, kAlignRight},
    {kNoId, ControlKind::Static, "Value (y):", {12, 114, 40, 8}, kAlignRight},
    {1127, ControlKind::Edit, "", {54, 106, 36, 14}, kAlignRight | kBorder | kAutoHScroll},
    {1132, ControlKind::CheckBox, "Inv", {108, 96, 23, 10}},
    {1123, ControlKind::BitmapButton, "logx", {138, 86, 42, 14}},
    {1124, ControlKind::BitmapButton, "lnx", {138, 105, 42, 14}},
    {kNoId, ControlKind::Static, "Function Result (z) :", {10, 134, 73, 8}, kAlignRight},
    {1126, ControlKind::Edit, "", {85, 131, 90, 14}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "Copy to Calculator:", {10, 153, 73, 8}, kAlignRight},
    {1, ControlKind::BitmapButton, "OK", {85, 150, 42, 14}},
    {2, ControlKind::BitmapButton, "Cancel", {140, 150, 42, 14}},
    {kNoId, ControlKind::GroupBox, " Angle Calculations", {7, 26, 187, 44}},
    {kNoId, ControlKind::GroupBox, "Exponential Calculations", {7, 75, 92, 50}},
    {kNoId, ControlKind::GroupBox, "Logarithmic Calculations", {103, 75, 91, 50}},
};

inline constexpr DialogTemplate kScientificDialog{238, "Scientific Calculations", 201, 173,
                                                  kScientificControls};

}  // namespace zovrek::forms
