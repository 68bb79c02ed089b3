// What every start and every New command pays: a new game record under the
// settings in force, and the document's guideline table.
#include "BenchMain.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/record/Game.h"
#include "core/record/Guidelines.h"



static void BM_NewGameFromSettings(benchmark::State& state)
{
    for (auto _ : state) {
        CGame game;
        benchmark::DoNotOptimize(game.Teams[0].Text);
    }
}
BENCHMARK(BM_NewGameFromSettings)->Unit(benchmark::kMicrosecond);

static void BM_NewGameFromOptions(benchmark::State& state)
{
    const NewGameOptions options = NewGameOptions::fromSettings();
    for (auto _ : state) {
        CGame game(options);
        benchmark::DoNotOptimize(game.Teams[0].Text);
    }
}
BENCHMARK(BM_NewGameFromOptions)->Unit(benchmark::kMicrosecond);

static void BM_LoadGuidelines(benchmark::State& state)
{
    for (auto _ : state) {
        GuidelineTable table;
        table.LoadGuidelines();
        benchmark::DoNotOptimize(table[0].NormalText);
    }
}
BENCHMARK(BM_LoadGuidelines)->Unit(benchmark::kMicrosecond);

static void BM_ReadSetting(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Settings::read(Key::Options::SecondsPerEnd));
}
BENCHMARK(BM_ReadSetting)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
