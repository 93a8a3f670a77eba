#pragma once
// Copy and paste between the calculator and other programs.

namespace zovrek::qt {

class CMainFrame;

class ClipboardCommands {
public:
    explicit ClipboardCommands(CMainFrame& frame) : frame_(frame) {}

    /// Copy (Ctrl+C, Ctrl+Insert): the text selected in the focused tape or edit, else the
    /// display's number as shown.
    void copy();
    /// Paste (Ctrl+V, Shift+Insert): the clipboard's number typed on the keypad, a leading
    /// minus as +/- after its digits; with the number format on, written the locale's way
    /// too. A clipboard without a number changes nothing.
    void paste();
    /// Copy Tape (Ctrl+Shift+C): the whole tape as plain text.
    void copyTape();

private:
    CMainFrame& frame_;
};

}  // namespace zovrek::qt
