#include "core/entry/SetupWizard.h"
#include "core/entry/ShotEntry.h"
#include "core/entry/Summary.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/Document.h"

#include "support/ScriptedEntryDialogs.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

namespace {

class QuickViewCounter : public EntryView
{
public:
    int quickViews = 0;
    void formChanged() override {}
    void focusOk() override {}
    void beep() override {}
    void quickViewChanged() override { ++quickViews; }
    void barsChanged() override {}
};

constexpr qint32 kOddBudget = 1234;

} // namespace

class SetupWizardTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        ASSERT_TRUE(files_.isValid());
        Settings::write(Key::Setup::Path, files_.path() + QStringLiteral("/"));
        doc_ = std::make_unique<CTALVStatsDoc>();
        doc_->OnNewDocument();
        entry_ = std::make_unique<ShotEntryController>(*doc_, prompts_, dialogs_);
        entry_->setView(&view_);
    }
    void TearDown() override
    {
        entry_.reset();
        doc_.reset();
        SettingsTest::TearDown();
    }
    CGame& game() { return doc_->game(); }
    // A game that stands at `end` with stones recorded.
    void started(int end)
    {
        game().SetGameState(6);
        game().setCurrentPosition({end, 0, 0, 0});
        game().setRecordingPosition({end, 0, 0, 0});
    }
    QString startedQuestion() const
    {
        return Texts::get(5042).arg(Texts::get(doc_->game().GameState));
    }

    QTemporaryDir files_;
    ScriptedPrompts prompts_;
    ScriptedEntryDialogs dialogs_;
    QuickViewCounter view_;
    std::unique_ptr<CTALVStatsDoc> doc_;
    std::unique_ptr<ShotEntryController> entry_;
};

TEST_F(SetupWizardTest, WholeWizardSetsUpANewGameDerivesItsPathAndSavesIt)
{
    doc_->game().Teams[0].ShortName = QStringLiteral("RED");
    prompts_.savePaths = {files_.filePath(QStringLiteral("first.cus"))};
    int stateWhileOpen = 0;
    dialogs_.whileSetupOpen = [&](int) { stateWhileOpen = game().GameState; };
    dialogs_.setupAnswers = {true};

    ASSERT_TRUE(entry_->Command(EntryCommand::SetUpGame));
    EXPECT_EQ(dialogs_.setupPages, QList<int>{SetupPage::Whole});
    EXPECT_EQ(stateWhileOpen, 2);
    EXPECT_TRUE(prompts_.questions.isEmpty());
    EXPECT_EQ(game().GameState, 5);
    // The path is built from the set-up values, and the automatic save wrote it.
    EXPECT_TRUE(QFileInfo(prompts_.proposedSavePaths.value(0)).fileName().contains("RED"));
    EXPECT_TRUE(QFileInfo::exists(files_.filePath(QStringLiteral("first.cus"))));
    EXPECT_FALSE(doc_->IsModified());
}

TEST_F(SetupWizardTest, WholeWizardOnAStartedGameAsksFirstAndKeepsItsState)
{
    struct Case
    {
        bool confirmed;
        QList<int> opened;
    };
    for (const Case& c : {Case{false, {}}, Case{true, {SetupPage::Whole}}}) {
        started(2);
        dialogs_.setupPages.clear();
        prompts_.questions.clear();
        prompts_.answers = {c.confirmed};
        dialogs_.setupAnswers = {true};
        entry_->Command(EntryCommand::SetUpGame);
        EXPECT_EQ(prompts_.questions, QStringList{startedQuestion()}) << c.confirmed;
        EXPECT_EQ(dialogs_.setupPages, c.opened) << c.confirmed;
        EXPECT_EQ(game().GameState, 6);
    }
}

