#include "app/desktop_commands.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

#include "app/calculator_view.h"
#include "app/clipboard_commands.h"
#include "app/main_frame.h"
#include "app/recent_tapes_menu.h"
#include "app/tape_export.h"
#include "tape/qt/tape_view.h"
#include "menus/desktop_commands.h"
#include "shell/qt/key_dispatcher.h"
#include "shell/qt/qt_text.h"

namespace zovrek::qt {

DesktopCommands::DesktopCommands(CMainFrame& frame)
    : QObject(&frame), frame_(frame), clipboard_(std::make_unique<ClipboardCommands>(frame)) {
    for (const menus::DesktopKey& key : menus::kDesktopKeys) {
        const QList<QKeySequence> sequences = QKeySequence::listFromString(uiText(key.keys));
        keys_ += sequences;
        QAction* action = frame.action(key.command);
        if (action == nullptr) {
            // Not in the menu: an action of the window's own, for its keys.
            action = new QAction(&frame);
            const int id = key.command;
            connect(action, &QAction::triggered, &frame, [&frame, id] { frame.runCommand(id); });
            frame.addAction(action);
        }
        action->setShortcuts(sequences);
    }
    KeyDispatcher::add(KeyStage::DesktopKeys, this,
                       [this](QWidget& target, QKeyEvent& event) { return claim(target, event); });
}

DesktopCommands::~DesktopCommands() = default;

void DesktopCommands::addToMenus() {
    recent_ = new RecentTapesMenu(frame_, frame_.action(cmd::Exit));
    // Nothing to export from an empty tape, nor while an export is at work.
    QAction* exportAction = frame_.action(cmd::ExportTape);
    for (QObject* o : exportAction->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(o))
            connect(menu, &QMenu::aboutToShow, this, [this, exportAction] {
                exportAction->setEnabled(!frame_.view().calculator().m_tape.empty() &&
                                         !(export_ && export_->running()));
            });
}

bool DesktopCommands::onCommand(int id) {
    if (id >= cmd::RecentFile1 && id < cmd::RecentFile1 + cmd::RecentFileCount) {
        recent_->open(id - cmd::RecentFile1);
        return true;
    }
    switch (id) {
    case cmd::EditCopy: clipboard_->copy(); return true;
    case cmd::EditPaste: clipboard_->paste(); return true;
    case cmd::CopyTape: clipboard_->copyTape(); return true;
    case cmd::ExportTape:
        // A child of the tape control, over which it shows its progress.
        if (!export_) export_ = new TapeExport(frame_.view().fileDialogs(), &frame_.view().tape());
        export_->start(frame_.view().document(), frame_.view().calculator().m_tape.view());
        return true;
    default: return false;
    }
}

bool DesktopCommands::claim(QWidget& target, QKeyEvent& event) const {
    if (target.window() != &frame_) return false;
    const QKeySequence pressed(
        QKeyCombination::fromCombined(event.keyCombination().toCombined() & ~Qt::KeypadModifier));
    // Left unaccepted, the override lets the shortcut run: no edit keeps Ctrl+C or Ctrl+V,
    // and the accelerator table's empty Ctrl+S entry never sees its key. A key press comes
    // only when the action is disabled (a preview shows): it does nothing.
    return keys_.contains(pressed);
}

}  // namespace zovrek::qt
