// The Tape Editor as a user drives it from the calculator: a number corrected in the edit,
// Update, ToCalculator and what the calculator then holds; Enter in the edit; the messages;
// Cancel.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextBlock>
#include <QtTest>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/qt/tape_edit.h"
#include "editor/qt/tape_editor_launcher.h"
#include "engine/calculator.h"
#include "engine/command_ids.h"
#include "engine/document_tape.h"
#include "engine/scripted_window.h"
#include "forms/tape_editor_texts.h"
#include "modal_script.h"

namespace {

namespace te = zovrek::tape_editor;
using zovrek::testing::ModalScript;

const QString kTitle = QStringLiteral("Tape Editor");
const QString kMessageTitle = QStringLiteral("ZOVREK");

/// A calculator with two decimal places on which 5 + 3 = has been keyed.
struct Rig {
    zovrek::ScriptedWindow window;
    zovrek::DocumentTape document;
    zovrek::Calculator calc{window, document};
    zovrek::qt::TapeEditorDialogs launcher{nullptr};

    Rig() {
        window.attach(calc);
        calc.onInitialUpdate();
        for (const int key : {zovrek::cmd::Five, zovrek::cmd::Plus, zovrek::cmd::Three,
                              zovrek::cmd::Equal})
            calc.onCommand(key);
    }
    bool tapeEdit() { return zovrek::OnTapeEdit(calc, launcher); }
};

template <class T = QWidget>
T* control(QDialog& dialog, int id) {
    return dialog.findChild<T*>(QStringLiteral("control%1").arg(id));
}

QPlainTextEdit* tapeEdit(QDialog& dialog) { return control<QPlainTextEdit>(dialog, te::kTapeEditId); }

void click(QDialog& dialog, int id) {
    auto* button = control<QAbstractButton>(dialog, id);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void show(QDialog& dialog) {
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

// The cursor at the end of line `line` (from 0) of the tape edit, by keys.
void goToLineEnd(QPlainTextEdit* edit, int line) {
    QTest::mouseClick(edit->viewport(), Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < line; ++i) QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_End);
}

// The user's part: `steps` work the shown dialog and end it with its own buttons.
zovrek::qt::Modal::Answerer acting(std::function<void(QDialog&)> steps) {
    return [steps = std::move(steps)](QDialog& dialog) {
        steps(dialog);
        return dialog.result();
    };
}

// Records a message box's text and closes it with OK.
zovrek::qt::Modal::Answerer readingInto(QStringList& texts) {
    return [&texts](QDialog& box) {
        texts << qobject_cast<QMessageBox*>(&box)->text();
        return int(QMessageBox::Ok);
    };
}

// A tape of running additions of 1.25 to 12.50, four lines an addition after the first;
// the line `wrong` (from 0), if any, reads " 7".
std::string additions(int count, int wrong = -1) {
    std::vector<std::string> lines{" 12.50"};
    for (int i = 1; i <= count; ++i)
        lines.insert(lines.end(), {" +", " 1.25", " =", " " + std::to_string(i) + ".00"});
    if (wrong >= 0) lines[static_cast<std::size_t>(wrong)] = " 7";
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// Runs the editor on `text`, as the scripted user ends it.
std::optional<zovrek::TapeEditorResult> runOn(const std::string& text) {
    zovrek::TapeEditorInput input;
    input.editText = text;
    input.placesText = "2";
    return zovrek::qt::TapeEditorDialogs(nullptr).runModal(input);
}

}  // namespace

class TapeEditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The operand 3 corrected to 4 with keys: Update recomputes the total in the edit, and
    // ToCalculator hands the tape back with "\r\n" line ends and 9 as the calculator's value.
    void correctedTapeGoesBackToTheCalculator() {
        Rig rig;
        QCOMPARE(rig.calc.m_tape.view(), " 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n");
        ModalScript script;
        script.expect(kTitle, acting([](QDialog& d) {
            show(d);
            QCOMPARE(QApplication::focusWidget(), control(d, te::kUpdateId));
            QCOMPARE(control<QLineEdit>(d, te::kPlacesEditId)->text(), QStringLiteral("2"));
            QPlainTextEdit* edit = tapeEdit(d);
            QCOMPARE(edit->toPlainText(), QStringLiteral("_5.00\n_+\n_3.00\n_=\n_8.00\n"));

            click(d, te::kToCalculatorId);  // nothing before an Update
            QVERIFY(d.isVisible());

            goToLineEnd(edit, 2);
            for (int i = 0; i < 4; ++i) QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, QStringLiteral("4"));
            click(d, te::kUpdateId);
            QCOMPARE(edit->toPlainText(), QStringLiteral(" 5.00\n +\n 4\n =\n 9.00\n"));
            click(d, te::kToCalculatorId);
            QVERIFY(!d.isVisible());
        }));
        QVERIFY(rig.tapeEdit());
        ZOVREK_VERIFY_MODALS(script);

        QCOMPARE(rig.calc.m_tape.view(), " 5.00\r\n +\r\n 4\r\n =\r\n 9.00\r\n");
        QCOMPARE(rig.calc.document().m_tapeText.view(), rig.calc.m_tape.view());
        QCOMPARE(rig.calc.m_display, "9.00\r\n");
        QCOMPARE(rig.calc.m_entry, 9.0);
        // The calculator goes on from the total.
        for (const int key : {zovrek::cmd::Plus, zovrek::cmd::One, zovrek::cmd::Equal})
            rig.calc.onCommand(key);
        QCOMPARE(rig.calc.m_display, "10.00");
    }

