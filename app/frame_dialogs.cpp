#include "app/frame_dialogs.h"

#include <QLabel>

#include "forms/small_dialog_forms.h"
#include "shell/qt/modal.h"
#include "shell/qt/pictures/keypad_pictures.h"

namespace zovrek::qt {

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
    : TemplateDialog(forms::kShortcutKeysDialog, parent) {
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
