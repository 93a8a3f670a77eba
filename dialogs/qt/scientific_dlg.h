#pragma once
// Scientific Calculations (template 238): six function buttons, Clearx and the Inv box
// forward to the windowless dialog.

#include "dialogs/qt/function_window.h"
#include "dialogs/scientific.h"

namespace zovrek::qt {

class CScientificDlg : public SpecialFunctionWindow {
    Q_OBJECT
public:
    explicit CScientificDlg(QWidget* parent = nullptr);

    dialogs::ScientificDialog& logic() override { return m_dialog; }

private:
    dialogs::ScientificDialog m_dialog{*this};
};

}  // namespace zovrek::qt
