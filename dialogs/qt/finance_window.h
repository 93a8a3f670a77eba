#pragma once
// The window of a calculator with Calculate and Reset buttons (simple interest, fixed and
// annuity savings, loan payment): the buttons forward to the windowless dialog `Logic`.

#include "dialogs/qt/function_window.h"

namespace zovrek::qt {

template <class Logic>
class FinanceWindow : public SpecialFunctionWindow {
public:
    FinanceWindow(const shell::DialogTemplate& dialog, QWidget* parent)
        : SpecialFunctionWindow(dialog, parent) {
        form().autoLoad({Logic::kCalculateId, Logic::kResetId, kOkId, kCancelId});
        onClicked(Logic::kCalculateId, [this] { m_dialog.onCalculate(); });
        onClicked(Logic::kResetId, [this] { m_dialog.onReset(); });
    }

    Logic& logic() override { return m_dialog; }

private:
    Logic m_dialog{*this};
};

}  // namespace zovrek::qt
