#pragma once
// The fixed savings calculator (dialog template 237).

#include "dialogs/function_dialog.h"

namespace zovrek::dialogs {

/// Months (unit 0): simple monthly interest, r / 100 / 12 × S × n + S.
/// Any other unit (Years): yearly compounding, pow(r / 100 + 1, n) × S.
double fixedSavings(double currentSavings, double annualRate, int periodLength, int periodUnit);

/// Members and buttons of CFixedSavingsDlg.
class FixedSavingsDialog : public SpecialFunctionDialog {
public:
    static constexpr int kCurrentId = 1076, kRateId = 1077, kMonthsRadioId = 1078,
                         kPeriodId = 1082, kCalculateId = 1090, kFutureId = 1093,
                         kResetId = 1115;

    using SpecialFunctionDialog::SpecialFunctionDialog;

    void doDataExchange(DataExchange& dx) override;
    void onCalculate();
    void onReset();

    void presetValue(double value) override { m_currentSavings = value; }
    void presetRadios() override { m_periodUnit = 1; }
    double testValue() const override { return m_futureSavings; }
    double resultValue() const override { return m_futureSavings; }

    double m_futureSavings = 0;
    int m_periodLength = 0;
    double m_annualRate = 0;
    double m_currentSavings = 0;
    int m_periodUnit = -1;  // 0 Months, 1 Years
};

}  // namespace zovrek::dialogs
