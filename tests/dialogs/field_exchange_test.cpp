// Reading and showing dialog fields, and each dialog's buttons over its controls.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "dialogs/annuity_savings.h"
#include "dialogs/field_exchange.h"
#include "dialogs/fixed_savings.h"
#include "dialogs/loan_payment.h"
#include "dialogs/scientific.h"
#include "dialogs/simple_interest.h"

namespace zovrek::dialogs {
namespace {

struct ShowRow {
    const char* name;
    double value;
    const char* text;
};

class FieldTextRows : public ::testing::TestWithParam<ShowRow> {};

TEST_P(FieldTextRows, ShowsAsPercentFifteenG) {
    EXPECT_EQ(fieldText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FieldTextRows,
    ::testing::Values(ShowRow{"Zero", 0, "0"}, ShowRow{"TrailingZerosDropped", 6.50, "6.5"},
                      ShowRow{"Negative", -187.5, "-187.5"},
                      ShowRow{"FifteenDigits", 1.0 / 3, "0.333333333333333"},
                      ShowRow{"RoundsAwayBinaryNoise", 0.1 + 0.2, "0.3"},
                      ShowRow{"LargeIntegerFixed", 123456789012345.0, "123456789012345"},
                      ShowRow{"SixteenDigitsGoExponent", 1234567890123456.0,
                              "1.23456789012346e+15"},
                      ShowRow{"Small", 0.0001, "0.0001"}, ShowRow{"Smaller", 0.00001, "1e-05"},
                      ShowRow{"Huge", 1e100, "1e+100"},
                      ShowRow{"Infinity", std::numeric_limits<double>::infinity(), "Infinity"},
                      ShowRow{"MinusInfinity", -std::numeric_limits<double>::infinity(),
                              "-Infinity"},
                      ShowRow{"NotANumber", std::numeric_limits<double>::quiet_NaN(), "NaN"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(FieldText, IntegersArePlain) {
    EXPECT_EQ(fieldText(0), "0");
    EXPECT_EQ(fieldText(-12), "-12");
    EXPECT_EQ(fieldText(2147483647), "2147483647");
}

struct NumberRow {
    const char* name;
    const char* text;
    std::optional<double> value;
};

class ReadNumberRows : public ::testing::TestWithParam<NumberRow> {};

TEST_P(ReadNumberRows, TakesOnlyANumber) {
    const auto& r = GetParam();
    const auto got = readNumber(r.text);
    ASSERT_EQ(got.has_value(), r.value.has_value()) << '"' << r.text << '"';
    if (got) {
        if (std::isnan(*r.value))
            EXPECT_TRUE(std::isnan(*got));
        else
            EXPECT_EQ(*got, *r.value);
    }
}

const std::optional<double> kUnreadable;

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberRows,
    ::testing::Values(
        NumberRow{"Integer", "12", 12}, NumberRow{"Blanks", "  6.5 ", 6.5},
        NumberRow{"Plus", "+3", 3}, NumberRow{"Exponent", "-2e3", -2000},
        NumberRow{"LeadingPoint", ".5", 0.5}, NumberRow{"TrailingPoint", "5.", 5},
        NumberRow{"InfinityText", "Infinity", std::numeric_limits<double>::infinity()},
        NumberRow{"MinusInfinityText", "-Infinity", -std::numeric_limits<double>::infinity()},
        NumberRow{"NotANumberText", "NaN", std::numeric_limits<double>::quiet_NaN()},
        NumberRow{"Empty", "", kUnreadable}, NumberRow{"OnlyBlanks", "   ", kUnreadable},
        NumberRow{"Word", "abc", kUnreadable}, NumberRow{"TrailingText", "12abc", kUnreadable},
        NumberRow{"TwoPoints", "1.2.3", kUnreadable}, NumberRow{"Comma", "1,5", kUnreadable},
        NumberRow{"Hex", "0x10", kUnreadable}, NumberRow{"BareExponent", "e5", kUnreadable},
        NumberRow{"OpenExponent", "1e", kUnreadable}, NumberRow{"Point", ".", kUnreadable},
        NumberRow{"Sign", "-", kUnreadable}, NumberRow{"InnerBlank", "1 2", kUnreadable}),
    [](const auto& p) { return std::string(p.param.name); });

struct IntegerRow {
    const char* name;
    const char* text;
    std::optional<int> value;
};

class ReadIntegerRows : public ::testing::TestWithParam<IntegerRow> {};

TEST_P(ReadIntegerRows, TakesOnlyAnInteger) {
    EXPECT_EQ(readInteger(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadIntegerRows,
    ::testing::Values(IntegerRow{"Plain", "12", 12}, IntegerRow{"Negative", "-12", -12},
                      IntegerRow{"Plus", "+7", 7}, IntegerRow{"Blanks", " 3 ", 3},
                      IntegerRow{"Highest", "2147483647", 2147483647},
                      IntegerRow{"Lowest", "-2147483648", -2147483647 - 1},
                      IntegerRow{"TooHigh", "2147483648", std::nullopt},
                      IntegerRow{"FarTooHigh", "99999999999999999999", std::nullopt},
                      IntegerRow{"Fraction", "3.5", std::nullopt},
                      IntegerRow{"Exponent", "1e3", std::nullopt},
                      IntegerRow{"Empty", "", std::nullopt},
                      IntegerRow{"Word", "five", std::nullopt},
                      IntegerRow{"DoubleSign", "--3", std::nullopt}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(FieldText, EveryShownNumberReadsBackToTheSameText) {
    for (const double v : {0.0, 6.5, -1.0 / 3, 1e-300, 4.9e-324, 1e300, 1e100, 193.328015294283,
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()}) {
        const std::string shown = fieldText(v);
        const auto back = readNumber(shown);
        ASSERT_TRUE(back) << shown;
        EXPECT_EQ(fieldText(*back), shown);
    }
}

TEST(RangePrompt, NamesBothBounds) {
    EXPECT_EQ(rangePrompt(0, 100), "Please enter a number between 0 and 100.");
}

// --- the loan dialog over memory controls -------------------------------------------------

using L = LoanPaymentDialog;

struct LoanFixture : ::testing::Test {
    MemoryControls controls;
    L dialog{controls};

    void open() {
        dialog.presetRadios();
        dialog.onInitDialog();
    }
};

TEST_F(LoanFixture, InitialisationShowsEveryMember) {
    dialog.m_loanAmount = 2500;
    open();
    EXPECT_EQ(controls.text(L::kAmountId), "2500");
    EXPECT_EQ(controls.text(L::kPaymentId), "0");
    EXPECT_EQ(controls.text(L::kPeriodId), "0");
    EXPECT_EQ(controls.radio(L::kMonthsRadioId), 1);
    EXPECT_EQ(controls.radio(L::kMonthlyRadioId), 0);
}

TEST_F(LoanFixture, UnreadableFieldInTheMiddleStopsTheRead) {
    open();
    dialog.m_annualRate = 4;
    controls.setText(L::kAmountId, "5000");
    controls.setText(L::kPaymentId, "12");
    controls.setText(L::kPeriodId, "five");
    controls.setText(L::kRateId, "7");
    controls.setRadio(L::kMonthsRadioId, 0);
    EXPECT_FALSE(dialog.updateData(true));
    EXPECT_EQ(dialog.m_loanAmount, 5000);    // before: taken
    EXPECT_EQ(dialog.m_paymentAmount, 12);
    EXPECT_EQ(dialog.m_periodLength, 0);     // the field itself: kept
    EXPECT_EQ(dialog.m_annualRate, 4);       // after: kept
    EXPECT_EQ(dialog.m_periodUnit, 1);
    ASSERT_EQ(controls.prompts.size(), 1u);
    EXPECT_EQ(controls.prompts[0].first, L::kPeriodId);
    EXPECT_EQ(controls.prompts[0].second, kIntegerPrompt);
    EXPECT_EQ(controls.focusedField, L::kPeriodId);
}

TEST_F(LoanFixture, EmptyNumberFieldIsUnreadable) {
    open();
    controls.setText(L::kPaymentId, "");
    EXPECT_FALSE(dialog.onOk());
    ASSERT_EQ(controls.prompts.size(), 1u);
    EXPECT_EQ(controls.prompts[0], std::make_pair(L::kPaymentId, std::string(kNumberPrompt)));
}

TEST_F(LoanFixture, CalculateComputesDespiteABadFieldAndRewritesIt) {
    open();
    controls.setText(L::kAmountId, "10000");
    controls.setText(L::kRateId, "6.50");
    controls.setText(L::kPeriodId, "5");
    dialog.onCalculate();
    EXPECT_EQ(controls.text(L::kRateId), "6.5");
    EXPECT_EQ(controls.dialogFocuses, 1);
    const std::string payment = controls.text(L::kPaymentId);

    controls.setText(L::kRateId, "six");
    dialog.onCalculate();
    EXPECT_EQ(controls.text(L::kRateId), "6.5");  // the bad text is replaced
    EXPECT_EQ(controls.text(L::kPaymentId), payment);
}

TEST_F(LoanFixture, ResetPutsBackTheRadioChoicesOfTheLastCalculate) {
    open();
    controls.setText(L::kAmountId, "10000");
    controls.setText(L::kRateId, "6");
    controls.setText(L::kPeriodId, "12");
    controls.setRadio(L::kMonthsRadioId, 0);
    controls.setRadio(L::kMonthlyRadioId, 1);
    dialog.onCalculate();
    EXPECT_EQ(controls.text(L::kPaymentId), "428.792093481327");
    controls.setRadio(L::kMonthsRadioId, 1);  // changed on screen, not read yet
    controls.setRadio(L::kMonthlyRadioId, 0);
    controls.setText(L::kAmountId, "777");
    dialog.onReset();
    EXPECT_EQ(controls.radio(L::kMonthsRadioId), 0);
    EXPECT_EQ(controls.radio(L::kMonthlyRadioId), 1);
    for (const int id : {L::kAmountId, L::kPaymentId, L::kPeriodId, L::kRateId, L::kRepaidId,
                         L::kInterestId})
        EXPECT_EQ(controls.text(id), "0") << id;
}

TEST_F(LoanFixture, NonFiniteResultsAreShownAndReadBack) {
    open();
    controls.setText(L::kAmountId, "10000");
    controls.setText(L::kRateId, "6");
    controls.setText(L::kPeriodId, "0");
    dialog.onCalculate();
    EXPECT_EQ(controls.text(L::kPaymentId), "Infinity");
    EXPECT_EQ(controls.text(L::kRepaidId), "NaN");
    EXPECT_TRUE(dialog.onOk());  // OK can still close
    EXPECT_TRUE(std::isnan(dialog.m_repaidTotal));
}

// --- simple interest: the rate range -------------------------------------------------------

using S = SimpleInterestDialog;

struct RateRow {
    const char* name;
    const char* rate;
    bool accepted;
};

class SimpleInterestRates : public ::testing::TestWithParam<RateRow> {};

TEST_P(SimpleInterestRates, RangeCheckOnRead) {
    MemoryControls controls;
    S dialog(controls);
    dialog.onInitDialog();
    controls.setText(S::kPrincipalId, "1200");
    controls.setText(S::kMonthsId, "12");
    controls.setText(S::kRateId, GetParam().rate);
    dialog.onCalculate();
    // Calculate goes on with the rate either way.
    EXPECT_DOUBLE_EQ(dialog.m_interest, 1200 * readNumber(GetParam().rate).value() / 100);
    EXPECT_EQ(controls.dialogFocuses, 1);
    controls.prompts.clear();
    EXPECT_EQ(dialog.onOk(), GetParam().accepted);
    if (!GetParam().accepted) {
        ASSERT_EQ(controls.prompts.size(), 1u);
        EXPECT_EQ(controls.prompts[0].first, S::kRateId);
        EXPECT_EQ(controls.prompts[0].second, "Please enter a number between 0 and 100.");
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, SimpleInterestRates,
                         ::testing::Values(RateRow{"Zero", "0", true},
                                           RateRow{"Hundred", "100", true},
                                           RateRow{"JustAbove", "100.01", false},
                                           RateRow{"Negative", "-1", false}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(SimpleInterestDialog, ResetClearsEveryField) {
    MemoryControls controls;
    S dialog(controls);
    dialog.m_principal = 5;
    dialog.m_interest = 6;
    dialog.m_months = 7;
    dialog.m_annualRate = 8;
    dialog.onReset();
    for (const int id : {S::kPrincipalId, S::kInterestId, S::kMonthsId, S::kRateId})
        EXPECT_EQ(controls.text(id), "0");
}

// --- fixed savings and annuity ------------------------------------------------------------

TEST(FixedSavingsDialog, CalculateKeepsFocusAndResetUndoesAnUnreadRadio) {
    using F = FixedSavingsDialog;
    MemoryControls controls;
    F dialog(controls);
    dialog.presetRadios();
    dialog.onInitDialog();
    controls.setText(F::kCurrentId, "1000");
    controls.setText(F::kRateId, "6");
    controls.setText(F::kPeriodId, "10");
    dialog.onCalculate();
    EXPECT_EQ(controls.text(F::kFutureId), "1790.84769654285");
    EXPECT_EQ(controls.dialogFocuses, 0);
    controls.setRadio(F::kMonthsRadioId, 0);
    dialog.onReset();
    EXPECT_EQ(controls.radio(F::kMonthsRadioId), 1);
    EXPECT_EQ(controls.dialogFocuses, 1);
    EXPECT_EQ(controls.text(F::kCurrentId), "0");
}

TEST(AnnuitySavingsDialog, ExchangeOrderStopsBeforeTheOpeningBalance) {
    using A = AnnuitySavingsDialog;
    MemoryControls controls;
    A dialog(controls);
    dialog.presetValue(2500);
    dialog.presetRadios();
    dialog.onInitDialog();
    EXPECT_EQ(controls.text(A::kOpeningId), "2500");
    controls.setText(A::kRateId, "6");
    controls.setText(A::kFutureId, "?");
    controls.setText(A::kOpeningId, "1000");
    dialog.onCalculate();
    // The opening balance comes after the bad future value and keeps 2500.
    EXPECT_EQ(dialog.m_openingBalance, 2500);
    EXPECT_EQ(dialog.m_annualRate, 6);
    EXPECT_EQ(controls.text(A::kOpeningId), "2500");
}

// --- scientific ---------------------------------------------------------------------------

TEST(ScientificDialog, ClearxKeepsTheRadiosOnScreenAndInv) {
    using Z = ScientificDialog;
    MemoryControls controls;
    Z dialog(controls);
    dialog.presetRadios();
    dialog.onInitDialog();
    EXPECT_FALSE(dialog.m_inverse);
    dialog.onInverse();
    controls.setText(Z::kInputId, "100");
    dialog.onFunction(ScientificButton::Log);
    EXPECT_EQ(controls.text(Z::kResultId), "1e+100");
    EXPECT_EQ(controls.dialogFocuses, 0);
    controls.setRadio(Z::kAngleRadioId, 1);
    controls.setRadio(Z::kDegreesRadioId, 1);
    dialog.onClear();
    EXPECT_EQ(controls.radio(Z::kAngleRadioId), 1);
    EXPECT_EQ(controls.radio(Z::kDegreesRadioId), 1);
    EXPECT_EQ(controls.text(Z::kInputId), "0");
    EXPECT_EQ(controls.text(Z::kResultId), "0");
    EXPECT_EQ(controls.text(Z::kExponentId), "0");
    EXPECT_TRUE(dialog.m_inverse);
    EXPECT_EQ(controls.dialogFocuses, 1);
    dialog.onInverse();
    EXPECT_FALSE(dialog.m_inverse);
}

TEST(ScientificDialog, FunctionReadsTheRadiosFirst) {
    using Z = ScientificDialog;
    MemoryControls controls;
    Z dialog(controls);
    dialog.presetRadios();
    dialog.onInitDialog();
    controls.setText(Z::kInputId, "0.5");
    controls.setRadio(Z::kAngleRadioId, 1);
    dialog.onFunction(ScientificButton::Sin);
    EXPECT_EQ(controls.text(Z::kResultId), "30");
}

}  // namespace
}  // namespace zovrek::dialogs
