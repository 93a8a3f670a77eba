#pragma once
// Which sound every command plays, under which switch, waiting or not. The keypad logic
// plays its own sounds; the file commands and the main frame play theirs from this table,
// and the tests hold the keypad to it.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace zovrek {
class Calculator;
class CalculatorWindow;
struct CalculatorState;
}  // namespace zovrek

namespace zovrek::shell {

/// The 25 wave files, looked up by plain name.
inline constexpr std::array<std::string_view, 25> kSoundNames = {
    "backsp.wav",  "chimeup.wav",  "chimedwn.wav",   "click.wav",   "plusa.wav",
    "minusa.wav",  "times.wav",    "divide.wav",     "pointa.wav",  "percent.wav",
    "inverse.wav", "squareroot.wav", "squared.wav",  "equals.wav",  "exp.wav",
    "zeroa.wav",   "onea.wav",     "twoa.wav",       "threea.wav",  "foura.wav",
    "fivea.wav",   "sixa.wav",     "sevena.wav",     "eighta.wav",  "ninea.wav",
};

/// Which switch lets a sound play: m_soundsOn, m_voiceActive, or the frame's g_soundsOn.
enum class SoundSwitch { Sounds, Voice, Frame };
/// Whether a sound is played to its end: never, always, or in adding-machine tape mode only.
enum class SoundWait { No, Yes, AddingMachine };

struct SoundCue {
    std::string_view name;
    SoundWait wait = SoundWait::No;
};

struct SoundRule {
    int id;                      ///< command or control id; 57665 (Exit) stands for closing
    std::string_view command;    ///< what the command is
    SoundSwitch soundSwitch;
    std::array<SoundCue, 2> cues;
    std::size_t cueCount;        ///< 0 for equals, whose sound is the result readout
    bool readout;                ///< equals: the result readout instead of cues
    std::string_view moment;     ///< when the cues play
};

/// The whole table, one row per command id.
extern const std::array<SoundRule, 42> kSoundRules;

/// Commands that play nothing: colours, tape modes, Sounds, Voice.
inline constexpr std::array<int, 8> kSilentCommands = {32772, 32773, 32774, 32775,
                                                       32807, 32808, 32821, 32825};

/// The row of a command, or nullptr for a silent or unknown one.
const SoundRule* soundRuleFor(int id);

/// Whether the switch is on (exactly 1).
bool switchOn(SoundSwitch soundSwitch, const CalculatorState& state);
/// Whether the cue waits in tape mode `tapeMode`.
bool waits(SoundWait wait, int tapeMode);

/// Plays cue `cue` of the command's row when its switch is on; false when it played nothing.
bool playCue(CalculatorWindow& window, const CalculatorState& state, int id,
             std::size_t cue = 0);

/// The menu updates of "&Sounds" (32821) and "&Voice" (32825): each shows the view's values
/// in its controls again and tells whether the item carries the check mark (m_soundsOn,
/// respectively m_voiceActive, not 0).
bool updateSoundsItem(Calculator& calculator);
bool updateVoiceItem(Calculator& calculator);

/// The sound of one display character in the result readout, or empty for a silent one.
std::string_view readoutSoundFor(char c);
/// Every sound the result readout plays (all waiting) for a display text: "equals.wav",
/// then one per spoken character when a fixed number of places is chosen.
std::vector<std::string_view> readoutSounds(std::string_view display, bool roundOperands);

}  // namespace zovrek::shell
