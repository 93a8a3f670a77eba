// The calculators' formulas against the worked figures.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>
#include <string>

#include "dialogs/annuity_savings.h"
#include "dialogs/field_exchange.h"
#include "dialogs/fixed_savings.h"
#include "dialogs/loan_payment.h"
#include "dialogs/scientific.h"
#include "dialogs/simple_interest.h"

namespace zovrek::dialogs {
namespace {

constexpr double kFourPlaces = 0.00005;
constexpr int kMonths = 0, kYears = 1, kMonthly = 0, kBiWeekly = 1;

TEST(SimpleInterest, WorkedFigures) {
    EXPECT_EQ(simpleInterest(1000, 6, 12), 60);
    EXPECT_EQ(simpleInterest(2500, 5, 18), 187.5);
    EXPECT_EQ(fieldText(simpleInterest(1000, 6, -12)), "-60");
    EXPECT_EQ(simpleInterest(1000, 100, 12), 1000);
}

struct SavingsRow {
    const char* name;
    double savings, rate;
    int period, unit;
    double future;
};

class FixedSavingsRows : public ::testing::TestWithParam<SavingsRow> {};

TEST_P(FixedSavingsRows, FutureAmount) {
    const auto& r = GetParam();
    EXPECT_NEAR(fixedSavings(r.savings, r.rate, r.period, r.unit), r.future, kFourPlaces);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, FixedSavingsRows,
    ::testing::Values(SavingsRow{"TwelveMonthsSimple", 1000, 6, 12, kMonths, 1060},
                      SavingsRow{"OneYear", 1000, 6, 1, kYears, 1060},
                      SavingsRow{"TenYearsCompounded", 1000, 6, 10, kYears, 1790.8477},
                      SavingsRow{"HundredTwentyMonthsSimple", 1000, 6, 120, kMonths, 1600},
                      SavingsRow{"ZeroMonths", 1234.5, 6, 0, kMonths, 1234.5},
                      SavingsRow{"ZeroYears", 1234.5, 6, 0, kYears, 1234.5}),
    [](const auto& p) { return std::string(p.param.name); });

struct AnnuityRow {
    const char* name;
    double balance, payment, rate;
    int period, unit;
    double future;
};

class AnnuityRows : public ::testing::TestWithParam<AnnuityRow> {};

TEST_P(AnnuityRows, FutureValue) {
    const auto& r = GetParam();
    EXPECT_NEAR(annuitySavings(r.balance, r.payment, r.rate, r.period, r.unit).futureValue,
                r.future, kFourPlaces);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, AnnuityRows,
    ::testing::Values(AnnuityRow{"OneYear", 1000, 100, 6, 1, kYears, 2295.2340},
                      AnnuityRow{"TwelveMonths", 1000, 100, 6, 12, kMonths, 2295.2340},
                      AnnuityRow{"PaymentsOnly", 0, 100, 6, 10, kYears, 16387.9347},
                      AnnuityRow{"BalanceOnly", 1000, 0, 6, 1, kYears, 1061.6778},
                      // Without interest the payments add up instead of giving 0 / 0.
                      AnnuityRow{"ZeroRate", 1000, 100, 0, 1, kYears, 2200},
                      AnnuityRow{"ZeroRateMonths", 500, 25, 0, 7, kMonths, 675}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(AnnuitySavings, GrownBalanceIsTheCompoundedOpeningBalance) {
    const auto r = annuitySavings(1000, 100, 6, 1, kYears);
    EXPECT_NEAR(r.grownBalance, 1061.6778, kFourPlaces);
}

TEST(AnnuitySavings, HugePeriodCountsTwelveMonthsAYearWithoutWrapping) {
    EXPECT_EQ(annuityPaymentCount(INT_MAX, kYears), 12.0 * INT_MAX);
    EXPECT_EQ(annuityPaymentCount(INT_MIN, kYears), 12.0 * INT_MIN);
    EXPECT_EQ(annuityPaymentCount(INT_MAX, kMonths), 1.0 * INT_MAX);
    // Without interest the huge count is used as it is.
    EXPECT_EQ(annuitySavings(0, 1, 0, INT_MAX, kYears).futureValue, 12.0 * INT_MAX);
}

struct ScheduleRow {
    const char* name;
    int period, unit, schedule;
    int periodsPerYear;
    double count;
};

class LoanScheduleRows : public ::testing::TestWithParam<ScheduleRow> {};

TEST_P(LoanScheduleRows, PeriodsAndCount) {
    const auto& r = GetParam();
    const LoanSchedule s = loanSchedule(r.period, r.unit, r.schedule);
    EXPECT_EQ(s.periodsPerYear, r.periodsPerYear);
    EXPECT_EQ(s.count, r.count);
    EXPECT_EQ(s.negatedCount, -r.count);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoanScheduleRows,
    ::testing::Values(
        ScheduleRow{"MonthsMonthly", 5, kMonths, kMonthly, 12, 5},
        ScheduleRow{"MonthsBiWeekly", 5, kMonths, kBiWeekly, 26, 10},
        ScheduleRow{"YearsMonthly", 5, kYears, kMonthly, 12, 60},
        ScheduleRow{"YearsBiWeekly", 5, kYears, kBiWeekly, 26, 130},
        // 32-bit products would wrap here; the counts stay exact.
        ScheduleRow{"HugeYearsBiWeekly", INT_MAX, kYears, kBiWeekly, 26, 26.0 * INT_MAX},
        ScheduleRow{"LowestYearsMonthly", INT_MIN, kYears, kMonthly, 12, 12.0 * INT_MIN},
        ScheduleRow{"LowestMonthsMonthly", INT_MIN, kMonths, kMonthly, 12, 1.0 * INT_MIN}),
    [](const auto& p) { return std::string(p.param.name); });

struct LoanRow {
    const char* name;
    double amount, rate;
    int period, unit, schedule;
    double payment, repaid, interest;
};

class LoanRows : public ::testing::TestWithParam<LoanRow> {};

TEST_P(LoanRows, PaymentRepaidAndInterest) {
    const auto& r = GetParam();
    const LoanResult result = loanPayment(r.amount, r.rate, r.period, r.unit, r.schedule);
    EXPECT_NEAR(result.payment, r.payment, kFourPlaces);
    if (!std::isnan(r.repaid)) {
        EXPECT_NEAR(result.repaidTotal, r.repaid, kFourPlaces);
    }
    if (!std::isnan(r.interest)) {
        EXPECT_NEAR(result.totalInterest, r.interest, kFourPlaces);
    }
}

constexpr double kUnknown = NAN;

INSTANTIATE_TEST_SUITE_P(
    Figures, LoanRows,
    ::testing::Values(
        LoanRow{"FiveYearsMonthly", 10000, 6, 5, kYears, kMonthly, 193.3280, 11599.6809,
                1599.6809},
        LoanRow{"SixtyMonthsMonthly", 10000, 6, 60, kMonths, kMonthly, 193.3280, 11599.6809,
                1599.6809},
        LoanRow{"FiveYearsBiWeekly", 10000, 6, 5, kYears, kBiWeekly, 89.1257, 11586.3358,
                kUnknown},
        LoanRow{"TwelveMonthsBiWeekly", 10000, 6, 12, kMonths, kBiWeekly, 428.7921, kUnknown,
                kUnknown},
        // Without interest the amount is divided into equal parts.
        LoanRow{"ZeroRate", 10000, 0, 5, kYears, kMonthly, 10000.0 / 60, 10000, 0},
        LoanRow{"ZeroRateBiWeekly", 2600, 0, 1, kYears, kBiWeekly, 100, 2600, 0}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(LoanPayment, ZeroRateAddsNoInterestToTheLastDigit) {
    const LoanResult r = loanPayment(1000, 0, 7, kMonths, kMonthly);
    EXPECT_EQ(r.repaidTotal, 1000);
    EXPECT_EQ(r.totalInterest, 0);
}

TEST(LoanPayment, ZeroPeriodGivesAnInfinitePaymentAndNoRepaidTotal) {
    const LoanResult r = loanPayment(10000, 6, 0, kYears, kMonthly);
    EXPECT_TRUE(std::isinf(r.payment));
    EXPECT_TRUE(std::isnan(r.repaidTotal));  // 0 × ∞: nothing is handed back
}

TEST(LoanPayment, HugePeriodPaysTheInterestOnly) {
    const LoanResult r = loanPayment(10000, 6, INT_MAX, kYears, kBiWeekly);
    EXPECT_NEAR(r.payment, 6.0 / 100 / 26 * 10000, 1e-9);
    EXPECT_TRUE(std::isfinite(r.repaidTotal));
    EXPECT_GT(r.repaidTotal, 0);
}

struct ScienceRow {
    const char* name;
    ScientificButton button;
    double x, y;
    int angleMode, angleUnit;
    bool inverse;
    const char* z;  ///< as the result field shows it
};

class ScienceRows : public ::testing::TestWithParam<ScienceRow> {};

TEST_P(ScienceRows, ResultField) {
    const auto& r = GetParam();
    EXPECT_EQ(fieldText(scientificResult(r.button, r.x, r.y, r.angleMode, r.angleUnit, r.inverse)),
              r.z);
}

using B = ScientificButton;
INSTANTIATE_TEST_SUITE_P(
    Figures, ScienceRows,
    ::testing::Values(ScienceRow{"SinThirtyDegrees", B::Sin, 30, 0, 0, 0, false, "0.5"},
                      ScienceRow{"ArcSinHalfDegrees", B::Sin, 0.5, 0, 1, 0, false, "30"},
                      ScienceRow{"CosSixtyDegrees", B::Cos, 60, 0, 0, 0, false, "0.5"},
                      ScienceRow{"TanFortyFiveDegrees", B::Tan, 45, 0, 0, 0, false, "1"},
                      ScienceRow{"SinOneRadian", B::Sin, 1, 0, 0, 1, false, "0.841470984807897"},
                      ScienceRow{"OtherUnitIsRadians", B::Sin, 1, 0, 0, 7, false,
                                 "0.841470984807897"},
                      ScienceRow{"ArcTanOneRadians", B::Tan, 1, 0, 1, 1, false,
                                 "0.785398163397448"},
                      ScienceRow{"LogHundred", B::Log, 100, 0, 0, 0, false, "2"},
                      ScienceRow{"TenToTheHundred", B::Log, 100, 0, 0, 0, true, "1e+100"},
                      ScienceRow{"EToTheOne", B::Ln, 1, 0, 0, 0, true, "2.71828182845905"},
                      ScienceRow{"LnOfE", B::Ln, kEulerNumber, 0, 0, 0, false, "1"},
                      ScienceRow{"TwoToTheTen", B::Power, 2, 10, 0, 0, false, "1024"},
                      ScienceRow{"PowerIgnoresInv", B::Power, 2, 10, 0, 0, true, "1024"},
                      ScienceRow{"LogOfNegative", B::Log, -1, 0, 0, 0, false, "NaN"},
                      ScienceRow{"LnOfZero", B::Ln, 0, 0, 0, 0, false, "-Infinity"},
                      ScienceRow{"ArcSinBeyondOne", B::Sin, 2, 0, 1, 0, false, "NaN"},
                      ScienceRow{"NegativeToFraction", B::Power, -8, 0.5, 0, 0, false, "NaN"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Scientific, TanNinetyDegreesIsLargeButFinite) {
    const double z = scientificResult(B::Tan, 90, 0, 0, 0, false);
    EXPECT_TRUE(std::isfinite(z));
    EXPECT_GT(z, 1e15);
}

TEST(Scientific, ConstantsAreTheNearestDoubles) {
    constexpr long double pi = std::numbers::pi_v<long double>;
    EXPECT_EQ(kDegreesToRadians, static_cast<double>(pi / 180));
    EXPECT_EQ(kRadiansToDegrees, static_cast<double>(180 / pi));
    EXPECT_EQ(kEulerNumber, std::numbers::e);
}

}  // namespace
}  // namespace zovrek::dialogs
