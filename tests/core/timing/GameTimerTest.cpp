#include "core/timing/GameTimer.h"

#include "core/base/Clock.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/record/Game.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QList>
#include <QPair>

#include <functional>

namespace {

struct RecordingObserver : GameTimerObserver
{
    QList<QPair<int, QString>> shown;
    QList<int> running;
    void timeShown(int team, const QString& text) override { shown.append({team, text}); }
    void runningChanged(int team) override { running.append(team); }
};

struct ScriptedSetDialog : SetGameTimerDialog
{
    bool ok = true;
    GameTimerSetting offered;
    std::function<void(GameTimerSetting&)> change;
    bool edit(GameTimerSetting& s) override
    {
        offered = s;
        if (change)
            change(s);
        return ok;
    }
};

} // namespace

class GameTimerTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        setMs(1'000'000'000'000);
    }
    void TearDown() override
    {
        Clock::setSource({});
        Clock::setMsSource({});
        SettingsTest::TearDown();
    }
    void setMs(qint64 ms)
    {
        nowMs_ = ms;
        Clock::setMsSource([this] { return nowMs_; });
        Clock::setSource([this] { return nowMs_ / 1000; });
    }
    void advanceMs(qint64 ms) { setMs(nowMs_ + ms); }
    static void place(CGame& game, int end, int player, int stone, int order)
    {
        game.setCurrentPosition({end, player, stone, order});
    }

    qint64 nowMs_ = 0;
};

TEST_F(GameTimerTest, BudgetsFollowTheKindOfGame)
{
    struct Case
    {
        int mixedDoubles, wheelchair, totalEnds;
        qint32 budget;
        const char* text;
        double perStone;
    } cases[] = {
        {0, 0, 9, 4380, "73:00", 4380 / 80.0},
        {1, 0, 9, 2760, "46:00", 2760 / 40.0}, // eight ends at most
        {0, 1, 9, 4080, "68:00", 4080 / 64.0},
        {1, 1, 9, 4080, "68:00", 4080 / 40.0}, // wheelchair seconds, five-stone schedule
        {0, 0, 5, 2628, "43:48", 2628 / 48.0},
        {1, 0, 5, 2070, "34:30", 2070 / 30.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mixedDoubles << c.wheelchair << c.totalEnds);
        Settings::write(Key::Options::MixedDoubles, c.mixedDoubles);
        Settings::write(Key::Options::Wheelchair, c.wheelchair);
        Settings::write(Key::MRU::TotalEnds, c.totalEnds);
        CGame game;
        const GameTimer timer(game);
        EXPECT_EQ(game.TeamTimer[0], c.budget);
        EXPECT_EQ(game.TeamTimer[1], c.budget);
        EXPECT_EQ(timer.totalSeconds(), c.budget);
        EXPECT_DOUBLE_EQ(timer.secondsPerStone(), c.perStone);
        EXPECT_EQ(timer.timeText(1), QLatin1String(c.text));
    }
}

TEST_F(GameTimerTest, RemainingAndUsedTimeTexts)
{
    CGame game;
    const GameTimer timer(game); // 4380 s
    struct Case
    {
        int mode;
        qint32 remaining;
        const char* text;
    } cases[] = {
        {0, 4380, "73:00"},  {0, 59, "00:59"},   {0, 0, "00:00"},    {0, -1, "! :00"},
        {0, 6000, "100:00"}, {1, 4380, "00:00"}, {1, 4319, "01:01"}, {1, 0, "73:00"},
        {1, -5, "! :00"},    {1, 4381, "! :00"}, // more left than the budget
    };
    for (const Case& c : cases)
        EXPECT_EQ(timer.timeText(c.mode, c.remaining), QLatin1String(c.text))
            << c.mode << " " << c.remaining;
}

