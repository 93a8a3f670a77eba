#pragma once
// The view's TAPEEDIT key: opens the Tape Editor on the tape and takes its result back.

#include <optional>

#include "engine/calculator.h"
#include "tape_editor.h"

namespace zovrek {

/// Runs the Tape Editor dialog modally. The Qt side builds its dialog around a TapeEditor
/// made from the input; tests script the buttons.
class TapeEditorLauncher {
public:
    virtual ~TapeEditorLauncher() = default;
    /// The editor's result when it ended with OK ("ToCalculator"); nothing on Cancel.
    virtual std::optional<TapeEditorResult> runModal(const TapeEditorInput& input) = 0;
};

/// What the view copies into the editor.
TapeEditorInput tapeEditorInput(const CalculatorState& view);

/// TAPEEDIT: nothing at all on an empty tape (returns false). Otherwise "chimeup.wav"
/// before and "click.wav" after the dialog when the sounds are on, and on OK the result
/// handed back to the calculator.
bool OnTapeEdit(Calculator& view, TapeEditorLauncher& launcher);

}  // namespace zovrek
