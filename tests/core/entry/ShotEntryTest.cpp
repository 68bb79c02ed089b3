#include "core/entry/ShotEntry.h"

#include "core/base/Clock.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/Document.h"
#include "core/record/Vocabulary.h"

#include "support/ScriptedEntryDialogs.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

namespace {

class CountingView : public EntryView
{
public:
    int changes = 0, beeps = 0, quickViews = 0, bars = 0;
    void formChanged() override { ++changes; }
    void focusOk() override {}
    void beep() override { ++beeps; }
    void quickViewChanged() override { ++quickViews; }
    void barsChanged() override { ++bars; }
};

} // namespace

class ShotEntryTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        ASSERT_TRUE(files_.isValid());
        Clock::setSource([this] { return now_; });
        Clock::setMsSource([this] { return now_ * 1000; });
        Settings::write(Key::Setup::Path, files_.path() + QStringLiteral("/"));
        Settings::write(Key::Setup::BackupPath, files_.path() + QStringLiteral("/Backup/"));
    }
    void TearDown() override
    {
        entry_.reset();
        doc_.reset();
        Clock::setSource({});
        Clock::setMsSource({});
        SettingsTest::TearDown();
    }

    // A set-up game under the settings in force, saved into the temporary folder.
    void open()
    {
        doc_ = std::make_unique<CTALVStatsDoc>();
        doc_->game().SetGameState(5);
        doc_->game().Teams[0].Text = QStringLiteral("Reds");
        doc_->game().Teams[1].Text = QStringLiteral("Blues");
        doc_->setPath(files_.filePath(QStringLiteral("game.cus")));
        prompts_.savePaths = {doc_->path()};
        entry_ = std::make_unique<ShotEntryController>(*doc_, prompts_, dialogs_);
        entry_->setView(&view_);
    }
    CGame& game() { return doc_->game(); }
    ShotEntryController& entry() { return *entry_; }

    void shot(int task = 0, int handle = 0, int points = 4)
    {
        now_ += 30;
        entry().SelectTask(task);
        if (task < Vocabulary::TaskThrough)
            entry().SelectHandle(handle);
        entry().SelectPoints(points);
        entry().RecordShot();
    }
    // Records every stone of the current end; the result dialog answers s1 : s2.
    void playEnd(int s1, int s2)
    {
        dialogs_.results.append({s1, s2});
        const int end = game().CurrentEnd;
        for (int guard = 0; guard < 16 && game().CurrentEnd == end && game().GameState < 8; ++guard)
            shot();
        ASSERT_NE(game().CurrentEnd, end);
    }
    CStone& recorded(int end, int slot)
    {
        return game().Ends[std::size_t(end)].Stones[std::size_t(slot)];
    }

    qint64 now_ = 1'700'000'000;
    QTemporaryDir files_;
    ScriptedPrompts prompts_;
    ScriptedEntryDialogs dialogs_;
    CountingView view_;
    std::unique_ptr<CTALVStatsDoc> doc_;
    std::unique_ptr<ShotEntryController> entry_;
};

