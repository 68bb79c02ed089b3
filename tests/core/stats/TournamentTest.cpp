#include "core/stats/Tournament.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/Document.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QDir>

namespace {

// Answers the tournament's questions from a script and notes what was asked.
class ScriptedQuestions : public TournamentQuestions
{
public:
    QList<int> sides;
    std::optional<PlayerNames> firstPlayers; // nothing: keep the names offered
    bool cancelFirstPlayers = false;
    std::optional<CStatsData::PlayerMap> mapAnswer; // nothing: the proposal
    int sideQuestions = 0;
    QStringList knownNames;
    QList<CStatsData::PlayerMap> proposals;

    int chooseSide(const CGame&, const QString& known) override
    {
        ++sideQuestions;
        knownNames.append(known);
        return sides.isEmpty() ? -1 : sides.takeFirst();
    }
    std::optional<PlayerNames> confirmFirstGamePlayers(const PlayerNames& names,
                                                       const QStringList&) override
    {
        if (cancelFirstPlayers)
            return std::nullopt;
        return firstPlayers ? *firstPlayers : names;
    }
    std::optional<CStatsData::PlayerMap> mapPlayers(const PlayerNames&, const PlayerNames&,
                                                    const CStatsData::PlayerMap& proposal,
                                                    bool) override
    {
        proposals.append(proposal);
        return mapAnswer ? mapAnswer : std::optional(proposal);
    }
};

} // namespace

class TournamentTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        Settings::write(Key::Setup::Path, folder_.path());
    }

    // A saved game: team names and player names as given, every stone of the
    // first end of team 1 (file order) scored with the given points.
    QString saveGame(const QString& name, const QString& team1, const QString& team2,
                     const PlayerNames& players1, int points)
    {
        CTALVStatsDoc document;
        document.OnNewDocument();
        CGame& game = document.game();
        game.Teams[0].Text = team1;
        game.Teams[1].Text = team2;
        for (int i = 0; i < 5; ++i)
            game.Teams[0].Players[std::size_t(i)].Text = players1[std::size_t(i)];
        for (int i = 0; i < 16; ++i) {
            CStone& s = game.currentStone();
            s.Task = 0;
            s.Handle = 0;
            s.Points = game.CurrentTeamSlot() == 0 ? points : 0;
            game.SetGameState(6);
            game.NextStone();
        }
        game.Teams[0].TeamTotal = 2;
        const QString path = folder_.filePath(QStringLiteral("HAVRIK Coach Tool/") + name);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(document.SaveAs(path, prompts_));
        return path;
    }

    static PlayerNames players(const char* a, const char* b, const char* c, const char* d,
                               const char* e)
    {
        return {QLatin1String(a), QLatin1String(b), QLatin1String(c), QLatin1String(d),
                QLatin1String(e)};
    }

    // Not named after the program: the file list cuts paths at its name.
    QTemporaryDir folder_{QDir::tempPath() + QStringLiteral("/tournament-XXXXXX")};
    ScriptedPrompts prompts_;
    ScriptedQuestions questions_;
};

TEST_F(TournamentTest, TheFollowedTeamIsTeamZeroWithTheFirstGamesPlayers)
{
    const PlayerNames sui = players("Ann", "Bea", "Cleo", "Dora", "Eve");
    const QString first =
        saveGame(QStringLiteral("g1.cus"), QStringLiteral("SUI"), QStringLiteral("CAN"), sui, 4);
    // Later: SUI as team 2 of the file, Bea and Cleo exchanged.
    const QString second = saveGame(QStringLiteral("g2.cus"), QStringLiteral("SWE"),
                                    QStringLiteral("SUI"), players("a", "b", "c", "d", "e"), 0);
    {
        CTALVStatsDoc swap;
        ASSERT_TRUE(swap.OpenDocument(second, prompts_));
        CTeam& team = swap.game().Teams[1];
        const PlayerNames exchanged = players("Ann", "Cleo", "Bea", "Dora", "Eve");
        for (int i = 0; i < 5; ++i)
            team.Players[std::size_t(i)].Text = exchanged[std::size_t(i)];
        // The file's second (now Cleo) made both stones for 25 %.
        swap.game().Ends[0].Stones[10].Points = 1;
        swap.game().Ends[0].Stones[11].Points = 1;
        ASSERT_TRUE(swap.SaveAs(second, prompts_));
    }

    CTournament tournament(prompts_, questions_);
    EXPECT_FALSE(tournament.statisticsEnabled());
    questions_.sides = {0};
    ASSERT_TRUE(tournament.addGame(first));
    EXPECT_EQ(questions_.sideQuestions, 1); // the first game always asks
    EXPECT_EQ(questions_.knownNames.value(0), QString());
    EXPECT_EQ(tournament.teamName(), QStringLiteral("SUI"));
    EXPECT_EQ(tournament.referenceNames(), sui);
    EXPECT_TRUE(tournament.statisticsEnabled());
    EXPECT_FALSE(tournament.diagramEnabled());

    ASSERT_TRUE(tournament.addGame(second));
    EXPECT_EQ(questions_.sideQuestions, 1); // found by name: no question
    EXPECT_TRUE(questions_.proposals.isEmpty());
    const CStatsData totals = tournament.statistics();
    EXPECT_EQ(totals.GetCount(0, 5, 0), 16);
    // The file's second (Cleo) is tallied under Cleo's first-game index 2.
    EXPECT_EQ(totals.GetCount(0, 2, 0), 4);
    EXPECT_EQ(totals.GetPointSum(0, 2, 0), 8 + 2);
    EXPECT_EQ(totals.teamScore(1, 0), 0);
    EXPECT_EQ(totals.teamScore(0, 1), 0);
    EXPECT_EQ(totals.teamScore(1, 1), 2);
    EXPECT_EQ(tournament.fileList(), (QStringList{"g1.cus", "g2.cus"}));
    EXPECT_TRUE(tournament.diagramEnabled());
}

