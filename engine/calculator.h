#pragma once
// The keypad logic of the calculator view: one handler per command identifier, run against
// the state members and a window seen only through CalculatorWindow.

#include <string>
#include <string_view>

#include "calculator_state.h"
#include "calculator_window.h"
#include "document_tape.h"

namespace zovrek {

class Calculator : public CalculatorState {
public:
    Calculator(CalculatorWindow& window, DocumentTape& document);
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    /// Runs the handler of a command identifier; false when the id is not the calculator's.
    bool onCommand(int id);
    /// True when onCommand handles `id`.
    static bool handles(int id);

    /// The view's initial update: shows the values, puts the document's text on the tape
    /// and, the first time only, takes the start-up values (12 digits, memory 1, the
    /// places indicator), loading the settings through the window.
    void onInitialUpdate();

    /// A special-function dialog's result entering as a new entry (after OK).
    void takeSpecialResult(double value);
    /// The tape editor's result after "ToCalculator": the new tape and its last value.
    void takeEditedTape(std::string_view editText, std::string_view lastValue);

    // Building blocks shared with the file commands, the editor and the dialogs.

    /// The C key, with its guard.
    void performClear();
    /// Formats m_entry into m_formatted with the current places, warning once when the
    /// text is too long for them. m_entry itself is left as it is.
    void formatEntry();
    /// Writes one tape line (given without its line end).
    void writeLine(std::string_view line);
    /// Writes " " + m_formatted.
    void writeNumberLine();
    /// Members into the controls.
    void refresh();
    /// Controls into the members; the memory number is kept when the control's is not 1..4.
    void readBack();
    /// Puts the document's tape copy on the tape (inside every initial update).
    void putDocumentOnTape();
    /// Replaces the tape control's text by the whole tape, exactly: what the control shows
    /// and copies is the tape, with no line break of its own.
    void showWholeTape();
    /// Empties the prepared print lines; `resetTitle` also forgets that the title was asked.
    void discardPrintPreparation(bool resetTitle);
    /// Copies the working tape into the document (O(1)).
    void copyTapeToDocument();
    /// Sets m_placesText and m_roundOperands from m_places.
    void updatePlacesIndicator();
    /// Plays a function sound (when the sounds are on), without waiting.
    void playFunctionSound(std::string_view name);

    CalculatorWindow& window() { return window_; }
    DocumentTape& document() { return document_; }

private:
    using Handler = void (Calculator::*)();
    struct CommandEntry {
        int id;
        Handler handler;
    };
    static const CommandEntry kCommands[];

    // Number entry.
    void onDigit(int digit);
    void onZero();
    void onOne() { onDigit(1); }
    void onTwo() { onDigit(2); }
    void onThree() { onDigit(3); }
    void onFour() { onDigit(4); }
    void onFive() { onDigit(5); }
    void onSix() { onDigit(6); }
    void onSeven() { onDigit(7); }
    void onEight() { onDigit(8); }
    void onNine() { onDigit(9); }
    void onDecimal();
    void onBack();
    void onPlusMinus();
    void onClearEntry();
    void onClear() { performClear(); }
    void onClearAll();
    /// The flags every digit key sets, then refresh.
    void finishDigit();
    void discardPrintLinesAfterPrint();

    // Operators and equals.
    void onPlus() { addOrSubtract(OpAdd, " +", "plusa.wav"); }
    void onMinus() { addOrSubtract(OpSubtract, " -", "minusa.wav"); }
    void onTimes() { multiplyOrDivide(OpMultiply, " *", "times.wav"); }
    void onDivide() { multiplyOrDivide(OpDivide, " /", "divide.wav"); }
    void onEqual() { performEquals(); }
    void addOrSubtract(int op, std::string_view line, std::string_view voice);
    void multiplyOrDivide(int op, std::string_view line, std::string_view voice);
    void performEquals();
    /// An operator key's end: the display member reset, `op` pending, the next operand
    /// awaited.
    void awaitOperand(int op);
    void completePending();
    void speakResult();

    // Functions.
    void onPercent();
    void onSqrt();
    void onSquared();
    void onInvert();
    enum class Function { Sqrt, Squared, Invert };
    void applyFunction(Function f);

    // Memory.
    void onMemoryClear();
    void onMemoryRecall();
    void onMemoryPlus() { addToMemory(+1, "plusa.wav"); }
    void onMemoryMinus() { addToMemory(-1, "minusa.wav"); }
    void onMemorySelect();
    void addToMemory(int sign, std::string_view voice);
    double& selectedRegister();

    // Settings commands.
    void onDigitUp();
    void onCalculatorMode();
    void onAddingMachineMode();
    void onSounds();
    void onVoice();

    /// Plays a spoken key (when the voice is active); waits in adding-machine mode when
    /// `waitsWhenAdding`.
    void playVoice(std::string_view name, bool waitsWhenAdding);
    void emptyTape();

    CalculatorWindow& window_;
    DocumentTape& document_;
};

}  // namespace zovrek
