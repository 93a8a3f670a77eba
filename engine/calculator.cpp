#include "calculator.h"

#include <algorithm>

#include "command_ids.h"
#include "number_text.h"

namespace zovrek {

int g_soundsOn = 1;

// The one table of the calculator's commands.
const Calculator::CommandEntry Calculator::kCommands[] = {
    {cmd::Zero, &Calculator::onZero},
    {cmd::One, &Calculator::onOne},
    {cmd::Two, &Calculator::onTwo},
    {cmd::Three, &Calculator::onThree},
    {cmd::Four, &Calculator::onFour},
    {cmd::Five, &Calculator::onFive},
    {cmd::Six, &Calculator::onSix},
    {cmd::Seven, &Calculator::onSeven},
    {cmd::Eight, &Calculator::onEight},
    {cmd::Nine, &Calculator::onNine},
    {cmd::Decimal, &Calculator::onDecimal},
    {cmd::Back, &Calculator::onBack},
    {cmd::PlusMinus, &Calculator::onPlusMinus},
    {cmd::ClearEntry, &Calculator::onClearEntry},
    {cmd::Clear, &Calculator::onClear},
    {cmd::ClearAll, &Calculator::onClearAll},
    {cmd::Plus, &Calculator::onPlus},
    {cmd::Minus, &Calculator::onMinus},
    {cmd::Times, &Calculator::onTimes},
    {cmd::Divide, &Calculator::onDivide},
    {cmd::Equal, &Calculator::onEqual},
    {cmd::Percent, &Calculator::onPercent},
    {cmd::Sqrt, &Calculator::onSqrt},
    {cmd::Squared, &Calculator::onSquared},
    {cmd::Invert, &Calculator::onInvert},
    {cmd::MemoryClear, &Calculator::onMemoryClear},
    {cmd::MemoryRecall, &Calculator::onMemoryRecall},
    {cmd::MemoryMinus, &Calculator::onMemoryMinus},
    {cmd::MemoryPlus, &Calculator::onMemoryPlus},
    {cmd::MemorySelect, &Calculator::onMemorySelect},
    {cmd::DigitUp, &Calculator::onDigitUp},
    {cmd::CalculatorMode, &Calculator::onCalculatorMode},
    {cmd::AddingMachineMode, &Calculator::onAddingMachineMode},
    {cmd::Sounds, &Calculator::onSounds},
    {cmd::Voice, &Calculator::onVoice},
};

Calculator::Calculator(CalculatorWindow& window, DocumentTape& document)
    : window_(window), document_(document) {}

bool Calculator::handles(int id) {
    return std::any_of(std::begin(kCommands), std::end(kCommands),
                       [id](const CommandEntry& e) { return e.id == id; });
}

bool Calculator::onCommand(int id) {
    for (const auto& e : kCommands) {
        if (e.id == id) {
            (this->*e.handler)();
            return true;
        }
    }
    return false;
}

void Calculator::onInitialUpdate() {
    refresh();
    putDocumentOnTape();
    if (m_initialUpdates == 0) {
        if (m_settingsDefaulted != 1) window_.loadSettings();
        m_digits = 12;
        m_fileOpened = 0;
        m_memoryNumber = 1;
        updatePlacesIndicator();
    }
    m_initialUpdates = 1;
    refresh();
}

void Calculator::formatEntry() {
    const int places = (m_places >= 2 && m_places <= 4) ? m_places - 1 : -1;
    auto result = placesFormat(m_entry, places, m_digits);
    if (result.overLong && !m_rangeWarned) {
        window_.showOutOfRange();
        m_rangeWarned = 1;
    }
    m_formatted = std::move(result.text);
}

void Calculator::writeLine(std::string_view line) {
    std::string text;
    text.reserve(line.size() + 4);
    // A tape read from a file may end without its last line break: the new line starts a
    // line of its own instead of running on into that one.
    if (!m_tape.empty() && !m_tape.view().ends_with('\n') && !m_tape.view().ends_with('\r'))
        text.append("\r\n");
    text.append(line).append("\r\n");
    m_tape.append(text);
    m_tapeLine.assign(line);
    window_.appendToTape(text);
}

void Calculator::writeNumberLine() {
    std::string line;
    line.reserve(m_formatted.size() + 1);
    line.append(" ").append(m_formatted);
    writeLine(line);
}

void Calculator::refresh() {
    window_.refresh({m_display, m_placesText, m_memoryText, m_memoryNumber});
}

void Calculator::readBack() {
    ControlValues shown = window_.readBack();
    m_display = std::move(shown.display);
    m_placesText = shown.placesText.substr(0, 1);
    m_memoryText = std::move(shown.memoryText);
    if (shown.memoryNumber >= 1 && shown.memoryNumber <= 4) m_memoryNumber = shown.memoryNumber;
}

void Calculator::putDocumentOnTape() {
    m_tape.assign(document_.m_tapeText.view());
    showWholeTape();
    m_tapeLine.clear();
    discardPrintPreparation(true);
    m_clearOnEntry = 0;
}

void Calculator::showWholeTape() {
    // Exactly the tape: a line break of its own here would show as an empty line the tape
    // does not have.
    window_.clearTape();
    if (!m_tape.empty()) window_.appendToTape(m_tape.view());
}

void Calculator::discardPrintPreparation(bool resetTitle) {
    m_printText.clear();
    m_printLines.clear();
    m_printLineCount = 0;
    if (resetTitle) m_titleAsked = 0;
}

void Calculator::copyTapeToDocument() { document_.m_tapeText = m_tape.snapshot(); }

void Calculator::updatePlacesIndicator() {
    static constexpr const char* kTexts[] = {"F", "1", "2", "3"};
    const bool valid = m_places >= 1 && m_places <= 4;
    m_placesText = kTexts[valid ? m_places - 1 : 0];
    m_roundOperands = (valid && m_places != 1) ? 1 : 0;
}

void Calculator::playFunctionSound(std::string_view name) {
    if (m_soundsOn == 1) window_.playSound(name, false);
}

void Calculator::playVoice(std::string_view name, bool waitsWhenAdding) {
    if (m_voiceActive == 1) window_.playSound(name, waitsWhenAdding && m_tapeMode == 1);
}

void Calculator::emptyTape() {
    m_tape.clear();
    m_tapeLine.clear();
    m_formatted.clear();
    window_.clearTape();
}

}  // namespace zovrek
