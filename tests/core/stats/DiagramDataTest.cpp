#include "core/stats/DiagramData.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/record/Game.h"
#include "core/stats/StatsData.h"

#include "support/TestSettings.h"

using namespace Diagram;

namespace {

constexpr qint32 kDark = 0x0000FF;
constexpr qint32 kLight = 0x00C8FF;

struct Shot
{
    int end, team, record, points;
};

CGame gameWith(std::initializer_list<Shot> shots, GamePosition position, bool mixed = false)
{
    NewGameOptions options;
    options.MixedDoubles = mixed;
    CGame game{options};
    game.Teams[0].Text = QStringLiteral("Alpha");
    game.Teams[0].ShortName = QStringLiteral("ALP");
    game.Teams[1].Text = QStringLiteral("Bravo team");
    game.Teams[1].ShortName = QStringLiteral("BRAVO");
    for (const Shot& s : shots) {
        CStone& stone = game.Ends[std::size_t(s.end)].Stones[std::size_t(s.team * 8 + s.record)];
        stone.Task = 0;
        stone.Handle = 0;
        stone.Points = s.points;
    }
    game.setCurrentPosition(position);
    game.GameState = 6;
    return game;
}

// Team 1: lead 4 and fourth 2 in end 1, the fourth 4 in end 2 (the lead threw
// none), lead 2 and third 3 in end 3. Team 2 has no counted stone. On the lead
// of end 4.
CGame threeEnds()
{
    return gameWith({{0, 0, 0, 4}, {0, 0, 6, 2}, {1, 0, 6, 4}, {2, 0, 0, 2}, {2, 0, 4, 3}},
                    {3, 0, 0, 0});
}

struct ExpectedLine
{
    Line::Kind kind;
    int team, slot;
    std::vector<int> values;
    qint32 colour;
    const char *left, *right, *middle;
};

void expectLines(const DiagramData& data, const std::vector<ExpectedLine>& expected)
{
    ASSERT_EQ(data.lines.size(), expected.size()) << data.title.toStdString();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Line& line = data.lines[i];
        const ExpectedLine& e = expected[i];
        SCOPED_TRACE(testing::Message() << data.title.toStdString() << ", line " << i);
        EXPECT_EQ(line.kind, e.kind);
        EXPECT_EQ(line.team, e.team);
        EXPECT_EQ(line.slot, e.slot);
        EXPECT_EQ(line.values, e.values);
        EXPECT_EQ(line.colour, e.colour);
        EXPECT_EQ(line.leftLabel, QLatin1String(e.left));
        EXPECT_EQ(line.rightLabel, QLatin1String(e.right));
        EXPECT_EQ(line.middleLabel, QLatin1String(e.middle));
    }
}

} // namespace

class DiagramDataTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
    }
};

TEST_F(DiagramDataTest, PointsOfASingleGame)
{
    struct Case
    {
        int end, player;
        bool mixed;
        int lastPoint;
    };
    const Case cases[] = {
        {2, 0, false, 1}, // on the lead of end 3: ends 1 and 2
        {2, 1, false, 2},   {3, 3, false, 3}, {0, 0, false, 0}, {19, 0, false, 18},
        {19, 3, false, 19}, {3, 1, true, 2}, // mixed doubles, first stone of end 4
        {3, 2, true, 3},    {3, 0, true, 2},  {0, 1, true, 0}, // the very start of a mixed-doubles
                                                               // game still has end 1
    };
    for (const Case& c : cases) {
        CGame game = gameWith({}, {c.end, c.player, 0, 0}, c.mixed);
        EXPECT_EQ(lastPointOfGame(game), c.lastPoint) << c.end << "/" << c.player << c.mixed;
        const DiagramData data = ofGame(game, CStatsData(game), {}, kDark, kLight);
        EXPECT_EQ(data.pointCount(), c.lastPoint + 1);
        EXPECT_EQ(data.lines.at(0).values.size(), std::size_t(c.lastPoint + 1));
        EXPECT_EQ(data.scores[1].values.size(), std::size_t(c.lastPoint + 1));
    }
}

TEST_F(DiagramDataTest, CommandIsOfferedFromTheThirdEndOfAGameSetUp)
{
    struct Case
    {
        int state, end, player, displayDiagram;
        bool enabled;
    };
    const Case cases[] = {
        {6, 2, 0, 1, true},  {5, 2, 0, 1, true}, {4, 2, 0, 1, false}, {6, 1, 3, 1, false},
        {6, 2, 0, 0, false}, {6, 2, 1, 0, true}, {8, 2, 0, 0, true},  {7, 5, 2, 0, false},
    };
    for (const Case& c : cases) {
        Settings::write(Key::Preferences::DisplayDiagram, c.displayDiagram);
        CGame game = gameWith({}, {c.end, c.player, 0, 0});
        game.GameState = c.state;
        EXPECT_EQ(commandEnabled(game), c.enabled)
            << c.state << " " << c.end << " " << c.player << " " << c.displayDiagram;
    }
}

