#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/record/Game.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QStringList>

namespace {

NewGameOptions regularGame()
{
    return NewGameOptions{};
}

NewGameOptions mixedDoublesGame()
{
    NewGameOptions options;
    options.MixedDoubles = true;
    return options;
}

class RecordingObserver : public GameObserver
{
public:
    QStringList stateNames;
    int redraws = 0;
    void stateNameChanged(const QString& name) override { stateNames.append(name); }
    void houseViewsChanged() override { ++redraws; }
};

} // namespace

class GameFlowTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
    }
};

TEST_F(GameFlowTest, RegularEndAlternatesTeamsTwoStonesEach)
{
    CGame game(regularGame());
    game.Ends[0].FirstThrowerFlag = 1; // team 2 delivers first
    // Expected (order, player, stone) → stone record, for all 16 stones of an end.
    const int expectedSlots[] = {8, 0, 9, 1, 10, 2, 11, 3, 12, 4, 13, 5, 14, 6, 15, 7};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(game.CurrentEnd, 0);
        EXPECT_EQ(game.StoneSlot(), expectedSlots[i]) << i;
        EXPECT_EQ(game.CurrentOrder, i % 2);
        EXPECT_EQ(game.CurrentPlayer, i / 4);
        EXPECT_EQ(game.CurrentStone, (i / 2) % 2);
        EXPECT_EQ(game.isLastStoneOfEnd(), i == 15);
        EXPECT_EQ(game.NextStone(), 1);
        EXPECT_EQ(game.recordingPosition(), game.currentPosition());
    }
    EXPECT_EQ(game.currentPosition(), (GamePosition{1, 0, 0, 0}));
    EXPECT_EQ(game.SheetDirection, 1);
}

TEST_F(GameFlowTest, TwentiethEndIsTheLastAndTheWayBackLandsOnTheStart)
{
    CGame game(regularGame());
    int moves = 0;
    while (game.NextStone() == 1)
        ++moves;
    EXPECT_EQ(moves, 20 * 16 - 1);
    EXPECT_EQ(game.currentPosition(), (GamePosition{19, 3, 1, 1}));
    EXPECT_EQ(game.NextStone(), 0); // still refused, still there
    EXPECT_EQ(game.currentPosition(), (GamePosition{19, 3, 1, 1}));
    EXPECT_EQ(game.SheetDirection, 1);

    int back = 0;
    while (game.PreviousStone() == 1)
        ++back;
    EXPECT_EQ(back, moves - 1); // the last step back reports the first stone
    EXPECT_EQ(game.currentPosition(), GamePosition{});
    EXPECT_EQ(game.SheetDirection, 0);
    EXPECT_EQ(game.PreviousStone(), 0);
    EXPECT_EQ(game.currentPosition(), GamePosition{});
}

TEST_F(GameFlowTest, BackFromTheFirstStoneOfAnEndGoesToTheLastOfTheEndBefore)
{
    struct Case
    {
        NewGameOptions options;
        GamePosition from, to;
    };
    const Case cases[] = {
        {regularGame(), {3, 0, 0, 0}, {2, 3, 1, 1}},
        {regularGame(), {3, 2, 0, 0}, {3, 1, 1, 1}},
        {regularGame(), {3, 2, 1, 0}, {3, 2, 0, 1}},
        {mixedDoublesGame(), {3, 1, 1, 0}, {2, 3, 1, 1}},
        {mixedDoublesGame(), {3, 2, 0, 0}, {3, 1, 1, 1}},
        {mixedDoublesGame(), {3, 3, 0, 0}, {3, 2, 1, 1}},
    };
    for (const Case& c : cases) {
        CGame game(c.options);
        game.setCurrentPosition(c.from);
        EXPECT_EQ(game.PreviousStone(), 1);
        EXPECT_EQ(game.currentPosition(), c.to) << c.from.End << c.from.Player << c.from.Stone;
    }
}

TEST_F(GameFlowTest, MixedDoublesEndHasFiveStonesPerTeamAndPlacesPositionedStones)
{
    CGame game(mixedDoublesGame());
    RecordingObserver observer;
    game.Observer = &observer;
    game.Ends[0].Stones[4].PlayerIndex = 3; // a changed line-up carries into the next end
    game.Ends[0].Stones[4].PlayerId = 1;
    const int expectedSlots[] = {3, 11, 4, 12, 5, 13, 6, 14, 7, 15};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(game.StoneSlot(), expectedSlots[i]) << i;
        EXPECT_EQ(game.NextStone(), 1);
    }
    EXPECT_EQ(game.currentPosition(), (GamePosition{1, 1, 1, 0}));
    EXPECT_EQ(observer.redraws, 1);
    const CStone& first = game.currentStone();
    EXPECT_EQ(first.Positions[10], (SheetPoint{750, 650}));
    EXPECT_EQ(first.Positions[2], (SheetPoint{750, 2150}));
    EXPECT_EQ(first.Positions[0], (SheetPoint{4095, 4095}));
    EXPECT_EQ(game.Ends[1].Stones[4].PlayerIndex, 3);
    EXPECT_EQ(game.Ends[1].Stones[4].PlayerId, 1);
    EXPECT_EQ(game.Ends[1].Stones[12].PlayerIndex, 2);
}

