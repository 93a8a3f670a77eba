// The two settings files byte for byte, and loading and saving them in a folder.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "engine/calculator_state.h"
#include "shell/settings_files.h"

namespace zovrek::shell {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

TEST(SettingsBytes, Defaults) {
    EXPECT_EQ(encodeColourFile(Settings{}), "200225255"s);
    EXPECT_EQ(encodeChoicesFile(Settings{}), "3001111"s);
}

TEST(SettingsBytes, ShortValuesAreFollowedByNuls) {
    Settings s;
    s.bkRed = 0;
    s.bkGreen = 255;
    s.bkBlue = 25;
    EXPECT_EQ(encodeColourFile(s), "0\0\0"s "255"s "25\0"s);
    EXPECT_EQ(encodeColourFile(s).size(), kColourFileSize);
}

struct FieldRow {
    const char* name;
    std::string field;
    int value;
};

class ColourFieldRows : public ::testing::TestWithParam<FieldRow> {};

TEST_P(ColourFieldRows, ReadsAsADecimalInteger) {
    EXPECT_EQ(readColourField(GetParam().field), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ColourFieldRows,
    ::testing::Values(FieldRow{"ThreeDigits", "255", 255},
                      FieldRow{"ZeroNulAnyByte", "0\0\xff"s, 0},
                      FieldRow{"TwoDigitsNul", "12\0"s, 12},
                      FieldRow{"LeadingSpaceAndSign", " +7", 7},
                      FieldRow{"Minus", "-5\0"s, -5}, FieldRow{"StopsAtLetter", "1x2", 1},
                      FieldRow{"NoDigits", "abc", 0}),
    [](const auto& p) { return std::string(p.param.name); });

struct DecodeRow {
    const char* name;
    std::string colour;
    std::string choices;
    Settings expected;
};

Settings with(void (*change)(Settings&)) {
    Settings s;
    change(s);
    return s;
}

class DecodeRows : public ::testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeRows, FieldsOutsideTheirRangeOrTheFileTakeTheirDefault) {
    Settings s;
    decodeColourFile(GetParam().colour, s);
    decodeChoicesFile(GetParam().choices, s);
    EXPECT_EQ(s, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeRows,
    ::testing::Values(
        DecodeRow{"Defaults", "200225255", "3001111", Settings{}},
        DecodeRow{"White", "255255255", "3301111", with([](Settings& s) {
                      s.bkRed = s.bkGreen = s.bkBlue = 255;
                      s.bkColor = 3;
                  })},
        DecodeRow{"NulCases", "0\0X"s "12\0"s "7\0\0"s, "3001111", with([](Settings& s) {
                      s.bkRed = 0;
                      s.bkGreen = 12;
                      s.bkBlue = 7;
                  })},
        DecodeRow{"EmptyFiles", "", "", Settings{}},
        DecodeRow{"ShortColour", "010020", "3001111", with([](Settings& s) {
                      s.bkRed = 10;
                      s.bkGreen = 20;
                  })},
        DecodeRow{"ShortChoices", "200225255", "20", with([](Settings& s) { s.places = 2; })},
        DecodeRow{"ColourOutOfRange", "999-1\0300"s, "3001111", Settings{}},
        DecodeRow{"PlacesNotADigitIsZeroSoDefault", "200225255", "x001111", Settings{}},
        DecodeRow{"ChoicesOutOfRange", "200225255", "3492222", Settings{}},
        // Bytes without digits read as 0, which each field then takes when in its range.
        DecodeRow{"ChoicesWithoutDigitsReadZero", "200225255", "3\0 x\0\0\xff"s,
                  with([](Settings& s) {
                      s.soundsOn = s.voiceActive = s.globalSoundsOn = s.voiceSetting = 0;
                  })},
        DecodeRow{"ColourWithoutDigitsReadsZero", "\0\0\0"s "   "s "+\0\0"s, "3001111",
                  with([](Settings& s) { s.bkRed = s.bkGreen = s.bkBlue = 0; })},
        DecodeRow{"SwitchesOff", "200225255", "4000000", with([](Settings& s) {
                      s.places = 4;
                      s.soundsOn = s.voiceActive = s.globalSoundsOn = s.voiceSetting = 0;
                  })}),
    [](const auto& p) { return std::string(p.param.name); });

// --- files --------------------------------------------------------------------------------

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Reporter : SettingsProblemReporter {
    std::vector<std::string> messages;
    void reportSettingsProblem(std::string_view message) override {
        messages.emplace_back(message);
    }
};

struct SettingsFolder : ::testing::Test {
    fs::path folder;
    Reporter reporter;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 ("zovrek-settings-" + std::string(info->name()) + "-" +
                  std::to_string(::getpid()));
        fs::remove_all(folder);
        g_soundsOn = 1;
    }
    void TearDown() override {
        fs::remove_all(folder);
        g_soundsOn = 1;
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(SettingsFolder, FirstStartTakesTheDefaultsAndWritesBothFiles) {
    SettingsStore store(folder, &reporter);
    CalculatorState state;
    state.m_places = 2;
    state.m_soundsOn = 0;
    g_soundsOn = 0;
    store.load(state);
    EXPECT_EQ(settingsOf(state), Settings{});
    EXPECT_EQ(g_soundsOn, 1);
    EXPECT_EQ(state.m_settingsDefaulted, 1);
    EXPECT_EQ(contents(store.colourFile()), "200225255");
    EXPECT_EQ(contents(store.choicesFile()), "3001111");
    EXPECT_EQ(entries(), (std::vector<std::string>{"bkcolor.dat", "decimal.dat"}));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(SettingsFolder, MissingChoicesFileReplacesTheColourToo) {
    fs::create_directories(folder);
    write(folder / "bkcolor.dat", "255255255");
    SettingsStore store(folder);
    CalculatorState state;
    store.load(state);
    EXPECT_EQ(state.m_bkRed, 200);
    EXPECT_EQ(state.m_settingsDefaulted, 1);
    EXPECT_EQ(contents(store.colourFile()), "200225255");
}

TEST_F(SettingsFolder, ExistingFilesAreReadIntoTheMembers) {
    fs::create_directories(folder);
    write(folder / "bkcolor.dat", "0\0\0"s "255"s "0\0\0"s);
    write(folder / "decimal.dat", "2211000");
    SettingsStore store(folder);
    CalculatorState state;
    state.m_settingsDefaulted = 1;
    store.load(state);
    EXPECT_EQ(state.m_settingsDefaulted, 0);
    EXPECT_EQ(state.m_bkRed, 0);
    EXPECT_EQ(state.m_bkGreen, 255);
    EXPECT_EQ(state.m_places, 2);
    EXPECT_EQ(state.m_bkColor, 2);
    EXPECT_EQ(state.m_tapeMode, 1);
    EXPECT_EQ(state.m_soundsOn, 1);
    EXPECT_EQ(state.m_voiceActive, 0);
    EXPECT_EQ(g_soundsOn, 0);
    EXPECT_EQ(state.m_voiceSetting, 0);
    // Reading does not rewrite.
    EXPECT_EQ(contents(store.choicesFile()), "2211000");
}

TEST_F(SettingsFolder, SaveReplacesBothFilesAndLeavesNoTemporaryFile) {
    SettingsStore store(folder);
    Settings s;
    s.places = 1;
    ASSERT_TRUE(store.save(s));
    s.bkRed = 5;
    ASSERT_TRUE(store.save(s));
    EXPECT_EQ(contents(store.colourFile()), "5\0\0"s "225255"s);
    EXPECT_EQ(contents(store.choicesFile()), "1001111");
    EXPECT_EQ(entries(), (std::vector<std::string>{"bkcolor.dat", "decimal.dat"}));
}

TEST_F(SettingsFolder, EveryFailedWriteIsReportedAndTheSettingsStayInMemory) {
    fs::create_directories(folder);
    write(folder / "file", "x");
    SettingsStore store(folder / "file" / "zovrek", &reporter);  // under a plain file
    CalculatorState state;
    store.load(state);
    EXPECT_EQ(state.m_settingsDefaulted, 1);
    state.m_places = 4;
    EXPECT_FALSE(store.save(state));
    EXPECT_FALSE(store.save(state));
    EXPECT_EQ(state.m_places, 4);
    // The defaults written at the load, then each save.
    ASSERT_EQ(reporter.messages.size(), 3u);
    for (const auto& message : reporter.messages)
        EXPECT_NE(message.find("zovrek"), std::string::npos) << message;
}

// A settings path that is not a plain file (a FIFO would block the open for ever) counts
// as a file that can't be read: every setting takes its default, and it is left alone.
struct OddFileRow {
    const char* name;
    const char* path;  ///< which of the two files is odd
    bool fifo;         ///< a FIFO, else a folder
};

class OddSettingsFiles : public SettingsFolder,
                         public ::testing::WithParamInterface<OddFileRow> {};

TEST_P(OddSettingsFiles, TakeTheDefaultsWithoutWaiting) {
    fs::create_directories(folder);
    write(folder / "bkcolor.dat", "255255255");
    write(folder / "decimal.dat", "2311000");
    const fs::path odd = folder / GetParam().path;
    fs::remove(odd);
    if (GetParam().fifo)
        ASSERT_EQ(::mkfifo(odd.c_str(), 0600), 0);
    else
        fs::create_directory(odd);
    SettingsStore store(folder, &reporter);
    CalculatorState state;
    store.load(state);
    EXPECT_EQ(state.m_settingsDefaulted, 1);
    EXPECT_EQ(settingsOf(state), Settings{});
    // Writing the defaults back must not replace it by a plain file; that is reported.
    EXPECT_TRUE(GetParam().fifo ? fs::is_fifo(odd) : fs::is_directory(odd));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_NE(reporter.messages[0].find(odd.string()), std::string::npos) << reporter.messages[0];
}

INSTANTIATE_TEST_SUITE_P(Paths, OddSettingsFiles,
                         ::testing::Values(OddFileRow{"ColourFifo", "bkcolor.dat", true},
                                           OddFileRow{"ChoicesFifo", "decimal.dat", true},
                                           OddFileRow{"ColourFolder", "bkcolor.dat", false}),
                         [](const auto& p) { return std::string(p.param.name); });

// --- where the folder is -----------------------------------------------------------------

struct Environment : ::testing::Test {
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
    void set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    void TearDown() override {
        for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
            if (it->second)
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                ::unsetenv(it->first.c_str());
        }
    }
};

TEST_F(Environment, OwnVariableThenXdgThenHome) {
    struct Folder {
        fs::path (*find)();
        const char* own;
        const char* xdg;
        const char* underHome;
    };
    for (const Folder f : {Folder{settingsFolder, "ZOVREK_CONFIG_DIR", "XDG_CONFIG_HOME", ".config"},
                           Folder{stateFolder, "ZOVREK_STATE_DIR", "XDG_STATE_HOME", ".local/state"}}) {
        set("HOME", "/tmp/home");
        set(f.xdg, "/tmp/xdg");
        set(f.own, "/tmp/zovrek-own");
        EXPECT_EQ(f.find(), fs::path("/tmp/zovrek-own"));
        set(f.own, nullptr);
        EXPECT_EQ(f.find(), fs::path("/tmp/xdg/zovrek"));
        set(f.own, "");
        set(f.xdg, "relative/is/ignored");
        EXPECT_EQ(f.find(), fs::path("/tmp/home") / f.underHome / "zovrek");
    }
}

}  // namespace
}  // namespace zovrek::shell
