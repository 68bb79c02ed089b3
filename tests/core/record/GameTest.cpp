#include "core/record/Game.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

class GameTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
    }
};

TEST_F(GameTest, NewRegularGameFollowsTheDefaults)
{
    const CGame game;
    EXPECT_EQ(game.GameState, 1);
    EXPECT_EQ(game.TotalEnds, 9);
    EXPECT_EQ(game.ExtraEnds, 1);
    EXPECT_EQ(game.MixedDoubles, 0);
    EXPECT_EQ(game.TeamTimer[0], 438 * 10);
    EXPECT_EQ(game.TeamTimer[1], 438 * 10);
    EXPECT_EQ(game.currentPosition(), GamePosition{});
    EXPECT_EQ(game.recordingPosition(), GamePosition{});
    EXPECT_EQ(game.misPosition(), GamePosition{});

    for (int slot = 0; slot < 2; ++slot) {
        const CTeam& team = game.Teams[std::size_t(slot)];
        EXPECT_EQ(team.Id, slot);
        EXPECT_EQ(team.Text, QStringLiteral("Team %1").arg(slot + 1));
        EXPECT_EQ(team.ShortName, QStringLiteral("Te%1").arg(slot + 1));
        const qint16 ids[] = {4, 3, 2, 1, 5};
        const qint32 orders[] = {4, 3, 2, 1, 0};
        for (int p = 0; p < 5; ++p) {
            const CPlayer& player = team.Players[std::size_t(p)];
            EXPECT_EQ(player.Id, ids[p]);
            EXPECT_EQ(player.OrderNumber, orders[p]);
            EXPECT_EQ(player.Text, QStringLiteral("Te%1 Player %2").arg(slot + 1).arg(p + 1));
            EXPECT_EQ(player.isSkip(), p == 3);
        }
    }
    const qint32 deliveryIds[] = {4, 4, 3, 3, 2, 2, 1, 1};
    for (const CEnd& end : game.Ends) {
        for (int i = 0; i < 16; ++i) {
            const CStone& s = end.Stones[std::size_t(i)];
            EXPECT_EQ(s.Task, -1);
            EXPECT_EQ(s.Handle, -1);
            EXPECT_EQ(s.Points, -1);
            EXPECT_EQ(s.PlayerId, deliveryIds[i % 8]);
            EXPECT_EQ(s.PlayerIndex, 4 - deliveryIds[i % 8]);
        }
    }
    EXPECT_FALSE(Settings::contains(QStringLiteral("MRU"), QStringLiteral("Event")));
}

TEST_F(GameTest, GameKindSettingsDecideEndsAndThinkingTime)
{
    struct Case
    {
        int md, wheelchair, totalEnds, expectedEnds, expectedSecondsPerEnd;
    };
    const Case cases[] = {
        {0, 0, 9, 9, 438}, {1, 0, 9, 7, 345},   {0, 1, 9, 7, 510},
        {1, 1, 9, 7, 510}, // wheelchair wins
        {0, 1, 5, 5, 510}, {0, 0, 50, 19, 438}, {0, 0, -3, 0, 438},
    };
    for (const Case& c : cases) {
        Settings::write(Key::Options::MixedDoubles, c.md);
        Settings::write(Key::Options::Wheelchair, c.wheelchair);
        Settings::write(Key::MRU::TotalEnds, c.totalEnds);
        const CGame game;
        EXPECT_EQ(game.TotalEnds, c.expectedEnds) << c.md << c.wheelchair << c.totalEnds;
        EXPECT_EQ(game.TeamTimer[1], c.expectedSecondsPerEnd * (c.expectedEnds + 1));
        EXPECT_EQ(game.MixedDoubles, c.md);
    }
}

TEST_F(GameTest, AbsurdThinkingTimeIsClampedNotOverflowed)
{
    Settings::write(Key::Options::SecondsPerEnd, 2147483647);
    Settings::write(Key::MRU::TotalEnds, 19);
    const CGame game;
    EXPECT_EQ(game.TeamTimer[0], 24 * 3600 * 20);
}

