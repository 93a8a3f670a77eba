#pragma once
// The loan payment calculator (dialog template 234).

#include "dialogs/function_dialog.h"

namespace zovrek::dialogs {

/// Periods per year k and payment count N for a loan of n months or years.
struct LoanSchedule {
    int periodsPerYear = 12;  ///< k: 12 monthly, 26 bi-weekly
    double count = 0;         ///< N
    double negatedCount = 0;  ///< −N
};

/// The schedule table: unit 0 Months / otherwise Years, schedule 0 Monthly / otherwise
/// Bi-Weekly; N is n × 1, 2, 12 or 26. The products are taken in 64 bits, so a huge period
/// gives its true count instead of wrapping round a 32-bit integer.
LoanSchedule loanSchedule(int periodLength, int periodUnit, int paymentSchedule);

struct LoanResult {
    double payment = 0;        ///< P = (i × A) / (1 − pow(i + 1, −N)), i = r / 100 / k
    double repaidTotal = 0;    ///< T = N × P
    double totalInterest = 0;  ///< T − A
};

/// The loan payment. Where 1 + i is exactly 1 (a zero rate) and N is not 0, the loan is
/// repaid in N equal parts without interest: P = A / N, T = A, interest 0.
LoanResult loanPayment(double amount, double annualRate, int periodLength, int periodUnit,
                       int paymentSchedule);

/// Members and buttons of CLoanPaymentDlg.
class LoanPaymentDialog : public SpecialFunctionDialog {
public:
    static constexpr int kAmountId = 1102, kRateId = 1103, kPeriodId = 1104,
                         kMonthlyRadioId = 1105, kMonthsRadioId = 1107, kCalculateId = 1109,
                         kPaymentId = 1110, kInterestId = 1111, kRepaidId = 1112,
                         kResetId = 1116;

    using SpecialFunctionDialog::SpecialFunctionDialog;

    void doDataExchange(DataExchange& dx) override;
    void onCalculate();
    void onReset();

    void presetValue(double value) override { m_loanAmount = value; }
    void presetRadios() override {
        m_periodUnit = 1;
        m_paymentSchedule = 0;
    }
    double testValue() const override { return m_repaidTotal; }
    double resultValue() const override { return m_paymentAmount; }

    double m_loanAmount = 0;
    double m_paymentAmount = 0;
    int m_periodLength = 0;
    double m_annualRate = 0;
    double m_repaidTotal = 0;
    double m_totalInterest = 0;
    int m_periodUnit = -1;       // 0 Months, 1 Years
    int m_paymentSchedule = -1;  // 0 Monthly, 1 Bi-Weekly
};

}  // namespace zovrek::dialogs