TEST_F(ShotEntryTest, RegularGameIsRecordedScoredFinishedAndSaved)
{
    open();
    const int scores[10][2] = {{1, 0}, {0, 2}, {3, 0}, {0, 0}, {0, 1},
                               {2, 0}, {0, 1}, {1, 0}, {0, 3}, {1, 0}};
    prompts_.savePaths.append(files_.filePath(QStringLiteral("final.cus")));
    int total1 = 0, total2 = 0;
    for (int end = 0; end < 10; ++end) {
        playEnd(scores[end][0], scores[end][1]);
        total1 += scores[end][0];
        total2 += scores[end][1];
        EXPECT_EQ(game().Teams[0].TeamTotal, total1) << end;
        EXPECT_EQ(game().Teams[1].TeamTotal, total2) << end;
        EXPECT_EQ(entry().state().teamTotals[1], QString::number(total2));
    }
    EXPECT_EQ(dialogs_.resultEnds.size(), 10);
    EXPECT_EQ(dialogs_.resultLabels.front(), QList<QString>({"Reds", "Blues"}));
    EXPECT_EQ(game().GameState, 8);
    EXPECT_FALSE(entry().state().enabled);
    EXPECT_TRUE(prompts_.questions.contains(Texts::get(5031)));
    EXPECT_FALSE(prompts_.questions.contains(Texts::get(32046)));
    EXPECT_TRUE(QFileInfo::exists(files_.filePath(QStringLiteral("game.cus"))));
    EXPECT_TRUE(QFileInfo::exists(files_.filePath(QStringLiteral("final.cus"))));
    EXPECT_FALSE(doc_->IsModified());
    EXPECT_EQ(recorded(0, 0).TaskName, Vocabulary::taskLabel(0));
    EXPECT_EQ(recorded(0, 0).TeamId, game().Teams[0].Id);
    EXPECT_EQ(doc_->StatusText, Texts::get(5025).arg(11));

    // A finished game keeps its entries and says why; re-opening makes it editable.
    const int task = entry().state().task;
    entry().SelectTask(3);
    EXPECT_EQ(entry().state().task, task);
    EXPECT_EQ(entry().state().guideline, Texts::get(5116));
    entry().FinishGame();
    EXPECT_EQ(prompts_.questions.last(), Texts::get(32041));
    EXPECT_EQ(game().GameState, 6);
    EXPECT_TRUE(entry().state().enabled);
    EXPECT_EQ(game().Teams[0].TeamTotal, total1);
}

TEST_F(ShotEntryTest, IncompleteEntryMarksWhatIsMissingAndStays)
{
    open();
    struct Case
    {
        int task, handle, points;
        bool taskMissing, handleMissing, pointsMissing, warned;
    };
    const Case cases[] = {
        {0, -1, -1, false, true, true, true},
        {-1, 1, 3, true, false, false, true},
        {Vocabulary::TaskThrough, -1, -1, false, false, false, false}, // 11 sets points 7: complete
        {-1, -1, -1, false, false, false, false},                      // nothing chosen: nothing
    };
    for (const Case& c : cases) {
        open();
        if (c.task >= 0)
            entry().SelectTask(c.task);
        if (c.handle >= 0)
            entry().SelectHandle(c.handle);
        if (c.points >= 0)
            entry().SelectPoints(c.points);
        const GamePosition before = game().currentPosition();
        dialogs_.warnings.clear();
        view_.beeps = 0;
        entry().RecordShot();
        EXPECT_EQ(entry().state().taskMissing, c.taskMissing) << c.task;
        EXPECT_EQ(entry().state().handleMissing, c.handleMissing) << c.task;
        EXPECT_EQ(entry().state().pointsMissing, c.pointsMissing) << c.task;
        if (c.task == Vocabulary::TaskThrough) {
            EXPECT_NE(game().currentPosition(), before);
            EXPECT_EQ(recorded(0, 0).Handle, -1);
            EXPECT_EQ(recorded(0, 0).Points, Vocabulary::PointsNotConsidered);
            continue;
        }
        EXPECT_EQ(game().currentPosition(), before);
        EXPECT_EQ(dialogs_.warnings, c.warned ? QList<int>{5110} : QList<int>{});
        EXPECT_EQ(view_.beeps, c.warned ? 1 : 0);
        entry().SelectTask(0);
        entry().SelectHandle(0);
        entry().SelectPoints(2);
        EXPECT_FALSE(entry().state().taskMissing || entry().state().handleMissing ||
                     entry().state().pointsMissing);
    }
}

TEST_F(ShotEntryTest, ShowWarningOffOnlyBeeps)
{
    Settings::write(Key::Options::ShowWarning, 0);
    open();
    entry().SelectTask(2);
    entry().RecordShot();
    EXPECT_TRUE(dialogs_.warnings.isEmpty());
    EXPECT_EQ(view_.beeps, 1);
}

TEST_F(ShotEntryTest, CancelledResultKeepsTheLastStoneAndAsksAgain)
{
    open();
    for (int i = 0; i < 15; ++i)
        shot();
    dialogs_.resultOk = {false};
    dialogs_.results = {{2, 0}};
    shot(1, 1, 3);
    EXPECT_EQ(game().CurrentEnd, 0);
    EXPECT_TRUE(game().isLastStoneOfEnd());
    EXPECT_EQ(game().currentStone().Task, 1);
    entry().RecordShot();
    EXPECT_EQ(game().CurrentEnd, 1);
    EXPECT_EQ(dialogs_.resultEnds, QList<int>({0, 0}));
    EXPECT_EQ(game().Teams[0].TeamTotal, 2);
}

