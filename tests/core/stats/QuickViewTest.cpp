#include "core/stats/QuickView.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/record/Game.h"

#include "support/TestSettings.h"

namespace {

void record(CGame& game, int end, int team, int rec, int task, int points, int playerIndex = -2)
{
    CStone& s = game.Ends[std::size_t(end)].Stones[std::size_t(team * 8 + rec)];
    s.Task = task;
    s.Handle = 0;
    s.Points = points;
    if (playerIndex != -2)
        s.PlayerIndex = playerIndex;
}

// In progress at the second stone of end 2's seconds (records 0 and 1 played).
CGame gameInProgress()
{
    CGame game{NewGameOptions{}};
    record(game, 0, 0, 0, 0, 4);    // lead
    record(game, 0, 0, 1, 6, 2);    // lead
    record(game, 0, 0, 2, 11, 4);   // through: not counted
    record(game, 0, 0, 3, 2, 7);    // points not considered
    record(game, 0, 0, 4, 3, 2, 9); // a player index out of range: the team only
    record(game, 0, 0, 6, 1, 4);    // fourth
    record(game, 0, 1, 5, 0, 4);    // team 2's third
    record(game, 0, 1, 6, 0, 4);    // fourth
    record(game, 0, 1, 7, 0, 2);    // fourth
    record(game, 1, 0, 0, 0, 0);    // lead, in the current end
    record(game, 1, 0, 2, 0, 4);    // not reached yet
    game.setCurrentPosition({1, 1, 0, 0});
    game.GameState = 6;
    return game;
}

QStringList labelsOf(const QuickViewTeam& team)
{
    QStringList list;
    for (const QuickViewRow& row : team.rows)
        list << row.label;
    return list;
}

QStringList figuresOf(const QuickViewTeam& team)
{
    QStringList list{team.figure};
    for (const QuickViewRow& row : team.rows)
        list << row.figure;
    return list;
}

} // namespace

class QuickViewTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
    }
};

TEST_F(QuickViewTest, TalliesUpToThePositionAsPercentagesOrCounts)
{
    struct Case
    {
        int displayStats, gameState;
        const char* title;
        QStringList team1, team2; // team, lead, second, third, fourth, alternate
    };
    const Case cases[] = {
        {1,
         6,
         "Statistics (percentages)",
         {" 60 %", " 50 %", "- %", "- %", "100 %", "- %"},
         {" 83 %", "- %", "- %", "100 %", " 75 %", "- %"}},
        {0,
         6,
         "Statistics (number of stones)",
         {"5", "3", "0", "0", "1", "0"},
         {"3", "0", "0", "1", "2", "0"}},
        {0,
         8,
         "Statistics (percentages)",
         {" 60 %", " 50 %", "- %", "- %", "100 %", "- %"},
         {" 83 %", "- %", "- %", "100 %", " 75 %", "- %"}},
    };
    for (const Case& c : cases) {
        Settings::write(Key::Preferences::DisplayStats, c.displayStats);
        CGame game = gameInProgress();
        game.GameState = c.gameState;
        const QuickViewModel model = QuickView::build(game, {2, 2});
        EXPECT_EQ(model.title, QLatin1String(c.title));
        EXPECT_EQ(figuresOf(model.teams[0]), c.team1) << c.displayStats << " " << c.gameState;
        EXPECT_EQ(figuresOf(model.teams[1]), c.team2) << c.displayStats << " " << c.gameState;
    }
    // StatsAllGame does not widen the range.
    Settings::write(Key::Preferences::DisplayStats, 1);
    Settings::write(Key::Options::StatsAllGame, 1);
    EXPECT_EQ(QuickView::build(gameInProgress(), {2, 2}).teams[0].figure, QStringLiteral(" 60 %"));
}

TEST_F(QuickViewTest, RowsFollowTheLineUpOfTheCurrentEnd)
{
    CGame game = gameInProgress();
    QuickViewModel model = QuickView::build(game, {2, 2});
    EXPECT_EQ(model.teams[0].name, QStringLiteral("Team 1"));
    EXPECT_EQ(labelsOf(model.teams[0]),
              (QStringList{"Te1 Player 1 (1)", "Te1 Player 2 (2)", "Te1 Player 3 (3)",
                           "Te1 Player 4 (4,Skip)", "Te1 Player 5 (A)"}));

    // The alternate comes in for the third: the third's place is the alternate row.
    game.SetLineup(1, 0, 1, 4, 3);
    model = QuickView::build(game, {2, 2});
    EXPECT_EQ(model.teams[1].rows[2].label, QStringLiteral("Te2 Player 5 (3)"));
    EXPECT_EQ(model.teams[1].rows[4].label, QStringLiteral("Te2 Player 3 (A)"));
    EXPECT_EQ(model.teams[1].rows[4].figure, QStringLiteral("100 %")); // index 2's stone

    // Teams of three: the saved second index greyed in the second row; one that
    // no player has leaves the row blank.
    game.SetLineup(0, 0, CPlayer::NoPlayerId, 2, 3);
    game.SetLineup(1, 0, CPlayer::NoPlayerId, 2, 3);
    model = QuickView::build(game, {1, 7});
    EXPECT_EQ(model.teams[0].rows[1].label, QStringLiteral("Te1 Player 2 (A)"));
    EXPECT_EQ(model.teams[0].rows[1].figure, QStringLiteral("- %"));
    EXPECT_EQ(model.teams[0].rows[4].label, QStringLiteral("Te1 Player 2 (A)"));
    EXPECT_EQ(model.teams[1].rows[1].label, QString());
    EXPECT_EQ(model.teams[1].rows[1].figure, QStringLiteral("- %"));
    for (const QuickViewTeam& team : model.teams) {
        for (std::size_t row = 0; row < team.rows.size(); ++row)
            EXPECT_EQ(team.rows[row].greyed, row == 1);
    }
}

TEST_F(QuickViewTest, MixedDoublesEmptiesLeadSecondAndAlternate)
{
    NewGameOptions options;
    options.MixedDoubles = true;
    CGame game{options};
    record(game, 0, 0, 3, 0, 4);    // the fourth's first stone
    record(game, 0, 0, 4, 0, 2);    // the third's
    record(game, 0, 0, 1, 0, 4, 0); // a record a mixed-doubles team never delivers
    game.setCurrentPosition({1, 0, 0, 0});
    const QuickViewModel model = QuickView::build(game, {2, 2});
    for (const QuickViewTeam& team : model.teams) {
        for (const std::size_t row : {0u, 1u, 4u}) {
            EXPECT_EQ(team.rows[row].label, QString());
            EXPECT_EQ(team.rows[row].figure, QString());
        }
    }
    EXPECT_EQ(labelsOf(model.teams[0]), (QStringList{"", "", "Te1 Player B", "Te1 Player A", ""}));
    EXPECT_EQ(figuresOf(model.teams[0]), (QStringList{" 83 %", "", "", " 50 %", "100 %", ""}));
    EXPECT_EQ(figuresOf(model.teams[1]), (QStringList{"- %", "", "", "- %", "- %", ""}));
}
