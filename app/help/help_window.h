#pragma once
// The program's own help: a window with the help topics, opened by "&Help Topics" and
// Ctrl+F1.

#include <QString>

class QWidget;

namespace zovrek::qt {

/// Shows the help window (one per program; raised when it is open already) at `section`,
/// an anchor of the help text such as "editing-a-tape"; empty shows the contents.
void showHelp(QWidget* parent, const QString& section = {});

}  // namespace zovrek::qt
