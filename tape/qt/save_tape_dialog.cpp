#include "tape/qt/save_tape_dialog.h"

#include "forms/save_tape_form.h"
#include "shell/qt/bitmap_button.h"
#include "shell/qt/modal.h"

namespace zovrek::qt {

CSaveTapeDlg::CSaveTapeDlg(QWidget* parent) : TemplateDialog(forms::kSaveTapeDialog, parent) {
    form().autoLoad({1, 2, SaveTapeDialogTexts::kNoButtonId});
    CBitmapButton* no = form().button(SaveTapeDialogTexts::kNoButtonId);
    connect(no, &QPushButton::clicked, this, &CSaveTapeDlg::OnNo);
    no->setFocus();
}

void CSaveTapeDlg::OnNo() {
    m_noPressed = true;
    reject();
}

SaveTapeChoice CSaveTapeDlg::choice(int result) const {
    if (result == QDialog::Accepted) return SaveTapeChoice::Ok;
    return m_noPressed ? SaveTapeChoice::No : SaveTapeChoice::Cancel;
}

SaveTapeChoice askSaveTape(QWidget* parent) {
    CSaveTapeDlg dialog(parent);
    return dialog.choice(Modal::exec(dialog));
}

}  // namespace zovrek::qt
