// Which sounds the keys ask for, with the switches and tape modes.

#include "recording_window.h"

namespace zovrek::testing {
namespace {

struct SoundCase {
    const char* name;
    int places;
    int mode;
    int soundsOn;
    int voiceOn;
    const char* setup;  // keys whose sounds are not checked
    const char* keys;
    std::vector<SoundRequest> sounds;
};

class Sounds : public ::testing::TestWithParam<SoundCase> {};

TEST_P(Sounds, RequestedInOrder) {
    const auto& c = GetParam();
    Rig rig(c.places, c.mode);
    rig.calc.m_soundsOn = c.soundsOn;
    rig.calc.m_voiceSetting = rig.calc.m_voiceActive = c.voiceOn;
    rig.press(c.setup);
    rig.window.sounds.clear();
    rig.press(c.keys);
    EXPECT_EQ(rig.window.sounds, c.sounds);
}

const SoundRequest kEquals{"equals.wav", true};

INSTANTIATE_TEST_SUITE_P(
    Examples, Sounds,
    ::testing::Values(
        SoundCase{"result_read_digit_by_digit",
                  kTwoPlaces, kCalculatorMode, 1, 1, "5-17.5", "=",
                  {kEquals,
                   {"minusa.wav", true},
                   {"onea.wav", true},
                   {"twoa.wav", true},
                   {"pointa.wav", true},
                   {"fivea.wav", true},
                   {"zeroa.wav", true}}},
        SoundCase{"floating_setting_says_only_equals", kFloating, kCalculatorMode, 1, 1,
                  "5-17.5", "=", {kEquals}},
        SoundCase{"exponent_read_as_exp", kTwoPlaces, kCalculatorMode, 1, 1, ".05*1", "=",
                  {kEquals,
                   {"fivea.wav", true},
                   {"pointa.wav", true},
                   {"exp.wav", true},
                   {"minusa.wav", true},
                   {"zeroa.wav", true},
                   {"zeroa.wav", true},
                   {"twoa.wav", true}}},
        SoundCase{"operator_own_equals_is_silent", kTwoPlaces, kCalculatorMode, 1, 1, "5+3",
                  "+", {{"plusa.wav", false}}},
        SoundCase{"voices_wait_in_adding_mode", kTwoPlaces, kAddingMode, 1, 1, "", "5.2*",
                  {{"fivea.wav", true}, {"pointa.wav", true}, {"twoa.wav", true},
                   {"times.wav", true}}},
        SoundCase{"voices_do_not_wait_in_calculator_mode", kTwoPlaces, kCalculatorMode, 1, 1,
                  "", "5.2/", {{"fivea.wav", false}, {"pointa.wav", false},
                               {"twoa.wav", false}, {"divide.wav", false}}},
        SoundCase{"voice_off_keys_silent_memory_recall_clicks", kTwoPlaces, kCalculatorMode, 1,
                  0, "", "5 NEG + 2 = MR", {{"backsp.wav", false}, {"click.wav", false}}},
        SoundCase{"sounds_off_clear_silent", kTwoPlaces, kCalculatorMode, 0, 0, "5+3=", "C BACK",
                  {}},
        SoundCase{"function_voices", kTwoPlaces, kCalculatorMode, 1, 1, "16", "SQRT C 3 INV",
                  {{"squareroot.wav", false}, {"backsp.wav", false}, {"threea.wav", false},
                   {"inverse.wav", false}}},
        SoundCase{"memory_voices_and_sounds", kTwoPlaces, kCalculatorMode, 1, 1, "4",
                  "M+ M- MSEL MC", {{"plusa.wav", false}, {"minusa.wav", false},
                                    {"click.wav", false}, {"backsp.wav", false}}},
        SoundCase{"clear_all_chimes_then_erases", kTwoPlaces, kCalculatorMode, 1, 1, "5+3=",
                  "CA", {{"chimeup.wav", false}, {"backsp.wav", false}, {"backsp.wav", false}}},
        SoundCase{"refused_key_is_silent", kTwoPlaces, kCalculatorMode, 1, 1, "5+", "* = % CE",
                  {}},
        SoundCase{"places_key_clicks", kTwoPlaces, kCalculatorMode, 1, 1, "", "DIGITUP",
                  {{"click.wav", false}}},
        SoundCase{"sign_change_clicks_with_voice", kTwoPlaces, kCalculatorMode, 0, 1, "5",
                  "NEG", {{"click.wav", false}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SoundSwitches, SoundsAndVoiceCommandsToggleAndSave) {
    Rig rig;
    rig.calc.onCommand(32821);
    EXPECT_EQ(rig.calc.m_soundsOn, 0);
    EXPECT_EQ(g_soundsOn, 0);
    rig.calc.onCommand(32821);
    EXPECT_EQ(g_soundsOn, 1);
    rig.calc.onCommand(32825);
    EXPECT_EQ(rig.calc.m_voiceActive, 0);
    EXPECT_EQ(rig.calc.m_voiceSetting, 0);
    EXPECT_EQ(rig.window.settingsSaves, 3);
    EXPECT_TRUE(rig.window.sounds.empty());
}

}  // namespace
}  // namespace zovrek::testing
