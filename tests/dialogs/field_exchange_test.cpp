// Reading and showing dialog fields, and the dialogs' buttons over their controls.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "dialogs/field_exchange.h"
#include "dialogs/loan_payment.h"
#include "dialogs/scientific.h"
#include "dialogs/simple_interest.h"

namespace zovrek::dialogs {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const auto byName = [](const auto& p) { return std::string(p.param.name); };

struct ShowRow {
    const char* name;
    double value;
    const char* text;
};

class FieldTextRows : public ::testing::TestWithParam<ShowRow> {};

TEST_P(FieldTextRows, ShowsAsPercentFifteenG) {
    EXPECT_EQ(fieldText(GetParam().value), GetParam().text);
    // Whatever a field shows reads back to the same text, so OK can always close.
    const auto back = readNumber(GetParam().text);
    ASSERT_TRUE(back);
    EXPECT_EQ(fieldText(*back), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FieldTextRows,
    ::testing::Values(ShowRow{"Zero", 0, "0"}, ShowRow{"TrailingZerosDropped", 6.50, "6.5"},
                      ShowRow{"FifteenDigits", 1.0 / 3, "0.333333333333333"},
                      ShowRow{"BinaryNoiseRounded", 0.1 + 0.2, "0.3"},
                      ShowRow{"SixteenDigitsGoExponent", 1234567890123456.0,
                              "1.23456789012346e+15"},
                      ShowRow{"Small", 0.00001, "1e-05"},
                      ShowRow{"Infinity", kInf, "Infinity"},
                      ShowRow{"MinusInfinity", -kInf, "-Infinity"},
                      ShowRow{"NotANumber", std::numeric_limits<double>::quiet_NaN(), "NaN"}),
    byName);

struct ReadRow {
    const char* name;
    const char* text;
    std::optional<double> number;
    std::optional<int> integer;
};

class ReadRows : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ReadRows, TakesOnlyWhatTheFieldIsFor) {
    const auto& r = GetParam();
    EXPECT_EQ(readNumber(r.text), r.number) << '"' << r.text << '"';
    EXPECT_EQ(readInteger(r.text), r.integer) << '"' << r.text << '"';
}

const std::nullopt_t kNo = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadRows,
    ::testing::Values(ReadRow{"Integer", " -12 ", -12, -12}, ReadRow{"Plus", "+7", 7, 7},
                      ReadRow{"Fraction", "6.50", 6.5, kNo}, ReadRow{"Exponent", "1e3", 1000, kNo},
                      ReadRow{"LeadingPoint", ".5", 0.5, kNo},
                      ReadRow{"HighestInteger", "2147483647", 2147483647, 2147483647},
                      ReadRow{"TooHighForInteger", "2147483648", 2147483648.0, kNo},
                      ReadRow{"Empty", "", kNo, kNo}, ReadRow{"Blanks", "  ", kNo, kNo},
                      ReadRow{"TrailingText", "12abc", kNo, kNo},
                      ReadRow{"TwoPoints", "1.2.3", kNo, kNo}, ReadRow{"Comma", "1,5", kNo, kNo},
                      ReadRow{"Hex", "0x10", kNo, kNo}, ReadRow{"OpenExponent", "1e", kNo, kNo},
                      ReadRow{"LonePoint", ".", kNo, kNo}, ReadRow{"LoneSign", "-", kNo, kNo}),
    byName);

// --- the loan dialog over memory controls -------------------------------------------------

using L = LoanPaymentDialog;

struct LoanFixture : ::testing::Test {
    MemoryControls controls;
    L dialog{controls};

    void SetUp() override {
        dialog.presetRadios();
        dialog.onInitDialog();
    }
};

TEST_F(LoanFixture, UnreadableFieldInTheMiddleStopsTheRead) {
    dialog.m_annualRate = 4;
    controls.setText(L::kAmountId, "5000");
    controls.setText(L::kPaymentId, "12");
    controls.setText(L::kPeriodId, "five");
    controls.setText(L::kRateId, "7");
    controls.setRadio(L::kMonthsRadioId, 0);
    EXPECT_FALSE(dialog.onOk());
    EXPECT_EQ(dialog.m_loanAmount, 5000);  // before it: taken
    EXPECT_EQ(dialog.m_paymentAmount, 12);
    EXPECT_EQ(dialog.m_periodLength, 0);   // the field itself: kept
    EXPECT_EQ(dialog.m_annualRate, 4);     // after it: kept
    EXPECT_EQ(dialog.m_periodUnit, 1);
    ASSERT_EQ(controls.prompts.size(), 1u);
    EXPECT_EQ(controls.prompts[0], std::make_pair(L::kPeriodId, std::string(kIntegerPrompt)));
    EXPECT_EQ(controls.focusedField, L::kPeriodId);
}

