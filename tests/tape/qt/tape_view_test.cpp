// The tape control with lines wider than itself: a note or a long number wraps onto more
// rows, whole and right-aligned, and scrolling, selecting, copying and reading by a screen
// reader go on working with the wrapped rows. The caret moves as in a read-only edit, and a
// screen reader follows it in UTF-16 offsets on a tape with notes in any script.

#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextLayout>

#include "tape/qt/tape_view.h"
#include "tape/qt/tape_view_accessible.h"

using zovrek::qt::TapeView;

namespace {

constexpr int kLeftMargin = 3, kRightMargin = 6;  // the text keeps clear of the edges
constexpr int kMargins = kLeftMargin + kRightMargin;

// The control as the form has it, shown.
std::unique_ptr<TapeView> shownTape() {
    auto tape = std::make_unique<TapeView>();
    tape->resize(132, 300);
    tape->show();
    return tape;
}

}  // namespace

class TapeViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        zovrek::qt::TapeViewAccessible::install();
        QApplication::setCursorFlashTime(0);  // a steady caret, drawn whenever it should be
    }
    void longLinesAreShownWhole_data();
    void longLinesAreShownWhole();
    void wrappedRowsScrollSelectAndRead();
    void caretMoves_data();
    void caretMoves();
    void screenReaderReadsAtTheCaretInAnyScript();
    void chineseNoteDrawnWrapped();
};

void TapeViewTest::longLinesAreShownWhole_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("wraps");
    QTest::newRow("number") << " 15.00" << false;
    QTest::newRow("note") << "Groceries at the market on Saturday >> 15.00" << true;
    QTest::newRow("long number") << " 123456789012345678901234567890.00" << true;
    QTest::newRow("one long word") << "Supercalifragilisticexpialidocious >> 1.00" << true;
}

void TapeViewTest::longLinesAreShownWhole() {
    QFETCH(QString, line);
    QFETCH(bool, wraps);
    const auto tape = shownTape();
    tape->append(line.toStdString() + "\r\n");
    const QStringList rows = tape->lineRows(0);
    QCOMPARE(rows.size() > 1, wraps);
    for (const QString& row : rows)
        QVERIFY2(tape->fontMetrics().horizontalAdvance(row) <= tape->viewport()->width() - kMargins,
                 qPrintable(row));
    // Every character is on a row; a note breaks between its words.
    QCOMPARE(rows.join(QString()).remove(' '), QString(line).remove(' '));
    if (line.startsWith(QStringLiteral("Groceries")))
        for (const QString& row : rows)
            for (const QString& word : row.split(' ', Qt::SkipEmptyParts))
                QVERIFY2(line.split(' ').contains(word), qPrintable(word));
    QCOMPARE(tape->rowCount(), std::size_t(rows.size()) + 1);  // and the empty last line
}

void TapeViewTest::wrappedRowsScrollSelectAndRead() {
    const auto tape = shownTape();
    const std::string note = "Groceries at the market on Saturday >> 15.00";
    std::string text;
    for (int i = 0; i < 60; ++i) text += (i % 5 == 4 ? note : " 15.00") + "\r\n";
    tape->append(text.substr(0, text.size() / 2));
    tape->append(text.substr(text.size() / 2));

    // Scrolled to the end: the last line written is in view.
    QScrollBar* bar = tape->verticalScrollBar();
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(!tape->characterRect(text.size() - 3).isEmpty());
    QVERIFY(tape->characterRect(0).isEmpty());

    // A character on the note's second row is drawn below its first, and found there.
    const std::size_t noteStart = text.size() - note.size() - 2;
    const QRect first = tape->characterRect(noteStart);
    const QRect second = tape->characterRect(noteStart + note.find("market"));
    QVERIFY(second.top() > first.top());
    for (const std::size_t offset : {noteStart, noteStart + note.find("market"), text.size() - 4})
        QCOMPARE(tape->offsetAt(tape->characterRect(offset).center()), static_cast<long long>(offset));

    // Selection and copying take whole lines, as the tape has them.
    tape->selectAll();
    QString expected = QString::fromStdString(text).replace("\r\n", "\n");
    QCOMPARE(tape->selectedText(), expected);

    // A screen reader reads the note as one line, from any of its rows.
    QAccessibleTextInterface* read = QAccessible::queryAccessibleInterface(tape.get())->textInterface();
    int start = 0, end = 0;
    QCOMPARE(read->textAtOffset(static_cast<int>(noteStart + note.find("market")),
                                QAccessible::LineBoundary, &start, &end),
             QString::fromStdString(note + "\r\n"));
}

namespace {

// Line 3 is a note wider than the control: it wraps onto rows of its own.
const std::string kNote = "Groceries at the market on Saturday >> 15.00";
const std::vector<std::string> kLines = {" 12.50", " +", " 4.00", kNote, " =", " 16.50", ""};

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) text += lines[i] + "\r\n";
    return text + lines.back();
}

