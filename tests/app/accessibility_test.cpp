// What a screen reader finds in every window: a name and a role for each control, keypad
// buttons that press through their accessible action, and the tape's text.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>
#include <memory>

#include "app_rig.h"
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

// Every control a user can reach (buttons, edits) that a screen reader can't name.
QStringList unnamedControls(QWidget* window) {
    QStringList unnamed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QPlainTextEdit*>(w);
        if (control && w->isVisibleTo(window) && accessibleName(w).trimmed().isEmpty())
            unnamed << w->objectName() + QStringLiteral(" (") + w->metaObject()->className() + ')';
    }
    return unnamed;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void init() { testing::forgetSettings(); }
    void mainWindowControlsAreNamedAndPress();
    void tapeTextIsReadable();
    void everyDialogNamesItsControls();
};

void AccessibilityTest::mainWindowControlsAreNamedAndPress() {
    AppRig rig;
    QCOMPARE(unnamedControls(&rig.frame()), QStringList());
    const struct {
        int id;
        const char* name;
    } keys[] = {{1008, "Seven"}, {1028, "Plus"}, {1004, "Memory plus"}, {1062, "Tape edit"},
                {1000, "Display"}, {1150, "Memory number"}};
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
