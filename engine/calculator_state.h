#pragma once
// Every member of the calculator view, with its initial value. Flags are ints used as 0/1.

#include <array>
#include <string>
#include <vector>

#include "tape_text.h"

namespace zovrek {

/// Pending operation codes of m_pendingOp.
enum PendingOp : int { OpNone = 0, OpAdd = 1, OpDivide = 2, OpMultiply = 3, OpSubtract = 4,
                       OpPercent = 5 };

struct CalculatorState {
    // Exchanged with the controls.
    std::string m_display = "0.";
    std::string m_placesText;
    std::string m_memoryText = "0.";
    int m_memoryNumber = 0;  // 1 once the view has been shown

    // Tape.
    TapeBuffer m_tape;
    std::string m_tapeLine;
    std::string m_formatted;

    // Values.
    double m_entry = 0;
    double m_accumulator = 0;
    double m_constant = 0;
    std::array<double, 4> m_memory{};
    int m_pendingOp = OpNone;
    int m_places = 3;  // 1 = "F", 2..4 = 1..3 decimal places
    int m_digits = 12;
    int m_fraction = 0;
    int m_fractionPos = 1;
    int m_tapeMode = 0;  // 0 calculator, 1 adding machine

    // Entry and operation flags.
    int m_awaitEntry = 1;
    int m_entryEmpty = 1;
    int m_resultShown = 0;
    int m_clearOnEntry = 0;
    int m_cleared = 1;
    int m_equalsReady = 0;
    int m_zeroAccumulator = 0;
    int m_resultLocked = 0;
    int m_backLocked = 0;
    int m_functionResult = 0;
    int m_opBlocked = 0;
    int m_entryOnTape = 0;
    int m_showTotal = 0;
    int m_roundOperands = 0;
    int m_rangeWarned = 0;
    int m_tapeSaved = 0;
    int m_noClearMark = 0;

    // Sound switches.
    int m_soundsOn = 1;
    int m_voiceSetting = 1;
    int m_voiceActive = 1;

    // Settings: text background colour.
    int m_bkRed = 200;
    int m_bkGreen = 225;
    int m_bkBlue = 255;
    int m_bkColor = 0;  // 0 Blue, 1 Yellow, 2 Green, 3 White
    int m_settingsDefaulted = 0;

    // File commands and start-up.
    int m_fileOpened = 0;
    int m_initialUpdates = 0;

    // Print preparation: lines split once, reused until discarded.
    std::string m_printText;
    std::vector<std::string> m_printLines;
    int m_printLineCount = 0;
    int m_printLinesUsed = 0;
    int m_titleAsked = 0;
    std::string m_printTitle;
    int m_printPage = 0;
};

/// The process-wide copy of m_soundsOn, read by the main frame.
extern int g_soundsOn;

}  // namespace zovrek
