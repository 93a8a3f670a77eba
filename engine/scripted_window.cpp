#include "scripted_window.h"

namespace zovrek {

void ScriptedWindow::newDocument() {
    ++newDocuments;
    if (!calculator_) return;
    calculator_->document().m_tapeText = TapeText();
    calculator_->onInitialUpdate();
}

}  // namespace zovrek
