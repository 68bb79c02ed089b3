#include "core/stats/StatsData.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/record/Game.h"

#include "support/TestSettings.h"

namespace {

struct Shot
{
    int end, team, record, task, handle, points;
    int playerIndex = -2; // -2: keep the preassigned player
};

// A game with the given stones recorded and its position after end 19 (or
// where given), so every stone is in range.
CGame gameWith(std::initializer_list<Shot> shots, GamePosition position = {19, 3, 1, 1})
{
    CGame game{NewGameOptions{}};
    for (const Shot& s : shots) {
        CStone& stone = game.Ends[std::size_t(s.end)].Stones[std::size_t(s.team * 8 + s.record)];
        stone.Task = s.task;
        stone.Handle = s.handle;
        stone.Points = s.points;
        if (s.playerIndex != -2)
            stone.PlayerIndex = s.playerIndex;
    }
    game.setCurrentPosition(position);
    return game;
}

} // namespace

class StatsDataTest : public SettingsTest
{};

TEST_F(StatsDataTest, AGameWithoutStonesHasNoData)
{
    const CGame game = gameWith({});
    CStatsData stats;
    stats.AddGame(game, true, 0, false);
    for (const int code : {0, 1, 2, 3, 31, 5, 53, 10, 20, 22, 71, 72, 81, 82, 701, 720}) {
        EXPECT_EQ(stats.GetCount(0, 5, code), 0) << code;
        EXPECT_EQ(stats.GetPercentText(1, 2, code), CStatsData::noDataText()) << code;
    }
    EXPECT_EQ(stats.GetTeamPercent(0), -1);
    EXPECT_EQ(stats.GetEndPercent(0, 5, 0, true), -1);
    EXPECT_EQ(stats.GetCount(0, 5, 21), 160); // every unrecorded record lands in "through"
    EXPECT_EQ(CStatsData::noDataText().size(), 8);
}

TEST_F(StatsDataTest, PercentagesAreEightCharactersRightAligned)
{
    struct Case
    {
        std::initializer_list<Shot> shots;
        const char* text;
    };
    const Case cases[] = {
        {{{0, 0, 0, 0, 0, 4}}, " 100.0 %"},
        {{{0, 0, 0, 0, 0, 5}, {0, 0, 1, 6, 1, 4}}, " 112.5 %"},
        {{{0, 0, 0, 0, 0, 2}, {0, 0, 1, 0, 1, 3}, {0, 0, 2, 6, 1, 3}}, "  66.7 %"},
        {{{0, 0, 0, 0, 0, 0}}, "   0.0 %"},
    };
    for (const Case& c : cases) {
        CStatsData stats;
        stats.AddGame(gameWith(c.shots), true, 0, false);
        EXPECT_EQ(stats.GetPercentText(0, 5, 0), QLatin1String(c.text));
    }
}

