// zovrek-tape sci: one button of the scientific calculations from the command line.

#include <ostream>
#include <string_view>

#include "commands.h"
#include "dialogs/field_exchange.h"
#include "dialogs/scientific.h"

namespace zovrek::cli {
namespace {

using dialogs::ScientificButton;

constexpr std::string_view kSynopsis =
    "sci sin|cos|tan|asin|acos|atan|log|ln|pow10|exp|pow X [Y] [--radians]";

struct Function {
    std::string_view name;
    ScientificButton button;
    int angleMode;  ///< 1: the arc angle functions
    bool inverse;
};

constexpr Function kFunctions[] = {
    {"sin", ScientificButton::Sin, 0, false},   {"cos", ScientificButton::Cos, 0, false},
    {"tan", ScientificButton::Tan, 0, false},   {"asin", ScientificButton::Sin, 1, false},
    {"acos", ScientificButton::Cos, 1, false},  {"atan", ScientificButton::Tan, 1, false},
    {"log", ScientificButton::Log, 0, false},   {"ln", ScientificButton::Ln, 0, false},
    {"pow10", ScientificButton::Log, 0, true},  {"exp", ScientificButton::Ln, 0, true},
    {"pow", ScientificButton::Power, 0, false},
};

int usage(Streams io, std::string_view problem) {
    io.err << "zovrek-tape: " << problem << "\nusage: zovrek-tape " << kSynopsis << '\n';
    return kUsage;
}

}  // namespace

int runScience(const Args& args, Streams io) {
    using D = dialogs::ScientificDialog;
    bool radians = false;
    Args operands;
    for (const auto& arg : args) {
        if (arg == "--radians")
            radians = true;
        else
            operands.push_back(arg);
    }
    if (operands.empty()) return usage(io, "sci needs a function and X");
    const Function* function = nullptr;
    for (const auto& f : kFunctions)
        if (f.name == operands[0]) function = &f;
    if (!function) return usage(io, "unknown function '" + operands[0] + "'");
    const bool power = function->button == ScientificButton::Power;
    const std::size_t wanted = power ? 3 : 2;
    if (operands.size() != wanted)
        return usage(io, power ? "pow needs X and Y" : operands[0] + " needs X only");

    dialogs::MemoryControls controls;
    D dialog(controls);
    dialog.presetRadios();
    dialog.onInitDialog();
    controls.setText(D::kInputId, operands[1]);
    if (power) controls.setText(D::kExponentId, operands[2]);
    controls.setRadio(D::kAngleRadioId, function->angleMode);
    controls.setRadio(D::kDegreesRadioId, radians ? 1 : 0);
    if (function->inverse) dialog.onInverse();
    dialog.onFunction(function->button);
    if (!controls.prompts.empty()) {
        const auto& [id, message] = controls.prompts.front();
        return usage(io, (id == D::kExponentId ? "Y: " : "X: ") + message);
    }
    io.out << "z " << dialogs::fieldText(dialog.m_resultZ) << '\n';
    return kOk;
}

}  // namespace zovrek::cli
