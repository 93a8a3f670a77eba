// Exporting whole tapes: CSV and the workbook, time per line flat as the tape grows.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "editor/tape_csv.h"
#include "editor/tape_xlsx.h"

namespace {

// A tape of `lines` lines: a running sum with a total after each addition and a note now
// and then.
std::string noteTape(std::int64_t lines) {
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * 10);
    text += "Opening balance >> 12.50\r\n";
    for (std::int64_t written = 1; written + 4 <= lines; written += 4)
        text += written % 400 == 1 ? "Groceries >> +\r\n 1.25\r\n =\r\n 13.75\r\n"
                                   : " +\r\n 1.25\r\n =\r\n 13.75\r\n";
    return text;
}

void perLine(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["per_line"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Csv(benchmark::State& state) {
    const std::string tape = noteTape(state.range(0));
    for (auto _ : state) {
        std::ostringstream out;
        zovrek::writeTapeCsv(out, tape);
        benchmark::DoNotOptimize(out.tellp());
    }
    perLine(state);
}
BENCHMARK(BM_Csv)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_Xlsx(benchmark::State& state) {
    const std::string tape = noteTape(state.range(0));
    const auto file = std::filesystem::temp_directory_path() /
                      ("zovrek-bench-" + std::to_string(::getpid()) + ".xlsx");
    for (auto _ : state) {
        const zovrek::FileResult r = zovrek::writeTapeXlsx(file, tape);
        if (!r.ok) state.SkipWithError(r.message.c_str());
    }
    std::filesystem::remove(file);
    perLine(state);
}
BENCHMARK(BM_Xlsx)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
