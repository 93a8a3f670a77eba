// The four operators, equals with its repeated form, and the two tape modes' difference.

#include <cmath>

#include "calculator.h"
#include "number_text.h"
#include "sound_names.h"

namespace zovrek {
namespace {

std::string_view operationLine(int op) {
    switch (op) {
        case OpAdd: return " +";
        case OpDivide: return " /";
        case OpMultiply: return " *";
        case OpSubtract: return " -";
        case OpPercent: return " %";
        default: return {};
    }
}

double apply(int op, double left, double right) {
    switch (op) {
        case OpAdd: return left + right;
        case OpDivide: return left / right;
        case OpMultiply: return left * right;
        case OpSubtract: return left - right;
        case OpPercent: return (right / 100) * left;
        default: return left;
    }
}

}  // namespace

void Calculator::addOrSubtract(int op, std::string_view line, std::string_view voice) {
    if (m_awaitEntry) return;
    readBack();
    m_entry = parseNumber(m_display);
    if (m_zeroAccumulator) completePending();
    if (m_entry != 0 && m_accumulator != 0) completePending();
    if (!m_entryOnTape && !m_resultShown) {
        formatEntry();
        writeNumberLine();
    }
    writeLine(line);
    if (m_roundOperands) m_entry = parseNumber(m_formatted);
    m_accumulator = m_entry;
    if (m_accumulator == 0) m_zeroAccumulator = 1;
    playVoice(voice, true);

    awaitOperand(op);
    m_entryOnTape = 0;
}

void Calculator::multiplyOrDivide(int op, std::string_view line, std::string_view voice) {
    m_entry = parseNumber(m_display);
    if ((m_pendingOp == OpSubtract || m_pendingOp == OpAdd) &&
        std::fabs(m_accumulator) == std::fabs(m_entry))
        m_opBlocked = 1;
    if (m_opBlocked || m_entry == 0 || m_awaitEntry) return;
    readBack();
    if (m_entry != 0 && m_accumulator != 0) completePending();
    if (!m_entryOnTape && !m_resultShown) {
        formatEntry();
        writeNumberLine();
    }
    playVoice(voice, true);
    writeLine(line);
    if (m_roundOperands) m_entry = parseNumber(m_formatted);
    m_accumulator = m_entry;

    awaitOperand(op);  // m_entryOnTape stays as it is
}

void Calculator::awaitOperand(int op) {
    m_display = "0.";
    m_entry = 0;
    m_constant = 0;
    m_pendingOp = op;
    m_fraction = 0;
    m_fractionPos = 1;
    m_awaitEntry = 1;
    m_entryEmpty = 1;
    m_resultShown = m_clearOnEntry = m_equalsReady = m_backLocked = 0;
    m_opBlocked = m_resultLocked = m_showTotal = m_tapeSaved = m_functionResult = 0;
    m_noClearMark = 0;
}

void Calculator::completePending() {
    if (m_tapeMode == 1) m_showTotal = 0;
    if (m_voiceSetting) m_voiceActive = 0;
    performEquals();
    if (m_voiceSetting) m_voiceActive = 1;
}

void Calculator::performEquals() {
    if (!m_equalsReady) return;
    if (m_constant != 0) {
        m_showTotal = 1;
        if (m_roundOperands) m_entry = parseNumber(m_formatted);
        m_accumulator = m_entry;
        m_entry = m_constant;
        if (const auto opLine = operationLine(m_pendingOp); !opLine.empty()) writeLine(opLine);
    }
    formatEntry();
    writeNumberLine();
    // With fixed places the tape must add up: compute with the operand as printed.
    if (m_roundOperands) m_entry = parseNumber(m_formatted);

    const double result = apply(m_pendingOp, m_accumulator, m_entry);
    m_constant = m_entry;
    m_entry = result;

    if (m_tapeMode == 0 || m_showTotal) {
        writeLine(" =");
        formatEntry();
        writeNumberLine();
        m_display = m_formatted;
    } else {
        formatEntry();
        m_entry = parseNumber(m_formatted);
    }

    m_accumulator = 0;
    m_fraction = 0;
    m_fractionPos = 1;
    m_awaitEntry = 0;
    m_resultShown = 1;
    m_equalsReady = 1;
    m_backLocked = 1;
    m_resultLocked = 1;
    m_clearOnEntry = m_zeroAccumulator = m_opBlocked = m_tapeSaved = m_functionResult = 0;
    m_noClearMark = 0;

    refresh();
    copyTapeToDocument();
    readBack();
    speakResult();
}

void Calculator::speakResult() {
    if (m_voiceActive != 1) return;
    window_.playSound("equals.wav", true);
    if (!m_roundOperands) return;
    for (const char c : m_display) {
        const auto name = readoutSoundOf(c);
        if (!name.empty() && m_voiceActive == 1) window_.playSound(name, true);
    }
}

}  // namespace zovrek
