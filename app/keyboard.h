#pragma once
// The calculator's keys: every key press in the main window is matched against the
// accelerator table before the focused control sees it; a match runs its command at once.

#include <QObject>
#include <functional>

#include "shell/accelerators.h"

class QKeyEvent;
class QWidget;

namespace zovrek::qt {

/// The key stroke a Qt key event stands for. A typed "*" outside the keypad counts as
/// Shift+8, the key that types it on the layout the table was made for; a typed digit counts
/// as that digit's key on any layout.
shell::KeyStroke keyStrokeOf(const QKeyEvent& event);

class KeyboardFilter : public QObject {
    Q_OBJECT
public:
    using Runner = std::function<void(int command)>;

    /// The decimal mark numbers are shown with, or empty when it is the point.
    using DecimalMark = std::function<QString()>;

    /// Takes the keys of `window` at the accelerator table's turn among the program's key
    /// handlers, for as long as the window lives; `run` gets each matched command. A key that
    /// types `decimalMark` and is no other key of the calculator's enters the point.
    KeyboardFilter(QWidget* window, Runner run, DecimalMark decimalMark = {});

    /// The command a key event gives in the window, or 0. A top-row digit key pressed alone
    /// gives its digit when what it types is no key of the calculator (French "&" is 1).
    static int commandOf(const QKeyEvent& event);

private:
    bool claim(QWidget& target, QKeyEvent& event);

    QWidget* window_;
    Runner run_;
    DecimalMark decimalMark_;
};

}  // namespace zovrek::qt
