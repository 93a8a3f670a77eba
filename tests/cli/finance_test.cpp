// The calculator subcommands of zovrek-tape, in process.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "commands.h"

namespace zovrek::cli {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> words) {
    std::vector<char*> argv;
    std::string program = "zovrek-tape";
    argv.push_back(program.data());
    for (auto& w : words) argv.push_back(w.data());
    std::istringstream in;
    std::ostringstream out, err;
    const int status = cli::run(static_cast<int>(argv.size()), argv.data(), {in, out, err});
    return {status, out.str(), err.str()};
}

struct Row {
    const char* name;
    std::vector<std::string> words;
    const char* out;
};

class Results : public ::testing::TestWithParam<Row> {};

TEST_P(Results, PrintsTheResultFields) {
    const Outcome o = run(GetParam().words);
    EXPECT_EQ(o.status, kOk) << o.err;
    EXPECT_EQ(o.out, GetParam().out);
    EXPECT_EQ(o.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Figures, Results,
    ::testing::Values(
        Row{"Interest", {"interest", "1000", "6", "12"}, "interest 60\n"},
        Row{"InterestRateHundred", {"interest", "1000", "100", "1"}, "interest 83.3333333333333\n"},
        Row{"SavingsYears", {"savings", "1000", "6", "10", "years"}, "future 1790.84769654285\n"},
        Row{"SavingsMonths", {"savings", "1000", "6", "120", "months"}, "future 1600\n"},
        Row{"Annuity", {"annuity", "1000", "100", "6", "1", "years"}, "future 2295.23404915446\n"},
        Row{"AnnuityZeroRate", {"annuity", "1000", "100", "0", "1", "years"}, "future 2200\n"},
        Row{"Loan", {"loan", "10000", "6", "5", "years", "monthly"},
            "payment 193.328015294283\ninterest 1599.68091765697\nrepaid 11599.680917657\n"},
        Row{"LoanBiWeekly", {"loan", "10000", "6", "5", "years", "biweekly"},
            "payment 89.1256596211733\ninterest 1586.33575075253\nrepaid 11586.3357507525\n"},
        Row{"LoanZeroRate", {"loan", "10000", "0", "5", "years", "monthly"},
            "payment 166.666666666667\ninterest 0\nrepaid 10000\n"},
        Row{"LoanZeroPeriod", {"loan", "10000", "6", "0", "years", "monthly"},
            "payment Infinity\ninterest NaN\nrepaid NaN\n"},
        Row{"ArcSin", {"sci", "asin", "0.5"}, "z 30\n"},
        Row{"RadiansFirst", {"sci", "--radians", "acos", "1"}, "z 0\n"},
        Row{"Atan", {"sci", "atan", "1"}, "z 45\n"},
        Row{"Pow10", {"sci", "pow10", "100"}, "z 1e+100\n"},
        Row{"Exp", {"sci", "exp", "1"}, "z 2.71828182845905\n"},
        Row{"Pow", {"sci", "pow", "2", "10"}, "z 1024\n"},
        Row{"LogOfNegative", {"sci", "log", "-1"}, "z NaN\n"}),
    [](const auto& p) { return std::string(p.param.name); });

struct BadRow {
    const char* name;
    std::vector<std::string> words;
    const char* says;  ///< part of the message on stderr
};

class BadArguments : public ::testing::TestWithParam<BadRow> {};

TEST_P(BadArguments, UsageAndStatusTwo) {
    const Outcome o = run(GetParam().words);
    EXPECT_EQ(o.status, kUsage);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find(GetParam().says), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("usage: zovrek-tape"), std::string::npos) << o.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, BadArguments,
    ::testing::Values(
        BadRow{"TooFew", {"interest", "1000", "6"}, "3 arguments"},
        BadRow{"NotANumber", {"interest", "lots", "6", "12"}, "PRINCIPAL: Please enter a number."},
        BadRow{"EmptyNumber", {"interest", "1000", "", "12"}, "RATE: Please enter a number."},
        BadRow{"FractionalMonths", {"interest", "1000", "6", "1.5"},
               "MONTHS: Please enter an integer."},
        BadRow{"RateAboveHundred", {"interest", "1000", "100.01", "12"},
               "between 0 and 100"},
        BadRow{"PeriodType", {"savings", "1000", "6", "10", "decades"}, "months or years"},
        BadRow{"AnnuityPayment", {"annuity", "1000", "1e", "6", "1", "years"},
               "PAYMENT: Please enter a number."},
        BadRow{"HugePeriod", {"loan", "1", "6", "2147483648", "years", "monthly"},
               "PERIOD: Please enter an integer."},
        BadRow{"Schedule", {"loan", "1", "6", "5", "years", "weekly"}, "monthly or biweekly"},
        BadRow{"UnknownFunction", {"sci", "sinh", "1"}, "unknown function"},
        BadRow{"ExtraY", {"sci", "sin", "1", "2"}, "sin needs X only"},
        BadRow{"PowWithoutY", {"sci", "pow", "2"}, "pow needs X and Y"},
        BadRow{"BadY", {"sci", "pow", "2", "ten"}, "Y: Please enter a number."},
        BadRow{"Nothing", {"sci"}, "needs a function"}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace zovrek::cli
