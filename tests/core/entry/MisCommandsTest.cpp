#include "core/entry/MisCommands.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/files/Document.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <tuple>
#include <vector>

namespace {

// Runs the MIS dialog: notes its line, optionally types a text and presses go.
class ScriptedMisDialogs : public MisDialogs
{
public:
    int runs = 0;
    QString line;
    QString labelShown;
    bool goEnabled = false;
    bool pressGo = false;
    bool moved = false;

    void runMisDialog(MisDialogModel& dialog) override
    {
        ++runs;
        line = dialog.stoneLine();
        labelShown = dialog.label();
        goEnabled = dialog.goEnabled();
        if (pressGo)
            moved = dialog.go();
    }
};

using Jump = std::tuple<int, int, int>;

} // namespace

class MisCommandsTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        CGame& game = doc_.game();
        game.Teams[0].Text = "Reds";
        game.Teams[1].Text = "Blues";
        game.Teams[0].Players[4].Text = "Dora";
        game.Teams[1].Players[2].Text = "Emil";
        game.GameState = 6;
        game.setCurrentPosition({3, 2, 1, 0});
        game.setRecordingPosition({3, 2, 1, 0});
    }

    MisCommands commands() { return MisCommands(doc_, prompts_, dialogs_, recordJump()); }
    PositionJump recordJump()
    {
        return [this](int end, int order, int stone) { jumps_.emplace_back(end, order, stone); };
    }

    CTALVStatsDoc doc_;
    ScriptedPrompts prompts_;
    ScriptedMisDialogs dialogs_;
    std::vector<Jump> jumps_;
};

TEST_F(MisCommandsTest, NoneSetIsAllZerosOrTheFirstMixedDoublesStone)
{
    struct Case
    {
        GamePosition mis;
        bool mixedDoubles;
        bool set;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, false, false}, {{0, 0, 0, 0}, true, false}, {{0, 1, 1, 0}, true, false},
        {{0, 1, 1, 0}, false, true},  {{1, 1, 1, 0}, true, true},  {{0, 0, 0, 1}, false, true},
    };
    for (const Case& c : cases) {
        CGame game;
        game.MixedDoubles = c.mixedDoubles ? 1 : 0;
        game.setMisPosition(c.mis);
        SCOPED_TRACE(testing::Message() << c.mis.End << c.mis.Player << c.mis.Stone << c.mis.Order
                                        << " md " << c.mixedDoubles);
        EXPECT_EQ(MisCommands::IsMisSet(game), c.set);
    }
}

