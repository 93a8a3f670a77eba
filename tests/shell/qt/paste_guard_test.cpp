// Pasting into the edits a window's form builds, with nothing on the clipboard (as when no
// program owns it): nothing is pasted, the selection stays, and the program goes on. With
// text on the clipboard the edits paste as usual.

#include <QAction>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QtTest>
#include <array>
#include <memory>

#include "shell/qt/form.h"

namespace {

using zovrek::qt::Form;
namespace shell = zovrek::shell;

constexpr int kMultiLine = 10, kOneLine = 11;
constexpr std::array kControls{
    shell::ControlTemplate{kMultiLine, shell::ControlKind::Edit, "", {4, 4, 90, 60},
                           shell::kMultiLine | shell::kWantReturn},
    shell::ControlTemplate{kOneLine, shell::ControlKind::Edit, "", {4, 70, 90, 12}},
};
const shell::DialogTemplate kDialog{1, "Edits", 100, 90, kControls};

enum class Clipboard { Formatless, ImageOnly, Text };
enum class Way { CtrlV, ShiftInsert, ContextMenu, Drop };

void fill(Clipboard content) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    switch (content) {
    // What the X11 clipboard gives while no program owns it: data without a single format.
    case Clipboard::Formatless: clipboard->setMimeData(new QMimeData); break;
    case Clipboard::ImageOnly: clipboard->setImage(QImage(2, 2, QImage::Format_RGB32)); break;
    case Clipboard::Text: clipboard->setText(QStringLiteral("7")); break;
    }
}

QString textOf(QWidget* edit) {
    if (auto* line = qobject_cast<QLineEdit*>(edit)) return line->text();
    return qobject_cast<QPlainTextEdit*>(edit)->toPlainText();
}

QString selectionOf(QWidget* edit) {
    if (auto* line = qobject_cast<QLineEdit*>(edit)) return line->selectedText();
    return qobject_cast<QPlainTextEdit*>(edit)->textCursor().selectedText();
}

void paste(QWidget* edit, Way way, Clipboard content) {
    switch (way) {
    case Way::CtrlV: QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier); break;
    case Way::ShiftInsert: QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier); break;
    case Way::ContextMenu: {
        // The menu opens while another program still offers text; it has gone by the click.
        auto* document = qobject_cast<QPlainTextEdit*>(edit);
        fill(Clipboard::Text);
        const std::unique_ptr<QMenu> menu(document->createStandardContextMenu());
        fill(content);
        QAction* pasteAction = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
        QVERIFY(pasteAction);
        pasteAction->trigger();
        break;
    }
    case Way::Drop: {
        QMimeData nothing;
        QWidget* target = edit;
        if (auto* document = qobject_cast<QPlainTextEdit*>(edit)) target = document->viewport();
        const QPointF at(5, 5);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &nothing, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::CopyAction, &nothing, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        break;
    }
    }
}

}  // namespace

class PasteGuardTest : public QObject {
    Q_OBJECT

private slots:
    void pasteTakesOnlyText_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<Way>("way");
        QTest::addColumn<Clipboard>("content");
        QTest::addColumn<QString>("expected");
        const QString kept = QStringLiteral("12.50");
        for (const auto& [name, id] : {std::pair{"multi-line", kMultiLine}, {"one-line", kOneLine}}) {
            auto row = [name = name](const char* what) -> QTestData& {
                return QTest::addRow("%s, %s", name, what);
            };
            row("Ctrl+V, formatless") << id << Way::CtrlV << Clipboard::Formatless << kept;
            row("Shift+Insert, formatless") << id << Way::ShiftInsert << Clipboard::Formatless << kept;
            row("Ctrl+V, image only") << id << Way::CtrlV << Clipboard::ImageOnly << kept;
            row("Ctrl+V, text") << id << Way::CtrlV << Clipboard::Text << QStringLiteral("7");
        }
        QTest::newRow("multi-line, context menu, emptied")
            << kMultiLine << Way::ContextMenu << Clipboard::Formatless << kept;
        QTest::newRow("multi-line, drop of nothing")
            << kMultiLine << Way::Drop << Clipboard::Formatless << kept;
    }

    void pasteTakesOnlyText() {
        QFETCH(int, id);
        QFETCH(Way, way);
        QFETCH(Clipboard, content);
        QFETCH(QString, expected);
        QWidget window;
        const Form form(&window, kDialog);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget* edit = form.control(id);
        if (auto* line = qobject_cast<QLineEdit*>(edit)) {
            line->setText(QStringLiteral("12.50"));
            line->selectAll();
        } else {
            auto* document = qobject_cast<QPlainTextEdit*>(edit);
            document->setPlainText(QStringLiteral("12.50"));
            document->selectAll();
        }
        edit->setFocus();
        fill(content);

        paste(edit, way, content);

        QCOMPARE(textOf(edit), expected);
        if (expected != QStringLiteral("7")) QCOMPARE(selectionOf(edit), expected);
    }
};

QTEST_MAIN(PasteGuardTest)
#include "paste_guard_test.moc"
