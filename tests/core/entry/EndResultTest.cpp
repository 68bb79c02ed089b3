#include "core/entry/EndResult.h"
#include "core/files/Document.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QSignalSpy>

#include <utility>
#include <vector>

namespace {

using Choice = std::pair<int, int>; // team, list index

// Runs the dialog by making the scripted choices; notes what it was shown.
class ScriptedResultDialogs : public EndResultDialogs
{
public:
    std::vector<Choice> choices;
    bool ok = true;
    int runs = 0;
    QString caption;
    QString labels[2];
    int presets[2] = {0, 0};

    bool runResultDialog(ResultDialogModel& dialog) override
    {
        ++runs;
        caption = dialog.caption();
        labels[0] = dialog.teamLabel(0);
        labels[1] = dialog.teamLabel(1);
        presets[0] = dialog.score(0);
        presets[1] = dialog.score(1);
        for (const auto& [team, index] : choices)
            dialog.chooseScore(team, index);
        return ok;
    }
};

} // namespace

class EndResultTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
    }
};

TEST_F(EndResultTest, DialogShowsEndTeamsAndStoredScores)
{
    ResultDialogModel fresh(2);
    EXPECT_EQ(fresh.caption(), "Result of end 3");
    EXPECT_EQ(fresh.teamLabel(0), "Team 1");
    EXPECT_EQ(fresh.teamLabel(1), "Team 2");
    EXPECT_EQ(fresh.score(0), ResultDialogModel::NoScore);
    EXPECT_EQ(ResultDialogModel::scoreItems(),
              QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8", "X"}));

    struct Case
    {
        int stored1, stored2, link;
        int shown1, shown2;
    };
    const Case cases[] = {
        {0, 3, 0, 0, 3},
        {9, 9, 1, 9, 9},
        {12, 10, 0, 9, 9}, // anything from 9 up is "X"
        {-2, 0, 0, ResultDialogModel::NoScore, 0},
    };
    for (const Case& c : cases) {
        CTALVStatsDoc doc;
        doc.game().Teams[0].Text = "Reds";
        doc.game().Teams[1].Text = "Blues";
        doc.game().Ends[4].EndScore = {c.stored1, c.stored2};
        doc.DatabaseLink = c.link;
        const ResultDialogModel dialog = EndResult::dialogFor(doc, 4);
        SCOPED_TRACE(testing::Message() << c.stored1 << ":" << c.stored2);
        EXPECT_EQ(dialog.caption(), "Result of end 5");
        EXPECT_EQ(dialog.teamLabel(0), "Reds");
        EXPECT_EQ(dialog.teamLabel(1), "Blues");
        EXPECT_EQ(dialog.score(0), c.shown1);
        EXPECT_EQ(dialog.score(1), c.shown2);
        EXPECT_EQ(dialog.databaseButtonVisible, c.link != 0);
    }
}

TEST_F(EndResultTest, OnlyOneTeamScoresAndXIsForBoth)
{
    struct Case
    {
        int start1, start2;
        Choice choice;
        int expect1, expect2;
        const char* text;
    };
    const Case cases[] = {
        {-1, -1, {0, 3}, 3, 0, "3"},
        {2, 0, {1, 9}, 9, 9, "9"},
        {9, 9, {0, 4}, 4, 0, "4"},
        {0, 2, {0, 0}, 0, 2, "0"}, // a zero leaves the other team's score
        {9, 9, {1, 0}, 9, 0, "0"},
        {1, 0, {1, 8}, 0, 8, "8"},
        {1, 0, {0, 10}, 1, 0, ""}, // outside the list: ignored
        {1, 0, {1, -1}, 1, 0, ""},
    };
    for (const Case& c : cases) {
        ResultDialogModel dialog(0);
        dialog.setScores(c.start1, c.start2);
        dialog.chooseScore(c.choice.first, c.choice.second);
        SCOPED_TRACE(testing::Message()
                     << "team " << c.choice.first << " picks " << c.choice.second);
        EXPECT_EQ(dialog.score(0), c.expect1);
        EXPECT_EQ(dialog.score(1), c.expect2);
        EXPECT_EQ(dialog.chosenText(), c.text);
    }
}

TEST_F(EndResultTest, StoreAddsCountedEndsAndDecidesNextFirstThrower)
{
    struct Case
    {
        int score1, score2;
        int total1, total2;
        int nextFlag;
    };
    // Before: totals 3 : 2, end 1 delivered first by team 2 (flag 1), end 2 preset 0.
    const Case cases[] = {
        {2, 0, 5, 2, 0},   {0, 1, 3, 3, 1}, {0, 0, 3, 2, 1}, // blank end: the first thrower stays
        {9, 9, 3, 2, 0},   // not counted: nothing added, nothing decided
        {-1, -1, 3, 2, 1}, // no selection is stored as a blank end
    };
    for (const Case& c : cases) {
        CGame game;
        game.Teams[0].TeamTotal = 3;
        game.Teams[1].TeamTotal = 2;
        game.Ends[1].FirstThrowerFlag = 1;
        ResultDialogModel dialog(1);
        dialog.setScores(c.score1, c.score2);
        ScriptedPrompts prompts;
        EndResult::Store(game, 1, dialog, prompts);
        SCOPED_TRACE(testing::Message() << c.score1 << ":" << c.score2);
        EXPECT_EQ(game.Ends[1].EndScore[0], std::max(c.score1, 0));
        EXPECT_EQ(game.Ends[1].EndScore[1], std::max(c.score2, 0));
        EXPECT_EQ(game.Teams[0].TeamTotal, c.total1);
        EXPECT_EQ(game.Teams[1].TeamTotal, c.total2);
        EXPECT_EQ(game.Ends[2].FirstThrowerFlag, c.nextFlag);
        EXPECT_TRUE(prompts.questions.isEmpty());
    }
}

TEST_F(EndResultTest, CorrectionIsEnabledAfterSetUpStartedAndAtFirstEndOpensTheWizard)
{
    CTALVStatsDoc doc;
    doc.game().GameState = 1;
    EXPECT_FALSE(EndResult::CorrectPreviousEndEnabled(doc.game()));
    doc.game().GameState = 2;
    EXPECT_TRUE(EndResult::CorrectPreviousEndEnabled(doc.game()));

    ScriptedResultDialogs dialogs;
    ScriptedPrompts prompts;
    EXPECT_EQ(EndResult::CorrectPreviousEnd(doc, dialogs, prompts),
              EndResult::Correction::OpenSetupWizard);
    EXPECT_EQ(dialogs.runs, 0);
    EXPECT_FALSE(doc.IsModified());
}

class EndCorrectionTest : public EndResultTest
{
protected:
    // A game in end 3 (index 2) whose end 2 ended old1 : old2; the totals and the
    // current end's first thrower follow from it, and the current end holds a
    // marked stone in team 1's first record.
    void prepare(int old1, int old2)
    {
        CGame& game = doc_.game();
        game.Teams[0].Text = "Reds";
        game.Teams[1].Text = "Blues";
        game.GameState = 6;
        game.Ends[0].EndScore = {2, 0};
        game.Ends[1].EndScore = {old1, old2};
        game.Ends[2].FirstThrowerFlag = old2 > 0 && old2 < 9 ? 1 : 0;
        game.Ends[2].Stones[0].PlayerIndex = 3;
        game.Ends[2].Stones[8].PlayerIndex = 1;
        game.setCurrentPosition({2, 1, 0, 1});
        game.RecomputeTeamTotals();
    }

    CTALVStatsDoc doc_;
    ScriptedResultDialogs dialogs_;
    ScriptedPrompts prompts_;
};

TEST_F(EndCorrectionTest, NewScoresMoveTotalsAndTheCurrentEndsLastStone)
{
    struct Case
    {
        int old1, old2;
        std::vector<Choice> choices;
        int total1, total2;
        int flag; // of the current end
        bool swapped;
    };
    const Case cases[] = {
        // 1 : 0 becomes 0 : 1: team 1 now has the last stone of the current end
        {1, 0, {{1, 1}}, 2, 1, 1, true},
        {2, 0, {{0, 3}}, 5, 0, 0, false},
        {0, 2, {{1, 1}}, 2, 1, 1, false},
        // to and from "X": the points, not the marker, leave or join the totals
        {9, 9, {{0, 2}}, 4, 0, 0, false},
        {2, 0, {{1, 9}}, 2, 0, 0, false},
        {0, 3, {{0, 9}}, 2, 0, 1, false},
        {0, 0, {}, 2, 0, 0, false}, // OK without a change
    };
    for (const Case& c : cases) {
        doc_.game() = CGame();
        doc_.SetModifiedFlag(false);
        prepare(c.old1, c.old2);
        dialogs_.choices = c.choices;
        QSignalSpy refreshed(&doc_, &CTALVStatsDoc::viewsToRefresh);
        SCOPED_TRACE(testing::Message() << c.old1 << ":" << c.old2);

        ASSERT_EQ(EndResult::CorrectPreviousEnd(doc_, dialogs_, prompts_),
                  EndResult::Correction::Corrected);
        EXPECT_EQ(dialogs_.caption, "Result of end 2");
        EXPECT_EQ(dialogs_.labels[0], "Reds");
        EXPECT_EQ(dialogs_.labels[1], "Blues");
        EXPECT_EQ(dialogs_.presets[0], std::min(c.old1, 9));
        EXPECT_EQ(dialogs_.presets[1], std::min(c.old2, 9));
        const CGame& game = doc_.game();
        EXPECT_EQ(game.Teams[0].TeamTotal, c.total1);
        EXPECT_EQ(game.Teams[1].TeamTotal, c.total2);
        EXPECT_EQ(game.Ends[2].FirstThrowerFlag, c.flag);
        EXPECT_EQ(game.Ends[2].Stones[0].PlayerIndex, c.swapped ? 1 : 3);
        EXPECT_EQ(game.Ends[2].Stones[8].PlayerIndex, c.swapped ? 3 : 1);
        EXPECT_TRUE(doc_.IsModified());
        EXPECT_EQ(refreshed.count(), 1);
    }
}

TEST_F(EndCorrectionTest, CancelChangesNothing)
{
    prepare(1, 0);
    dialogs_.choices = {{1, 1}};
    dialogs_.ok = false;
    EXPECT_EQ(EndResult::CorrectPreviousEnd(doc_, dialogs_, prompts_),
              EndResult::Correction::Cancelled);
    const CGame& game = doc_.game();
    EXPECT_EQ(game.Ends[1].EndScore, (std::array<qint32, 2>{1, 0}));
    EXPECT_EQ(game.Teams[0].TeamTotal, 3);
    EXPECT_EQ(game.Ends[2].FirstThrowerFlag, 0);
    EXPECT_EQ(game.Ends[2].Stones[0].PlayerIndex, 3);
    EXPECT_FALSE(doc_.IsModified());
}
