#include "dialogs/loan_payment.h"

#include <cmath>

namespace zovrek::dialogs {

LoanSchedule loanSchedule(int periodLength, int periodUnit, int paymentSchedule) {
    const bool years = periodUnit != 0;
    const bool biWeekly = paymentSchedule != 0;
    LoanSchedule schedule;
    schedule.periodsPerYear = biWeekly ? 26 : 12;
    const long long factor = years ? schedule.periodsPerYear : (biWeekly ? 2 : 1);
    schedule.count = static_cast<double>(periodLength * factor);
    schedule.negatedCount = static_cast<double>(periodLength * -factor);
    return schedule;
}

LoanResult loanPayment(double amount, double annualRate, int periodLength, int periodUnit,
                       int paymentSchedule) {
    const LoanSchedule schedule = loanSchedule(periodLength, periodUnit, paymentSchedule);
    const double rate = annualRate / 100 / schedule.periodsPerYear;
    LoanResult result;
    if (rate + 1 == 1.0 && schedule.count != 0) {
        // (i × A) / (1 − 1) would be 0 / 0: without interest the amount is simply divided.
        result.payment = amount / schedule.count;
        result.repaidTotal = amount;
        result.totalInterest = 0;
        return result;
    }
    result.payment = (rate * amount) / (1 - std::pow(rate + 1, schedule.negatedCount));
    result.repaidTotal = schedule.count * result.payment;
    result.totalInterest = result.repaidTotal - amount;
    return result;
}

void LoanPaymentDialog::doDataExchange(DataExchange& dx) {
    dx.number(kAmountId, m_loanAmount);
    dx.number(kPaymentId, m_paymentAmount);
    dx.integer(kPeriodId, m_periodLength);
    dx.number(kRateId, m_annualRate);
    dx.number(kRepaidId, m_repaidTotal);
    dx.number(kInterestId, m_totalInterest);
    dx.radio(kMonthsRadioId, m_periodUnit);
    dx.radio(kMonthlyRadioId, m_paymentSchedule);
}

void LoanPaymentDialog::onCalculate() {
    updateData(true);
    const LoanResult result =
        loanPayment(m_loanAmount, m_annualRate, m_periodLength, m_periodUnit, m_paymentSchedule);
    m_paymentAmount = result.payment;
    m_repaidTotal = result.repaidTotal;
    m_totalInterest = result.totalInterest;
    updateData(false);
    controls().focusDialog();
}

void LoanPaymentDialog::onReset() {
    m_loanAmount = 0;
    m_totalInterest = 0;
    m_paymentAmount = 0;
    m_periodLength = 0;
    m_annualRate = 0;
    m_repaidTotal = 0;
    updateData(false);  // both radio groups are shown from their members
    controls().focusDialog();
}

}  // namespace zovrek::dialogs
