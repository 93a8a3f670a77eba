// Printing a 100,000-line tape (1,667 pages, a note of two rows among every 100 lines): one
// page costs the same at page 1, 100 and 1,000; the whole tape into a PDF file; the preview,
// which draws every page when it opens; the print font's widths that wrap the lines.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include "tape/print_preparation.h"
#include "tape/qt/print_painter.h"
#include "tape/qt/print_pdf.h"
#include "tape/qt/print_preview_pane.h"

namespace {

constexpr int kTapeLines = 100'000;

zovrek::CalculatorState preparedTape() {
    std::string text;
    text.reserve(kTapeLines * 12);
    for (int i = 0; i < kTapeLines; ++i) {
        if (i % 100 == 99)
            text += " The sum of the invoices for March, with the deposit for the new office on "
                    "Quay Street and the fees for both audits\r\n";
        else
            text += (i % 2) ? " +\r\n" : " 1234567.50\r\n";
    }
    zovrek::CalculatorState state;
    state.m_tape.assign(text);
    zovrek::buildPrintLines(state);
    zovrek::wrapPrintLines(state, zovrek::qt::printCharWidths());
    state.m_printTitle = "Benchmark";
    return state;
}

zovrek::CalculatorState& tape() {
    static zovrek::CalculatorState state = preparedTape();
    return state;
}

int lastPage() { return zovrek::printPageCount(tape().m_printLineCount); }

// One page painted and handed to a PDF writer (which writes the page out at the next one).
void BM_PdfPage(benchmark::State& state) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter painter(&writer);
    const int page = static_cast<int>(state.range(0));
    for (auto _ : state) {
        writer.newPage();
        zovrek::qt::paintTapePage(painter, tape(), page);
    }
    painter.end();
    state.counters["pages in tape"] = lastPage();
}
BENCHMARK(BM_PdfPage)->Arg(1)->Arg(100)->Arg(1000)->Arg(1667)->Unit(benchmark::kMicrosecond);

// The whole tape into a PDF file, as zovrek-tape pdf and Print to File write it.
void BM_WholeTapePdf(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tape.pdf"));
    for (auto _ : state) {
        const QString problem =
            zovrek::qt::writeTapePdf(tape(), lastPage(), path, QPageSize(QPageSize::A4));
        if (!problem.isEmpty()) state.SkipWithError(qPrintable(problem));
    }
    state.counters["pages"] = lastPage();
    state.counters["per page"] = benchmark::Counter(
        lastPage(), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_WholeTapePdf)->Unit(benchmark::kMillisecond)->Iterations(3);

// Opening the preview: every page drawn once for the preview's pages, as the pane is made.
void BM_PreviewWholeTape(benchmark::State& state) {
    QPrinter printer(QPrinter::HighResolution);
    for (auto _ : state) {
        zovrek::qt::PrintPreviewPane pane(
            printer,
            [](QPrinter& p) {
                QPainter painter(&p);
                zovrek::qt::paintTapePages(painter, p, tape(), 1, lastPage());
            },
            nullptr);
        benchmark::DoNotOptimize(pane.preview().pageCount());
    }
    state.counters["pages"] = lastPage();
}
BENCHMARK(BM_PreviewWholeTape)->Unit(benchmark::kMillisecond)->Iterations(3);

// Measured at every preparation of a print or preview.
void BM_PrintCharWidths(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(zovrek::qt::printCharWidths());
}
BENCHMARK(BM_PrintCharWidths)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
