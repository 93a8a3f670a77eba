#pragma once
// "Tape Title" (template 216): asks for the title printed in the page header. No close box;
// OK takes the edited text, Esc cancels and the previous title stays.

#include <QString>

#include "shell/qt/template_dialog.h"
#include "tape/print_preparation.h"

namespace zovrek::qt {

class CTapeTitleDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CTapeTitleDlg(QWidget* parent = nullptr);

    /// Puts m_title into the edit (false) or reads the edit into m_title (true).
    void UpdateData(bool saveAndValidate);

    QString m_title;
};

/// The title dialog behind print preparation: one CTapeTitleDlg per question, run through
/// the modal seam.
class TapeTitlePrompt : public TapeTitleDialog {
public:
    explicit TapeTitlePrompt(QWidget* parent) : parent_(parent) {}

    std::optional<std::string> run(const std::string& title) override;

private:
    QWidget* parent_;
};

}  // namespace zovrek::qt
