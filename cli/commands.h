#pragma once
// The subcommands of zovrek-tape, callable in process (tests) as well as from main().

#include <iosfwd>
#include <string>
#include <vector>

namespace zovrek::cli {

using Args = std::vector<std::string>;  ///< the arguments after the subcommand's name

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

/// Exit statuses shared by the subcommands.
inline constexpr int kOk = 0, kFailed = 1, kUsage = 2;

int runKeys(const Args& args, Streams io);
int runRecalc(const Args& args, Streams io);
int runCat(const Args& args, Streams io);
int runPack(const Args& args, Streams io);
int runCsv(const Args& args, Streams io);
int runXlsx(const Args& args, Streams io);
int runInterest(const Args& args, Streams io);
int runSavings(const Args& args, Streams io);
int runAnnuity(const Args& args, Streams io);
int runLoan(const Args& args, Streams io);
int runScience(const Args& args, Streams io);
/// Only in builds with the windows (ZOVREK_TAPE_PDF): it paints with Qt.
int runPdf(const Args& args, Streams io);

/// Dispatches argv[1] to its subcommand.
int run(int argc, char** argv, Streams io);

}  // namespace zovrek::cli