TEST_F(GameTimerTest, DeviationFromScheduleTexts)
{
    struct Case
    {
        bool mixedDoubles;
        GamePosition at;
        qint32 remaining;
        const char* text;
    } cases[] = {
        // 4380 s for 80 stones: 54.75 s a stone
        {false, {0, 0, 0, 0}, 4380, "+ 0:00"},
        {false, {0, 0, 0, 0}, 4980, "+10:00"},
        {false, {0, 0, 0, 0}, 4981, " +10 m"},
        {false, {0, 0, 0, 0}, 3780, "-10:00"},
        {false, {0, 0, 0, 0}, 3779, " -10 m"},
        {false, {0, 0, 0, 0}, 4379, "- 0:01"},
        {false, {0, 0, 0, 0}, 1000, " -56 m"}, // truncated toward zero
        // 19 stones delivered: trunc(1040.25) = 1040 s used on schedule
        {false, {2, 1, 1, 1}, 3340, "+ 0:00"},
        {false, {2, 1, 1, 0}, 3000, "- 5:40"},
        // mixed doubles: 2760 s for 40 stones, the first stone of an end is player 1, stone 1
        {true, {0, 1, 1, 0}, 2760, "+ 0:00"},
        {true, {1, 1, 1, 0}, 2415, "+ 0:00"},
        {true, {1, 3, 1, 1}, 2139, "+ 0:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mixedDoubles << " end " << c.at.End << " player "
                                        << c.at.Player << " stone " << c.at.Stone);
        Settings::write(Key::Options::MixedDoubles, c.mixedDoubles ? 1 : 0);
        CGame game;
        GameTimer timer(game);
        game.setCurrentPosition(c.at);
        EXPECT_EQ(timer.timeText(GameTimer::Deviation, c.remaining), QLatin1String(c.text));
    }
}

TEST_F(GameTimerTest, ExtraEndGivesTenMinutesAndRemainingTime)
{
    for (const bool md : {false, true}) {
        SCOPED_TRACE(md);
        Settings::write(Key::Options::MixedDoubles, md ? 1 : 0);
        Settings::write(Key::Options::GameTimerMode, 2);
        CGame game;
        game.GameState = 6;
        GameTimer timer(game);
        game.CurrentEnd = game.TotalEnds + 1;
        ASSERT_TRUE(timer.startExtraEnd());
        EXPECT_EQ(game.TeamTimer[0], md ? 480 : 600);
        EXPECT_EQ(game.TeamTimer[1], md ? 480 : 600);
        EXPECT_EQ(timer.totalSeconds(), md ? 480 : 600);
        EXPECT_DOUBLE_EQ(timer.secondsPerStone(), md ? 96.0 : 75.0);
        EXPECT_EQ(timer.GameTimerMode, GameTimer::RemainingTime);
        EXPECT_EQ(Settings::read(Key::Options::GameTimerMode), 2);
        EXPECT_EQ(timer.timeText(2), QLatin1String(md ? "08:00" : "10:00"));
        // the schedule counts the extra end from its own first stone
        if (!md) {
            game.CurrentPlayer = 2;
            EXPECT_EQ(timer.timeText(GameTimer::Deviation, 300), QLatin1String("+ 0:00"));
        }
    }
}

TEST_F(GameTimerTest, ExtraEndIsRefusedWhileAClockRunsInReviewOrWhenFinished)
{
    enum Block
    {
        Running,
        Review,
        Finished
    };
    for (const Block block : {Running, Review, Finished}) {
        SCOPED_TRACE(int(block));
        CGame game;
        game.GameState = 6;
        GameTimer timer(game);
        if (block == Running)
            timer.startTeam(1);
        if (block == Review)
            game.ReviewMode = 1;
        if (block == Finished)
            game.GameState = 8;
        EXPECT_FALSE(timer.startExtraEnd());
        EXPECT_EQ(game.TeamTimer[0], 4380);
        EXPECT_EQ(timer.totalSeconds(), 4380);
    }
}

