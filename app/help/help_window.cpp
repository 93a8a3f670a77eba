#include "app/help/help_window.h"

#include <QApplication>
#include <QPointer>

#include "app/help/help_viewer.h"

namespace zovrek::qt {
namespace {

QPointer<HelpViewer>& openViewer() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}

// The program's main window, so the help stays in front of it (also when it is kept on top)
// and closes with it, whichever window asked for help.
QWidget* mainWindowOf(QWidget* widget) {
    QWidget* top = widget ? widget->window() : nullptr;
    while (top && top->parentWidget()) top = top->parentWidget()->window();
    return top;
}

bool ownedBy(const QWidget* widget, const QWidget* owner) {
    for (const QWidget* p = widget->parentWidget(); p; p = p->parentWidget())
        if (p == owner) return true;
    return false;
}

}  // namespace

void showHelp(QWidget* parent, const QString& section) {
    QPointer<HelpViewer>& viewer = openViewer();
    if (!viewer) viewer = new HelpViewer(mainWindowOf(parent));
    // A modal window blocks every window but its own, so the help joins it to stay usable
    // (and closes with it).
    if (QWidget* modal = QApplication::activeModalWidget(); modal && !ownedBy(viewer, modal)) {
        const QRect geometry = viewer->geometry();
        viewer->setParent(modal, viewer->windowFlags());
        viewer->setGeometry(geometry);
    }
    viewer->showSection(section);
    viewer->setWindowState(viewer->windowState() & ~Qt::WindowMinimized);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

}  // namespace zovrek::qt
