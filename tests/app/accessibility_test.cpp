// What a screen reader finds in every window: a name and a role for each control, keypad
// buttons that press through their accessible action, the tape's text, and every new result
// told whatever has the focus. accessibility_atspi_test runs this again with accessibility
// on from start-up, as when a screen reader runs.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolBar>
#include <functional>
#include <memory>

#include "app_rig.h"
#include "engine/command_ids.h"
#include "shell/qt/announcer.h"
#include "dialogs/qt/finance_dialogs.h"
#include "dialogs/qt/scientific_dlg.h"
#include "editor/qt/tape_editor_dlg.h"
#include "app/frame_dialogs.h"
#include "tape/qt/save_tape_dialog.h"
#include "tape/qt/tape_title_dialog.h"

using namespace zovrek;
using zovrek::testing::AppRig;

namespace {

QString accessibleName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

// Every control a user can reach (buttons, edits) that a screen reader can't name, or names
// as it names another.
QStringList unnamedControls(QWidget* window) {
    QStringList unnamed;
    QStringList names;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QPlainTextEdit*>(w);
        if (!control || !w->isVisibleTo(window)) continue;
        const QString name = accessibleName(w).trimmed();
        if (name.isEmpty() || names.contains(name))
            unnamed << w->objectName() + QStringLiteral(" (") + w->metaObject()->className() +
                           QStringLiteral(") ") + name;
        names << name;
    }
    return unnamed;
}

// The control's accessible action `action`, as a screen reader runs it.
void doAccessibleAction(QWidget* control, const QString& action) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
    QVERIFY(a && a->actionInterface());
    QVERIFY2(a->actionInterface()->actionNames().contains(action),
             qPrintable(a->actionInterface()->actionNames().join(", ")));
    a->actionInterface()->doAction(action);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { testing::forgetSettings(); }
    void mainWindowControlsAreNamedAndPress();
    void tapeTextIsReadable();
    void onFromStartUp();
    void tapeCaretMovesAreTold();
    void newResultsAreAnnounced_data();
    void newResultsAreAnnounced();
    void togglesFollowTheirAccessibleAction();
    void everyDialogNamesItsControls();
};

void AccessibilityTest::initTestCase() {
    // Under with_atspi.sh the screen reader's bus is up before the first window is built.
    if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
}

void AccessibilityTest::mainWindowControlsAreNamedAndPress() {
    AppRig rig;
    QCOMPARE(unnamedControls(&rig.frame()), QStringList());
    const struct {
        int id;
        const char* name;
    } keys[] = {{1008, "Seven"},          {1028, "Plus"},          {1004, "Memory plus"},
                {1062, "Tape edit"},      {1000, "Display"},       {1150, "Memory number"},
                {1041, "Decimal places"}, {1042, "Set decimal places"}};
    for (const auto& k : keys) QCOMPARE(accessibleName(rig.control(k.id)), QString(k.name));
    QAccessibleInterface* seven = QAccessible::queryAccessibleInterface(rig.control(1008));
    QCOMPARE(seven->role(), QAccessible::Button);
    seven->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(rig.display(), QStringLiteral("7."));
}

void AccessibilityTest::tapeTextIsReadable() {
    AppRig rig;
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("5+3="));
    QAccessibleInterface* tape = QAccessible::queryAccessibleInterface(rig.control(1034));
    QCOMPARE(tape->text(QAccessible::Name), QStringLiteral("Tape"));
    QVERIFY(tape->state().readOnly);
    QAccessibleTextInterface* text = tape->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), QString::fromStdString(rig.tape()));
    int start = 0, end = 0;
    QCOMPARE(text->textAtOffset(text->characterCount() - 3, QAccessible::LineBoundary, &start, &end),
             QStringLiteral(" 8.00\r\n"));
    QCOMPARE(tape->text(QAccessible::Value), QStringLiteral("8.00"));
}

