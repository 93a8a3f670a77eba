#pragma once
// The simple interest calculator (dialog template 235).

#include "dialogs/function_dialog.h"

namespace zovrek::dialogs {

/// I = r / 100 / 12 × n × P, evaluated left to right.
double simpleInterest(double principal, double annualRate, int months);

/// Members and buttons of CSimpleInterestDlg.
class SimpleInterestDialog : public SpecialFunctionDialog {
public:
    static constexpr int kPrincipalId = 1097, kRateId = 1098, kMonthsId = 1099,
                         kCalculateId = 1100, kInterestId = 1101, kResetId = 1113;
    static constexpr double kLowestRate = 0.0, kHighestRate = 100.0;

    using SpecialFunctionDialog::SpecialFunctionDialog;

    void doDataExchange(DataExchange& dx) override;
    void onCalculate();
    void onReset();

    void presetValue(double value) override { m_principal = value; }
    double testValue() const override { return m_interest; }
    double resultValue() const override { return m_interest; }

    double m_principal = 0;
    double m_interest = 0;
    int m_months = 0;
    double m_annualRate = 0;
};

}  // namespace zovrek::dialogs
