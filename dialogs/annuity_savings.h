#pragma once
// The annuity savings calculator (dialog template 236).

#include "dialogs/function_dialog.h"

namespace zovrek::dialogs {

struct AnnuityResult {
    double grownBalance = 0;  ///< B compounded monthly over the period
    double futureValue = 0;   ///< grownBalance plus the monthly payments with their interest
};

/// Monthly compounding at i = r / 1200 over N = n (Months, unit 0) or 12 × n months:
/// g = pow(i + 1, N), grown = g × B, F = (g − 1) / i × M + grown. Where 1 + i is exactly 1
/// (a zero rate) no payment earns interest and F is B + N × M.
AnnuityResult annuitySavings(double openingBalance, double monthlyPayment, double annualRate,
                             int periodLength, int periodUnit);

/// The payment count: n for Months (unit 0), 12 × n otherwise, computed without overflow.
double annuityPaymentCount(int periodLength, int periodUnit);

/// Members and buttons of CAnnuitySavingsDlg.
class AnnuitySavingsDialog : public SpecialFunctionDialog {
public:
    static constexpr int kMonthsRadioId = 1080, kPaymentId = 1088, kPeriodId = 1091,
                         kFutureId = 1092, kRateId = 1095, kCalculateId = 1096,
                         kResetId = 1114, kOpeningId = 1117;

    using SpecialFunctionDialog::SpecialFunctionDialog;

    void doDataExchange(DataExchange& dx) override;
    void onCalculate();
    void onReset();

    void presetValue(double value) override { m_openingBalance = value; }
    void presetRadios() override { m_periodUnit = 1; }
    double testValue() const override { return m_futureValue; }
    double resultValue() const override { return m_futureValue; }

    double m_grownBalance = 0;
    double m_annualRate = 0;
    int m_periodLength = 0;
    double m_monthlyPayment = 0;
    double m_futureValue = 0;
    int m_periodUnit = -1;  // 0 Months, 1 Years
    double m_openingBalance = 0;
};

}  // namespace zovrek::dialogs
