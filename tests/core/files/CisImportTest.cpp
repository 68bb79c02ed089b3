#include "core/files/CisImport.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/files/DisplaySettings.h"
#include "core/record/GameJson.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QJsonDocument>

#include <array>
#include <functional>
#include <map>
#include <set>

namespace {

// Little-endian bytes of a CIS file, written field by field.
class CisBytes
{
public:
    CisBytes& u8(quint8 v)
    {
        data_.append(char(v));
        return *this;
    }
    CisBytes& i16(qint16 v) { return u8(quint8(quint16(v) & 0xFF)).u8(quint8(quint16(v) >> 8)); }
    CisBytes& u32(quint32 v) { return i16(qint16(v & 0xFFFF)).i16(qint16(v >> 16)); }
    CisBytes& raw(const QByteArray& b)
    {
        data_.append(b);
        return *this;
    }
    // 8-bit string with a one-byte length (below 255).
    CisBytes& text(const QByteArray& cp1252) { return u8(quint8(cp1252.size())).raw(cp1252); }
    // 8-bit string with the FF + uint16 length form.
    CisBytes& text16(const QByteArray& cp1252)
    {
        return u8(0xFF).i16(qint16(cp1252.size())).raw(cp1252);
    }
    // UTF-16 string, one-byte length.
    CisBytes& wide(const QString& s)
    {
        u8(0xFF).i16(qint16(0xFFFE)).u8(quint8(s.size()));
        for (QChar c : s)
            i16(qint16(c.unicode()));
        return *this;
    }
    CisBytes& marker() { return text("\nDATA:\n"); }

