// Every keypad command requests exactly the sounds of the sound table, under each switch
// and in both tape modes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/command_ids.h"
#include "recording_window.h"
#include "shell/sound_table.h"

namespace zovrek::shell {
namespace {

using zovrek::testing::Rig;

struct KeyCase {
    const char* name;
    int id;
    const char* setup;  ///< keys that make the command do its work
    int performsFirst = 0;  ///< a command whose own sounds the key plays first
};

struct Switches {
    int sounds;
    int voice;
    int mode;
};

std::string switchesName(const Switches& s) {
    return std::string(s.sounds ? "SoundsOn" : "SoundsOff") + (s.voice ? "VoiceOn" : "VoiceOff") +
           (s.mode ? "Adding" : "Calculator");
}

class KeySounds : public ::testing::TestWithParam<std::tuple<KeyCase, Switches>> {};

/// What the table says the command plays (the readout computed from the display shown).
std::vector<SoundRequest> expectedSounds(const SoundRule& rule, const CalculatorState& state,
                                         std::string_view display) {
    std::vector<SoundRequest> out;
    if (!switchOn(rule.soundSwitch, state)) return out;
    if (rule.readout) {
        for (const auto name : readoutSounds(display, state.m_roundOperands != 0))
            out.push_back({std::string(name), true});
        return out;
    }
    for (std::size_t k = 0; k < rule.cueCount; ++k)
        out.push_back({std::string(rule.cues[k].name), waits(rule.cues[k].wait, state.m_tapeMode)});
    return out;
}

TEST_P(KeySounds, ExactlyTheTablesSounds) {
    const auto& [key, sw] = GetParam();
    Rig rig(zovrek::testing::kTwoPlaces, sw.mode);
    rig.calc.m_soundsOn = g_soundsOn = sw.sounds;
    rig.calc.m_voiceActive = rig.calc.m_voiceSetting = sw.voice;
    rig.press(key.setup);
    rig.window.sounds.clear();
    const std::string tapeBefore(rig.calc.m_tape.view());
    rig.calc.onCommand(key.id);

    const SoundRule* rule = soundRuleFor(key.id);
    ASSERT_NE(rule, nullptr);
    std::vector<SoundRequest> expected;
    if (key.performsFirst) expected = expectedSounds(*soundRuleFor(key.performsFirst), rig.calc, {});
    for (auto& s : expectedSounds(*rule, rig.calc, rig.calc.m_display)) expected.push_back(s);
    EXPECT_EQ(rig.window.sounds, expected);
    // The key did its work (a refused key would play nothing and prove nothing).
    EXPECT_TRUE(rig.calc.m_tape.view() != tapeBefore || !rig.window.sounds.empty() ||
                (sw.sounds == 0 || sw.voice == 0))
        << key.name;
    g_soundsOn = 1;
}

const KeyCase kKeys[] = {
    {"Zero", cmd::Zero, "5"},        {"One", cmd::One, ""},
    {"Two", cmd::Two, ""},           {"Three", cmd::Three, ""},
    {"Four", cmd::Four, ""},         {"Five", cmd::Five, ""},
    {"Six", cmd::Six, ""},           {"Seven", cmd::Seven, ""},
    {"Eight", cmd::Eight, ""},       {"Nine", cmd::Nine, ""},
    {"Point", cmd::Decimal, "5"},    {"Plus", cmd::Plus, "5"},
    {"ChainedPlus", cmd::Plus, "5+3"}, {"Minus", cmd::Minus, "5"},
    {"Times", cmd::Times, "5"},      {"Divide", cmd::Divide, "5"},
    {"Percent", cmd::Percent, "50*10"}, {"Invert", cmd::Invert, "4"},
    {"Sqrt", cmd::Sqrt, "4"},        {"Squared", cmd::Squared, "4"},
    {"PlusMinus", cmd::PlusMinus, "5"}, {"PlusMinusOnResult", cmd::PlusMinus, "5+3=", cmd::Times},
    {"Equal", cmd::Equal, "5+3"},    {"EqualNegative", cmd::Equal, "5-17.5"},
    {"MemoryPlus", cmd::MemoryPlus, "5"}, {"MemoryMinus", cmd::MemoryMinus, "5"},
    {"MemoryRecall", cmd::MemoryRecall, "5 M+ C"}, {"MemoryClear", cmd::MemoryClear, "5 M+"},
    {"MemorySelect", cmd::MemorySelect, ""}, {"Clear", cmd::Clear, "5"},
    {"ClearEntry", cmd::ClearEntry, "5"}, {"Back", cmd::Back, "12"},
    {"ClearAll", cmd::ClearAll, "5+3= C"},
    {"DigitUp", cmd::DigitUp, ""},
};

const Switches kSwitches[] = {{1, 1, 0}, {1, 1, 1}, {1, 0, 0}, {1, 0, 1},
                              {0, 1, 0}, {0, 1, 1}, {0, 0, 0}, {0, 0, 1}};

INSTANTIATE_TEST_SUITE_P(
    Table, KeySounds, ::testing::Combine(::testing::ValuesIn(kKeys), ::testing::ValuesIn(kSwitches)),
    [](const auto& p) {
        return std::string(std::get<0>(p.param).name) + "_" + switchesName(std::get<1>(p.param));
    });

TEST(SoundTable, EveryRowNamesKnownSounds) {
    for (const auto& rule : kSoundRules) {
        for (std::size_t k = 0; k < rule.cueCount; ++k) {
            bool known = false;
            for (const auto name : kSoundNames) known = known || name == rule.cues[k].name;
            EXPECT_TRUE(known) << rule.command << " " << rule.cues[k].name;
        }
        EXPECT_EQ(rule.cueCount == 0, rule.readout) << rule.command;
    }
}

TEST(SoundTable, ReadoutOfMinusTwelveFifty) {
    EXPECT_EQ(readoutSounds("-12.50", true),
              (std::vector<std::string_view>{"equals.wav", "minusa.wav", "onea.wav", "twoa.wav",
                                             "pointa.wav", "fivea.wav", "zeroa.wav"}));
    EXPECT_EQ(readoutSounds("-12.50", false), (std::vector<std::string_view>{"equals.wav"}));
    EXPECT_EQ(readoutSounds("1.e+0", true),
              (std::vector<std::string_view>{"equals.wav", "onea.wav", "pointa.wav", "exp.wav",
                                             "plusa.wav", "zeroa.wav"}));
}

TEST(SoundTable, EngineReadsMinusTwelveFiftyAloud) {
    Rig rig(zovrek::testing::kTwoPlaces);
    rig.press("5-17.5");
    rig.window.sounds.clear();
    rig.press("=");
    ASSERT_EQ(rig.window.shown.display, "-12.50");
    EXPECT_EQ(rig.soundNames(),
              (std::vector<std::string>{"equals.wav", "minusa.wav", "onea.wav", "twoa.wav",
                                        "pointa.wav", "fivea.wav", "zeroa.wav"}));
    for (const auto& s : rig.window.sounds) EXPECT_TRUE(s.wait) << s.name;
}

TEST(SoundTable, FloatingPlacesReadOnlyEquals) {
    Rig rig(zovrek::testing::kFloating);
    rig.press("5-17.5");
    rig.window.sounds.clear();
    rig.press("=");
    EXPECT_EQ(rig.soundNames(), (std::vector<std::string>{"equals.wav"}));
}

TEST(SoundTable, ClearAllAfterAResultAlsoHearsTheClearItPerforms) {
    Rig rig;
    rig.calc.m_voiceActive = rig.calc.m_voiceSetting = 0;
    rig.press("5+3=");
    rig.window.sounds.clear();
    rig.press("CA");
    EXPECT_EQ(rig.soundNames(),
              (std::vector<std::string>{"chimeup.wav", "backsp.wav", "backsp.wav"}));
}

TEST(SoundTable, SilentCommandsPlayNothing) {
    Rig rig;
    rig.press("5");
    rig.window.sounds.clear();
    for (const int id : {cmd::CalculatorMode, cmd::AddingMachineMode, cmd::Sounds, cmd::Sounds,
                         cmd::Voice, cmd::Voice})
        rig.calc.onCommand(id);
    EXPECT_TRUE(rig.window.sounds.empty());
}

TEST(SoundTable, SoundsCommandMovesTheFrameSwitchToo) {
    Rig rig;
    g_soundsOn = 1;
    rig.calc.onCommand(cmd::Sounds);
    EXPECT_EQ(rig.calc.m_soundsOn, 0);
    EXPECT_EQ(g_soundsOn, 0);
    EXPECT_FALSE(playCue(rig.window, rig.calc, 57665, 0));  // closing is silent now
    rig.calc.onCommand(cmd::Sounds);
    EXPECT_EQ(g_soundsOn, 1);
    EXPECT_TRUE(playCue(rig.window, rig.calc, 57665, 1));
    ASSERT_EQ(rig.window.sounds.size(), 1u);
    EXPECT_EQ(rig.window.sounds[0], (SoundRequest{"chimedwn.wav", true}));
}

TEST(SoundTable, SoundsAndVoiceItemsAreCheckedWhileTheirSwitchIsOn) {
    Rig rig;
    rig.press("5");
    rig.calc.m_soundsOn = 1;
    rig.calc.m_voiceActive = rig.calc.m_voiceSetting = 1;
    rig.window.shown = {};
    EXPECT_TRUE(updateSoundsItem(rig.calc));
    EXPECT_EQ(rig.window.shown.display, rig.calc.m_display);  // the values shown again
    EXPECT_TRUE(updateVoiceItem(rig.calc));
    rig.calc.onCommand(cmd::Sounds);
    EXPECT_FALSE(updateSoundsItem(rig.calc));
    EXPECT_TRUE(updateVoiceItem(rig.calc));
    rig.calc.onCommand(cmd::Voice);
    EXPECT_FALSE(updateVoiceItem(rig.calc));
    rig.calc.onCommand(cmd::Sounds);
    EXPECT_TRUE(updateSoundsItem(rig.calc));
    g_soundsOn = 1;
}

}  // namespace
}  // namespace zovrek::shell
