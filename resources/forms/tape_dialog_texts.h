#pragma once
// The texts of the tape document's two dialogs, for whichever window side draws them.

#include <string_view>

namespace zovrek {

/// "Save Tape?" (template 227): buttons OK (1), "No" (1074) and Cancel (2), left to right.
struct SaveTapeDialogTexts {
    static constexpr std::string_view kTitle = "Save Tape?";
    static constexpr std::string_view kFirstLine = "    Current tape is about to be erased !!!";
    static constexpr std::string_view kSecondLine = "     Do you want to save the tape first?";
    static constexpr std::string_view kNoButton = "No";
    static constexpr int kNoButtonId = 1074;
};

/// "Tape Title" (template 216): one edit (1055) and an OK button; Esc cancels.
struct TapeTitleDialogTexts {
    static constexpr std::string_view kTitle = "Tape Title";
    static constexpr std::string_view kPrompt = "Enter a Title for your Tape Printout";
    static constexpr std::string_view kLimit = "Enter up to 32 characters";
    static constexpr int kEditId = 1055;
    static constexpr int kMaxLength = 32;
};

}  // namespace zovrek
