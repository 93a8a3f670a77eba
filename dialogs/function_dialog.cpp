#include "dialogs/function_dialog.h"

#include <cmath>

#include "engine/calculator.h"

namespace zovrek::dialogs {

bool SpecialFunctionDialog::updateData(bool read) {
    DataExchange dx(controls_, read ? DataExchange::Direction::Read : DataExchange::Direction::Show);
    doDataExchange(dx);
    return !dx.failed();
}

double presetValueOf(const CalculatorState& state) {
    return state.m_entry != 0.0 ? state.m_entry : state.m_accumulator;
}

bool handsBack(double testValue) { return !std::isnan(testValue) && testValue != 0.0; }

bool runSpecialFunction(Calculator& calculator, SpecialFunctionDialog& dialog,
                        ModalRunner& runner) {
    dialog.presetValue(presetValueOf(calculator));
    dialog.presetRadios();
    calculator.playFunctionSound("click.wav");
    if (runner.runModal(dialog) != ModalResult::Ok) return false;
    if (!handsBack(dialog.testValue())) return false;
    calculator.takeSpecialResult(dialog.resultValue());
    return true;
}

const SpecialFunctionInfo* specialFunctionFor(int command) {
    for (const auto& info : kSpecialFunctions)
        if (info.command == command) return &info;
    return nullptr;
}

}  // namespace zovrek::dialogs
