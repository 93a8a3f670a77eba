// zovrek-tape keys: a fresh calculator fed with keys, for scripts and outside checks.

#include <charconv>
#include <ostream>
#include <string_view>
#include <variant>

#include <nlohmann/json.hpp>

#include "commands.h"
#include "engine/calculator.h"
#include "engine/key_names.h"
#include "engine/scripted_window.h"
#include "engine/tape_lines.h"

namespace zovrek::cli {
namespace {

struct HandBack {
    double value;
};
using Action = std::variant<int, HandBack>;

struct KeysOptions {
    int places = 3;    // "2"
    int tapeMode = 0;  // calculator
    SaveTapeChoice saveTape = SaveTapeChoice::No;
    bool json = false;
    std::vector<Action> actions;
};

bool sameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto up = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; };
        if (up(a[i]) != up(b[i])) return false;
    }
    return true;
}

std::optional<double> exactNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double v = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || res.ec != std::errc() || res.ptr != text.data() + text.size())
        return std::nullopt;
    return v;
}

std::vector<std::string_view> splitWhiteSpace(std::string_view arg) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' ||
                                           c == '\v' || c == '\f'; };
    while (i < arg.size()) {
        while (i < arg.size() && space(arg[i])) ++i;
        const std::size_t start = i;
        while (i < arg.size() && !space(arg[i])) ++i;
        if (i > start) tokens.push_back(arg.substr(start, i - start));
    }
    return tokens;
}

// Reads "--name value" or "--name=value"; false (with a message) when it is malformed.
bool optionValue(const Args& args, std::size_t& i, std::string_view name, std::string& value,
                 std::ostream& err) {
    const std::string_view arg = args[i];
    if (arg.size() > name.size() && arg[name.size()] == '=') {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size()) {
        err << "zovrek-tape keys: " << name << " needs a value\n";
        return false;
    }
    value = args[++i];
    return true;
}

bool isOption(std::string_view arg, std::string_view name) {
    return arg == name || (arg.size() > name.size() && arg.substr(0, name.size()) == name &&
                           arg[name.size()] == '=');
}

bool parse(const Args& args, KeysOptions& o, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::string value;
        if (isOption(arg, "--places")) {
            if (!optionValue(args, i, "--places", value, err)) return false;
            static constexpr std::string_view kPlaces[] = {"F", "1", "2", "3"};
            o.places = 0;
            for (int p = 0; p < 4; ++p)
                if (sameNoCase(value, kPlaces[p])) o.places = p + 1;
            if (o.places == 0) {
                err << "zovrek-tape keys: --places takes F, 1, 2 or 3, not '" << value << "'\n";
                return false;
            }
        } else if (isOption(arg, "--mode")) {
            if (!optionValue(args, i, "--mode", value, err)) return false;
            if (value == "calculator") {
                o.tapeMode = 0;
            } else if (value == "adding") {
                o.tapeMode = 1;
            } else {
                err << "zovrek-tape keys: --mode takes calculator or adding, not '" << value
                    << "'\n";
                return false;
            }
        } else if (isOption(arg, "--save-tape")) {
            if (!optionValue(args, i, "--save-tape", value, err)) return false;
            if (value == "no") {
                o.saveTape = SaveTapeChoice::No;
            } else if (value == "cancel") {
                o.saveTape = SaveTapeChoice::Cancel;
            } else {
                err << "zovrek-tape keys: --save-tape takes no or cancel, not '" << value
                    << "'\n";
                return false;
            }
        } else if (arg == "--json") {
            o.json = true;
        } else {
            for (const auto token : splitWhiteSpace(arg)) {
                if (token.size() > 5 && sameNoCase(token.substr(0, 5), "GIVE:")) {
                    if (const auto v = exactNumber(token.substr(5))) {
                        o.actions.emplace_back(HandBack{*v});
                        continue;
                    }
                }
                const auto keys = keysOfToken(token);
                if (keys.empty()) {
                    err << "zovrek-tape keys: unknown key '" << token << "'\n";
                    return false;
                }
                o.actions.insert(o.actions.end(), keys.begin(), keys.end());
            }
        }
    }
    return true;
}

// As printf's "%.17g" writes it, whatever the locale.
std::string printed17(double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 17);
    return std::string(buf, res.ptr);
}

void writeTapeLines(std::string_view tape, std::ostream& out) {
    TapeLines lines(tape);
    TapeLine line;
    while (lines.next(line)) out << line.text << '\n';
}

}  // namespace

int runKeys(const Args& args, Streams io) {
    KeysOptions options;
    if (!parse(args, options, io.err)) return kUsage;

    ScriptedWindow window;
    window.saveTapeAnswer = options.saveTape;
    DocumentTape document;
    Calculator calc(window, document);
    window.attach(calc);
    calc.m_places = options.places;
    calc.m_tapeMode = options.tapeMode;
    calc.onInitialUpdate();

    for (const auto& action : options.actions) {
        if (const int* id = std::get_if<int>(&action)) {
            calc.onCommand(*id);
        } else {
            calc.takeSpecialResult(std::get<HandBack>(action).value);
        }
    }

    if (!options.json) {
        writeTapeLines(calc.m_tape.view(), io.out);
        io.out << "display: " << window.shown.display << '\n';
        return kOk;
    }
    nlohmann::ordered_json sounds = nlohmann::ordered_json::array();
    for (const auto& s : window.sounds) sounds.push_back({{"name", s.name}, {"wait", s.wait}});
    nlohmann::ordered_json result = {
        {"display", calc.m_display},
        {"shown", window.shown.display},
        {"memory_text", calc.m_memoryText},
        {"memory_number", calc.m_memoryNumber},
        {"places_text", calc.m_placesText},
        {"tape", std::string(calc.m_tape.view())},
        {"entry", printed17(calc.m_entry)},
        {"sounds", sounds},
        {"dialogs", window.dialogs},
    };
    io.out << result.dump(2) << '\n';
    return kOk;
}

}  // namespace zovrek::cli
