// The calculators' formulas against the worked figures.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
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
const auto byName = [](const auto& p) { return std::string(p.param.name); };

TEST(SimpleInterest, WorkedFigures) {
    EXPECT_EQ(simpleInterest(1000, 6, 12), 60);
    EXPECT_EQ(simpleInterest(2500, 5, 18), 187.5);
    EXPECT_EQ(fieldText(simpleInterest(1000, 6, -12)), "-60");
}

struct SavingsRow {
    const char* name;
    double savings, rate;
    int period, unit;
    double fixed;    ///< fixed savings
    double payment;  ///< annuity: monthly payment
    double annuity;  ///< annuity future value, NAN when not given
};

class SavingsRows : public ::testing::TestWithParam<SavingsRow> {};

TEST_P(SavingsRows, FutureAmounts) {
    const auto& r = GetParam();
    if (!std::isnan(r.fixed)) {
        EXPECT_NEAR(fixedSavings(r.savings, r.rate, r.period, r.unit), r.fixed, kFourPlaces);
    }
    if (!std::isnan(r.annuity)) {
        EXPECT_NEAR(annuitySavings(r.savings, r.payment, r.rate, r.period, r.unit).futureValue,
                    r.annuity, kFourPlaces);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Figures, SavingsRows,
    ::testing::Values(
        SavingsRow{"TwelveMonths", 1000, 6, 12, kMonths, 1060, 100, 2295.2340},
        SavingsRow{"OneYear", 1000, 6, 1, kYears, 1060, 100, 2295.2340},
        SavingsRow{"TenYears", 1000, 6, 10, kYears, 1790.8477, 0, NAN},
        SavingsRow{"HundredTwentyMonths", 1000, 6, 120, kMonths, 1600, 0, NAN},
        SavingsRow{"ZeroPeriod", 1234.5, 6, 0, kYears, 1234.5, 0, NAN},
        SavingsRow{"AnnuityPaymentsOnly", 0, 6, 10, kYears, NAN, 100, 16387.9347},
        SavingsRow{"AnnuityBalanceOnly", 1000, 6, 1, kYears, NAN, 0, 1061.6778},
        // Without interest the payments add up instead of giving 0 / 0.
        SavingsRow{"AnnuityZeroRate", 1000, 0, 1, kYears, NAN, 100, 2200}),
    byName);

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
        ScheduleRow{"LowestYearsMonthly", INT_MIN, kYears, kMonthly, 12, 12.0 * INT_MIN}),
    byName);

struct LoanRow {
    const char* name;
    double amount, rate;
    int period, unit, schedule;
    double payment, repaid;
};

class LoanRows : public ::testing::TestWithParam<LoanRow> {};

TEST_P(LoanRows, PaymentAndRepaidTotal) {
    const auto& r = GetParam();
    const LoanResult result = loanPayment(r.amount, r.rate, r.period, r.unit, r.schedule);
    EXPECT_NEAR(result.payment, r.payment, kFourPlaces);
    EXPECT_NEAR(result.repaidTotal, r.repaid, kFourPlaces);
    EXPECT_EQ(result.totalInterest, result.repaidTotal - r.amount);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, LoanRows,
    ::testing::Values(
        LoanRow{"FiveYearsMonthly", 10000, 6, 5, kYears, kMonthly, 193.3280, 11599.6809},
        LoanRow{"SixtyMonthsMonthly", 10000, 6, 60, kMonths, kMonthly, 193.3280, 11599.6809},
        LoanRow{"FiveYearsBiWeekly", 10000, 6, 5, kYears, kBiWeekly, 89.1257, 11586.3358},
        LoanRow{"TwelveMonthsBiWeekly", 10000, 6, 12, kMonths, kBiWeekly, 428.7921,
                24 * 428.792093481327},
        // Without interest the amount is divided into equal parts, interest exactly 0.
        LoanRow{"ZeroRate", 1000, 0, 7, kMonths, kMonthly, 1000.0 / 7, 1000},
        // A huge period pays the interest only, and stays finite.
        LoanRow{"HugePeriod", 10000, 6, INT_MAX, kYears, kBiWeekly, 6.0 / 100 / 26 * 10000,
                26.0 * INT_MAX * (6.0 / 100 / 26 * 10000)}),
    byName);

TEST(LoanPayment, ZeroPeriodGivesAnInfinitePaymentAndNoRepaidTotal) {
    const LoanResult r = loanPayment(10000, 6, 0, kYears, kMonthly);
    EXPECT_TRUE(std::isinf(r.payment));
    EXPECT_TRUE(std::isnan(r.repaidTotal));  // 0 × ∞: nothing is handed back
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
                      ScienceRow{"TanNinetyDegreesFinite", B::Tan, 90, 0, 0, 0, false,
                                 "1.63312393531954e+16"},
                      ScienceRow{"LogHundred", B::Log, 100, 0, 0, 0, false, "2"},
                      ScienceRow{"TenToTheHundred", B::Log, 100, 0, 0, 0, true, "1e+100"},
                      ScienceRow{"EToTheOne", B::Ln, 1, 0, 0, 0, true, "2.71828182845905"},
                      ScienceRow{"TwoToTheTen", B::Power, 2, 10, 0, 0, false, "1024"},
                      ScienceRow{"PowerIgnoresInv", B::Power, 2, 10, 0, 0, true, "1024"},
                      ScienceRow{"LogOfNegative", B::Log, -1, 0, 0, 0, false, "NaN"},
                      ScienceRow{"LnOfZero", B::Ln, 0, 0, 0, 0, false, "-Infinity"},
                      ScienceRow{"ArcSinBeyondOne", B::Sin, 2, 0, 1, 0, false, "NaN"}),
    byName);

}  // namespace
}  // namespace zovrek::dialogs
