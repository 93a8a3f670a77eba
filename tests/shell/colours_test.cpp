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
    struct Row {
        Rgb a, b;
        double ratio;
    };
    const Row rows[] = {
        {{0, 0, 0}, {255, 255, 255}, 21.0},       // the extremes
        {{255, 255, 255}, {255, 255, 255}, 1.0},  // a colour on itself
        {{118, 118, 118}, {255, 255, 255}, 4.54}, // the lightest grey that reads on white
        {{255, 255, 255}, {0, 255, 0}, 1.37},     // white on Green: unreadable
        {{0, 0, 0}, {0, 255, 0}, 15.3},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(contrastRatio(row.a, row.b), row.ratio, 0.01);
        EXPECT_NEAR(contrastRatio(row.b, row.a), row.ratio, 0.01);
    }
}

// The desktop palettes text is drawn on: the window colour and the grey of disabled text,
// light (Fusion) and dark (Adwaita-dark).
struct Desktop {
    const char* name;
    Rgb window;
    Rgb grey;
    Rgb text;
};
constexpr Desktop kDesktops[] = {
    {"light", {239, 239, 239}, {190, 190, 190}, {0, 0, 0}},
    {"dark", {50, 50, 50}, {130, 130, 130}, {240, 240, 240}},
};

TEST(Contrast, GreyTextReadsOnEveryColourAndTheWindow) {
    for (const Desktop& desktop : kDesktops) {
        for (const auto& colour : kBackgroundColours) {
            const Rgb under{std::uint8_t(colour.red), std::uint8_t(colour.green),
                            std::uint8_t(colour.blue)};
            const Rgb grey = readableGrey(under, desktop.window, desktop.grey);
            SCOPED_TRACE(std::string(desktop.name) + " " + std::string(colour.menuText));
            EXPECT_TRUE(grey.red == grey.green && grey.green == grey.blue);
            EXPECT_GE(contrastRatio(grey, under), kReadableContrast);
            // Still grey, not the text colour: it stands apart from black text.
            EXPECT_GE(contrastRatio(grey, Rgb{0, 0, 0}), 2.0);
            // On the light desktop one grey reads on the colour and on the window alike; on
            // the dark one no grey can, and the colour behind the characters wins.
            if (std::string_view(desktop.name) == "light") {
                EXPECT_GE(contrastRatio(grey, desktop.window), kReadableContrast);
            }
        }
        // Without a colour the grey stands on the window.
        const Rgb grey = readableGrey(desktop.window, desktop.window, desktop.grey);
        EXPECT_GE(contrastRatio(grey, desktop.window), kReadableContrast) << desktop.name;
        // A grey that reads already stays as the desktop has it.
        EXPECT_EQ(readableGrey(Rgb{255, 255, 255}, Rgb{255, 255, 255}, Rgb{80, 80, 80}),
                  (Rgb{80, 80, 80}));
    }
}

TEST(Contrast, TextKeepsTheDesktopColourWhereItReads) {
    const Rgb yellow{255, 255, 0};
    const Rgb black{0, 0, 0};
    EXPECT_EQ(readableText(yellow, black), black);
    EXPECT_EQ(readableText(yellow, Rgb{240, 240, 240}), black);  // dark desktop's light text
    EXPECT_EQ(readableText(Rgb{50, 50, 50}, Rgb{240, 240, 240}), (Rgb{240, 240, 240}));
    EXPECT_EQ(readableText(Rgb{20, 20, 90}, Rgb{30, 30, 30}), (Rgb{255, 255, 255}));
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