TEST_F(GameTest, NewMixedDoublesGame)
{
    Settings::write(Key::Options::MixedDoubles, 1);
    const CGame game;
    EXPECT_EQ(game.currentPosition(), (GamePosition{0, 1, 1, 0}));
    EXPECT_EQ(game.recordingPosition(), (GamePosition{0, 1, 1, 0}));
    EXPECT_EQ(game.misPosition(), (GamePosition{0, 1, 1, 0}));
    EXPECT_EQ(Settings::read(Key::MRU::Event), QStringLiteral("Mixed"));
    EXPECT_EQ(Settings::read(Key::MRU::EventID), 21);

    const CTeam& team = game.Teams[1];
    const QStringList names = {"-", "-", "Te2 Player B", "Te2 Player A", "-"};
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(team.Players[std::size_t(p)].Text, names[p]);

    // Team 1 delivers first: team 2's positioned stone B in front, team 1's A behind.
    const auto& positions = game.currentStone().Positions;
    EXPECT_EQ(game.StoneSlot(), 3);
    for (const int i : {0, 1, 8, 9})
        EXPECT_EQ(positions[std::size_t(i)], (SheetPoint{4095, 4095}));
    EXPECT_EQ(positions[10], (SheetPoint{750, 650}));
    EXPECT_EQ(positions[2], (SheetPoint{750, 2150}));

    const qint32 deliveryIds[] = {0, 0, 0, 1, 2, 2, 2, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(game.Ends[5].Stones[std::size_t(i)].PlayerId, deliveryIds[i % 8]);
}

TEST_F(GameTest, PositionedStonesWithPowerPlay)
{
    NewGameOptions options;
    options.MixedDoubles = true;
    struct Case
    {
        int stoneA, sideB, sideA, firstThrower, powerPlay;
        SheetPoint expectedA, expectedB;
    };
    const Case cases[] = {
        {2150, 400, 300, 0, +1, {1050, 2150}, {1150, 850}},
        {2150, 400, 300, 0, -1, {450, 2150}, {350, 850}},
        {2150, 400, 300, 1, +1, {1050, 2150}, {1150, 850}},
        {2450, 400, 300, 0, +1, {1000, 2450}, {1150, 850}}, // 1.5 x 100
        {1850, 400, 300, 0, +1, {1100, 1850}, {1150, 850}}, // 0.5 x 100
        {2150, 410, 400, 0, -1, {350, 2150}, {340, 850}},
    };
    for (const Case& c : cases) {
        CGame game(options);
        game.Ends[0].FirstThrowerFlag = c.firstThrower;
        PositionedStoneSettings placement;
        placement.StoneA = c.stoneA;
        placement.StoneBPowerPlaySide = c.sideB;
        placement.StoneAPowerPlaySide = c.sideA;
        game.PlacePositionedStones(0, placement); // as every end starts
        game.PlacePositionedStones(c.powerPlay, placement);
        const auto& positions = game.currentStone().Positions;
        const int a = c.firstThrower == 0 ? 2 : 10;
        const int b = c.firstThrower == 0 ? 10 : 2;
        EXPECT_EQ(positions[std::size_t(a)], c.expectedA) << c.stoneA << " pp " << c.powerPlay;
        EXPECT_EQ(positions[std::size_t(b)], c.expectedB) << c.stoneA << " pp " << c.powerPlay;

        // Asking for power play again restores the normal placement.
        game.PlacePositionedStones(c.powerPlay, placement);
        EXPECT_EQ(positions[std::size_t(b)], (SheetPoint{750, 650}));
        EXPECT_EQ(positions[std::size_t(a)], (SheetPoint{750, c.stoneA}));
    }
}

TEST_F(GameTest, PositionedStonesOnlyAtTheFirstStoneOfAMixedDoublesEnd)
{
    CGame regular{NewGameOptions{}};
    regular.PlacePositionedStones(0, {});
    EXPECT_EQ(regular.currentStone().Positions[2], SheetPoint{});

    NewGameOptions options;
    options.MixedDoubles = true;
    CGame md(options);
    md.CurrentPlayer = 2;
    md.PlacePositionedStones(0, {});
    EXPECT_EQ(md.currentStone().Positions[2], SheetPoint{});
}

TEST_F(GameTest, LineupOfATeamOfThree)
{
    CGame game{NewGameOptions{}};
    game.SetLineup(1, 0, CPlayer::NoPlayerId, 2, 3);
    const CEnd& end = game.currentEnd();
    const int expected[] = {0, 0, 0, 2, 2, 2, 3, 3};
    const qint32 expectedIds[] = {4, 4, 4, 2, 2, 2, 1, 1};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(end.Stones[std::size_t(8 + i)].PlayerIndex, expected[i]) << i;
        EXPECT_EQ(end.Stones[std::size_t(8 + i)].PlayerId, expectedIds[i]) << i;
    }
    EXPECT_EQ(game.GetLineupPlayer(1, 1), CPlayer::NoPlayerId);
    EXPECT_EQ(game.GetLineupPlayer(1, 0), 0);
    EXPECT_EQ(game.GetLineupPlayer(1, 2), 2);
    EXPECT_EQ(game.GetLineupPlayer(1, 3), 3);
    EXPECT_EQ(game.GetLineupPlayer(0, 1), 1); // team 1 untouched

    // The alternate comes in as second: its Id follows it.
    game.SetLineup(0, 0, 4, 2, 3);
    EXPECT_EQ(game.currentEnd().Stones[2].PlayerId, 5);
    EXPECT_EQ(game.GetLineupPlayer(0, 1), 4);
    EXPECT_EQ(game.GetPlayerLabel(4, 0), QStringLiteral(" (2)"));
    EXPECT_EQ(game.GetPlayerLabel(1, 0), QStringLiteral(" (A)"));
}

