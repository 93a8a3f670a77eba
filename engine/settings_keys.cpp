// Commands that change a setting: decimal places, tape mode, sounds and voice. Each saves
// the settings at once.

#include "calculator.h"

namespace zovrek {

void Calculator::onDigitUp() {
    readBack();
    m_places = (m_places >= 1 && m_places < 4) ? m_places + 1 : 1;  // F, 1, 2, 3, F...
    updatePlacesIndicator();
    playFunctionSound("click.wav");
    window_.saveSettings();
    refresh();
}

void Calculator::onCalculatorMode() {
    m_tapeMode = 0;
    window_.saveSettings();
}

void Calculator::onAddingMachineMode() {
    m_tapeMode = 1;
    window_.saveSettings();
}

void Calculator::onSounds() {
    m_soundsOn = g_soundsOn = m_soundsOn ? 0 : 1;
    window_.saveSettings();
}

void Calculator::onVoice() {
    m_voiceActive = m_voiceSetting = m_voiceActive ? 0 : 1;
    window_.saveSettings();
}

}  // namespace zovrek