TEST_F(TournamentTest, AnUnknownPlayerIsAskedForAndCancelledChoicesSkipTheFile)
{
    const QString first = saveGame(QStringLiteral("a.cus"), QStringLiteral("NOR"),
                                   QStringLiteral("DEN"), players("P", "Q", "R", "S", "T"), 3);
    const QString newcomer = saveGame(QStringLiteral("b.cus"), QStringLiteral("NOR"),
                                      QStringLiteral("ITA"), players("R", "Q", "X", "S", "T"), 3);
    CTournament tournament(prompts_, questions_);
    questions_.cancelFirstPlayers = true;
    questions_.sides = {1};
    EXPECT_FALSE(tournament.addGame(first));
    EXPECT_EQ(tournament.games(), 0);
    questions_.cancelFirstPlayers = false;
    questions_.sides = {0};
    ASSERT_TRUE(tournament.addGame(first));

    questions_.mapAnswer = CStatsData::PlayerMap{2, 1, 7, 3, 4};
    ASSERT_TRUE(tournament.addGame(newcomer));
    ASSERT_EQ(questions_.proposals.size(), 1);
    EXPECT_EQ(questions_.proposals[0], (CStatsData::PlayerMap{2, 1, 2, 3, 4}));
    // Index 7 chosen for player 2 counts as the alternate.
    EXPECT_EQ(tournament.statistics().GetCount(0, 4, 0), 2);

    EXPECT_FALSE(tournament.addGame(folder_.filePath(QStringLiteral("missing.cus"))));
    EXPECT_EQ(tournament.games(), 2);
    tournament.fileDialogCancelled();
    EXPECT_EQ(prompts_.messages.value(0), Texts::get(5144));
}

TEST_F(TournamentTest, DiagramUpToNineteenGamesStatisticsBeyond)
{
    const QString file = saveGame(QStringLiteral("x.cus"), QStringLiteral("JPN"),
                                  QStringLiteral("KOR"), players("a", "b", "c", "d", "e"), 2);
    CTournament tournament(prompts_, questions_);
    questions_.sides = {0};
    for (int i = 0; i < 21; ++i) {
        ASSERT_TRUE(tournament.addGame(file)); // a file chosen again is added again
        EXPECT_EQ(tournament.diagramEnabled(), i + 1 >= 2 && i + 1 <= 19) << i;
    }
    EXPECT_TRUE(tournament.statisticsEnabled());
    const CStatsData totals = tournament.statistics();
    EXPECT_EQ(totals.GetCount(0, 5, 0), 21 * 8);
    EXPECT_EQ(totals.highestIndex(), 19);
    EXPECT_EQ(totals.GetEndPercent(0, 5, 19, true), 50);
}

TEST_F(TournamentTest, PreparedNamesForTheReport)
{
    const QString file = saveGame(QStringLiteral("y.cus"), QStringLiteral("Scotland"),
                                  QStringLiteral("Wales"), players("a", "b", "c", "d", "e"), 2);
    CTournament tournament(prompts_, questions_);
    questions_.sides = {1};
    questions_.firstPlayers = players("L", "S", "T", "F", "A");
    ASSERT_TRUE(tournament.addGame(file));
    tournament.prepareForStatistics();
    const CGame& game = tournament.scratchDocument().game();
    EXPECT_EQ(game.Teams[0].Text, QStringLiteral("Wales"));
    EXPECT_EQ(game.Teams[1].Text, Texts::get(1187));
    EXPECT_EQ(game.Teams[1].ShortName, Texts::get(1187).left(3));
    EXPECT_EQ(game.Teams[0].Players[3].Text, QStringLiteral("F"));
    EXPECT_EQ(game.Teams[1].Players[4].Text,
              Texts::get(1187).left(3) + QStringLiteral(" Alternate"));

    EXPECT_EQ(CTournament::positionWords(true).mid(2, 2),
              (QStringList{Texts::get(5011).arg(3).replace('3', 'B'),
                           Texts::get(5011).arg(4).replace('4', 'A')}));
}

TEST_F(TournamentTest, PlayerDialogKeepsThePlayingPositionsAPermutation)
{
    struct Case
    {
        CStatsData::PlayerMap before;
        int row, index;
        CStatsData::PlayerMap after;
    };
    const Case cases[] = {
        {{0, 1, 2, 3, 4}, 0, 2, {2, 1, 0, 3, 4}},
        {{0, 1, 2, 3, 4}, 4, 1, {0, 4, 2, 3, 1}},
        {{0, 1, 2, 3, 4}, 1, 4, {0, 4, 2, 3, 4}}, // the alternate may be chosen freely
        {{0, 1, 2, 3, 4}, 2, 2, {0, 1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        CStatsData::PlayerMap map = c.before;
        CTournament::choosePlayer(map, c.row, c.index);
        EXPECT_EQ(map, c.after) << c.row << " " << c.index;
    }
    EXPECT_EQ(CTournament::fileListLine(QStringLiteral("/home/u/HAVRIK Coach Tool/WCC/g.cus")),
              QStringLiteral("WCC/g.cus"));
    EXPECT_EQ(CTournament::fileListLine(QStringLiteral("/data/g.cus")),
              QStringLiteral("/data/g.cus"));
    EXPECT_EQ(
        CTournament::proposedMap(players("B", "A", "C", "", ""), players("A", "B", "C", "", "")),
        (CStatsData::PlayerMap{1, 0, 2, 3, 4}));
}