std::size_t offsetOf(const TapeView& tape, int line, int column) {
    return tape.lineStart(static_cast<std::size_t>(line)) + static_cast<std::size_t>(column);
}

// "line:column", "line:end", or "line:lastrow" (the start of the line's last row).
std::size_t place(const TapeView& tape, const QString& where) {
    const QStringList parts = where.split(':');
    const int line = parts[0].toInt();
    if (parts[1] == QLatin1String("end"))
        return offsetOf(tape, line, static_cast<int>(tape.line(std::size_t(line)).size()));
    if (parts[1] == QLatin1String("lastrow")) {
        const std::string lastRow = tape.lineRows(std::size_t(line)).last().toStdString();
        return offsetOf(tape, line, static_cast<int>(tape.line(std::size_t(line)).rfind(lastRow)));
    }
    return offsetOf(tape, line, parts[1].toInt());
}

// Presses `keys` ("Up Shift+End") on the tape; "click:line:column" clicks that character's
// left edge, "shift-click:…" with Shift down.
void press(TapeView& tape, const QString& keys) {
    for (const QString& key : keys.split(' ', Qt::SkipEmptyParts)) {
        if (key.contains(QLatin1String("click:"))) {
            const QRect box = tape.characterRect(place(tape, key.section(':', 1)));
            const QPoint at = box.topLeft() + QPoint(1, box.height() / 2) - tape.viewport()->pos();
            QTest::mouseClick(tape.viewport(), Qt::LeftButton,
                              key.startsWith(QLatin1String("shift")) ? Qt::ShiftModifier
                                                                     : Qt::NoModifier,
                              at);
            continue;
        }
        const QKeyCombination combination = QKeySequence::fromString(key)[0];
        QTest::keyClick(&tape, combination.key(), combination.keyboardModifiers());
    }
}

}  // namespace

void TapeViewTest::caretMoves_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("caret");
    QTest::addColumn<QString>("anchor");  // empty: nothing selected
    QTest::newRow("after the last line written") << "" << "6:0" << "";
    QTest::newRow("up to the total") << "Up" << "5:end" << "";
    QTest::newRow("up, up, home") << "Up Up Home" << "4:0" << "";
    QTest::newRow("up onto a wrapped note's last row") << "Up Up Up Home" << "3:lastrow" << "";
    QTest::newRow("down again") << "Up Up Up Down Down" << "5:end" << "";
    QTest::newRow("ctrl+home") << "Ctrl+Home" << "0:0" << "";
    QTest::newRow("end of the next line") << "Ctrl+Home Down End" << "1:end" << "";
    QTest::newRow("ctrl+end") << "Ctrl+Home Ctrl+End" << "6:0" << "";
    QTest::newRow("page up") << "PgUp" << "0:end" << "";
    QTest::newRow("page down") << "Ctrl+Home PgDown" << "6:0" << "";
    QTest::newRow("left over a line break") << "Up Up Home Left" << "3:end" << "";
    QTest::newRow("right over a line break") << "Up Right" << "6:0" << "";
    QTest::newRow("ctrl+right by word")
        << "Ctrl+Home Down Down Down Home Ctrl+Right Ctrl+Right" << "3:13" << "";
    QTest::newRow("shift extends") << "Shift+Up Shift+Up" << "4:end" << "6:0";
    QTest::newRow("shift+end") << "Ctrl+Home Shift+End" << "0:end" << "0:0";
    QTest::newRow("a move without shift drops the selection")
        << "Ctrl+Home Shift+Down Down" << "2:0" << "";
    QTest::newRow("left collapses the selection") << "Shift+Up Shift+Up Left" << "4:end" << "";
    QTest::newRow("click") << "click:5:3" << "5:3" << "";
    QTest::newRow("shift+click") << "click:5:3 shift-click:2:1" << "2:1" << "5:3";
}

void TapeViewTest::caretMoves() {
    QFETCH(QString, keys);
    QFETCH(QString, caret);
    QFETCH(QString, anchor);
    const auto tape = shownTape();
    tape->setFocus();
    tape->append(joined(kLines));
    QVERIFY(tape->lineRows(3).size() > 1);
    press(*tape, keys);
    QCOMPARE(tape->cursorPosition(), place(*tape, caret));
    QCOMPARE(tape->anchorPosition(), place(*tape, anchor.isEmpty() ? caret : anchor));
    // The caret is in view wherever it went.
    QVERIFY(!tape->characterRect(tape->cursorPosition()).isEmpty());
    if (QTest::currentDataTag() == QByteArray("shift extends"))
        QCOMPARE(tape->selectedText(), QStringLiteral("\n 16.50\n"));
}

