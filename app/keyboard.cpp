#include "app/keyboard.h"

#include <QKeyEvent>
#include <QWidget>

#include "engine/command_ids.h"
#include "menus/accelerator_table.h"
#include "shell/qt/key_dispatcher.h"

namespace zovrek::qt {
namespace {

namespace vk = shell::vk;

std::uint16_t virtualKeyOf(int key, bool keypad) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<std::uint16_t>(keypad ? vk::Numpad0 + (key - Qt::Key_0) : key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::uint16_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<std::uint16_t>(vk::F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Backspace: return vk::Back;
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_Insert: return vk::Insert;
    case Qt::Key_Delete: return vk::Delete;
    default: break;
    }
    if (!keypad) return 0;
    switch (key) {
    case Qt::Key_Asterisk: return vk::Multiply;
    case Qt::Key_Plus: return vk::Add;
    case Qt::Key_Minus: return vk::Subtract;
    case Qt::Key_Slash: return vk::Divide;
    case Qt::Key_Period:
    case Qt::Key_Comma: return vk::Decimal;
    default: return 0;
    }
}

// The digit of a key of the top row, by the key's position rather than by what it types, so
// the digits stay where they are on layouts that type other characters there (French).
// X11 and Wayland number the keys by evdev code + 8: 1..9 are 10..18, 0 is 19.
int topRowDigit(quint32 scanCode) {
    if (scanCode < 10 || scanCode > 19) return -1;
    return scanCode == 19 ? 0 : static_cast<int>(scanCode - 9);
}

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

}  // namespace

shell::KeyStroke keyStrokeOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool keypad = mods & Qt::KeypadModifier;
    shell::KeyStroke stroke;
    stroke.virtualKey = virtualKeyOf(event.key(), keypad);
    stroke.shift = mods & Qt::ShiftModifier;
    stroke.control = mods & Qt::ControlModifier;
    stroke.alt = mods & Qt::AltModifier;
    const QString text = event.text();
    if (text.size() == 1 && text.front().isPrint()) stroke.typed = text.front().unicode();
    if (keypad || stroke.control || stroke.alt) return stroke;
    if (stroke.typed == U'*') {
        stroke.virtualKey = '8';
        stroke.shift = true;
    } else if (isDigit(stroke.typed)) {
        // A typed digit is that digit, whatever it took to type it (Shift on French layouts).
        stroke.virtualKey = static_cast<std::uint16_t>(stroke.typed);
        stroke.shift = false;
    }
    return stroke;
}

int KeyboardFilter::commandOf(const QKeyEvent& event) {
    shell::KeyStroke stroke = keyStrokeOf(event);
    if (const int command = shell::matchAccelerator(menus::kAccelerators, stroke)) return command;
    // A top-row digit key pressed alone is its digit on any layout, unless what it types is
    // a key of the calculator's own (the French "-" on the 6 key stays minus).
    const int digit = topRowDigit(event.nativeScanCode());
    if (digit < 0 || event.modifiers() != Qt::NoModifier) return 0;
    stroke.virtualKey = static_cast<std::uint16_t>('0' + digit);
    return shell::matchAccelerator(menus::kAccelerators, stroke);
}

KeyboardFilter::KeyboardFilter(QWidget* window, Runner run, DecimalMark decimalMark)
    : QObject(window), window_(window), run_(std::move(run)), decimalMark_(std::move(decimalMark)) {
    KeyDispatcher::add(KeyStage::Accelerators, this,
                       [this](QWidget& target, QKeyEvent& event) { return claim(target, event); });
}

bool KeyboardFilter::claim(QWidget& target, QKeyEvent& event) {
    if (target.window() != window_) return false;
    int command = commandOf(event);
    if (command == 0 && decimalMark_ && !event.text().isEmpty() &&
        !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QString mark = decimalMark_();
        if (!mark.isEmpty() && event.text() == mark) command = cmd::Decimal;
    }
    if (command == 0) return false;
    // Accepted, the override keeps the key from any shortcut; the focused control never sees it.
    event.accept();
    if (event.type() == QEvent::KeyPress) run_(command);
    return true;
}

}  // namespace zovrek::qt
