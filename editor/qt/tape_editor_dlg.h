#pragma once
// The Tape Editor dialog (template 226): the tape in its edit control and the four buttons,
// forwarded to the windowless TapeEditor it owns.

#include <string>
#include <string_view>

#include "editor/tape_editor.h"
#include "shell/qt/template_dialog.h"

namespace zovrek::qt {

class TapeEdit;

class CTapeEditorDlg : public TemplateDialog, public TapeEditorWindow {
    Q_OBJECT
public:
    /// Builds the dialog on `input` and initialises it: the tape in editing form, the places
    /// indicator, the pictures, the colour, and the focus on Update.
    CTapeEditorDlg(const TapeEditorInput& input, QWidget* parent = nullptr);

    /// The logic behind the window.
    TapeEditor& editor() { return m_editor; }
    TapeEdit* tapeEdit() const { return m_tapeEdit; }

    // The window side of the editor.
    void showMessage(std::string_view text) override;
    void showOutOfRange() override;
    void readEditText(std::string& editText) override;
    void showEditText(std::string_view editText) override;
    void showErrorLine(std::size_t line) override;

private:
    void OnToCalculator();
    void onClicked(int id, void (CTapeEditorDlg::*handler)());
    void OnUpdate() { m_editor.OnUpdate(); }
    void OnReEdit() { m_editor.OnReEdit(); }

    TapeEdit* m_tapeEdit = nullptr;
    TapeEditor m_editor;
};

}  // namespace zovrek::qt
