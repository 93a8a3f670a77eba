#include <ostream>
#include <string_view>

#include "commands.h"

namespace zovrek::cli {
namespace {

struct Subcommand {
    std::string_view name;
    int (*run)(const Args&, Streams);
    std::string_view synopsis;
};

constexpr Subcommand kSubcommands[] = {
    {"keys", runKeys,
     "keys [--places F|1|2|3] [--mode calculator|adding] [--save-tape no|cancel] [--json] KEYS..."},
    {"recalc", runRecalc, "recalc [--places F|1|2|3] [--marked] [--json] [FILE]"},
    {"cat", runCat, "cat FILE.cal"},
    {"pack", runPack, "pack FILE.cal"},
    {"csv", runCsv, "csv FILE.cal [OUT.csv]"},
    {"xlsx", runXlsx, "xlsx FILE.cal OUT.xlsx"},
    {"interest", runInterest, "interest PRINCIPAL RATE MONTHS"},
    {"savings", runSavings, "savings AMOUNT RATE PERIOD months|years"},
    {"annuity", runAnnuity, "annuity BALANCE PAYMENT RATE PERIOD months|years"},
    {"loan", runLoan, "loan AMOUNT RATE PERIOD months|years monthly|biweekly"},
    {"sci", runScience,
     "sci sin|cos|tan|asin|acos|atan|log|ln|pow10|exp|pow X [Y] [--radians]"},
#ifdef ZOVREK_TAPE_PDF
    {"pdf", runPdf, "pdf [--title TEXT] FILE.cal OUT.pdf"},
#endif
};

void usage(std::ostream& err) {
    err << "usage:\n";
    for (const auto& s : kSubcommands) err << "  zovrek-tape " << s.synopsis << '\n';
}

}  // namespace

int run(int argc, char** argv, Streams io) {
    if (argc < 2) {
        usage(io.err);
        return kUsage;
    }
    const std::string_view name = argv[1];
    for (const auto& s : kSubcommands) {
        if (s.name == name) return s.run(Args(argv + 2, argv + argc), io);
    }
    io.err << "zovrek-tape: unknown command '" << name << "'\n";
    usage(io.err);
    return kUsage;
}

}  // namespace zovrek::cli
