#include "core/entry/Lineup.h"

#include "core/base/Texts.h"
#include "core/files/Document.h"

#include "support/TestSettings.h"

#include <memory>

namespace {

// Player indices of a team's eight stones in one end.
std::array<int, 8> playersOf(const CEnd& end, int team)
{
    std::array<int, 8> players{};
    for (int s = 0; s < 8; ++s)
        players[std::size_t(s)] = end.Stones[std::size_t(team * 8 + s)].PlayerIndex;
    return players;
}

} // namespace

class LineupTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        doc_ = std::make_unique<CTALVStatsDoc>();
        doc_->OnNewDocument();
        for (int p = 0; p < CTeam::PlayerCount; ++p)
            game().Teams[0].Players[std::size_t(p)].Id = qint16(10 + p);
        game().SetGameState(6);
    }
    CGame& game() { return doc_->game(); }
    void at(int end, int player, int stone, int order)
    {
        game().setCurrentPosition({end, player, stone, order});
        game().setRecordingPosition({end, player, stone, order});
    }

    std::unique_ptr<CTALVStatsDoc> doc_;
};

TEST_F(LineupTest, StartsFromTheCurrentEndWithTheSkipMarked)
{
    const LineupModel model(*doc_, 0);
    for (int slot = 0; slot < LineupModel::SlotCount; ++slot)
        EXPECT_EQ(model.player(slot), slot);
    EXPECT_EQ(model.skipSlot(), 3);
    EXPECT_FALSE(model.threePlayers());
    EXPECT_EQ(model.names().size(), 5);
}

TEST_F(LineupTest, ChoosingAPlayerOfAnotherSlotExchangesTheTwo)
{
    LineupModel model(*doc_, 0);
    model.choose(0, 4); // the alternate leads
    EXPECT_EQ(model.player(0), 4);
    EXPECT_EQ(model.player(4), 0);
    model.choose(2, 2); // already there: nothing moves
    EXPECT_EQ(model.player(2), 2);
    model.choose(3, 4);
    EXPECT_EQ(model.player(3), 4);
    EXPECT_EQ(model.player(0), 3);
    std::array<int, 5> seen{};
    for (int slot = 0; slot < 5; ++slot)
        ++seen[std::size_t(model.player(slot))];
    EXPECT_EQ(seen, (std::array<int, 5>{1, 1, 1, 1, 1}));
}

TEST_F(LineupTest, MidEndChangeAffectsOnlyStonesFromTheCurrentOneOn)
{
    at(2, 1, 1, 0); // third stone of the team's second player, nobody has delivered it
    const auto earlier = playersOf(game().Ends[1], 0);
    LineupModel model(*doc_, 0);
    model.choose(1, 4); // the alternate comes in as second
    model.apply(*doc_);

    EXPECT_EQ(playersOf(game().Ends[1], 0), earlier);
    EXPECT_EQ(playersOf(game().Ends[2], 0), (std::array<int, 8>{0, 0, 1, 4, 2, 2, 3, 3}));
    for (int e = 3; e < CGame::EndCount; ++e)
        EXPECT_EQ(playersOf(game().Ends[std::size_t(e)], 0),
                  (std::array<int, 8>{0, 0, 4, 4, 2, 2, 3, 3}))
            << e;
    EXPECT_EQ(game().Ends[5].Stones[2].PlayerId, 14);
    // The other team keeps its line-up.
    EXPECT_EQ(playersOf(game().Ends[5], 1), (std::array<int, 8>{0, 0, 1, 1, 2, 2, 3, 3}));
}

TEST_F(LineupTest, AStoneTheTeamHasAlreadyDeliveredKeepsItsPlayer)
{
    // Team 1 opens the end and has delivered stone 3; team 2 is about to deliver its own.
    at(0, 1, 1, 1);
    LineupModel model(*doc_, 0);
    model.choose(1, 4);
    model.apply(*doc_);
    EXPECT_EQ(playersOf(game().Ends[0], 0), (std::array<int, 8>{0, 0, 1, 1, 2, 2, 3, 3}));

    LineupModel second(*doc_, 1);
    second.choose(1, 4);
    second.apply(*doc_);
    EXPECT_EQ(playersOf(game().Ends[0], 1), (std::array<int, 8>{0, 0, 1, 4, 2, 2, 3, 3}));
}

TEST_F(LineupTest, ATeamOfThreeHasItsFirstTwoPlayersDeliverThreeStonesEach)
{
    at(1, 0, 0, 0);
    LineupModel model(*doc_, 0);
    model.setThreePlayers(true);
    model.apply(*doc_);

    for (int e = 1; e < CGame::EndCount; ++e)
        EXPECT_EQ(playersOf(game().Ends[std::size_t(e)], 0),
                  (std::array<int, 8>{0, 0, 0, 2, 2, 2, 3, 3}))
            << e;
    EXPECT_EQ(doc_->fields().SavedSecondId1, 11);
    EXPECT_EQ(game().Ends[4].GetLineupPlayer(0, 1, false), CPlayer::NoPlayerId);

    // Opened again, the page shows the team of three with its missing second.
    const LineupModel again(*doc_, 0);
    EXPECT_TRUE(again.threePlayers());
    EXPECT_EQ(again.player(1), 1);
}

TEST_F(LineupTest, OkWritesNamesRolesAndOrderIntoThePlayers)
{
    LineupModel model(*doc_, 0);
    model.choose(0, 4);
    model.setSkipSlot(2);
    model.rename(4, QStringLiteral("Sam"));
    model.apply(*doc_);

    const CTeam& team = game().Teams[0];
    EXPECT_EQ(team.Players[4].Text, QStringLiteral("Sam"));
    EXPECT_EQ(team.Players[4].OrderNumber, 4); // leads
    EXPECT_EQ(team.Players[0].OrderNumber, 0); // now the alternate
    EXPECT_EQ(team.Players[2].Role, QStringLiteral("Skip"));
    EXPECT_TRUE(team.Players[3].Role.isEmpty());
    EXPECT_EQ(LineupModel(*doc_, 0).skipSlot(), 2);
}

TEST_F(LineupTest, ReviewChangesTheLineupFromTheRecordingPositionOn)
{
    at(4, 0, 0, 0);
    game().EnterReview();
    game().GotoPosition(1, 0, 0);
    LineupModel model(*doc_, 0);
    model.choose(3, 4);
    model.apply(*doc_);
    // The ends recorded after the reviewed one keep their players.
    EXPECT_EQ(playersOf(game().Ends[2], 0), (std::array<int, 8>{0, 0, 1, 1, 2, 2, 3, 3}));
    EXPECT_EQ(playersOf(game().Ends[5], 0), (std::array<int, 8>{0, 0, 1, 1, 2, 2, 4, 4}));
    EXPECT_EQ(playersOf(game().ReviewCopy[5], 0), (std::array<int, 8>{0, 0, 1, 1, 2, 2, 4, 4}));
}

TEST_F(LineupTest, TabTitlesFallBackToTheNumberedTeam)
{
    game().Teams[1].Text.clear();
    game().Teams[0].Text = QStringLiteral("Reds");
    EXPECT_EQ(LineupModel::tabTitle(game(), 0), QStringLiteral("Reds"));
    EXPECT_EQ(LineupModel::tabTitle(game(), 1), Texts::get(5015).arg(2));
}
