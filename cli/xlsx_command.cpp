// zovrek-tape xlsx: a ".cal" file's tape as an Excel workbook that opens right in any locale.

#include <ostream>
#include <string>

#include "commands.h"
#include "editor/tape_xlsx.h"
#include "tape/cal_file.h"

namespace zovrek::cli {

int runXlsx(const Args& args, Streams io) {
    const auto isFileName = [](const std::string& arg) { return !arg.empty() && arg.front() != '-'; };
    if (args.size() != 2 || !isFileName(args[0]) || !isFileName(args[1])) {
        io.err << "usage: zovrek-tape xlsx FILE.cal OUT.xlsx\n";
        return kUsage;
    }
    const CalFileRead read = readCalFile(args[0]);
    if (!read.ok()) {
        io.err << "zovrek-tape: " << read.message << '\n';
        return kFailed;
    }
    const FileResult written = writeTapeXlsx(args[1], read.text);
    if (!written.ok) {
        io.err << "zovrek-tape: " << written.message << '\n';
        return kFailed;
    }
    return kOk;
}

}  // namespace zovrek::cli
