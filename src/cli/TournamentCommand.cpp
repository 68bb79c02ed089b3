#include "TournamentCommand.h"

#include "core/files/Document.h"
#include "core/record/Game.h"
#include "core/stats/StatsReport.h"
#include "core/stats/Tournament.h"

#include <cstdio>

namespace {

constexpr int kOk = 0;
constexpr int kUsage = 2;
constexpr int kCannotRead = 3;

// The followed side is the one named as asked; the reference players are the
// first game's (or those given); players are matched by name, and the others
// keep their own index.
class CommandLineAnswers : public TournamentQuestions
{
public:
    CommandLineAnswers(QString team, QStringList players)
        : team_(std::move(team)), players_(std::move(players))
    {}

    int chooseSide(const CGame& game, const QString&) override
    {
        for (int side = 0; side < 2; ++side) {
            if (game.Teams[std::size_t(side)].Text == team_)
                return side;
        }
        teamMissing = true;
        return -1;
    }

    std::optional<PlayerNames> confirmFirstGamePlayers(const PlayerNames& names,
                                                       const QStringList&) override
    {
        if (players_.isEmpty())
            return names;
        PlayerNames given;
        for (int i = 0; i < 5; ++i)
            given[std::size_t(i)] = players_.value(i);
        return given;
    }

    std::optional<CStatsData::PlayerMap> mapPlayers(const PlayerNames&, const PlayerNames&,
                                                    const CStatsData::PlayerMap& proposal,
                                                    bool) override
    {
        return proposal;
    }

    bool teamMissing = false;

private:
    QString team_;
    QStringList players_;
};

void printError(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

} // namespace

int tournamentCommand(const QString& team, const QStringList& players, const QStringList& files,
                      Prompts& prompts)
{
    if (team.isEmpty() || files.isEmpty() || players.size() > 5) {
        printError(QStringLiteral("talvstats-cli tournament: give --team NAME, at most five "
                                  "--players and one or more files. See talvstats-cli --help."));
        return kUsage;
    }
    CommandLineAnswers answers(team, players);
    CTournament tournament(prompts, answers);
    for (const QString& file : files) {
        answers.teamMissing = false;
        if (tournament.addGame(file))
            continue;
        if (answers.teamMissing)
            printError(file + QStringLiteral(": no team named \"%1\"; skipped.").arg(team));
        else if (!tournament.lastError().isEmpty())
            printError(file + QStringLiteral(": ") + tournament.lastError() +
                       QStringLiteral(" Skipped."));
    }
    if (tournament.games() == 0) {
        printError(QStringLiteral("talvstats-cli tournament: no game was added."));
        return kCannotRead;
    }
    tournament.prepareForStatistics();
    const CStatsReport report(
        tournament.statistics(),
        ReportSubject::ofTournament(tournament.scratchDocument().game(), tournament.teamName()));
    const QByteArray text = report.exportText(false).toUtf8();
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
    return kOk;
}
