#include "dialogs/scientific.h"

#include <cmath>

namespace zovrek::dialogs {
namespace {

double angleFunction(ScientificButton button, double x, int angleMode, int angleUnit) {
    const bool degrees = angleUnit == 0;
    if (angleMode == 1) {
        double angle = 0;
        switch (button) {
        case ScientificButton::Sin: angle = std::asin(x); break;
        case ScientificButton::Cos: angle = std::acos(x); break;
        default: angle = std::atan(x); break;
        }
        return degrees ? angle * kRadiansToDegrees : angle;
    }
    const double radians = degrees ? x * kDegreesToRadians : x;
    switch (button) {
    case ScientificButton::Sin: return std::sin(radians);
    case ScientificButton::Cos: return std::cos(radians);
    default: return std::tan(radians);
    }
}

}  // namespace

double scientificResult(ScientificButton button, double x, double y, int angleMode,
                        int angleUnit, bool inverse) {
    switch (button) {
    case ScientificButton::Sin:
    case ScientificButton::Cos:
    case ScientificButton::Tan:
        return angleFunction(button, x, angleMode, angleUnit);
    case ScientificButton::Log:
        return inverse ? std::pow(10.0, x) : std::log10(x);
    case ScientificButton::Ln:
        return inverse ? std::pow(kEulerNumber, x) : std::log(x);
    case ScientificButton::Power:
        return std::pow(x, y);
    }
    return 0;
}

void ScientificDialog::doDataExchange(DataExchange& dx) {
    dx.radio(kAngleRadioId, m_angleMode);
    dx.number(kInputId, m_inputX);
    dx.number(kResultId, m_resultZ);
    dx.number(kExponentId, m_exponentY);
    dx.radio(kDegreesRadioId, m_angleUnit);
}

void ScientificDialog::onFunction(ScientificButton button) {
    updateData(true);
    m_resultZ = scientificResult(button, m_inputX, m_exponentY, m_angleMode, m_angleUnit,
                                 m_inverse);
    updateData(false);
}

void ScientificDialog::onClear() {
    updateData(true);  // keeps the radio choices shown on screen
    m_inputX = 0;
    m_exponentY = 0;
    m_resultZ = 0;
    updateData(false);
    controls().focusDialog();
}

}  // namespace zovrek::dialogs
