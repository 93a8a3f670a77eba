#pragma once
// The whole program in a test: the application object started as from the command line,
// with every modal window answered by a script and a settings folder of its own.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "modal_script.h"
#include "app/accessible_factories.h"
#include "app/application.h"
#include "app/calculator_view.h"
#include "app/main_frame.h"
#include "tape/qt/tape_view.h"

namespace zovrek::testing {

/// Empties the folder named by `variable`. A test program run by hand, without CTest's
/// folder, gets one of its own under the temporary folder: never the user's, and never the
/// current folder (an empty QDir is ".").
inline void emptyTestFolder(const char* variable, const QString& own) {
    QString path = qEnvironmentVariable(variable);
    if (path.isEmpty()) {
        path = QDir::temp().filePath(own.arg(QCoreApplication::applicationPid()));
        qputenv(variable, QFile::encodeName(path));
    }
    QDir folder(path);
    if (folder.isAbsolute() && folder.exists()) folder.removeRecursively();
}

/// Empties the test's settings and state folders, so each start is a first start (and
/// finds no tape left behind to offer).
inline void forgetSettings() {
    emptyTestFolder("ZOVREK_CONFIG_DIR", QStringLiteral("zovrek-test-config-%1"));
    emptyTestFolder("ZOVREK_STATE_DIR", QStringLiteral("zovrek-test-state-%1"));
}
/// Installs the program's accessible interfaces before the rig builds any widget, as main does.
struct AccessibleFactories {
    AccessibleFactories() { qt::installAccessibleFactories(); }
};

/// Answers a file dialog with `path`, as a user choosing it.
inline qt::Modal::Answerer chooseFile(const QString& path) {
    return [path](QDialog& dialog) {
        static_cast<QFileDialog&>(dialog).selectFile(path);
        return int(QDialog::Accepted);
    };
}

struct AppRig {
    AccessibleFactories factories;
    ModalScript modals;
    qt::CZOVREKApp app;
    bool started = false;
    bool exposed = false;

    explicit AppRig(const QStringList& files = {}) {
        started = app.InitInstance(files);
        if (started) {
            frame().activateWindow();
            exposed = QTest::qWaitForWindowActive(&frame());
        }
    }

    qt::CMainFrame& frame() { return app.mainFrame(); }
    qt::CZOVREKView& view() { return frame().view(); }
    Calculator& calc() { return view().calculator(); }
    QWidget* control(int id) { return view().form().control(id); }
    QString display() { return view().form().edit(1000)->text(); }
    std::string tape() { return view().tape().text(); }

    /// Types `keys` into the focused control, one key event each.
    void type(const QString& keys) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &frame();
        QTest::keyClicks(target, keys);
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &frame();
        QTest::keyClick(target, key, modifiers);
    }
};

}  // namespace zovrek::testing
