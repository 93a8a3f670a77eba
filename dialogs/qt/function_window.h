#pragma once
// The window of a special-function dialog: the template's controls serve as the fields that
// the windowless dialog exchanges its members with, and OK closes only once every field
// could be read.

#include <functional>
#include <string>
#include <string_view>

#include "dialogs/function_dialog.h"
#include "shell/qt/template_dialog.h"

class QButtonGroup;

namespace zovrek::qt {

class SpecialFunctionWindow : public TemplateDialog, public dialogs::FieldControls {
    Q_OBJECT
public:
    /// Caption of the prompts for fields that can't be read, as the framework gives them.
    static constexpr std::string_view kPromptTitle = "ZOVREK";
    static constexpr int kOkId = 1, kCancelId = 2;

    SpecialFunctionWindow(const shell::DialogTemplate& dialog, QWidget* parent);

    /// The windowless dialog behind the window.
    virtual dialogs::SpecialFunctionDialog& logic() = 0;

    /// Where the initialisation leaves the focus: in the first field, its text selected.
    void focusFirstField();

    std::string text(int id) const override;
    void setText(int id, std::string_view text) override;
    int radio(int firstId) const override;
    void setRadio(int firstId, int index) override;
    void prompt(int id, std::string_view message) override;
    void focusDialog() override;

    /// OK and Enter: closes with OK only when every field was read.
    void accept() override;

protected:
    /// Runs `action` when button `id` is clicked.
    void onClicked(int id, std::function<void()> action);
    /// Arrow keys move the check mark round a radio group, as the system's groups do.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QButtonGroup* groupOf(int firstId) const;
    void putFocusIn(int id);
};

}  // namespace zovrek::qt
