// The statistics report of a full game: the tallies, the row tree of each
// layout and the clipboard text.
#include "BenchMain.h"
#include "FullGame.h"

#include "core/base/Settings.h"
#include "core/stats/StatsData.h"
#include "core/stats/StatsReport.h"



namespace {

void BM_AddGame(benchmark::State& state)
{
    FullGame full;
    CStatsData stats;
    for (auto _ : state) {
        stats.Reset();
        stats.AddGame(full.game, true, 0, false);
        benchmark::DoNotOptimize(stats.GetCount(0, CStatsData::WholeTeam, 0));
    }
}
BENCHMARK(BM_AddGame)->Unit(benchmark::kMicrosecond);

// Range argument: the view (0 by team, 1 by position).
void BM_ReportTree(benchmark::State& state)
{
    FullGame full;
    const CStatsData stats(full.game);
    CStatsReport report(stats, ReportSubject::ofGame(full.game));
    for (auto _ : state) {
        report.setView(int(state.range(0))); // one rebuild of the tree
        benchmark::DoNotOptimize(report.rows().data());
    }
}
BENCHMARK(BM_ReportTree)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ReportCopyAll(benchmark::State& state)
{
    FullGame full;
    const CStatsData stats(full.game);
    CStatsReport report(stats, ReportSubject::ofGame(full.game));
    report.setView(int(state.range(0)));
    for (auto _ : state) {
        const QString text = report.exportText(false);
        benchmark::DoNotOptimize(text.constData());
    }
}
BENCHMARK(BM_ReportCopyAll)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
