// Results that enter the calculator from its dialogs: a special function's value and the
// tape editor's corrected tape.

#include "calculator.h"
#include "number_text.h"

namespace zovrek {

void Calculator::takeSpecialResult(double value) {
    if (m_resultShown) {
        performClear();
        m_noClearMark = 1;
    }
    m_entry = value;
    m_resultShown = m_awaitEntry = m_entryOnTape = 0;
    m_clearOnEntry = 1;
    if (m_accumulator != 0 || m_zeroAccumulator) m_equalsReady = 1;
    playFunctionSound("click.wav");
    m_backLocked = m_opBlocked = 0;
    formatEntry();
    m_display = m_formatted;
    m_tapeSaved = m_cleared = 0;
    refresh();
}

void Calculator::takeEditedTape(std::string_view editText, std::string_view lastValue) {
    m_formatted.clear();
    m_entry = 0;
    m_accumulator = 0;
    m_tape.assign(editText);
    m_display.assign(lastValue);
    m_formatted.assign(lastValue);
    m_entry = parseTapeNumber(m_display);
    m_tapeLine.assign(m_tape.view());
    showWholeTape();

    m_cleared = m_entryEmpty = 0;
    m_resultLocked = 1;
    m_showTotal = 1;
    m_fractionPos = 1;
    m_fraction = 0;
    m_awaitEntry = 0;
    m_resultShown = 1;
    m_clearOnEntry = m_zeroAccumulator = m_equalsReady = 0;
    m_backLocked = 1;
    m_opBlocked = m_tapeSaved = m_functionResult = m_noClearMark = 0;
    refresh();
    discardPrintPreparation(true);
    copyTapeToDocument();
    readBack();
}

}  // namespace zovrek
