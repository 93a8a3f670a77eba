// What playing a sound costs the key that asks for it: on this machine's audio device (none
// where the benchmarks usually run, which must stay cheap) and on an output that takes every
// sound at once, which leaves the cost of finding and reading the file.

#include "shell/qt/sound/sound_file.h"
#include "shell/qt/sound/sound_output.h"
#include "shell/qt/sound/sound_player.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

class SilentOutput final : public zovrek::qt::SoundOutput {
public:
    bool start(const zovrek::qt::Sound&) override { return false; }
    void stop() override {}
    bool isPlaying() const override { return false; }
};

void soundWithoutWaiting(benchmark::State& state) {
    zovrek::qt::SoundPlayer player;
    for (auto _ : state)
        player.play("fivea.wav", false);
}
BENCHMARK(soundWithoutWaiting)->Unit(benchmark::kMicrosecond);

// The longest file, waiting: with no device it must not hold the program.
void longestSoundWaiting(benchmark::State& state) {
    zovrek::qt::SoundPlayer player;
    for (auto _ : state)
        player.play("divide.wav", true);
}
BENCHMARK(longestSoundWaiting)->Unit(benchmark::kMicrosecond)->MinTime(0.1);

void soundOnReadyOutput(benchmark::State& state) {
    zovrek::qt::SoundPlayer player(std::make_unique<SilentOutput>());
    for (auto _ : state)
        player.play("fivea.wav", false);
}
BENCHMARK(soundOnReadyOutput)->Unit(benchmark::kMicrosecond);

void readingAFile(benchmark::State& state) {
    const QString path = zovrek::qt::findSound("divide.wav");
    for (auto _ : state)
        benchmark::DoNotOptimize(zovrek::qt::loadSound(path));
}
BENCHMARK(readingAFile)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
