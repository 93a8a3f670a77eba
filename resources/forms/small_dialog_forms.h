#pragma once
// The main frame's small dialogs: Close Program! (231), ShortCut Keys (139), About (100),
// and the "Out Of Range Value!" warning (232).

#include "shell/dialog_template.h"

namespace zovrek::forms {

using namespace zovrek::shell;

inline constexpr ControlTemplate kCloseProgramControls[] = {
    {kNoId, ControlKind::Static, "Are you sure you want to quit?", {5, 8, 131, 8}, kAlignCenter},
    {kNoId, ControlKind::Static, "Did you save your data?", {5, 19, 131, 8}, kAlignCenter},
    {kNoId, ControlKind::Static, "\"OK\" to close program", {5, 30, 131, 8}, kAlignCenter},
    {1, ControlKind::BitmapButton, "OK", {21, 51, 50, 14}},
    {2, ControlKind::BitmapButton, "Cancel", {84, 51, 50, 14}},
};
inline constexpr DialogTemplate kCloseProgramDialog{231, "Close Program!", 141, 72,
                                                    kCloseProgramControls};

inline constexpr ControlTemplate kShortcutKeysControls[] = {
    {kNoId, ControlKind::Static, "Use 'Enter' key for Equal to (=)", {6, 5, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'Esc' key for 'Clear Entry'", {6, 15, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'Ctrl'+'Delete' keys for 'Clear' ", {6, 25, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'Ctrl'+'Alt'+'Enter' keys for 'Clear Tape'", {6, 35, 170, 8}},
    {kNoId, ControlKind::Static, "Use Ctrl + F1 keys for Help dialog", {6, 45, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'F4' key for '+/-'", {6, 55, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'F5' key for 'Sqrd'", {6, 65, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'F6' key for 'SQRT'", {6, 75, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'F7' key for '%'", {6, 85, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'F8' key for '1/x'", {6, 95, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'F9' key for 'Memory +'", {6, 105, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'F10' key for 'Memory -'", {6, 115, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'F11' key for 'Memory Recall'", {6, 125, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'F12' key for 'Memory Clear'", {6, 135, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'Ctrl'+'D' keys for 'Memory number 'Select'", {6, 145, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'Ctrl'+'U' keys for 'Decimal places 'Set'", {6, 155, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'BackSpace' key for 'Back'", {6, 165, 170, 8}},
    {kNoId, ControlKind::Static, "Use 'Alt+E' for 'Tape Editing' function", {6, 175, 170, 8}},
    {kNoId, ControlKind::Static, "Use the numlock 10-key pad for digits and all ", {6, 185, 170, 8}},
    {kNoId, ControlKind::Static, "    basic arithmetic functions.", {6, 195, 170, 8}},
    {1, ControlKind::BitmapButton, "OK", {74, 204, 50, 14}},
};
// 182 units wide: the longest line does not fit in 158 in today's fonts.
inline constexpr DialogTemplate kShortcutKeysDialog{139, "ShortCut Keys", 182, 222,
                                                    kShortcutKeysControls};

inline constexpr int kAboutPictureId = 163;
inline constexpr ControlTemplate kAboutControls[] = {
    {kAboutPictureId, ControlKind::Static, "", {8, 8, 32, 30}},
    {kNoId, ControlKind::Static, "ZOVREK Version 2.0", {44, 8, 184, 8}},
    {kNoId, ControlKind::Static, "A desk printing calculator with a paper tape.", {44, 19, 184, 8}},
    {kNoId, ControlKind::Static, "Copyright \u00a9 2026 the ZOVREK developers", {44, 30, 184, 8}},
    {1, ControlKind::BitmapButton, "OK", {189, 43, 50, 14}},
};
inline constexpr DialogTemplate kAboutDialog{100, "About ZOVREK", 235, 61, kAboutControls};

inline constexpr ControlTemplate kOutOfRangeControls[] = {
    {kNoId, ControlKind::Static, "Value is out of range for the current", {10, 9, 160, 8}, kAlignCenter},
    {kNoId, ControlKind::Static, "'Tape Decimal Places' selection !", {10, 19, 160, 8}, kAlignCenter},
    {kNoId, ControlKind::Static, "(May still be used with current calculation.)", {10, 33, 160, 8}, kAlignCenter},
    {kNoId, ControlKind::Static, "The \"F\" type selection is recommended.", {10, 43, 160, 8}, kAlignCenter},
    {1, ControlKind::PushButton, "OK", {65, 58, 50, 14}, kDefaultButton},
};
inline constexpr DialogTemplate kOutOfRangeDialog{232, "Out Of Range Value!", 180, 80,
                                                  kOutOfRangeControls};

}  // namespace zovrek::forms
