// Percent and the one-operand functions: square root, square and reciprocal.

#include <cmath>

#include "calculator.h"
#include "number_text.h"

namespace zovrek {

void Calculator::onPercent() {
    if (m_entry == 0) return;
    m_entry = parseNumber(m_display);
    if (m_opBlocked) return;
    if ((m_pendingOp == OpSubtract && m_accumulator - m_entry == 0) ||
        (m_pendingOp == OpAdd && m_entry + m_accumulator == 0)) {
        completePending();
        m_opBlocked = 1;
    }
    if (m_opBlocked) {
        m_equalsReady = m_showTotal = m_tapeSaved = m_noClearMark = m_functionResult = 0;
        return;
    }
    if (!m_awaitEntry) {
        readBack();
        if (m_entry != 0 && m_accumulator != 0) completePending();
        if (!m_resultShown) {
            formatEntry();
            writeNumberLine();
        }
        writeLine(" (%)");
    }
    m_entry = parseNumber(m_formatted);
    if (m_entry != 0) m_accumulator = m_entry;
    playVoice("percent.wav", false);

    m_display = "0.";
    m_entry = 0;
    m_pendingOp = OpPercent;
    m_constant = 0;
    m_fraction = 0;
    m_fractionPos = 1;
    m_awaitEntry = 1;
    m_resultShown = m_clearOnEntry = m_backLocked = m_opBlocked = m_resultLocked = 0;
    m_equalsReady = m_showTotal = m_tapeSaved = m_noClearMark = m_functionResult = 0;
}

void Calculator::onSqrt() { applyFunction(Function::Sqrt); }
void Calculator::onSquared() { applyFunction(Function::Squared); }
void Calculator::onInvert() { applyFunction(Function::Invert); }

void Calculator::applyFunction(Function f) {
    m_entry = parseNumber(m_display);
    // Impossible arithmetic is refused silently.
    const bool refused = f == Function::Sqrt ? !(m_entry > 0) : m_entry == 0;
    if (refused) return;
    if (m_awaitEntry) return;
    readBack();

    if (m_functionResult) {
        if (m_accumulator == 0) {
            writeLine(" @");
        } else {
            formatEntry();
            writeNumberLine();
        }
    }
    static constexpr const char* kLabels[] = {" (SQRT)", " (Sqrd)", " (l/x)"};
    writeLine(kLabels[static_cast<int>(f)]);
    formatEntry();
    writeNumberLine();
    writeLine(" =");

    m_entry = parseNumber(m_formatted);
    switch (f) {
        case Function::Sqrt: m_entry = std::sqrt(m_entry); break;
        case Function::Squared: m_entry = std::pow(m_entry, 2); break;
        case Function::Invert: m_entry = 1 / m_entry; break;
    }
    formatEntry();
    m_display = m_formatted;

    if (f == Function::Invert) {
        m_fraction = 0;
        m_fractionPos = 1;
        m_awaitEntry = 0;
    } else {
        refresh();
        playVoice(f == Function::Sqrt ? "squareroot.wav" : "squared.wav", false);
    }
    if (m_accumulator == 0) {
        formatEntry();
        writeNumberLine();
        if (f != Function::Squared) m_entryOnTape = 1;
    }
    m_equalsReady = (m_accumulator != 0 || m_zeroAccumulator) ? 1 : 0;
    if (f == Function::Invert) {
        refresh();
        playVoice("inverse.wav", false);
    }

    m_fractionPos = 1;
    m_awaitEntry = 0;
    m_resultShown = 1;
    m_entryEmpty = 1;
    m_backLocked = 1;
    m_resultLocked = 1;
    m_functionResult = 1;
    m_clearOnEntry = m_opBlocked = m_tapeSaved = m_noClearMark = 0;
    if (f == Function::Squared) {
        m_entryOnTape = 1;
        m_rangeWarned = 0;
    }
}

}  // namespace zovrek
