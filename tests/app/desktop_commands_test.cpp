// What the main window offers besides the original's menu and keys, driven as a user does:
// the desktop's shortcuts, copy and paste, the recent tapes and the CSV export.

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>

#include "app/desktop_commands.h"
#include "app/keyboard.h"
#include "app/recent_tapes_menu.h"
#include "app_rig.h"
#include "engine/command_ids.h"
#include "menus/desktop_commands.h"
#include "shell/qt/qt_text.h"
#include "shell/settings_files.h"
#include "tape/cal_file.h"

using namespace zovrek;
using zovrek::testing::AppRig;

namespace {

qt::Modal::Answerer chooseFile(const QString& path) {
    return [path](QDialog& dialog) {
        static_cast<QFileDialog&>(dialog).selectFile(path);
        return int(QDialog::Accepted);
    };
}

qt::Modal::Answerer messageContaining(const QString& part) {
    return [part](QDialog& d) {
        return static_cast<QMessageBox&>(d).text().contains(part) ? int(QMessageBox::Ok) : -1;
    };
}

QList<int> commandsRun(const QSignalSpy& spy) {
    QList<int> got;
    for (const auto& args : spy) got << args.at(0).toInt();
    return got;
}

QString clipboardText() { return QApplication::clipboard()->text(); }

std::string readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::filesystem::path recentListFile() {
    return shell::settingsFolder() / shell::kRecentFilesName;
}

}  // namespace

class DesktopCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        testing::forgetSettings();
        QApplication::clipboard()->clear();
    }

    void desktopKeysFromEveryFocus_data();
    void desktopKeysFromEveryFocus();
    void noKeyOfTheTableChangesMeaning();
    void copyTakesTheSelectionElseTheDisplay();
    void pasteTypesTheNumber_data();
    void pasteTypesTheNumber();
    void tapeMenuOffersCopyCopyTapeAndSelectAll();
    void recentTapesInTheFileMenu();
    void exportTapeWritesCsv();
};

void DesktopCommandsTest::desktopKeysFromEveryFocus_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("shown");   // the key in the menu item, "" when not in a menu
    QTest::addColumn<QString>("window");  // the modal window the command opens, if any
    const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    QTest::newRow("Ctrl+N") << int(Qt::Key_N) << ctrl << cmd::FileNew << "Ctrl+N" << "";
    QTest::newRow("Ctrl+O") << int(Qt::Key_O) << ctrl << cmd::FileOpen << "Ctrl+O" << "Open";
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << cmd::FileSave << "Ctrl+S" << "";
    QTest::newRow("Ctrl+Shift+S") << int(Qt::Key_S) << (ctrl | shift) << cmd::FileSaveAs
                                  << "Ctrl+Shift+S" << "";
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << ctrl << cmd::Exit << "Ctrl+Q" << "Close Program!";
    QTest::newRow("F1") << int(Qt::Key_F1) << 0 << cmd::HelpIndex << "F1" << "";
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << cmd::EditCopy << "" << "";
    QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert) << ctrl << cmd::EditCopy << "" << "";
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << cmd::EditPaste << "" << "";
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << shift << cmd::EditPaste << "" << "";
    QTest::newRow("Ctrl+Shift+C") << int(Qt::Key_C) << (ctrl | shift) << cmd::CopyTape << ""
                                  << "";
}

void DesktopCommandsTest::desktopKeysFromEveryFocus() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, command);
    QFETCH(QString, shown);
    QFETCH(QString, window);
    // The display (an edit that knows Ctrl+C and Ctrl+V itself), the tape, a keypad button.
    for (const int focus : {1000, 1034, 1008}) {
        AppRig rig;
        if (!shown.isEmpty())
            QCOMPARE(rig.frame().action(command)->shortcut().toString(), shown);
        if (!window.isEmpty()) rig.modals.expect(window, QDialog::Rejected);
        rig.control(focus)->setFocus();
        QSignalSpy run(&rig.frame(), &qt::CMainFrame::commandRun);
        QTest::keyClick(rig.control(focus), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY2(commandsRun(run) == QList<int>{command}, qPrintable(QString::number(focus)));
        ZOVREK_VERIFY_MODALS(rig.modals);
    }
}

