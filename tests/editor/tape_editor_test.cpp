// The Tape Editor's states and buttons, and the TAPEEDIT key around it, with scripted
// button presses in place of the dialog.

#include "editor/tape_editor.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "../engine/recording_window.h"
#include "editor/tape_edit_command.h"
#include "engine/command_ids.h"
#include "tape_lines.h"

namespace zovrek {
namespace {

using test::tape;
using testing::Rig;

/// The dialog's window side: the edit control's text and what was shown.
struct FakeDialog : TapeEditorWindow {
    std::string control;
    std::vector<std::string> messages;
    int outOfRange = 0;

    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    void showOutOfRange() override { ++outOfRange; }
    void readEditText(std::string& editText) override { editText = control; }
    void showEditText(std::string_view editText) override { control = editText; }
};

/// Runs the editor with a script of button presses (and typing), as a user would.
struct ScriptedLauncher : TapeEditorLauncher {
    struct Step {
        enum Kind { Update, ReEdit, ToCalculator, Cancel, Type } kind;
        std::string text = {};
    };
    std::vector<Step> script;

    // Record.
    int runs = 0;
    std::optional<TapeEditorInput> input;
    std::vector<TapeEditor::State> states;  // after each step
    std::vector<std::string> controls;      // the edit control after each step
    std::vector<std::string> messages;

    std::optional<TapeEditorResult> runModal(const TapeEditorInput& in) override {
        ++runs;
        input = in;
        FakeDialog dialog;
        TapeEditor editor(dialog, in);
        dialog.control = editor.m_editText;  // the framework fills the controls first
        editor.OnInitDialog();
        controls.push_back(dialog.control);
        std::optional<TapeEditorResult> result;
        for (const Step& step : script) {
            bool ended = false;
            switch (step.kind) {
                case Step::Update: editor.OnUpdate(); break;
                case Step::ReEdit: editor.OnReEdit(); break;
                case Step::Type: dialog.control = step.text; break;
                case Step::Cancel: ended = true; break;
                case Step::ToCalculator:
                    if (editor.OnToCalculator()) {
                        result = editor.result();
                        ended = true;
                    }
                    break;
            }
            states.push_back(editor.state());
            controls.push_back(dialog.control);
            if (ended) break;
        }
        messages = dialog.messages;
        return result;
    }
};

using Step = ScriptedLauncher::Step;

const std::string kTape = tape({" 5.00", " +", " 3.00", " =", " 8.00"});

/// A calculator whose tape is kTape, from keys.
struct Session {
    Rig rig;
    ScriptedLauncher launcher;

