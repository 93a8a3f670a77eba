#pragma once
// A calculator with its document and file commands behind a scripted window side, wired as
// a host wires them: the window's save and new document are the file commands' own.

#include <optional>
#include <string>
#include <vector>

#include "engine/calculator.h"
#include "engine/key_names.h"
#include "tape/document.h"
#include "tape/file_commands.h"
#include "tape/print_preparation.h"

namespace zovrek::test {

class TapeRig : public CalculatorWindow, public FileCommandHost, public TapeTitleDialog {
public:
    CZOVREKDoc doc;
    Calculator calc{*this, doc};
    FileCommands files{calc, doc, *this};

    // Script.
    SaveTapeChoice saveTapeAnswer = SaveTapeChoice::No;
    std::optional<std::filesystem::path> openAnswer;
    std::optional<std::filesystem::path> saveAnswer;
    std::optional<std::string> titleAnswer;

    // Record: dialogs and sounds in order ("Save Tape?", "Open", "Save As <proposed>",
    // "Tape Title <preset>", "sound <name>", "error <message>", "recent <path>").
    std::vector<std::string> events;
    ControlValues shown;
    std::string tapeControl;

    /// Starts as the application does: the first initial update, voice off so only the
    /// function sounds are heard; `places` 1 = floating, 2..4 = 1..3 places.
    explicit TapeRig(int places = 3) {
        calc.m_places = places;
        calc.m_voiceActive = 0;
        calc.m_voiceSetting = 0;
        calc.onInitialUpdate();
    }

    /// Keys by the names of key_names.h, e.g. "12.5*4=" or "C".
    void type(std::string_view token) {
        for (int id : keysOfToken(token)) calc.onCommand(id);
    }
    void command(int id) {
        if (!files.onCommand(id)) calc.onCommand(id);
    }
    std::string tape() const { return std::string(calc.m_tape.view()); }
    bool saw(std::string_view event) const {
        for (const auto& e : events)
            if (e == event) return true;
        return false;
    }
    bool sawPrefix(std::string_view prefix) const {
        for (const auto& e : events)
            if (e.starts_with(prefix)) return true;
        return false;
    }

    // CalculatorWindow.
    void refresh(const ControlValues& values) override { shown = values; }
    ControlValues readBack() const override { return shown; }
    void appendToTape(std::string_view text) override { tapeControl.append(text); }
    void clearTape() override { tapeControl.clear(); }
    void playSound(std::string_view name, bool) override { events.push_back("sound " + std::string(name)); }
    SaveTapeChoice askSaveTape() override {
        events.emplace_back("Save Tape?");
        return saveTapeAnswer;
    }
    bool saveDocument() override { return files.saveDocument(); }
    void newDocument() override { files.newDocument(); }
    void showOutOfRange() override { events.emplace_back("Out Of Range Value!"); }

    // FileCommandHost.
    std::optional<std::filesystem::path> askOpenPath() override {
        events.emplace_back("Open");
        return openAnswer;
    }
    std::optional<std::filesystem::path> askSavePath(const std::string& proposed) override {
        events.push_back("Save As " + proposed);
        return saveAnswer;
    }
    void reportFileError(const std::string& message) override { events.push_back("error " + message); }
    void addToRecentFiles(const std::filesystem::path& path) override {
        events.push_back("recent " + path.string());
    }

    // TapeTitleDialog.
    std::optional<std::string> run(const std::string& title) override {
        events.push_back("Tape Title " + title);
        return titleAnswer;
    }
};

}  // namespace zovrek::test
