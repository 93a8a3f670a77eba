#include "app/frame_dialogs.h"

#include <QLabel>
#include <vector>

#include "forms/small_dialog_forms.h"
#include "menus/desktop_commands.h"
#include "shell/qt/modal.h"
#include "shell/qt/pictures/keypad_pictures.h"

namespace zovrek::qt {
namespace {

// The original's twenty lines, a gap, then a line for each of the desktop's keys, with OK
// below them all.
const shell::DialogTemplate& shortcutKeysTemplate() {
    static const std::vector<shell::ControlTemplate> controls = [] {
        const auto& original = forms::kShortcutKeysDialog.controls;
        std::vector<shell::ControlTemplate> all(original.begin(), original.end() - 1);
        int y = all.back().rect.y + 4;
        for (const menus::DesktopKey& key : menus::kDesktopKeys) {
            y += 10;
            all.push_back({shell::kNoId, shell::ControlKind::Static, key.shortcutLine,
                           {6, y, 170, 8}});
        }
        shell::ControlTemplate ok = original.back();
        ok.rect.y = y + 9;
        all.push_back(ok);
        return all;
    }();
    static const shell::DialogTemplate dialog{
        forms::kShortcutKeysDialog.id, forms::kShortcutKeysDialog.title,
        forms::kShortcutKeysDialog.width, controls.back().rect.y + 18, controls};
    return dialog;
}

}  // namespace

CCloseProgramDlg::CCloseProgramDlg(QWidget* parent)
    : TemplateDialog(forms::kCloseProgramDialog, parent) {
    form().autoLoad({1, 2});
    fitToControls();
}

CAboutDlg::CAboutDlg(QWidget* parent) : TemplateDialog(forms::kAboutDialog, parent) {
    if (auto* picture = qobject_cast<QLabel*>(form().control(forms::kAboutPictureId))) {
        picture->setPixmap(applicationPicture(48, devicePixelRatioF()));
        picture->setFixedSize(48, 48);
        picture->setAccessibleName(QStringLiteral("ZOVREK"));
    }
    form().autoLoad({1});
    fitToControls();
}

CShortcutKeysDlg::CShortcutKeysDlg(QWidget* parent)
    : TemplateDialog(shortcutKeysTemplate(), parent) {
    form().autoLoad({1});
    fitToControls();
}

COutOfRangeDlg::COutOfRangeDlg(QWidget* parent)
    : TemplateDialog(forms::kOutOfRangeDialog, parent) {}

template <class Dialog>
bool runDialog(QWidget* parent) {
    Dialog dialog(parent);
    return Modal::exec(dialog) == QDialog::Accepted;
}

template bool runDialog<CCloseProgramDlg>(QWidget*);
template bool runDialog<CAboutDlg>(QWidget*);
template bool runDialog<CShortcutKeysDlg>(QWidget*);
template bool runDialog<COutOfRangeDlg>(QWidget*);

}  // namespace zovrek::qt