TEST_F(GameTest, MixedDoublesLineup)
{
    NewGameOptions options;
    options.MixedDoubles = true;
    CGame game(options);
    game.SetLineup(0, 1, 1, 3, 2);
    const int expected[] = {0, 0, 0, 2, 3, 3, 3, 2};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(game.currentEnd().Stones[std::size_t(i)].PlayerIndex, expected[i]) << i;
    EXPECT_EQ(game.currentEnd().Stones[0].PlayerId, 0);
    EXPECT_EQ(game.currentEnd().Stones[3].PlayerId, 2);
    EXPECT_EQ(game.GetLineupPlayer(0, 2), 2);
    EXPECT_EQ(game.GetLineupPlayer(0, 3), 3);
    EXPECT_EQ(game.GetLineupPlayer(0, 1), 0);
    EXPECT_EQ(game.GetPlayerLabel(3, 0), QString());
}

TEST_F(GameTest, PlayerLabels)
{
    CGame game{NewGameOptions{}};
    const QStringList expected = {" (1)", " (2)", " (3)", " (4,Skip)", " (A)"};
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(game.GetPlayerLabel(p, 1), expected[p]) << p;
    EXPECT_EQ(game.GetPlayerLabel(7, 0), QStringLiteral(" (A)"));

    game.Teams[0].Players[2].Id = CPlayer::NoPlayerId;
    EXPECT_EQ(game.GetPlayerLabel(2, 0), QStringLiteral(" (-)"));

    // The skip playing third; the last matching position wins.
    game.Teams[1].Players[3].Role.clear();
    game.Teams[1].Players[2].Role = QStringLiteral("Skip");
    game.SetLineup(1, 0, 1, 2, 2);
    EXPECT_EQ(game.GetPlayerLabel(2, 1), QStringLiteral(" (4,Skip)"));
    EXPECT_EQ(game.GetPlayerLabel(3, 1), QStringLiteral(" (A)"));
}

TEST_F(GameTest, SetStonePlayerTakesTheCurrentForOutOfRangeArguments)
{
    CGame game{NewGameOptions{}};
    game.CurrentPlayer = 2;
    game.CurrentStone = 1;
    game.CurrentOrder = 1; // team 2 in end 0
    game.SetStonePlayer(4, -1, -1, 7);
    const CStone& s = game.currentEnd().Stones[8 + 2 * 2 + 1];
    EXPECT_EQ(s.PlayerIndex, 4);
    EXPECT_EQ(s.PlayerId, 5);
    EXPECT_EQ(game.CurrentPlayerRecord().Id, 5);
}