    // A note typed in Chinese through the input method, and an emoji key, come back on the
    // tape as typed, the note with its marker; the tape then updates again without a message.
    void noteInAnyScriptKeepsItsMarker() {
        Rig rig;
        const std::string dinner = "\xE6\x99\x9A\xE9\xA5\xAD";  // "晚饭"
        const std::string grinning = "\xF0\x9F\x98\x80";
        const std::string expected =
            dinner + grinning + " >> 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n";
        ModalScript script;
        script.expect(kTitle, acting([&](QDialog& d) {
            show(d);
            QPlainTextEdit* edit = tapeEdit(d);
            QTest::mouseClick(edit->viewport(), Qt::LeftButton);
            QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
            QInputMethodEvent typed;
            typed.setCommitString(QString::fromStdString(dinner));
            QApplication::sendEvent(edit, &typed);
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown,
                                QString::fromStdString(grinning), Qt::NoModifier);
            click(d, te::kUpdateId);
            QCOMPARE(edit->document()->firstBlock().text(),
                     QString::fromStdString(dinner + grinning + " >> 5.00"));
            click(d, te::kToCalculatorId);
        }));
        script.expect(kTitle, acting([](QDialog& d) {
            show(d);
            click(d, te::kUpdateId);
            click(d, te::kToCalculatorId);
        }));
        QVERIFY(rig.tapeEdit());
        QCOMPARE(rig.calc.m_tape.view(), expected);
        QVERIFY(rig.tapeEdit());
        ZOVREK_VERIFY_MODALS(script);
        QCOMPARE(rig.calc.m_tape.view(), expected);
        QCOMPARE(rig.calc.m_display, "8.00\r\n");
    }

    void enterInsertsALine_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }

    // Enter in the edit starts a new line and leaves the dialog open; the blank line is then
    // reported by Update's messages, and Cancel leaves the calculator as it was.
    void enterInsertsALine() {
        QFETCH(int, key);
        Rig rig;
        const std::string tapeBefore(rig.calc.m_tape.view());
        QStringList messages;
        ModalScript script;
        script.expect(kTitle, acting([key](QDialog& d) {
            show(d);
            QPlainTextEdit* edit = tapeEdit(d);
            goToLineEnd(edit, 0);
            QTest::keyClick(edit, Qt::Key(key),
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QVERIFY(d.isVisible());
            QCOMPARE(edit->toPlainText(), QStringLiteral("_5.00\n\n_+\n_3.00\n_=\n_8.00\n"));
            click(d, te::kUpdateId);
            click(d, te::kCancelId);
        }));
        script.expect(kMessageTitle, readingInto(messages));
        script.expect(kMessageTitle, readingInto(messages));
        QVERIFY(rig.tapeEdit());
        ZOVREK_VERIFY_MODALS(script);

        const QStringList expected{QString::fromLatin1(zovrek::kFormatMessage),
                                   QString::fromLatin1(zovrek::kBlankLineMessage)};
        QCOMPARE(messages, expected);
        QCOMPARE(rig.calc.m_tape.view(), tapeBefore);
        QCOMPARE(rig.calc.m_display, "8.00");
    }

    // With no program owning the clipboard (its data has no format), the paste keys paste
    // nothing and the tape stays as it was.
    void pasteWithoutClipboardOwnerKeepsTheTape() {
        ModalScript script;
        script.expect(kTitle, acting([](QDialog& d) {
            show(d);
            QGuiApplication::clipboard()->setMimeData(new QMimeData);
            QPlainTextEdit* edit = tapeEdit(d);
            const QString before = edit->toPlainText();
            goToLineEnd(edit, 1);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
            QCOMPARE(edit->toPlainText(), before);
            click(d, te::kCancelId);
        }));
        QVERIFY(!runOn(additions(1)));
        ZOVREK_VERIFY_MODALS(script);
    }

    // Update stops at a number where the " +" of the 99th addition belongs: once the message
    // is closed, that line is selected whole, in view, and the tape has the focus.
    void structureErrorLineIsSelected() {
        ModalScript script;
        script.expect(kTitle, acting([](QDialog& d) {
            show(d);
            click(d, te::kUpdateId);
            QPlainTextEdit* edit = tapeEdit(d);
            QCOMPARE(edit->textCursor().block().blockNumber(), 393);
            QCOMPARE(edit->textCursor().selectedText(), QStringLiteral(" 7"));
            QVERIFY(edit->viewport()->rect().contains(edit->cursorRect()));
            QCOMPARE(QApplication::focusWidget(), edit);
            click(d, te::kCancelId);
        }));
        script.expect(kMessageTitle, int(QMessageBox::Ok));
        QVERIFY(!runOn(additions(100, 393)));
        ZOVREK_VERIFY_MODALS(script);
    }

    // A tape of 100,000 lines goes in while events go on, read-only, with its progress shown;
    // then it is editable, without an undo of the loading. Its text is the whole tape all
    // along, so Update pressed before it is all in reads all of it.
    void longTapeGoesInWhileTheProgramGoesOn() {
        const std::string marked = zovrek::markSeparators(additions(25'000));
        // Line breaks of every kind a file may hold; the edit gives each back as "\r\n".
        std::string text = additions(25'000);
        text.replace(text.find("\r\n"), 2, "\n");
        text.replace(text.find("\r\n"), 2, "\r");
        ModalScript script;
        script.expect(kTitle, acting([&marked](QDialog& d) {
            show(d);
            auto* edit = qobject_cast<zovrek::qt::TapeEdit*>(tapeEdit(d));
            auto* bar = edit->findChild<QProgressBar*>();
            QVERIFY(edit->loading() && bar->isVisible() && edit->isReadOnly());
            QCOMPARE(edit->tapeText(), marked);
            int turns = 0;
            QTimer ticking;
            QObject::connect(&ticking, &QTimer::timeout, [&turns] { ++turns; });
            ticking.start(0);
            QTRY_VERIFY_WITH_TIMEOUT(!edit->loading(), 60000);
            QVERIFY(turns > 1);
            QVERIFY(!bar->isVisible() && !edit->isReadOnly());
            QVERIFY(!edit->document()->isUndoAvailable());
            QCOMPARE(edit->tapeText(), marked);

            click(d, te::kReEditId);  // the same text again, going in
            QVERIFY(edit->loading());
            click(d, te::kUpdateId);
            QVERIFY(edit->tapeText().ends_with(" =\r\n 31262.50\r\n"));
            click(d, te::kCancelId);
        }));
        QVERIFY(!runOn(text));
        ZOVREK_VERIFY_MODALS(script);
    }

    // Qt takes the square of a word's length to wrap it by words (a number of 200,000 digits
    // froze the program for seconds at each key): a line longer than the edit can usefully
    // show wraps anywhere, whether the tape holds it or it is pasted.
    void longLinesWrapAnywhere() {
        const QString longNumber(zovrek::qt::TapeEdit::kLongestWordWrappedLine + 1, u'7');
        ModalScript script;
        script.expect(kTitle, acting([&longNumber](QDialog& d) {
            show(d);
            QPlainTextEdit* edit = tapeEdit(d);
            QCOMPARE(edit->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
            goToLineEnd(edit, 0);
            QGuiApplication::clipboard()->setText(longNumber);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(edit->wordWrapMode(), QTextOption::WrapAnywhere);
            click(d, te::kCancelId);
        }));
        script.expect(kTitle, acting([](QDialog& d) {
            show(d);
            QCOMPARE(tapeEdit(d)->wordWrapMode(), QTextOption::WrapAnywhere);
            click(d, te::kCancelId);
        }));
        QVERIFY(!runOn(additions(2)));
        QVERIFY(!runOn(" " + std::string(200'000, '7') + "\r\n +\r\n 1\r\n"));
        ZOVREK_VERIFY_MODALS(script);
    }

    // A total too long for the places setting: the warning, with its own OK, and the text
    // kept. (Its exponent's "+" then reads as an operator, so the tape does not end on a
    // number.)
    void outOfRangeIsWarned() {
        zovrek::TapeEditorInput input;
        input.editText = " 1234567890123456\r\n *\r\n -1\r\n =\r\n 0\r\n";
        input.placesText = "2";
        QStringList messages;
        ModalScript script;
        script.expect(kTitle, acting([](QDialog& d) {
            show(d);
            click(d, te::kUpdateId);
            click(d, te::kToCalculatorId);
        }));
        script.expect(QString::fromLatin1(zovrek::kOutOfRangeTitle), acting([](QDialog& d) {
            show(d);
            QCOMPARE(d.findChildren<QLabel*>().size(), 4);
            click(d, 1);
        }));
        script.expect(kMessageTitle, readingInto(messages));
        zovrek::qt::TapeEditorDialogs launcher(nullptr);
        const std::optional<zovrek::TapeEditorResult> result = launcher.runModal(input);
        ZOVREK_VERIFY_MODALS(script);
        QCOMPARE(messages, QStringList{QString::fromLatin1(zovrek::kFormatMessage)});
        QVERIFY(result);
        QCOMPARE(result->editText, " 1234567890123456\r\n *\r\n -1\r\n =\r\n -1.23456789012e+015\r\n");
    }
};

QTEST_MAIN(TapeEditorWindowTest)
#include "tape_editor_window_test.moc"