TEST_F(ShotEntryTest, ReturnRestoresTheEndsAsReviewFoundThem)
{
    open();
    for (int i = 0; i < 5; ++i)
        shot(i % 3, i % 2, i);
    const GamePosition recording = game().recordingPosition();
    entry().Previous();
    const auto before = game().Ends; // the recording stone holds the form's entry now
    entry().Previous();
    EXPECT_TRUE(entry().state().returnVisible);
    entry().SelectPoints(1);
    entry().setRemark(QStringLiteral("changed"));
    entry().Previous(); // stores the change
    entry().SelectTask(8);
    entry().ReviewStepForward();
    entry().Return();
    EXPECT_EQ(game().ReviewMode, 0);
    EXPECT_EQ(game().currentPosition(), recording);
    for (int e = 0; e < 2; ++e)
        for (int s = 0; s < CEnd::StoneCount; ++s)
            EXPECT_TRUE(game().Ends[std::size_t(e)].Stones[std::size_t(s)].Equals(
                before[std::size_t(e)].Stones[std::size_t(s)]))
                << e << ":" << s;
    EXPECT_FALSE(entry().state().returnVisible);
    EXPECT_FALSE(entry().state().nextVisible);
}

TEST_F(ShotEntryTest, OkInReviewWalksForwardAndKeepsTheChange)
{
    open();
    for (int i = 0; i < 5; ++i)
        shot();
    const GamePosition recording = game().recordingPosition();
    entry().Previous();
    entry().Previous();
    entry().Previous();
    const int slot = game().StoneSlot();
    entry().SelectPoints(0);
    entry().RecordShot();
    EXPECT_EQ(game().ReviewMode, 0);
    EXPECT_EQ(game().currentPosition(), recording);
    EXPECT_EQ(recorded(0, slot).Points, 0);
    EXPECT_EQ(entry().state().task, -1); // the recording stone is still to be entered
}

TEST_F(ShotEntryTest, OkInReviewStopsAtAStoredStoneThatIsIncomplete)
{
    open();
    for (int i = 0; i < 5; ++i)
        shot();
    entry().Previous();
    entry().Previous();
    const int blocked = game().StoneSlot();
    entry().Previous();
    recorded(0, blocked).Points = -1; // an incomplete stone, as an old file may hold
    entry().RecordShot();
    EXPECT_EQ(game().ReviewMode, 1);
    EXPECT_EQ(game().StoneSlot(), blocked);
    EXPECT_TRUE(entry().state().pointsMissing);
    EXPECT_TRUE(entry().state().returnVisible);
}

TEST_F(ShotEntryTest, ReviewChangeWithDatabaseLinkAsksToKeepIt)
{
    open();
    for (int i = 0; i < 3; ++i)
        shot();
    doc_->DatabaseLink = 1;
    entry().Previous();
    entry().Previous();
    const int slot = game().StoneSlot();
    entry().SelectPoints(1);
    prompts_.answers = {true};
    entry().ReviewStepForward();
    EXPECT_EQ(prompts_.questions.last(), Texts::get(5092));
    entry().Return();
    EXPECT_EQ(recorded(0, slot).Points, 1); // kept in the review copy
}

TEST_F(ShotEntryTest, GoingToAnEndBeyondTheRecordedOneLandsOnIt)
{
    open();
    playEnd(1, 0);
    playEnd(0, 1);
    shot();
    shot();
    const GamePosition recording = game().recordingPosition();

    entry().GotoPosition(recording.End, recording.Order, recording.Player * 2 + recording.Stone);
    EXPECT_EQ(game().ReviewMode, 0); // the current position: nothing happens

    entry().GotoPosition(15, 0, 0);
    EXPECT_EQ(game().CurrentEnd, 2);
    EXPECT_TRUE(game().isFirstStoneOfEnd());
    EXPECT_EQ(game().ReviewMode, 1);

    dialogs_.ends = {1};
    EXPECT_TRUE(entry().Command(EntryCommand::GotoEnd));
    EXPECT_EQ(dialogs_.endMaxima, QList<int>({3}));
    EXPECT_EQ(game().CurrentEnd, 0);
    EXPECT_FALSE(entry().state().previousVisible); // the first stone of the game

    // Past the recording position the jump ends review there.
    entry().GotoPosition(2, 1, 7);
    EXPECT_EQ(game().ReviewMode, 0);
    EXPECT_EQ(game().currentPosition(), recording);
}