void AccessibilityTest::onFromStartUp() {
    if (!QAccessible::isActive())
        QSKIP("accessibility is off here; accessibility_atspi_test turns it on from start-up");
    // Notifications shown while the calculator works, caught before they reach the bus.
    static QStringList shown;
    const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        QAccessibleInterface* a = event->accessibleInterface();
        if (event->type() == QAccessible::ObjectShow && a &&
            a->role() == QAccessible::Notification)
            shown << a->text(QAccessible::Name);
    });
    AppRig rig;
    rig.type(QStringLiteral("7+7="));
    QAccessible::installUpdateHandler(previous);

    QAccessibleInterface* tape = QAccessible::queryAccessibleInterface(rig.control(1034));
    QCOMPARE(tape->role(), QAccessible::EditableText);
    QVERIFY(tape->state().readOnly);
    QVERIFY(tape->textInterface());
    QCOMPARE(tape->textInterface()->text(0, tape->textInterface()->characterCount()),
             QString::fromStdString(rig.tape()));
    QCOMPARE(shown, QStringList{QStringLiteral("14.00")});
}

void AccessibilityTest::tapeCaretMovesAreTold() {
    if (!QAccessible::isActive())
        QSKIP("accessibility is off here; accessibility_atspi_test turns it on from start-up");
    // What a screen reader is told of the tape's caret and selection, caught on its way.
    struct Told {
        QAccessible::Event type;
        int cursor, start, end;
    };
    static QList<Told> told;
    told.clear();
    AppRig rig;
    rig.type(QStringLiteral("7+7="));
    rig.control(1034)->setFocus();
    const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::TextCaretMoved) {
            const auto* c = static_cast<QAccessibleTextCursorEvent*>(event);
            told << Told{event->type(), c->cursorPosition(), 0, 0};
        } else if (event->type() == QAccessible::TextSelectionChanged) {
            const auto* s = static_cast<QAccessibleTextSelectionEvent*>(event);
            told << Told{event->type(), s->cursorPosition(), s->selectionStart(),
                         s->selectionEnd()};
        }
    });
    rig.press(Qt::Key_Up);
    rig.press(Qt::Key_Up);
    rig.press(Qt::Key_Home);
    rig.press(Qt::Key_A, Qt::ControlModifier);
    QAccessible::installUpdateHandler(previous);

    // " 7.00\r\n +\r\n 7.00\r\n =\r\n 14.00\r\n": up to the total, to "=", to its start.
    const int all = static_cast<int>(rig.tape().size());
    QCOMPARE(told.size(), 5);
    for (int i = 0; i < 3; ++i) QCOMPARE(told[i].type, QAccessible::TextCaretMoved);
    QCOMPARE(told[0].cursor, all - 2);
    QCOMPARE(told[1].cursor, all - 10);
    QCOMPARE(told[2].cursor, all - 12);
    // Select All: the whole tape selected, the caret at its end.
    QCOMPARE(told[3].type, QAccessible::TextSelectionChanged);
    QCOMPARE(QPair(told[3].start, told[3].end), QPair(0, all));
    QCOMPARE(told[4].type, QAccessible::TextCaretMoved);
    QCOMPARE(told[4].cursor, all);
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(rig.control(1034))->textInterface();
    QCOMPARE(text->selectionCount(), 1);
    QCOMPARE(text->cursorPosition(), all);
}

void AccessibilityTest::newResultsAreAnnounced_data() {
    QTest::addColumn<int>("focus");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("lastKey");  // pressed after `keys`, through the window
    QTest::addColumn<QStringList>("announced");
    QTest::newRow("digits are echoed by the reader") << 1000 << "12.5" << "" << QStringList();
    QTest::newRow("total") << 1000 << "7+7=" << "" << QStringList{"14.00"};
    QTest::newRow("same total again") << 1000 << "5+0==" << "" << QStringList{"5.", "5."};
    QTest::newRow("running total") << 1000 << "2+3+" << "" << QStringList{"5.00"};
    QTest::newRow("from a keypad button") << 1007 << "4*4=" << "" << QStringList{"16.00"};
    QTest::newRow("from the tape") << 1034 << "9/3=" << "" << QStringList{"3.00"};
    // Screen readers read the focused display's new text after Enter: once is enough.
    QTest::newRow("Enter on the display") << 1000 << "7+7" << "Return" << QStringList();
    QTest::newRow("keypad Enter on the display")
        << 1000 << "7+7" << "Num+Enter" << QStringList{"14.00"};
    QTest::newRow("Enter on a keypad button") << 1007 << "7+7" << "Return" << QStringList{"14.00"};
    QTest::newRow("same total again by Enter")
        << 1000 << "5+0=" << "Return" << QStringList{"5.", "5."};
    QTest::newRow("C by Ctrl+Delete on the display")
        << 1000 << "7+7=" << "Ctrl+Del" << QStringList{"14.00", "0."};
}

