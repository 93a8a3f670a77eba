// Reading and writing a 10 MB ".cal" file, cutting a 100,000-line tape into print lines, and
// wrapping the print lines of a 1,000,000-line tape with long notes into rows.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "tape/cal_file.h"
#include "tape/cal_format.h"
#include "tape/file_commands.h"
#include "tape/print_preparation.h"

namespace {

std::string tapeOfBytes(std::size_t bytes) {
    std::string tape;
    tape.reserve(bytes + 32);
    for (int i = 0; tape.size() < bytes; ++i) tape += " " + std::to_string(i) + ".00\r\n +\r\n";
    return tape;
}

std::string tapeOfLines(int lines) {
    std::string tape;
    for (int i = 0; i < lines; ++i) tape += i % 2 ? " +\r\n" : " " + std::to_string(i) + ".00\r\n";
    return tape;
}

constexpr std::size_t kTenMegabytes = 10'000'000;

/// A private folder for the file benchmarks, removed when the program ends.
const std::filesystem::path& benchFolder() {
    struct Folder {
        std::filesystem::path path;
        Folder() {
            std::string tmpl = (std::filesystem::temp_directory_path() / "zovrek-bench-XXXXXX").string();
            if (::mkdtemp(tmpl.data()) != nullptr) path = tmpl;
        }
        ~Folder() {
            std::error_code ec;
            if (!path.empty()) std::filesystem::remove_all(path, ec);
        }
    };
    static const Folder folder;
    return folder.path;
}

void BM_WriteCalStream(benchmark::State& state) {
    const std::string tape = tapeOfBytes(kTenMegabytes);
    for (auto _ : state) {
        std::ostringstream out;
        benchmark::DoNotOptimize(zovrek::writeCal(out, tape));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * tape.size()));
}
BENCHMARK(BM_WriteCalStream)->Unit(benchmark::kMillisecond);

void BM_ReadCalStream(benchmark::State& state) {
    const std::string file = zovrek::encodeCal(tapeOfBytes(kTenMegabytes));
    for (auto _ : state) {
        std::istringstream in(file);
        benchmark::DoNotOptimize(zovrek::readCal(in));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ReadCalStream)->Unit(benchmark::kMillisecond);

void BM_SaveCalFile(benchmark::State& state) {
    const std::string tape = tapeOfBytes(kTenMegabytes);
    const auto path = benchFolder() / "save.cal";
    for (auto _ : state) {
        if (!zovrek::writeCalFile(path, tape).ok) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * tape.size()));
}
BENCHMARK(BM_SaveCalFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenCalFile(benchmark::State& state) {
    const std::string tape = tapeOfBytes(kTenMegabytes);
    const auto path = benchFolder() / "open.cal";
    if (!zovrek::writeCalFile(path, tape).ok) state.SkipWithError("setup failed");
    for (auto _ : state) benchmark::DoNotOptimize(zovrek::readCalFile(path));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * tape.size()));
}
BENCHMARK(BM_OpenCalFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BuildPrintLines(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    zovrek::CalculatorState calc;
    calc.m_tape.assign(tapeOfLines(lines));
    for (auto _ : state) {
        zovrek::buildPrintLines(calc);
        benchmark::DoNotOptimize(calc.m_printLines.data());
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(BM_BuildPrintLines)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_WrapPrintLines(benchmark::State& state) {
    constexpr int kLines = 1'000'000;
    // Every tenth line a note of 120 characters, two rows wide.
    std::string tape;
    tape.reserve(kLines * 22);
    const std::string note = " The sum of the invoices for March, with the deposit for the new office on "
                             "Quay Street and the fees for both audits\r\n";
    for (int i = 0; i < kLines; ++i) tape += i % 10 == 9 ? note : " " + std::to_string(i) + ".00\r\n";
    zovrek::CharWidths widths;
    widths.fill(132);  // the print font's characters, in twips
    zovrek::CalculatorState calc;
    calc.m_tape.assign(tape);
    for (auto _ : state) {
        zovrek::buildPrintLines(calc);
        zovrek::wrapPrintLines(calc, widths);
        benchmark::DoNotOptimize(calc.m_printLines.data());
    }
    state.counters["rows"] = calc.m_printLineCount;
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_WrapPrintLines)->Unit(benchmark::kMillisecond);

void BM_LastNumberLine(benchmark::State& state) {
    std::string tape = tapeOfLines(100'000);
    for (int i = 0; i < 100'000; ++i) tape += " @\r\n";  // the worst case: a long digitless end
    for (auto _ : state) benchmark::DoNotOptimize(zovrek::lastNumberLine(tape));
    state.SetItemsProcessed(state.iterations() * 200'000);
}
BENCHMARK(BM_LastNumberLine)->Unit(benchmark::kMillisecond);

}  // namespace