TEST_F(StatsDataTest, StatisticCodesSelectHandlesAndTasks)
{
    // One stone each: draw with handle 2; takeout with handle 1; draw with handle 4.
    const CGame game = gameWith({{0, 0, 0, 3, 2, 4}, {0, 0, 1, 8, 1, 2}, {0, 0, 2, 5, 4, 1}});
    CStatsData stats;
    stats.AddGame(game, true, 0, false);
    struct Case
    {
        int code, count;
    };
    const Case cases[] = {
        {0, 3},  {7, 3},  {8, 3},  {1, 2},  {2, 1},  {3, 2},   {31, 2},  {32, 0}, {4, 1},  {41, 0},
        {42, 1}, {5, 1},  {51, 1}, {52, 0}, {53, 1}, {54, 0},  {6, 1},   {61, 1}, {63, 1}, {64, 0},
        {13, 0}, {18, 1}, {15, 0}, {81, 2}, {82, 1}, {701, 3}, {702, 0}, {99, 0}, {-1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stats.GetCount(0, 5, c.code), c.count) << c.code;
    EXPECT_EQ(stats.GetPointSum(0, 5, 3), 5);
    EXPECT_EQ(stats.GetCount(0, 0, 0), 2); // records 0 and 1 belong to the lead
    EXPECT_EQ(stats.GetCount(0, 1, 0), 1);
    EXPECT_EQ(stats.GetCount(0, 6, 0), 0);
    EXPECT_EQ(stats.GetCount(2, 5, 0), 0);
}

TEST_F(StatsDataTest, ThroughNotPlayedAndOutOfRangeStonesAreNeverCounted)
{
    const CGame game = gameWith({
        {0, 0, 0, 11, 0, 3},   // through: code 21 only, with 0 points
        {0, 0, 1, 12, 0, 7},   // not played as the form records it
        {0, 0, 2, 13, 1, 8},   // no statistics
        {0, 0, 3, 22, 0, 4},   // task out of range
        {0, 0, 4, 1, 9, 4},    // handle out of range
        {0, 0, 5, 1, 0, 4, 9}, // player out of range
        {0, 0, 6, 1, 0, 4, -3},
        {0, 1, 0, 12, 0, 2}, // not played with points: counted as task 12
    });
    CStatsData stats;
    stats.AddGame(game, true, 0, false);
    EXPECT_EQ(stats.GetCount(0, 5, 0), 0);
    EXPECT_EQ(stats.GetPercentText(0, 5, 21), CStatsData::noDataText());
    EXPECT_EQ(stats.GetCount(0, 5, 22), 0);
    EXPECT_EQ(stats.GetCount(0, 5, 23), 0);
    // Points are cleared only for "through" and points outside 0..6; the stones
    // moved there for a bad task, handle or player keep theirs.
    EXPECT_EQ(stats.GetPointSum(0, 5, 21), 16);
    EXPECT_EQ(stats.GetCount(0, 4, 21), 2); // the two stones of players outside 0..4
    EXPECT_EQ(stats.GetCount(1, 5, 22), 1);
    EXPECT_EQ(stats.GetPercentText(1, 5, 22), QStringLiteral("  50.0 %"));
    EXPECT_EQ(stats.GetTeamPercent(0), -1);
}

TEST_F(StatsDataTest, TheRangeFollowsThePositionUnlessTheWholeGameIsAsked)
{
    CGame game = gameWith({});
    for (int end = 0; end < 6; ++end) {
        for (CStone& stone : game.Ends[std::size_t(end)].Stones) {
            stone.Task = 0;
            stone.Handle = 0;
            stone.Points = 4;
        }
    }
    game.Ends[3].FirstThrowerFlag = 1;
    game.setCurrentPosition({3, 1, 0, 1}); // end 3, stone index 2, second side to play
    Settings::write(Key::Options::StatsAllGame, 0);
    const CStatsData upToHere(game);
    // Ends 0..2 fully, two stones each in end 3, and team 2's third (it delivers first).
    EXPECT_EQ(upToHere.GetCount(0, 5, 0), 24 + 2);
    EXPECT_EQ(upToHere.GetCount(1, 5, 0), 24 + 3);
    EXPECT_EQ(upToHere.endIndexSum(), 3);
    Settings::write(Key::Options::StatsAllGame, 1);
    const CStatsData all(game);
    EXPECT_EQ(all.GetCount(0, 5, 0), 48);
    EXPECT_EQ(all.endIndexSum(), 3);
}

TEST_F(StatsDataTest, SecondStonesAndEndHalves)
{
    const CGame game =
        gameWith({{0, 0, 1, 0, 0, 4}, {2, 0, 0, 0, 0, 2}, {6, 0, 0, 0, 0, 3}}, {9, 0, 0, 0});
    CStatsData stats;
    stats.AddGame(game, true, 0, false);
    EXPECT_EQ(stats.splitEnd(), 4);
    EXPECT_EQ(stats.GetCount(0, 0, 82), 1);
    EXPECT_EQ(stats.GetCount(0, 0, 81), 2);
    EXPECT_EQ(stats.GetCount(0, 5, 71), 2);
    EXPECT_EQ(stats.GetPercentText(0, 5, 71), QStringLiteral("  75.0 %"));
    EXPECT_EQ(stats.GetCount(0, 5, 72), 1);
    EXPECT_EQ(stats.GetCount(0, 5, 703), 1);
    EXPECT_EQ(stats.GetPercentText(0, 5, 707), QStringLiteral("  75.0 %"));

    CStatsData early;
    early.AddGame(gameWith({{0, 0, 0, 0, 0, 4}}, {1, 0, 0, 0}), true, 0, false);
    EXPECT_EQ(early.splitEnd(), 0);
    EXPECT_EQ(early.GetPercentText(0, 5, 71), CStatsData::noDataText()); // no first half
}

TEST_F(StatsDataTest, DifferenceToTheOpponent)
{
    const CGame game = gameWith({{0, 0, 0, 0, 0, 4},
                                 {0, 0, 1, 0, 0, 4},
                                 {0, 0, 2, 0, 0, 0},
                                 {0, 1, 0, 0, 0, 2},
                                 {0, 0, 6, 0, 0, 4}});
    CStatsData stats;
    stats.AddGame(game, true, 0, false);
    EXPECT_EQ(stats.GetDifferenceText(0, 5, 0), QStringLiteral("  +25.0 %").right(8));
    EXPECT_EQ(stats.GetDifferenceText(0, 0, 0), QStringLiteral(" +50.0 %"));
    EXPECT_EQ(stats.GetDifferenceText(1, 0, 0), QStringLiteral(" -50.0 %"));
    EXPECT_EQ(stats.GetDifferenceText(0, 3, 0), QStringLiteral(" 100.0 %")); // no opponent
    EXPECT_EQ(stats.GetDifferenceText(1, 3, 0), CStatsData::noDataText());

    const CGame twoThirds =
        gameWith({{0, 0, 0, 0, 0, 4}, {0, 0, 1, 0, 0, 4}, {0, 0, 2, 0, 0, 0}, {0, 1, 0, 0, 0, 2}});
    stats.Reset();
    stats.AddGame(twoThirds, true, 0, false);
    EXPECT_EQ(stats.GetDifferenceText(0, 5, 0), QStringLiteral(" +16.7 %"));
    stats.Reset();
    stats.AddGame(gameWith({{0, 0, 0, 0, 0, 2}, {0, 1, 0, 0, 0, 2}}), true, 0, false);
    EXPECT_EQ(stats.GetDifferenceText(0, 5, 0), QStringLiteral("  +0.0 %"));
}

TEST_F(StatsDataTest, CountsInsteadOfPercentagesWhileHiddenAndInProgress)
{
    CGame game = gameWith({{0, 0, 0, 0, 0, 4}, {0, 0, 1, 0, 0, 4}, {0, 0, 2, 0, 0, 4}});
    game.GameState = 6;
    Settings::write(Key::Preferences::DisplayStats, 0);
    CStatsData stats;
    stats.AddGame(game, true, 0, false);
    EXPECT_EQ(stats.GetPercentText(0, 5, 0), QStringLiteral("3"));
    EXPECT_EQ(stats.GetDifferenceText(0, 5, 0), QStringLiteral("3"));
    game.GameState = 8;
    EXPECT_EQ(stats.GetPercentText(0, 5, 0), QStringLiteral(" 100.0 %"));
}

TEST_F(StatsDataTest, TournamentIndexesSwappingMapAndMerge)
{
    // Game A: the tournament team is team 2 of the file; its lead played third.
    CGame a = gameWith({{0, 1, 0, 0, 0, 4}, {0, 1, 1, 0, 0, 2}, {0, 0, 0, 0, 0, 0}});
    a.Teams[0].TeamTotal = 3;
    a.Teams[1].TeamTotal = 5;
    CGame b = gameWith({{0, 0, 0, 0, 0, 1}});
    CStatsData tournament;
    tournament.AddGame(a, true, 0, true, {2, 1, 0, 3, 4});
    tournament.AddGame(b, true, 1, false);
    EXPECT_EQ(tournament.highestIndex(), 1);
    EXPECT_EQ(tournament.GetCount(0, 2, 0), 2); // team 2's lead tallied as third
    EXPECT_EQ(tournament.GetCount(0, 0, 0), 1); // game B's lead
    EXPECT_EQ(tournament.GetCount(1, 0, 0), 1); // the opponent is not mapped
    EXPECT_EQ(tournament.teamScore(0, 0), 5);
    EXPECT_EQ(tournament.teamScore(1, 0), 3);
    EXPECT_EQ(tournament.GetEndPercent(0, 2, 0, true), 75);
    EXPECT_EQ(tournament.GetEndPercent(0, 5, 1, true), 25);
    EXPECT_EQ(tournament.GetEndPercent(0, 5, 2, true), -1);
    EXPECT_EQ(tournament.splitEnd(), 38 / 4);

    CStatsData copy;
    copy.Merge(tournament);
    copy.Merge(tournament);
    EXPECT_EQ(copy.GetCount(0, 2, 0), 4);
    EXPECT_EQ(copy.highestIndex(), 1);
    EXPECT_EQ(copy.teamScore(0, 0), 5);
    EXPECT_EQ(copy.endIndexSum(), 76);
}

TEST_F(StatsDataTest, EndPercentFromTheGameAndTeamMinusOne)
{
    CGame game =
        gameWith({{4, 1, 0, 0, 0, 4}, {4, 1, 1, 0, 0, 1}, {4, 1, 6, 11, 0, 4}, {4, 1, 7, 0, 0, 3}});
    game.setCurrentPosition({4, 0, 0, 1}); // team 2 delivers next
    CStatsData stats;
    stats.AddGame(game, true, 0, false);
    EXPECT_EQ(stats.GetEndPercent(1, 5, 4, false), 66);
    EXPECT_EQ(stats.GetEndPercent(-1, 0, 4, false), 62);
    EXPECT_EQ(stats.GetEndPercent(1, 3, 4, false), 75);
    EXPECT_EQ(stats.GetEndPercent(0, 5, 4, false), -1);
    EXPECT_EQ(stats.GetEndPercent(1, 5, 20, false), -1);
    EXPECT_EQ(stats.GetCount(-1, 5, 0), 3);
    EXPECT_EQ(stats.GetTeamPercent(-1), 66);
}