TEST_F(ShotEntryTest, TieAfterTheLastRegularEndPlaysAnExtraEnd)
{
    struct Case
    {
        bool mixedDoubles;
        int extraSeconds;
    };
    for (const Case c : {Case{false, 600}, Case{true, 480}}) {
        Settings::write(Key::MRU::TotalEnds, 1);
        Settings::write(Key::Options::MixedDoubles, c.mixedDoubles ? 1 : 0);
        open();
        playEnd(1, 0);
        playEnd(0, 1);
        EXPECT_EQ(game().GameState, 6) << c.mixedDoubles;
        EXPECT_EQ(game().CurrentEnd, 2);
        EXPECT_EQ(game().TeamTimer, (std::array<qint32, 2>{c.extraSeconds, c.extraSeconds}));
        EXPECT_EQ(entry().gameTimer().GameTimerMode, GameTimer::RemainingTime);
        prompts_.savePaths = {files_.filePath(QStringLiteral("tie%1.cus").arg(c.mixedDoubles))};
        playEnd(0, 2);
        EXPECT_EQ(game().GameState, 8) << c.mixedDoubles;
        EXPECT_EQ(game().Teams[1].TeamTotal, 3);
    }
}

TEST_F(ShotEntryTest, WithoutExtraEndsATieFinishesAfterTheLastEnd)
{
    Settings::write(Key::MRU::TotalEnds, 1);
    Settings::write(Key::MRU::ExtraEnds, 0);
    open();
    playEnd(1, 0);
    playEnd(0, 1);
    EXPECT_EQ(game().GameState, 8);
}

TEST_F(ShotEntryTest, SkippingTheRestOfAnEndRecordsItAsNotConsidered)
{
    open();
    shot();
    shot();
    shot();
    dialogs_.results = {{0, 1}};
    prompts_.answers = {true};
    EXPECT_TRUE(entry().Command(EntryCommand::EndNotPlayedOut));
    EXPECT_EQ(prompts_.questions.first(), Texts::get(5098));
    EXPECT_EQ(game().CurrentEnd, 1);
    EXPECT_EQ(dialogs_.resultEnds, QList<int>({0}));
    int skipped = 0;
    for (const CStone& stone : game().Ends[0].Stones) {
        if (stone.Task == Vocabulary::TaskNoStatistics) {
            ++skipped;
            EXPECT_EQ(stone.Points, Vocabulary::PointsNotConsidered);
            EXPECT_EQ(stone.Handle, -1);
        }
    }
    EXPECT_EQ(skipped, 13);
    EXPECT_EQ(game().Teams[1].TeamTotal, 1);
}

TEST_F(ShotEntryTest, LateTeamGivesTheOtherTeamAPointAndTheLastStone)
{
    for (const int late : {0, 1}) {
        open();
        prompts_.answers = {true};
        dialogs_.lateTeams = {late};
        EXPECT_TRUE(entry().Command(EntryCommand::LateTeam));
        EXPECT_EQ(game().CurrentEnd, 1) << late;
        for (const CStone& stone : game().Ends[0].Stones)
            EXPECT_EQ(stone.Task, Vocabulary::TaskNotPlayed);
        EXPECT_EQ(game().Teams[std::size_t(1 - late)].TeamTotal, 1);
        EXPECT_EQ(game().Teams[std::size_t(late)].TeamTotal, 0);
        // The late team delivers first, so the team on time has the last stone.
        EXPECT_EQ(game().Ends[1].FirstThrowerFlag, late);
        EXPECT_TRUE(dialogs_.resultEnds.isEmpty()); // the result comes from the database rule
        EXPECT_TRUE(entry().lateTeamRecorded());
        EXPECT_TRUE(entry().UpdateCommand(EntryCommand::ChooseFirstThrower).enabled);
        EXPECT_EQ(doc_->DatabaseLink, 0);
    }
    // Cancelled: nothing is recorded.
    open();
    prompts_.answers = {true};
    entry().Command(EntryCommand::LateTeam);
    EXPECT_EQ(game().currentPosition(), game().recordingPosition());
    EXPECT_EQ(game().CurrentEnd, 0);
    EXPECT_EQ(game().Ends[0].Stones[0].Task, -1);
}

