#include "core/stats/CommentListing.h"
#include "core/record/Game.h"

#include "support/TestSettings.h"

using namespace Comments;

namespace {

struct Note
{
    int end, team, record;
    const char* remark;
    const char* comment = "";
    int playerIndex = -2; // -2: keep the preassigned player
};

CGame gameWith(std::initializer_list<Note> notes, GamePosition position, bool mixed = false)
{
    NewGameOptions options;
    options.MixedDoubles = mixed;
    CGame game{options};
    game.Teams[0].Text = QStringLiteral("Alpha");
    game.Teams[0].ShortName = QStringLiteral("ALP");
    game.Teams[1].Text = QStringLiteral("Bravo");
    game.Teams[1].ShortName = QStringLiteral("BRA");
    for (const Note& n : notes) {
        CStone& stone = game.Ends[std::size_t(n.end)].Stones[std::size_t(n.team * 8 + n.record)];
        stone.Remark = QString::fromUtf8(n.remark);
        stone.Comment = QString::fromUtf8(n.comment);
        if (n.playerIndex != -2)
            stone.PlayerIndex = n.playerIndex;
    }
    game.setCurrentPosition(position);
    return game;
}

struct Listed
{
    std::string text;
    int entry;
    bool operator==(const Listed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Listed& l)
{
    return out << '"' << l.text << "\" " << l.entry;
}

std::vector<Listed> listed(const Row& row)
{
    std::vector<Listed> rows;
    for (const Row& child : row.children)
        rows.push_back({child.text.toStdString(), child.entry});
    return rows;
}

} // namespace

class CommentListingTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
    }
};

TEST_F(CommentListingTest, RootsPositionRowsAndEndRows)
{
    const std::vector<Row> roots = buildListing(gameWith({}, {2, 1, 0, 0}));
    ASSERT_EQ(roots.size(), 4u);
    EXPECT_EQ(roots[Team1Root].text, QStringLiteral("Alpha"));
    EXPECT_EQ(roots[Team2Root].text, QStringLiteral("Bravo"));
    EXPECT_EQ(roots[PositionRoot].text, QStringLiteral("By position"));
    EXPECT_EQ(roots[EndRoot].text, QStringLiteral("End"));
    for (const Row& root : roots)
        EXPECT_EQ(root.entry, NoEntry);
    EXPECT_EQ(listed(roots[PositionRoot]), (std::vector<Listed>{{"Fourth", NoEntry},
                                                                {"Third", NoEntry},
                                                                {"Second", NoEntry},
                                                                {"Lead", NoEntry},
                                                                {"Alternate", NoEntry}}));
    // One row per end up to the current one, numbered end × 16.
    EXPECT_EQ(listed(roots[EndRoot]),
              (std::vector<Listed>{{"End 1", 0}, {"End 2", 16}, {"End 3", 32}}));
    EXPECT_TRUE(roots[Team1Root].children.empty());
}

TEST_F(CommentListingTest, EveryTextIsListedThreeTimesInStoneOrder)
{
    const CGame game = gameWith(
        {
            {1, 1, 2, "Good\r\nweight", "Line\ncalled\rlate"}, // team 2's second, stone 3
            {1, 0, 2, "", "Early"},                            // same stone index, team 1 first
            {0, 1, 7, "Skip's last"},
            {1, 0, 0, "Unknown player", "", 9},
            {2, 0, 0, "Beyond the current end"},
        },
        {1, 3, 1, 1});
    const std::vector<Row> roots = buildListing(game);
    EXPECT_EQ(listed(roots[Team1Root]),
              (std::vector<Listed>{{"Unknown player (End 2, Stone 1)", 16},
                                   {"Early (End 2, Stone 3)", 16 + 2}}));
    EXPECT_EQ(listed(roots[Team2Root]),
              (std::vector<Listed>{{"Skip's last (End 1, Stone 8)", 8 + 7},
                                   {"Good: weight (End 2, Stone 3)", 16 + 8 + 2},
                                   {"Line: called: late (End 2, Stone 3)", 16 + 8 + 2}}));
    const Row& byPosition = roots[PositionRoot];
    EXPECT_EQ(listed(byPosition.children[0]), // fourth
              (std::vector<Listed>{{"Skip's last (BRA, End 1, Stone 8)", 15}}));
    EXPECT_EQ(listed(byPosition.children[2]), // second
              (std::vector<Listed>{{"Early (ALP, End 2, Stone 3)", 18},
                                   {"Good: weight (BRA, End 2, Stone 3)", 26},
                                   {"Line: called: late (BRA, End 2, Stone 3)", 26}}));
    EXPECT_TRUE(byPosition.children[1].children.empty());
    EXPECT_TRUE(byPosition.children[3].children.empty()); // the player outside 0-4 is not here
    EXPECT_EQ(listed(roots[EndRoot].children[1]),
              (std::vector<Listed>{{"Unknown player (ALP, Stone 1)", 16},
                                   {"Early (ALP, Stone 3)", 18},
                                   {"Good: weight (BRA, Stone 3)", 26},
                                   {"Line: called: late (BRA, Stone 3)", 26}}));
    EXPECT_EQ(roots[EndRoot].children.size(), 2u);
}

