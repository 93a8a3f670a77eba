#pragma once
// Template 235: the simple interest calculator. Template order is the tab order.

#include "shell/dialog_template.h"

namespace zovrek::forms {

using namespace zovrek::shell;

inline constexpr ControlTemplate kSimpleInterestControls[] = {
    {kNoId, ControlKind::Static, "Principal Amount:", {10, 16, 94, 8}},
    {1097, ControlKind::Edit, "", {106, 14, 76, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "Annual Interest Rate (%) :", {10, 36, 94, 8}},
    {kNoId, ControlKind::Static, "(Fixed)", {10, 45, 94, 8}},
    {1098, ControlKind::Edit, "", {106, 34, 76, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "Number of Months Interest:", {10, 56, 94, 8}},
    {1099, ControlKind::Edit, "", {106, 54, 76, 12}, kAlignRight | kBorder | kAutoHScroll},
    {1100, ControlKind::BitmapButton, "Calculate", {76, 77, 38, 14}},
    {1113, ControlKind::BitmapButton, "Reset", {141, 77, 35, 14}},
    {kNoId, ControlKind::Static, "Total Interest Paid / Earned:", {10, 103, 94, 8}},
    {1101, ControlKind::Edit, "", {106, 101, 76, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, " Copy Interest to Calculator:", {10, 125, 94, 8}},
    {1, ControlKind::BitmapButton, "OK", {106, 122, 35, 14}},
    {2, ControlKind::BitmapButton, "Cancel", {147, 122, 35, 14}},
    {kNoId, ControlKind::GroupBox, "Interest Calculation", {4, 3, 187, 142}},
};

inline constexpr DialogTemplate kSimpleInterestDialog{235, "Simple Interest Calculator", 195, 151,
                                                      kSimpleInterestControls};

}  // namespace zovrek::forms