TEST_F(ShotEntryTest, MixedDoublesChoosesFirstThrowerPowerPlayAndThrowers)
{
    Settings::write(Key::Options::MixedDoubles, 1);
    open();
    ASSERT_TRUE(game().isMixedDoubles());
    dialogs_.throwerChoices = {0, 1};
    dialogs_.firstThrowers = {{0, MixedDoublesDialogModel::Side3054}};
    shot(); // the second team's first stone follows: its throwers are asked
    ASSERT_EQ(dialogs_.mixedDoublesModes.size(), 1);
    EXPECT_EQ(dialogs_.mixedDoublesModes[0], MixedDoublesDialogModel::Mode::Player);
    const int slot = game().CurrentTeamSlot();
    const int third = game().GetLineupPlayer(slot, 3), second = game().GetLineupPlayer(slot, 2);
    const CEnd& first = game().Ends[0];
    for (const int record : {3, 7})
        EXPECT_EQ(first.Stones[std::size_t(slot * 8 + record)].PlayerIndex, third);
    for (const int record : {4, 5, 6})
        EXPECT_EQ(first.Stones[std::size_t(slot * 8 + record)].PlayerIndex, second);
    for (const int record : {0, 1, 2}) {
        EXPECT_EQ(first.Stones[std::size_t(slot * 8 + record)].PlayerIndex, 0);
        EXPECT_EQ(first.Stones[std::size_t(slot * 8 + record)].PlayerId, 0);
    }

    dialogs_.results = {{2, 0}};
    for (int guard = 0; guard < 12 && game().CurrentEnd == 0; ++guard)
        shot();
    ASSERT_EQ(game().CurrentEnd, 1);
    // Team mode after the result, then the thrower assignment of the first team.
    ASSERT_EQ(dialogs_.mixedDoublesModes.size(), 3);
    EXPECT_EQ(dialogs_.mixedDoublesModes[1], MixedDoublesDialogModel::Mode::Team);
    EXPECT_EQ(dialogs_.mixedDoublesModes[2], MixedDoublesDialogModel::Mode::Player);
    EXPECT_EQ(game().Ends[1].FirstThrowerFlag, 0);
    // Power play to the 3054 side: the other team's positioned stone moves aside.
    EXPECT_EQ(game().currentStone().Positions[10], (SheetPoint{750 - 400, 850}));
    EXPECT_EQ(game().currentStone().Positions[2].y, 2150);
    EXPECT_EQ(entry().state().playerNumber, "1");
    EXPECT_TRUE(entry().state().mixedDoubles);
}

TEST_F(ShotEntryTest, MixedDoublesFirstThrowerChoiceSwapsTheBlocks)
{
    Settings::write(Key::Options::MixedDoubles, 1);
    open();
    dialogs_.results = {{0, 1}}; // team 2 scores: team 2 delivers first
    for (int guard = 0; guard < 12 && game().CurrentEnd == 0; ++guard)
        shot();
    dialogs_.firstThrowers = {{0, MixedDoublesDialogModel::NoSide}};
    ASSERT_TRUE(entry().Command(EntryCommand::ChooseFirstThrower));
    EXPECT_EQ(game().Ends[1].FirstThrowerFlag, 0);
    EXPECT_EQ(game().CurrentTeamSlot(), 0);
    EXPECT_EQ(game().currentStone().Positions[10], (SheetPoint{750, 650}));
}

