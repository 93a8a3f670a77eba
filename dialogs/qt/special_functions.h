#pragma once
// The main window's way into the five special-function dialogs.

class QWidget;

namespace zovrek {
class Calculator;
}

namespace zovrek::qt {

/// For the commands 32814 to 32818: builds the dialog, runs the special-function frame with
/// it (preset, click, modal run, hand-back into `calculator`) and returns true. False for any
/// other command.
bool runSpecialFunction(int command, zovrek::Calculator& calculator, QWidget* parent);

}  // namespace zovrek::qt
