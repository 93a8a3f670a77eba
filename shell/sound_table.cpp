#include "shell/sound_table.h"

#include "engine/calculator.h"
#include "engine/calculator_state.h"
#include "engine/calculator_window.h"
#include "engine/sound_names.h"

namespace zovrek::shell {
namespace {

using enum SoundSwitch;
using enum SoundWait;

constexpr SoundRule one(int id, std::string_view command, SoundSwitch s, std::string_view name,
                        SoundWait wait, std::string_view moment) {
    return {id, command, s, {SoundCue{name, wait}, SoundCue{}}, 1, false, moment};
}

constexpr SoundRule two(int id, std::string_view command, SoundSwitch s, SoundCue first,
                        SoundCue second, std::string_view moment) {
    return {id, command, s, {first, second}, 2, false, moment};
}

constexpr std::string_view kDigitMoment =
    "after the new entry text is formed, before the display is refreshed";
constexpr std::string_view kOperatorMoment =
    "after the key's equals (if any) and its tape line, before the display is reset";
constexpr std::string_view kFunctionMoment = "after the result is computed, before its tape lines";
constexpr std::string_view kSpecialMoment =
    "first just before the dialog opens; again when it has closed with OK, as its value is "
    "taken into the display";

}  // namespace

const std::array<SoundRule, 42> kSoundRules = {{
    one(1025, "digit 0", Voice, "zeroa.wav", AddingMachine, kDigitMoment),
    one(1020, "digit 1", Voice, "onea.wav", AddingMachine, kDigitMoment),
    one(1021, "digit 2", Voice, "twoa.wav", AddingMachine, kDigitMoment),
    one(1022, "digit 3", Voice, "threea.wav", AddingMachine, kDigitMoment),
    one(1013, "digit 4", Voice, "foura.wav", AddingMachine, kDigitMoment),
    one(1014, "digit 5", Voice, "fivea.wav", AddingMachine, kDigitMoment),
    one(1015, "digit 6", Voice, "sixa.wav", AddingMachine, kDigitMoment),
    one(1008, "digit 7", Voice, "sevena.wav", AddingMachine, kDigitMoment),
    one(1009, "digit 8", Voice, "eighta.wav", AddingMachine, kDigitMoment),
    one(1010, "digit 9", Voice, "ninea.wav", AddingMachine, kDigitMoment),
    one(1027, "point", Voice, "pointa.wav", AddingMachine,
        "after the point is taken, before the display is refreshed"),
    one(1028, "plus", Voice, "plusa.wav", AddingMachine, kOperatorMoment),
    one(1023, "minus", Voice, "minusa.wav", AddingMachine, kOperatorMoment),
    one(1018, "times", Voice, "times.wav", AddingMachine, kOperatorMoment),
    one(1011, "divide", Voice, "divide.wav", AddingMachine, kOperatorMoment),
    one(1019, "percent", Voice, "percent.wav", No,
        "after the key's work, before the display is reset"),
    one(1024, "1/x", Voice, "inverse.wav", No, "after the result is shown"),
    one(1012, "square root", Voice, "squareroot.wav", No, kFunctionMoment),
    one(1035, "squared", Voice, "squared.wav", No, kFunctionMoment),
    one(1026, "+/-", Voice, "click.wav", No, "last, before the display is refreshed"),
    {1029, "equal", Voice, {SoundCue{}, SoundCue{}}, 0, true, "last: the result readout"},
    one(1004, "M+", Voice, "plusa.wav", No, "first"),
    one(1003, "M-", Voice, "minusa.wav", No, "first"),
    one(1002, "MR", Sounds, "click.wav", No, "last, before the display is refreshed"),
    one(1001, "MC", Sounds, "backsp.wav", No, "last, after the memory is cleared"),
    one(1148, "memory number select", Sounds, "click.wav", No, "last"),
    one(1007, "C", Sounds, "backsp.wav", No, "first"),
    one(1006, "CE", Sounds, "backsp.wav", No, "before the display is set back to \"0.\""),
    one(1061, "Back", Sounds, "backsp.wav", No, "before the display is rebuilt"),
    two(1030, "Clear_All", Sounds, {"chimeup.wav", No}, {"backsp.wav", No},
        "\"chimeup.wav\" just before the \"Save Tape?\" dialog when it is shown; "
        "\"backsp.wav\" after the Clear that the key performs"),
    one(1042, "decimal places (DIGITUP)", Sounds, "click.wav", No,
        "after the places selector has stepped, before the settings are saved"),
    two(1062, "tape editor (TAPEEDIT)", Sounds, {"chimeup.wav", No}, {"click.wav", No},
        "\"chimeup.wav\" just before the editor opens; \"click.wav\" when it has closed, "
        "whatever its result (nothing when the tape is empty)"),
    two(32799, "File New", Sounds, {"chimeup.wav", No}, {"backsp.wav", No},
        "\"chimeup.wav\" just before the \"Save Tape?\" dialog when it is shown; "
        "\"backsp.wav\" after the Clear that New performs"),
    two(32801, "File Open", Sounds, {"chimeup.wav", No}, {"click.wav", No},
        "\"chimeup.wav\" just before the \"Save Tape?\" dialog when it is shown; "
        "\"click.wav\" just before the file dialog"),
    one(32802, "File Save", Sounds, "click.wav", No,
        "just before the document is saved (nothing when the tape is empty)"),
    one(32803, "File Save As", Sounds, "click.wav", No,
        "just before the document is saved (nothing when the tape is empty)"),
    two(32818, "Scientific Calculations", Sounds, {"click.wav", No}, {"click.wav", No},
        kSpecialMoment),
    two(32816, "Simple Interest Calculation", Sounds, {"click.wav", No}, {"click.wav", No},
        kSpecialMoment),
    two(32817, "Fixed Savings Calculation", Sounds, {"click.wav", No}, {"click.wav", No},
        kSpecialMoment),
    two(32814, "Annuity Savings Calculation", Sounds, {"click.wav", No}, {"click.wav", No},
        kSpecialMoment),
    two(32815, "Loan Payment Calculation", Sounds, {"click.wav", No}, {"click.wav", No},
        kSpecialMoment),
    two(57665, "closing the main window (also Exit)", Frame, {"click.wav", No},
        {"chimedwn.wav", Yes},
        "\"click.wav\" as soon as closing is asked for, before the \"Close Program!\" "
        "confirmation; \"chimedwn.wav\" after the main window has been closed, not when the "
        "close only ended print preview"),
}};

const SoundRule* soundRuleFor(int id) {
    for (const auto& rule : kSoundRules)
        if (rule.id == id) return &rule;
    return nullptr;
}

bool switchOn(SoundSwitch soundSwitch, const CalculatorState& state) {
    switch (soundSwitch) {
    case Sounds: return state.m_soundsOn == 1;
    case Voice: return state.m_voiceActive == 1;
    case Frame: return g_soundsOn == 1;
    }
    return false;
}

bool waits(SoundWait wait, int tapeMode) {
    return wait == Yes || (wait == AddingMachine && tapeMode == 1);
}

bool playCue(CalculatorWindow& window, const CalculatorState& state, int id, std::size_t cue) {
    const SoundRule* rule = soundRuleFor(id);
    if (!rule || cue >= rule->cueCount || !switchOn(rule->soundSwitch, state)) return false;
    const SoundCue& c = rule->cues[cue];
    window.playSound(c.name, waits(c.wait, state.m_tapeMode));
    return true;
}

bool updateSoundsItem(Calculator& calculator) {
    calculator.refresh();
    return calculator.m_soundsOn != 0;
}

bool updateVoiceItem(Calculator& calculator) {
    calculator.refresh();
    return calculator.m_voiceActive != 0;
}

std::string_view readoutSoundFor(char c) { return readoutSoundOf(c); }

std::vector<std::string_view> readoutSounds(std::string_view display, bool roundOperands) {
    std::vector<std::string_view> sounds{"equals.wav"};
    if (!roundOperands) return sounds;
    for (const char c : display)
        if (const std::string_view s = readoutSoundFor(c); !s.empty()) sounds.push_back(s);
    return sounds;
}

}  // namespace zovrek::shell