    const QByteArray& data() const { return data_; }

private:
    QByteArray data_;
};

struct Header
{
    qint16 H0 = 0, H1 = 0, H2 = 0, H3 = 0, H4 = 0, H5 = 0, H6 = 0;
    std::array<qint16, 4> T1{}, T2{};
    GamePosition last;
};

// The ignored bytes are filled with a pattern: the import must not look at them.
CisBytes& header(CisBytes& b, const Header& h)
{
    constexpr qint16 kFill = 0x5A5A;
    b.i16(h.H0).i16(h.H1).i16(h.H2).i16(h.H3).i16(kFill);
    for (qint16 w : h.T1)
        b.i16(w);
    b.i16(h.H4).i16(kFill);
    for (qint16 w : h.T2)
        b.i16(w);
    b.i16(kFill).i16(kFill).i16(kFill).i16(kFill).i16(h.H5).i16(h.H6);
    b.u8(quint8(h.last.End)).u8(quint8(h.last.Player)).u8(quint8(h.last.Stone));
    return b.u8(quint8(h.last.Order)).u8(0x5A);
}

// Header with only the two strings that are always there, and the marker.
CisBytes plainStart(const GamePosition& last)
{
    CisBytes b;
    Header h;
    h.last = last;
    header(b, h).text("Bern").text("ignored").marker();
    return b;
}

CisBytes& firstEndHeader(CisBytes& b, quint8 end, quint8 score1, quint8 score2, qint16 f)
{
    return b.u8(end).u8(score1).u8(score2).i16(f);
}

CisBytes& furtherEndHeader(CisBytes& b, quint8 score1, quint8 score2, qint16 f)
{
    return b.u8(0xA5).u8(0xA5).u8(score1).u8(score2).i16(f);
}

// Positions distinct for every stone (seed) and pair; negative y values check
// that words are signed.
std::array<SheetPoint, 17> positionsOf(int seed)
{
    std::array<SheetPoint, 17> p;
    for (int k = 0; k < 17; ++k)
        p[std::size_t(k)] = {seed * 20 + k, -(seed * 20 + k) - 1};
    return p;
}

struct StoneRecord
{
    quint8 task = 2, handle = 1, points = 0, player = 0;
    QByteArray comment, remark;
    std::array<SheetPoint, 17> positions{};
};

StoneRecord stoneOf(int seed)
{
    StoneRecord s;
    s.task = quint8(seed % 7);
    s.comment = QByteArray::number(seed);
    s.remark = "r" + QByteArray::number(seed);
    s.positions = positionsOf(seed);
    return s;
}

CisBytes& stone(CisBytes& b, const StoneRecord& s, bool twoTexts)
{
    b.u8(s.task).u8(s.handle).u8(s.points).u8(s.player).text(s.comment);
    if (twoTexts)
        b.text(s.remark);
    auto pair = [&](int k) {
        b.i16(qint16(s.positions[std::size_t(k)].x)).i16(qint16(s.positions[std::size_t(k)].y));
    };
    for (int i = 0; i < 8; ++i) {
        pair(i);
        pair(8 + i);
    }
    pair(16);
    return b;
}

// Record of the j-th delivered stone of an end (order, then stone of the
// player, then player), with the end's FirstThrowerFlag.
int recordOf(int j, int firstThrowerFlag)
{
    const int order = j % 2, stoneOfPlayer = (j / 2) % 2, player = j / 4;
    return (order ^ firstThrowerFlag) * 8 + player * 2 + stoneOfPlayer;
}

QString snapshot(const CGame& game)
{
    QJsonObject o = gameToJson(game);
    const GamePosition p = game.currentPosition();
    o[QStringLiteral("current")] = QStringLiteral("%1 %2 %3 %4 %5")
                                       .arg(p.End)
                                       .arg(p.Player)
                                       .arg(p.Stone)
                                       .arg(p.Order)
                                       .arg(game.SheetDirection);
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

class StateObserver : public GameObserver
{
public:
    QStringList states;
    void stateNameChanged(const QString& name) override { states.append(name); }
    void houseViewsChanged() override {}
};

} // namespace

class CisImportTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        resetGame();
        doc.Competition = {QStringLiteral("League"), 5};
        doc.Event.Text = QStringLiteral("Women");
        doc.Session.Text = QStringLiteral("Draw 3");
        doc.Sheet.Text = QStringLiteral("B");
        doc.Scorer1 = QStringLiteral("old scorer");
    }

    // A new game (team and player names in the loaded language) with distinct
    // Ids, which show what team and player a stone was given.
    void resetGame()
    {
        game = CGame{NewGameOptions{}};
        for (int s = 0; s < 2; ++s) {
            game.Teams[std::size_t(s)].Id = qint16(71 + s);
            for (int i = 0; i < CTeam::PlayerCount; ++i)
                game.Teams[std::size_t(s)].Players[std::size_t(i)].Id = qint16(10 * (s + 1) + i);
        }
    }

    CisImportResult import(const QByteArray& bytes) { return importCis(bytes, doc, game, prompts); }

    // The document after the preparation every import makes.
    DocumentFields prepared(const DocumentFields& before) const
    {
        DocumentFields d = before;
        readDisplaySettings(d);
        d.Competition.Id = -1;
        d.Session.Text = QStringLiteral("n/a");
        d.Sheet.Text = QStringLiteral("n/a");
        return d;
    }

    void expectStone(const CStone& s, const StoneRecord& r, bool twoTexts) const
    {
        EXPECT_EQ(s.Task, r.task);
        EXPECT_EQ(s.Handle, r.handle);
        EXPECT_EQ(s.Comment, QString::fromLatin1(r.comment));
        EXPECT_EQ(s.Remark, twoTexts ? QString::fromLatin1(r.remark) : QString());
        for (int k = 0; k < 17; ++k)
            EXPECT_EQ(s.Positions[std::size_t(k)], r.positions[std::size_t(k)]) << "pair " << k;
        EXPECT_EQ(s.Positions[CStone::TargetPair], SheetPoint{});
    }

    DocumentFields doc;
    CGame game{NewGameOptions{}};
    ScriptedPrompts prompts;
};

