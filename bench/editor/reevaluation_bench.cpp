// Re-evaluating whole tapes: the time per line must stay flat as the tape grows.

#include <benchmark/benchmark.h>

#include <string>

#include "editor/tape_reevaluation.h"

namespace {

// A calculator-mode tape of about `lines` lines: a running sum with a total after each
// addition, and now and then a clear and a square root.
std::string calculatorTape(std::int64_t lines) {
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * 9);
    text += " 12.50\r\n";
    std::int64_t written = 1;
    for (std::int64_t i = 0; written + 8 <= lines; ++i) {
        if (i % 50 == 49) {
            text += " @\r\n (SQRT)\r\n 7.00\r\n =\r\n 2.65\r\n +\r\n 1.25\r\n =\r\n 0\r\n";
            written += 9;
        } else {
            text += " +\r\n 1.25\r\n =\r\n 0.00\r\n";
            written += 4;
        }
    }
    return text;
}

void addLineCounters(benchmark::State& state, std::int64_t lines) {
    state.SetItemsProcessed(state.iterations() * lines);
    state.counters["per_line"] = benchmark::Counter(
        static_cast<double>(lines),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_UpdateMarkedTape(benchmark::State& state) {
    const std::string text = zovrek::markSeparators(calculatorTape(state.range(0)));
    for (auto _ : state) {
        zovrek::Reevaluation r = zovrek::reevaluateTape(text, 3, true);
        benchmark::DoNotOptimize(r.text.data());
    }
    addLineCounters(state, state.range(0));
}
BENCHMARK(BM_UpdateMarkedTape)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

void BM_MarkAndUpdateTape(benchmark::State& state) {
    const std::string text = calculatorTape(state.range(0));
    for (auto _ : state) {
        zovrek::Reevaluation r = zovrek::reevaluateTape(text, 3);
        benchmark::DoNotOptimize(r.text.data());
    }
    addLineCounters(state, state.range(0));
}
BENCHMARK(BM_MarkAndUpdateTape)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

void BM_MarkSeparators(benchmark::State& state) {
    const std::string text = calculatorTape(state.range(0));
    for (auto _ : state) {
        std::string marked = zovrek::markSeparators(text);
        benchmark::DoNotOptimize(marked.data());
    }
    addLineCounters(state, state.range(0));
}
BENCHMARK(BM_MarkSeparators)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
