#include "editor/qt/tape_editor_launcher.h"

#include "editor/qt/tape_editor_dlg.h"
#include "shell/qt/modal.h"

namespace zovrek::qt {

std::optional<TapeEditorResult> TapeEditorDialogs::runModal(const TapeEditorInput& input) {
    CTapeEditorDlg dialog(input, parent_);
    if (Modal::exec(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.editor().result();
}

}  // namespace zovrek::qt