TEST_F(SetupWizardTest, CancelledWizardLeavesTheGameInItsState)
{
    for (const int state : {1, 5}) {
        game().SetGameState(state);
        int stateWhileOpen = 0;
        dialogs_.whileSetupOpen = [&](int) { stateWhileOpen = game().GameState; };
        dialogs_.setupAnswers = {false};
        entry_->Command(EntryCommand::SetUpGame);
        EXPECT_EQ(stateWhileOpen, 2) << state;
        EXPECT_EQ(game().GameState, state); // a set-up game keeps its line-up commands
        EXPECT_FALSE(doc_->IsModified());
    }
    // A page confirmed with Next before the Cancel: the change stays and is offered for saving.
    dialogs_.whileSetupOpen = [&](int) { doc_->fields().City = QStringLiteral("Bern"); };
    dialogs_.setupAnswers = {false};
    entry_->Command(EntryCommand::SetUpGame);
    EXPECT_EQ(doc_->fields().City, QStringLiteral("Bern"));
    EXPECT_TRUE(doc_->IsModified());
}

TEST_F(SetupWizardTest, OnlyAChangedNumberOfEndsResetsTheGameTimer)
{
    const int perEnd = 438;
    struct Case
    {
        int newEnds;
        qint32 budget;
    };
    for (const Case& c : {Case{9, kOddBudget}, Case{5, perEnd * 6}}) {
        started(1); // a started game: the set-up pages leave the budgets alone
        game().TeamTimer = {kOddBudget, kOddBudget};
        dialogs_.whileSetupOpen = [&](int) { game().TotalEnds = c.newEnds; };
        dialogs_.setupAnswers = {true};
        entry_->Command(EntryCommand::SetUpGame);
        EXPECT_EQ(game().TeamTimer[0], c.budget) << c.newEnds;
        EXPECT_EQ(game().TeamTimer[1], c.budget) << c.newEnds;
    }
}

TEST_F(SetupWizardTest, PageCommandsOpenTheirPageAloneAndAskOnceTheGameHasStarted)
{
    using namespace EntryCommand;
    const std::pair<int, int> pages[] = {
        {SetupCompetition, 2},  {SetupTeams, 3},     {SetupPlayers, 4},
        {SetupStoneColours, 5}, {SetupLastStone, 6}, {SetupStatistician, 7},
    };
    started(1);
    for (const auto& [command, page] : pages) {
        dialogs_.setupPages.clear();
        prompts_.questions.clear();
        dialogs_.setupAnswers = {true};
        doc_->SetModifiedFlag(false);
        ASSERT_TRUE(entry_->Command(command)) << page;
        EXPECT_EQ(dialogs_.setupPages, QList<int>{page});
        EXPECT_EQ(prompts_.questions.size(), page == 7 ? 0 : 1) << page;
        // What the page changed must not be lost on close.
        EXPECT_TRUE(doc_->IsModified()) << page;
    }
    // The category page belongs to a game that has not started.
    EXPECT_FALSE(entry_->UpdateCommand(SetupCategory).enabled);
    game().SetGameState(5);
    EXPECT_TRUE(entry_->UpdateCommand(SetupCategory).enabled);
}

TEST_F(SetupWizardTest, CompetitionPageRecomputesBudgetsBeforeTheGameStarts)
{
    for (const int state : {5, 6}) {
        game().SetGameState(state);
        game().TeamTimer = {kOddBudget, kOddBudget};
        dialogs_.setupAnswers = {true};
        entry_->Command(EntryCommand::SetupCompetition);
        EXPECT_EQ(game().TeamTimer[0] == kOddBudget, state == 6) << state;
    }
}

TEST_F(SetupWizardTest, PlayersPageRefreshesTheQuickViewOnlyWhenShown)
{
    game().SetGameState(5);
    dialogs_.setupAnswers = {true};
    entry_->Command(EntryCommand::SetupPlayers);
    EXPECT_EQ(view_.quickViews, 0);
    entry_->Command(EntryCommand::QuickStatistics);
    dialogs_.setupAnswers = {true};
    entry_->Command(EntryCommand::SetupPlayers);
    EXPECT_EQ(view_.quickViews, 2); // shown, then refreshed
}

