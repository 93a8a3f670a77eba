#pragma once
// Template 226: the Tape Editor. Update comes first in the template, so it has the focus when
// the dialog opens.

#include <cstddef>

#include "forms/tape_editor_texts.h"
#include "shell/dialog_template.h"

namespace zovrek::forms {

using namespace zovrek::shell;

namespace tape_editor_layout {

namespace te = zovrek::tape_editor;

// The instruction lines start at y 13, one every 9 units, grey and centred.
constexpr ControlTemplate instruction(int line, int width) {
    return {kNoId, ControlKind::Static, te::kInstructions[static_cast<std::size_t>(line)],
            {9, 13 + 9 * line, width, 8}, kAlignCenter | kGrey};
}

}  // namespace tape_editor_layout

inline constexpr ControlTemplate kTapeEditorControls[] = {
    {tape_editor::kUpdateId, ControlKind::BitmapButton, "Update", {29, 129, 80, 12}},
    {tape_editor::kToCalculatorId, ControlKind::BitmapButton, "ToCalculator", {31, 165, 64, 12}},
    {tape_editor::kCancelId, ControlKind::BitmapButton, "Cancel", {75, 145, 41, 13}},
    {tape_editor::kReEditId, ControlKind::BitmapButton, "ReEdit", {29, 145, 41, 13}},
    {tape_editor::kTapeEditId, ControlKind::Edit, "", {136, 7, 91, 195},
     kMultiLine | kAlignRight | kWantReturn | kVScroll | kBorder | kClientEdge},
    {tape_editor::kPlacesEditId, ControlKind::Edit, "", {107, 184, 13, 12},
     kReadOnly | kAlignCenter | kBorder},
    {kNoId, ControlKind::Static, tape_editor::kPlacesLabel, {15, 186, 90, 8}, kGrey},
    {kNoId, ControlKind::GroupBox, "", {4, 4, 132, 119}},
    {kNoId, ControlKind::GroupBox, "", {3, 121, 132, 81}},
    {kNoId, ControlKind::GroupBox, "", {9, 177, 119, 23}},
    tape_editor_layout::instruction(0, 123),
    tape_editor_layout::instruction(1, 123),
    tape_editor_layout::instruction(2, 124),
    tape_editor_layout::instruction(3, 123),
    tape_editor_layout::instruction(4, 123),
    tape_editor_layout::instruction(5, 123),
    tape_editor_layout::instruction(6, 123),
    tape_editor_layout::instruction(7, 123),
    tape_editor_layout::instruction(8, 123),
    tape_editor_layout::instruction(9, 121),
    tape_editor_layout::instruction(10, 123),
    tape_editor_layout::instruction(11, 123),
};

inline constexpr DialogTemplate kTapeEditorDialog{tape_editor::kTemplateId, tape_editor::kTitle,
                                                  230, 208, kTapeEditorControls};

}  // namespace zovrek::forms