// Every optional string present (layout level above 12), the string encodings,
// two texts per stone, and who delivered each stone.
TEST_F(CisImportTest, FullLayoutReadsEveryStringAndBothTexts)
{
    CisBytes b;
    Header h;
    h.H2 = 13;
    h.last = {0, 0, 0, 1};
    header(b, h)
        .text("Cup")
        .text("Bern")
        .text("ign")
        .text("ign")
        .wide(QStringLiteral("Herren \u03A9"))
        .text("SUI")
        .text("Schweiz")
        .text("A1")
        .text("J\xFCrg")
        .text("A3")
        .text("A4")
        .text("NOR")
        .text16("Norge")
        .text("B1")
        .text("B2")
        .text("B3")
        .text("B4")
        .text("Scorer One")
        .text("Scorer Two")
        .marker();
    firstEndHeader(b, 0, 2, 9, 0); // F = 0: team 2 delivers first
    StoneRecord first = stoneOf(1);
    first.task = 200; // stored as it is, not checked
    first.handle = 5;
    first.points = 1;
    first.player = 2;
    StoneRecord second = stoneOf(2);
    second.player = 9; // no such player: the one assigned to the record
    stone(b, first, true);
    stone(b, second, true);

    const DocumentFields before = doc;
    const CTeam team1Before = game.Teams[0];
    const CisImportResult r = import(b.data());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_FALSE(r.markerError);
    EXPECT_TRUE(prompts.messages.isEmpty());

    DocumentFields expected = prepared(before);
    expected.Competition.Text = QStringLiteral("Cup");
    expected.City = QStringLiteral("Cup Bern");
    expected.Event.Text = QStringLiteral("Herren \u03A9");
    expected.Scorer1 = QStringLiteral("Scorer One");
    expected.Scorer2 = QStringLiteral("Scorer Two");
    EXPECT_EQ(doc, expected);

    EXPECT_EQ(game.Teams[0].ShortName, QStringLiteral("SUI"));
    EXPECT_EQ(game.Teams[0].Text, QStringLiteral("Schweiz"));
    EXPECT_EQ(game.Teams[0].Players[1].Text, QStringLiteral("J\u00FCrg"));
    EXPECT_EQ(game.Teams[0].Players[3].Text, QStringLiteral("A4"));
    EXPECT_EQ(game.Teams[0].Players[4].Text, team1Before.Players[4].Text); // no alternate
    EXPECT_EQ(game.Teams[1].ShortName, QStringLiteral("NOR"));
    EXPECT_EQ(game.Teams[1].Text, QStringLiteral("Norge"));
    EXPECT_EQ(game.Teams[1].Players[0].Text, QStringLiteral("B1"));
    EXPECT_EQ(game.Teams[1].Players[3].Text, QStringLiteral("B4"));

    const CEnd& end = game.Ends[0];
    EXPECT_EQ(end.EndScore[0], 2);
    EXPECT_EQ(end.EndScore[1], 9); // the first end header is taken as stored
    EXPECT_EQ(end.FirstThrowerFlag, 1);

    // First stone: team 2 (record 8); second: team 1 (record 0).
    const CStone& s1 = end.Stones[8];
    expectStone(s1, first, true);
    EXPECT_EQ(s1.Points, 3);
    EXPECT_EQ(s1.TeamId, 72);
    EXPECT_EQ(s1.PlayerId, 22);
    EXPECT_EQ(s1.PlayerIndex, 0);
    const CStone& s2 = end.Stones[0];
    expectStone(s2, second, true);
    EXPECT_EQ(s2.TeamId, 71);
    EXPECT_EQ(s2.PlayerId, 10); // player index 0 of team 1
    EXPECT_EQ(end.Stones[1].Task, -1);

    EXPECT_EQ(game.GameState, 8);
    EXPECT_EQ(game.currentPosition(), (GamePosition{0, 0, 0, 1}));
    EXPECT_EQ(game.recordingPosition(), (GamePosition{0, 0, 0, 1}));
    EXPECT_EQ(game.Teams[0].TeamTotal, 2);
    EXPECT_EQ(game.Teams[1].TeamTotal, 0); // 9 is not counted
}

