#pragma once
// A window side without a window: it shows nothing, records what the calculator asked for
// and answers the modal dialogs from a script. Used by zovrek-tape, tests and benchmarks.

#include <string>
#include <vector>

#include "calculator.h"
#include "calculator_window.h"

namespace zovrek {

struct SoundRequest {
    std::string name;
    bool wait = false;
    friend bool operator==(const SoundRequest&, const SoundRequest&) = default;
};

class ScriptedWindow : public CalculatorWindow {
public:
    /// The calculator whose initial update a new document runs.
    void attach(Calculator& calculator) { calculator_ = &calculator; }

    // Script.
    SaveTapeChoice saveTapeAnswer = SaveTapeChoice::No;
    bool saveSucceeds = true;
    bool keepTapeControl = true;  ///< off for very long runs that need no control text

    // Record.
    ControlValues shown;         ///< what the controls show after the last refresh
    std::string tapeControl;     ///< the tape control's text
    std::vector<SoundRequest> sounds;
    std::vector<std::string> dialogs;  ///< titles, in the order shown
    int documentSaves = 0;
    int newDocuments = 0;
    int settingsSaves = 0;

    void refresh(const ControlValues& values) override { shown = values; }
    ControlValues readBack() const override { return shown; }
    void appendToTape(std::string_view text) override {
        if (keepTapeControl) tapeControl.append(text);
    }
    void clearTape() override { tapeControl.clear(); }
    void playSound(std::string_view name, bool wait) override {
        sounds.push_back({std::string(name), wait});
    }
    SaveTapeChoice askSaveTape() override {
        dialogs.emplace_back("Save Tape?");
        return saveTapeAnswer;
    }
    bool saveDocument() override {
        ++documentSaves;
        return saveSucceeds;
    }
    void newDocument() override;
    void showOutOfRange() override { dialogs.emplace_back("Out Of Range Value!"); }
    void saveSettings() override { ++settingsSaves; }

private:
    Calculator* calculator_ = nullptr;
};

}  // namespace zovrek
