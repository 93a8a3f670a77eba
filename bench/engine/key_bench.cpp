// Cost of one key press, on an empty tape and on a long one: it must not grow with the tape.

#include <benchmark/benchmark.h>

#include "engine/calculator.h"
#include "engine/key_names.h"
#include "engine/scripted_window.h"

namespace zovrek {
namespace {

// A typical mixed sequence: 22 keys, 10 tape lines.
const std::vector<int> kSequence = [] {
    std::vector<int> keys;
    for (const char* token : {"12.5*4=", "+", "7.25", "-", "3=", "M+", "C", "200%15="})
        for (int id : keysOfToken(token)) keys.push_back(id);
    return keys;
}();

struct QuietWindow : ScriptedWindow {
    void playSound(std::string_view, bool) override {}
};

void runKeys(benchmark::State& state) {
    QuietWindow window;
    window.keepTapeControl = false;
    DocumentTape document;
    Calculator calc(window, document);
    window.attach(calc);
    calc.onInitialUpdate();
    const auto lines = static_cast<std::size_t>(state.range(0));
    // Prime the tape with the requested number of lines (10 per sequence).
    while (calc.m_tape.size() < lines * 7)
        for (int id : kSequence) calc.onCommand(id);

    std::int64_t n = 0;
    for (auto _ : state) {
        for (int id : kSequence) calc.onCommand(id);
        // Keep the empty-tape case near empty; the long tape keeps growing.
        if (lines == 0 && ++n % 1000 == 0) {
            state.PauseTiming();
            calc.m_tape.clear();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kSequence.size()));
}

BENCHMARK(runKeys)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zovrek
