#include "shell/qt/help/help_window.h"

namespace zovrek::qt {

void showHelp(QWidget*, const QString&) {}

}  // namespace zovrek::qt
