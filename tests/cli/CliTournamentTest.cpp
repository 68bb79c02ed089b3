#include "CliRunner.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/files/Document.h"
#include "core/stats/StatsReport.h"
#include "core/stats/Tournament.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

// The tournament command follows one team over saved games without a person.
class CliTournamentTest : public CliFileTest
{
protected:
    // A game of two teams in which team 1 of the file scores the given points.
    QString savedGame(const QString& name, const QString& team1, const QString& team2, int points)
    {
        CTALVStatsDoc document;
        document.OnNewDocument();
        CGame& game = document.game();
        game.Teams[0].Text = team1;
        game.Teams[1].Text = team2;
        for (int i = 0; i < 8; ++i) {
            CStone& s = game.currentStone();
            s.Task = i % 11;
            s.Handle = i % 2;
            s.Points = game.CurrentTeamSlot() == 0 ? points : 1;
            game.SetGameState(6);
            game.NextStone();
        }
        const QString path = files_.filePath(name);
        ScriptedPrompts prompts;
        EXPECT_TRUE(document.SaveAs(path, prompts));
        return path;
    }
};

TEST_F(CliTournamentTest, FollowsTheNamedTeamOnEitherSide)
{
    const QString a =
        savedGame(QStringLiteral("a.cus"), QStringLiteral("SUI"), QStringLiteral("CAN"), 4);
    const QString b =
        savedGame(QStringLiteral("b.cus"), QStringLiteral("NOR"), QStringLiteral("SUI"), 2);
    const QString other =
        savedGame(QStringLiteral("c.cus"), QStringLiteral("SWE"), QStringLiteral("DEN"), 3);
    const CliRun result = run({QStringLiteral("tournament"), QStringLiteral("--team"),
                               QStringLiteral("SUI"), a, other, b});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("c.cus: no team named \"SUI\"; skipped."))
        << result.err.toStdString();

    // The same tournament in the program.
    struct FollowSui : TournamentQuestions
    {
        int chooseSide(const CGame& game, const QString&) override
        {
            return game.Teams[1].Text == QLatin1String("SUI") ? 1 : 0;
        }
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
    } answers;
    ScriptedPrompts prompts;
    CTournament tournament(prompts, answers);
    ASSERT_TRUE(tournament.addGame(a));
    ASSERT_TRUE(tournament.addGame(b));
    tournament.prepareForStatistics();
    const CStatsReport report(
        tournament.statistics(),
        ReportSubject::ofTournament(tournament.scratchDocument().game(), QStringLiteral("SUI")));
    EXPECT_EQ(result.out, report.exportText(false).toUtf8());
    EXPECT_TRUE(result.out.contains("SUI"));
    // Team 1 of the report is SUI: its 4 stones of the first game at 100 %, its
    // 4 of the second (as team 2 of the file) at 25 %.
    EXPECT_EQ(tournament.statistics().GetPercentText(0, 5, 0), QStringLiteral("  62.5 %"));
}

TEST_F(CliTournamentTest, UsageAndNothingAdded)
{
    const QString a =
        savedGame(QStringLiteral("a.cus"), QStringLiteral("SUI"), QStringLiteral("CAN"), 4);
    EXPECT_EQ(run({QStringLiteral("tournament"), a}).exitCode, 2); // no --team
    EXPECT_EQ(run({QStringLiteral("tournament"), QStringLiteral("--team"), QStringLiteral("SUI")})
                  .exitCode,
              2);
    EXPECT_EQ(
        run({QStringLiteral("show"), a, QStringLiteral("--team"), QStringLiteral("SUI")}).exitCode,
        2);
    const CliRun none =
        run({QStringLiteral("tournament"), QStringLiteral("--team"), QStringLiteral("ITA"), a,
             files_.filePath(QStringLiteral("missing.cus"))});
    EXPECT_EQ(none.exitCode, 3);
    EXPECT_TRUE(none.err.contains("missing.cus: ")) << none.err.toStdString();

    const CliRun named =
        run({QStringLiteral("tournament"), QStringLiteral("--team"), QStringLiteral("SUI"),
             QStringLiteral("--players"), QStringLiteral("Ann,Bea,Cleo,Dora,Eve"), a});
    EXPECT_EQ(named.exitCode, 0);
    EXPECT_TRUE(named.out.contains("Dora")) << named.out.toStdString();
}
