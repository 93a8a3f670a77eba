// The main window driven as a user drives it: keys from every focus, menus, file commands,
// dropped files, closing.

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QFileDialog>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolBar>
#include <fstream>

#include "app_rig.h"
#include "engine/command_ids.h"
#include "shell/qt/bitmap_button.h"
#include "shell/settings_files.h"
#include "tape/cal_file.h"
#include "tape/qt/tape_printing.h"

using namespace zovrek;
using zovrek::testing::AppRig;
using zovrek::testing::chooseFile;

namespace {

QAction* menuAction(AppRig& rig, int id) { return rig.frame().action(id); }

// Opens the menu that holds `id`, as the user does, so its check marks are brought up to date.
bool checkedInMenu(AppRig& rig, int id) {
    QAction* action = menuAction(rig, id);
    for (QObject* o : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(o)) emit menu->aboutToShow();
    return action->isChecked();
}

std::string readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { testing::forgetSettings(); }

    void everyKeyGivesItsCommandFromEveryFocus_data();
    void everyKeyGivesItsCommandFromEveryFocus();
    void digitsOnEveryLayout_data();
    void digitsOnEveryLayout();
    void keysRunAtOnceAndShowTheButtonPressed();
    void enterAndSpaceOnAFocusedButtonAreNoClicks();
    void tabFollowsTheTemplateOrder();
    void formMatchesTheTemplate();
    void menuCheckMarksFollowTheSettings();
    void colourCommandReloadsTheTapeFromTheDocument();
    void keepAsTopWindowToggles();
    void saveAsOpenAndNewRoundTrip();
    void saveTapeDialogKeys();
    void failedSaveIsReportedAndTheTapeKept();
    void droppedFileOpensAsOpenDoes();
    void closeAsksAndCancelKeepsTheProgram();
    void previewCloseRules();
    void commandLineFile();
    void outOfRangeWarningShowsOnce();
};

void MainWindowTest::everyKeyGivesItsCommandFromEveryFocus_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("command");  // 0: the key reaches the focused control
    const int kp = Qt::KeypadModifier;
    struct Row {
        const char* name;
        int key;
        int modifiers;
        int command;
    };
    const Row rows[] = {
        {"7", Qt::Key_7, 0, cmd::Seven},
        {"keypad 7", Qt::Key_7, kp, cmd::Seven},
        {"0", Qt::Key_0, 0, cmd::Zero},
        {"keypad 0", Qt::Key_0, kp, cmd::Zero},
        {"8 alone", Qt::Key_8, 0, cmd::Eight},
        {"point", Qt::Key_Period, 0, cmd::Decimal},
        {"keypad point", Qt::Key_Period, kp, cmd::Decimal},
        {"keypad comma", Qt::Key_Comma, kp, cmd::Decimal},
        {"plus", Qt::Key_Plus, Qt::ShiftModifier, cmd::Plus},
        {"keypad plus", Qt::Key_Plus, kp, cmd::Plus},
        {"minus", Qt::Key_Minus, 0, cmd::Minus},
        {"keypad minus", Qt::Key_Minus, kp, cmd::Minus},
        {"star (Shift+8)", Qt::Key_Asterisk, Qt::ShiftModifier, cmd::Times},
        {"keypad star", Qt::Key_Asterisk, kp, cmd::Times},
        {"slash", Qt::Key_Slash, 0, cmd::Divide},
        {"keypad slash", Qt::Key_Slash, kp, cmd::Divide},
        {"equals", Qt::Key_Equal, 0, cmd::Equal},
        {"Enter", Qt::Key_Return, 0, cmd::Equal},
        {"keypad Enter", Qt::Key_Enter, kp, cmd::Equal},
        {"Backspace", Qt::Key_Backspace, 0, cmd::Back},
        {"Esc", Qt::Key_Escape, 0, cmd::ClearEntry},
        {"Ctrl+Delete", Qt::Key_Delete, Qt::ControlModifier, cmd::Clear},
        {"Ctrl+Alt+Enter", Qt::Key_Return, Qt::ControlModifier | Qt::AltModifier, cmd::ClearAll},
        {"F4", Qt::Key_F4, 0, cmd::PlusMinus},
        {"F5", Qt::Key_F5, 0, cmd::Squared},
        {"F6", Qt::Key_F6, 0, cmd::Sqrt},
        {"F7", Qt::Key_F7, 0, cmd::Percent},
        {"F8", Qt::Key_F8, 0, cmd::Invert},
        {"F9", Qt::Key_F9, 0, cmd::MemoryPlus},
        {"F10", Qt::Key_F10, 0, cmd::MemoryMinus},
        {"F11", Qt::Key_F11, 0, cmd::MemoryRecall},
        {"F12", Qt::Key_F12, 0, cmd::MemoryClear},
        {"Ctrl+D", Qt::Key_D, Qt::ControlModifier, cmd::MemorySelect},
        {"Ctrl+U", Qt::Key_U, Qt::ControlModifier, cmd::DigitUp},
        {"Alt+E", Qt::Key_E, Qt::AltModifier, cmd::TapeEdit},
        {"Space", Qt::Key_Space, 0, cmd::CalculatorMode},
        {"Ctrl+S saves", Qt::Key_S, Qt::ControlModifier, cmd::FileSave},
        {"Ctrl+Insert copies", Qt::Key_Insert, Qt::ControlModifier, cmd::EditCopy},
        {"Shift+5 is no key", Qt::Key_Percent, Qt::ShiftModifier, 0},
        {"a letter is no key", Qt::Key_A, 0, 0},
        {"Ctrl+8 is no key", Qt::Key_8, Qt::ControlModifier, 0},
    };
    for (const Row& r : rows) QTest::newRow(r.name) << r.key << r.modifiers << r.command;
}

