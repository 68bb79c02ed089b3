#include "core/stats/AnalysisListing.h"
#include "core/record/Game.h"

#include "support/TestSettings.h"

using namespace Analysis;

namespace {

struct Shot
{
    int end, team, record, task, handle, points;
    SheetPoint rest{700, 1000}; // the stone's own position in its snapshot
    int playerIndex = -2;       // -2: keep the preassigned player
};

CGame gameWith(std::initializer_list<Shot> shots, GamePosition position, bool mixed = false)
{
    NewGameOptions options;
    options.MixedDoubles = mixed;
    CGame game{options};
    game.Teams[0].Text = QStringLiteral("Alpha");
    game.Teams[0].ShortName = QStringLiteral("ALP");
    game.Teams[1].Text = QStringLiteral("Bravo");
    game.Teams[1].ShortName = QStringLiteral("BRA");
    for (const Shot& s : shots) {
        const int record = s.team * 8 + s.record;
        CStone& stone = game.Ends[std::size_t(s.end)].Stones[std::size_t(record)];
        stone.Task = s.task;
        stone.Handle = s.handle;
        stone.Points = s.points;
        stone.Positions[std::size_t(record)] = s.rest;
        // Broom and target beside a stone that came to rest on the sheet.
        if (s.rest.x != 0 && s.rest.x != SheetPoint::OutOfPlay) {
            stone.Positions[CStone::BroomPair] = {s.rest.x + 1, s.rest.y + 1};
            stone.Positions[CStone::TargetPair] = {s.rest.x + 2, s.rest.y + 2};
        }
        if (s.playerIndex != -2)
            stone.PlayerIndex = s.playerIndex;
    }
    game.setCurrentPosition(position);
    return game;
}

std::vector<Marks::Placed> placed(const CGame& game, quint32 selection, PlotSource source)
{
    Marks marks;
    plot(game, selection, source, marks);
    EXPECT_TRUE(marks.shown());
    return marks.drawOrder();
}

const Row& rowAt(const std::vector<Row>& roots, std::initializer_list<int> path)
{
    const std::vector<Row>* level = &roots;
    const Row* row = nullptr;
    for (const int i : path) {
        row = &level->at(std::size_t(i));
        level = &row->children;
    }
    return *row;
}

} // namespace

class AnalysisListingTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
    }
};

TEST_F(AnalysisListingTest, SelectionNumbersDecodeIntoTheirFields)
{
    struct Case
    {
        quint32 number;
        Selection selection; // task filter, group, player, side
    };
    const Case cases[] = {
        {1280, {0, 0, 5, 0}},                      // team 1 root
        {3328, {0, 0, 5, 1}},                      // team 2 root
        {5376, {0, 0, 5, 2}},                      // both teams root
        {5376 + 32, {0, 1, 5, 2}},                 // both teams, draws
        {3328 + 4 * 32 + 20, {20, 4, 5, 1}},       // team 2, counter-clockwise, task 10
        {(3 + 8) * 256, {0, 0, 3, 1}},             // team 2's fourth
        {(4 + 16) * 256 + 96 + 10, {10, 3, 4, 2}}, // both teams' alternates, clockwise, task 0
        {0, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Selection::decode(c.number), c.selection) << c.number;
        EXPECT_EQ(c.selection.encode(), c.number) << c.number;
    }
}

