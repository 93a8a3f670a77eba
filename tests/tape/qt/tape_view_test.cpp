// The tape control with lines wider than itself: a note or a long number wraps onto more
// rows, whole and right-aligned, and scrolling, selecting, copying and reading by a screen
// reader go on working with the wrapped rows.

#include <QAccessible>
#include <QScrollBar>
#include <QTest>

#include "tape/qt/tape_view.h"
#include "tape/qt/tape_view_accessible.h"

using zovrek::qt::TapeView;

namespace {

constexpr int kMargins = 6;  // the text keeps 3 pixels from each edge

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
    void initTestCase() { zovrek::qt::TapeViewAccessible::install(); }
    void longLinesAreShownWhole_data();
    void longLinesAreShownWhole();
    void wrappedRowsScrollSelectAndRead();
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

QTEST_MAIN(TapeViewTest)
#include "tape_view_test.moc"
