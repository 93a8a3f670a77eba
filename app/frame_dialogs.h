#pragma once
// The small dialogs of the main frame and the application: Close Program!, About, ShortCut
// Keys, and the calculator's "Out Of Range Value!" warning.

#include "shell/qt/template_dialog.h"

namespace zovrek::qt {

class CCloseProgramDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CCloseProgramDlg(QWidget* parent = nullptr);
};

class CAboutDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

class CShortcutKeysDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CShortcutKeysDlg(QWidget* parent = nullptr);
};

/// Its OK is an ordinary push button.
class COutOfRangeDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit COutOfRangeDlg(QWidget* parent = nullptr);
};

/// Runs a dialog of this kind through the modal seam; true when it ended with OK.
template <class Dialog>
bool runDialog(QWidget* parent);

}  // namespace zovrek::qt
