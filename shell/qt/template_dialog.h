#pragma once
// A modal dialog built from its template: fixed size, the template's title and controls.
// OK (1) ends it with Accepted and is the default button, so Enter gives OK wherever the
// focus is; Cancel (2), Esc and the close box end it with Rejected.

#include <QDialog>

#include "shell/qt/form.h"
#include "shell/qt/qt_text.h"

namespace zovrek::qt {

class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    TemplateDialog(const shell::DialogTemplate& dialog, QWidget* parent,
                   const std::map<int, Form::Factory>& custom = {});

    Form& form() { return form_; }
    const Form& form() const { return form_; }

    /// Result codes besides Accepted (OK) and Rejected (Cancel).
    static constexpr int kOk = QDialog::Accepted;
    static constexpr int kCancel = QDialog::Rejected;

protected:
    /// Fits the window around its controls once bitmap buttons have taken their size.
    void fitToControls();

private:
    Form form_;
};

}  // namespace zovrek::qt
