// What the main window offers beyond the calculator's own menu and keys, driven as a user does:
// the desktop's shortcuts, copy and paste, the recent tapes and the CSV export.

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "app/desktop_commands.h"
#include "app/keyboard.h"
#include "app/recent_tapes_menu.h"
#include "app/tape_export.h"
#include "app_rig.h"
#include "editor/tape_csv.h"
#include "engine/command_ids.h"
#include "menus/desktop_commands.h"
#include "shell/qt/qt_text.h"
#include "shell/settings_files.h"
#include "tape/cal_file.h"

using namespace zovrek;
using zovrek::testing::AppRig;
using zovrek::testing::chooseFile;

namespace {

qt::Modal::Answerer messageContaining(const QString& part) {
    return [part](QDialog& d) {
        return static_cast<QMessageBox&>(d).text().contains(part) ? int(QMessageBox::Ok) : -1;
    };
}

QString clipboardText() { return QApplication::clipboard()->text(); }

std::filesystem::path recentListFile() { return shell::settingsFolder() / shell::kRecentFilesName; }

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
    void recentTapesInTheFileMenu();
    void exportTapeWritesCsv();
    void longTapeExportsWhileTheCalculatorGoesOn();
};

void DesktopCommandsTest::desktopKeysFromEveryFocus_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("window");  // the modal window the command opens, if any
    const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    QTest::newRow("Ctrl+N") << int(Qt::Key_N) << ctrl << cmd::FileNew << "";
    QTest::newRow("Ctrl+O") << int(Qt::Key_O) << ctrl << cmd::FileOpen << "Open";
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << cmd::FileSave << "";
    QTest::newRow("Ctrl+Shift+S") << int(Qt::Key_S) << (ctrl | shift) << cmd::FileSaveAs << "";
    QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << ctrl << cmd::Exit << "Close Program!";
    QTest::newRow("F1") << int(Qt::Key_F1) << 0 << cmd::HelpIndex << "";
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << cmd::EditCopy << "";
    QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert) << ctrl << cmd::EditCopy << "";
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << cmd::EditPaste << "";
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << shift << cmd::EditPaste << "";
    QTest::newRow("Ctrl+Shift+C") << int(Qt::Key_C) << (ctrl | shift) << cmd::CopyTape << "";
}

void DesktopCommandsTest::desktopKeysFromEveryFocus() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, command);
    QFETCH(QString, window);
    // The display, an edit that knows Ctrl+C and Ctrl+V itself, and the tape.
    for (const int focus : {1000, 1034}) {
        AppRig rig;
        if (QAction* item = rig.frame().action(command))  // shown in its menu item
            QVERIFY(item->shortcuts().contains(QKeySequence(key | modifiers)));
        if (!window.isEmpty()) rig.modals.expect(window, QDialog::Rejected);
        rig.control(focus)->setFocus();
        QSignalSpy run(&rig.frame(), &qt::CMainFrame::commandRun);
        QTest::keyClick(rig.control(focus), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(run.count(), 1);
        QCOMPARE(run.at(0).at(0).toInt(), command);
        ZOVREK_VERIFY_MODALS(rig.modals);
    }
}

void DesktopCommandsTest::noKeyOfTheTableChangesMeaning() {
    // Only Ctrl+S is in the table too, where it named a command nothing handled.
    for (const menus::DesktopKey& desktop : menus::kDesktopKeys) {
        for (const QKeySequence& keys : QKeySequence::listFromString(qt::uiText(desktop.keys))) {
            const QKeyEvent event(QEvent::KeyPress, keys[0].key(), keys[0].keyboardModifiers());
            const int expected = keys == QKeySequence(Qt::CTRL | Qt::Key_S) ? cmd::EditSelectAll : 0;
            QCOMPARE(qt::KeyboardFilter::commandOf(event), expected);
        }
    }
}