void AccessibilityTest::newResultsAreAnnounced() {
    QFETCH(int, focus);
    QFETCH(QString, keys);
    QFETCH(QString, lastKey);
    QFETCH(QStringList, announced);
    AppRig rig;
    auto* announcer = rig.view().findChild<qt::Announcer*>();
    QVERIFY(announcer);
    QSignalSpy spy(announcer, &qt::Announcer::announced);
    rig.control(focus)->setFocus();
    rig.type(keys);
    if (!lastKey.isEmpty()) {
        const QKeyCombination key = QKeySequence::fromString(lastKey)[0];
        QTest::keyClick(rig.frame().windowHandle(), key.key(), key.keyboardModifiers());
    }
    QStringList said;
    for (const QList<QVariant>& args : spy) said << args.front().toString();
    QCOMPARE(said.join('|'), announced.join('|'));
}

void AccessibilityTest::togglesFollowTheirAccessibleAction() {
    AppRig rig;
    // Keep as Top Window on the toolbar.
    QAction* top = rig.frame().action(cmd::KeepOnTop);
    QWidget* button = rig.frame().findChild<QToolBar*>()->widgetForAction(top);
    doAccessibleAction(button, QAccessibleActionInterface::toggleAction());
    QVERIFY(rig.frame().windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(top->isChecked());
    doAccessibleAction(button, QAccessibleActionInterface::toggleAction());
    QVERIFY(!(rig.frame().windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(!top->isChecked());

    // Inv of the scientific dialog: a toggle checks it without a click; logx must follow.
    qt::CScientificDlg dialog;
    const auto control = [&](int id) {
        return dialog.findChild<QWidget*>(QStringLiteral("control%1").arg(id));
    };
    for (const int field : {1118, 1126, 1127}) qobject_cast<QLineEdit*>(control(field))->setText("0");
    qobject_cast<QLineEdit*>(control(1118))->setText(QStringLiteral("2"));
    auto* inverse = qobject_cast<QAbstractButton*>(control(1132));
    auto* log = qobject_cast<QAbstractButton*>(control(1123));
    doAccessibleAction(inverse, QAccessibleActionInterface::toggleAction());
    QVERIFY(inverse->isChecked());
    log->click();
    QCOMPARE(qobject_cast<QLineEdit*>(control(1126))->text(), QStringLiteral("100"));
    inverse->setChecked(false);
    log->click();
    QCOMPARE(qobject_cast<QLineEdit*>(control(1126))->text(), QStringLiteral("0.301029995663981"));
    ZOVREK_VERIFY_MODALS(rig.modals);
}

void AccessibilityTest::everyDialogNamesItsControls() {
    TapeEditorInput input;
    input.editText = " 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n";
    input.placesText = "2";
    const std::vector<std::function<std::unique_ptr<QDialog>()>> dialogs = {
        [] { return std::make_unique<qt::CSaveTapeDlg>(); },
        [] { return std::make_unique<qt::CCloseProgramDlg>(); },
        [] { return std::make_unique<qt::CAboutDlg>(); },
        [] { return std::make_unique<qt::CShortcutKeysDlg>(); },
        [] { return std::make_unique<qt::COutOfRangeDlg>(); },
        [] { return std::make_unique<qt::CTapeTitleDlg>(); },
        [] { return std::make_unique<qt::CSimpleInterestDlg>(); },
        [] { return std::make_unique<qt::CFixedSavingsDlg>(); },
        [] { return std::make_unique<qt::CAnnuitySavingsDlg>(); },
        [] { return std::make_unique<qt::CLoanPaymentDlg>(); },
        [] { return std::make_unique<qt::CScientificDlg>(); },
        [&] { return std::make_unique<qt::CTapeEditorDlg>(input); },
    };
    for (const auto& make : dialogs) {
        const auto dialog = make();
        QVERIFY2(unnamedControls(dialog.get()).isEmpty(),
                 qPrintable(dialog->windowTitle() + ": " + unnamedControls(dialog.get()).join(", ")));
    }
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