void DesktopCommandsTest::noKeyOfTheTableChangesMeaning() {
    // Only Ctrl+S is in the table too, where it named a command nothing handled.
    for (const menus::DesktopKey& desktop : menus::kDesktopKeys) {
        for (const QKeySequence& keys : QKeySequence::listFromString(qt::uiText(desktop.keys))) {
            const QKeyCombination k = keys[0];
            const QKeyEvent event(QEvent::KeyPress, k.key(), k.keyboardModifiers());
            const int tableCommand = qt::KeyboardFilter::commandOf(event);
            const bool ctrlS = keys == QKeySequence(Qt::CTRL | Qt::Key_S);
            QVERIFY2(tableCommand == (ctrlS ? cmd::EditSelectAll : 0), qPrintable(keys.toString()));
        }
    }
}

void DesktopCommandsTest::copyTakesTheSelectionElseTheDisplay() {
    AppRig rig;
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("12.5*4="));
    rig.press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboardText(), QStringLiteral("50.00"));

    auto* display = rig.view().form().edit(1000);
    display->setSelection(0, 2);
    rig.press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboardText(), QStringLiteral("50"));

    rig.control(1034)->setFocus();
    rig.press(Qt::Key_Insert, Qt::ControlModifier);  // nothing selected on the tape
    QCOMPARE(clipboardText(), QStringLiteral("50.00"));
    rig.view().tape().selectAll();
    rig.press(Qt::Key_C, Qt::ControlModifier);
    const QString wholeTape = QStringLiteral(" 12.50\n *\n 4.00\n =\n 50.00\n");
    QCOMPARE(clipboardText(), wholeTape);

    QApplication::clipboard()->clear();
    rig.control(1000)->setFocus();
    rig.press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(clipboardText(), wholeTape);
    QCOMPARE(rig.display(), QStringLiteral("50.00"));
}

void DesktopCommandsTest::pasteTypesTheNumber_data() {
    QTest::addColumn<QString>("typedFirst");
    QTest::addColumn<QString>("clipboard");  // "(none)": the clipboard holds no text
    QTest::addColumn<QString>("typedAfter");
    QTest::addColumn<QString>("display");
    QTest::newRow("grouped") << "" << "1,234.50" << "" << "1234.50";
    QTest::newRow("spaces and minus") << "" << " -12\n" << "" << "-12.";
    QTest::newRow("after typed digits") << "5" << "12" << "" << "512.";
    QTest::newRow("as the display shows it") << "5+" << "3." << "=" << "8.00";
    QTest::newRow("exponent as shown") << "" << "5.e-002" << "" << "5.e-002";
    QTest::newRow("junk") << "5" << "12 apples" << "" << "5.";
    QTest::newRow("European") << "" << "1.234,50" << "" << "0.";
    QTest::newRow("no text") << "7" << "(none)" << "" << "7.";
}

void DesktopCommandsTest::pasteTypesTheNumber() {
    QFETCH(QString, typedFirst);
    QFETCH(QString, clipboard);
    QFETCH(QString, typedAfter);
    QFETCH(QString, display);
    AppRig rig;
    rig.control(1000)->setFocus();
    rig.type(typedFirst);
    if (clipboard == QStringLiteral("(none)")) {
        auto* image = new QMimeData;
        image->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
        QApplication::clipboard()->setMimeData(image);
    } else {
        QApplication::clipboard()->setText(clipboard);
    }
    rig.press(Qt::Key_V, Qt::ControlModifier);
    rig.type(typedAfter);
    QCOMPARE(rig.display(), display);
}

void DesktopCommandsTest::tapeMenuOffersCopyCopyTapeAndSelectAll() {
    AppRig rig;
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("5+3="));
    QWidget* tape = rig.view().tape().viewport();
    QStringList items;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : menu->actions()) items << a->text() + (a->isEnabled() ? "" : " (off)");
            menu->actions().at(1)->trigger();  // Copy Tape
            menu->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), tape->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(tape, &event);
    QCOMPARE(items, (QStringList{"&Copy (off)", "Copy &Tape", "Select &All"}));
    QCOMPARE(clipboardText(), QStringLiteral(" 5.00\n +\n 3.00\n =\n 8.00\n"));
}

