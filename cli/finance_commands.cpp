// zovrek-tape interest, savings, annuity and loan: the financial calculators' Calculate
// button from the command line, reading the arguments as the dialogs read their fields.

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "commands.h"
#include "dialogs/annuity_savings.h"
#include "dialogs/field_exchange.h"
#include "dialogs/fixed_savings.h"
#include "dialogs/loan_payment.h"
#include "dialogs/simple_interest.h"

namespace zovrek::cli {
namespace {

using dialogs::MemoryControls;
using Results = std::vector<std::pair<std::string_view, double>>;

struct Input {
    int id;
    std::string_view name;  ///< the argument's name in the usage line
};

/// A radio group chosen by a word argument.
struct Choice {
    int id;
    std::initializer_list<std::string_view> words;
    std::string_view problem;  ///< the usage message for another word
};

constexpr std::string_view kPeriodProblem = "the period type must be months or years";

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

/// After Calculate: the first prompt the read gave, naming the argument, or empty.
std::string readProblem(const MemoryControls& controls, std::initializer_list<Input> inputs) {
    if (controls.prompts.empty()) return {};
    const auto& [id, message] = controls.prompts.front();
    for (const auto& input : inputs)
        if (input.id == id) return std::string(input.name) + ": " + message;
    return message;
}

/// Enters the number arguments and then the choice words into a fresh dialog of type D,
/// presses Calculate and prints the fields `results` picks, or gives the usage message.
template <class D, class Pick>
int calculate(const Args& args, Streams io, std::string_view synopsis,
              std::initializer_list<Input> inputs, std::initializer_list<Choice> choices,
              Pick results) {
    if (args.size() != inputs.size() + choices.size()) {
        const auto name = synopsis.substr(0, synopsis.find(' '));
        return usage(io, synopsis,
                     std::string(name) + " needs " +
                         std::to_string(inputs.size() + choices.size()) + " arguments");
    }
    std::vector<int> chosen;
    std::size_t k = inputs.size();
    for (const auto& choice : choices) {
        chosen.push_back(choiceOf(args[k++], choice.words));
        if (chosen.back() < 0) return usage(io, synopsis, choice.problem);
    }

    MemoryControls controls;
    D dialog(controls);
    dialog.onInitDialog();  // the dialog has shown its members; the arguments go over them
    k = 0;
    for (const auto& input : inputs) controls.setText(input.id, args[k++]);
    k = 0;
    for (const auto& choice : choices) controls.setRadio(choice.id, chosen[k++]);
    dialog.onCalculate();
    if (const auto problem = readProblem(controls, inputs); !problem.empty())
        return usage(io, synopsis, problem);
    for (const auto& [name, value] : results(dialog))
        io.out << name << ' ' << dialogs::fieldText(value) << '\n';
    return kOk;
}

}  // namespace

int runInterest(const Args& args, Streams io) {
    using D = dialogs::SimpleInterestDialog;
    return calculate<D>(
        args, io, "interest PRINCIPAL RATE MONTHS",
        {{D::kPrincipalId, "PRINCIPAL"}, {D::kRateId, "RATE"}, {D::kMonthsId, "MONTHS"}}, {},
        [](const D& d) { return Results{{"interest", d.m_interest}}; });
}

int runSavings(const Args& args, Streams io) {
    using D = dialogs::FixedSavingsDialog;
    return calculate<D>(
        args, io, "savings AMOUNT RATE PERIOD months|years",
        {{D::kCurrentId, "AMOUNT"}, {D::kRateId, "RATE"}, {D::kPeriodId, "PERIOD"}},
        {{D::kMonthsRadioId, {"months", "years"}, kPeriodProblem}},
        [](const D& d) { return Results{{"future", d.m_futureSavings}}; });
}

int runAnnuity(const Args& args, Streams io) {
    using D = dialogs::AnnuitySavingsDialog;
    return calculate<D>(args, io, "annuity BALANCE PAYMENT RATE PERIOD months|years",
                        {{D::kOpeningId, "BALANCE"},
                         {D::kPaymentId, "PAYMENT"},
                         {D::kRateId, "RATE"},
                         {D::kPeriodId, "PERIOD"}},
                        {{D::kMonthsRadioId, {"months", "years"}, kPeriodProblem}},
                        [](const D& d) { return Results{{"future", d.m_futureValue}}; });
}

int runLoan(const Args& args, Streams io) {
    using D = dialogs::LoanPaymentDialog;
    return calculate<D>(
        args, io, "loan AMOUNT RATE PERIOD months|years monthly|biweekly",
        {{D::kAmountId, "AMOUNT"}, {D::kRateId, "RATE"}, {D::kPeriodId, "PERIOD"}},
        {{D::kMonthsRadioId, {"months", "years"}, kPeriodProblem},
         {D::kMonthlyRadioId, {"monthly", "biweekly"}, "the schedule must be monthly or biweekly"}},
        [](const D& d) {
            return Results{{"payment", d.m_paymentAmount},
                           {"interest", d.m_totalInterest},
                           {"repaid", d.m_repaidTotal}};
        });
}

}  // namespace zovrek::cli