TEST_F(AnalysisListingTest, TreeRowsCarryLabelsAndSelectionNumbers)
{
    CGame game = gameWith({}, {0, 0, 0, 0});
    game.Teams[0].Players[3].Text = QStringLiteral("Anna");
    game.Teams[1].Players[4].Text = QStringLiteral("Zoe");
    game.Teams[1].Players[0].Text = QStringLiteral("Bob");
    const std::vector<Row> tree = buildTree(game);

    ASSERT_EQ(tree.size(), 3u);
    EXPECT_TRUE(tree[0].expanded);
    EXPECT_TRUE(tree[1].expanded);
    EXPECT_FALSE(tree[2].expanded);
    for (const Row& root : tree) {
        ASSERT_EQ(root.children.size(), 6u); // overall and five players
        for (const Row& parent : root.children) {
            ASSERT_EQ(parent.children.size(), 4u);
            EXPECT_EQ(parent.children[0].children.size(), 6u);
            EXPECT_EQ(parent.children[1].children.size(), 5u);
            EXPECT_EQ(parent.children[2].children.size(), 11u);
            EXPECT_EQ(parent.children[3].children.size(), 11u);
        }
    }

    struct Case
    {
        std::initializer_list<int> path;
        const char* label;
        quint32 number;
    };
    const Case cases[] = {
        {{0}, "Alpha", 1280},
        {{1}, "Bravo", 3328},
        {{2}, "Both teams", 5376},
        {{0, 0}, "Total", 1280},
        {{0, 0, 0}, "Total draws", 1280 + 32},
        {{0, 0, 1}, "Total takeouts", 1280 + 64},
        {{0, 0, 2}, "Clockwise", 1280 + 96},
        {{0, 0, 3}, "Counter-clockwise", 1280 + 128},
        {{0, 0, 0, 0}, "Draw", 1280 + 32 + 10},
        {{0, 0, 1, 0}, "Takeout", 1280 + 64 + 16},
        {{0, 0, 1, 4}, "Promotion Takeout", 1280 + 64 + 20},
        {{1, 0, 3, 10}, "Promotion Takeout", 3328 + 128 + 20},
        {{0, 1}, "Anna (4,Skip)", 3 * 256},
        {{1, 5}, "Zoe (A)", (4 + 8) * 256},
        {{1, 4}, "Bob (1)", 8 * 256},
        {{2, 1}, "Fourth", (3 + 16) * 256},
        {{2, 2}, "Third", (2 + 16) * 256},
        {{2, 3}, "Second", (1 + 16) * 256},
        {{2, 4}, "Lead", (0 + 16) * 256},
        {{2, 5}, "Alternate", (4 + 16) * 256},
        {{2, 5, 2, 3}, "Raise (tap back)", (4 + 16) * 256 + 96 + 13},
    };
    for (const Case& c : cases) {
        const Row& row = rowAt(tree, c.path);
        EXPECT_EQ(row.label, QLatin1String(c.label));
        EXPECT_EQ(row.number, c.number) << row.label.toStdString();
    }
}

TEST_F(AnalysisListingTest, MixedDoublesTreeHasOnlyTheTwoPlayers)
{
    const std::vector<Row> tree = buildTree(gameWith({}, {0, 1, 1, 0}, true));
    ASSERT_EQ(tree.size(), 3u);
    for (int team = 0; team < 2; ++team) {
        ASSERT_EQ(tree[std::size_t(team)].children.size(), 3u);
        EXPECT_EQ(tree[std::size_t(team)].children[1].number, quint32(3 + team * 8) * 256);
        EXPECT_EQ(tree[std::size_t(team)].children[2].number, quint32(2 + team * 8) * 256);
    }
    ASSERT_EQ(tree[2].children.size(), 1u); // the overall row only
    EXPECT_EQ(tree[2].children[0].children.size(), 4u);
}

TEST_F(AnalysisListingTest, StonesMatchSideGroupPlayerAndTask)
{
    struct Case
    {
        Selection selection;
        int teamSlot, playerIndex, task, handle;
        bool matches;
    };
    const Case cases[] = {
        {{0, 0, 5, 2}, 1, 0, 0, 0, true},
        {{0, 0, 5, 0}, 1, 0, 0, 0, false},  // other side
        {{0, 0, 5, 1}, 1, 4, 13, -1, true}, // the whole team matches any stone
        {{0, 0, 2, 2}, 0, 2, 3, 1, true},
        {{0, 0, 2, 2}, 0, 3, 3, 1, false}, // other player
        {{0, 1, 5, 2}, 0, 0, 5, 0, true},  // draws: tasks up to 5
        {{0, 1, 5, 2}, 0, 0, 6, 0, false},
        {{0, 1, 5, 2}, 0, 0, -1, 0, true}, // not plotted later for its task
        {{0, 2, 5, 2}, 0, 0, 6, 0, true},  // takeouts: 6-10
        {{0, 2, 5, 2}, 0, 0, 10, 0, true},
        {{0, 2, 5, 2}, 0, 0, 11, 0, false},
        {{0, 3, 5, 2}, 0, 0, 7, 4, true}, // clockwise: even handle codes
        {{0, 3, 5, 2}, 0, 0, 7, 3, false},
        {{0, 4, 5, 2}, 0, 0, 7, 5, true}, // counter-clockwise: odd codes
        {{0, 4, 5, 2}, 0, 0, 7, 2, false},
        {{0, 3, 5, 2}, 0, 0, 7, -1, false}, // no handle recorded: neither group
        {{0, 4, 5, 2}, 0, 0, 7, -1, false},
        {{17, 3, 5, 2}, 0, 0, 7, 0, true}, // task row under clockwise
        {{17, 3, 5, 2}, 0, 0, 8, 0, false},
        {{17, 3, 5, 2}, 0, 0, 7, 1, false},
        {{12, 1, 1, 0}, 0, 1, 2, 1, true},
        {{12, 1, 1, 0}, 0, 1, 3, 1, false},
    };
    for (const Case& c : cases) {
        CStone stone;
        stone.PlayerIndex = c.playerIndex;
        stone.Task = c.task;
        stone.Handle = c.handle;
        EXPECT_EQ(c.selection.matches(c.teamSlot, stone), c.matches)
            << c.selection.encode() << " slot " << c.teamSlot << " task " << c.task << " handle "
            << c.handle;
    }
}

