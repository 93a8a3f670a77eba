#pragma once
// "Tape Title" (template 216): asks for the title printed in the page header, the user's own
// text in any script. No close box; OK takes the edited text, Esc cancels and the previous
// title stays.

#include <QString>

#include "shell/qt/template_dialog.h"
#include "tape/print_preparation.h"

namespace zovrek::qt {

class TitleLengthValidator;

class CTapeTitleDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CTapeTitleDlg(QWidget* parent = nullptr);

    /// Puts m_title into the edit (false) or reads the edit into m_title (true).
    void UpdateData(bool saveAndValidate);

    /// OK: refused with a message while the edit holds more than 32 characters.
    void accept() override;

    QString m_title;

private:
    TitleLengthValidator* validator_ = nullptr;
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
