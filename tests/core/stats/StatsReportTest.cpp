#include "core/stats/StatsReport.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/record/Game.h"

#include "support/TestSettings.h"

#include <functional>

namespace {

// Expected clipboard texts are written with '|' for a tab and '$' closing a
// line that ends in blanks.
QString tabbed(const char* text)
{
    return QString::fromUtf8(text)
        .replace(QLatin1Char('|'), QLatin1Char('\t'))
        .remove(QLatin1Char('$'));
}

void record(CGame& game, int end, int team, int rec, int task, int handle, int points)
{
    CStone& s = game.Ends[std::size_t(end)].Stones[std::size_t(team * 8 + rec)];
    s.Task = task;
    s.Handle = handle;
    s.Points = points;
}

// Mixed doubles in progress at the start of end 4 (the split end is 1): team 1's
// fourth plays a draw in end 3, team 2's fourth a front in end 1 and its third
// a stone with a task out of range.
CGame smallGame()
{
    NewGameOptions options;
    options.MixedDoubles = true;
    CGame game{options};
    record(game, 2, 0, 3, 0, 0, 4);
    record(game, 0, 1, 7, 1, 1, 3);
    record(game, 0, 1, 4, 22, 0, 4);
    game.setCurrentPosition({3, 0, 0, 0});
    game.GameState = 6;
    return game;
}

// A finished four-player game: team 1 has stones with every handle, team 2 none.
CGame normalGame()
{
    CGame game{NewGameOptions{}};
    record(game, 0, 0, 0, 0, 2, 4);  // lead, draw, inside->out clockwise
    record(game, 0, 0, 1, 7, 3, 2);  // lead, hit and roll, inside->out counter-clockwise
    record(game, 1, 0, 6, 6, 4, 3);  // fourth, takeout, outside->in
    record(game, 1, 0, 7, 2, 1, 4);  // fourth, guard, counter-clockwise
    record(game, 1, 0, 3, 1, 5, 0);  // second, front, outside->in counter-clockwise
    record(game, 2, 1, 0, 13, 0, 8); // team 2: no statistics
    game.setCurrentPosition({9, 3, 1, 1});
    game.GameState = 8;
    return game;
}

const ReportRow& at(const CStatsReport& report, std::initializer_list<int> path)
{
    const std::vector<ReportRow>* rows = &report.rows();
    const ReportRow* row = nullptr;
    for (const int i : path) {
        row = &rows->at(std::size_t(i));
        rows = &row->children;
    }
    return *row;
}

std::vector<int> childCodes(const ReportRow& row)
{
    std::vector<int> codes;
    for (const ReportRow& child : row.children)
        codes.push_back(child.code);
    return codes;
}

QStringList labels(const std::vector<ReportRow>& rows)
{
    QStringList list;
    for (const ReportRow& row : rows)
        list << row.label;
    return list;
}

} // namespace

class StatsReportTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
    }
};

