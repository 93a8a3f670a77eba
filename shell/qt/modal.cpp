#include "shell/qt/modal.h"

#include <QDialog>

namespace zovrek::qt {
namespace {

Modal::Answerer& answerer() {
    static Modal::Answerer instance;
    return instance;
}

}  // namespace

int Modal::exec(QDialog& dialog) {
    if (answerer()) {
        // A copy: the answerer may install another one while it runs.
        const Answerer answer = answerer();
        return answer(dialog);
    }
    return dialog.exec();
}

QMessageBox::StandardButton Modal::message(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& title, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    const int result = exec(box);
    // An answerer may return a standard button, or QDialog's codes for a box it dismissed.
    if (buttons.testFlag(static_cast<QMessageBox::StandardButton>(result)))
        return static_cast<QMessageBox::StandardButton>(result);
    return result == QDialog::Accepted ? QMessageBox::Ok : QMessageBox::Cancel;
}

void Modal::setAnswerer(Answerer a) { answerer() = std::move(a); }

bool Modal::answered() { return static_cast<bool>(answerer()); }

}  // namespace zovrek::qt