// Which header word brings which string: the file carries exactly the strings
// of the listed numbers (plus the city and the ignored string, always there).
TEST_F(CisImportTest, PresenceWordsDecideWhichStringsFollow)
{
    struct Case
    {
        const char* name;
        std::function<void(Header&)> words;
        std::set<int> strings;
    };
    const std::set<int> every{1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    const Case cases[] = {
        {"nothing optional", [](Header&) {}, {}},
        {"competition", [](Header& h) { h.H0 = 10; }, {1}},
        {"second ignored string", [](Header& h) { h.H1 = 30; }, {4}},
        {"event at level 12", [](Header& h) { h.H2 = 12; }, {5}},
        {"no event at level 11", [](Header& h) { h.H2 = 11; }, {}},
        {"team 1 names", [](Header& h) { h.H3 = 30; }, {6, 7}},
        {"team 1 players",
         [](Header& h) {
             h.T1 = {6, 7, 8, 9};
         },
         {8, 9, 10, 11}},
        {"team 1 third player", [](Header& h) { h.T1[2] = 8; }, {10}},
        {"another player's word", [](Header& h) { h.T1[1] = 6; }, {}},
        {"team 2 names", [](Header& h) { h.H4 = 31; }, {12, 13}},
        {"team 2 needs 31", [](Header& h) { h.H4 = 30; }, {}},
        {"team 2 players",
         [](Header& h) {
             h.T2 = {6, 7, 8, 9};
         },
         {14, 15, 16, 17}},
        {"first scorer", [](Header& h) { h.H5 = 25; }, {18}},
        {"second scorer", [](Header& h) { h.H6 = 26; }, {19}},
        {"scorer words swapped", [](Header& h) { h.H5 = 26, h.H6 = 25; }, {}},
        {"level 5, competition and team 1",
         [](Header& h) { h.H2 = 5, h.H0 = 10, h.H3 = 30; },
         {1, 6, 7}},
        {"level 13", [](Header& h) { h.H2 = 13; }, every},
        {"level word is signed", [](Header& h) { h.H2 = qint16(0xFFFF); }, {}},
    };

    const CGame newGame = game;
    const DocumentFields newDoc = doc;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        game = newGame;
        doc = newDoc;
        Header h;
        c.words(h);
        std::set<int> present = c.strings;
        present.insert({2, 3});
        CisBytes b;
        header(b, h);
        for (int n : present)
            b.text("s" + QByteArray::number(n));
        firstEndHeader(b.marker(), 0, 0, 0, 0);

        const CisImportResult r = import(b.data());
        ASSERT_TRUE(r.ok) << r.error.toStdString();
        EXPECT_FALSE(r.markerError);

        auto read = [&](int n, const QString& old) {
            return present.count(n) ? QStringLiteral("s%1").arg(n) : old;
        };
        DocumentFields expected = prepared(newDoc);
        expected.Competition.Text = read(1, newDoc.Competition.Text);
        expected.City = expected.Competition.Text + QStringLiteral(" s2");
        expected.Event.Text = read(5, newDoc.Event.Text);
        expected.Scorer1 = read(18, newDoc.Scorer1);
        expected.Scorer2 = read(19, newDoc.Scorer2);
        EXPECT_EQ(doc, expected);
        for (int s = 0; s < 2; ++s) {
            const CTeam& team = game.Teams[std::size_t(s)];
            const CTeam& old = newGame.Teams[std::size_t(s)];
            EXPECT_EQ(team.ShortName, read(6 + 6 * s, old.ShortName));
            EXPECT_EQ(team.Text, read(7 + 6 * s, old.Text));
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(team.Players[std::size_t(i)].Text,
                          read(8 + 6 * s + i, old.Players[std::size_t(i)].Text))
                    << "team " << s << " player " << i;
        }
    }
}

TEST_F(CisImportTest, PointsCodesOfTheOlderFormat)
{
    const std::map<int, int> table{{0, 4}, {1, 3}, {2, 2}, {3, 1}, {4, 0},  {5, 9},
                                   {6, 9}, {7, 5}, {8, 6}, {9, 9}, {10, 9}, {255, 9}};
    const CGame newGame = game;
    for (const auto& [code, points] : table) {
        SCOPED_TRACE(code);
        game = newGame;
        CisBytes b = plainStart({0, 0, 0, 1});
        firstEndHeader(b, 0, 0, 0, 1); // team 1 first: record 0
        StoneRecord s = stoneOf(1);
        s.points = quint8(code);
        stone(b, s, false);
        stone(b, stoneOf(2), false);
        ASSERT_TRUE(import(b.data()).ok);
        EXPECT_EQ(game.Ends[0].Stones[0].Points, points);
    }
}

