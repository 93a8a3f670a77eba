#pragma once
// Template 227: "Save Tape?", buttons OK, No, Cancel from left to right; No comes first in
// the template, so it has the focus when the dialog opens.

#include "forms/tape_dialog_texts.h"
#include "shell/dialog_template.h"

namespace zovrek::forms {

using namespace zovrek::shell;

inline constexpr ControlTemplate kSaveTapeControls[] = {
    {SaveTapeDialogTexts::kNoButtonId, ControlKind::BitmapButton, SaveTapeDialogTexts::kNoButton,
     {71, 33, 40, 15}},
    {kNoId, ControlKind::Static, SaveTapeDialogTexts::kSecondLine, {7, 19, 159, 10}},
    {kNoId, ControlKind::Static, SaveTapeDialogTexts::kFirstLine, {7, 6, 159, 8}},
    {1, ControlKind::BitmapButton, "OK", {21, 33, 40, 15}},
    {2, ControlKind::BitmapButton, "Cancel", {119, 33, 40, 15}},
};
inline constexpr DialogTemplate kSaveTapeDialog{227, SaveTapeDialogTexts::kTitle, 173, 63,
                                                kSaveTapeControls};

}  // namespace zovrek::forms
