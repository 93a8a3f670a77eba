// zovrek-tape csv: a ".cal" file's tape as CSV, one row per tape line, for spreadsheets.

#include <ostream>
#include <string>

#include "commands.h"
#include "editor/tape_csv.h"
#include "files/atomic_file.h"
#include "tape/cal_file.h"

namespace zovrek::cli {
namespace {

bool isFileName(const std::string& arg) { return !arg.empty() && arg.front() != '-'; }

}  // namespace

int runCsv(const Args& args, Streams io) {
    if (args.empty() || args.size() > 2 || !isFileName(args[0]) ||
        (args.size() == 2 && !isFileName(args[1]))) {
        io.err << "usage: zovrek-tape csv FILE.cal [OUT.csv]\n";
        return kUsage;
    }
    const CalFileRead read = readCalFile(args[0]);
    if (!read.ok()) {
        io.err << "zovrek-tape: " << read.message << '\n';
        return kFailed;
    }
    if (args.size() == 1) {
        writeTapeCsv(io.out, read.text);
        io.out.flush();
        if (!io.out) {
            io.err << "zovrek-tape: could not write the CSV to standard output\n";
            return kFailed;
        }
        return kOk;
    }
    // Written whole or not at all: a spreadsheet never opens half a tape.
    const FileResult written = writeFileAtomically(
        args[1], [&](std::ostream& out) { return writeTapeCsv(out, read.text); });
    if (!written.ok) {
        io.err << "zovrek-tape: " << written.message << '\n';
        return kFailed;
    }
    return kOk;
}

}  // namespace zovrek::cli
