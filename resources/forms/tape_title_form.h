#pragma once
// Template 216: "Tape Title", two lines of text over the edit (1055) and the OK button. There
// is no Cancel button: Esc cancels.

#include "forms/tape_dialog_texts.h"
#include "shell/dialog_template.h"

namespace zovrek::forms {

using namespace zovrek::shell;

inline constexpr ControlTemplate kTapeTitleControls[] = {
    {kNoId, ControlKind::Static, TapeTitleDialogTexts::kPrompt, {38, 13, 109, 8}},
    {kNoId, ControlKind::Static, TapeTitleDialogTexts::kLimit, {52, 28, 81, 8}},
    {TapeTitleDialogTexts::kEditId, ControlKind::Edit, "", {11, 41, 164, 14},
     kBorder | kAutoHScroll},
    {1, ControlKind::BitmapButton, "OK", {79, 71, 50, 14}},
};
inline constexpr DialogTemplate kTapeTitleDialog{216, TapeTitleDialogTexts::kTitle, 186, 92,
                                                 kTapeTitleControls};

}  // namespace zovrek::forms
