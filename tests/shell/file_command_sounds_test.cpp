// The file commands ask for exactly the sounds the sound table gives them.

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/command_ids.h"
#include "engine/key_names.h"
#include "engine/scripted_window.h"
#include "shell/sound_table.h"
#include "tape/file_commands.h"

namespace zovrek {
namespace {

struct DismissingHost : FileCommandHost {
    std::optional<std::filesystem::path> path;
    std::optional<std::filesystem::path> askOpenPath() override { return std::nullopt; }
    std::optional<std::filesystem::path> askSavePath(const std::string&) override {
        return path;
    }
    void reportFileError(const std::string&) override {}
};

std::vector<SoundRequest> tableCues(int id, int tapeMode) {
    std::vector<SoundRequest> cues;
    const auto* rule = shell::soundRuleFor(id);
    for (std::size_t i = 0; rule && i < rule->cueCount; ++i) {
        const auto& cue = rule->cues[i];
        cues.push_back({std::string(cue.name),
                        cue.wait == shell::SoundWait::Yes ||
                            (cue.wait == shell::SoundWait::AddingMachine && tapeMode == 1)});
    }
    return cues;
}

struct Row {
    const char* name;
    int id;
    int soundsOn;
};

class FileCommandSounds : public ::testing::TestWithParam<Row> {};

TEST_P(FileCommandSounds, MatchTable) {
    const auto& row = GetParam();
    const auto folder = std::filesystem::path(::testing::TempDir()) / "zovrek-sounds";
    std::filesystem::create_directories(folder);

    ScriptedWindow window;
    CZOVREKDoc document;
    Calculator calc(window, document);
    window.attach(calc);
    calc.onInitialUpdate();
    DismissingHost host;
    host.path = folder / (std::string(row.name) + ".cal");
    FileCommands files(calc, document, host);

    // A finished, unsaved calculation, cleared with C so that the Clear inside New is silent
    // and every sound heard is the command's own.
    for (int id : keysOfToken("5+3=")) calc.onCommand(id);
    calc.onCommand(cmd::Clear);
    calc.m_soundsOn = row.soundsOn;
    window.saveTapeAnswer = SaveTapeChoice::No;
    window.sounds.clear();

    files.onCommand(row.id);
    EXPECT_EQ(window.sounds, row.soundsOn ? tableCues(row.id, calc.m_tapeMode)
                                          : std::vector<SoundRequest>{});
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FileCommandSounds,
    ::testing::Values(Row{"New", cmd::FileNew, 1}, Row{"Open", cmd::FileOpen, 1},
                      Row{"Save", cmd::FileSave, 1}, Row{"SaveAs", cmd::FileSaveAs, 1},
                      Row{"NewSilent", cmd::FileNew, 0}, Row{"OpenSilent", cmd::FileOpen, 0},
                      Row{"SaveSilent", cmd::FileSave, 0}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace zovrek