void TapeViewTest::screenReaderReadsAtTheCaretInAnyScript() {
    const auto tape = shownTape();
    tape->setFocus();
    const QString cjk = QStringLiteral("晚饭 >> 12.00");
    const QString text =
        QStringLiteral(" 5.00\r\n") + cjk + QStringLiteral("\r\n 🍕 7.00\r\n +\r\n 24.00\r\n");
    tape->append(text.toStdString());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(tape.get());
    QAccessibleTextInterface* read = a->textInterface();
    QCOMPARE(read->characterCount(), int(text.size()));
    QCOMPARE(read->text(0, read->characterCount()), text);
    QCOMPARE(read->cursorPosition(), int(text.size()));

    // Onto the Chinese line's end: the caret offset counts its characters, not their bytes.
    press(*tape, QStringLiteral("Ctrl+Home Down End"));
    const int cjkStart = int(text.indexOf(cjk));
    const int cjkEnd = cjkStart + int(cjk.size());
    QCOMPARE(read->cursorPosition(), cjkEnd);
    int start = 0, end = 0;
    QCOMPARE(read->textAtOffset(read->cursorPosition(), QAccessible::LineBoundary, &start, &end),
             cjk + QStringLiteral("\r\n"));
    QCOMPARE(start, cjkStart);
    QCOMPARE(read->textAtOffset(cjkStart + 1, QAccessible::CharBoundary, &start, &end),
             QStringLiteral("饭"));
    QCOMPARE(start, cjkStart + 1);
    // The emoji is one character of two units, read whole.
    const int pizza = int(text.indexOf(QStringLiteral("🍕")));
    QCOMPARE(read->textAtOffset(pizza, QAccessible::CharBoundary, &start, &end),
             QStringLiteral("🍕"));
    QCOMPARE(end - start, 2);
    QCOMPARE(read->textBeforeOffset(pizza, QAccessible::LineBoundary, &start, &end),
             cjk + QStringLiteral("\r\n"));
    QCOMPARE(read->textAfterOffset(cjkStart, QAccessible::LineBoundary, &start, &end),
             QStringLiteral(" 🍕 7.00\r\n"));

    // The line selected with Shift: one selection.
    press(*tape, QStringLiteral("Home Shift+End"));
    QCOMPARE(read->selectionCount(), 1);
    read->selection(0, &start, &end);
    QCOMPARE(QPair(start, end), QPair(cjkStart, cjkEnd));
    QCOMPARE(tape->selectedText(), cjk);

    // Select All is a selection over the whole text; a screen reader can set the caret.
    press(*tape, QStringLiteral("Ctrl+A"));
    read->selection(0, &start, &end);
    QCOMPARE(QPair(start, end), QPair(0, int(text.size())));
    read->setCursorPosition(pizza + 2);
    QCOMPARE(read->selectionCount(), 0);
    QCOMPARE(read->cursorPosition(), pizza + 2);
    QCOMPARE(tape->cursorPosition(), std::size_t(text.left(pizza + 2).toUtf8().size()));
}

void TapeViewTest::chineseNoteDrawnWrapped() {
    const auto tape = shownTape();
    const QString note = QStringLiteral("晚饭在市场买的菜和水果还有面包 >> 12.00");
    tape->append(" 5.00\r\n" + note.toStdString() + "\r\n +\r\n");
    tape->setFocus();
    QTRY_VERIFY(tape->hasFocus());
    const QStringList rows = tape->lineRows(1);
    QVERIFY(rows.size() > 1);
    QCOMPARE(rows.join(QString()).remove(' '), QString(note).remove(' '));

    // Every row stands clear of both edges; nothing is drawn beside the scroll bar.
    const QImage shown = tape->viewport()->grab().toImage();
    const QRgb background = shown.pixel(shown.width() - 1, shown.height() - 1);
    const auto inkIn = [&](const QImage& image, const QRect& area) {
        int ink = 0;
        const QRect inside = area.intersected(image.rect());
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                ink += image.pixel(x, y) != background;
        return ink;
    };
    for (int r = 0; r < rows.size(); ++r) {
        QTextLayout layout(rows[r], tape->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        QVERIFY2(layout.lineAt(0).naturalTextWidth() <= tape->viewport()->width() - kMargins,
                 qPrintable(rows[r]));
    }
    const QRect noteRows = tape->characterRect(tape->lineStart(1)).united(
        tape->characterRect(tape->lineEnd(1) - 1)).translated(-tape->viewport()->pos());
    QVERIFY(inkIn(shown, QRect(0, noteRows.top(), shown.width(), noteRows.height())) > 0);
    QCOMPARE(inkIn(shown, QRect(shown.width() - kRightMargin + 1, 0, kRightMargin, shown.height())),
             0);

    // The caret is drawn while the tape has the focus: on the empty row after the last line.
    QCOMPARE(tape->cursorPosition(), tape->text().size());
    const QRect caret =
        tape->characterRect(tape->cursorPosition()).translated(-tape->viewport()->pos());
    QVERIFY(inkIn(shown, caret.adjusted(-1, 0, 1, 0)) > 0);
    tape->clearFocus();
    QCOMPARE(inkIn(tape->viewport()->grab().toImage(), caret.adjusted(-1, 0, 1, 0)), 0);
}

QTEST_MAIN(TapeViewTest)
#include "tape_view_test.moc"