TEST_F(GameTest, StoneResetCopyEqualsAndSwap)
{
    CStone s;
    s.PlayerId = 3;
    s.PlayerIndex = 1;
    s.TeamId = 7;
    s.StoneFlag = 2;
    s.DeliveryTime = 1700000000;
    s.Task = 5;
    s.Handle = 1;
    s.Points = 4;
    s.Remark = QStringLiteral("r");
    s.TaskName = QStringLiteral("Freeze");
    s.ValidFlag = 0;
    s.Positions[3] = {100, 200};
    s.Positions[12] = {300, 400};
    s.Positions[17] = {5, 6};
    s.Tags.append({1, 2, QStringLiteral("Shot"), QStringLiteral("good")});

    CStone copy;
    copy.Copy(s);
    EXPECT_TRUE(copy.Equals(s));
    EXPECT_EQ(copy.Tags, s.Tags);
    copy.PlayerId = 99;
    copy.DeliveryTime = 0;
    copy.Tags.clear();
    copy.TaskName.clear();
    EXPECT_TRUE(copy.Equals(s));
    copy.Positions[17] = {5, 7};
    EXPECT_FALSE(copy.Equals(s));

    CStone swapped = s;
    swapped.SwapTeamHalves();
    EXPECT_EQ(swapped.Positions[11], (SheetPoint{100, 200}));
    EXPECT_EQ(swapped.Positions[4], (SheetPoint{300, 400}));
    EXPECT_EQ(swapped.Positions[17], (SheetPoint{5, 6}));

    s.Reset();
    EXPECT_EQ(s.Task, -1);
    EXPECT_EQ(s.Points, -1);
    EXPECT_EQ(s.ValidFlag, 1);
    EXPECT_TRUE(s.Remark.isEmpty() && s.TaskName.isEmpty() && s.Tags.isEmpty());
    EXPECT_EQ(s.Positions[17], SheetPoint{});
    EXPECT_EQ(s.PlayerId, 3);
    EXPECT_EQ(s.PlayerIndex, 1);
    EXPECT_EQ(s.TeamId, 7);
    EXPECT_EQ(s.StoneFlag, 2);
    EXPECT_EQ(s.DeliveryTime, 1700000000);
}

TEST_F(GameTest, SwapTeamBlocksExchangesRecordsAndTheirHalves)
{
    CEnd end;
    end.Stones[1].Task = 6;
    end.Stones[1].Positions[1] = {10, 20};
    end.Stones[9].Task = 2;
    end.SwapTeamBlocks();
    EXPECT_EQ(end.Stones[9].Task, 6);
    EXPECT_EQ(end.Stones[9].Positions[9], (SheetPoint{10, 20}));
    EXPECT_EQ(end.Stones[1].Task, 2);
}

TEST_F(GameTest, TeamTotalsCountEndsBeforeTheCurrentOne)
{
    CGame game{NewGameOptions{}};
    game.Ends[0].EndScore = {2, 0};
    game.Ends[1].EndScore = {0, 3};
    game.Ends[2].EndScore = {9, 9}; // not counted
    game.Ends[3].EndScore = {1, 0};
    struct Case
    {
        int currentEnd, state, review, total1, total2;
    };
    const Case cases[] = {
        {0, 6, 0, 0, 0}, {3, 6, 0, 2, 3}, {3, 8, 0, 3, 3}, {3, 8, 1, 2, 3}, {19, 6, 0, 3, 3}};
    for (const Case& c : cases) {
        game.CurrentEnd = c.currentEnd;
        game.GameState = c.state;
        game.ReviewMode = c.review;
        game.RecomputeTeamTotals();
        EXPECT_EQ(game.Teams[0].TeamTotal, c.total1) << c.currentEnd << "/" << c.state;
        EXPECT_EQ(game.Teams[1].TeamTotal, c.total2) << c.currentEnd << "/" << c.state;
    }
}

class MisDefaultTest : public GameTest
{
protected:
    static void play(CGame& game, int end, int teamSlot, int player, int stone, int task)
    {
        game.Ends[std::size_t(end)].stone(teamSlot, player, stone).Task = task;
    }
};

TEST_F(MisDefaultTest, FinishedGameGetsTheLatestRealShot)
{
    CGame game{NewGameOptions{}};
    game.GameState = 8;
    game.Ends[1].FirstThrowerFlag = 1;
    play(game, 1, 0, 3, 1, 6);  // team 1 delivers second in end 1: order 1
    play(game, 1, 1, 3, 1, 12); // team 2's last stone: not played
    game.setCurrentPosition({2, 0, 0, 0});
    game.ApplyMisDefault();
    EXPECT_EQ(game.misPosition(), (GamePosition{1, 3, 1, 1}));
    EXPECT_EQ(game.MisLabel, QStringLiteral("Last stone"));
}

TEST_F(MisDefaultTest, NoRealShotGivesNoStatistics)
{
    CGame game{NewGameOptions{}};
    game.GameState = 8;
    play(game, 0, 0, 0, 0, 13);
    game.setCurrentPosition({1, 0, 0, 0});
    game.ApplyMisDefault();
    EXPECT_EQ(game.misPosition(), GamePosition{});
    EXPECT_EQ(game.MisLabel, QStringLiteral("No statistics."));
}

