// "Tape Title" as a user works it: the preset selected, at most 32 characters, Enter takes
// the text, Esc keeps the title printed before.

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>
#include <functional>

#include "engine/calculator_state.h"
#include "forms/tape_dialog_texts.h"
#include "modal_script.h"
#include "shell/qt/bitmap_button.h"
#include "tape/document.h"
#include "tape/qt/tape_title_dialog.h"

using namespace zovrek;
using zovrek::testing::ModalScript;

namespace {

const QString kTitle = QStringLiteral("Tape Title");

QLineEdit* titleEdit(QDialog& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("control%1").arg(TapeTitleDialogTexts::kEditId));
}

// Types `text` a character at a time, in any script, as an input method hands it on.
void typeText(QWidget* widget, const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, character, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, character, Qt::NoModifier);
    }
}

// The user's part: types into the shown dialog and ends it with `key`.
qt::Modal::Answerer typing(const QString& text, Qt::Key key, QString* seenPreset = nullptr) {
    return [=](QDialog& dialog) {
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) return -1;
        QLineEdit* edit = titleEdit(dialog);
        if (seenPreset) *seenPreset = edit->selectedText();
        typeText(edit, text);
        QTest::keyClick(edit, key);
        return dialog.result();
    };
}

}  // namespace

class TapeTitleDialogTest : public QObject {
    Q_OBJECT
private slots:
    void looksAsTheTemplateSays();
    void titleFromTheDialog_data();
    void titleFromTheDialog();
    void longPresetIsCheckedOnOk();
    void fileNameOfAnyBytesIsShown();
};

void TapeTitleDialogTest::looksAsTheTemplateSays() {
    qt::CTapeTitleDlg dialog;
    QCOMPARE(dialog.windowTitle(), kTitle);
    // No system menu, so no close box: Esc is the only way out besides OK.
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QStringList lines;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        lines << label->text();
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text() + " is cut"));
    }
    QCOMPARE(lines, (QStringList{QStringLiteral("Enter a Title for your Tape Printout"),
                                 QStringLiteral("Enter up to 32 characters")}));
    auto* ok = dialog.findChild<qt::CBitmapButton*>(QStringLiteral("control1"));
    QVERIFY(ok && ok->hasPictures());
    QVERIFY(ok->isDefault());
}

void TapeTitleDialogTest::titleFromTheDialog_data() {
    QTest::addColumn<QString>("printed");   // the title printed before
    QTest::addColumn<QString>("document");  // the document's title, the preset
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("printTitle");
    QTest::addColumn<QString>("documentTitle");
    const QString forty = QStringLiteral("0123456789012345678901234567890123456789");
    QTest::newRow("Enter takes the preset") << "" << "tape.cal" << "" << int(Qt::Key_Return)
                                            << "tape.cal" << "tape.cal";
    QTest::newRow("typing replaces the preset")
        << "" << "tape.cal" << "March" << int(Qt::Key_Return) << "March" << "March";
    QTest::newRow("32 characters at most") << "" << "Untitled" << forty << int(Qt::Key_Return)
                                           << forty.left(32) << forty.left(32);
    QTest::newRow("any script, UTF-8 on") << "" << "tape.cal" << QStringLiteral("Καφές ☕ 東京")
                                          << int(Qt::Key_Return) << QStringLiteral("Καφές ☕ 東京")
                                          << QStringLiteral("Καφές ☕ 東京");
    QTest::newRow("Esc keeps the title printed before")
        << "April" << "tape.cal" << "May" << int(Qt::Key_Escape) << "April" << "tape.cal";
    QTest::newRow("Esc at first prints no title")
        << "" << "Untitled" << "" << int(Qt::Key_Escape) << "" << "Untitled";
}

void TapeTitleDialogTest::titleFromTheDialog() {
    QFETCH(QString, printed);
    QFETCH(QString, document);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, printTitle);
    QFETCH(QString, documentTitle);

    CalculatorState state;
    state.m_printTitle = printed.toStdString();
    CZOVREKDoc doc;
    doc.SetTitle(document.toStdString());
    QString preset;
    ModalScript script;
    script.expect(kTitle, typing(typed, static_cast<Qt::Key>(key), &preset));
    qt::TapeTitlePrompt prompt(nullptr);
    askPrintTitle(state, doc, prompt);

    ZOVREK_VERIFY_MODALS(script);
    QCOMPARE(preset, document);  // shown selected, so typing replaces it
    QCOMPARE(QString::fromStdString(state.m_printTitle), printTitle);
    QCOMPARE(QString::fromStdString(doc.GetTitle()), documentTitle);
}

// A title not yet typed is the file's name, as bytes: a Latin-1 name reads as it should.
void TapeTitleDialogTest::fileNameOfAnyBytesIsShown() {
    CalculatorState state;
    CZOVREKDoc doc;
    doc.SetTitle("caf\xe9.cal");
    QString preset;
    ModalScript script;
    script.expect(kTitle, typing(QString(), Qt::Key_Return, &preset));
    qt::TapeTitlePrompt prompt(nullptr);
    askPrintTitle(state, doc, prompt);
    ZOVREK_VERIFY_MODALS(script);
    QCOMPARE(preset, QStringLiteral("caf\u00e9.cal"));
    QCOMPARE(QString::fromStdString(state.m_printTitle), QStringLiteral("caf\u00e9.cal"));
}

void TapeTitleDialogTest::longPresetIsCheckedOnOk() {
    // A long file name is shown whole, not cut; it can only be shortened, and OK refuses it
    // with a message until it holds 32 characters.
    const QString preset = QStringLiteral("a-rather-long-tape-file-name-of-march.cal");
    QVERIFY(preset.size() > 32);
    CalculatorState state;
    CZOVREKDoc doc;
    doc.SetTitle(preset.toStdString());
    QString shown, afterTyping;
    bool openAfterRefusal = false;
    ModalScript script;
    script.expect(kTitle, [&](QDialog& dialog) {
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) return -1;
        QLineEdit* edit = titleEdit(dialog);
        shown = edit->text();
        QTest::keyClick(edit, Qt::Key_End);
        typeText(edit, QStringLiteral("xyz"));
        afterTyping = edit->text();
        QTest::keyClick(edit, Qt::Key_Return);
        openAfterRefusal = dialog.isVisible() && dialog.result() != QDialog::Accepted;
        QTest::keyClick(edit, Qt::Key_End);
        for (qsizetype i = 32; i < preset.size(); ++i) QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Return);
        return dialog.result();
    });
    script.expect(QStringLiteral("ZOVREK"), [](QDialog& box) {
        const QString text = static_cast<QMessageBox&>(box).text();
        return text == QStringLiteral("Please enter no more than 32 characters.") ? int(QMessageBox::Ok) : -1;
    });
    qt::TapeTitlePrompt prompt(nullptr);
    askPrintTitle(state, doc, prompt);

    ZOVREK_VERIFY_MODALS(script);
    QCOMPARE(shown, preset);
    QCOMPARE(afterTyping, preset);
    QVERIFY(openAfterRefusal);
    QCOMPARE(QString::fromStdString(state.m_printTitle), preset.left(32));
}

QTEST_MAIN(TapeTitleDialogTest)
#include "tape_title_dialog_test.moc"