void MainWindowTest::everyKeyGivesItsCommandFromEveryFocus() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, command);
    // The display, the tape, a keypad button and the memory number.
    for (const int focus : {1000, 1034, 1008, 1150}) {
        AppRig rig;
        rig.control(focus)->setFocus();
        QSignalSpy run(&rig.frame(), &qt::CMainFrame::commandRun);
        QTest::keyClick(rig.control(focus), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        const QList<int> expected = command ? QList<int>{command} : QList<int>{};
        QList<int> got;
        for (const auto& args : run) got << args.at(0).toInt();
        QVERIFY2(got == expected, qPrintable(QStringLiteral("focus %1").arg(focus)));
        ZOVREK_VERIFY_MODALS(rig.modals);
    }
}

// Keys as X11 reports them on other layouts: what the key types and where it sits (the
// X key code: 10..19 are the top row's 1..9, 0).
void MainWindowTest::digitsOnEveryLayout_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("scanCode");
    QTest::addColumn<int>("command");
    const int shift = Qt::ShiftModifier;
    struct Row {
        const char* name;
        int key, modifiers;
        const char* text;
        int scanCode, command;
    };
    const Row rows[] = {
        {"French: top-row 1 types &", Qt::Key_Ampersand, 0, "&", 10, cmd::One},
        {"French: top-row 0 types a grave", Qt::Key_Agrave, 0, "\u00e0", 19, cmd::Zero},
        {"French: top-row 6 types - (a key)", Qt::Key_Minus, 0, "-", 15, cmd::Minus},
        {"French: top-row 7 types e grave", Qt::Key_Egrave, 0, "\u00e8", 16, cmd::Seven},
        {"French: Shift+1 types 1", Qt::Key_1, shift, "1", 10, cmd::One},
        {"French: Shift+8 types 8", Qt::Key_8, shift, "8", 17, cmd::Eight},
        {"French: AltGr+0 types @", Qt::Key_At, Qt::GroupSwitchModifier, "@", 19, 0},
        {"French: Ctrl+top-row 1", Qt::Key_Ampersand, Qt::ControlModifier, "", 10, 0},
        {"German: 8", Qt::Key_8, 0, "8", 17, cmd::Eight},
        {"German: Shift+8 types (", Qt::Key_ParenLeft, shift, "(", 17, 0},
        {"German: Shift++ types *", Qt::Key_Asterisk, shift, "*", 35, cmd::Times},
        {"US: Shift+8 types *", Qt::Key_Asterisk, shift, "*", 17, cmd::Times},
        {"minus key outside the top row", Qt::Key_Minus, 0, "-", 20, cmd::Minus},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << r.key << r.modifiers << QString::fromUtf8(r.text) << r.scanCode
                              << r.command;
}

void MainWindowTest::digitsOnEveryLayout() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, scanCode);
    QFETCH(int, command);
    // The display, where a digit that is no command would be typed, and a keypad button.
    for (const int focus : {1000, 1008}) {
        AppRig rig;
        QWidget* target = rig.control(focus);
        target->setFocus();
        QSignalSpy run(&rig.frame(), &qt::CMainFrame::commandRun);
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), quint32(scanCode),
                        0, 0, text);
        QApplication::sendEvent(target, &press);
        QList<int> got;
        for (const auto& args : run) got << args.at(0).toInt();
        QCOMPARE(got, command ? QList<int>{command} : QList<int>{});
    }
}

