// Renders the program's icon into a hicolor theme folder, one PNG per size, so the desktop
// shows the picture the program draws for its own windows.
//
//   render_icons FOLDER NAME SIZE...   writes FOLDER/<size>x<size>/apps/NAME.png

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

#include "shell/qt/pictures/keypad_pictures.h"

// Qt's notes about the build machine (no runtime folder) are noise in a build log; what
// fails here is reported below.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietQt);
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fputs("usage: render_icons FOLDER NAME SIZE...\n", stderr);
        return 2;
    }
    const QDir folder(args[1]);
    for (qsizetype i = 3; i < args.size(); ++i) {
        bool number = false;
        const int size = args[i].toInt(&number);
        const QPixmap picture = number ? zovrek::qt::applicationPicture(size, 1) : QPixmap();
        if (picture.isNull()) {
            std::fprintf(stderr, "render_icons: no icon of size '%s'\n", qPrintable(args[i]));
            return 1;
        }
        const QString apps = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = folder.filePath(apps + QLatin1Char('/') + args[2] + ".png");
        if (!folder.mkpath(apps) || !picture.save(file, "PNG")) {
            std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