TEST_F(AnalysisListingTest, BothTeamsPlotEveryCountedStoneUpToTheCurrentEnd)
{
    const CGame game = gameWith(
        {
            {0, 0, 0, 0, 0, 4, {100, 200}},
            {0, 1, 0, 6, 1, 2, {110, 210}},
            {1, 0, 5, 11, 0, 3, {120, 220}}, // through: not counted
            {1, 0, 6, 2, 0, 7, {130, 230}},  // points not considered
            {1, 1, 7, 3, 0, 0, {140, 240}},
            {2, 0, 2, 1, 0, 1, {0, 0}},      // resting position never set
            {2, 0, 3, 1, 0, 1, {4095, 0}},   // out of play
            {2, 1, 1, 10, 1, 6, {150, 250}}, // in the current end, not delivered yet
            {3, 0, 0, 0, 0, 4, {160, 260}},  // beyond the current end
        },
        {2, 0, 0, 0});
    const quint32 both = 5376;
    EXPECT_EQ(placed(game, both, PlotSource::Rest),
              (std::vector<Marks::Placed>{
                  {0, {100, 200, 4}}, {1, {110, 210, 2}}, {1, {140, 240, 0}}, {1, {150, 250, 6}}}));
    // Target and broom come from the same snapshot (test data: rest + 2, rest + 1).
    EXPECT_EQ(placed(game, both, PlotSource::Target).front(), (Marks::Placed{0, {102, 202, 4}}));
    EXPECT_EQ(placed(game, both, PlotSource::Broom).back(), (Marks::Placed{1, {151, 251, 6}}));
    // A target marker out of play hides the stone from that source only.
    CGame noTarget = game;
    noTarget.Ends[0].Stones[0].Positions[CStone::TargetPair] = {4095, 5};
    EXPECT_EQ(placed(noTarget, both, PlotSource::Target).size(), 3u);
    EXPECT_EQ(placed(noTarget, both, PlotSource::Rest).size(), 4u);

    // Mark k lands in entry k of its own slot; the other slot's entry k stays empty.
    Marks marks;
    plot(game, both, PlotSource::Rest, marks);
    EXPECT_EQ(marks.count(), 4);
    EXPECT_EQ(marks.entry(0, 0), (Mark{100, 200, 4}));
    EXPECT_EQ(marks.entry(1, 0), Mark{});
    EXPECT_EQ(marks.entry(1, 1), (Mark{110, 210, 2}));
    EXPECT_EQ(marks.entry(0, 1), Mark{});
}

TEST_F(AnalysisListingTest, SelectionsPlotOnlyTheirStones)
{
    const CGame game = gameWith(
        {
            {0, 0, 0, 7, 0, 4, {100, 1}},  // lead, hit and roll, handle 0
            {0, 0, 1, 7, 2, 3, {101, 1}},  // lead, hit and roll, handle 2
            {0, 0, 2, 7, 1, 3, {102, 1}},  // second, hit and roll, handle 1
            {0, 0, 3, 6, 0, 3, {103, 1}},  // second, takeout
            {0, 0, 4, 7, 0, -1, {104, 1}}, // no points recorded
            {0, 1, 0, 7, 0, 2, {105, 1}},  // team 2
        },
        {0, 3, 1, 1});
    struct Case
    {
        quint32 selection;
        std::vector<int> xs;
    };
    const Case cases[] = {
        {1280 + 96 + 17, {100, 101}},      // team 1, clockwise, hit and roll
        {5376 + 96 + 17, {100, 101, 105}}, // both teams
        {1280 + 128 + 17, {102}},          // counter-clockwise
        {1280 + 64, {100, 101, 102, 103}}, // takeouts
        {1280 + 32, {}},                   // draws
        {1 * 256 + 64 + 16, {103}},        // team 1's second, takeout
        {1 * 256, {102, 103}},
    };
    for (const Case& c : cases) {
        std::vector<int> xs;
        for (const Marks::Placed& p : placed(game, c.selection, PlotSource::Rest))
            xs.push_back(p.mark.x);
        EXPECT_EQ(xs, c.xs) << c.selection;
    }
}

