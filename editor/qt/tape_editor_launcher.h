#pragma once
// The main window's way into the Tape Editor: OnTapeEdit(calculator, launcher) with one of
// these runs the real dialog.

#include <optional>

#include "editor/tape_edit_command.h"

class QWidget;

namespace zovrek::qt {

class TapeEditorDialogs : public TapeEditorLauncher {
public:
    explicit TapeEditorDialogs(QWidget* parent) : parent_(parent) {}

    /// Builds the dialog on `input`, runs it through the modal seam and, when it ends with
    /// OK ("ToCalculator"), returns what it hands back.
    std::optional<TapeEditorResult> runModal(const TapeEditorInput& input) override;

private:
    QWidget* parent_;
};

}  // namespace zovrek::qt
