#include "dialogs/qt/special_functions.h"

#include <memory>

#include "dialogs/qt/finance_dialogs.h"
#include "dialogs/qt/scientific_dlg.h"
#include "shell/qt/modal.h"

namespace zovrek::qt {
namespace {

using dialogs::ModalResult;
using dialogs::SpecialFunction;

/// Shows the window through the modal seam, initialised as the framework initialises a dialog.
class WindowRunner : public dialogs::ModalRunner {
public:
    explicit WindowRunner(SpecialFunctionWindow& window) : window_(window) {}

    ModalResult runModal(dialogs::SpecialFunctionDialog& dialog) override {
        dialog.onInitDialog();
        window_.focusFirstField();
        // The window's OK closes only after the dialog's own OK has read every field.
        return Modal::exec(window_) == QDialog::Accepted ? ModalResult::Ok : ModalResult::Cancel;
    }

private:
    SpecialFunctionWindow& window_;
};

std::unique_ptr<SpecialFunctionWindow> makeWindow(SpecialFunction function, QWidget* parent) {
    switch (function) {
    case SpecialFunction::SimpleInterest: return std::make_unique<CSimpleInterestDlg>(parent);
    case SpecialFunction::FixedSavings: return std::make_unique<CFixedSavingsDlg>(parent);
    case SpecialFunction::AnnuitySavings: return std::make_unique<CAnnuitySavingsDlg>(parent);
    case SpecialFunction::LoanPayment: return std::make_unique<CLoanPaymentDlg>(parent);
    case SpecialFunction::Scientific: return std::make_unique<CScientificDlg>(parent);
    }
    return nullptr;
}

}  // namespace

bool runSpecialFunction(int command, Calculator& calculator, QWidget* parent) {
    const dialogs::SpecialFunctionInfo* info = dialogs::specialFunctionFor(command);
    if (!info) return false;
    const auto window = makeWindow(info->function, parent);
    WindowRunner runner(*window);
    dialogs::runSpecialFunction(calculator, window->logic(), runner);
    return true;
}

}  // namespace zovrek::qt
