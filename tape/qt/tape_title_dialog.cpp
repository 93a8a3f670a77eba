#include "tape/qt/tape_title_dialog.h"

#include <QLabel>
#include <QLineEdit>

#include "forms/tape_title_form.h"
#include "shell/qt/modal.h"

namespace zovrek::qt {

CTapeTitleDlg::CTapeTitleDlg(QWidget* parent) : TemplateDialog(forms::kTapeTitleDialog, parent) {
    // A caption without the system menu, so there is no close box either.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    form().edit(TapeTitleDialogTexts::kEditId)->setMaxLength(TapeTitleDialogTexts::kMaxLength);
    form().autoLoad({1});
    // Both lines are centred in the template; where this face is wider than the original's,
    // a line grows on both sides instead of losing its end.
    for (QLabel* label : findChildren<QLabel*>()) {
        const int needed = label->sizeHint().width();
        if (needed <= label->width()) continue;
        QRect grown = label->geometry();
        grown.setWidth(needed);
        grown.moveCenter(QPoint(label->geometry().center().x(), grown.center().y()));
        label->setGeometry(grown);
    }
    fitToControls();
}

void CTapeTitleDlg::UpdateData(bool saveAndValidate) {
    QLineEdit* edit = form().edit(TapeTitleDialogTexts::kEditId);
    if (saveAndValidate) {
        m_title = edit->text();
        return;
    }
    // A longer preset (a long file name) is cut to what the edit may hold.
    edit->setText(m_title);
    edit->selectAll();
    edit->setFocus(Qt::OtherFocusReason);
}

std::optional<std::string> TapeTitlePrompt::run(const std::string& title) {
    CTapeTitleDlg dialog(parent_);
    dialog.m_title = QString::fromStdString(title);
    dialog.UpdateData(false);
    if (Modal::exec(dialog) != QDialog::Accepted) return std::nullopt;
    dialog.UpdateData(true);
    return dialog.m_title.toStdString();
}

}  // namespace zovrek::qt