TEST_F(DiagramDataTest, ButtonsChangeTheSubjectAndTheTitle)
{
    const CGame game = threeEnds();
    const CStatsData stats(game);
    struct Step
    {
        int press; // -1 Teams, else Player press + 1
        int subject, teamChoice;
        const char* title;
    };
    const Step steps[] = {
        {-1, 5, 0, "Diagram: Alpha"},   {-1, 5, 1, "Diagram: Bravo team"},
        {-1, 5, 2, "Diagram"},          {-1, 5, 0, "Diagram: Alpha"},
        {1, 1, 0, "Diagram: Player 2"}, // the team choice stays but is not named
        {3, 3, 0, "Diagram: Player 4"}, {-1, 5, 2, "Diagram"}, // back from a player: both teams
        {0, 0, 2, "Diagram: Player 1"},
    };
    Choice choice;
    EXPECT_EQ(ofGame(game, stats, choice, kDark, kLight).title, QStringLiteral("Diagram"));
    for (const Step& s : steps) {
        if (s.press < 0)
            choice.pressTeams();
        else
            choice.pressPlayer(s.press);
        EXPECT_EQ(choice, (Choice{s.subject, s.teamChoice})) << s.title;
        EXPECT_EQ(ofGame(game, stats, choice, kDark, kLight).title, QLatin1String(s.title));
    }
    const Teams teams{{QStringLiteral("Home"), QStringLiteral("Guests")},
                      {QStringLiteral("HOM"), QStringLiteral("Gue")}};
    EXPECT_EQ(ofTournament(CStatsData(), teams, {5, 1}, kDark, kLight).title,
              QStringLiteral("Tournament diagram: Guests"));
}

TEST_F(DiagramDataTest, PlayerButtonsShown)
{
    for (int p = 0; p < 5; ++p) {
        EXPECT_EQ(playerButtonVisible(p, false, false), p < 4) << p;
        EXPECT_TRUE(playerButtonVisible(p, false, true)) << p;
        EXPECT_FALSE(playerButtonVisible(p, true, false)) << p;
        EXPECT_FALSE(playerButtonVisible(p, true, true)) << p;
    }
}

TEST_F(DiagramDataTest, LinesOfEachSubject)
{
    const CGame game = threeEnds();
    const CStatsData stats(game);
    using K = Line::Kind;
    const std::vector<int> none{-1, -1, -1};
    struct Case
    {
        Choice choice;
        std::vector<ExpectedLine> lines;
    };
    const Case cases[] = {
        {{5, 2},
         {{K::Team, 0, 5, {75, 100, 62}, kDark, "ALP", "ALP", ""},
          {K::Team, 1, 5, none, kLight, "BRA", "BRA", ""}}},
        {{5, 0},
         {{K::Player, 0, 0, {100, -1, 50}, 0x000000, "1", "1", "1"},
          {K::Player, 0, 1, none, 0x007F00, "2", "2", ""},
          // No value up to the middle point: no middle label.
          {K::Player, 0, 2, {-1, -1, 75}, 0x7F0000, "3", "3", ""},
          {K::Player, 0, 3, {50, 100, -1}, 0x00007F, "4", "4", "4"},
          {K::Player, 0, 4, none, kDark, "5", "5", ""},
          {K::Team, 0, 5, {75, 100, 62}, kDark, "ALP", "ALP", ""}}},
        {{5, 1},
         {{K::Player, 1, 0, none, 0x000000, "1", "1", ""},
          {K::Player, 1, 1, none, 0x007F00, "2", "2", ""},
          {K::Player, 1, 2, none, 0x7F0000, "3", "3", ""},
          {K::Player, 1, 3, none, 0x00007F, "4", "4", ""},
          {K::Player, 1, 4, none, kDark, "5", "5", ""},
          {K::Team, 1, 5, none, kLight, "BRA", "BRA", ""}}},
        // The right label of a player line only once it has a value.
        {{0, 2},
         {{K::PlayerSubject, 0, 0, {100, -1, 50}, kDark, "ALP", "ALP", ""},
          {K::PlayerSubject, 1, 0, none, kLight, "BRA", "", ""}}},
    };
    for (const Case& c : cases)
        expectLines(ofGame(game, stats, c.choice, kDark, kLight), c.lines);

    // A gap holds the last height; a line without values has none.
    const DiagramData byPlayer = ofGame(game, stats, {5, 0}, kDark, kLight);
    const Line& lead = byPlayer.lines[0];
    EXPECT_EQ(lead.heldValue(1), 100);
    EXPECT_EQ(lead.heldValue(2), 50);
    EXPECT_EQ(byPlayer.lines[3].heldValue(2), 100);
    EXPECT_FALSE(byPlayer.lines[1].hasValue());
    EXPECT_EQ(byPlayer.lines[1].heldValue(2), -1);
}

