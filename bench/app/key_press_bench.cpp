// A key press through the real window, repaint included, on tapes of 0, 100,000 and
// 1,000,000 lines, of 1,000,000 lines where many wrap, with the crash-recovery file
// flushed, and the first key after a tape file was opened: the cost must not grow with the
// tape.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "app/accessible_factories.h"
#include "app/application.h"
#include "app/calculator_view.h"
#include "tape/cal_file.h"
#include "tape/qt/tape_view.h"

namespace {

// Operands and operators; with `notes`, every fourth operand carries a note wider than the
// tape control, as a tape corrected in the editor may, so those lines wrap.
std::string tapeOfLines(std::int64_t lines, bool notes) {
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * (notes ? 20 : 8));
    for (std::int64_t i = 0; i < lines; ++i) {
        if (i % 2)
            text += " +\r\n";
        else if (notes && i % 8 == 0)
            text += "Groceries at the market on Saturday >> 1234.50\r\n";
        else
            text += " 1234.50\r\n";
    }
    return text;
}

// An operand and an operator: two tape lines, then the window painted.
void pressOperandAndOperator(zovrek::qt::CZOVREKApp& app, QWidget* display) {
    QTest::keyClick(display, Qt::Key_5);
    QTest::keyClick(display, Qt::Key_Plus, Qt::ShiftModifier);
    app.mainFrame().repaint();
}

void BM_KeyPressWithRepaint(benchmark::State& state) {
    zovrek::qt::CZOVREKApp app;
    app.document().m_tapeText = zovrek::TapeText(tapeOfLines(state.range(0), state.range(1) != 0));
    if (!app.InitInstance(QStringList{})) state.SkipWithError("start-up failed");
    app.mainFrame().view().calculator().m_voiceActive = 0;
    QWidget* display = app.mainFrame().view().form().control(1000);
    display->setFocus();
    for (auto _ : state) pressOperandAndOperator(app, display);
    state.counters["tape lines"] =
        static_cast<double>(app.mainFrame().view().tape().lineCount());
}
BENCHMARK(BM_KeyPressWithRepaint)
    ->ArgNames({"lines", "notes"})
    ->Args({0, 0})
    ->Args({100'000, 0})
    ->Args({1'000'000, 0})
    ->Args({1'000'000, 1})
    ->Unit(benchmark::kMicrosecond);

// The same with numbers shown the German way: only the new lines are marked.
void BM_KeyPressWithNumberFormat(benchmark::State& state) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    zovrek::qt::CZOVREKApp app;
    app.document().m_tapeText = zovrek::TapeText(tapeOfLines(state.range(0), false));
    if (!app.InitInstance(QStringList{})) state.SkipWithError("start-up failed");
    app.mainFrame().view().calculator().m_voiceActive = 0;
    app.mainFrame().view().setNumberFormat(true);
    QWidget* display = app.mainFrame().view().form().control(1000);
    display->setFocus();
    for (auto _ : state) pressOperandAndOperator(app, display);
    QLocale::setDefault(QLocale::c());
}
BENCHMARK(BM_KeyPressWithNumberFormat)
    ->ArgNames({"lines"})
    ->Arg(0)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMicrosecond);

// The same with the crash-recovery file flushed after every key, as if each came a second
// after the last: the lines of the key appended and synced to disk, never the whole tape.
void BM_KeyPressWithRecovery(benchmark::State& state) {
    zovrek::qt::CZOVREKApp app;
    app.document().m_tapeText = zovrek::TapeText(tapeOfLines(state.range(0), false));
    if (!app.InitInstance(QStringList{})) state.SkipWithError("start-up failed");
    if (!app.recovery().active() || !app.recovery().flushNow())
        state.SkipWithError("no recovery file");
    app.mainFrame().view().calculator().m_voiceActive = 0;
    QWidget* display = app.mainFrame().view().form().control(1000);
    display->setFocus();
    for (auto _ : state) {
        pressOperandAndOperator(app, display);
        app.recovery().flushNow();
    }
    state.counters["file MB"] =
        static_cast<double>(std::filesystem::file_size(app.recovery().file()->path())) / 1e6;
}
BENCHMARK(BM_KeyPressWithRecovery)->Arg(0)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// The first key after File Open, its crash-recovery flush included: the opened tape is in
// its file already, so the key must not copy it into the recovery file.
void BM_FirstKeyAfterOpen(benchmark::State& state) {
    QTemporaryDir dir;
    const std::filesystem::path file = QFile::encodeName(dir.filePath("long.cal")).toStdString();
    if (!zovrek::writeCalFile(file, tapeOfLines(state.range(0), false)).ok)
        state.SkipWithError("no tape file");
    zovrek::qt::CZOVREKApp app;
    if (!app.InitInstance(QStringList{})) state.SkipWithError("start-up failed");
    auto& view = app.mainFrame().view();
    view.calculator().m_voiceActive = 0;
    QWidget* display = view.form().control(1000);
    display->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        if (!view.fileCommands().openDocumentFile(file)) state.SkipWithError("open failed");
        app.recovery().flushNow();
        app.mainFrame().repaint();
        state.ResumeTiming();
        pressOperandAndOperator(app, display);
        app.recovery().flushNow();
    }
    state.counters["file MB"] =
        static_cast<double>(std::filesystem::file_size(app.recovery().file()->path())) / 1e6;
}
BENCHMARK(BM_FirstKeyAfterOpen)
    ->Arg(0)
    ->Arg(1'000'000)
    ->Iterations(5)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("PULSE_SERVER", "unix:/nonexistent");
    // Recovery files in a folder of the run's own, never the user's.
    QTemporaryDir state;
    qputenv("ZOVREK_STATE_DIR", QFile::encodeName(state.path()));
    QApplication app(argc, argv);
    zovrek::qt::installAccessibleFactories();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
