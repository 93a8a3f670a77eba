// The special-function frame against the calculator: preset, clicks and hand-back.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "dialogs/loan_payment.h"
#include "dialogs/scientific.h"
#include "dialogs/simple_interest.h"
#include "dialogs/function_dialog.h"
#include "recording_window.h"

namespace zovrek::dialogs {
namespace {

using zovrek::testing::Rig;

/// A user at the dialog: what they do between opening and closing.
struct ScriptedRunner : ModalRunner {
    std::function<void(MemoryControls&)> user;
    bool pressOk = true;
    bool okRefused = false;
    MemoryControls* controls = nullptr;
    std::vector<std::string> soundsWhenShown;

    ModalResult runModal(SpecialFunctionDialog& dialog) override {
        dialog.onInitDialog();
        if (user) user(*controls);
        if (!pressOk) return ModalResult::Cancel;
        if (dialog.onOk()) return ModalResult::Ok;
        okRefused = true;
        return ModalResult::Cancel;  // the user gives up and presses Cancel
    }
};

template <class Dialog>
struct Opened {
    MemoryControls controls;
    Dialog dialog{controls};
    ScriptedRunner runner;
    bool handedBack = false;

    Opened(Rig& rig, std::function<void(Dialog&, MemoryControls&)> user, bool ok = true) {
        runner.controls = &controls;
        runner.pressOk = ok;
        runner.user = [this, user](MemoryControls& c) {
            if (user) user(dialog, c);
        };
        handedBack = runSpecialFunction(rig.calc, dialog, runner);
    }
};

void calculateLoan(LoanPaymentDialog& d, MemoryControls& c) {
    c.setText(LoanPaymentDialog::kRateId, "6");
    c.setText(LoanPaymentDialog::kPeriodId, "5");
    d.onCalculate();
}

TEST(SpecialFunctionFrame, PresetTakesTheEntryElseTheRunningTotal) {
    CalculatorState state;
    state.m_entry = 2500;
    state.m_accumulator = 7;
    EXPECT_EQ(presetValueOf(state), 2500);
    state.m_entry = 0;
    EXPECT_EQ(presetValueOf(state), 7);
    state.m_entry = -0.0;  // compares equal to 0.0
    EXPECT_EQ(presetValueOf(state), 7);
}

TEST(SpecialFunctionFrame, LoanHandsBackThePaymentWithTwoClicks) {
    Rig rig;
    rig.press("10000");
    rig.window.sounds.clear();
    Opened<LoanPaymentDialog> opened(rig, calculateLoan);
    EXPECT_EQ(opened.controls.text(LoanPaymentDialog::kAmountId), "10000");
    EXPECT_TRUE(opened.handedBack);
    EXPECT_EQ(rig.soundNames(), (std::vector<std::string>{"click.wav", "click.wav"}));
    EXPECT_EQ(rig.calc.m_entry, 193.328015294283);  // as the field showed it
    EXPECT_EQ(rig.window.shown.display, "193.33");
    // The next operator tapes the payment as the display shows it.
    rig.press("+");
    const auto lines = rig.tapeLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], " 193.33");
}

TEST(SpecialFunctionFrame, PresetRadiosWhateverWasChosenBefore) {
    Rig rig;
    Opened<LoanPaymentDialog> loan(rig, nullptr, false);
    EXPECT_EQ(loan.controls.radio(LoanPaymentDialog::kMonthsRadioId), 1);
    EXPECT_EQ(loan.controls.radio(LoanPaymentDialog::kMonthlyRadioId), 0);
    Opened<ScientificDialog> sci(rig, nullptr, false);
    EXPECT_EQ(sci.controls.radio(ScientificDialog::kAngleRadioId), 0);
    EXPECT_EQ(sci.controls.radio(ScientificDialog::kDegreesRadioId), 0);
    EXPECT_FALSE(sci.dialog.m_inverse);
}

TEST(SpecialFunctionFrame, PresetFromTheRunningTotal) {
    Rig rig;
    rig.calc.m_entry = 0;
    rig.calc.m_accumulator = 2500;
    Opened<SimpleInterestDialog> opened(rig, nullptr, false);
    EXPECT_EQ(opened.dialog.m_principal, 2500);
    EXPECT_EQ(opened.controls.text(SimpleInterestDialog::kPrincipalId), "2500");
}

