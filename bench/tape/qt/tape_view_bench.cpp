// The tape control's own keys on tapes of 1,000 and 1,000,000 lines, every tenth a note in
// Chinese: moving the caret (with the repaint), jumping to either end, and what a screen
// reader asks at the caret, in UTF-16 offsets, cost the same on both.

#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "tape/qt/tape_view.h"
#include "tape/qt/tape_view_accessible.h"

namespace {

using zovrek::qt::TapeView;

std::unique_ptr<TapeView> shownTape(std::int64_t lines) {
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * 12);
    for (std::int64_t i = 0; i < lines; ++i)
        text += i % 2 ? " +\r\n" : i % 10 == 0 ? "晚饭 >> 1234.50\r\n" : " 1234.50\r\n";
    auto tape = std::make_unique<TapeView>();
    tape->resize(132, 300);
    tape->show();
    tape->append(text);
    tape->setFocus();
    // The caret in the middle of the tape.
    tape->setCursorPosition(tape->lineStart(tape->lineCount() / 2));
    return tape;
}

// Up, Down, Page Up, Page Down, Home and End in turn, each painted.
void BM_CaretKey(benchmark::State& state) {
    const auto tape = shownTape(state.range(0));
    const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp,
                            Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    std::size_t next = 0;
    for (auto _ : state) {
        QTest::keyClick(tape.get(), keys[next++ % std::size(keys)]);
        tape->viewport()->repaint();
    }
}
BENCHMARK(BM_CaretKey)->Arg(1000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// Ctrl+Home and Ctrl+End in turn, with Shift: the whole tape selected and let go.
void BM_SelectToEitherEnd(benchmark::State& state) {
    const auto tape = shownTape(state.range(0));
    bool home = false;
    for (auto _ : state) {
        QTest::keyClick(tape.get(), (home = !home) ? Qt::Key_Home : Qt::Key_End,
                        Qt::ControlModifier | Qt::ShiftModifier);
        tape->viewport()->repaint();
    }
}
BENCHMARK(BM_SelectToEitherEnd)->Arg(1000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// What a screen reader asks after a caret move: where the caret is, and the line there.
void BM_LineAtCaret(benchmark::State& state) {
    const auto tape = shownTape(state.range(0));
    QAccessibleTextInterface* read =
        QAccessible::queryAccessibleInterface(tape.get())->textInterface();
    for (auto _ : state) {
        int start = 0, end = 0;
        benchmark::DoNotOptimize(
            read->textAtOffset(read->cursorPosition(), QAccessible::LineBoundary, &start, &end));
        benchmark::DoNotOptimize(
            read->textAtOffset(start, QAccessible::CharBoundary, &start, &end));
    }
}
BENCHMARK(BM_LineAtCaret)->Arg(1000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zovrek::qt::TapeViewAccessible::install();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
