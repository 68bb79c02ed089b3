// A tournament of 1,000 full game files read from disk, against reading the
// same files' bytes alone.
#include "BenchMain.h"
#include "FullGame.h"

#include "core/base/Prompts.h"
#include "core/files/GameFile.h"
#include "core/stats/Tournament.h"


#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int kFiles = 1000;

class SilentPrompts : public Prompts
{
public:
    bool askYesNo(const QString&, Icon, bool) override { return false; }
    bool askOkCancel(const QString&, Icon, bool) override { return false; }
    Answer askYesNoCancel(const QString&, Icon) override { return Answer::Cancel; }
    void message(const QString&, Icon) override {}
    QString askSavePath(const QString&, const QString&, const QString&) override { return {}; }
};

class FollowFirstTeam : public TournamentQuestions
{
public:
    int chooseSide(const CGame&, const QString&) override { return 0; }
    std::optional<PlayerNames> confirmFirstGamePlayers(const PlayerNames& names,
                                                       const QStringList&) override
    {
        return names;
    }
    std::optional<CStatsData::PlayerMap> mapPlayers(const PlayerNames&, const PlayerNames&,
                                                    const CStatsData::PlayerMap& proposal,
                                                    bool) override
    {
        return proposal;
    }
};

const QStringList& gameFiles()
{
    static QTemporaryDir folder;
    static QStringList paths;
    if (paths.isEmpty()) {
        FullGame full;
        const QByteArray bytes = writeGameFile(full.doc, full.game);
        for (int i = 0; i < kFiles; ++i) {
            const QString path = folder.filePath(QStringLiteral("game%1.cus").arg(i));
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
            paths.append(path);
        }
    }
    return paths;
}

void BM_ReadFileBytes(benchmark::State& state)
{
    const QStringList& paths = gameFiles();
    for (auto _ : state) {
        qint64 total = 0;
        for (const QString& path : paths) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                total += file.readAll().size();
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TournamentOfFiles(benchmark::State& state)
{
    const QStringList& paths = gameFiles();
    SilentPrompts prompts;
    FollowFirstTeam questions;
    for (auto _ : state) {
        CTournament tournament(prompts, questions);
        for (const QString& path : paths)
            tournament.addGame(path);
        benchmark::DoNotOptimize(tournament.games());
    }
}
BENCHMARK(BM_TournamentOfFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
