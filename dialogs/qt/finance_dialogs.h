#pragma once
// The four calculators with Calculate and Reset: each its template over its windowless dialog.

#include "dialogs/annuity_savings.h"
#include "dialogs/fixed_savings.h"
#include "dialogs/loan_payment.h"
#include "dialogs/qt/finance_window.h"
#include "dialogs/simple_interest.h"

namespace zovrek::qt {

/// Simple Interest Calculator (template 235).
class CSimpleInterestDlg : public FinanceWindow<dialogs::SimpleInterestDialog> {
public:
    explicit CSimpleInterestDlg(QWidget* parent = nullptr);
};

/// Fixed Savings Calculator (template 237).
class CFixedSavingsDlg : public FinanceWindow<dialogs::FixedSavingsDialog> {
public:
    explicit CFixedSavingsDlg(QWidget* parent = nullptr);
};

/// Annuity Savings Calculator (template 236).
class CAnnuitySavingsDlg : public FinanceWindow<dialogs::AnnuitySavingsDialog> {
public:
    explicit CAnnuitySavingsDlg(QWidget* parent = nullptr);
};

/// Loan Payment Calculator (template 234).
class CLoanPaymentDlg : public FinanceWindow<dialogs::LoanPaymentDialog> {
public:
    explicit CLoanPaymentDlg(QWidget* parent = nullptr);
};

}  // namespace zovrek::qt
