#include "dialogs/fixed_savings.h"

#include <cmath>

namespace zovrek::dialogs {

double fixedSavings(double currentSavings, double annualRate, int periodLength, int periodUnit) {
    if (periodUnit == 0)
        return annualRate / 100 / 12 * currentSavings * static_cast<double>(periodLength) +
               currentSavings;
    return std::pow(annualRate / 100 + 1, periodLength) * currentSavings;
}

void FixedSavingsDialog::doDataExchange(DataExchange& dx) {
    dx.number(kFutureId, m_futureSavings);
    dx.integer(kPeriodId, m_periodLength);
    dx.number(kRateId, m_annualRate);
    dx.number(kCurrentId, m_currentSavings);
    dx.radio(kMonthsRadioId, m_periodUnit);
}

void FixedSavingsDialog::onCalculate() {
    updateData(true);
    m_futureSavings = fixedSavings(m_currentSavings, m_annualRate, m_periodLength, m_periodUnit);
    updateData(false);
}

void FixedSavingsDialog::onReset() {
    m_currentSavings = 0;
    m_periodLength = 0;
    m_annualRate = 0;
    m_futureSavings = 0;
    updateData(false);  // the radio group is shown from m_periodUnit
    controls().focusDialog();
}

}  // namespace zovrek::dialogs