TEST_F(DiagramDataTest, MixedDoublesPlayerLinesAreLabelledAAndB)
{
    CGame game = gameWith({{0, 0, 3, 4}, {0, 0, 4, 2}}, {2, 1, 1, 0}, true);
    game.Teams[0].ShortName = QStringLiteral("MD");
    const DiagramData data = ofGame(game, CStatsData(game), {5, 0}, kDark, kLight);
    using K = Line::Kind;
    const std::vector<int> none{-1, -1};
    expectLines(data, {{K::Player, 0, 0, none, 0x000000, "", "", ""},
                       {K::Player, 0, 1, none, 0x007F00, "", "", ""},
                       {K::Player, 0, 2, {50, -1}, 0x7F0000, "B", "B", "B"},
                       {K::Player, 0, 3, {100, -1}, 0x00007F, "A", "A", "A"},
                       {K::Player, 0, 4, none, kDark, "", "", ""},
                       {K::Team, 0, 5, {75, -1}, kDark, "MD", "MD", ""}});
}

TEST_F(DiagramDataTest, ScoreRowsOfAGameStarTheSideChosenAtSetUp)
{
    CGame game = threeEnds();
    game.Ends[0].EndScore = {1, 0};
    game.Ends[1].EndScore = {0, 2};
    game.Ends[3].EndScore = {7, 7}; // after the last point
    const CStatsData stats(game);
    DiagramData data = ofGame(game, stats, {}, kDark, kLight);
    EXPECT_EQ(data.scores[0].values, (std::vector<QString>{"1", "0", "0"}));
    EXPECT_EQ(data.scores[1].values, (std::vector<QString>{"0", "2", "0"}));
    EXPECT_EQ(data.scores[0].leftLabel, QStringLiteral("*ALP"));
    EXPECT_EQ(data.scores[1].leftLabel, QStringLiteral("BRA"));
    EXPECT_EQ(data.scores[0].rightLabel, QStringLiteral("ALP"));
    game.GameValue2 = 0;
    data = ofGame(game, stats, {}, kDark, kLight);
    EXPECT_EQ(data.scores[0].leftLabel, QStringLiteral("ALP"));
    EXPECT_EQ(data.scores[1].leftLabel, QStringLiteral("*BRA"));
    EXPECT_EQ(data.scores[1].rightLabel, QStringLiteral("BRA"));
}

TEST_F(DiagramDataTest, TournamentFormHasOnePointPerGame)
{
    CGame first = gameWith({{0, 0, 0, 4}, {0, 0, 1, 2}, {0, 1, 0, 1}}, {19, 3, 1, 1});
    first.Teams[0].TeamTotal = 6;
    first.Teams[1].TeamTotal = 4;
    CGame second = gameWith({{0, 0, 0, 1}, {3, 0, 2, 3}}, {19, 3, 1, 1});
    second.Teams[0].TeamTotal = 3;
    second.Teams[1].TeamTotal = 8;
    CStatsData tournament;
    tournament.AddGame(first, true, 0, false);
    tournament.AddGame(second, true, 1, false);
    CStatsData totals;
    totals.Merge(tournament);

    const Teams teams{{QStringLiteral("Home"), QStringLiteral("Opponents")},
                      {QStringLiteral("HOME"), QStringLiteral("Opp")}};
    const DiagramData data = ofTournament(totals, teams, {0, 2}, kDark, kLight);
    EXPECT_TRUE(data.tournament);
    EXPECT_EQ(data.pointCount(), 2); // the axis reads 1 and 2
    EXPECT_EQ(data.title, QStringLiteral("Tournament diagram: Player 1"));
    expectLines(data, {{Line::Kind::PlayerSubject, 0, 0, {75, 25}, kDark, "HOM", "HOM", ""},
                       {Line::Kind::PlayerSubject, 1, 0, {25, -1}, kLight, "Opp", "Opp", ""}});
    EXPECT_EQ(data.scores[0].values, (std::vector<QString>{"6", "3"}));
    EXPECT_EQ(data.scores[1].values, (std::vector<QString>{"4", "8"}));
    EXPECT_EQ(data.scores[0].leftLabel, QStringLiteral("HOM")); // no star in tournament form
    EXPECT_EQ(data.scores[1].leftLabel, QStringLiteral("Opp"));
    EXPECT_EQ(data.teams.shortNames[0], QStringLiteral("HOME"));

    // Each line starts trunc(1.2 s) right of the left edge, its second point
    // lies trunc(1.2 s) before the right edge (s = 1256 / 600).
    const Geometry g = Geometry::of(0, 0, 1300, 600, {40, 44, 16, 8}, data);
    EXPECT_EQ(g.left, 40);
    EXPECT_EQ(g.right, 1256);
    EXPECT_EQ(g.lineStartX(), 42);
    EXPECT_EQ(g.pointX(0), 40);
    EXPECT_EQ(g.pointX(1), 1254);

    // A game index never added has no score: nothing is printed for it.
    CStatsData gap;
    gap.AddGame(first, true, 0, false);
    gap.AddGame(second, true, 2, false);
    const DiagramData gapped = ofTournament(gap, teams, {}, kDark, kLight);
    EXPECT_EQ(gapped.scores[0].values, (std::vector<QString>{"6", "", "3"}));
    EXPECT_EQ(gapped.lines[0].values, (std::vector<int>{75, -1, 50}));
}

