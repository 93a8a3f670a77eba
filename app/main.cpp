// zovrek: the desk printing calculator.

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "app/accessible_factories.h"
#include "app/application.h"
#include "tape/qt/file_names.h"
#include "shell/qt/pictures/keypad_pictures.h"
#include "shell/qt/pictures/picture_cache.h"
#include "shell/qt/program_style.h"

namespace {
constexpr int kKeepPicturesAfterMs = 2000;
}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zovrek::qt::installAccessibleFactories();
    QApplication::setApplicationName(QStringLiteral("zovrek"));
    QApplication::setApplicationVersion(QStringLiteral(ZOVREK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zovrek.Zovrek"));
    // The form places its controls by the pixel; one style keeps them fitting everywhere.
    QApplication::setStyle(new zovrek::qt::ProgramStyle);
    // The program draws its own icon, the same picture the desktop shows for it, rather than
    // searching the icon themes for it, which is slow on a desktop with many themes.
    QApplication::setWindowIcon(zovrek::qt::applicationIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A desk printing calculator with a paper tape."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A tape (.cal file) to open."),
                                 QStringLiteral("[file]"));
    parser.process(app);

    zovrek::qt::CZOVREKApp theApp;
    // File names as the system gave them (argv holds what QApplication left of them).
    if (!theApp.startWithFiles(
            zovrek::qt::commandLineFiles(argc, argv, parser.positionalArguments())))
        return 1;
    // The pictures drawn for this start are kept for the next one, once this one is on
    // screen, and again at the end for those drawn later (dialogs, pressed keys).
    QTimer::singleShot(kKeepPicturesAfterMs, [] { zovrek::qt::paint::saveKeptPictures(); });
    const int status = QApplication::exec();
    zovrek::qt::paint::saveKeptPictures();
    return status;
}