TEST_F(SetupWizardTest, CorrectingThePreviousEndAtTheFirstEndOpensTheLastStonePage)
{
    game().SetGameState(2);
    ASSERT_TRUE(entry_->UpdateCommand(EntryCommand::CorrectPreviousEnd).enabled);
    entry_->Command(EntryCommand::CorrectPreviousEnd);
    EXPECT_EQ(dialogs_.setupPages, QList<int>{SetupPage::LastStone});
    EXPECT_TRUE(dialogs_.resultEnds.isEmpty());
}

TEST_F(SetupWizardTest, BackToSetupAsksThenOpensTheStatisticianPageWhenNoneIsNamed)
{
    struct Case
    {
        bool yes;
        QString scorer;
        QList<int> opened;
        int state;
    };
    const Case cases[] = {
        {false, {}, {}, 2},
        {true, QStringLiteral("Kim"), {}, 5},
        {true, {}, {SetupPage::Statistician}, 5},
    };
    for (const Case& c : cases) {
        game().SetGameState(2);
        doc_->fields().Scorer2 = c.scorer;
        dialogs_.setupPages.clear();
        prompts_.answers = {c.yes};
        ASSERT_TRUE(entry_->Command(EntryCommand::BackToSetup));
        EXPECT_EQ(prompts_.questions.last(), Texts::get(5093));
        EXPECT_EQ(dialogs_.setupPages, c.opened) << c.scorer.toStdString();
        EXPECT_EQ(game().GameState, c.state);
    }
    started(1);
    EXPECT_FALSE(entry_->UpdateCommand(EntryCommand::BackToSetup).enabled);
}

TEST_F(SetupWizardTest, ANewGameWithoutTeamNamesShowsTeamOneAndTeamTwo)
{
    game().Teams[0].Text.clear();
    game().Teams[1].Id = -1; // no team chosen
    const LastStoneChoice choice(*doc_);
    EXPECT_EQ(choice.teamLabel(0), QStringLiteral("Team 1"));
    EXPECT_EQ(choice.teamLabel(1), QStringLiteral("Team 2"));
    EXPECT_EQ(HandleColourChoice(*doc_).prompt(), Texts::get(5051).arg(QStringLiteral("Team 1")));

    game().Teams[0].Text = QStringLiteral("Reds");
    EXPECT_EQ(SetupWizard::teamName(*doc_, 0), QStringLiteral("Reds"));
}

TEST_F(SetupWizardTest, LastStoneChangeBeforeTheFirstStoneSwapsTheFirstEndsBlocks)
{
    game().Ends[0].Stones[0].Comment = QStringLiteral("team 1 block");
    LastStoneChoice choice(*doc_);
    ASSERT_EQ(choice.lastStoneTeam(), 1); // team 1 delivers first
    ASSERT_FALSE(choice.locked());

    EXPECT_FALSE(choice.apply(*doc_)); // unchanged: nothing moves
    EXPECT_EQ(game().Ends[0].Stones[0].Comment, QStringLiteral("team 1 block"));

    choice.choose(0);
    EXPECT_TRUE(choice.apply(*doc_));
    EXPECT_EQ(game().Ends[0].FirstThrowerFlag, 1);
    EXPECT_EQ(game().Ends[0].Stones[8].Comment, QStringLiteral("team 1 block"));
    EXPECT_EQ(LastStoneChoice(*doc_).lastStoneTeam(), 0);
}

TEST_F(SetupWizardTest, LastStoneIsLockedOnceTheFirstEndIsOver)
{
    struct Case
    {
        int state, end;
        bool locked;
    };
    for (const Case& c : {Case{6, 0, false}, Case{5, 1, false}, Case{6, 1, true}}) {
        game().SetGameState(c.state);
        game().CurrentEnd = c.end;
        LastStoneChoice choice(*doc_);
        EXPECT_EQ(choice.locked(), c.locked) << c.state << c.end;
        if (c.locked) {
            choice.choose(0);
            EXPECT_FALSE(choice.apply(*doc_));
            EXPECT_EQ(game().Ends[0].FirstThrowerFlag, 0);
        }
    }
}