TEST_F(CommentListingTest, MixedDoublesNumbersTheFiveDeliveredStones)
{
    const CGame game = gameWith({{0, 0, 3, "First", "", 3},
                                 {0, 1, 7, "Last", "", 2},
                                 {0, 0, 2, "Positioned stone"},
                                 {0, 0, 5, "No position row", "", 0}},
                                {0, 3, 1, 1}, true);
    const std::vector<Row> roots = buildListing(game);
    EXPECT_EQ(listed(roots[PositionRoot]),
              (std::vector<Listed>{{"Player A", NoEntry}, {"Player B", NoEntry}}));
    EXPECT_EQ(listed(roots[Team1Root]),
              (std::vector<Listed>{{"First (End 1, Stone 1)", 3},
                                   {"No position row (End 1, Stone 3)", 5}}));
    EXPECT_EQ(listed(roots[PositionRoot].children[0]),
              (std::vector<Listed>{{"First (ALP, End 1, Stone 1)", 3}}));
    EXPECT_EQ(listed(roots[PositionRoot].children[1]),
              (std::vector<Listed>{{"Last (BRA, End 1, Stone 5)", 15}}));
    EXPECT_EQ(roots[EndRoot].children[0].children.size(), 3u);
}

TEST_F(CommentListingTest, GoToDecodesEndSideAndStone)
{
    CGame game = gameWith({}, {5, 0, 0, 0});
    game.Ends[1].FirstThrowerFlag = 1;
    struct Case
    {
        int entry;
        std::optional<Target> target; // end, order, stone index
    };
    const Case cases[] = {
        {0, Target{0, 0, 0}}, // team 1's first stone of the game, a position as any other
        {7, Target{0, 0, 7}},          {8 + 3, Target{0, 1, 3}},
        {16, Target{1, 1, 0}}, // team 2 delivers first in end 2
        {16 + 8 + 5, Target{1, 0, 5}}, {19 * 16 + 15, Target{19, 1, 7}},
        {NoEntry, std::nullopt},       {20 * 16, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(target(game, c.entry), c.target) << c.entry;

    // Every listed entry leads back to its own stone record.
    game.Ends[3].Stones[8 + 6].Remark = QStringLiteral("x");
    game.setRecordingPosition(game.currentPosition());
    const std::vector<Row> roots = buildListing(game);
    const std::optional<Target> t = target(game, roots[Team2Root].children.at(0).entry);
    ASSERT_TRUE(t);
    game.GotoPosition(t->end, t->order, t->stoneIndex);
    EXPECT_EQ(game.StoneSlot(), 8 + 6);
    EXPECT_EQ(game.CurrentEnd, 3);
}

TEST_F(CommentListingTest, OneLineJoinsEveryKindOfLineEnd)
{
    EXPECT_EQ(oneLine(QStringLiteral("a\r\nb\nc\rd")), QStringLiteral("a: b: c: d"));
    EXPECT_EQ(oneLine(QStringLiteral("plain")), QStringLiteral("plain"));
}