TEST_F(DiagramDataTest, GeometryOfThePlot)
{
    const TextSizes sizes{40, 40, 20, 10};
    const CGame game = gameWith({}, {4, 1, 0, 0}); // points for ends 1 to 5
    const DiagramData data = ofGame(game, CStatsData(game), {5, 0}, kDark, kLight);
    const Geometry g = Geometry::of(0, 10, 640, 510, sizes, data);
    EXPECT_EQ(g.left, 40);
    EXPECT_EQ(g.right, 600);
    EXPECT_EQ(g.top, 10);
    EXPECT_EQ(g.bottom, 450);
    EXPECT_DOUBLE_EQ(g.scale, 1.0);
    EXPECT_EQ(g.step, 140);
    struct Case
    {
        int i, x;
    };
    for (const Case& c : {Case{0, 40}, Case{1, 180}, Case{3, 460}, Case{4, 599}})
        EXPECT_EQ(g.pointX(c.i), c.x) << c.i;
    // 100 % at four fifths of the plot height, 125 % on the top edge, more above it.
    EXPECT_EQ(g.referenceY(), 450 - 4 * 440 / 5);
    EXPECT_EQ(g.valueY(100), g.referenceY());
    EXPECT_EQ(g.valueY(125), g.top);
    EXPECT_LT(g.valueY(150), g.top);
    EXPECT_EQ(g.valueY(0), g.bottom);
    EXPECT_EQ(g.valueY(33), 450 - 33 * 440 / 125);
    EXPECT_EQ(g.scoreRowY(0), 480);
    EXPECT_EQ(g.scoreRowY(1), 505);
    EXPECT_EQ(g.axisNumberTop(), 12);
    // Player numbers stand apart: trunc(0.85 × 10) per place left, 0.85 × 10 right.
    struct Label
    {
        int line, left, right;
    };
    for (const Label& l :
         {Label{0, 14, 602}, Label{3, 38, 627}, Label{4, 46, 636}, Label{5, 38, 602}}) {
        EXPECT_EQ(g.leftLabelRight(data.lines[std::size_t(l.line)]), l.left) << l.line;
        EXPECT_EQ(g.rightLabelLeft(data.lines[std::size_t(l.line)]), l.right) << l.line;
    }

    // Before the third end and for a single point the step is the whole width.
    for (const GamePosition p : {GamePosition{1, 1, 0, 0}, GamePosition{0, 2, 0, 0}}) {
        const CGame early = gameWith({}, p);
        const Geometry e =
            Geometry::of(0, 10, 640, 510, sizes, ofGame(early, CStatsData(early), {}, 0, 0));
        EXPECT_EQ(e.step, 560);
        EXPECT_EQ(e.pointX(0), 40);
    }
}

TEST_F(DiagramDataTest, PenWidthsFollowTheLineScale)
{
    struct Case
    {
        double scale;
        int player, team, subject;
    };
    for (const Case& c : {Case{1.0, 3, 5, 2}, Case{1.6, 4, 7, 2}, Case{2.5, 6, 11, 3}}) {
        Line line;
        line.kind = Line::Kind::Player;
        EXPECT_EQ(line.penWidth(c.scale), c.player) << c.scale;
        line.kind = Line::Kind::Team;
        EXPECT_EQ(line.penWidth(c.scale), c.team) << c.scale;
        line.kind = Line::Kind::PlayerSubject;
        EXPECT_EQ(line.penWidth(c.scale), c.subject) << c.scale;
    }
}

TEST_F(DiagramDataTest, ImageNameSizeAndCaption)
{
    EXPECT_EQ(imageFileName(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))),
              QStringLiteral("TALVDiagram_20240305140709"));
    EXPECT_EQ(imageSize(300), QSize(600, 450));
    EXPECT_EQ(imageSize(101), QSize(202, 151));
    const CGame game = threeEnds();
    EXPECT_EQ(imageCaption(ofGame(game, CStatsData(game), {5, 1}, kDark, kLight),
                           QStringLiteral("Signed")),
              QStringLiteral("Diagram: Bravo team: ALP - BRAVO       Signed"));
}
