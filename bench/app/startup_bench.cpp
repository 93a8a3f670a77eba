// Starts a window and ends as soon as it has been painted, for timing start-up from outside:
//   startup_bench bare           a bare Qt window
//   startup_bench label          a bare Qt window showing one line of text (fonts loaded)
//   startup_bench zovrek [FILE]  the calculator, with FILE named on its command line
// Prints the peak resident memory in MB on stderr.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "app/application.h"
#include "shell/qt/pictures/keypad_pictures.h"
#include "shell/qt/pictures/picture_cache.h"
#include "shell/qt/program_style.h"

namespace {

// Quits once a window has been shown and painted (the quit waits for the paint to reach
// the screen).
class QuitOnPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return QObject::eventFilter(watched, event);
    }
};

void reportPeakMemory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) {
            std::fprintf(stderr, "peak resident: %.1f MB\n",
                         line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0);
        }
}

}  // namespace

int main(int argc, char* argv[]) {
    // A tape left behind by another run would stop the start at the recovery question.
    QTemporaryDir state;
    if (qEnvironmentVariableIsEmpty("ZOVREK_STATE_DIR"))
        qputenv("ZOVREK_STATE_DIR", QFile::encodeName(state.path()));
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    QuitOnPaint quit;
    if (args.value(0) == QStringLiteral("bare") || args.value(0) == QStringLiteral("label")) {
        QWidget window;
        window.resize(347, 360);
        if (args.value(0) == QStringLiteral("label"))
            (new QLabel(QStringLiteral("ZOVREK"), &window))->move(10, 10);
        window.installEventFilter(&quit);
        window.show();
        QApplication::exec();
    } else {
        QApplication::setStyle(new zovrek::qt::ProgramStyle);
        QApplication::setWindowIcon(zovrek::qt::applicationIcon());
        zovrek::qt::CZOVREKApp theApp;
        if (!theApp.InitInstance(args.mid(1))) return 1;
        qApp->installEventFilter(&quit);
        QApplication::exec();
        // As the program does: the next start reads the pictures this one drew.
        zovrek::qt::paint::saveKeptPictures();
    }
    reportPeakMemory();
    return 0;
}