TEST_F(StatsReportTest, ExportTextsOfEveryView)
{
    Settings::write(Key::Options::AdvancedHandleOptions, 0);
    const CGame game = smallGame();
    const CStatsData stats(game);
    using Expand = std::function<void(CStatsReport&)>;
    const Expand initial = [](CStatsReport&) {};
    const Expand some = [](CStatsReport& r) {
        ReportRow& overall = r.rows()[0].children[0];
        overall.expanded = true;
        overall.children[2].expanded = true; // clockwise
        overall.children[4].expanded = true; // ends
        r.rows()[1].expanded = false;
    };
    const Expand all = [](CStatsReport& r) { r.expandAll(); };
    struct Case
    {
        int view;
        bool visibleOnly;
        Expand expand;
        const char* text;
    };
    const Case cases[] = {
        {0, false, initial,
         R"(Statistics (percentages)

Team 1|||1| 100.0 %
|Total draws||||1| 100.0 %
||Draw|||||1| 100.0 %
||Front|||||0|   -    $
||Guard|||||0|   -    $
||Raise (tap back)|||||0|   -    $
||Wick/Softpeeling|||||0|   -    $
||Freeze|||||0|   -    $
|Total takeouts||||0|   -    $
|Clockwise||||1| 100.0 %
||Clockwise:  draws|||||1| 100.0 %
||Clockwise:  takeouts|||||0|   -    $
|Counter-clockwise||||0|   -    $
|Ends: End 1-1||||0|   -    $
|Ends: End 2-3||||1| 100.0 %
||End 3|||||1| 100.0 %
|Stone order||||1| 100.0 %
||First stone|||||0|   -    $
||Second stone|||||1| 100.0 %
Te1 Player A|||1| 100.0 %
|Total draws||||1| 100.0 %
||Draw|||||1| 100.0 %
||Front|||||0|   -    $
||Guard|||||0|   -    $
||Raise (tap back)|||||0|   -    $
||Wick/Softpeeling|||||0|   -    $
||Freeze|||||0|   -    $
|Total takeouts||||0|   -    $
|Clockwise||||1| 100.0 %
||Clockwise:  draws|||||1| 100.0 %
||Clockwise:  takeouts|||||0|   -    $
|Counter-clockwise||||0|   -    $
|Ends: End 1-1||||0|   -    $
|Ends: End 2-3||||1| 100.0 %
||End 3|||||1| 100.0 %
|Stone order||||1| 100.0 %
||First stone|||||0|   -    $
||Second stone|||||1| 100.0 %
Te1 Player B|||0|   -    $
|Total draws||||0|   -    $
|Total takeouts||||0|   -    $
|Clockwise||||0|   -    $
|Counter-clockwise||||0|   -    $

Team 2|||1|  75.0 %
|Total draws||||1|  75.0 %
||Draw|||||0|   -    $
||Front|||||1|  75.0 %
||Guard|||||0|   -    $
||Raise (tap back)|||||0|   -    $
||Wick/Softpeeling|||||0|   -    $
||Freeze|||||0|   -    $
|Total takeouts||||0|   -    $
|Clockwise||||0|   -    $
|Counter-clockwise||||1|  75.0 %
||Counter-clockwise:  |||||1|  75.0 %
||Counter-clockwise:  |||||0|   -    $
|Ends: End 1-1||||1|  75.0 %
|Ends: End 2-3||||0|   -    $
||End 1|||||1|  75.0 %
|Stone order||||1|  75.0 %
||First stone|||||0|   -    $
||Second stone|||||1|  75.0 %
Te2 Player A|||1|  75.0 %
|Total draws||||1|  75.0 %
||Draw|||||0|   -    $
||Front|||||1|  75.0 %
||Guard|||||0|   -    $
||Raise (tap back)|||||0|   -    $
||Wick/Softpeeling|||||0|   -    $
||Freeze|||||0|   -    $
|Total takeouts||||0|   -    $
|Clockwise||||0|   -    $
|Counter-clockwise||||1|  75.0 %
||Counter-clockwise:  |||||1|  75.0 %
||Counter-clockwise:  |||||0|   -    $
|Ends: End 1-1||||1|  75.0 %
|Ends: End 2-3||||0|   -    $
||End 1|||||1|  75.0 %
|Stone order||||1|  75.0 %
||First stone|||||0|   -    $
||Second stone|||||1|  75.0 %
Te2 Player B|||0|   -    $
|Total draws||||0|   -    $
|Total takeouts||||0|   -    $
|Clockwise||||0|   -    $
|Counter-clockwise||||0|   -    $

)"},
        {0, true, initial,
         R"(Statistics (percentages)

Team 1|||1| 100.0 %
Te1 Player A|||1| 100.0 %
Te1 Player B|||0|   -    $

Team 2|||1|  75.0 %
Te2 Player A|||1|  75.0 %
Te2 Player B|||0|   -    $

)"},
        {1, false, initial,
         R"(Statistics (percentages)

Total:
Team 1|||1| 100.0 %
|Total draws||||1| 100.0 %
|Total takeouts||||0|   -    $
|Clockwise||||1| 100.0 %
|Counter-clockwise||||0|   -    $
||Draw|||||1| 100.0 %
||Front|||||0|   -    $
||Guard|||||0|   -    $
||Raise (tap back)|||||0|   -    $
||Wick/Softpeeling|||||0|   -    $
||Freeze|||||0|   -    $
||Takeout|||||0|   -    $
||Hit and Roll|||||0|   -    $
||Clearing|||||0|   -    $
||Double Takeout|||||0|   -    $
||Promotion Takeout|||||0|   -    $
||Through (not counted|||||23|   -    $
Team 2|||1|  75.0 %
|Total draws||||1|  75.0 %
|Total takeouts||||0|   -    $
|Clockwise||||0|   -    $
|Counter-clockwise||||1|  75.0 %
||Draw|||||0|   -    $
||Front|||||1|  75.0 %
||Guard|||||0|   -    $
||Raise (tap back)|||||0|   -    $
||Wick/Softpeeling|||||0|   -    $
||Freeze|||||0|   -    $
||Takeout|||||0|   -    $
||Hit and Roll|||||0|   -    $
||Clearing|||||0|   -    $
||Double Takeout|||||0|   -    $
||Promotion Takeout|||||0|   -    $
||Through (not counted|||||23|   -    $

)"},
        {1, true, initial,
         R"(Statistics (percentages)

Total:
Team 1|||1| 100.0 %
Team 2|||1|  75.0 %

)"},
        {2, false, initial,
         R"(Statistics (percentages): Difference to opponent

Team 1|||1| +25.0 %
|Total draws||||1| +25.0 %
||Draw|||||1| 100.0 %
||Front|||||0|   -    $
||Guard|||||0|   -    $
||Raise (tap back)|||||0|   -    $
||Wick/Softpeeling|||||0|   -    $
||Freeze|||||0|   -    $
|Total takeouts||||0|   -    $
|Clockwise||||1| 100.0 %
||Clockwise:  draws|||||1| 100.0 %
||Clockwise:  takeouts|||||0|   -    $
|Counter-clockwise||||0|   -    $
|Ends: End 1-1||||0|   -    $
|Ends: End 2-3||||1| 100.0 %
||End 3|||||1| 100.0 %
|Stone order||||1| +25.0 %
||First stone|||||0|   -    $
||Second stone|||||1| +25.0 %
Te1 Player A|||1| +25.0 %
|Total draws||||1| +25.0 %
||Draw|||||1| 100.0 %
||Front|||||0|   -    $
||Guard|||||0|   -    $
||Raise (tap back)|||||0|   -    $
||Wick/Softpeeling|||||0|   -    $
||Freeze|||||0|   -    $
|Total takeouts||||0|   -    $
|Clockwise||||1| 100.0 %
||Clockwise:  draws|||||1| 100.0 %
||Clockwise:  takeouts|||||0|   -    $
|Counter-clockwise||||0|   -    $
|Ends: End 1-1||||0|   -    $
|Ends: End 2-3||||1| 100.0 %
||End 3|||||1| 100.0 %
|Stone order||||1| +25.0 %
||First stone|||||0|   -    $
||Second stone|||||1| +25.0 %
Te1 Player B|||0|   -    $
|Total draws||||0|   -    $
|Total takeouts||||0|   -    $
|Clockwise||||0|   -    $
|Counter-clockwise||||0|   -    $

Team 2|||1| -25.0 %
|Total draws||||1| -25.0 %
||Draw|||||0|   -    $
||Front|||||1|  75.0 %
||Guard|||||0|   -    $
||Raise (tap back)|||||0|   -    $
||Wick/Softpeeling|||||0|   -    $
||Freeze|||||0|   -    $
|Total takeouts||||0|   -    $
|Clockwise||||0|   -    $
|Counter-clockwise||||1|  75.0 %
||Counter-clockwise:  |||||1|  75.0 %
||Counter-clockwise:  |||||0|   -    $
|Ends: End 1-1||||1|  75.0 %
|Ends: End 2-3||||0|   -    $
||End 1|||||1|  75.0 %
|Stone order||||1| -25.0 %
||First stone|||||0|   -    $
||Second stone|||||1| -25.0 %
Te2 Player A|||1| -25.0 %
|Total draws||||1| -25.0 %
||Draw|||||0|   -    $
||Front|||||1|  75.0 %
||Guard|||||0|   -    $
||Raise (tap back)|||||0|   -    $
||Wick/Softpeeling|||||0|   -    $
||Freeze|||||0|   -    $
|Total takeouts||||0|   -    $
|Clockwise||||0|   -    $
|Counter-clockwise||||1|  75.0 %
||Counter-clockwise:  |||||1|  75.0 %
||Counter-clockwise:  |||||0|   -    $
|Ends: End 1-1||||1|  75.0 %
|Ends: End 2-3||||0|   -    $
||End 1|||||1|  75.0 %
|Stone order||||1| -25.0 %
||First stone|||||0|   -    $
||Second stone|||||1| -25.0 %
Te2 Player B|||0|   -    $
|Total draws||||0|   -    $
|Total takeouts||||0|   -    $
|Clockwise||||0|   -    $
|Counter-clockwise||||0|   -    $

)"},
        {2, true, some,
         R"(Statistics (percentages): Difference to opponent

Team 1|||1| +25.0 %
|Total draws||||1| +25.0 %
|Total takeouts||||0|   -    $
|Clockwise||||1| 100.0 %
||Clockwise:  draws|||||1| 100.0 %
||Clockwise:  takeouts|||||0|   -    $
|Counter-clockwise||||0|   -    $
|Ends: End 1-1||||0|   -    $
|Ends: End 2-3||||1| 100.0 %
||End 3|||||1| 100.0 %
|Stone order||||1| +25.0 %
Te1 Player A|||1| +25.0 %
Te1 Player B|||0|   -    $

)"},
        {3, false, initial,
         R"(Statistics (percentages): Difference to opponent

Total:
Team 1|||1| +25.0 %
|Total draws||||1| +25.0 %
|Total takeouts||||0|   -    $
|Clockwise||||1| 100.0 %
|Counter-clockwise||||0|   -    $
||Draw|||||1| 100.0 %
||Front|||||0|   -    $
||Guard|||||0|   -    $
||Raise (tap back)|||||0|   -    $
||Wick/Softpeeling|||||0|   -    $
||Freeze|||||0|   -    $
||Takeout|||||0|   -    $
||Hit and Roll|||||0|   -    $
||Clearing|||||0|   -    $
||Double Takeout|||||0|   -    $
||Promotion Takeout|||||0|   -    $
||Through (not counted|||||23|   -    $
Team 2|||1| -25.0 %
|Total draws||||1| -25.0 %
|Total takeouts||||0|   -    $
|Clockwise||||0|   -    $
|Counter-clockwise||||1|  75.0 %
||Draw|||||0|   -    $
||Front|||||1|  75.0 %
||Guard|||||0|   -    $
||Raise (tap back)|||||0|   -    $
||Wick/Softpeeling|||||0|   -    $
||Freeze|||||0|   -    $
||Takeout|||||0|   -    $
||Hit and Roll|||||0|   -    $
||Clearing|||||0|   -    $
||Double Takeout|||||0|   -    $
||Promotion Takeout|||||0|   -    $
||Through (not counted|||||23|   -    $

)"},
        {3, true, all,
         R"(Statistics (percentages): Difference to opponent

Total:
Team 1|||1| +25.0 %
|Total draws||||1| +25.0 %
|Total takeouts||||0|   -    $
|Clockwise||||1| 100.0 %
|Counter-clockwise||||0|   -    $
||Draw|||||1| 100.0 %
||Front|||||0|   -    $
||Guard|||||0|   -    $
||Raise (tap back)|||||0|   -    $
||Wick/Softpeeling|||||0|   -    $
||Freeze|||||0|   -    $
Team 2|||1| -25.0 %
|Total draws||||1| -25.0 %
|Total takeouts||||0|   -    $
|Clockwise||||0|   -    $
|Counter-clockwise||||1|  75.0 %
||Draw|||||0|   -    $
||Front|||||1|  75.0 %
||Guard|||||0|   -    $
||Raise (tap back)|||||0|   -    $
||Wick/Softpeeling|||||0|   -    $
||Freeze|||||0|   -    $

)"},
    };
    for (const Case& c : cases) {
        CStatsReport report(stats, ReportSubject::ofGame(game));
        report.setView(c.view);
        c.expand(report);
        EXPECT_EQ(report.exportText(c.visibleOnly).toStdString(), tabbed(c.text).toStdString())
            << c.view << (c.visibleOnly ? " visible" : " all");
    }
}

TEST_F(StatsReportTest, LayoutByTeamListsWhatHasStones)
{
    const CGame game = normalGame();
    const CStatsData stats(game);
    const CStatsReport report(stats, ReportSubject::ofGame(game));
    ASSERT_EQ(report.rows().size(), 2u);
    const ReportRow& team1 = at(report, {0});
    EXPECT_EQ(team1.label, QStringLiteral("Team 1"));
    EXPECT_TRUE(team1.isHeading());
    EXPECT_EQ(team1.stones, -1);
    EXPECT_TRUE(team1.expanded);
    EXPECT_EQ(labels(team1.children),
              (QStringList{"Total", "Te1 Player 4 (4,Skip)", "Te1 Player 3 (3)", "Te1 Player 2 (2)",
                           "Te1 Player 1 (1)", "Te1 Player 5 (A)"}));

    const ReportRow& overall = at(report, {0, 0});
    EXPECT_EQ(overall.stones, 5);
    EXPECT_FALSE(overall.expanded);
    EXPECT_EQ(childCodes(overall), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(childCodes(at(report, {0, 0, 0})), (std::vector<int>{10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(childCodes(at(report, {0, 0, 1})), (std::vector<int>{16, 17, 18, 19, 20, 21}));
    EXPECT_EQ(at(report, {0, 0, 1, 5}).label, QStringLiteral("Through (not counted)"));
    EXPECT_EQ(childCodes(at(report, {0, 0, 2})), (std::vector<int>{31, 32}));
    EXPECT_EQ(labels(at(report, {0, 0, 3}).children),
              (QStringList{"Counter-clockwise:  draws", "Counter-clockwise:  takeouts"}));
    // The second label of a handle sub-row loses as many characters as "Total" has.
    EXPECT_EQ(labels(at(report, {0, 0, 4}).children),
              (QStringList{"Inside->out:  draws", "Inside->out:  takeouts", "Inside->out: wise",
                           "Inside->out: er-clockwise"}));
    EXPECT_EQ(childCodes(at(report, {0, 0, 5})), (std::vector<int>{61, 62, 63, 64}));
    // Ends: the split end is 4, so only the first half and ends 1 and 2 have stones.
    const ReportRow& ends = at(report, {0, 0, 6});
    EXPECT_TRUE(ends.isHeading());
    EXPECT_EQ(ends.stones, 5);
    EXPECT_EQ(childCodes(ends), (std::vector<int>{71, 701, 702}));
    EXPECT_EQ(labels(ends.children), (QStringList{"End 1-4", "End 1", "End 2"}));
    EXPECT_EQ(labels(at(report, {0, 0, 7}).children), (QStringList{"First stone", "Second stone"}));

    // Players with stones get the same rows for their slot; the others none.
    const ReportRow& fourth = at(report, {0, 1});
    EXPECT_EQ(fourth.slot, 3);
    EXPECT_EQ(fourth.stones, 2);
    EXPECT_EQ(childCodes(fourth), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(at(report, {0, 1, 4}).children.empty()); // no inside->out stone
    EXPECT_TRUE(at(report, {0, 2}).children.empty());

    // A team without a counted stone: the overall row alone, without data.
    const ReportRow& team2 = at(report, {1, 0});
    EXPECT_TRUE(team2.children.empty());
    EXPECT_EQ(team2.figure, CStatsData::noDataText());
    EXPECT_EQ(team2.stones, 0);
    EXPECT_EQ(at(report, {1}).children.size(), 6u);

    // Without the advanced handles only four group rows.
    Settings::write(Key::Options::AdvancedHandleOptions, 0);
    const CStatsReport plain(stats, ReportSubject::ofGame(game));
    EXPECT_EQ(childCodes(at(plain, {0, 0})), (std::vector<int>{1, 2, 3, 4, 7, 8}));
}

TEST_F(StatsReportTest, LayoutByPositionHasHeadersAndPositionRoots)
{
    const CGame game = normalGame();
    const CStatsData stats(game);
    CStatsReport report(stats, ReportSubject::ofGame(game));
    report.setView(1);
    EXPECT_EQ(labels(report.rows()),
              (QStringList{"Total:", "Fourth:", "Third:", "Second:", "Lead:", "Alternate:"}));
    for (const ReportRow& root : report.rows()) {
        EXPECT_TRUE(root.expanded);
        EXPECT_EQ(root.stones, -1);
        EXPECT_EQ(root.children.size(), 2u);
    }
    const ReportRow& team1 = at(report, {0, 0});
    EXPECT_EQ(team1.label, QStringLiteral("Team 1"));
    EXPECT_EQ(childCodes(team1), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(at(report, {0, 0, 4}).children.empty()); // no handle sub-rows here
    const ReportRow& ends = at(report, {0, 0, 6});
    const ReportRow& order = at(report, {0, 0, 7});
    EXPECT_TRUE(ends.isHeading());
    EXPECT_TRUE(order.isHeading());
    EXPECT_EQ(ends.stones, 5);
    EXPECT_EQ(order.stones, 5);
    EXPECT_EQ(childCodes(ends), (std::vector<int>{71}));
    EXPECT_EQ(childCodes(order), (std::vector<int>{81, 82}));
    // A team without stones still has its rows, with empty headers.
    EXPECT_EQ(childCodes(at(report, {0, 1})), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(at(report, {0, 1, 6}).children.empty());

    EXPECT_EQ(labels(at(report, {1}).children), (QStringList{"Te1 Player 4", "Te2 Player 4"}));
    EXPECT_EQ(childCodes(at(report, {1, 0})), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(at(report, {1, 1}).children.empty());
    EXPECT_EQ(at(report, {4, 0}).slot, 0);
}

TEST_F(StatsReportTest, RowTextsPadOrCutTheLabelToTheRowsWidth)
{
    CGame game = normalGame();
    game.Teams[0].Text = QStringLiteral("A team name of forty characters, exactly");
    ASSERT_EQ(game.Teams[0].Text.size(), 40);
    const CStatsData stats(game);
    struct Case
    {
        int view;
        std::initializer_list<int> path;
        int width;
    };
    const Case cases[] = {
        {0, {0, 0}, 30},       {0, {0, 1}, 39},       {0, {0, 0, 0}, 46},    {0, {0, 0, 2}, 46},
        {0, {0, 0, 7}, 46},    {0, {0, 0, 6, 0}, 44}, {0, {0, 0, 6, 1}, 53}, {0, {0, 0, 0, 0}, 53},
        {0, {0, 0, 4, 3}, 53}, {0, {0, 0, 7, 0}, 53}, {1, {0, 0}, 30},       {1, {1, 0}, 39},
        {1, {0, 0, 6, 0}, 44}, {1, {0, 0, 7, 1}, 44}, {1, {0, 0, 1, 0}, 53}, {2, {0, 1, 0}, 46},
    };
    for (const Case& c : cases) {
        CStatsReport report(stats, ReportSubject::ofGame(game));
        report.setView(c.view);
        const ReportRow& row = at(report, c.path);
        const QString padded = row.label.leftJustified(c.width, QLatin1Char(' '), true);
        EXPECT_EQ(row.figure.size(), 8);
        EXPECT_EQ(row.text, padded + row.figure) << c.view << ": " << row.label.toStdString();
    }
    CStatsReport report(stats, ReportSubject::ofGame(game));
    EXPECT_EQ(at(report, {0, 0}).text, "Total" + QString(25, ' ') + "  65.0 %");
    EXPECT_EQ(at(report, {0}).text, game.Teams[0].Text + QStringLiteral("        "));
    EXPECT_TRUE(report.exportText(false).contains(
        QStringLiteral("\n\nA team name of forty character\t\t\t5\t  65.0 %\n")));
    report.setView(1);
    EXPECT_EQ(at(report, {0, 0}).text, QStringLiteral("A team name of forty character  65.0 %"));
    EXPECT_TRUE(report.exportText(false).contains(
        QStringLiteral("\nTotal:\nA team name of forty character\t\t\t5\t  65.0 %\n")));
}

TEST_F(StatsReportTest, TitleAndViewChangesFollowTheDisplayRule)
{
    struct Case
    {
        int displayStats, gameState;
        bool tournament;
        std::vector<int> views; // after each change of view, from view 0
        const char* title0;
        const char* title2;
        const char* overall; // figure of team 1's overall row in view 0
    };
    const Case cases[] = {
        {1,
         6,
         false,
         {1, 2, 3, 0},
         "Statistics (percentages)",
         "Statistics (percentages): Difference to opponent",
         "  65.0 %"},
        {0, 6, false, {1, 0, 1, 0}, "Statistics (number of stones)", nullptr, "5"},
        {0,
         8,
         false,
         {1, 2, 3, 0},
         "Statistics (percentages)",
         "Statistics (percentages): Difference to opponent",
         "  65.0 %"},
        {1,
         8,
         true,
         {1, 2, 3, 0},
         "Games of Team 1: Statistics (percentages)",
         "Games of Team 1: Statistics (percentages): Difference to opponent",
         "  65.0 %"},
    };
    for (const Case& c : cases) {
        Settings::write(Key::Preferences::DisplayStats, c.displayStats);
        CGame game = normalGame();
        game.GameState = c.gameState;
        const CStatsData stats(game);
        CStatsReport report(stats, c.tournament
                                       ? ReportSubject::ofTournament(game, "Games of Team 1")
                                       : ReportSubject::ofGame(game));
        EXPECT_EQ(report.title(), QLatin1String(c.title0));
        EXPECT_EQ(at(report, {0, 0}).figure, QLatin1String(c.overall));
        std::vector<int> seen;
        for (std::size_t i = 0; i < c.views.size(); ++i) {
            report.changeView();
            seen.push_back(report.view());
            if (report.view() == 2) {
                EXPECT_EQ(report.title(), QLatin1String(c.title2));
            }
        }
        EXPECT_EQ(seen, c.views) << c.displayStats << " " << c.gameState;
        EXPECT_TRUE(report.exportText(true).startsWith(QLatin1String(c.title0) + "\n\n"));
    }
}

TEST_F(StatsReportTest, ExpandAllOpensOnlyRowsWithChildrenAndCollapsedRootsCopyNothing)
{
    const CGame game = normalGame();
    const CStatsData stats(game);
    CStatsReport report(stats, ReportSubject::ofGame(game));
    std::function<void(const std::vector<ReportRow>&, bool)> check =
        [&](const std::vector<ReportRow>& rows, bool expanded) {
            for (const ReportRow& row : rows) {
                EXPECT_EQ(row.expanded, expanded && !row.children.empty())
                    << row.label.toStdString();
                check(row.children, expanded);
            }
        };
    for (int view = 0; view < CStatsReport::ViewCount; ++view) {
        report.setView(view);
        EXPECT_TRUE(report.offersExpandAll());
        report.expandAll();
        EXPECT_FALSE(report.offersExpandAll());
        check(report.rows(), true);
        // Copy all also writes, by team, the group rows of the 8 rows without
        // stones; by position, the tasks of the 3 categories without stones under
        // rows that are shown, and the rows of the 7 players without stones.
        const int leftOut = view % 2 == 0 ? 8 * 6 : 3 * 6 + 7 * (6 + 12);
        EXPECT_EQ(report.exportText(true).count(QLatin1Char('\n')),
                  report.exportText(false).count(QLatin1Char('\n')) - leftOut)
            << view;
        report.collapseAll();
        EXPECT_TRUE(report.offersExpandAll());
        check(report.rows(), false);
        EXPECT_EQ(report.exportText(true), report.title() + QStringLiteral("\n\n"));
    }
    report.expandAll();
    report.changeView(); // a new tree in its first expansion
    EXPECT_TRUE(report.offersExpandAll());
    EXPECT_TRUE(at(report, {0}).expanded);
    EXPECT_FALSE(at(report, {0, 0}).expanded);
}

TEST_F(StatsReportTest, TooltipsAndTournamentNames)
{
    const CGame game = normalGame();
    const CStatsData stats(game);
    const CStatsReport single(stats, ReportSubject::ofGame(game));
    EXPECT_EQ(CStatsReport::toolTip(at(single, {0})), QString());
    EXPECT_EQ(CStatsReport::toolTip(at(single, {0, 0})),
              QStringLiteral("Number of considered stones: 5"));
    EXPECT_EQ(CStatsReport::toolTip(at(single, {1, 0})),
              QStringLiteral("Number of considered stones: 0"));
    EXPECT_TRUE(single.exportText(false).contains(
        QStringLiteral("\nTe1 Player 4 (4,Skip)\t\t\t2\t  87.5 %\n")));

    // The tournament shows the names alone.
    const CStatsReport tournament(stats, ReportSubject::ofTournament(game, "Season"));
    EXPECT_EQ(at(tournament, {0, 1}).label, QStringLiteral("Te1 Player 4"));
    EXPECT_TRUE(
        tournament.exportText(false).contains(QStringLiteral("\nTe1 Player 4\t\t\t2\t  87.5 %\n")));
    EXPECT_TRUE(tournament.exportText(false).startsWith(
        QStringLiteral("Season: Statistics (percentages)\n\n")));
}
