#pragma once
// Template 236: the annuity savings calculator. Template order is the tab order.

#include "shell/dialog_template.h"

namespace zovrek::forms {

using namespace zovrek::shell;

inline constexpr ControlTemplate kAnnuitySavingsControls[] = {
    {kNoId, ControlKind::Static, "Current or Opening Balance:", {8, 21, 96, 8}},
    {1117, ControlKind::Edit, "", {105, 19, 77, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "Amount of Monthly Payment:", {8, 40, 96, 8}},
    {1088, ControlKind::Edit, "", {105, 38, 77, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "Annual Interest Rate (%):", {8, 59, 96, 8}},
    {1095, ControlKind::Edit, "", {105, 57, 77, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, " Savings Period Type :", {8, 77, 94, 8}},
    {1080, ControlKind::RadioButton, "Months", {103, 76, 37, 10}, kGroupStart},
    {1106, ControlKind::RadioButton, "Years", {151, 76, 31, 10}},
    {kNoId, ControlKind::Static, "Length of Savings Period:", {8, 92, 96, 8}},
    {1091, ControlKind::Edit, "", {105, 90, 77, 12},
     kAlignRight | kBorder | kAutoHScroll | kGroupStart},
    {1096, ControlKind::BitmapButton, "Calculate", {79, 108, 37, 14}},
    {1114, ControlKind::BitmapButton, "Reset", {143, 108, 37, 14}},
    {kNoId, ControlKind::Static, "Future Value of Annuity:", {8, 129, 96, 8}},
    {1092, ControlKind::Edit, "", {105, 127, 77, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "Copy Value to Calculator :", {8, 148, 90, 8}},
    {1, ControlKind::BitmapButton, "OK", {99, 145, 37, 14}},
    {2, ControlKind::BitmapButton, "Cancel", {145, 145, 37, 14}},
    {kNoId, ControlKind::GroupBox, "Annuity Valuation", {3, 4, 189, 162}},
};

inline constexpr DialogTemplate kAnnuitySavingsDialog{236, "Annuity Savings Calculator", 195, 172,
                                                      kAnnuitySavingsControls};

}  // namespace zovrek::forms
