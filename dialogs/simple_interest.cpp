#include "dialogs/simple_interest.h"

namespace zovrek::dialogs {

double simpleInterest(double principal, double annualRate, int months) {
    return annualRate / 100 / 12 * static_cast<double>(months) * principal;
}

void SimpleInterestDialog::doDataExchange(DataExchange& dx) {
    dx.number(kPrincipalId, m_principal);
    dx.number(kInterestId, m_interest);
    dx.integer(kMonthsId, m_months);
    dx.number(kRateId, m_annualRate);
    dx.range(kRateId, m_annualRate, kLowestRate, kHighestRate);
}

void SimpleInterestDialog::onCalculate() {
    updateData(true);  // an out-of-range rate is prompted for, and still used
    m_interest = simpleInterest(m_principal, m_annualRate, m_months);
    updateData(false);
    controls().focusDialog();
}

void SimpleInterestDialog::onReset() {
    m_interest = 0;
    m_annualRate = 0;
    m_months = 0;
    m_principal = 0;
    updateData(false);
    controls().focusDialog();
}

}  // namespace zovrek::dialogs
