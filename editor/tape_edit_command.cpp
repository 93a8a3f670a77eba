#include "tape_edit_command.h"

namespace zovrek {

TapeEditorInput tapeEditorInput(const CalculatorState& view) {
    TapeEditorInput input;
    input.editText = std::string(view.m_tape.view());
    input.bkRed = view.m_bkRed;
    input.bkGreen = view.m_bkGreen;
    input.bkBlue = view.m_bkBlue;
    input.places = view.m_places;
    input.digits = view.m_digits;
    input.placesText = view.m_placesText;
    return input;
}

bool OnTapeEdit(Calculator& view, TapeEditorLauncher& launcher) {
    if (view.m_tape.empty()) return false;
    const TapeEditorInput input = tapeEditorInput(view);
    if (view.m_soundsOn == 1) view.window().playSound("chimeup.wav", false);
    if (const std::optional<TapeEditorResult> result = launcher.runModal(input))
        view.takeEditedTape(result->editText, result->lastValue);
    if (view.m_soundsOn == 1) view.window().playSound("click.wav", false);
    return true;
}

}  // namespace zovrek
