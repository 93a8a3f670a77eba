#pragma once
// Menu 128 and toolbar 128 of the main frame.

#include <string_view>

#include "engine/command_ids.h"
#include "menus/desktop_commands.h"

namespace zovrek::menus {

enum class MenuEntryKind { Popup, EndPopup, Item, Separator };

struct MenuEntry {
    MenuEntryKind kind;
    std::string_view text;  ///< "&" marks the mnemonic; "\t" starts the key shown
    int command = 0;
};

inline constexpr MenuEntry kMainMenu[] = {
    {MenuEntryKind::Popup, "&File"},
    {MenuEntryKind::Separator, ""},
    {MenuEntryKind::Item, "File &New", cmd::FileNew},
    {MenuEntryKind::Item, "File &Open", cmd::FileOpen},
    {MenuEntryKind::Item, "File &Save", cmd::FileSave},
    {MenuEntryKind::Item, "File Save &As", cmd::FileSaveAs},
    {MenuEntryKind::Item, "&Export Tape...", cmd::ExportTape},
    {MenuEntryKind::Separator, ""},
    {MenuEntryKind::Item, "&Print...\tCtrl+P", cmd::Print},
    {MenuEntryKind::Item, "Print Pre&view", cmd::PrintPreview},
    {MenuEntryKind::Item, "P&rint Setup...", cmd::PrintSetup},
    {MenuEntryKind::Separator, ""},
    {MenuEntryKind::Item, "E&xit", cmd::Exit},
    {MenuEntryKind::EndPopup, ""},
    {MenuEntryKind::Popup, "&Special Functions"},
    {MenuEntryKind::Item, "&Scientific Calculations", cmd::Scientific},
    {MenuEntryKind::Separator, ""},
    {MenuEntryKind::Item, "Simple &Interest Calculation", cmd::SimpleInterest},
    {MenuEntryKind::Item, "&Fixed Savings Calculation", cmd::FixedSavings},
    {MenuEntryKind::Item, "&Annuity Savings Calculation", cmd::Annuity},
    {MenuEntryKind::Item, "&Loan Payment Calculation", cmd::LoanPayment},
    {MenuEntryKind::EndPopup, ""},
    {MenuEntryKind::Popup, "&Tape Mode"},
    {MenuEntryKind::Item, "&Calculator", cmd::CalculatorMode},
    {MenuEntryKind::Item, "&Adding Machine", cmd::AddingMachineMode},
    {MenuEntryKind::Separator, ""},
    {MenuEntryKind::Item, "&Keep as Top Window", cmd::KeepOnTop},
    {MenuEntryKind::EndPopup, ""},
    {MenuEntryKind::Popup, "&Options"},
    {MenuEntryKind::Popup, "&Bk Colors"},
    {MenuEntryKind::Item, "&Yellow", cmd::ColorYellow},
    {MenuEntryKind::Item, "&Green", cmd::ColorGreen},
    {MenuEntryKind::Item, "&White", cmd::ColorWhite},
    {MenuEntryKind::Item, "&Blue", cmd::ColorBlue},
    {MenuEntryKind::EndPopup, ""},
    {MenuEntryKind::Separator, ""},
    {MenuEntryKind::Popup, "&Set Sounds"},
    {MenuEntryKind::Item, "&Sounds", cmd::Sounds},
    {MenuEntryKind::Item, "&Voice", cmd::Voice},
    {MenuEntryKind::EndPopup, ""},
    {MenuEntryKind::Separator, ""},
    {MenuEntryKind::Item, "&Number Format", cmd::NumberFormat},
    {MenuEntryKind::EndPopup, ""},
    {MenuEntryKind::Popup, "&Help"},
    {MenuEntryKind::Item, "&Help Topics", cmd::HelpIndex},
    {MenuEntryKind::Item, "&ShortCut Keys...", cmd::ShortcutKeys},
    {MenuEntryKind::Item, "&About ZOVREK...", cmd::About},
    {MenuEntryKind::EndPopup, ""},
};

struct ToolbarButton {
    int command;
    std::string_view toolTip;
};

/// In order; button i shows toolbar picture i.
inline constexpr ToolbarButton kToolbar[] = {
    {cmd::FileNew, "File New"},
    {cmd::FileOpen, "File Open"},
    {cmd::FileSave, "File Save"},
    {cmd::FileSaveAs, "File Save As"},
    {cmd::PrintPreview, "Print Preview"},
    {cmd::Print, "Print"},
    {cmd::Scientific, "Scientific Calculations"},
    {cmd::KeepOnTop, " Keep as Top Window"},
    {cmd::About, "About"},
};

}  // namespace zovrek::menus
