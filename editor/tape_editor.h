#pragma once
// The Tape Editor without its window: what it is opened with, its Editing / Updated states
// and its buttons. A Qt dialog owns one of these and forwards its buttons to it.

#include <array>
#include <string>

#include "tape_reevaluation.h"

namespace zovrek {

/// What the view copies into the Tape Editor when it opens it.
struct TapeEditorInput {
    std::string editText;    ///< the view's tape
    int bkRed = 200;         ///< the view's text background colour
    int bkGreen = 225;
    int bkBlue = 255;
    int places = 3;          ///< the view's decimal-places setting
    int digits = 12;
    std::string placesText;  ///< the view's places indicator ("F", "1", "2", "3")
};

/// What the Tape Editor hands back on OK ("ToCalculator").
struct TapeEditorResult {
    std::string editText;   ///< the edit control's text when ToCalculator was pressed
    std::string lastValue;  ///< entry of the last number line of the last Update
};

class TapeEditor : public TapeReevaluation {
public:
    enum class State { Editing, Updated };

    TapeEditor(TapeEditorWindow& window, const TapeEditorInput& input);

    /// After the window has filled its controls: shows the tape in editing form.
    void OnInitDialog();
    /// The Update button (does nothing while Updated).
    void OnUpdate() { UpdateTape(); }
    /// The ReEdit button: the text of the last Update back in editing form (text typed
    /// since is dropped), and Editing again.
    void OnReEdit();
    /// The ToCalculator button: true when the dialog is to end with OK, which is only while
    /// Updated; m_editText is then the edit control's text as it stands.
    bool OnToCalculator();

    State state() const { return m_updated ? State::Updated : State::Editing; }
    TapeEditorResult result() const { return {m_editText, m_lastValue}; }
    /// The text background colour of every control, each part taken as its low 8 bits.
    std::array<int, 3> textBackground() const {
        return {m_bkRed & 0xFF, m_bkGreen & 0xFF, m_bkBlue & 0xFF};
    }

    std::string m_placesText;
    int m_bkRed = 0;
    int m_bkGreen = 0;
    int m_bkBlue = 0;
};

}  // namespace zovrek
