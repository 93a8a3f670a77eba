#pragma once
// Command identifiers of the keypad, the menus and the dialogs, as the resources number them.

namespace zovrek::cmd {

inline constexpr int Zero = 1025, One = 1020, Two = 1021, Three = 1022, Four = 1013,
                     Five = 1014, Six = 1015, Seven = 1008, Eight = 1009, Nine = 1010;
inline constexpr int Decimal = 1027, Back = 1061, PlusMinus = 1026, ClearEntry = 1006,
                     Clear = 1007, ClearAll = 1030;
inline constexpr int Plus = 1028, Minus = 1023, Times = 1018, Divide = 1011, Equal = 1029;
inline constexpr int Percent = 1019, Sqrt = 1012, Squared = 1035, Invert = 1024;
inline constexpr int MemoryClear = 1001, MemoryRecall = 1002, MemoryMinus = 1003,
                     MemoryPlus = 1004, MemorySelect = 1148;
inline constexpr int DigitUp = 1042, TapeEdit = 1062;
inline constexpr int CalculatorMode = 32807, AddingMachineMode = 32808;
inline constexpr int Sounds = 32821, Voice = 32825;
inline constexpr int FileNew = 32799, FileOpen = 32801, FileSave = 32802, FileSaveAs = 32803;
inline constexpr int ColorBlue = 32772, ColorWhite = 32773, ColorGreen = 32774,
                     ColorYellow = 32775;
inline constexpr int Annuity = 32814, LoanPayment = 32815, SimpleInterest = 32816,
                     FixedSavings = 32817, Scientific = 32818;
// The frame's, the application's and the framework's own commands.
inline constexpr int KeepOnTop = 32805, ShortcutKeys = 32776;
inline constexpr int PrintSetup = 57606, Print = 57607, PrintDirect = 57608,
                     PrintPreview = 57609;
inline constexpr int EditCopy = 57634, EditPaste = 57637, EditSelectAll = 57642;
inline constexpr int About = 57664, Exit = 57665, HelpIndex = 57667, ContextHelp = 57669,
                     Help = 57670, HelpDefault = 57671;

/// The digit 0..9 of a digit key's identifier, or -1.
constexpr int digitOf(int id) {
    constexpr int ids[10] = {Zero, One, Two, Three, Four, Five, Six, Seven, Eight, Nine};
    for (int d = 0; d < 10; ++d)
        if (ids[d] == id) return d;
    return -1;
}

}  // namespace zovrek::cmd
