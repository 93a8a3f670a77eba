#pragma once
// The main frame's commands beyond the calculator's own menu and key table: recent tapes,
// CSV export, the clipboard, and the keys every desktop program answers to.

#include <string_view>

#include "engine/command_ids.h"

namespace zovrek::cmd {

/// The recent-file items of the File menu, 1 to 4 (the framework's own identifiers).
inline constexpr int RecentFile1 = 57616, RecentFileCount = 4;
inline constexpr int ExportTape = 32840, CopyTape = 32841;
/// Options -> Number Format: numbers shown with the locale's decimal mark and grouping.
inline constexpr int NumberFormat = 32842;

}  // namespace zovrek::cmd

namespace zovrek::menus {

struct DesktopKey {
    int command;
    std::string_view keys;  ///< portable key names; "; " between two keys
};

/// Only Ctrl+S is also in the accelerator table, whose entry for it had no handler. Ctrl+Insert
/// copies through the table's own copy entry (EditCopy).
inline constexpr DesktopKey kDesktopKeys[] = {
    {cmd::FileNew, "Ctrl+N"},
    {cmd::FileOpen, "Ctrl+O"},
    {cmd::FileSave, "Ctrl+S"},
    {cmd::FileSaveAs, "Ctrl+Shift+S"},
    {cmd::Exit, "Ctrl+Q"},
    {cmd::HelpIndex, "F1"},
    {cmd::EditCopy, "Ctrl+C"},
    {cmd::EditPaste, "Ctrl+V; Shift+Ins"},
    {cmd::CopyTape, "Ctrl+Shift+C"},
};

}  // namespace zovrek::menus