TEST_F(AnalysisListingTest, OnlyTheFirstHundredStonesAreShown)
{
    CGame game = gameWith({}, {19, 3, 1, 1});
    for (int e = 0; e < CGame::EndCount; ++e) {
        for (int record = 0; record < CEnd::StoneCount; ++record) {
            CStone& stone = game.Ends[std::size_t(e)].Stones[std::size_t(record)];
            stone.Task = 0;
            stone.Handle = 0;
            stone.Points = 2;
            stone.Positions[std::size_t(record)] = {100 + e, 1 + record};
        }
    }
    Marks marks;
    plot(game, 5376, PlotSource::Rest, marks);
    EXPECT_EQ(marks.count(), 100);
    // Order end, team slot, stone record: 96 marks for ends 0-5, then team 1's
    // records 0-3 of end 6.
    EXPECT_EQ(marks.entry(0, 0), (Mark{100, 1, 2}));
    EXPECT_EQ(marks.entry(1, 8), (Mark{100, 9, 2}));
    EXPECT_EQ(marks.entry(0, 99), (Mark{106, 4, 2}));
    EXPECT_EQ(marks.entry(1, 99), Mark{});
    EXPECT_EQ(marks.drawOrder().size(), 100u);

    // Plotting again starts from an empty table.
    plot(game, 1 * 256 + 8 * 256, PlotSource::Rest, marks); // team 2's second
    EXPECT_EQ(marks.count(), 40);
    EXPECT_EQ(marks.entry(0, 0), Mark{});
    EXPECT_EQ(marks.entry(1, 0), (Mark{100, 11, 2}));
    EXPECT_EQ(marks.entry(0, 99), Mark{});
}

TEST_F(AnalysisListingTest, MarksTableRefusesAFullTableAndOtherSlots)
{
    Marks marks;
    marks.add(2, 10, 10, 4);
    marks.add(-1, 10, 10, 4);
    EXPECT_EQ(marks.count(), 0);
    marks.add(1, 300, 400, 1);
    marks.add(0, 4095, 400, 1); // stored, but never drawn
    marks.add(0, 500, 600, 3);
    EXPECT_EQ(marks.count(), 3);
    // Drawing order: slot 0's table first, then slot 1's.
    EXPECT_EQ(marks.drawOrder(),
              (std::vector<Marks::Placed>{{0, {500, 600, 3}}, {1, {300, 400, 1}}}));
    for (int k = 3; k < 120; ++k)
        marks.add(k % 2, k, k, 0);
    EXPECT_EQ(marks.count(), Marks::Capacity);
    EXPECT_EQ(marks.entry(1, 99), (Mark{99, 99, 0}));
    marks.setShown(true);
    marks.clear();
    EXPECT_EQ(marks.count(), 0);
    EXPECT_TRUE(marks.drawOrder().empty());
    EXPECT_TRUE(marks.shown()); // clearing leaves the flag to show and hide
    EXPECT_EQ(marks.entry(0, 100), Mark{});
}

TEST_F(AnalysisListingTest, MixedDoublesPlotsOnlyDeliveredRecords)
{
    const CGame game = gameWith(
        {{0, 0, 2, 0, 0, 4, {100, 1}}, {0, 0, 3, 0, 0, 4, {103, 1}}, {0, 1, 7, 0, 0, 4, {107, 1}}},
        {0, 3, 1, 1}, true);
    const std::vector<Marks::Placed> marks = placed(game, 5376, PlotSource::Rest);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].mark.x, 103);
    EXPECT_EQ(marks[1].mark.x, 107);
}

TEST_F(AnalysisListingTest, ImageTitleNamesBothTeams)
{
    const CGame game = gameWith({}, {0, 0, 0, 0});
    EXPECT_EQ(imageTitle(game, QStringLiteral("Owner")),
              QStringLiteral("Analysis: ALP - BRA       Owner"));
    EXPECT_EQ(QLatin1String(ImageBaseName), QLatin1String("TALVAnalysis"));
}