TEST(SpecialFunctionFrame, OkBeforeCalculateHandsNothingBack) {
    Rig rig;
    rig.press("2500");
    rig.window.sounds.clear();
    const auto before = rig.calc.m_display;
    Opened<LoanPaymentDialog> opened(rig, [](LoanPaymentDialog&, MemoryControls& c) {
        c.setText(LoanPaymentDialog::kPaymentId, "55");  // typed by hand
    });
    EXPECT_FALSE(opened.handedBack);
    EXPECT_EQ(rig.calc.m_entry, 2500);
    EXPECT_EQ(rig.calc.m_display, before);
    EXPECT_EQ(rig.soundNames(), (std::vector<std::string>{"click.wav"}));
}

TEST(SpecialFunctionFrame, TypedRepaidTotalHandsBackThePaymentField) {
    Rig rig;
    Opened<LoanPaymentDialog> opened(rig, [](LoanPaymentDialog&, MemoryControls& c) {
        c.setText(LoanPaymentDialog::kPaymentId, "42.5");
        c.setText(LoanPaymentDialog::kRepaidId, "1");
    });
    EXPECT_TRUE(opened.handedBack);
    EXPECT_EQ(rig.calc.m_entry, 42.5);
}

TEST(SpecialFunctionFrame, CancelChangesNothingAndClicksOnce) {
    Rig rig;
    rig.press("10000");
    rig.window.sounds.clear();
    Opened<LoanPaymentDialog> opened(rig, calculateLoan, false);
    EXPECT_FALSE(opened.handedBack);
    EXPECT_EQ(rig.calc.m_entry, 10000);
    EXPECT_EQ(rig.soundNames(), (std::vector<std::string>{"click.wav"}));
}

TEST(SpecialFunctionFrame, OkRefusedWhileTheRateIsOutOfRange) {
    Rig rig;
    rig.press("1000");
    Opened<SimpleInterestDialog> opened(rig, [](SimpleInterestDialog& d, MemoryControls& c) {
        c.setText(SimpleInterestDialog::kRateId, "150");
        c.setText(SimpleInterestDialog::kMonthsId, "12");
        d.onCalculate();
    });
    EXPECT_TRUE(opened.runner.okRefused);
    EXPECT_FALSE(opened.handedBack);
    EXPECT_EQ(rig.calc.m_entry, 1000);
}

TEST(SpecialFunctionFrame, NotANumberIsNotHandedBackButInfinityIs) {
    Rig rig;
    rig.press("1");
    Opened<ScientificDialog> nan(rig, [](ScientificDialog& d, MemoryControls& c) {
        c.setText(ScientificDialog::kInputId, "-1");
        d.onFunction(ScientificButton::Log);
    });
    EXPECT_FALSE(nan.handedBack);
    EXPECT_EQ(rig.calc.m_entry, 1);

    Opened<ScientificDialog> inf(rig, [](ScientificDialog& d, MemoryControls& c) {
        c.setText(ScientificDialog::kInputId, "0");
        d.onFunction(ScientificButton::Ln);
    });
    EXPECT_TRUE(inf.handedBack);
    EXPECT_EQ(rig.calc.m_entry, -std::numeric_limits<double>::infinity());
}

TEST(SpecialFunctionFrame, AfterAnEqualsResultTheHandBackClearsFirst) {
    Rig rig;
    rig.press("5+3=");
    Opened<SimpleInterestDialog> opened(rig, [](SimpleInterestDialog& d, MemoryControls& c) {
        c.setText(SimpleInterestDialog::kPrincipalId, "1000");
        c.setText(SimpleInterestDialog::kRateId, "6");
        c.setText(SimpleInterestDialog::kMonthsId, "12");
        d.onCalculate();
    });
    ASSERT_TRUE(opened.handedBack);
    EXPECT_EQ(rig.tapeLines().back(), " @");
    EXPECT_EQ(rig.window.shown.display, "60.00");
    const auto count = rig.tapeLines().size();
    rig.press("C");
    EXPECT_EQ(rig.tapeLines().size(), count);  // no second " @"
}

}  // namespace
}  // namespace zovrek::dialogs