TEST_F(GameTimerTest, SwitchOnShotHandsOverStopsAndStamps)
{
    constexpr qint64 kOldStamp = 12345;
    struct Case
    {
        const char* name;
        int state, review;
        GamePosition at;
        int runningBefore;
        bool renew;
        qint64 stampBefore;
        int runningAfter;
        bool stamped; // the stone carries the current time afterwards
    } cases[] = {
        {"team 1 delivered", 6, 0, {0, 0, 0, 0}, 1, false, 0, 2, true},
        {"team 2 delivered", 6, 0, {0, 0, 0, 1}, 2, false, 0, 1, true},
        {"no clock ran", 6, 0, {0, 1, 0, 0}, 0, false, 0, 2, true},
        {"last stone of the end", 6, 0, {0, 3, 1, 1}, 2, false, 0, 0, true},
        {"stamp kept", 6, 0, {0, 0, 1, 0}, 1, false, kOldStamp, 2, false},
        {"stamp renewed", 6, 0, {0, 0, 1, 0}, 2, true, kOldStamp, 2, true},
        {"review", 6, 1, {0, 0, 0, 0}, 1, true, 0, 1, false},
        {"set-up running", 2, 0, {0, 0, 0, 0}, 1, false, 0, 1, true},
        {"finished", 8, 0, {0, 0, 0, 0}, 0, false, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGame game;
        GameTimer timer(game);
        game.GameState = 6;
        if (c.runningBefore)
            timer.startTeam(c.runningBefore);
        game.GameState = c.state;
        game.ReviewMode = c.review;
        game.setCurrentPosition(c.at);
        game.currentStone().DeliveryTime = c.stampBefore;
        timer.switchOnShot(c.renew);
        EXPECT_EQ(timer.runningTeam(), c.runningAfter);
        EXPECT_EQ(game.currentStone().DeliveryTime, c.stamped ? Clock::now() : c.stampBefore);
    }
}

TEST_F(GameTimerTest, SettingsDecideWhenTaskPointsAndOkMoveTheClock)
{
    enum Event
    {
        Task,
        Points,
        Ok
    };
    struct Case
    {
        const char* name;
        bool startOnTask, stopOnPoints, stopOnOk;
        int runningBefore;
        Event event;
        int runningAfter;
        bool stampRenewed;
    } cases[] = {
        {"task starts the delivering team", true, true, false, 0, Task, 1, false},
        {"task leaves a running clock", true, true, false, 2, Task, 2, false},
        {"task without start on task", false, true, false, 0, Task, 0, false},
        {"points switch", true, true, false, 1, Points, 2, false},
        {"points ignored", true, false, false, 1, Points, 1, false},
        {"ok switches without renewing", true, true, false, 1, Ok, 2, false},
        {"ok renews the stamp", true, true, true, 1, Ok, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings::write(Key::Options::GameTimerStartOnTask, c.startOnTask);
        Settings::write(Key::Options::GameTimerStopOnPoints, c.stopOnPoints);
        Settings::write(Key::Options::GameTimerStopOnOK, c.stopOnOk);
        CGame game;
        game.GameState = 6;
        GameTimer timer(game);
        if (c.runningBefore)
            timer.startTeam(c.runningBefore);
        game.currentStone().DeliveryTime = 7;
        switch (c.event) {
        case Task:
            timer.taskSelected();
            break;
        case Points:
            timer.pointsChosen();
            break;
        case Ok:
            timer.shotRecorded();
            break;
        }
        EXPECT_EQ(timer.runningTeam(), c.runningAfter);
        EXPECT_EQ(game.currentStone().DeliveryTime, c.stampRenewed ? Clock::now() : 7);
    }
}

TEST_F(GameTimerTest, TicksChargeTheRunningTeamForElapsedWholeSeconds)
{
    Settings::write(Key::Options::ShowGameTimer, 1);
    CGame game;
    game.GameState = 6;
    GameTimer timer(game);
    RecordingObserver seen;
    timer.Observer = &seen;

    advanceMs(400);
    ASSERT_TRUE(timer.startTeam(1));
    advanceMs(999);
    timer.tick();
    EXPECT_EQ(game.TeamTimer[0], 4380);
    advanceMs(1);
    timer.tick();
    EXPECT_EQ(game.TeamTimer[0], 4379);
    advanceMs(3500); // two ticks lost while the window was busy
    timer.tick();
    EXPECT_EQ(game.TeamTimer[0], 4376);
    EXPECT_EQ(seen.shown.last(), qMakePair(1, QStringLiteral("72:56")));

    advanceMs(600); // 5.1 s since the start: the fifth second is charged on the switch
    ASSERT_TRUE(timer.startTeam(2));
    EXPECT_EQ(game.TeamTimer[0], 4375);
    advanceMs(61'000);
    timer.tick();
    EXPECT_EQ(game.TeamTimer[0], 4375);
    EXPECT_EQ(game.TeamTimer[1], 4319);
    EXPECT_EQ(seen.running, (QList<int>{1, 2}));

    timer.stopBoth();
    advanceMs(5000);
    timer.tick();
    EXPECT_EQ(game.TeamTimer[1], 4319);
    EXPECT_EQ(seen.running.last(), 0);

    // an overrun keeps counting below zero
    game.TeamTimer[1] = 1;
    timer.startTeam(2);
    advanceMs(3000);
    timer.tick();
    EXPECT_EQ(game.TeamTimer[1], -2);
    EXPECT_EQ(timer.timeText(2), QLatin1String("! :00"));
}

TEST_F(GameTimerTest, AClickOnTheRunningTeamKeepsItsSecond)
{
    CGame game;
    game.GameState = 6;
    GameTimer timer(game);
    timer.startTeam(1);
    advanceMs(700);
    timer.startTeam(1);
    advanceMs(300);
    timer.tick();
    EXPECT_EQ(game.TeamTimer[0], 4379);
}

TEST_F(GameTimerTest, NoClockStartsInAFinishedGame)
{
    CGame game;
    game.GameState = 8;
    GameTimer timer(game);
    EXPECT_FALSE(timer.startTeam(1));
    EXPECT_FALSE(timer.startDeliveringTeam());
    EXPECT_FALSE(timer.isRunning());
    advanceMs(5000);
    timer.tick();
    EXPECT_EQ(game.TeamTimer[0], 4380);
}

TEST_F(GameTimerTest, DeliveringTeamFollowsTheFirstThrower)
{
    CGame game;
    game.GameState = 6;
    GameTimer timer(game);
    for (const int flag : {0, 1})
        for (const int order : {0, 1}) {
            game.currentEnd().FirstThrowerFlag = flag;
            game.CurrentOrder = order;
            timer.startDeliveringTeam();
            EXPECT_EQ(timer.runningTeam(), ((order ^ flag) & 1) + 1) << flag << order;
        }
}

TEST_F(GameTimerTest, TimesAreShownOnlyWhileTheBarIsVisible)
{
    CGame game;
    game.GameState = 6;
    GameTimer timer(game); // ShowGameTimer off by default
    RecordingObserver seen;
    timer.Observer = &seen;
    timer.startTeam(1);
    advanceMs(2000);
    timer.tick();
    EXPECT_TRUE(seen.shown.isEmpty());

    // appearing recomputes the totals from the settings in force
    Settings::write(Key::Options::SecondsPerEnd, 400);
    timer.toggleShow();
    EXPECT_TRUE(timer.ShowGameTimer);
    EXPECT_EQ(timer.totalSeconds(), 4000);
    EXPECT_EQ(seen.shown, (QList<QPair<int, QString>>{{1, "72:58"}, {2, "73:00"}}));
    EXPECT_EQ(Settings::contains("Options", "ShowGameTimer"), false);

    timer.toggleShow();
    seen.shown.clear();
    advanceMs(1000);
    timer.tick();
    EXPECT_TRUE(seen.shown.isEmpty());
}

TEST_F(GameTimerTest, ModeIsWrittenAndRedrawn)
{
    Settings::write(Key::Options::ShowGameTimer, 1);
    CGame game;
    GameTimer timer(game);
    RecordingObserver seen;
    timer.Observer = &seen;
    timer.setMode(GameTimer::UsedTime);
    EXPECT_EQ(Settings::read(Key::Options::GameTimerMode), 1);
    EXPECT_EQ(seen.shown, (QList<QPair<int, QString>>{{1, "00:00"}, {2, "00:00"}}));
    timer.setMode(3);
    EXPECT_EQ(timer.GameTimerMode, GameTimer::UsedTime);
    EXPECT_EQ(Settings::read(Key::Options::GameTimerMode), 1);
    EXPECT_EQ(GameTimer(game).GameTimerMode, GameTimer::UsedTime);
}

TEST_F(GameTimerTest, ResetAsksAndGivesNewBudgets)
{
    loadLanguage(QStringLiteral("ENG"));
    Settings::write(Key::Options::MixedDoubles, 1);
    CGame game;
    game.GameState = 6;
    game.TotalEnds = 9; // e.g. taken from an older game file
    GameTimer timer(game);
    timer.startTeam(1);
    game.TeamTimer = {100, 200};

    ScriptedPrompts prompts;
    prompts.answers = {false, true};
    EXPECT_FALSE(timer.askReset(prompts));
    EXPECT_EQ(game.TeamTimer[0], 100);
    EXPECT_TRUE(timer.isRunning());

    EXPECT_TRUE(timer.askReset(prompts));
    ASSERT_EQ(prompts.questions.size(), 2);
    EXPECT_FALSE(prompts.questions[0].isEmpty());
    EXPECT_EQ(prompts.questions[0], Texts::get(5111));
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(game.TotalEnds, 7);
    EXPECT_EQ(game.TeamTimer[0], 2760);
    EXPECT_EQ(game.TeamTimer[1], 2760);
    EXPECT_EQ(timer.totalSeconds(), 2760);
}

TEST_F(GameTimerTest, GameOptionsRecomputeBudgetsOnlyBeforeThePlay)
{
    for (const int state : {5, 6}) {
        CGame game;
        game.GameState = state;
        GameTimer timer(game);
        game.TotalEnds = 7;
        timer.gameOptionsConfirmed();
        EXPECT_EQ(game.TeamTimer[0], state == 5 ? 8 * 438 : 4380) << state;
        EXPECT_EQ(timer.totalSeconds(), 4380) << "bar hidden: totals stay";
    }
}

TEST_F(GameTimerTest, TimesGoIntoTheComment)
{
    struct Case
    {
        const char* prefix; // nullptr: the default "Time left: "
        const char* comment;
        const char* result;
    } cases[] = {
        {nullptr, "", "Time left: Te1 72:00, Te2 73:00"},
        {nullptr, "Time left: Te1 73:00, Te2 73:00", "Time left: Te1 72:00, Te2 73:00"},
        {nullptr, "Time is short", "Time left: Te1 72:00, Te2 73:00"}, // five characters match
        {nullptr, "Good shot", "Good shot | Time left: Te1 72:00, Te2 73:00"},
        {"T: ", "T: Te1 73:00, Te2 73:00", "T: Te1 72:00, Te2 73:00"},
        {"", "Good shot", "Good shot | Te1 72:00, Te2 73:00"},
    };
    loadLanguage(QStringLiteral("ENG"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.comment);
        if (c.prefix)
            Settings::write(Key::Options::GameTimerCommentText, QString::fromLatin1(c.prefix));
        else
            Settings::remove("Options", "GameTimerCommentText");
        CGame game;
        const GameTimer timer(game);
        EXPECT_EQ(timer.commentWithTimes(QString::fromLatin1(c.comment)),
                  QString::fromLatin1(c.comment))
            << "no time used";
        game.TeamTimer[0] = 4320;
        EXPECT_EQ(timer.commentWithTimes(QString::fromLatin1(c.comment)),
                  QString::fromLatin1(c.result));
    }
}

TEST_F(GameTimerTest, CommentCountsTheSecondTeamsClockToo)
{
    loadLanguage(QStringLiteral("ENG"));
    CGame game;
    GameTimer timer(game);
    timer.GameTimerMode = GameTimer::UsedTime; // the comment reads in the bar's mode
    game.TeamTimer[1] = 4370;
    EXPECT_EQ(timer.commentWithTimes({}), QLatin1String("Time left: Te1 00:00, Te2 00:10"));
}

TEST_F(GameTimerTest, SetGameTimerDialog)
{
    struct Case
    {
        const char* name;
        int state;
        bool extraEnd;
        bool ok, sameForBoth;
        qint32 budget1, budget2;
    } cases[] = {
        {"set up: team 1's time for both", 5, false, true, true, 61 * 60 + 5, 61 * 60 + 5},
        {"in progress: each its own", 6, false, true, false, 61 * 60 + 5, 30 * 60},
        {"cancel", 6, false, false, false, 100, -70},
        {"extra end: ten minutes first", 6, true, false, false, 600, 600},
    };
    loadLanguage(QStringLiteral("ENG"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CGame game;
        game.GameState = c.state;
        GameTimer timer(game);
        timer.startTeam(2);
        game.TeamTimer = {100, -70};
        if (c.extraEnd)
            game.CurrentEnd = game.TotalEnds + 1;
        ScriptedSetDialog dialog;
        dialog.ok = c.ok;
        dialog.change = [](GameTimerSetting& s) {
            s.Minutes1 = 61;
            s.Seconds1 = 5;
            s.Minutes2 = 30;
            s.Seconds2 = 0;
        };
        EXPECT_EQ(timer.setTimes(dialog), c.ok);
        EXPECT_FALSE(timer.isRunning());
        EXPECT_EQ(dialog.offered.SameForBoth, c.state != 6);
        EXPECT_EQ(dialog.offered.Label1, QLatin1String("Te1"));
        EXPECT_EQ(dialog.offered.Label2, QLatin1String("Te2"));
        if (!c.extraEnd) {
            EXPECT_EQ(dialog.offered.Minutes1, 1u);
            EXPECT_EQ(dialog.offered.Seconds1, 40u);
            EXPECT_EQ(dialog.offered.Minutes2, 0u) << "an overrun is offered as 0:00";
            EXPECT_EQ(dialog.offered.Seconds2, 0u);
        }
        EXPECT_EQ(game.TeamTimer[0], c.budget1);
        EXPECT_EQ(game.TeamTimer[1], c.budget2);
    }
}

TEST_F(GameTimerTest, SetGameTimerInTheExtraEndSetsTheSchedule)
{
    CGame game;
    game.GameState = 6;
    GameTimer timer(game);
    game.CurrentEnd = game.TotalEnds + 1;
    ScriptedSetDialog dialog;
    dialog.change = [](GameTimerSetting& s) { s.Minutes1 = 8; };
    ASSERT_TRUE(timer.setTimes(dialog));
    EXPECT_EQ(dialog.offered.Minutes1, 10u);
    EXPECT_EQ(timer.totalSeconds(), 480);
    EXPECT_DOUBLE_EQ(timer.secondsPerStone(), 60.0);
}
