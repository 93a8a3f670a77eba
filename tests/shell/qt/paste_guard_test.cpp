// Pasting into the edits a window's form builds while no program owns the clipboard (its
// data then has no format): nothing is pasted, the selection stays, the program goes on.
// With text on the clipboard the edits paste as usual.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QtTest>
#include <array>
#include <memory>

#include "shell/qt/form.h"

namespace {

namespace shell = zovrek::shell;

constexpr int kMultiLine = 10, kOneLine = 11;
constexpr std::array kControls{
    shell::ControlTemplate{kMultiLine, shell::ControlKind::Edit, "", {4, 4, 90, 60},
                           shell::kMultiLine | shell::kWantReturn},
    shell::ControlTemplate{kOneLine, shell::ControlKind::Edit, "", {4, 70, 90, 12}},
};
const shell::DialogTemplate kDialog{1, "Edits", 100, 90, kControls};

enum class Way { CtrlV, ShiftInsert, ContextMenu };

void offerText(bool text) {
    if (text)
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    else
        QGuiApplication::clipboard()->setMimeData(new QMimeData);
}

}  // namespace

class PasteGuardTest : public QObject {
    Q_OBJECT

private slots:
    void pasteTakesOnlyText_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<Way>("way");
        QTest::addColumn<bool>("text");
        QTest::newRow("multi-line, Ctrl+V, nothing") << kMultiLine << Way::CtrlV << false;
        QTest::newRow("multi-line, Shift+Insert, nothing")
            << kMultiLine << Way::ShiftInsert << false;
        // The menu opens while another program offers text; it has gone by the click.
        QTest::newRow("multi-line, context menu, gone") << kMultiLine << Way::ContextMenu << false;
        QTest::newRow("multi-line, Ctrl+V, text") << kMultiLine << Way::CtrlV << true;
        QTest::newRow("one-line, Ctrl+V, nothing") << kOneLine << Way::CtrlV << false;
        QTest::newRow("one-line, Shift+Insert, nothing") << kOneLine << Way::ShiftInsert << false;
        QTest::newRow("one-line, Ctrl+V, text") << kOneLine << Way::CtrlV << true;
    }

    void pasteTakesOnlyText() {
        QFETCH(int, id);
        QFETCH(Way, way);
        QFETCH(bool, text);
        QWidget window;
        const zovrek::qt::Form form(&window, kDialog);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* line = qobject_cast<QLineEdit*>(form.control(id));
        auto* document = qobject_cast<QPlainTextEdit*>(form.control(id));
        if (line) {
            line->setText(QStringLiteral("12.50"));
            line->selectAll();
        } else {
            document->setPlainText(QStringLiteral("12.50"));
            document->selectAll();
        }
        auto textNow = [&] { return line ? line->text() : document->toPlainText(); };
        auto selectedNow = [&] {
            return line ? line->selectedText() : document->textCursor().selectedText();
        };
        form.control(id)->setFocus();

        offerText(text || way == Way::ContextMenu);
        std::unique_ptr<QMenu> menu;
        if (way == Way::ContextMenu) {
            menu.reset(document->createStandardContextMenu());
            offerText(text);
        }
        switch (way) {
        case Way::CtrlV: QTest::keyClick(form.control(id), Qt::Key_V, Qt::ControlModifier); break;
        case Way::ShiftInsert:
            QTest::keyClick(form.control(id), Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Way::ContextMenu:
            menu->findChild<QAction*>(QStringLiteral("edit-paste"))->trigger();
            break;
        }

        QCOMPARE(textNow(), text ? QStringLiteral("7") : QStringLiteral("12.50"));
        if (!text) QCOMPARE(selectedNow(), QStringLiteral("12.50"));
    }

    // An edit destroyed while it has the focus (as a dialog's, when the window system has
    // not yet taken the focus from the closed dialog) is told it loses the focus when it is
    // a line edit no longer.
    void focusedEditIsDestroyed() {
        QWidget window;
        const zovrek::qt::Form form(&window, kDialog);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget* edit = form.control(kOneLine);
        edit->setFocus();
        QCOMPARE(QApplication::focusWidget(), edit);
        delete edit;
        QVERIFY(!QApplication::focusWidget());
    }
};

QTEST_MAIN(PasteGuardTest)
#include "paste_guard_test.moc"
