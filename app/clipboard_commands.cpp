#include "app/clipboard_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>

#include "app/calculator_view.h"
#include "app/main_frame.h"
#include "shell/qt/paste_guard.h"
#include "engine/command_ids.h"
#include "engine/pasted_number.h"
#include "tape/qt/tape_view.h"

namespace zovrek::qt {
namespace {

constexpr int kDisplay = 1000;

TapeView* tapeOf(QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (auto* tape = qobject_cast<TapeView*>(widget)) return tape;
    return nullptr;
}

}  // namespace

void ClipboardCommands::copy() {
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() != &frame_) focus = nullptr;
    if (TapeView* tape = tapeOf(focus); tape && tape->hasSelection()) {
        tape->copy();
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(focus); edit && edit->hasSelectedText()) {
        QApplication::clipboard()->setText(edit->selectedText());
        return;
    }
    QApplication::clipboard()->setText(frame_.view().form().edit(kDisplay)->text());
}

void ClipboardCommands::paste() {
    // Qt 6.4 can crash reading an empty clipboard as text: ask what it holds first.
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!holdsText(data)) return;
    const auto number =
        pastedNumber(data->text().trimmed().toStdString(), frame_.view().numberMarks());
    if (!number) return;
    for (const int key : number->keys) frame_.runCommand(key);
    // +/- negates an entry being keyed; on a result it would write a multiplication instead.
    const Calculator& calc = frame_.view().calculator();
    if (number->negative && calc.m_awaitEntry == 0 && calc.m_resultLocked == 0)
        frame_.runCommand(cmd::PlusMinus);
}

void ClipboardCommands::copyTape() { frame_.view().tape().copyAll(); }

}  // namespace zovrek::qt
