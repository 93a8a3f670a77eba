#include "dialogs/qt/finance_dialogs.h"

#include "resources/forms/annuity_savings_form.h"
#include "resources/forms/fixed_savings_form.h"
#include "resources/forms/loan_payment_form.h"
#include "resources/forms/simple_interest_form.h"

namespace zovrek::qt {

CSimpleInterestDlg::CSimpleInterestDlg(QWidget* parent)
    : FinanceWindow(forms::kSimpleInterestDialog, parent) {}

CFixedSavingsDlg::CFixedSavingsDlg(QWidget* parent)
    : FinanceWindow(forms::kFixedSavingsDialog, parent) {}

CAnnuitySavingsDlg::CAnnuitySavingsDlg(QWidget* parent)
    : FinanceWindow(forms::kAnnuitySavingsDialog, parent) {}

CLoanPaymentDlg::CLoanPaymentDlg(QWidget* parent)
    : FinanceWindow(forms::kLoanPaymentDialog, parent) {}

}  // namespace zovrek::qt
