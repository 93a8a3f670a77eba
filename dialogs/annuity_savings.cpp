#include "dialogs/annuity_savings.h"

#include <cmath>

namespace zovrek::dialogs {

double annuityPaymentCount(int periodLength, int periodUnit) {
    // Years are 12 payments each; the product is taken in 64 bits so no period can wrap.
    const long long count = periodUnit == 0 ? periodLength : 12LL * periodLength;
    return static_cast<double>(count);
}

AnnuityResult annuitySavings(double openingBalance, double monthlyPayment, double annualRate,
                             int periodLength, int periodUnit) {
    const double count = annuityPaymentCount(periodLength, periodUnit);
    const double rate = annualRate / 1200.0;
    AnnuityResult result;
    const double growth = std::pow(rate + 1, count);
    result.grownBalance = growth * openingBalance;
    if (rate + 1 == 1.0) {
        // (g - 1) / i would be 0 / 0: without interest the payments simply add up.
        result.futureValue = count * monthlyPayment + result.grownBalance;
    } else {
        result.futureValue =
            (std::pow(rate + 1, count) - 1) / rate * monthlyPayment + result.grownBalance;
    }
    return result;
}

void AnnuitySavingsDialog::doDataExchange(DataExchange& dx) {
    dx.number(kRateId, m_annualRate);
    dx.integer(kPeriodId, m_periodLength);
    dx.number(kPaymentId, m_monthlyPayment);
    dx.number(kFutureId, m_futureValue);
    dx.radio(kMonthsRadioId, m_periodUnit);
    dx.number(kOpeningId, m_openingBalance);
}

void AnnuitySavingsDialog::onCalculate() {
    updateData(true);
    const AnnuityResult result = annuitySavings(m_openingBalance, m_monthlyPayment, m_annualRate,
                                                m_periodLength, m_periodUnit);
    m_grownBalance = result.grownBalance;
    m_futureValue = result.futureValue;
    updateData(false);
}

void AnnuitySavingsDialog::onReset() {
    m_monthlyPayment = 0;
    m_periodLength = 0;
    m_annualRate = 0;
    m_futureValue = 0;
    m_openingBalance = 0;
    m_grownBalance = 0;
    updateData(false);
    controls().focusDialog();
}

}  // namespace zovrek::dialogs