TEST_F(SetupWizardTest, StoneColourChangeExchangesTheTeamColoursUntilTheGameStarts)
{
    const qint32 dark = doc_->fields().Dark, light = doc_->fields().Light;
    HandleColourChoice choice(*doc_);
    ASSERT_EQ(choice.choice(), 1);
    choice.choose(0);
    EXPECT_TRUE(choice.apply(*doc_));
    EXPECT_EQ(game().GameValue2, 0);
    EXPECT_EQ(doc_->fields().Dark, light);
    EXPECT_EQ(doc_->fields().Light, dark);

    game().SetGameState(6);
    HandleColourChoice locked(*doc_);
    EXPECT_TRUE(locked.readOnly());
    locked.choose(1);
    EXPECT_FALSE(locked.apply(*doc_));
    EXPECT_EQ(game().GameValue2, 0);
}

TEST_F(SetupWizardTest, SummaryTextsAreACopyUntilStored)
{
    game().SummaryText2 = QStringLiteral("close game");
    SummaryTexts texts(game());
    EXPECT_EQ(texts.text(2), QStringLiteral("close game"));
    texts.setText(1, QStringLiteral("strong start"));
    EXPECT_TRUE(game().SummaryText1.isEmpty()); // Cancel would leave the game alone
    texts.store(game());
    EXPECT_EQ(game().SummaryText1, QStringLiteral("strong start"));
    EXPECT_EQ(game().SummaryText2, QStringLiteral("close game"));

    // Each title carries its page number through the three formats.
    for (int page = 1; page <= SummaryTexts::PageCount; ++page)
        EXPECT_TRUE(SummaryTexts::pageTitle(page).contains(QString::number(page))) << page;
}

TEST_F(SetupWizardTest, SummaryCommandModifiesOnlyAfterFinish)
{
    started(3);
    EXPECT_TRUE(entry_->UpdateCommand(EntryCommand::Summary).enabled);
    for (const bool finish : {false, true}) {
        doc_->SetModifiedFlag(false);
        dialogs_.summaryAnswers = {finish};
        entry_->Command(EntryCommand::Summary);
        EXPECT_EQ(doc_->IsModified(), finish);
    }
    game().SetGameState(5);
    EXPECT_FALSE(entry_->UpdateCommand(EntryCommand::Summary).enabled);
}

TEST_F(SetupWizardTest, FinishingAGameRunsTheSummaryWizardWhenAsked)
{
    for (const int wanted : {0, 1}) {
        Settings::write(Key::Options::StartSummaryWizard, wanted);
        started(9);
        dialogs_.summaryRuns = 0;
        prompts_.answers = {true};
        prompts_.defaultAnswer = true;
        prompts_.savePaths = {files_.filePath(QStringLiteral("a.cus")),
                              files_.filePath(QStringLiteral("b.cus"))};
        entry_->FinishGame();
        EXPECT_EQ(game().GameState, 8);
        EXPECT_EQ(dialogs_.summaryRuns, wanted);
    }
}

TEST_F(SetupWizardTest, LineupCommandAsksWhileLinkedAndOpensAtTheDeliveringTeam)
{
    started(1);
    game().setCurrentPosition({1, 0, 0, 1}); // team 2 delivers
    doc_->DatabaseLink = 1;
    prompts_.answers = {false, true};
    dialogs_.lineupAnswers = {true, true};

    entry_->Command(EntryCommand::LineupAsk); // refused
    EXPECT_TRUE(dialogs_.lineupTeams.isEmpty());
    EXPECT_FALSE(entry_->lineupChanged());
    entry_->Command(EntryCommand::LineupAsk);
    EXPECT_EQ(prompts_.questions, QStringList({Texts::get(5108), Texts::get(5108)}));
    entry_->Command(EntryCommand::Lineup); // never asks
    EXPECT_EQ(prompts_.questions.size(), 2);
    EXPECT_EQ(dialogs_.lineupTeams, QList<int>({1, 1}));
    EXPECT_TRUE(entry_->lineupChanged());
    EXPECT_TRUE(doc_->IsModified());

    game().MixedDoubles = 1;
    EXPECT_FALSE(entry_->UpdateCommand(EntryCommand::LineupAsk).enabled);
    EXPECT_FALSE(entry_->UpdateCommand(EntryCommand::Lineup).enabled);
}
