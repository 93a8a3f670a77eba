// The special-function dialogs as a user drives them: typed fields, the buttons, the keys,
// the prompts, and what OK hands back to the calculator.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>
#include <functional>
#include <utility>
#include <vector>

#include "dialogs/qt/special_functions.h"
#include "engine/calculator.h"
#include "engine/document_tape.h"
#include "engine/scripted_window.h"
#include "modal_script.h"

namespace {

using zovrek::testing::ModalScript;

struct Rig {
    zovrek::ScriptedWindow window;
    zovrek::DocumentTape document;
    zovrek::Calculator calc{window, document};
    Rig() {
        window.attach(calc);
        calc.onInitialUpdate();  // two decimal places
    }
    bool run(int command) { return zovrek::qt::runSpecialFunction(command, calc, nullptr); }
};

template <class T = QWidget>
T* control(QDialog& dialog, int id) {
    return dialog.findChild<T*>(QStringLiteral("control%1").arg(id));
}

QWidget* focused() { return QApplication::focusWidget(); }

void show(QDialog& dialog) {
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

// Click into the field, select its text and type over it.
void type(QDialog& dialog, int id, const QString& text) {
    auto* edit = control<QLineEdit>(dialog, id);
    QVERIFY(edit);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

void click(QDialog& dialog, int id) {
    auto* button = control<QAbstractButton>(dialog, id);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void press(Qt::Key key) { QTest::keyClick(focused(), key); }

bool checked(QDialog& dialog, int id) { return control<QAbstractButton>(dialog, id)->isChecked(); }

// The user's part: `steps` work the shown dialog and end it with its own buttons or keys.
zovrek::qt::Modal::Answerer acting(std::function<void(QDialog&)> steps) {
    return [steps = std::move(steps)](QDialog& dialog) {
        steps(dialog);
        return dialog.result();
    };
}

struct Example {
    const char* name;
    int command;
    const char* title;
    std::vector<std::pair<int, QString>> fields;  // first: the field focused at opening
    std::vector<int> clicks;  // radio buttons and check boxes
    int calculate;
    int result;
    QString resultText;
    bool focusesDialog;  // Calculate gives the focus to the dialog
    double entry;
    const char* display;
};

const std::vector<Example>& examples() {
    static const std::vector<Example> rows = {
        {"simple interest", 32816, "Simple Interest Calculator",
         {{1097, "1000"}, {1098, "6"}, {1099, "12"}}, {}, 1100, 1101, "60", true, 60, "60.00"},
        {"fixed savings 10 years", 32817, "Fixed Savings Calculator",
         {{1076, "1000"}, {1077, "6"}, {1082, "10"}}, {}, 1090, 1093, "1790.84769654285",
         false, 1790.84769654285, "1790.85"},
        {"annuity 12 months", 32814, "Annuity Savings Calculator",
         {{1117, "1000"}, {1088, "100"}, {1095, "6"}, {1091, "12"}}, {1080}, 1096, 1092,
         "2295.23404915446", false, 2295.23404915446, "2295.23"},
        {"loan 12 months bi-weekly", 32815, "Loan Payment Calculator",
         {{1102, "10000"}, {1103, "6"}, {1104, "12"}}, {1107, 1106}, 1109, 1110,
         "428.792093481327", true, 428.792093481327, "428.79"},
        {"sine of 30 degrees", 32818, "Scientific Calculations", {{1118, "30"}}, {}, 1120, 1126,
         "0.5", false, 0.5, "0.50"},
        {"inverse common logarithm", 32818, "Scientific Calculations", {{1118, "2"}}, {1132},
         1123, 1126, "100", false, 100, "100.00"},
    };
    return rows;
}

}  // namespace

class SpecialFunctionsTest : public QObject {
    Q_OBJECT

private slots:
    void workedExample_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(examples().size()); ++row)
            QTest::newRow(examples()[row].name) << row;
    }

    // The Part's example typed in, calculated, and handed back by OK.
    void workedExample() {
        QFETCH(int, row);
        const Example& e = examples()[row];
        Rig rig;
        ModalScript script;
        script.expect(e.title, acting([&](QDialog& d) { interact(d, e); }));
        QVERIFY(rig.run(e.command));
        ZOVREK_VERIFY_MODALS(script);
        QCOMPARE(rig.calc.m_display, e.display);
        QVERIFY(qFuzzyCompare(rig.calc.m_entry, e.entry));
    }

    // A letter in a number field: OK prompts, stays open and leaves the focus in that field.
    void unreadableFieldIsPrompted() {
        Rig rig;
        ModalScript script;
        QString promptText;
        script.expect("Loan Payment Calculator", acting([&](QDialog& d) {
            show(d);
            type(d, 1102, "10000");
            type(d, 1103, "6x");
            press(Qt::Key_Return);
            auto* rate = control<QLineEdit>(d, 1103);
            QVERIFY(d.isVisible());
            QCOMPARE(focused(), rate);
            QCOMPARE(rate->selectedText(), QStringLiteral("6x"));
            click(d, 2);
        }));
        script.expect("ZOVREK", [&](QDialog& box) {
            promptText = qobject_cast<QMessageBox*>(&box)->text();
            return int(QMessageBox::Ok);
        });
        QVERIFY(rig.run(32815));
        ZOVREK_VERIFY_MODALS(script);
        QCOMPARE(promptText, QStringLiteral("Please enter a number."));
        QCOMPARE(rig.calc.m_entry, 0.0);
    }

    // Two radio groups in one dialog: one tab stop each, arrows move within a group only,
    // and checking one group leaves the other as it was.
    void radioGroupsAreIndependent() {
        Rig rig;
        ModalScript script;
        script.expect("Loan Payment Calculator", acting([&](QDialog& d) {
            show(d);
            const int tabStops[] = {1103, 1104, 1108, 1105, 1109};
            for (const int id : tabStops) {
                press(Qt::Key_Tab);
                QCOMPARE(focused(), control(d, id));
            }
            press(Qt::Key_Backtab);  // back to Monthly
            press(Qt::Key_Backtab);  // Years
            press(Qt::Key_Left);
            QCOMPARE(focused(), control(d, 1107));
            QVERIFY(checked(d, 1107) && checked(d, 1105));
            press(Qt::Key_Left);  // round the group, not into the other one
            QCOMPARE(focused(), control(d, 1108));
            QVERIFY(checked(d, 1108) && checked(d, 1105));
            press(Qt::Key_Tab);
            press(Qt::Key_Down);
            QCOMPARE(focused(), control(d, 1106));
            QVERIFY(checked(d, 1106) && checked(d, 1108));
            click(d, 1107);
            QVERIFY(checked(d, 1107) && checked(d, 1106) && !checked(d, 1108));
            click(d, 2);
        }));
        QVERIFY(rig.run(32815));
        ZOVREK_VERIFY_MODALS(script);
    }

    // Esc closes as Cancel: a result on screen is not handed back.
    void escapeCancels() {
        Rig rig;
        ModalScript script;
        script.expect("Scientific Calculations", acting([&](QDialog& d) {
            show(d);
            type(d, 1118, "30");
            click(d, 1120);
            QCOMPARE(control<QLineEdit>(d, 1126)->text(), QStringLiteral("0.5"));
            press(Qt::Key_Escape);
            QVERIFY(!d.isVisible());
        }));
        QVERIFY(rig.run(32818));
        QVERIFY(!rig.run(1014));  // not a special function: no window
        ZOVREK_VERIFY_MODALS(script);
        QCOMPARE(rig.calc.m_entry, 0.0);
        QCOMPARE(rig.calc.m_display, rig.window.shown.display);
    }

private:
    static void interact(QDialog& d, const Example& e) {
        show(d);
        auto* first = control<QLineEdit>(d, e.fields.front().first);
        QCOMPARE(focused(), first);
        QCOMPARE(first->selectedText(), first->text());
        for (const auto& [id, text] : e.fields) type(d, id, text);
        for (const int id : e.clicks) click(d, id);
        click(d, e.calculate);
        QCOMPARE(control<QLineEdit>(d, e.result)->text(), e.resultText);
        if (e.focusesDialog) QCOMPARE(focused(), &d);
        click(d, 1);
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(SpecialFunctionsTest)
#include "special_functions_test.moc"