void MainWindowTest::keysRunAtOnceAndShowTheButtonPressed() {
    AppRig rig;
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("12.5*4="));
    QCOMPARE(rig.display(), QStringLiteral("50.00"));
    QCOMPARE(rig.tape(), std::string(" 12.50\r\n *\r\n 4.00\r\n =\r\n 50.00\r\n"));
    auto* equal = rig.view().keypadButton(cmd::Equal);
    QVERIFY(equal->isDown());  // the picture only, for a moment
    QTRY_VERIFY(!equal->isDown());
}

void MainWindowTest::enterAndSpaceOnAFocusedButtonAreNoClicks() {
    AppRig rig;
    rig.calc().m_tapeMode = 1;
    auto* seven = rig.view().keypadButton(cmd::Seven);
    seven->setFocus();
    QSignalSpy clicked(seven, &QPushButton::clicked);
    rig.press(Qt::Key_Return);
    rig.press(Qt::Key_Space);
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(rig.display(), QStringLiteral("0."));
    QCOMPARE(rig.calc().m_tapeMode, 0);  // Space: the calculator tape mode
}

void MainWindowTest::tabFollowsTheTemplateOrder() {
    AppRig rig;
    const QStringList expected = {
        "control1007", "control1034", "control1000", "control1041", "control1006",
        "control1011", "control1010", "control1009", "control1008", "control1035",
        "control1001", "control1018", "control1015", "control1014", "control1013",
        "control1012", "control1002", "control1023", "control1022", "control1021",
        "control1020", "control1019", "control1003", "control1028", "control1026",
        "control1027", "control1025", "control1024", "control1004", "control1029",
        "control1030", "control1016", "control1042", "control1061", "control1062",
        "control1150", "control1007"};
    rig.control(1007)->setFocus();
    QStringList seen = {QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        rig.press(Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, expected);
}

void MainWindowTest::formMatchesTheTemplate() {
    AppRig rig;
    // Dialog units to pixels at 1.5 and 1.625; bitmap buttons take their pictures' size.
    QCOMPARE(rig.view().size(), QSize(347, 306));
    QCOMPARE(rig.control(1034)->geometry(), QRect(213, 2, 132, 300));
    QCOMPARE(rig.control(1000)->geometry(), QRect(3, 5, 203, 23));
    QCOMPARE(rig.control(1008)->geometry(), QRect(45, 65, 36, 25));
    QCOMPARE(rig.control(1062)->geometry(), QRect(170, 252, 30, 43));
    QCOMPARE(rig.control(1029)->geometry().size(), QSize(48, 25));
    // Fixed size, no maximize box.
    QCOMPARE(rig.frame().minimumSize(), rig.frame().maximumSize());
    QVERIFY(!(rig.frame().windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(rig.frame().windowTitle(), QStringLiteral("Untitled - ZOVREK"));
    QCOMPARE(rig.frame().toolBar()->actions().size(), 9);
}

void MainWindowTest::menuCheckMarksFollowTheSettings() {
    AppRig rig;
    QVERIFY(checkedInMenu(rig, cmd::ColorBlue));
    QVERIFY(!checkedInMenu(rig, cmd::ColorYellow));
    QVERIFY(checkedInMenu(rig, cmd::Sounds));
    QVERIFY(checkedInMenu(rig, cmd::Voice));
    QVERIFY(checkedInMenu(rig, cmd::CalculatorMode));
    QVERIFY(!checkedInMenu(rig, cmd::AddingMachineMode));
    menuAction(rig, cmd::ColorYellow)->trigger();
    menuAction(rig, cmd::Voice)->trigger();
    menuAction(rig, cmd::AddingMachineMode)->trigger();
    QVERIFY(checkedInMenu(rig, cmd::ColorYellow));
    QVERIFY(!checkedInMenu(rig, cmd::ColorBlue));
    QVERIFY(!checkedInMenu(rig, cmd::Voice));
    QVERIFY(checkedInMenu(rig, cmd::AddingMachineMode));
    QVERIFY(!checkedInMenu(rig, cmd::CalculatorMode));
    // Saved at once: the second byte of the choices file is the colour, the third the mode.
    const std::string choices =
        readFile(qEnvironmentVariable("ZOVREK_CONFIG_DIR") + QStringLiteral("/decimal.dat"));
    QCOMPARE(QString::fromStdString(choices), QStringLiteral("3111010"));
}

void MainWindowTest::colourCommandReloadsTheTapeFromTheDocument() {
    AppRig rig;
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("5+3=2+"));
    QCOMPARE(rig.tape(),
             std::string(" 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n @\r\n 2.00\r\n +\r\n"));
    menuAction(rig, cmd::ColorYellow)->trigger();
    // The document's copy, taken at the last equals.
    QCOMPARE(rig.tape(), std::string(" 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n"));
    QCOMPARE(rig.view().tape().lineCount(), std::size_t(6));
    QCOMPARE(rig.view().tape().firstVisibleLine(), std::size_t(0));
    QCOMPARE(rig.calc().m_memoryNumber, 1);
}

void MainWindowTest::keepAsTopWindowToggles() {
    AppRig rig;
    const QRect before = rig.frame().geometry();
    QAction* top = menuAction(rig, cmd::KeepOnTop);
    top->trigger();
    QVERIFY(rig.frame().windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(checkedInMenu(rig, cmd::KeepOnTop));
    top->trigger();
    QVERIFY(!(rig.frame().windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(!checkedInMenu(rig, cmd::KeepOnTop));
    QCOMPARE(rig.frame().geometry(), before);
    QVERIFY(rig.frame().isVisible());
}

void MainWindowTest::saveAsOpenAndNewRoundTrip() {
    QTemporaryDir dir;
    AppRig rig;
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("5+3="));
    rig.modals.expect(QStringLiteral("Save As"), chooseFile(dir.filePath("sum")));
    menuAction(rig, cmd::FileSave)->trigger();
    const QString saved = dir.filePath("sum.cal");  // the default extension added
    QCOMPARE(rig.frame().windowTitle(), QStringLiteral("sum.cal - ZOVREK"));
    QCOMPARE(readCalFile(saved.toStdString()).text, rig.tape());
    QCOMPARE(shell::RecentFiles::load(shell::settingsFolder() / shell::kRecentFilesName).files(),
             std::vector<std::filesystem::path>{saved.toStdString()});

    // New: saved since the last change, so no question; then Open the file again.
    menuAction(rig, cmd::FileNew)->trigger();
    QCOMPARE(rig.tape(), std::string());
    QCOMPARE(rig.frame().windowTitle(), QStringLiteral("Untitled - ZOVREK"));
    rig.modals.expect(QStringLiteral("Open"), chooseFile(saved));
    menuAction(rig, cmd::FileOpen)->trigger();
    QCOMPARE(rig.tape(), std::string(" 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n"));
    QCOMPARE(rig.display(), QStringLiteral("8.00"));
    QCOMPARE(rig.frame().windowTitle(), QStringLiteral("sum.cal - ZOVREK"));

    // A changed tape asks before New; No drops it.
    rig.type(QStringLiteral("+1="));
    // What the control shows and copies is the tape, with no empty line after the loaded one.
    QCOMPARE(rig.tape(), std::string(rig.calc().m_tape.view()));
    rig.view().tape().selectAll();
    QVERIFY(!rig.view().tape().selectedText().contains(QStringLiteral("\n\n")));
    rig.modals.expect(QStringLiteral("Save Tape?"), [](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("control1074"))->click();
        return d.result();
    });
    menuAction(rig, cmd::FileNew)->trigger();
    QCOMPARE(rig.tape(), std::string());
    QCOMPARE(rig.display(), QStringLiteral("0."));
    ZOVREK_VERIFY_MODALS(rig.modals);
}

void MainWindowTest::saveTapeDialogKeys() {
    struct Case {
        Qt::Key key;
        SaveTapeChoice expected;
    };
    for (const Case c : {Case{Qt::Key_Return, SaveTapeChoice::Ok},
                         Case{Qt::Key_Escape, SaveTapeChoice::Cancel},
                         Case{Qt::Key_Space, SaveTapeChoice::No}}) {
        AppRig rig;
        SaveTapeChoice got{};
        rig.modals.expect(QStringLiteral("Save Tape?"), [&](QDialog& d) {
            d.show();
            // Left to right OK, No, Cancel; the focus on No.
            auto* ok = d.findChild<QWidget*>(QStringLiteral("control1"));
            auto* no = d.findChild<QWidget*>(QStringLiteral("control1074"));
            auto* cancel = d.findChild<QWidget*>(QStringLiteral("control2"));
            if (!(ok->x() < no->x() && no->x() < cancel->x())) return -1;
            if (d.focusWidget() != no) return -1;
            QTest::keyClick(no, c.key);
            return d.result();
        });
        got = rig.view().askSaveTape();
        QCOMPARE(got, c.expected);
        ZOVREK_VERIFY_MODALS(rig.modals);
    }
}

void MainWindowTest::failedSaveIsReportedAndTheTapeKept() {
    QTemporaryDir dir;
    AppRig rig;
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("2*3="));
    const std::string tape = rig.tape();
    rig.modals.expect(QStringLiteral("Save As"), chooseFile(dir.filePath("no/such/folder/t.cal")))
        .expect(QStringLiteral("ZOVREK"), [](QDialog& d) {
            const QString text = static_cast<QMessageBox&>(d).text();
            return text.contains("t.cal") && text.contains("No such file") ? int(QMessageBox::Ok)
                                                                           : -1;
        });
    menuAction(rig, cmd::FileSaveAs)->trigger();
    ZOVREK_VERIFY_MODALS(rig.modals);
    QCOMPARE(rig.tape(), tape);
    QCOMPARE(rig.frame().windowTitle(), QStringLiteral("Untitled - ZOVREK"));
}

void MainWindowTest::droppedFileOpensAsOpenDoes() {
    QTemporaryDir dir;
    const QString path = dir.filePath("dropped.cal");
    QVERIFY(writeCalFile(path.toStdString(), " 7.00\r\n *\r\n 6.00\r\n =\r\n 42.00\r\n").ok);
    AppRig rig;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = rig.frame().rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&rig.frame(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&rig.frame(), &drop);
    QCOMPARE(rig.display(), QStringLiteral("42.00"));
    QCOMPARE(rig.frame().windowTitle(), QStringLiteral("dropped.cal - ZOVREK"));
}

void MainWindowTest::closeAsksAndCancelKeepsTheProgram() {
    AppRig rig;
    rig.modals.expect(QStringLiteral("Close Program!"), QDialog::Rejected);
    rig.frame().close();
    QVERIFY(rig.frame().isVisible());
    rig.modals.expect(QStringLiteral("Close Program!"), QDialog::Accepted);
    menuAction(rig, cmd::Exit)->trigger();
    QVERIFY(!rig.frame().isVisible());
    ZOVREK_VERIFY_MODALS(rig.modals);
}

void MainWindowTest::previewCloseRules() {
    AppRig rig;
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("5+3="));
    rig.modals.expect(QStringLiteral("Tape Title"), QDialog::Accepted);
    menuAction(rig, cmd::PrintPreview)->trigger();
    QVERIFY(rig.frame().printing().previewing());
    QVERIFY(!menuAction(rig, cmd::FileSave)->isEnabled());  // the calculator's commands rest
    // The program's close box ends the preview without asking.
    rig.frame().close();
    QVERIFY(!rig.frame().printing().previewing());
    QVERIFY(rig.frame().isVisible());
    QCOMPARE(rig.frame().centralWidget(), &rig.view());
    QVERIFY(menuAction(rig, cmd::FileSave)->isEnabled());
    rig.modals.expect(QStringLiteral("Close Program!"), QDialog::Rejected);
    rig.frame().close();
    QVERIFY(rig.frame().isVisible());
    // A preview closed by its own button: the next close asks nothing.
    menuAction(rig, cmd::PrintPreview)->trigger();
    const auto buttons = rig.frame().centralWidget()->findChildren<QAbstractButton*>();
    const auto close = std::find_if(buttons.begin(), buttons.end(), [](QAbstractButton* b) {
        return b->text() == QStringLiteral("&Close");
    });
    QVERIFY(close != buttons.end());
    (*close)->click();
    QCOMPARE(rig.frame().centralWidget(), &rig.view());
    rig.frame().close();
    QVERIFY(!rig.frame().isVisible());
    ZOVREK_VERIFY_MODALS(rig.modals);
}

void MainWindowTest::commandLineFile() {
    QTemporaryDir dir;
    const QString good = dir.filePath("start.cal");
    QVERIFY(writeCalFile(good.toStdString(), " 9.00\r\n").ok);
    {
        AppRig rig({good});
        QVERIFY(rig.started);
        QCOMPARE(rig.tape(), std::string(" 9.00\r\n"));
        QCOMPARE(rig.display(), QStringLiteral("0."));  // Open's last-number step is not run
        QCOMPARE(rig.frame().windowTitle(), QStringLiteral("start.cal - ZOVREK"));
    }
    testing::ModalScript outer;
    outer.expect(QStringLiteral("ZOVREK"), QMessageBox::Ok);
    qt::CZOVREKApp app;
    QVERIFY(!app.InitInstance({dir.filePath("missing.cal")}));
    ZOVREK_VERIFY_MODALS(outer);
}

void MainWindowTest::outOfRangeWarningShowsOnce() {
    AppRig rig;
    rig.modals.expect(QStringLiteral("Out Of Range Value!"), QDialog::Accepted);
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("1234567890123456+1+"));
    ZOVREK_VERIFY_MODALS(rig.modals);
    QVERIFY(rig.tape().find("1.23456789012e+015") != std::string::npos);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
