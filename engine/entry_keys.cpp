// Keys that build and correct the entry: digits, point, Back, +/-, CE, C and Clear_All.

#include <climits>
#include <cmath>

#include "calculator.h"
#include "number_text.h"
#include "sound_names.h"
#include "utf8.h"

namespace zovrek {

void Calculator::onDigit(int digit) {
    if (m_functionResult) return;
    if (m_clearOnEntry) performClear();
    discardPrintLinesAfterPrint();
    if (m_resultShown) performClear();

    if (!m_fraction) {
        const double v = parseNumber(m_display);
        m_entry = v >= 0 ? v * 10 + digit : v * 10 - digit;
    } else {
        const double step = digit / std::pow(10.0, m_fractionPos);
        m_entry = m_entry >= 0 ? m_entry + step : m_entry - step;
        if (m_fractionPos < INT_MAX) ++m_fractionPos;
    }
    m_display = floatingFormat(m_entry, m_digits);
    playVoice(digitVoice(digit), true);

    finishDigit();
}

void Calculator::onZero() {
    if (m_functionResult) return;
    if (m_clearOnEntry) performClear();
    if (m_entryEmpty) return;  // no leading zeros
    discardPrintLinesAfterPrint();
    if (m_resultShown) performClear();

    if (!m_fraction) {
        m_entry = parseNumber(m_display) * 10;
        m_display = floatingFormat(m_entry, m_digits);
    } else {
        // Fraction zeros are shown as keyed: "5." then 0 reads "5.0".
        if (m_fractionPos < INT_MAX) ++m_fractionPos;
        m_display += '0';
    }
    playVoice(digitVoice(0), true);

    finishDigit();
}

void Calculator::discardPrintLinesAfterPrint() {
    // A digit after a print makes the next print split the grown tape again.
    if (!m_printLinesUsed) return;
    discardPrintPreparation(false);
    m_printLinesUsed = 0;
}

void Calculator::finishDigit() {
    m_awaitEntry = m_resultShown = m_cleared = m_entryEmpty = m_clearOnEntry = 0;
    m_backLocked = m_opBlocked = m_resultLocked = m_tapeSaved = m_noClearMark = 0;
    m_equalsReady = (m_accumulator != 0 || m_zeroAccumulator) ? 1 : 0;
    m_showTotal = 1;
    refresh();
}

void Calculator::onDecimal() {
    if (m_functionResult || m_fraction) return;
    playVoice("pointa.wav", true);
    if (m_clearOnEntry) performClear();
    m_fraction = 1;
    m_fractionPos = 1;
    m_entryEmpty = m_cleared = m_clearOnEntry = m_equalsReady = m_backLocked = 0;
    m_opBlocked = m_resultLocked = m_tapeSaved = m_noClearMark = 0;
    m_showTotal = 1;
    discardPrintLinesAfterPrint();
}

void Calculator::onBack() {
    if (m_backLocked) return;
    readBack();
    m_entry = parseNumber(m_display);
    std::string t = m_display;
    // A display opened from a tape line may hold a note: Back takes one character, however
    // many bytes it has.
    if (!t.empty()) t.erase(previousCharacterStart(t, t.size()));
    // Back over the point itself ends the fraction too, so "5." Back 3 gives 53.
    if (m_fractionPos > 0) --m_fractionPos;
    if (m_fractionPos <= 1) m_fraction = 0;
    playFunctionSound("backsp.wav");
    m_entry = parseNumber(t);
    m_opBlocked = 0;
    m_resultLocked = 0;
    m_display = std::move(t);
    m_cleared = 1;
    refresh();
}

void Calculator::onPlusMinus() {
    if (!m_awaitEntry && !m_resultLocked) {
        m_entry = -parseNumber(m_display);
        m_display = floatingFormat(m_entry, m_digits);
        m_awaitEntry = m_resultShown = m_cleared = m_entryEmpty = m_clearOnEntry = 0;
        m_backLocked = m_opBlocked = m_resultLocked = m_tapeSaved = 0;
        m_equalsReady = (m_accumulator != 0 || m_zeroAccumulator) ? 1 : 0;
        m_showTotal = 1;
    } else {
        m_entry = parseNumber(m_display);
        if (m_entry == 0) return;
        // A result changes sign on the tape, as a multiplication by -1.
        onTimes();
        m_entry = -1;
        m_showTotal = 1;
        m_equalsReady = 1;
        if (m_voiceSetting) m_voiceActive = 0;
        performEquals();
        if (m_voiceSetting) m_voiceActive = 1;
        m_equalsReady = 0;
        m_resultShown = 1;
        m_cleared = 0;
        m_clearOnEntry = 1;
        m_backLocked = m_opBlocked = m_entryEmpty = m_noClearMark = 0;
    }
    playVoice("click.wav", false);
    refresh();
}

void Calculator::onClearEntry() {
    if (m_awaitEntry || m_resultLocked) return;
    m_entry = parseNumber(m_display);
    if (m_pendingOp == OpNone) m_accumulator = 0;
    m_cleared = 1;
    playFunctionSound("backsp.wav");
    m_display = "0.";
    m_entry = 0;
    m_constant = 0;
    m_formatted.clear();
    m_fraction = 0;
    m_fractionPos = 1;
    m_functionResult = m_clearOnEntry = m_backLocked = m_opBlocked = m_entryOnTape = 0;
    m_resultLocked = m_noClearMark = 0;
    refresh();
}

void Calculator::performClear() {
    if (m_cleared) return;
    playFunctionSound("backsp.wav");
    if (!m_tape.empty() && !m_noClearMark) writeLine(" @");
    m_display = "0.";
    m_formatted.clear();
    m_tapeLine.clear();
    m_pendingOp = OpNone;
    m_entry = m_accumulator = m_constant = 0;
    m_fraction = 0;
    m_fractionPos = 1;
    m_awaitEntry = 1;
    m_cleared = 1;
    m_equalsReady = m_resultShown = m_functionResult = m_clearOnEntry = m_backLocked = 0;
    m_opBlocked = m_entryOnTape = m_resultLocked = m_tapeSaved = m_noClearMark = 0;
    refresh();
}

void Calculator::onClearAll() {
    if (m_tape.empty()) return;
    if (!m_tapeSaved) {
        playFunctionSound("chimeup.wav");
        switch (window_.askSaveTape()) {
            case SaveTapeChoice::Ok:
                copyTapeToDocument();
                // Nothing saved (dialog dismissed, write failed): keep the tape.
                if (!window_.saveDocument()) return;
                if (!m_cleared) performClear();
                emptyTape();
                m_display = "0.";
                break;
            case SaveTapeChoice::No:
                break;
            case SaveTapeChoice::Cancel:
                return;
        }
    }
    window_.newDocument();
    performClear();
    playFunctionSound("backsp.wav");
    emptyTape();
    m_display = "0.";
    document_.m_tapeText = TapeText();
    refresh();

    discardPrintPreparation(true);
    m_clearOnEntry = 0;
    m_cleared = 1;
    m_noClearMark = 0;
    m_functionResult = 0;
    m_pendingOp = OpNone;
    m_entry = m_accumulator = m_constant = 0;
    m_equalsReady = m_fraction = m_resultShown = m_backLocked = m_opBlocked = 0;
    m_entryOnTape = m_resultLocked = m_tapeSaved = 0;
    m_fractionPos = 1;
    m_awaitEntry = 1;
    refresh();
}

}  // namespace zovrek