TEST_F(CisImportTest, OutOfPlayMarkOnlyInX)
{
    CisBytes b = plainStart({0, 0, 0, 1});
    firstEndHeader(b, 0, 0, 0, 1);
    StoneRecord s = stoneOf(1);
    s.positions[3] = {0x7FFF, 120};
    s.positions[11] = {300, 0x7FFF};
    s.positions[16] = {0x7FFF, 0x7FFF};
    s.positions[5] = {-32768, -32768};
    stone(b, s, false);
    stone(b, stoneOf(2), false);
    ASSERT_TRUE(import(b.data()).ok);

    const CStone& read = game.Ends[0].Stones[0];
    EXPECT_EQ(read.Positions[3], (SheetPoint{4095, 120}));
    EXPECT_EQ(read.Positions[11], (SheetPoint{300, 32767}));
    EXPECT_EQ(read.Positions[16], (SheetPoint{4095, 32767}));
    EXPECT_EQ(read.Positions[5], (SheetPoint{-32768, -32768}));
    EXPECT_EQ(read.Positions[4], positionsOf(1)[4]);
}

// A whole end replayed: every stone lands in its record, and a replay that
// stops at the first stone of the next end reads nothing more (the file ends
// there, so an extra read would fail).
TEST_F(CisImportTest, StopAtFirstStoneOfAnEndReadsNoExtraRecord)
{
    for (qint16 f : {qint16(0), qint16(1)}) {
        SCOPED_TRACE(f);
        resetGame();
        CisBytes b = plainStart({1, 0, 0, 0});
        firstEndHeader(b, 0, 3, 0, f);
        for (int j = 0; j < 16; ++j)
            stone(b, stoneOf(j), false);
        const CisImportResult r = import(b.data());
        ASSERT_TRUE(r.ok) << r.error.toStdString();
        const int flag = f == 0 ? 1 : 0;
        for (int j = 0; j < 16; ++j) {
            const CStone& s = game.Ends[0].Stones[std::size_t(recordOf(j, flag))];
            expectStone(s, stoneOf(j), false);
        }
        EXPECT_EQ(game.currentPosition(), (GamePosition{1, 0, 0, 0}));
        EXPECT_EQ(game.Ends[1].Stones[0].Task, -1);
        EXPECT_EQ(game.Ends[1].Stones[8].Task, -1);
        EXPECT_EQ(game.GameState, 8);
    }
}

// The header of a later end: its scores clamped, its first thrower deciding
// which team each of its stones belongs to.
TEST_F(CisImportTest, FurtherEndHeaderGoesToTheNewEnd)
{
    struct Case
    {
        quint8 stored1, stored2;
        qint32 score1, score2;
    };
    const Case cases[] = {{9, 8, 0, 8}, {255, 0, 0, 0}, {4, 12, 4, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.stored1) << ":" << int(c.stored2));
        resetGame();
        CisBytes b = plainStart({1, 0, 0, 1});
        firstEndHeader(b, 0, 12, 1, 1);
        for (int j = 0; j < 16; ++j)
            stone(b, stoneOf(j), false);
        furtherEndHeader(b, c.stored1, c.stored2, 0);
        stone(b, stoneOf(20), false);
        stone(b, stoneOf(21), false);
        ASSERT_TRUE(import(b.data()).ok);

        EXPECT_EQ(game.Ends[0].EndScore[0], 12);
        EXPECT_EQ(game.Ends[0].FirstThrowerFlag, 0);
        const CEnd& end = game.Ends[1];
        EXPECT_EQ(end.EndScore[0], c.score1);
        EXPECT_EQ(end.EndScore[1], c.score2);
        EXPECT_EQ(end.FirstThrowerFlag, 1);
        expectStone(end.Stones[8], stoneOf(20), false);
        EXPECT_EQ(end.Stones[8].TeamId, 72);
        expectStone(end.Stones[0], stoneOf(21), false);
        EXPECT_EQ(game.currentPosition(), (GamePosition{1, 0, 0, 1}));
    }
}

// A first end header naming another end is followed at once by the header of
// the end being replayed.
TEST_F(CisImportTest, FirstBlockOfAnotherEndReadsAFurtherHeader)
{
    CisBytes b = plainStart({0, 0, 0, 1});
    firstEndHeader(b, 3, 2, 1, 0);
    furtherEndHeader(b, 5, 6, 1);
    stone(b, stoneOf(1), false);
    stone(b, stoneOf(2), false);
    ASSERT_TRUE(import(b.data()).ok);
    EXPECT_EQ(game.Ends[0].EndScore, (std::array<qint32, 2>{5, 6}));
    EXPECT_EQ(game.Ends[0].FirstThrowerFlag, 0);
    expectStone(game.Ends[0].Stones[0], stoneOf(1), false);
}