TEST_F(MisCommandsTest, SetIsEnabledInProgressAwayFromTheFirstStoneOfAnEnd)
{
    struct Case
    {
        int state;
        GamePosition position;
        bool enabled;
    };
    const Case cases[] = {
        {6, {3, 0, 0, 1}, true},
        {5, {3, 0, 0, 1}, false},
        {8, {3, 2, 1, 0}, true},
        {6, {3, 0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        doc_.game().GameState = c.state;
        doc_.game().setCurrentPosition(c.position);
        SCOPED_TRACE(testing::Message() << "state " << c.state);
        EXPECT_EQ(commands().SetEnabled(), c.enabled);
    }
}

TEST_F(MisCommandsTest, SetAsksThenMarksTheCurrentStoneAndOpensTheDialog)
{
    struct Case
    {
        bool alreadySet;
        QList<bool> answers;
        QStringList questions;
        bool marked;
    };
    const QString mark = "Do you want to mark the current stone as the MIS stone (most "
                         "important stone)?";
    const QString replace = "A MIS stone is already set in end 2. Do you want to replace "
                            "it with the current stone?";
    const Case cases[] = {
        {false, {false}, {mark}, false},
        {false, {true}, {mark}, true},
        {true, {false}, {mark}, false},
        {true, {true, false}, {mark, replace}, false},
        {true, {true, true}, {mark, replace}, true},
    };
    for (const Case& c : cases) {
        CGame& game = doc_.game();
        const GamePosition old{1, 1, 0, 1};
        game.setMisPosition(c.alreadySet ? old : GamePosition{});
        game.MisLabel = "Old text";
        doc_.SetModifiedFlag(false);
        prompts_ = ScriptedPrompts();
        prompts_.answers = c.answers;
        dialogs_ = ScriptedMisDialogs();
        SCOPED_TRACE(testing::Message()
                     << "set " << c.alreadySet << " answers " << c.answers.size());

        EXPECT_EQ(commands().Set(), c.marked);
        EXPECT_EQ(prompts_.questions, c.questions);
        if (c.marked) {
            EXPECT_EQ(game.misPosition(), game.currentPosition());
            EXPECT_TRUE(game.MisLabel.isEmpty());
            EXPECT_TRUE(doc_.IsModified());
            EXPECT_EQ(dialogs_.runs, 1);
            EXPECT_FALSE(dialogs_.goEnabled); // the current stone is the MIS stone
        } else {
            EXPECT_EQ(game.misPosition(), c.alreadySet ? old : GamePosition{});
            EXPECT_EQ(game.MisLabel, "Old text");
            EXPECT_FALSE(doc_.IsModified());
            EXPECT_EQ(dialogs_.runs, 0);
        }
    }
}

TEST_F(MisCommandsTest, DialogNamesTeamPlayerAndEndOfTheStone)
{
    struct Case
    {
        int firstThrower, order, playerIndex;
        const char* line;
    };
    // The MIS stone: end 2 (index 1), player 2, stone 0.
    const Case cases[] = {
        {1, 1, 4, "Reds: Dora (End 2)"},
        {0, 1, 2, "Blues: Emil (End 2)"},
        {0, 0, 4, "Reds: Dora (End 2)"},
        {0, 0, CPlayer::NoPlayerId, "Reds:  (End 2)"}, // no player on that record
    };
    for (const Case& c : cases) {
        CGame& game = doc_.game();
        game.Ends[1].FirstThrowerFlag = c.firstThrower;
        const int slot = c.order ^ c.firstThrower;
        game.Ends[1].stone(slot, 2, 0).PlayerIndex = c.playerIndex;
        game.setMisPosition({1, 2, 0, c.order});
        game.MisLabel = "Take-out";
        dialogs_ = ScriptedMisDialogs();
        commands().Show();
        EXPECT_EQ(dialogs_.line, c.line);
        EXPECT_EQ(dialogs_.labelShown, "Take-out");
        EXPECT_TRUE(dialogs_.goEnabled);
    }
}

TEST_F(MisCommandsTest, EditingTheTextMarksTheDocumentOnlyWhenItChanges)
{
    doc_.game().MisLabel = "Draw";
    MisDialogModel dialog(doc_, prompts_, recordJump());
    dialog.setLabel("Draw");
    EXPECT_FALSE(doc_.IsModified());
    dialog.setLabel("Raise");
    EXPECT_EQ(doc_.game().MisLabel, "Raise");
    EXPECT_TRUE(doc_.IsModified());
}

TEST_F(MisCommandsTest, GoToWithoutMisStoneOnlyTellsSo)
{
    doc_.game().setMisPosition({});
    EXPECT_FALSE(commands().GotoEnabled());
    EXPECT_FALSE(commands().ShowEnabled());
    EXPECT_FALSE(commands().Goto());
    dialogs_.pressGo = true;
    commands().Show();
    EXPECT_FALSE(dialogs_.moved);
    EXPECT_EQ(prompts_.messages, QStringList(2, "No MIS stone has been set."));
    EXPECT_TRUE(jumps_.empty());
}

TEST_F(MisCommandsTest, GoToJumpsToTheMisStoneFromFormAndDialog)
{
    doc_.game().setMisPosition({1, 3, 1, 1});
    EXPECT_TRUE(commands().GotoEnabled());
    EXPECT_TRUE(commands().Goto());
    dialogs_.pressGo = true;
    commands().Show();
    EXPECT_TRUE(dialogs_.moved);
    EXPECT_EQ(jumps_, (std::vector<Jump>{{1, 1, 7}, {1, 1, 7}}));
    EXPECT_TRUE(prompts_.messages.isEmpty());
}

TEST_F(MisCommandsTest, GoToWithoutFormJumpEntersReviewAtTheMisStone)
{
    CGame& game = doc_.game();
    game.setMisPosition({1, 2, 0, 1});
    MisCommands withoutForm(doc_, prompts_, dialogs_);
    EXPECT_TRUE(withoutForm.Goto());
    EXPECT_EQ(game.currentPosition(), (GamePosition{1, 2, 0, 1}));
    EXPECT_EQ(game.ReviewMode, 1);
    EXPECT_EQ(game.recordingPosition(), (GamePosition{3, 2, 1, 0}));
}

TEST_F(MisCommandsTest, ReminderByLeadAndEndUnlessSetOrSwitchedOff)
{
    struct Case
    {
        int total1, total2, end;
        bool misSet;
        int setting;
        bool shown;
    };
    const Case cases[] = {
        {12, 0, 1, false, 1, true}, // a 12-point lead after end 2
        {0, 9, 1, false, 1, false}, // 9 + 1 is not above 10
        {0, 10, 1, false, 1, true}, {4, 3, 6, false, 1, false},
        {4, 3, 7, false, 1, true}, // a 1-point lead: after end 8
        {12, 0, 7, true, 1, false}, {12, 0, 7, false, 0, false},
    };
    for (const Case& c : cases) {
        CGame& game = doc_.game();
        game.Teams[0].TeamTotal = c.total1;
        game.Teams[1].TeamTotal = c.total2;
        game.CurrentEnd = c.end;
        game.setMisPosition(c.misSet ? GamePosition{0, 1, 0, 0} : GamePosition{});
        Settings::write(Key::Options::ShowMISReminder, c.setting);
        prompts_ = ScriptedPrompts();
        commands().Remind();
        SCOPED_TRACE(testing::Message() << c.total1 << ":" << c.total2 << " end " << c.end);
        EXPECT_EQ(prompts_.messages,
                  c.shown ? QStringList{"No MIS stone has been set yet. Please mark the most "
                                        "important stone of the game."}
                          : QStringList{});
        if (c.shown) {
            EXPECT_EQ(prompts_.messageIcons.value(0), Prompts::Icon::Information);
        }
    }
}