TEST_F(ShotEntryTest, WheelchairGameMapsTheShotsItLacks)
{
    Settings::write(Key::Options::Wheelchair, 1);
    open();
    entry().taskListChosen(5); // Freeze
    EXPECT_EQ(entry().state().task, 0);
    entry().taskListChosen(9);
    EXPECT_EQ(entry().state().task, 6);
    entry().taskListChosen(3);
    EXPECT_EQ(entry().state().task, 3);
    for (const int task : {5, 7, 9, 10})
        EXPECT_FALSE(entry().state().taskEnabled[std::size_t(task)]) << task;
    EXPECT_TRUE(entry().state().taskEnabled[6]);
    const QStringList names{"Freeze", "Hit and Roll", "Promotion Takeout", "Double Takeout"};
    for (const QString& name : names)
        EXPECT_EQ(entry().remarkItems().count(name), 1) << name.toStdString();
    entry().AdjustWheelchair(); // applied twice: listed once
    EXPECT_EQ(entry().remarkItems().count("Freeze"), 1);
    EXPECT_EQ(game().TeamTimer[0], 8 * 510);

    Settings::write(Key::Options::Wheelchair, 0);
    entry().AdjustWheelchair();
    for (const QString& name : names)
        EXPECT_FALSE(entry().remarkItems().contains(name));
    EXPECT_TRUE(entry().state().taskEnabled[5]);
    entry().taskListChosen(5);
    EXPECT_EQ(entry().state().task, 5);
}

TEST_F(ShotEntryTest, TasksWithoutAShotClearTheHandleAndSetPointsSeven)
{
    open();
    for (const int task : {11, 12, 13}) {
        entry().SelectHandle(1);
        entry().SelectPoints(2);
        entry().SelectTask(task);
        EXPECT_EQ(entry().state().handle, -1) << task;
        EXPECT_EQ(entry().state().points, 7);
        EXPECT_EQ(entry().state().pointsButton, 6);
        EXPECT_EQ(entry().state().taskButton, task <= 11 ? 11 : -1);
    }
}

TEST_F(ShotEntryTest, PointsButtonFollowsTheBonusSwitch)
{
    struct Case
    {
        int allowBonus, points, button;
    };
    const Case cases[] = {{0, 5, 4}, {1, 5, 5}, {0, 8, 6}, {0, 6, -1}, {1, 3, 3}};
    for (const Case& c : cases) {
        Settings::write(Key::Options::AllowBonusPoints, c.allowBonus);
        open();
        entry().SelectPoints(c.points);
        EXPECT_EQ(entry().state().pointsButton, c.button) << c.allowBonus << " " << c.points;
        EXPECT_EQ(entry().state().points, c.points);
    }
}

TEST_F(ShotEntryTest, HandlesFoldWithoutAdvancedOptions)
{
    Settings::write(Key::Options::AdvancedHandleOptions, 0);
    open();
    EXPECT_EQ(entry().handleItems().size(), 2);
    EXPECT_FALSE(entry().state().extraHandlesVisible);
    game().currentStone().Handle = 3;
    entry().ShowEntry();
    EXPECT_EQ(entry().state().handle, 1);
    EXPECT_EQ(entry().state().handleButton, 1);
    entry().handleListChosen(4);
    EXPECT_EQ(entry().state().handle, 0);

    EXPECT_TRUE(entry().Command(EntryCommand::AdvancedHandleOptions));
    EXPECT_EQ(entry().handleItems().size(), 6);
    EXPECT_EQ(Settings::read(Key::Options::AdvancedHandleOptions), 1);
    entry().SelectHandle(3);
    EXPECT_EQ(entry().state().handle, 3);
    entry().Command(EntryCommand::AdvancedHandleOptions);
    EXPECT_EQ(entry().state().handle, 1);
}

TEST_F(ShotEntryTest, GuidelineHeadingFollowsTheLead)
{
    struct Case
    {
        int total1, total2;
        QString heading;
    };
    const Case cases[] = {
        {3, 0, " (score +3):\n"},
        {0, 4, " (score -4):\n"},
        {2, 0, ":\n"},
    };
    for (const Case& c : cases) {
        open();
        CGuideline& draw = doc_->guidelines()[0];
        draw.Caption = QStringLiteral("Draw");
        draw.NormalText = QStringLiteral("normal");
        draw.AheadText = QStringLiteral("ahead");
        draw.BehindText.clear();
        draw.TitleWord = QStringLiteral("Guideline");
        entry().guidelinesApplied();
        game().Teams[0].TeamTotal = c.total1;
        game().Teams[1].TeamTotal = c.total2;
        ASSERT_EQ(game().CurrentTeamSlot(), 0);
        entry().SelectTask(0);
        const QString text = c.total1 > c.total2 + 2 ? "ahead" : "normal"; // empty behind: normal
        EXPECT_EQ(entry().state().guideline, "Guideline Draw" + c.heading + text);
        entry().SelectTask(11);
        EXPECT_TRUE(entry().state().guideline.isEmpty());
    }
}

