#pragma once
// "Save Tape?": OK saves first, No goes on without saving, Cancel abandons the command.

#include "engine/calculator_window.h"
#include "shell/qt/template_dialog.h"

namespace zovrek::qt {

class CSaveTapeDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CSaveTapeDlg(QWidget* parent = nullptr);

    /// What the caller reads from the dialog's result code and m_noPressed.
    SaveTapeChoice choice(int result) const;

    bool m_noPressed = false;

private:
    void OnNo();
};

/// Shows "Save Tape?" through the modal seam.
SaveTapeChoice askSaveTape(QWidget* parent);

}  // namespace zovrek::qt
