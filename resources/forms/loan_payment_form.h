#pragma once
// Template 234: the loan payment calculator. Template order is the tab order.

#include "shell/dialog_template.h"

namespace zovrek::forms {

using namespace zovrek::shell;

inline constexpr ControlTemplate kLoanPaymentControls[] = {
    {kNoId, ControlKind::Static, "Loan Amount:", {11, 17, 85, 8}},
    {1102, ControlKind::Edit, "", {98, 15, 96, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "Annual Interest Rate(%):", {11, 35, 85, 8}},
    {1103, ControlKind::Edit, "", {98, 33, 53, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "(Fixed)", {155, 35, 40, 8}},
    {kNoId, ControlKind::Static, "Length of Loan Period:", {11, 59, 85, 8}},
    {1104, ControlKind::Edit, "", {98, 57, 53, 12}, kAlignRight | kBorder | kAutoHScroll},
    {1107, ControlKind::RadioButton, "Months", {19, 70, 37, 10}, kGroupStart},
    {1108, ControlKind::RadioButton, "Years", {61, 70, 32, 10}},
    {kNoId, ControlKind::Static, "Payment Schedule:", {11, 87, 82, 8}},
    {1105, ControlKind::RadioButton, "Monthly", {96, 86, 37, 10}, kGroupStart},
    {1106, ControlKind::RadioButton, "Bi-Weekly", {143, 86, 48, 10}},
    {1109, ControlKind::BitmapButton, "Calculate", {95, 105, 43, 14}, kGroupStart},
    {1116, ControlKind::BitmapButton, "Reset", {159, 105, 43, 14}},
    {kNoId, ControlKind::Static, "Payment Amount:", {11, 132, 86, 8}},
    {1110, ControlKind::Edit, "", {99, 130, 53, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "Total Interest Paid:", {11, 150, 86, 8}},
    {1111, ControlKind::Edit, "", {99, 148, 53, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "Repaid Loan Total:", {11, 168, 86, 8}},
    {1112, ControlKind::Edit, "", {99, 166, 96, 12}, kAlignRight | kBorder | kAutoHScroll},
    {kNoId, ControlKind::Static, "Copy Payment to Calculator:", {11, 187, 95, 8}},
    {1, ControlKind::BitmapButton, "OK", {107, 184, 43, 14}},
    {2, ControlKind::BitmapButton, "Cancel", {160, 184, 43, 14}},
    {kNoId, ControlKind::GroupBox, "", {14, 65, 83, 18}},
    {kNoId, ControlKind::GroupBox, "Input Data", {5, 3, 203, 98}},
    {kNoId, ControlKind::GroupBox, "Results", {5, 121, 203, 61}},
};

inline constexpr DialogTemplate kLoanPaymentDialog{234, "Loan Payment Calculator", 213, 205,
                                                   kLoanPaymentControls};

}  // namespace zovrek::forms
