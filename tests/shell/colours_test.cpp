// The colour commands: members, check marks, the initial update they run and the files.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/calculator.h"
#include "engine/command_ids.h"
#include "engine/scripted_window.h"
#include "shell/colours.h"
#include "shell/settings_files.h"

namespace zovrek::shell {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

/// A window whose settings hooks use the files, as the application's does.
struct StoringWindow : ScriptedWindow {
    SettingsStore* store = nullptr;
    Calculator* calculator = nullptr;
    void loadSettings() override { store->load(*calculator); }
    void saveSettings() override {
        ScriptedWindow::saveSettings();
        store->save(*calculator);
    }
};

struct ColourRig : ::testing::Test {
    fs::path folder = fs::temp_directory_path() /
                      ("zovrek-colours-" + std::to_string(::getpid()));
    SettingsStore store{folder};
    StoringWindow window;
    DocumentTape document;
    Calculator calc{window, document};

    void SetUp() override {
        fs::remove_all(folder);
        window.attach(calc);
        window.store = &store;
        window.calculator = &calc;
        calc.onInitialUpdate();  // loads the settings the first time
    }
    void TearDown() override { fs::remove_all(folder); }

    void press(std::string_view keys) {
        for (const char c : keys) {
            const int id = c == '+' ? cmd::Plus : c == '=' ? cmd::Equal : -1;
            const int digit = c - '0';
            constexpr int digits[] = {cmd::Zero, cmd::One, cmd::Two,   cmd::Three, cmd::Four,
                                      cmd::Five, cmd::Six, cmd::Seven, cmd::Eight, cmd::Nine};
            calc.onCommand(id != -1 ? id : digits[digit]);
        }
    }
    std::string file(std::string_view name) const {
        std::ifstream in(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

TEST(BackgroundColours, TextBackgroundTakesTheLowEightBits) {
    CalculatorState state;
    state.m_bkRed = 256 + 10;
    state.m_bkGreen = -1;
    state.m_bkBlue = 255;
    EXPECT_EQ(textBackground(state), (Rgb{10, 255, 255}));
}

TEST(Contrast, RatiosOfKnownPairs) {
    EXPECT_NEAR(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 0.01);
    EXPECT_NEAR(contrastRatio({255, 255, 255}, {0, 255, 0}), 1.37, 0.01);  // white on Green
    EXPECT_NEAR(contrastRatio({255, 255, 255}, {118, 118, 118}), 4.54, 0.01);
}

TEST(Contrast, GreyTextReadsOnEveryColourOfLightAndDarkDesktops) {
    // Window colour and disabled text of Fusion's light and Adwaita's dark palette.
    const struct {
        Rgb window, grey;
        bool light;
    } desktops[] = {{{239, 239, 239}, {190, 190, 190}, true}, {{50, 50, 50}, {130, 130, 130}, false}};
    for (const auto& desktop : desktops) {
        for (const auto& colour : kBackgroundColours) {
            const Rgb under{std::uint8_t(colour.red), std::uint8_t(colour.green),
                            std::uint8_t(colour.blue)};
            const Rgb grey = readableGrey(under, desktop.window, desktop.grey);
            SCOPED_TRACE(std::string(colour.menuText) + (desktop.light ? " light" : " dark"));
            EXPECT_TRUE(grey.red == grey.green && grey.green == grey.blue);
            EXPECT_GE(contrastRatio(grey, under), kReadableContrast);
            EXPECT_GE(contrastRatio(grey, Rgb{0, 0, 0}), 2.0);  // still apart from black text
            // One grey reads on the colour and the light window alike; on a dark window no
            // grey can, and the colour behind the characters wins.
            EXPECT_TRUE(!desktop.light || contrastRatio(grey, desktop.window) >= kReadableContrast);
        }
        const Rgb onWindow = readableGrey(desktop.window, desktop.window, desktop.grey);
        EXPECT_GE(contrastRatio(onWindow, desktop.window), kReadableContrast);
    }
    // A grey that reads already is kept.
    EXPECT_EQ(readableGrey({255, 255, 255}, {255, 255, 255}, {80, 80, 80}), (Rgb{80, 80, 80}));
}

TEST_F(ColourRig, FirstStartChecksBlue) {
    EXPECT_EQ(calc.m_settingsDefaulted, 1);
    EXPECT_EQ(file("bkcolor.dat"), "200225255");
    EXPECT_EQ(calc.m_placesText, "2");  // selector 3: two places
    EXPECT_EQ(textBackground(calc), (Rgb{200, 225, 255}));
    for (const auto& colour : kBackgroundColours)
        EXPECT_EQ(colourItemChecked(colour.command, calc), colour.command == cmd::ColorBlue)
            << colour.menuText;
}

TEST_F(ColourRig, WhiteTwiceWritesTheSameFiles) {
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(onColourCommand(cmd::ColorWhite, calc));
        EXPECT_EQ(file("bkcolor.dat"), "255255255");
        EXPECT_EQ(file("decimal.dat"), "3301111");
    }
    EXPECT_EQ(window.settingsSaves, 2);
    EXPECT_TRUE(colourItemChecked(cmd::ColorWhite, calc));
    EXPECT_FALSE(colourItemChecked(cmd::ColorBlue, calc));
}

TEST_F(ColourRig, EveryColourSetsItsRowAndSaves) {
    for (const auto& colour : kBackgroundColours) {
        ASSERT_TRUE(onColourCommand(colour.command, calc));
        EXPECT_EQ(calc.m_bkColor, colour.bkColor);
        EXPECT_EQ(textBackground(calc), (Rgb{static_cast<std::uint8_t>(colour.red),
                                            static_cast<std::uint8_t>(colour.green),
                                            static_cast<std::uint8_t>(colour.blue)}));
        SettingsStore reread(folder);
        CalculatorState loaded;
        reread.load(loaded);
        EXPECT_EQ(settingsOf(loaded), settingsOf(calc)) << colour.menuText;
    }
    EXPECT_TRUE(window.sounds.empty());  // colour commands are silent
}

TEST_F(ColourRig, TheInitialUpdatePutsTheDocumentsTapeBack) {
    press("5+3=");
    const std::string copied(document.m_tapeText.view());
    press("2+");
    ASSERT_NE(calc.m_tape.view(), copied);
    onColourCommand(cmd::ColorYellow, calc);
    EXPECT_EQ(calc.m_tape.view(), copied);
    EXPECT_EQ(window.tapeControl.substr(0, copied.size()), copied);
}

TEST_F(ColourRig, MenuUpdateShowsTheValuesAgain) {
    window.shown = {};
    EXPECT_TRUE(updateColourItem(cmd::ColorBlue, calc));
    EXPECT_EQ(window.shown.display, calc.m_display);
    EXPECT_EQ(window.shown.memoryNumber, calc.m_memoryNumber);
    EXPECT_FALSE(onColourCommand(cmd::Plus, calc));
}

}  // namespace
}  // namespace zovrek::shell