void DesktopCommandsTest::copyTakesTheSelectionElseTheDisplay() {
    AppRig rig;
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("12.5*4="));
    rig.press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboardText(), QStringLiteral("50.00"));
    rig.view().form().edit(1000)->setSelection(0, 2);
    rig.press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboardText(), QStringLiteral("50"));
    rig.control(1034)->setFocus();
    rig.view().tape().selectAll();
    rig.press(Qt::Key_Insert, Qt::ControlModifier);
    const QString wholeTape = QStringLiteral(" 12.50\n *\n 4.00\n =\n 50.00\n");
    QCOMPARE(clipboardText(), wholeTape);

    // The tape's menu: Copy (the selected lines), Copy Tape and Select All.
    QApplication::clipboard()->clear();
    rig.control(1000)->setFocus();
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* a : menu->actions()) items << a->text();
        menu->actions().at(1)->trigger();
        menu->close();
    });
    QWidget* tape = rig.view().tape().viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), tape->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(tape, &event);
    QCOMPARE(items, (QStringList{"&Copy", "Copy &Tape", "Select &All"}));
    QCOMPARE(clipboardText(), wholeTape);
}

void DesktopCommandsTest::pasteTypesTheNumber_data() {
    QTest::addColumn<QString>("typedFirst");
    QTest::addColumn<QString>("clipboard");  // "(none)": the clipboard holds no text
    QTest::addColumn<QString>("typedAfter");
    QTest::addColumn<QString>("display");
    QTest::newRow("grouped, spaces and minus") << "" << " -1,234.50\n" << "" << "-1234.5";
    QTest::newRow("as the display shows it") << "5+" << "3." << "=" << "8.00";
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
    auto* data = new QMimeData;
    if (clipboard == QStringLiteral("(none)"))
        data->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
    else
        data->setText(clipboard);
    QApplication::clipboard()->setMimeData(data);
    rig.press(Qt::Key_V, Qt::ControlModifier);
    rig.type(typedAfter);
    QCOMPARE(rig.display(), display);
}

void DesktopCommandsTest::recentTapesInTheFileMenu() {
    QTemporaryDir dir;
    const QString first = dir.filePath("a & b.cal"), second = dir.filePath("second.cal"),
                  gone = dir.filePath("gone.cal");
    QVERIFY(writeCalFile(first.toStdString(), " 7.00\r\n").ok);
    QVERIFY(writeCalFile(second.toStdString(), " 6.00\r\n *\r\n 7.00\r\n =\r\n 42.00\r\n").ok);
    shell::RecentFiles list;
    for (const QString& f : {second, gone, first}) list.add(f.toStdString());
    QVERIFY(list.save(recentListFile()));

    AppRig rig;
    const QList<QAction*> items = rig.frame().desktopCommands().recentTapes().items();
    QStringList shown;
    for (QAction* item : items)
        if (item->isVisible()) shown << item->text() + " | " + item->toolTip();
    QCOMPARE(shown, (QStringList{"&1 a && b.cal | " + first, "&2 gone.cal | " + gone,
                                 "&3 second.cal | " + second}));
    // Last in the File menu: the four items and a separator, then Exit.
    QAction* exit = rig.frame().action(cmd::Exit);
    const QList<QAction*> file = qobject_cast<QMenu*>(exit->associatedObjects().at(0))->actions();
    QCOMPARE(file.indexOf(items[0]), file.indexOf(exit) - 5);

    // A file that has gone is reported and taken off the list, for good.
    rig.modals.expect(QStringLiteral("ZOVREK"), messageContaining("no longer there"));
    items[1]->trigger();
    QVERIFY(!items[2]->isVisible());
    QCOMPARE(shell::RecentFiles::load(recentListFile()).files().size(), std::size_t(2));

    // Opened as File Open opens it, and first on the list.
    items[1]->trigger();
    QCOMPARE(rig.display(), QStringLiteral("42.00"));
    QCOMPARE(shell::RecentFiles::load(recentListFile()).files().front(), second.toStdString());

    // A changed tape asks first; after Cancel, File Open still asks which file.
    rig.type(QStringLiteral("+1="));
    rig.modals.expect(QStringLiteral("Save Tape?"), QDialog::Rejected)
        .expect(QStringLiteral("Save Tape?"),
                [](QDialog& d) {
                    d.findChild<QPushButton*>(QStringLiteral("control1074"))->click();
                    return d.result();
                })
        .expect(QStringLiteral("Open"), QDialog::Rejected);
    items[1]->trigger();
    QVERIFY(rig.tape().ends_with(" 43.00\r\n"));
    rig.frame().action(cmd::FileOpen)->trigger();
    ZOVREK_VERIFY_MODALS(rig.modals);
}

