// zovrek-tape recalc: one Update of the tape editor on a tape text, without the dialog.

#include <array>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "commands.h"
#include "editor/tape_reevaluation.h"

namespace zovrek::cli {
namespace {

constexpr std::string_view kSynopsis =
    "usage: zovrek-tape recalc [--places F|1|2|3] [--marked] [--json] [FILE]\n";

struct RecalcOptions {
    int places = 3;  // "2"
    bool marked = false;
    bool json = false;
    std::optional<std::string> file;  // standard input when absent or "-"
};

int usage(Streams io, std::string_view problem) {
    io.err << "zovrek-tape recalc: " << problem << '\n' << kSynopsis;
    return kUsage;
}

std::optional<int> placesOf(std::string_view text) {
    if (text == "F" || text == "f") return 1;
    if (text == "1") return 2;
    if (text == "2") return 3;
    if (text == "3") return 4;
    return std::nullopt;
}

// Parses the arguments; the problem text when they are not usable.
std::optional<std::string> parse(const Args& args, RecalcOptions& options) {
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!onlyFiles && arg == "--") {
            onlyFiles = true;
        } else if (!onlyFiles && arg == "--marked") {
            options.marked = true;
        } else if (!onlyFiles && arg == "--json") {
            options.json = true;
        } else if (!onlyFiles && (arg == "--places" || arg.starts_with("--places="))) {
            std::string_view value;
            if (arg.size() > 8) {
                value = arg.substr(9);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return "--places needs a value";
            }
            const std::optional<int> places = placesOf(value);
            if (!places) return "--places takes F, 1, 2 or 3, not '" + std::string(value) + "'";
            options.places = *places;
        } else if (!onlyFiles && arg.size() > 1 && arg.front() == '-') {
            return "unknown option '" + std::string(arg) + "'";
        } else if (options.file) {
            return "only one FILE may be given";
        } else {
            options.file = std::string(arg);
        }
    }
    return std::nullopt;
}

// Through istream::read, which turns a failing file (a folder, say) into badbit; the
// stream buffer itself would throw.
std::optional<std::string> readAll(std::istream& in) {
    std::string text;
    std::array<char, 65536> chunk{};
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0)
        text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return text;
}

}  // namespace

int runRecalc(const Args& args, Streams io) {
    RecalcOptions options;
    if (const std::optional<std::string> problem = parse(args, options))
        return usage(io, *problem);

    std::optional<std::string> text;
    if (!options.file || *options.file == "-") {
        text = readAll(io.in);
        if (!text) {
            io.err << "zovrek-tape recalc: cannot read standard input\n";
            return kFailed;
        }
    } else {
        std::ifstream file(*options.file, std::ios::binary);
        if (file) text = readAll(file);
        if (!text) return usage(io, "cannot read '" + *options.file + "'");
    }

    const Reevaluation result = reevaluateTape(*text, options.places, options.marked);

    if (options.json) {
        const nlohmann::json object = {
            {"text", result.text},
            {"last_value", result.lastValue},
            {"messages", result.messages},
            {"dialogs", result.dialogs},
        };
        // Tape bytes need not be UTF-8: such bytes are replaced rather than refused.
        io.out << object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
               << '\n';
    } else {
        io.out.write(result.text.data(), static_cast<std::streamsize>(result.text.size()));
        for (const std::string& message : result.messages) io.err << message << '\n';
    }
    io.out.flush();
    return result.messages.empty() ? kOk : kFailed;
}

}  // namespace zovrek::cli
