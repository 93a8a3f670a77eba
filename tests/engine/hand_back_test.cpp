// Values handed back by the special-function dialogs and the tape editor.

#include <utility>

#include "recording_window.h"

namespace zovrek::testing {
namespace {

TEST(SpecialResult, EntersAsFormattedEntryAndIsTapedByNextOperator) {
    Rig rig;
    rig.calc.takeSpecialResult(193.328015);
    EXPECT_EQ(rig.window.shown.display, "193.33");
    EXPECT_TRUE(rig.calc.m_tape.empty());
    rig.press("+1=");
    EXPECT_EQ(rig.tapeLines(),
              (std::vector<std::string>{" 193.33", " +", " 1.00", " =", " 194.33"}));
}

// Values beyond 10^305 must keep their size with fixed places, not print as zero.
TEST(SpecialResult, HugeValueKeepsItsSizeOnTheTape) {
    Rig rig(kThreePlaces);
    rig.calc.takeSpecialResult(1e306);
    rig.press("+1= M+");
    EXPECT_EQ(rig.tapeLines(),
              (std::vector<std::string>{" 1.e+306", " +", " 1.000", " =", " 1.e+306"}));
    EXPECT_EQ(rig.window.shown.memoryText, "1.e+306");
}

TEST(SpecialResult, DigitAfterHandBackStartsNewNumber) {
    Rig rig;
    rig.calc.takeSpecialResult(42);
    rig.press("7");
    EXPECT_EQ(rig.window.shown.display, "7.");
}

TEST(SpecialResult, AfterResultClearsOnceWithMark) {
    Rig rig;
    rig.press("5+3=");
    rig.calc.takeSpecialResult(10);
    rig.press("C");
    EXPECT_EQ(rig.tapeLines(),
              (std::vector<std::string>{" 5.00", " +", " 3.00", " =", " 8.00", " @"}));
}

TEST(SpecialResult, CompletesPendingOperationOnEquals) {
    Rig rig;
    rig.press("100+");
    rig.calc.takeSpecialResult(2.5);
    EXPECT_EQ(rig.calc.m_equalsReady, 1);
    rig.press("=");
    EXPECT_EQ(rig.window.shown.display, "102.50");
}

TEST(SpecialResult, ClicksWhenSoundsOn) {
    Rig rig;
    rig.calc.takeSpecialResult(1);
    EXPECT_EQ(rig.soundNames(), std::vector<std::string>{"click.wav"});
}

TEST(EditedTape, ReplacesTapeAndContinuesAsFromTotal) {
    Rig rig;
    rig.press("5+3=");
    rig.calc.m_printLineCount = 3;
    rig.calc.m_titleAsked = 1;
    const std::string edited = " 5.00\r\n +\r\n 4.00\r\n =\r\n 9.00\r\n";
    rig.calc.takeEditedTape(edited, " 9.00\r\n");
    EXPECT_EQ(rig.calc.m_tape.view(), edited);
    EXPECT_EQ(rig.window.tapeControl, edited);
    EXPECT_EQ(rig.document.m_tapeText.view(), edited);
    EXPECT_EQ(rig.calc.m_entry, 9);
    EXPECT_EQ(rig.window.shown.display, " 9.00\r\n");
    EXPECT_EQ(rig.calc.m_printLineCount, 0);
    EXPECT_EQ(rig.calc.m_titleAsked, 0);
    rig.press("+1=");
    EXPECT_EQ(rig.window.shown.display, "10.00");
}

TEST(InitialUpdate, PutsDocumentOnTapeAsItIs) {
    Rig rig;
    rig.document.m_tapeText = TapeText(" 1.00\r\n");
    rig.calc.onInitialUpdate();
    EXPECT_EQ(rig.calc.m_tape.view(), " 1.00\r\n");
    // No line break of its own: the next line written follows without an empty one.
    rig.press("2+");
    EXPECT_EQ(rig.window.tapeControl, " 1.00\r\n 2.00\r\n +\r\n");
    EXPECT_EQ(rig.window.tapeControl, rig.calc.m_tape.view());
    EXPECT_EQ(rig.calc.m_memoryNumber, 1);

    // A file whose last line has no break: the next line still starts a line of its own.
    // One ending in a bare "\n" or "\r" has its break, and gets no empty line.
    for (const auto& [file, after] : {std::pair{" 1.00", " 1.00\r\n"},
                                      std::pair{" 1.00\n", " 1.00\n"},
                                      std::pair{" 1.00\r", " 1.00\r"}}) {
        Rig other;
        other.document.m_tapeText = TapeText(file);
        other.calc.onInitialUpdate();
        other.press("2+");
        EXPECT_EQ(other.calc.m_tape.view(), std::string(after) + " 2.00\r\n +\r\n") << file;
        EXPECT_EQ(other.window.tapeControl, other.calc.m_tape.view());
    }
}

TEST(InitialUpdate, StartUpValuesOnlyTheFirstTime) {
    Rig rig;
    EXPECT_EQ(rig.window.shown, (ControlValues{"0.", "2", "0.", 1}));
    rig.press("MSEL DIGITUP");
    rig.calc.onInitialUpdate();
    EXPECT_EQ(rig.window.shown.memoryNumber, 2);
    EXPECT_EQ(rig.window.shown.placesText, "3");
}

}  // namespace
}  // namespace zovrek::testing