TEST_F(MisDefaultTest, LeftAloneWhileInProgressOrWhenChosen)
{
    CGame game{NewGameOptions{}};
    play(game, 0, 0, 1, 0, 0);
    game.setCurrentPosition({1, 0, 0, 0});
    game.GameState = 6;
    game.ApplyMisDefault();
    EXPECT_EQ(game.misPosition(), GamePosition{});
    EXPECT_TRUE(game.MisLabel.isEmpty());

    game.GameState = 8;
    game.setMisPosition({0, 0, 0, 1});
    game.MisLabel = QStringLiteral("chosen");
    game.ApplyMisDefault();
    EXPECT_EQ(game.misPosition(), (GamePosition{0, 0, 0, 1}));
    EXPECT_EQ(game.MisLabel, QStringLiteral("chosen"));
}

TEST_F(MisDefaultTest, MixedDoublesWalksBothTeamsDeliveredStones)
{
    NewGameOptions options;
    options.MixedDoubles = true;
    CGame game(options);
    game.GameState = 8;
    // End 0: the team delivering first played a real shot with its fourth stone
    // (player 2, stone 1); the other team's later stones were not counted.
    play(game, 0, 0, 2, 1, 1);
    play(game, 0, 1, 2, 1, 12);
    play(game, 0, 1, 3, 0, 13);
    game.setCurrentPosition({1, 1, 1, 0});
    game.ApplyMisDefault();
    EXPECT_EQ(game.misPosition(), (GamePosition{0, 2, 1, 0}));

    // Back past the first delivered stones of end 0: nothing left.
    CGame empty(options);
    empty.GameState = 8;
    empty.setCurrentPosition({0, 2, 0, 0});
    empty.ApplyMisDefault();
    EXPECT_EQ(empty.misPosition(), GamePosition{});
    EXPECT_EQ(empty.MisLabel, QStringLiteral("No statistics."));
}

TEST_F(GameTest, TagsOfTheCurrentStone)
{
    CGame game{NewGameOptions{}};
    ScriptedPrompts prompts;
    EXPECT_FALSE(game.RemoveLastTag(prompts));
    EXPECT_EQ(prompts.messages.value(0), Texts::get(5124));
    EXPECT_TRUE(prompts.questions.isEmpty());

    game.ListTags(prompts);
    EXPECT_EQ(prompts.messages.value(1), Texts::get(5132) + Texts::get(5133));

    game.AddTag(0, 12, QStringLiteral("Draw"), QStringLiteral("made"));
    game.AddTag(0, 5, QStringLiteral("Long takeout"), QStringLiteral("miss"));
    const QStringList lines = game.TagListText().mid(Texts::get(5132).size()).split('\n');
    EXPECT_TRUE(lines.value(0).startsWith(QStringLiteral("1:   ")));
    EXPECT_TRUE(lines.value(0).endsWith(QStringLiteral("    12s\t  Draw    \tmade\t")))
        << lines.value(0).toStdString();
    EXPECT_TRUE(lines.value(1).endsWith(QStringLiteral("     5s\t  Long takeout\tmiss\t")))
        << lines.value(1).toStdString();

    prompts.answers = {false, true};
    EXPECT_FALSE(game.RemoveLastTag(prompts));
    EXPECT_EQ(game.currentStone().Tags.size(), 2);
    EXPECT_EQ(prompts.questions.value(0), Texts::get(5123).arg(2));
    EXPECT_TRUE(game.RemoveLastTag(prompts));
    ASSERT_EQ(game.currentStone().Tags.size(), 1);
    EXPECT_EQ(game.currentStone().Tags[0].TagName, QStringLiteral("Draw"));
}

TEST_F(GameTest, PositionsFromAFileNeverIndexOutsideTheRecord)
{
    CGame game{NewGameOptions{}};
    game.setCurrentPosition({57, -4, 9, 3});
    game.Ends[19].FirstThrowerFlag = 6;
    EXPECT_GE(game.StoneSlot(), 0);
    EXPECT_LT(game.StoneSlot(), 16);
    game.currentStone().Task = 4; // inside end 19
    EXPECT_EQ(game.Ends[19].Stones[std::size_t(game.StoneSlot())].Task, 4);
    game.GameState = 8;
    game.ApplyMisDefault(); // walks back from the clamped position and ends
    EXPECT_EQ(game.MisLabel, QStringLiteral("No statistics."));
}