TEST_F(ShotEntryTest, TimeOutMarksTheRemarkAndTravelsWithTheStone)
{
    open();
    shot();
    entry().setRemark(QStringLiteral("wide"));
    dialogs_.timeOutTexts = {QStringLiteral("coach")};
    EXPECT_TRUE(entry().Command(EntryCommand::TimeOut));
    EXPECT_EQ(entry().state().remark, "wide, Time-out");
    EXPECT_TRUE(entry().UpdateCommand(EntryCommand::TimeOut).checked);
    const int slot = game().StoneSlot();
    shot();
    EXPECT_EQ(recorded(0, slot).Remark, "wide, Time-out\ncoach");
    entry().Previous();
    EXPECT_EQ(entry().state().remark, "wide, Time-out");
    EXPECT_EQ(entry().timeOuts().PendingText, "\ncoach");
}

TEST_F(ShotEntryTest, ClockRunsFromTaskAndSwitchesOnPoints)
{
    open();
    entry().SelectTask(0);
    EXPECT_EQ(entry().gameTimer().runningTeam(), 1);
    EXPECT_EQ(game().Ends[0].EndStartTime, now_);
    now_ += 12;
    entry().SelectHandle(0);
    entry().SelectPoints(3);
    EXPECT_EQ(entry().gameTimer().runningTeam(), 2);
    EXPECT_EQ(game().currentStone().DeliveryTime, now_);
    entry().RecordShot();
    // Refreshing the form never moves the clock.
    entry().ShowEntry();
    EXPECT_EQ(entry().gameTimer().runningTeam(), 2);
}

TEST_F(ShotEntryTest, PlayerOfThisStoneAssignsTheChosenPlayer)
{
    open();
    shot();
    dialogs_.players = {4};
    EXPECT_TRUE(entry().Command(EntryCommand::PlayerOfStone));
    EXPECT_EQ(dialogs_.playerNames.size(), 5);
    EXPECT_EQ(game().currentStone().PlayerIndex, 4);
    EXPECT_EQ(game().currentStone().PlayerId,
              game().GetTeam(game().CurrentTeamSlot()).Players[4].Id);
    EXPECT_EQ(entry().state().deliveringPlayer,
              game().GetTeam(game().CurrentTeamSlot()).Players[4].Text);
}

TEST_F(ShotEntryTest, CommandsAreOfferedByGameState)
{
    open();
    using namespace EntryCommand;
    struct Case
    {
        int id;
        bool enabledAtSetUp;
    };
    const Case cases[] = {{GotoEnd, false},
                          {FinishGame, false},
                          {LateTeam, true},
                          {QuickStatistics, true},
                          {CorrectPreviousEnd, true}, // at the first end: the last-stone page
                          {ThrowerAssignment, false},
                          {TimeOut, false},
                          {SetMis, false},
                          {LineupAsk, true},
                          {Lineup, false},
                          {SetUpGame, true},
                          {BackToSetup, true},
                          {Summary, false}};
    for (const Case& c : cases) {
        EXPECT_TRUE(entry().UpdateCommand(c.id).known) << c.id;
        EXPECT_EQ(entry().UpdateCommand(c.id).enabled, c.enabledAtSetUp) << c.id;
        if (!c.enabledAtSetUp) {
            EXPECT_FALSE(entry().Command(c.id)) << c.id;
        }
    }
    for (const int unknown : {32112, 32143})
        EXPECT_FALSE(entry().UpdateCommand(unknown).known) << unknown;

    entry().setTextFocus(EntryId::Remark);
    EXPECT_FALSE(entry().Command(FirstStone)); // the field moves its caret
    EXPECT_FALSE(entry().UpdateCommand(NudgeUp).enabled);
    entry().setTextFocus(0);
    EXPECT_TRUE(entry().UpdateCommand(NudgeUp).enabled);

    EXPECT_TRUE(entry().Command(QuickStatistics));
    EXPECT_TRUE(entry().quickViewShown());
    EXPECT_EQ(view_.quickViews, 1);
    EXPECT_TRUE(entry().UpdateCommand(QuickStatistics).checked);
}
