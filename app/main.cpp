// zovrek: the desk printing calculator.

#include <QApplication>
#include <QCommandLineParser>
#include <QStyleFactory>

#include "app/accessible_factories.h"
#include "app/application.h"
#include "shell/qt/pictures/keypad_pictures.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zovrek::qt::installAccessibleFactories();
    QApplication::setApplicationName(QStringLiteral("zovrek"));
    QApplication::setApplicationVersion(QStringLiteral(ZOVREK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zovrek.Zovrek"));
    // The form places its controls by the pixel; one style keeps them fitting everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The installed theme's icon when there is one, else the program draws its own.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.zovrek.Zovrek"),
                                                 zovrek::qt::applicationIcon()));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A desk printing calculator with a paper tape."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A tape (.cal file) to open."),
                                 QStringLiteral("[file]"));
    parser.process(app);

    zovrek::qt::CZOVREKApp theApp;
    if (!theApp.InitInstance(parser.positionalArguments())) return 1;
    return QApplication::exec();
}