TEST_F(LoanFixture, EmptyNumberFieldIsUnreadable) {
    controls.setText(L::kPaymentId, "");
    EXPECT_FALSE(dialog.onOk());
    ASSERT_EQ(controls.prompts.size(), 1u);
    EXPECT_EQ(controls.prompts[0], std::make_pair(L::kPaymentId, std::string(kNumberPrompt)));
}

TEST_F(LoanFixture, CalculateGoesOnDespiteABadFieldAndRewritesIt) {
    controls.setText(L::kAmountId, "10000");
    controls.setText(L::kRateId, "6.50");
    controls.setText(L::kPeriodId, "5");
    dialog.onCalculate();
    EXPECT_EQ(controls.text(L::kRateId), "6.5");
    const std::string payment = controls.text(L::kPaymentId);
    controls.setText(L::kRateId, "six");
    dialog.onCalculate();
    EXPECT_EQ(controls.text(L::kRateId), "6.5");  // the bad text is replaced
    EXPECT_EQ(controls.text(L::kPaymentId), payment);
    EXPECT_EQ(controls.dialogFocuses, 2);
}

TEST_F(LoanFixture, ResetPutsBackTheRadioChoicesOfTheLastCalculate) {
    controls.setText(L::kAmountId, "10000");
    controls.setText(L::kRateId, "6");
    controls.setText(L::kPeriodId, "12");
    controls.setRadio(L::kMonthsRadioId, 0);
    controls.setRadio(L::kMonthlyRadioId, 1);
    dialog.onCalculate();
    EXPECT_EQ(controls.text(L::kPaymentId), "428.792093481327");
    controls.setRadio(L::kMonthsRadioId, 1);  // changed on screen, not read yet
    controls.setRadio(L::kMonthlyRadioId, 0);
    dialog.onReset();
    EXPECT_EQ(controls.radio(L::kMonthsRadioId), 0);
    EXPECT_EQ(controls.radio(L::kMonthlyRadioId), 1);
    for (const int id : {L::kAmountId, L::kPaymentId, L::kPeriodId, L::kRateId, L::kRepaidId,
                         L::kInterestId})
        EXPECT_EQ(controls.text(id), "0") << id;
}

TEST_F(LoanFixture, NonFiniteResultsAreShownAndOkStillCloses) {
    controls.setText(L::kAmountId, "10000");
    controls.setText(L::kRateId, "6");
    controls.setText(L::kPeriodId, "0");
    dialog.onCalculate();
    EXPECT_EQ(controls.text(L::kPaymentId), "Infinity");
    EXPECT_EQ(controls.text(L::kRepaidId), "NaN");
    EXPECT_TRUE(dialog.onOk());
    EXPECT_TRUE(std::isnan(dialog.m_repaidTotal));
}

// --- the other dialogs' own rules ---------------------------------------------------------

struct RateRow {
    const char* name;
    const char* rate;
    bool accepted;
};

class SimpleInterestRates : public ::testing::TestWithParam<RateRow> {};

TEST_P(SimpleInterestRates, CalculateUsesTheRateOkChecksTheRange) {
    using S = SimpleInterestDialog;
    MemoryControls controls;
    S dialog(controls);
    dialog.onInitDialog();
    controls.setText(S::kPrincipalId, "1200");
    controls.setText(S::kMonthsId, "12");
    controls.setText(S::kRateId, GetParam().rate);
    dialog.onCalculate();
    EXPECT_DOUBLE_EQ(dialog.m_interest, 12 * readNumber(GetParam().rate).value());
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
                         byName);

TEST(ScientificDialog, ClearxKeepsTheRadiosOnScreenAndInv) {
    using Z = ScientificDialog;
    MemoryControls controls;
    Z dialog(controls);
    dialog.presetRadios();
    dialog.onInitDialog();
    dialog.onInverse();
    controls.setText(Z::kInputId, "100");
    dialog.onFunction(ScientificButton::Log);
    EXPECT_EQ(controls.text(Z::kResultId), "1e+100");
    controls.setRadio(Z::kAngleRadioId, 1);
    controls.setRadio(Z::kDegreesRadioId, 1);
    dialog.onClear();
    EXPECT_EQ(controls.radio(Z::kAngleRadioId), 1);
    EXPECT_EQ(controls.radio(Z::kDegreesRadioId), 1);
    for (const int id : {Z::kInputId, Z::kResultId, Z::kExponentId})
        EXPECT_EQ(controls.text(id), "0");
    EXPECT_TRUE(dialog.m_inverse);
    EXPECT_EQ(controls.dialogFocuses, 1);
}

}  // namespace
}  // namespace zovrek::dialogs