// A last position the replay never meets: past its end the replay stops at the
// next end's first stone; an end beyond the game stops after the twentieth end
// instead of reading the last stone over and over.
TEST_F(CisImportTest, UnreachableLastPositionEndsTheReplay)
{
    {
        SCOPED_TRACE("player 7 in end 0");
        CisBytes b = plainStart({0, 7, 0, 0});
        firstEndHeader(b, 0, 0, 0, 1);
        for (int j = 0; j < 16; ++j)
            stone(b, stoneOf(j), false);
        furtherEndHeader(b, 1, 2, 1);
        ASSERT_TRUE(import(b.data()).ok);
        EXPECT_EQ(game.currentPosition(), (GamePosition{1, 0, 0, 0}));
        EXPECT_EQ(game.Ends[1].EndScore, (std::array<qint32, 2>{1, 2}));
        EXPECT_EQ(game.Ends[1].Stones[0].Task, -1);
    }
    {
        SCOPED_TRACE("end 25");
        resetGame();
        CisBytes b = plainStart({25, 0, 0, 0});
        firstEndHeader(b, 0, 0, 0, 1);
        for (int e = 0; e < CGame::EndCount; ++e) {
            if (e > 0)
                furtherEndHeader(b, 1, 0, 1);
            for (int j = 0; j < 16; ++j)
                stone(b, stoneOf(e * 16 + j), false);
        }
        const QByteArray whole = b.data();
        ASSERT_TRUE(import(whole).ok);
        EXPECT_EQ(game.currentPosition(), (GamePosition{19, 3, 1, 1}));
        expectStone(game.Ends[19].Stones[recordOf(15, 0)], stoneOf(19 * 16 + 15), false);
        EXPECT_EQ(game.GameState, 8);
        EXPECT_EQ(game.Teams[0].TeamTotal, 19);

        resetGame();
        const CisImportResult cut = import(whole.left(whole.size() / 2));
        EXPECT_FALSE(cut.ok);
        EXPECT_EQ(game.GameState, 1);
    }
}

// Every import: settings-derived view options, no competition Id, no session
// or sheet, a finished game whose observer hears of it.
TEST_F(CisImportTest, PreparesTheDocumentAndFinishesTheGame)
{
    Settings::write(Key::Options::OldLineSize, 3);
    Settings::write(Key::Options::ShowBroom, 1);
    Settings::write(Key::Options::ShowTarget, 1);
    Settings::write(Key::Options::ShowRotate, 1);
    Settings::write(Key::Options::RotateRight, 1);
    Settings::writeColor(Key::Colors::Ice, 0x00010203);
    StateObserver observer;
    game.Observer = &observer;
    doc.OldLineSize = 7;

    CisBytes b = plainStart({0, 0, 0, 0});
    firstEndHeader(b, 0, 0, 0, 1);
    ASSERT_TRUE(import(b.data()).ok);

    EXPECT_EQ(doc.OldLineSize, 3);
    EXPECT_EQ(doc.ShowBroom, 1);
    EXPECT_EQ(doc.ShowTarget, 1);
    EXPECT_EQ(doc.ShowRotate, 1); // not forced off as for a game file
    EXPECT_EQ(doc.FirstEndDirection, 1);
    EXPECT_EQ(doc.Ice, 0x00010203);
    EXPECT_EQ(doc.Competition, (CIDString{QStringLiteral("League"), -1}));
    EXPECT_EQ(doc.City, QStringLiteral("League Bern"));
    EXPECT_EQ(doc.Session.Text, QStringLiteral("n/a"));
    EXPECT_EQ(doc.Sheet.Text, QStringLiteral("n/a"));
    EXPECT_EQ(game.GameState, 8);
    EXPECT_EQ(game.currentPosition(), GamePosition{});
    EXPECT_EQ(game.Observer, &observer);
    EXPECT_EQ(observer.states.size(), 1);
}

