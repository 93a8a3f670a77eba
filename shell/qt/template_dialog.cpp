#include "shell/qt/template_dialog.h"

#include <QPushButton>

namespace zovrek::qt {

TemplateDialog::TemplateDialog(const shell::DialogTemplate& dialog, QWidget* parent,
                               const std::map<int, Form::Factory>& custom)
    : QDialog(parent), form_(this, dialog, custom) {
    setWindowTitle(uiText(dialog.title));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    if (auto* ok = qobject_cast<QPushButton*>(form_.control(1))) {
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
    if (auto* cancel = qobject_cast<QPushButton*>(form_.control(2)))
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(form_.size());
}

void TemplateDialog::fitToControls() {
    // A picture may reach past the template's edge; the window grows to show it whole.
    QRect bounds(QPoint(0, 0), form_.size());
    for (const QWidget* w : form_.widgets()) bounds |= w->geometry();
    setFixedSize(bounds.size());
}

}  // namespace zovrek::qt
