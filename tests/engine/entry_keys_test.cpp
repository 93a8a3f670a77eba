// Number entry and clearing keys.

#include "recording_window.h"

namespace zovrek::testing {
namespace {

struct ShownCase {
    const char* name;
    const char* keys;
    const char* shown;
    double entry;
};

class Entry : public ::testing::TestWithParam<ShownCase> {};

TEST_P(Entry, ShowsKeyedNumber) {
    const auto& c = GetParam();
    Rig rig;
    rig.press(c.keys);
    EXPECT_EQ(rig.window.shown.display, c.shown);
    EXPECT_EQ(rig.calc.m_entry, c.entry);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Entry,
    ::testing::Values(ShownCase{"leading_zero_ignored", "0", "0.", 0},
                      ShownCase{"point_then_zero_shows_zero", "0.0", "0.0", 0},
                      ShownCase{"small_fraction_in_exponent_form", "0.05", "5.e-002", 0.05},
                      ShownCase{"point_first", ".5", "0.5", 0.5},
                      ShownCase{"fraction_zero_stays_visible", "1.50", "1.50", 1.5},
                      ShownCase{"back_removes_point", "12 BACK", "12", 12},
                      ShownCase{"back_twice", "12 BACK BACK", "1", 1},
                      ShownCase{"back_to_empty", "1 BACK BACK", "", 0},
                      ShownCase{"back_removes_fraction_digit_then_digit_joins", "1.5 BACK 7",
                                "17.", 17},
                      // Back over the point ends the fraction, so the next digit is a unit.
                      ShownCase{"back_right_after_point", "5. BACK 3", "53.", 53},
                      ShownCase{"sign_change_of_entry", "5 NEG", "-5.", -5},
                      ShownCase{"negative_entry_grows_negative", "5 NEG 2", "-52.", -52},
                      ShownCase{"thirteen_digits_in_exponent_form", "1234567890123",
                                "1.23456789012e+012", 1234567890123},
                      ShownCase{"clear_entry", "5+3 CE", "0.", 0},
                      ShownCase{"clear", "5+3 C", "0.", 0}),
    [](const auto& p) { return std::string(p.param.name); });

// A display taken from a tape line with a note: Back takes one character at a time.
TEST(Back, TakesAWholeCharacter) {
    Rig rig;
    rig.press("2");
    rig.window.shown.display = "\xC3\xA9\xE6\x99\x9A\xF0\x9F\x98\x80";  // e acute, CJK, emoji
    for (const char* left : {"\xC3\xA9\xE6\x99\x9A", "\xC3\xA9", ""}) {
        rig.press("BACK");
        EXPECT_EQ(rig.window.shown.display, left);
    }
}

using Clearing = TapeCases;
TEST_P(Clearing, WritesTape) { checkTapeCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Examples, Clearing,
    ::testing::Values(
        TapeCase{"clear_on_empty_tape_writes_nothing", kTwoPlaces, kCalculatorMode, "5 C", {},
                 "0."},
        TapeCase{"clear_mark_after_calculation", kTwoPlaces, kCalculatorMode, "5+3= C",
                 {" 5.00", " +", " 3.00", " =", " 8.00", " @"}, "0."},
        TapeCase{"clear_after_clear_entry_ignored", kTwoPlaces, kCalculatorMode, "5+3=4 CE C",
                 {" 5.00", " +", " 3.00", " =", " 8.00", " @"}, "0."},
        TapeCase{"point_after_equals_is_lost", kTwoPlaces, kCalculatorMode, "5+3=.5",
                 {" 5.00", " +", " 3.00", " =", " 8.00", " @"}, "5."},
        TapeCase{"clear_entry_after_operator_ignored", kTwoPlaces, kCalculatorMode, "5+ CE",
                 {" 5.00", " +"}, "5."},
        TapeCase{"clear_entry_keeps_pending_operation", kTwoPlaces, kCalculatorMode,
                 "5+3 CE 4=", {" 5.00", " +", " 4.00", " =", " 9.00"}, "9.00"},
        TapeCase{"sign_change_of_result_multiplies", kTwoPlaces, kCalculatorMode, "5+3= NEG",
                 {" 5.00", " +", " 3.00", " =", " 8.00", " *", " -1.00", " =", " -8.00"},
                 "-8.00"},
        TapeCase{"sign_change_after_operator_does_nothing", kTwoPlaces, kCalculatorMode,
                 "5+ NEG", {" 5.00", " +"}, "5."}),
    caseName);

TEST(ClearAll, EmptyTapeDoesNothing) {
    Rig rig;
    rig.press("5 CA");
    EXPECT_TRUE(rig.window.dialogs.empty());
    EXPECT_TRUE(rig.window.sounds.size() == 1);  // the digit's voice only
    EXPECT_EQ(rig.window.shown.display, "5.");
}

struct ClearAllCase {
    const char* name;
    SaveTapeChoice answer;
    bool saveSucceeds;
    bool cleared;
    int saves;
};

class ClearAllOffer : public ::testing::TestWithParam<ClearAllCase> {};

TEST_P(ClearAllOffer, ClearsOnlyWhenAllowed) {
    const auto& c = GetParam();
    Rig rig;
    rig.window.saveTapeAnswer = c.answer;
    rig.window.saveSucceeds = c.saveSucceeds;
    rig.press("5+3=");
    const std::string before(rig.calc.m_tape.view());
    rig.press("CA");
    EXPECT_EQ(rig.window.dialogs, std::vector<std::string>{"Save Tape?"});
    EXPECT_EQ(rig.window.documentSaves, c.saves);
    if (c.cleared) {
        EXPECT_TRUE(rig.calc.m_tape.empty());
        EXPECT_TRUE(rig.window.tapeControl.empty());
        EXPECT_TRUE(rig.document.m_tapeText.empty());
        EXPECT_EQ(rig.window.shown.display, "0.");
        EXPECT_EQ(rig.window.newDocuments, 1);
        EXPECT_EQ(rig.calc.m_awaitEntry, 1);
    } else {
        EXPECT_EQ(rig.calc.m_tape.view(), before);
        EXPECT_EQ(rig.window.shown.display, "8.00");
        EXPECT_EQ(rig.window.newDocuments, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ClearAllOffer,
    ::testing::Values(ClearAllCase{"no_clears_without_saving", SaveTapeChoice::No, true, true, 0},
                      ClearAllCase{"cancel_keeps_everything", SaveTapeChoice::Cancel, true,
                                   false, 0},
                      ClearAllCase{"ok_saves_then_clears", SaveTapeChoice::Ok, true, true, 1},
                      // Nothing was written: the tape must not be lost.
                      ClearAllCase{"ok_with_failed_save_keeps_tape", SaveTapeChoice::Ok, false,
                                   false, 1}),
    [](const auto& p) { return std::string(p.param.name); });

// The save must see the tape as it stood before anything was cleared.
TEST(ClearAll, OkSavesTheTapeAsItStood) {
    struct SavingWindow : ScriptedWindow {
        DocumentTape* document = nullptr;
        std::string saved;
        bool saveDocument() override {
            saved = document->m_tapeText.str();
            return ScriptedWindow::saveDocument();
        }
    };
    SavingWindow window;
    DocumentTape document;
    Calculator calc(window, document);
    window.attach(calc);
    window.document = &document;
    window.saveTapeAnswer = SaveTapeChoice::Ok;
    calc.onInitialUpdate();
    for (int id : keysOfToken("5+3=+2")) calc.onCommand(id);
    const std::string expected(calc.m_tape.view());
    calc.onCommand(keysOfToken("CA").front());
    EXPECT_EQ(window.saved, expected);
    EXPECT_TRUE(calc.m_tape.empty());
}

TEST(ClearAll, DiscardsPrintPreparationButNotUsedFlag) {
    Rig rig;
    rig.press("5+3=");
    rig.calc.m_printLineCount = 5;
    rig.calc.m_printLines.assign(5, "x");
    rig.calc.m_titleAsked = 1;
    rig.calc.m_printLinesUsed = 1;
    rig.press("CA");
    EXPECT_EQ(rig.calc.m_printLineCount, 0);
    EXPECT_TRUE(rig.calc.m_printLines.empty());
    EXPECT_EQ(rig.calc.m_titleAsked, 0);
    EXPECT_EQ(rig.calc.m_printLinesUsed, 1);
}

TEST(DigitKeys, DiscardPrintLinesOnlyAfterAPrint) {
    Rig rig;
    rig.press("5+");
    rig.calc.m_printLineCount = 2;
    rig.calc.m_printLines.assign(2, "x");
    rig.calc.m_titleAsked = 1;
    rig.press("3");
    EXPECT_EQ(rig.calc.m_printLineCount, 2);  // not printed yet: kept
    rig.calc.m_printLinesUsed = 1;
    rig.press("4");
    EXPECT_EQ(rig.calc.m_printLineCount, 0);
    EXPECT_EQ(rig.calc.m_printLinesUsed, 0);
    EXPECT_EQ(rig.calc.m_titleAsked, 1);
}

}  // namespace
}  // namespace zovrek::testing