// A wrong data marker: the message, and the import ends with what was read
// (the bytes after the marker are not looked at).
TEST_F(CisImportTest, WrongMarkerKeepsWhatWasRead)
{
    for (const QByteArray& marker : {QByteArray("\nDATA\n"), QByteArray("\nDATA:\n "),
                                     QByteArray("\ndata:\n"), QByteArray()}) {
        SCOPED_TRACE(marker.toStdString());
        resetGame();
        prompts.messages.clear();
        prompts.messageIcons.clear();
        CisBytes b;
        Header h;
        h.H3 = 30;
        h.last = {0, 0, 0, 1};
        header(b, h).text("Rome").text("x").text("ITA").text("Italia").text(marker);
        b.u8(0xFF); // a string that would fail if read

        const CisImportResult r = import(b.data());
        EXPECT_TRUE(r.ok);
        EXPECT_TRUE(r.markerError);
        EXPECT_EQ(prompts.messages,
                  QStringList{QStringLiteral("File-Error while reading .CIS file")});
        EXPECT_EQ(prompts.messageIcons, QList<Prompts::Icon>{Prompts::Icon::Error});
        EXPECT_EQ(game.Teams[0].ShortName, QStringLiteral("ITA"));
        EXPECT_EQ(game.Teams[0].Text, QStringLiteral("Italia"));
        EXPECT_EQ(doc.City, QStringLiteral("League Rome"));
        EXPECT_EQ(doc.Session.Text, QStringLiteral("n/a"));
        EXPECT_EQ(game.GameState, 1);
    }
}

// A file cut at any byte fails cleanly and changes nothing.
TEST_F(CisImportTest, TruncationAtEveryByteFailsAndChangesNothing)
{
    CisBytes b;
    Header h;
    h.H2 = 13;
    h.last = {1, 0, 1, 0};
    header(b, h).text("Cup").text("Bern").text("i").text("i").wide(QStringLiteral("Men"));
    b.text("SUI").text16("Schweiz").text("a").text("b").text("c").text("d");
    b.text("NOR").text("Norge").text("e").text("f").text("g").text("h");
    b.text("S1").wide(QStringLiteral("S2")).marker();
    firstEndHeader(b, 0, 1, 0, 0);
    for (int j = 0; j < 16; ++j)
        stone(b, stoneOf(j), true);
    furtherEndHeader(b, 2, 0, 1);
    for (int j = 0; j < 3; ++j)
        stone(b, stoneOf(16 + j), true);
    const QByteArray whole = b.data();

    const DocumentFields docBefore = doc;
    const QString gameBefore = snapshot(game);
    for (qsizetype n = 0; n < whole.size(); ++n) {
        const CisImportResult r = import(whole.left(n));
        ASSERT_FALSE(r.ok) << "cut at " << n;
        ASSERT_EQ(r.error, QStringLiteral("Unexpected file format.")) << "cut at " << n;
        ASSERT_EQ(doc, docBefore) << "cut at " << n;
        ASSERT_EQ(snapshot(game), gameBefore) << "cut at " << n;
        ASSERT_EQ(game.GameState, 1);
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
    ASSERT_TRUE(import(whole).ok);
    EXPECT_EQ(game.currentPosition(), (GamePosition{1, 0, 1, 0}));
    expectStone(game.Ends[1].Stones[recordOf(2, 0)], stoneOf(18), true);
}

// String lengths the file cannot hold fail before anything is allocated.
TEST_F(CisImportTest, StringLengthBeyondTheFileFails)
{
    const QByteArray lengths[] = {
        QByteArray::fromHex("ffffffffffff7f"),     // 8-bit, uint32 length
        QByteArray::fromHex("fffeffffffffffff7f"), // UTF-16, uint32 length
        QByteArray::fromHex("fffeffffff7f"),       // UTF-16, uint16 length
        QByteArray::fromHex("fffeff40"),           // UTF-16, one-byte length (128 bytes)
        QByteArray::fromHex("ffff7f"),             // 8-bit, uint16 length
    };
    for (const QByteArray& length : lengths) {
        SCOPED_TRACE(length.toHex().toStdString());
        CisBytes b;
        header(b, Header{}).raw(length).raw(QByteArray(64, 'x'));
        const CisImportResult r = import(b.data());
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.error, QStringLiteral("Unexpected file format."));
    }
}
