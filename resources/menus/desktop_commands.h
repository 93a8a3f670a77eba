#pragma once
// What the main frame has besides the original's menu and keys: recent tapes, CSV export,
// the clipboard, and the keys every desktop program answers to.

#include <string_view>

#include "engine/command_ids.h"

namespace zovrek::cmd {

/// The recent-file items of the File menu, 1 to 4 (the framework's own identifiers).
inline constexpr int RecentFile1 = 57616, RecentFileCount = 4;
inline constexpr int ExportTape = 32840, CopyTape = 32841;

}  // namespace zovrek::cmd

namespace zovrek::menus {

struct DesktopKey {
    int command;
    std::string_view keys;          ///< portable key names; "; " between two keys
    std::string_view shortcutLine;  ///< its line in the ShortCut Keys list
};

/// Only Ctrl+S is also in the accelerator table, whose entry for it had no handler. Ctrl+Insert
/// copies through the table's own copy entry (EditCopy).
inline constexpr DesktopKey kDesktopKeys[] = {
    {cmd::FileNew, "Ctrl+N", "Use 'Ctrl'+'N' keys for 'File New'"},
    {cmd::FileOpen, "Ctrl+O", "Use 'Ctrl'+'O' keys for 'File Open'"},
    {cmd::FileSave, "Ctrl+S", "Use 'Ctrl'+'S' keys for 'File Save'"},
    {cmd::FileSaveAs, "Ctrl+Shift+S", "Use 'Ctrl'+'Shift'+'S' keys for 'File Save As'"},
    {cmd::Exit, "Ctrl+Q", "Use 'Ctrl'+'Q' keys for 'Exit'"},
    {cmd::HelpIndex, "F1", "Use 'F1' key for 'Help Topics'"},
    {cmd::EditCopy, "Ctrl+C", "Use 'Ctrl'+'C' keys to copy the display"},
    {cmd::EditPaste, "Ctrl+V; Shift+Ins", "Use 'Ctrl'+'V' keys to type a copied number"},
    {cmd::CopyTape, "Ctrl+Shift+C", "Use 'Ctrl'+'Shift'+'C' keys to copy the tape"},
};

}  // namespace zovrek::menus
