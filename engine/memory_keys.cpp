// The four memory registers: clear, recall, add, subtract and select.

#include "calculator.h"
#include "number_text.h"

namespace zovrek {

double& Calculator::selectedRegister() {
    // Before the view is first shown the number is still 0; never index outside the four.
    const int n = (m_memoryNumber >= 1 && m_memoryNumber <= 4) ? m_memoryNumber : 1;
    return m_memory[static_cast<std::size_t>(n - 1)];
}

void Calculator::onMemoryClear() {
    m_memoryText = "0.";
    selectedRegister() = 0;
    playFunctionSound("backsp.wav");
    refresh();
}

void Calculator::addToMemory(int sign, std::string_view voice) {
    if (m_awaitEntry) return;
    playVoice(voice, false);
    if (m_resultShown) m_entryOnTape = 1;
    // The amount is the number as it would be printed.
    m_entry = parseNumber(m_display);
    formatEntry();
    m_entry = parseNumber(m_formatted);
    double& reg = selectedRegister();
    reg = sign > 0 ? reg + m_entry : reg - m_entry;
    m_memoryText = floatingFormat(reg, m_digits);
    m_resultShown = 0;
    m_clearOnEntry = 1;
    m_backLocked = 0;
    m_opBlocked = 0;
    refresh();
}

void Calculator::onMemoryRecall() {
    if (m_functionResult) return;
    if (m_clearOnEntry) performClear();
    if (m_resultShown) performClear();
    double& reg = selectedRegister();
    reg = parseNumber(m_memoryText);
    m_entry = reg;
    m_resultShown = m_awaitEntry = m_entryOnTape = m_clearOnEntry = m_backLocked = 0;
    m_opBlocked = m_tapeSaved = m_noClearMark = 0;
    if (m_accumulator != 0 || m_zeroAccumulator) m_equalsReady = 1;
    m_showTotal = 1;
    m_display = floatingFormat(m_entry, m_digits);
    playFunctionSound("click.wav");
    refresh();
}

void Calculator::onMemorySelect() {
    readBack();
    m_memoryNumber = (m_memoryNumber >= 1 && m_memoryNumber < 4) ? m_memoryNumber + 1 : 1;
    m_memoryText = floatingFormat(selectedRegister(), m_digits);
    playFunctionSound("click.wav");
    refresh();
}

}  // namespace zovrek
