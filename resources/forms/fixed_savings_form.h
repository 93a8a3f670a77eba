#pragma once
// Template 237: the fixed savings calculator. Template order is the tab order.

#include "shell/dialog_template.h"

namespace zovrek::forms {

using namespace zovrek::shell;

inline constexpr ControlTemplate kFixedSavingsControls[] = {
    {kNoId, ControlKind::Static, "Current Amount of Savings:", {9, 19, 93, 8}},
    {1076, ControlKind::Edit, "", {103, 17, 77, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "Annual Interest Rate (%):", {9, 34, 93, 8}},
    {1077, ControlKind::Edit, "", {103, 32, 77, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "Length of Savings Period:", {9, 53, 93, 8}},
    {1082, ControlKind::Edit, "", {103, 51, 77, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "Type of Period:", {9, 66, 93, 8}},
    {1078, ControlKind::RadioButton, "Months", {103, 65, 37, 10}, kGroupStart},
    {1106, ControlKind::RadioButton, "Years", {148, 65, 32, 10}},
    {1090, ControlKind::BitmapButton, "Calculate", {77, 80, 39, 14}, kGroupStart},
    {1115, ControlKind::BitmapButton, "Reset", {141, 80, 34, 14}},
    {kNoId, ControlKind::Static, "Future Amount of Savings:", {9, 100, 93, 8}},
    {1093, ControlKind::Edit, "", {103, 98, 77, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "Copy Savings to Calculator:", {9, 118, 93, 8}},
    {1, ControlKind::BitmapButton, "OK", {103, 115, 34, 14}},
    {2, ControlKind::BitmapButton, "Cancel", {146, 115, 34, 14}},
    {kNoId, ControlKind::GroupBox, "", {6, 45, 180, 32}},
    {kNoId, ControlKind::GroupBox, "Fixed Savings Earnings", {3, 4, 186, 134}},
};

inline constexpr DialogTemplate kFixedSavingsDialog{237, "Fixed Savings Calculator", 193, 144,
                                                    kFixedSavingsControls};

}  // namespace zovrek::forms
