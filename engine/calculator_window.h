#pragma once
// What the keypad logic needs from the window side. A Qt view implements it; tests and the
// zovrek-tape command use recording versions.

#include <string>
#include <string_view>

namespace zovrek {

/// The values exchanged between the view's members and its controls.
struct ControlValues {
    std::string display;      ///< control 1000
    std::string placesText;   ///< control 1041
    std::string memoryText;   ///< control 1016
    int memoryNumber = 0;     ///< control 1150

    friend bool operator==(const ControlValues&, const ControlValues&) = default;
};

/// Outcome of the "Save Tape?" offer.
enum class SaveTapeChoice { Ok, No, Cancel };

class CalculatorWindow {
public:
    virtual ~CalculatorWindow() = default;

    /// Shows the members in their controls.
    virtual void refresh(const ControlValues& values) = 0;
    /// What the controls show now (the user may have changed the display).
    virtual ControlValues readBack() const = 0;

    /// Adds text at the end of the tape control and scrolls it into view.
    virtual void appendToTape(std::string_view text) = 0;
    /// Empties the tape control.
    virtual void clearTape() = 0;

    /// Plays a wave file by plain name, returning at once or after it has ended.
    virtual void playSound(std::string_view name, bool wait) = 0;

    /// The modal "Save Tape?" offer.
    virtual SaveTapeChoice askSaveTape() = 0;
    /// The document's save command; true only when the file was written.
    virtual bool saveDocument() = 0;
    /// The application's new-document command: empties the document's tape copy, forgets
    /// its file name and runs the calculator's initial update.
    virtual void newDocument() = 0;
    /// The modal "Out Of Range Value!" warning.
    virtual void showOutOfRange() = 0;

    /// Fills the calculator's settings members from the settings files (once, at the
    /// first initial update).
    virtual void loadSettings() {}
    /// Writes the settings files from the calculator's members.
    virtual void saveSettings() {}
};

}  // namespace zovrek