void DesktopCommandsTest::exportTapeWritesCsv() {
    QTemporaryDir dir;
    AppRig rig;
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("5+3="));
    QAction* exportTape = rig.frame().action(cmd::ExportTape);
    rig.modals.expect(QStringLiteral("Export Tape"), chooseFile(dir.filePath("sum")))
        .expect(QStringLiteral("Export Tape"), chooseFile(dir.filePath("no/such/t.csv")))
        .expect(QStringLiteral("ZOVREK"), messageContaining("Could not save"));
    exportTape->trigger();
    QTRY_VERIFY(!rig.frame().desktopCommands().tapeExport()->running());
    exportTape->trigger();
    QTRY_VERIFY(!rig.frame().desktopCommands().tapeExport()->running());
    ZOVREK_VERIFY_MODALS(rig.modals);
    std::ifstream in(dir.filePath("sum.csv").toStdString(), std::ios::binary);
    QCOMPARE(std::string(std::istreambuf_iterator<char>(in), {}),
             std::string("line,note,entry,value,kind\r\n1,,5.00,5.00,number\r\n"
                         "2,,+,,operator\r\n3,,3.00,3.00,number\r\n4,,=,,operator\r\n"
                         "5,,8.00,8.00,total\r\n"));
}

// Written off the window's thread: keys typed meanwhile go on the tape, the file holds the
// tape as it was when Export was chosen, and a program closed meanwhile finishes it first.
void DesktopCommandsTest::longTapeExportsWhileTheCalculatorGoesOn() {
    QTemporaryDir dir;
    std::string tape;
    for (int i = 0; i < 50000; ++i) tape += " 1234.50\r\n +\r\n";
    const QString file = dir.filePath("long.cal");
    QVERIFY(writeCalFile(file.toStdString(), tape).ok);
    std::ostringstream expected;
    QVERIFY(writeTapeCsv(expected, tape));
    const auto csvOf = [&](const char* name) {
        std::ifstream in(dir.filePath(name).toStdString(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    {
        AppRig rig({file});
        rig.control(1000)->setFocus();
        rig.modals.expect(QStringLiteral("Export Tape"), chooseFile(dir.filePath("first.csv")))
            .expect(QStringLiteral("Export Tape"), chooseFile(dir.filePath("second.csv")));
        rig.frame().runCommand(cmd::ExportTape);
        rig.type(QStringLiteral("5+3="));
        QVERIFY(rig.tape().ends_with(" 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n"));
        QTRY_VERIFY_WITH_TIMEOUT(!rig.frame().desktopCommands().tapeExport()->running(), 60000);
        QCOMPARE(csvOf("first.csv"), expected.str());
        QVERIFY(rig.frame().desktopCommands().tapeExport()->progressBar()->isHidden());

        rig.frame().runCommand(cmd::FileSave);
        rig.frame().runCommand(cmd::ExportTape);
        ZOVREK_VERIFY_MODALS(rig.modals);
    }
    std::ostringstream saved;
    QVERIFY(writeTapeCsv(saved, readCalFile(file.toStdString()).text));
    QCOMPARE(csvOf("second.csv"), saved.str());
}

QTEST_MAIN(DesktopCommandsTest)
#include "desktop_commands_test.moc"