TEST_F(GameFlowTest, LieOfTheStonesAndMarkersCarryForward)
{
    CGame game(regularGame());
    CStone& first = game.currentStone(); // team 1, lead, stone 0
    first.Positions[0] = {700, 900};
    first.Positions[CStone::BroomPair] = {1, 2};
    ASSERT_EQ(game.NextStone(), 1); // team 2's first stone: lie copied, markers not
    EXPECT_EQ(game.currentStone().Positions[0], (SheetPoint{700, 900}));
    EXPECT_EQ(game.currentStone().Positions[CStone::BroomPair], SheetPoint{});
    game.currentStone().Positions[8] = {600, 800};
    game.currentStone().Positions[CStone::TargetPair] = {5, 6};
    ASSERT_EQ(game.NextStone(), 1); // team 1's second stone: markers of team 1's first
    const CStone& third = game.currentStone();
    EXPECT_EQ(game.StoneSlot(), 1);
    EXPECT_EQ(third.Positions[0], (SheetPoint{700, 900}));
    EXPECT_EQ(third.Positions[8], (SheetPoint{600, 800}));
    EXPECT_EQ(third.Positions[CStone::BroomPair], (SheetPoint{1, 2}));
    EXPECT_EQ(third.Positions[CStone::TargetPair], SheetPoint{});

    // A new end starts from an empty sheet.
    game.setCurrentPosition({0, 3, 1, 1});
    game.currentStone().Positions[3] = {1, 1};
    ASSERT_EQ(game.NextStone(), 1);
    EXPECT_EQ(game.currentStone().Positions[3], SheetPoint{});
}

TEST_F(GameFlowTest, FirstThrowerOfTheNextEnd)
{
    struct Case
    {
        bool md, switchLastStone;
        int finishedFlag, s1, s2;
        QList<bool> answers;
        int expected;
        int questions;
    };
    const Case cases[] = {
        {false, false, 0, 0, 0, {}, 0, 0}, // blank end: same team again
        {false, false, 1, 0, 0, {}, 1, 0},
        {true, false, 0, 0, 0, {}, 1, 0},  // mixed doubles: the other team
        {false, false, 1, 2, 0, {}, 0, 0}, // team 1 scored: it delivers first
        {false, false, 0, 0, 3, {}, 1, 0},
        {false, true, 0, 0, 2, {}, 1, 0},      // alternates; team 2 scored and delivers first
        {false, true, 0, 2, 0, {true}, 1, 1},  // scorer would get the last stone: accepted
        {false, true, 0, 2, 0, {false}, 0, 1}, // declined: inverted again
    };
    for (const Case& c : cases) {
        CGame game(c.md ? mixedDoublesGame() : regularGame());
        game.Ends[4].FirstThrowerFlag = c.finishedFlag;
        ScriptedPrompts prompts;
        prompts.answers = c.answers;
        EXPECT_EQ(game.SetNextEndFirstThrower(5, c.s1, c.s2, c.switchLastStone, prompts),
                  c.expected);
        EXPECT_EQ(game.Ends[5].FirstThrowerFlag, c.expected);
        EXPECT_EQ(prompts.questions.size(), c.questions);
        if (c.questions) {
            EXPECT_EQ(prompts.questions[0], Texts::get(5099).arg(QStringLiteral("Team 2")));
        }
    }
    Settings::write(Key::Options::SwitchLastStone, 1);
    CGame game(regularGame());
    ScriptedPrompts prompts;
    EXPECT_EQ(game.SetNextEndFirstThrower(1, 0, 0, prompts), 1);
}