    Session() { rig.press("5+3="); }
    bool tapeEdit(std::vector<Step> script) {
        launcher.script = std::move(script);
        rig.window.sounds.clear();
        return OnTapeEdit(rig.calc, launcher);
    }
};

TEST(TapeEdit, EmptyTapeOpensNothingAndIsSilent) {
    Rig rig;
    ScriptedLauncher launcher;
    EXPECT_FALSE(OnTapeEdit(rig.calc, launcher));
    EXPECT_EQ(launcher.runs, 0);
    EXPECT_TRUE(rig.window.sounds.empty());
}

TEST(TapeEdit, OpensOnTheTapeInEditingForm) {
    Session s;
    ASSERT_EQ(s.rig.calc.m_tape.view(), kTape);
    EXPECT_TRUE(s.tapeEdit({{Step::Cancel}}));
    EXPECT_EQ(s.launcher.controls.front(), tape({"_5.00", "_+", "_3.00", "_=", "_8.00"}));
}

TEST(TapeEdit, OpensATapeOfBareLineEndsInEditingForm) {
    for (const char* tapeFromFile :
         {" 5.00\n +\n 3.00\n =\n 8.00\n", " 5.00\r +\r 3.00\r =\r 8.00\r"}) {
        Session s;
        s.rig.document.m_tapeText = TapeText(tapeFromFile);
        s.rig.calc.onInitialUpdate();
        s.tapeEdit({{Step::Update}, {Step::ToCalculator}});
        EXPECT_EQ(s.launcher.controls.front(), tape({"_5.00", "_+", "_3.00", "_=", "_8.00"}));
        EXPECT_TRUE(s.launcher.messages.empty());
        EXPECT_EQ(s.rig.calc.m_tape.view(), kTape);
    }
}

TEST(TapeEdit, CopiesTheViewsSettingsIn) {
    Session s;
    s.rig.calc.m_bkRed = 1;
    s.rig.calc.m_bkGreen = 2;
    s.rig.calc.m_bkBlue = 3;
    s.rig.calc.onCommand(cmd::DigitUp);
    s.tapeEdit({{Step::Cancel}});
    ASSERT_TRUE(s.launcher.input);
    EXPECT_EQ(s.launcher.input->editText, kTape);
    EXPECT_EQ(s.launcher.input->places, 4);
    EXPECT_EQ(s.launcher.input->placesText, "3");
    EXPECT_EQ(s.launcher.input->digits, 12);
    EXPECT_EQ(s.launcher.input->bkRed, 1);
    EXPECT_EQ(s.launcher.input->bkGreen, 2);
    EXPECT_EQ(s.launcher.input->bkBlue, 3);
}

TEST(TapeEdit, SoundsBeforeAndAfterWhenOn) {
    Session s;
    s.tapeEdit({{Step::Cancel}});
    EXPECT_EQ(s.rig.soundNames(), (std::vector<std::string>{"chimeup.wav", "click.wav"}));
    for (const auto& sound : s.rig.window.sounds) EXPECT_FALSE(sound.wait);
}

TEST(TapeEdit, NoSoundsWhenOff) {
    Session s;
    s.rig.calc.m_soundsOn = 0;
    s.tapeEdit({{Step::Update}, {Step::ToCalculator}});
    EXPECT_TRUE(s.rig.window.sounds.empty());
}

TEST(TapeEdit, ToCalculatorBeforeUpdateDoesNothing) {
    Session s;
    s.tapeEdit({{Step::ToCalculator}, {Step::ToCalculator}, {Step::Cancel}});
    EXPECT_EQ(s.launcher.states,
              (std::vector<TapeEditor::State>{TapeEditor::State::Editing,
                                              TapeEditor::State::Editing,
                                              TapeEditor::State::Editing}));
    EXPECT_EQ(s.rig.calc.m_tape.view(), kTape);
}

TEST(TapeEdit, UpdateThenCancelLeavesTheCalculatorAlone) {
    Session s;
    const std::string display = s.rig.window.shown.display;
    const int resultShown = s.rig.calc.m_resultShown;
    s.tapeEdit({{Step::Type, tape({"_5.00", "_+", "_4.00", "_=", "_8.00"})},
                {Step::Update},
                {Step::Cancel}});
    EXPECT_EQ(s.launcher.controls.back(), tape({" 5.00", " +", " 4.00", " =", " 9.00"}));
    EXPECT_EQ(s.rig.calc.m_tape.view(), kTape);
    EXPECT_EQ(s.rig.window.shown.display, display);
    EXPECT_EQ(s.rig.calc.m_resultShown, resultShown);
    EXPECT_EQ(s.rig.window.tapeControl, kTape);
}

TEST(TapeEdit, UpdateThenToCalculatorHandsTheNewTapeBack) {
    Session s;
    s.rig.calc.m_titleAsked = 1;
    const std::string edited = tape({" 5.00", " +", " 4.00", " =", " 9.00"});
    s.tapeEdit({{Step::Type, tape({"_5.00", "_+", "_4.00", "_=", "_8.00"})},
                {Step::Update},
                {Step::ToCalculator}});
    EXPECT_EQ(s.rig.calc.m_tape.view(), edited);
    EXPECT_EQ(s.rig.calc.document().m_tapeText.view(), edited);
    EXPECT_EQ(s.rig.calc.m_display, "9.00\r\n");
    EXPECT_EQ(s.rig.calc.m_entry, 9);
    EXPECT_EQ(s.rig.calc.m_resultShown, 1);
    EXPECT_EQ(s.rig.calc.m_titleAsked, 0);
    EXPECT_EQ(s.rig.window.tapeControl, edited);
    // The calculator goes on from the total.
    s.rig.press("+1=");
    EXPECT_EQ(s.rig.tapeLines().back(), " 10.00");
}

TEST(TapeEdit, SecondUpdateWithoutReEditDoesNothing) {
    Session s;
    s.tapeEdit({{Step::Type, "_5\r\n"}, {Step::Update}, {Step::Update}, {Step::Cancel}});
    EXPECT_EQ(s.launcher.messages, std::vector<std::string>{std::string(kFormatMessage)});
    EXPECT_EQ(s.launcher.states[2], TapeEditor::State::Updated);
}

TEST(TapeEdit, ReEditMarksAgainAndUpdateRunsAgain) {
    Session s;
    s.tapeEdit({{Step::Update},
                {Step::ReEdit},
                {Step::Type, tape({"_5.00", "_+", "_1", "_=", "_8.00"})},
                {Step::Update},
                {Step::ToCalculator}});
    EXPECT_EQ(s.launcher.states,
              (std::vector<TapeEditor::State>{
                  TapeEditor::State::Updated, TapeEditor::State::Editing,
                  TapeEditor::State::Editing, TapeEditor::State::Updated,
                  TapeEditor::State::Updated}));
    EXPECT_EQ(s.launcher.controls[2], tape({"_5.00", "_+", "_3.00", "_=", "_8.00"}));
    EXPECT_EQ(s.rig.calc.m_tape.view(), tape({" 5.00", " +", " 1", " =", " 6.00"}));
}

TEST(TapeEdit, ReEditDropsTextTypedAfterTheUpdate) {
    Session s;
    s.tapeEdit({{Step::Type, tape({"_5.00", "_+", "_4.00", "_=", "_8.00"})},
                {Step::Update},
                {Step::Type, "typed over"},
                {Step::ReEdit},
                {Step::Cancel}});
    EXPECT_EQ(s.launcher.controls[4], tape({"_5.00", "_+", "_4.00", "_=", "_9.00"}));
}

TEST(TapeEdit, TextTypedAfterTheUpdateIsHandedBackAsTyped) {
    Session s;
    const std::string typed = tape({" 5.00", " +", " 4.00", " =", " 7.00"});
    s.tapeEdit({{Step::Update}, {Step::Type, typed}, {Step::ToCalculator}});
    EXPECT_EQ(s.rig.calc.m_tape.view(), typed);
    EXPECT_EQ(s.rig.calc.m_display, "8.00\r\n");  // the last Update's value
}

TEST(TapeEdit, ErrorsStillAllowTakingTheRewrittenText) {
    Session s;
    s.tapeEdit({{Step::Type, tape({"_5.00", "_+", "_3.00", "_="})}, {Step::Update},
                {Step::ToCalculator}});
    EXPECT_EQ(s.launcher.messages, std::vector<std::string>{std::string(kFormatMessage)});
    EXPECT_EQ(s.rig.calc.m_tape.view(), tape({" 5.00", " +", " 3.00", " ="}));
    EXPECT_EQ(s.rig.calc.m_display, "3.00\r\n");
}

TEST(TapeEditor, TextBackgroundTakesLowEightBits) {
    FakeDialog dialog;
    TapeEditorInput input;
    input.bkRed = 0x1FF;
    input.bkGreen = 256;
    input.bkBlue = 7;
    const TapeEditor editor(dialog, input);
    EXPECT_EQ(editor.textBackground(), (std::array<int, 3>{0xFF, 0, 7}));
}

TEST(TapeEditor, RangeWarningOncePerOpening) {
    const std::string overLong = tape({"_-999999999999", "_-", "_0.6", "_=", "_0"});
    FakeDialog dialog;
    TapeEditorInput input;
    input.editText = overLong;
    TapeEditor editor(dialog, input);
    dialog.control = overLong;
    editor.OnUpdate();
    editor.OnReEdit();
    editor.OnUpdate();
    EXPECT_EQ(dialog.outOfRange, 1);
    FakeDialog again;
    TapeEditor reopened(again, input);
    again.control = overLong;
    reopened.OnUpdate();
    EXPECT_EQ(again.outOfRange, 1);
}

// Every tape the calculator writes with fixed places re-evaluates to itself.
struct RoundTripRow {
    const char* name;
    int places;
    int mode;
    const char* keys;
};

void PrintTo(const RoundTripRow& row, std::ostream* os) { *os << row.name; }

class RoundTripTest : public ::testing::TestWithParam<RoundTripRow> {};

TEST_P(RoundTripTest, CalculatorTapeUpdatesToItself) {
    const RoundTripRow& row = GetParam();
    Rig rig(row.places, row.mode);
    rig.press(row.keys);
    const std::string written(rig.calc.m_tape.view());
    const Reevaluation r = reevaluateTape(written, row.places);
    EXPECT_EQ(r.text, written) << row.keys;
    EXPECT_TRUE(r.messages.empty()) << row.keys;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RoundTripTest,
    ::testing::Values(
        RoundTripRow{"TapeExample", 3, 0, "12.5*4= C 7 SQRT"},
        RoundTripRow{"DivisionByZeroCarriedOn", 3, 0, "8/.0=+2= C 1/3="},
        RoundTripRow{"NegativeInfinity", 3, 0, "5 NEG /.0=*2="},
        RoundTripRow{"CalculatorChain", 3, 0, "5+3+2="},
        RoundTripRow{"AddingChain", 3, 1, "5+3+2="},
        RoundTripRow{"RepeatedEquals", 3, 0, "5+3=="},
        RoundTripRow{"Divisions", 4, 0, "8/3*3="},
        RoundTripRow{"OnePlace", 2, 0, "1.25+1.25*2="},
        RoundTripRow{"NegativeResult", 3, 0, "5-7=+1="},
        RoundTripRow{"Square", 3, 0, "3 SQR"},
        RoundTripRow{"Reciprocal", 3, 0, "4 INV"},
        RoundTripRow{"ClearBetween", 3, 0, "2*3= C 1+1="}),
    [](const ::testing::TestParamInfo<RoundTripRow>& row) { return row.param.name; });

}  // namespace
}  // namespace zovrek
