// zovrek-tape cat and pack: a ".cal" file's tape text to standard output, and back.

#include <array>
#include <istream>
#include <ostream>
#include <string>

#include "commands.h"
#include "tape/cal_file.h"

namespace zovrek::cli {
namespace {

/// The one FILE.cal argument, or nothing (after a usage message) when the arguments are bad.
const std::string* fileArgument(const Args& args, std::string_view name, Streams io) {
    if (args.size() == 1 && !args[0].empty() && args[0].front() != '-') return &args[0];
    io.err << "usage: zovrek-tape " << name << " FILE.cal\n";
    return nullptr;
}

}  // namespace

int runCat(const Args& args, Streams io) {
    const std::string* path = fileArgument(args, "cat", io);
    if (path == nullptr) return kUsage;
    const CalFileRead read = readCalFile(*path);
    if (!read.ok()) {
        io.err << "zovrek-tape: " << read.message << '\n';
        return kFailed;
    }
    io.out.write(read.text.data(), static_cast<std::streamsize>(read.text.size()));
    io.out.flush();
    if (!io.out) {
        io.err << "zovrek-tape: could not write the tape to standard output\n";
        return kFailed;
    }
    return kOk;
}

int runPack(const Args& args, Streams io) {
    const std::string* path = fileArgument(args, "pack", io);
    if (path == nullptr) return kUsage;
    std::string text;
    std::array<char, 65536> chunk{};
    while (io.in.read(chunk.data(), chunk.size()) || io.in.gcount() > 0)
        text.append(chunk.data(), static_cast<std::size_t>(io.in.gcount()));
    if (io.in.bad()) {
        io.err << "zovrek-tape: could not read the tape from standard input\n";
        return kFailed;
    }
    const FileResult written = writeCalFile(*path, text);
    if (!written.ok) {
        io.err << "zovrek-tape: " << written.message << '\n';
        return kFailed;
    }
    return kOk;
}

}  // namespace zovrek::cli