TEST_F(GameFlowTest, ReviewEndsAtTheRecordingPositionOrRestoresOnReturn)
{
    CGame game(regularGame());
    for (int i = 0; i < 20; ++i)
        game.NextStone(); // end 1, stone 4 of the end
    const GamePosition recording = game.recordingPosition();
    game.Ends[0].EndScore = {2, 0};

    game.EnterReview();
    EXPECT_EQ(game.Teams[0].TeamTotal, 2);
    game.PreviousStone();
    game.PreviousStone();
    game.currentStone().Task = 7;
    EXPECT_EQ(game.NextStone(), 1);
    EXPECT_EQ(game.ReviewMode, 1);
    EXPECT_EQ(game.NextStone(), 0); // reached the recording position: review is over
    EXPECT_EQ(game.ReviewMode, 0);
    EXPECT_EQ(game.currentPosition(), recording);
    EXPECT_EQ(game.Ends[1].Stones[1].Task, 7); // the change stayed

    game.EnterReview();
    game.GotoPosition(0, 1, 6);
    EXPECT_EQ(game.currentPosition(), (GamePosition{0, 3, 0, 1}));
    EXPECT_EQ(game.SheetDirection, 0);
    game.currentStone().Task = 2;
    game.LeaveReview(1); // Return: changes since review began are dropped
    EXPECT_EQ(game.Ends[0].stone(1, 3, 0).Task, -1);
    EXPECT_EQ(game.currentPosition(), recording);
    EXPECT_EQ(game.SheetDirection, 1);
}

TEST_F(GameFlowTest, GotoPositionKeepsInsideTheRecordedGame)
{
    struct Case
    {
        NewGameOptions options;
        int end, order, stone;
        GamePosition expected;
    };
    const Case cases[] = {
        {regularGame(), 9, 1, 3, {2, 1, 1, 1}},  // beyond RecordEnd: RecordEnd
        {regularGame(), -1, 0, 9, {2, 0, 1, 0}}, // keep end and stone
        {regularGame(), 1, 0, 7, {1, 3, 1, 0}},
        {mixedDoublesGame(), 1, 1, 2, {1, 1, 1, 1}}, // below 4: player 1 stone 1
        {mixedDoublesGame(), 0, 0, 5, {0, 2, 1, 0}},
    };
    for (const Case& c : cases) {
        CGame game(c.options);
        game.setRecordingPosition({2, 3, 1, 1});
        game.setCurrentPosition({2, 0, 1, 1});
        game.SheetDirection = 0;
        game.GotoPosition(c.end, c.order, c.stone);
        EXPECT_EQ(game.currentPosition(), c.expected) << c.end << " " << c.stone;
        EXPECT_EQ(game.SheetDirection, (2 - game.CurrentEnd) % 2 == 0 ? 0 : 1);
    }
}

TEST_F(GameFlowTest, GameStateNotifiesItsNameAndCountsTheCurrentEndWhenFinished)
{
    CGame game(regularGame());
    RecordingObserver observer;
    game.Observer = &observer;
    game.CurrentEnd = 1;
    game.Ends[1].EndScore = {0, 4};
    game.SetGameState(1);
    EXPECT_TRUE(observer.stateNames.isEmpty());
    game.SetGameState(6);
    EXPECT_EQ(game.Teams[1].TeamTotal, 0);
    game.SetGameState(8);
    EXPECT_EQ(observer.stateNames, (QStringList{Texts::get(6), Texts::get(8)}));
    EXPECT_EQ(game.Teams[1].TeamTotal, 4);
}

TEST_F(GameFlowTest, ResetPositionGoesToTheFirstStone)
{
    CGame md(mixedDoublesGame());
    md.setCurrentPosition({3, 2, 0, 1});
    md.SheetDirection = 1;
    md.Teams[0].TeamTotal = 5;
    md.ResetPosition();
    EXPECT_EQ(md.currentPosition(), (GamePosition{0, 1, 1, 0}));
    EXPECT_EQ(md.Teams[0].TeamTotal, 0);
    EXPECT_EQ(md.SheetDirection, 0);
}

TEST_F(GameFlowTest, ClearEndEmptiesTheEndAndReturnsToItsFirstStone)
{
    CGame game(regularGame());
    for (int i = 0; i < 16 + 6; ++i) {
        game.currentStone().Task = 0;
        game.currentStone().Remark = QStringLiteral("x");
        game.NextStone();
    }
    game.currentStone().Task = 4;
    game.ClearEnd();
    EXPECT_EQ(game.currentPosition(), (GamePosition{1, 0, 0, 0}));
    EXPECT_EQ(game.recordingPosition(), (GamePosition{1, 0, 0, 0}));
    for (const CStone& s : game.Ends[1].Stones)
        EXPECT_EQ(s.Task, -1);
    EXPECT_EQ(game.Ends[0].Stones[15].Task, 0); // the end before is untouched
    EXPECT_EQ(game.SheetDirection, 1);

    CGame md(mixedDoublesGame());
    for (int i = 0; i < 4; ++i)
        md.NextStone();
    md.currentStone().Task = 1;
    md.ClearEnd();
    EXPECT_EQ(md.currentPosition(), (GamePosition{0, 1, 1, 0}));
    EXPECT_EQ(md.currentStone().Task, -1);
    EXPECT_EQ(md.currentStone().Positions[2], (SheetPoint{750, 2150})); // placed again
}
