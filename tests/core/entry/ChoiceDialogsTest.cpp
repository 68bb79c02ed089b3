#include "core/entry/ChoiceDialogs.h"
#include "core/record/Game.h"

#include "support/TestSettings.h"

class ChoiceDialogsTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        game_.Teams[0].Text = "Reds";
        game_.Teams[1].Text = "Blues";
    }

    CGame game_;
};

TEST_F(ChoiceDialogsTest, LateTeamPresetFromTeam2AndAnswerAfterChoice)
{
    struct Case
    {
        int stored;
        int preset;
        int choose;
        bool team1Late;
    };
    const Case cases[] = {
        {0, 0, -1, true}, {1, 1, -1, false}, {1, 1, 0, true},
        {0, 0, 1, false}, {7, -1, 5, false}, // an unknown stored value presets nothing
    };
    for (const Case& c : cases) {
        game_.Teams[1].TeamCounter2 = c.stored;
        LateTeamDialogModel dialog(game_);
        SCOPED_TRACE(testing::Message() << "stored " << c.stored << " choose " << c.choose);
        EXPECT_EQ(dialog.choiceLabel(0), "Reds");
        EXPECT_EQ(dialog.choiceLabel(1), "Blues");
        EXPECT_EQ(dialog.choice(), c.preset);
        dialog.choose(c.choose);
        EXPECT_EQ(dialog.okEnabled(), dialog.choice() != LateTeamDialogModel::NoChoice);
        EXPECT_EQ(dialog.team1IsLate(), c.team1Late);
    }
}

TEST_F(ChoiceDialogsTest, TeamModePresetsFirstThrowerAndReturnsPowerPlaySide)
{
    game_.Ends[0].FirstThrowerFlag = 1;
    struct Case
    {
        bool box;
        MixedDoublesDialogModel::Side side;
        int value;
    };
    const Case cases[] = {
        {false, MixedDoublesDialogModel::Side3054, 0},
        {true, MixedDoublesDialogModel::NoSide, 0},
        {true, MixedDoublesDialogModel::Side3054, 2},
        {true, MixedDoublesDialogModel::Side3055, 1},
    };
    for (const Case& c : cases) {
        MixedDoublesDialogModel dialog = MixedDoublesDialogModel::forTeam(game_);
        EXPECT_EQ(dialog.team(), 1);
        EXPECT_EQ(dialog.choiceLabel(1), "Blues");
        EXPECT_TRUE(dialog.powerPlayVisible());
        EXPECT_FALSE(dialog.sidesEnabled()); // the box is clear at opening
        dialog.setPowerPlay(c.box);
        dialog.chooseSide(c.side);
        EXPECT_EQ(dialog.sidesEnabled(), c.box);
        EXPECT_EQ(dialog.powerPlayValue(), c.value);
    }
}

TEST_F(ChoiceDialogsTest, PlayerModeOffersLineupPlayersOfTheDeliveringTeam)
{
    NewGameOptions options;
    options.MixedDoubles = true;
    CGame game(options);
    game.Teams[1].Text = "Blues";
    game.Teams[1].Players[2].Text = "Bea";
    game.Teams[1].Players[3].Text = "Carl";
    game.Ends[0].FirstThrowerFlag = 1; // team 2 delivers the first stone
    game.setCurrentPosition({0, 1, 1, 0});
    game.currentStone().PlayerIndex = 2;

    MixedDoublesDialogModel dialog = MixedDoublesDialogModel::forPlayer(game);
    EXPECT_EQ(dialog.prompt(), "Which player of Blues delivered this stone?");
    EXPECT_EQ(dialog.choiceLabel(0), "Carl");
    EXPECT_EQ(dialog.choiceLabel(1), "Bea");
    EXPECT_EQ(dialog.player(), 2);
    EXPECT_FALSE(dialog.powerPlayVisible());
    dialog.setPowerPlay(true);
    EXPECT_EQ(dialog.powerPlayValue(), 0);
    dialog.choose(0);
    EXPECT_EQ(dialog.player(), 3);
}
