// zovrek-tape interest, savings, annuity and loan: the financial calculators' Calculate
// button from the command line, reading the arguments as the dialogs read their fields.

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "commands.h"
#include "dialogs/annuity_savings.h"
#include "dialogs/field_exchange.h"
#include "dialogs/fixed_savings.h"
#include "dialogs/loan_payment.h"
#include "dialogs/simple_interest.h"

namespace zovrek::cli {
namespace {

using dialogs::MemoryControls;

struct Input {
    int id;
    std::string_view name;  ///< the argument's name in the usage line
};

int usage(Streams io, std::string_view synopsis, std::string_view problem) {
    io.err << "zovrek-tape: " << problem << "\nusage: zovrek-tape " << synopsis << '\n';
    return kUsage;
}

/// Index of `word` among `choices`, or -1.
int choiceOf(std::string_view word, std::initializer_list<std::string_view> choices) {
    int index = 0;
    for (const auto choice : choices) {
        if (word == choice) return index;
        ++index;
    }
    return -1;
}

/// Puts the arguments into their fields; the dialog has already shown its members.
void enter(MemoryControls& controls, const Args& args, std::initializer_list<Input> inputs) {
    std::size_t k = 0;
    for (const auto& input : inputs) controls.setText(input.id, args[k++]);
}

/// After Calculate: the first prompt the read gave, naming the argument, or empty.
std::string readProblem(const MemoryControls& controls, std::initializer_list<Input> inputs) {
    if (controls.prompts.empty()) return {};
    const auto& [id, message] = controls.prompts.front();
    for (const auto& input : inputs)
        if (input.id == id) return std::string(input.name) + ": " + message;
    return message;
}

void print(std::ostream& out, std::initializer_list<std::pair<std::string_view, double>> fields) {
    for (const auto& [name, value] : fields) out << name << ' ' << dialogs::fieldText(value) << '\n';
}

}  // namespace

int runInterest(const Args& args, Streams io) {
    constexpr std::string_view synopsis = "interest PRINCIPAL RATE MONTHS";
    using D = dialogs::SimpleInterestDialog;
    const auto inputs = {Input{D::kPrincipalId, "PRINCIPAL"}, Input{D::kRateId, "RATE"},
                         Input{D::kMonthsId, "MONTHS"}};
    if (args.size() != inputs.size()) return usage(io, synopsis, "interest needs 3 arguments");
    MemoryControls controls;
    D dialog(controls);
    dialog.onInitDialog();
    enter(controls, args, inputs);
    dialog.onCalculate();
    if (const auto problem = readProblem(controls, inputs); !problem.empty())
        return usage(io, synopsis, problem);
    print(io.out, {{"interest", dialog.m_interest}});
    return kOk;
}

int runSavings(const Args& args, Streams io) {
    constexpr std::string_view synopsis = "savings AMOUNT RATE PERIOD months|years";
    using D = dialogs::FixedSavingsDialog;
    const auto inputs = {Input{D::kCurrentId, "AMOUNT"}, Input{D::kRateId, "RATE"},
                         Input{D::kPeriodId, "PERIOD"}};
    if (args.size() != inputs.size() + 1)
        return usage(io, synopsis, "savings needs 4 arguments");
    const int unit = choiceOf(args[3], {"months", "years"});
    if (unit < 0) return usage(io, synopsis, "the period type must be months or years");
    MemoryControls controls;
    D dialog(controls);
    dialog.onInitDialog();
    enter(controls, args, inputs);
    controls.setRadio(D::kMonthsRadioId, unit);
    dialog.onCalculate();
    if (const auto problem = readProblem(controls, inputs); !problem.empty())
        return usage(io, synopsis, problem);
    print(io.out, {{"future", dialog.m_futureSavings}});
    return kOk;
}

int runAnnuity(const Args& args, Streams io) {
    constexpr std::string_view synopsis = "annuity BALANCE PAYMENT RATE PERIOD months|years";
    using D = dialogs::AnnuitySavingsDialog;
    const auto inputs = {Input{D::kOpeningId, "BALANCE"}, Input{D::kPaymentId, "PAYMENT"},
                         Input{D::kRateId, "RATE"}, Input{D::kPeriodId, "PERIOD"}};
    if (args.size() != inputs.size() + 1)
        return usage(io, synopsis, "annuity needs 5 arguments");
    const int unit = choiceOf(args[4], {"months", "years"});
    if (unit < 0) return usage(io, synopsis, "the period type must be months or years");
    MemoryControls controls;
    D dialog(controls);
    dialog.onInitDialog();
    enter(controls, args, inputs);
    controls.setRadio(D::kMonthsRadioId, unit);
    dialog.onCalculate();
    if (const auto problem = readProblem(controls, inputs); !problem.empty())
        return usage(io, synopsis, problem);
    print(io.out, {{"future", dialog.m_futureValue}});
    return kOk;
}

int runLoan(const Args& args, Streams io) {
    constexpr std::string_view synopsis =
        "loan AMOUNT RATE PERIOD months|years monthly|biweekly";
    using D = dialogs::LoanPaymentDialog;
    const auto inputs = {Input{D::kAmountId, "AMOUNT"}, Input{D::kRateId, "RATE"},
                         Input{D::kPeriodId, "PERIOD"}};
    if (args.size() != inputs.size() + 2) return usage(io, synopsis, "loan needs 5 arguments");
    const int unit = choiceOf(args[3], {"months", "years"});
    if (unit < 0) return usage(io, synopsis, "the period type must be months or years");
    const int schedule = choiceOf(args[4], {"monthly", "biweekly"});
    if (schedule < 0) return usage(io, synopsis, "the schedule must be monthly or biweekly");
    MemoryControls controls;
    D dialog(controls);
    dialog.onInitDialog();
    enter(controls, args, inputs);
    controls.setRadio(D::kMonthsRadioId, unit);
    controls.setRadio(D::kMonthlyRadioId, schedule);
    dialog.onCalculate();
    if (const auto problem = readProblem(controls, inputs); !problem.empty())
        return usage(io, synopsis, problem);
    print(io.out, {{"payment", dialog.m_paymentAmount},
                   {"interest", dialog.m_totalInterest},
                   {"repaid", dialog.m_repaidTotal}});
    return kOk;
}

}  // namespace zovrek::cli