void DesktopCommandsTest::recentTapesInTheFileMenu() {
    QTemporaryDir dir;
    const QString first = dir.filePath("first & last.cal"), second = dir.filePath("second.cal"),
                  gone = dir.filePath("gone.cal");
    QVERIFY(writeCalFile(first.toStdString(), " 7.00\r\n").ok);
    QVERIFY(writeCalFile(second.toStdString(), " 6.00\r\n *\r\n 7.00\r\n =\r\n 42.00\r\n").ok);
    shell::RecentFiles list;
    for (const QString& f : {second, gone, first}) list.add(f.toStdString());
    QVERIFY(list.save(recentListFile()));

    AppRig rig;
    const QList<QAction*> items = rig.frame().desktopCommands().recentTapes().items();
    QStringList texts;
    for (QAction* item : items)
        if (item->isVisible()) texts << item->text() + " | " + item->toolTip();
    QCOMPARE(texts, (QStringList{"&1 first && last.cal | " + first, "&2 gone.cal | " + gone,
                                 "&3 second.cal | " + second}));
    // At the end of the File menu, above Exit.
    const QList<QAction*> file =
        qobject_cast<QMenu*>(rig.frame().action(cmd::Exit)->associatedObjects().at(0))->actions();
    QCOMPARE(file.indexOf(items[0]), file.indexOf(rig.frame().action(cmd::Exit)) - 5);

    // A file that has gone is reported and taken off the list, kept so.
    rig.modals.expect(QStringLiteral("ZOVREK"), messageContaining("no longer there"));
    items[1]->trigger();
    ZOVREK_VERIFY_MODALS(rig.modals);
    QVERIFY(!items[2]->isVisible());
    QCOMPARE(shell::RecentFiles::load(recentListFile()).files().size(), std::size_t(2));

    // Opened as File Open does: the last number shown, the file first on the list.
    items[1]->trigger();
    QCOMPARE(rig.display(), QStringLiteral("42.00"));
    QCOMPARE(rig.frame().windowTitle(), QStringLiteral("second.cal - ZOVREK"));
    QCOMPARE(shell::RecentFiles::load(recentListFile()).files().front(), second.toStdString());

    // A changed tape asks first; Cancel keeps it, and a later File Open asks for its file.
    rig.type(QStringLiteral("+1="));
    const std::string changed = rig.tape();
    rig.frame().desktopCommands().recentTapes().update();
    rig.modals.expect(QStringLiteral("Save Tape?"), QDialog::Rejected);
    items[1]->trigger();
    QCOMPARE(rig.tape(), changed);
    rig.modals.expect(QStringLiteral("Save Tape?"), [](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("control1074"))->click();
        return d.result();
    });
    rig.modals.expect(QStringLiteral("Open"), QDialog::Rejected);
    rig.frame().action(cmd::FileOpen)->trigger();
    ZOVREK_VERIFY_MODALS(rig.modals);
}

void DesktopCommandsTest::exportTapeWritesCsv() {
    QTemporaryDir dir;
    AppRig rig;
    QAction* exportTape = rig.frame().action(cmd::ExportTape);
    QMenu* file = qobject_cast<QMenu*>(exportTape->associatedObjects().at(0));
    emit file->aboutToShow();
    QVERIFY(!exportTape->isEnabled());  // an empty tape

    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("5+3="));
    emit file->aboutToShow();
    QVERIFY(exportTape->isEnabled());
    rig.modals.expect(QStringLiteral("Export Tape"), chooseFile(dir.filePath("sum")));
    exportTape->trigger();
    QCOMPARE(readFile(dir.filePath("sum.csv")),
             std::string("line,note,entry,value,kind\r\n1,,5.00,5.00,number\r\n"
                         "2,,+,,operator\r\n3,,3.00,3.00,number\r\n4,,=,,operator\r\n"
                         "5,,8.00,8.00,total\r\n"));

    rig.modals.expect(QStringLiteral("Export Tape"), chooseFile(dir.filePath("no/such/t.csv")))
        .expect(QStringLiteral("ZOVREK"), messageContaining("Could not save"));
    exportTape->trigger();
    ZOVREK_VERIFY_MODALS(rig.modals);
    QCOMPARE(rig.frame().windowTitle(), QStringLiteral("Untitled - ZOVREK"));
}

QTEST_MAIN(DesktopCommandsTest)
#include "desktop_commands_test.moc"
