// Saving and opening a full game: 20 ends, every stone with texts, two tags
// and all 18 positions.
#include "BenchMain.h"
#include "FullGame.h"

#include "core/files/GameFile.h"



namespace {

void BM_WriteFullGame(benchmark::State& state)
{
    FullGame full;
    for (auto _ : state) {
        QByteArray bytes = writeGameFile(full.doc, full.game);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_WriteFullGame)->Unit(benchmark::kMicrosecond);

void BM_ReadFullGame(benchmark::State& state)
{
    FullGame full;
    const QByteArray bytes = writeGameFile(full.doc, full.game);
    state.counters["bytes"] = double(bytes.size());
    const CGame blank(NewGameOptions{});
    for (auto _ : state) {
        DocumentFields doc;
        CGame game = blank;
        const bool ok = readGameFile(bytes, doc, game).ok;
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_ReadFullGame)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
