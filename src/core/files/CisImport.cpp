#include "CisImport.h"

#include "BinaryReader.h"
#include "DisplaySettings.h"
#include "GameFile.h"

#include "core/base/Prompts.h"

#include <array>

namespace {

constexpr qint32 kFinishedState = 8;
constexpr qint16 kOutOfPlayX = 0x7FFF;
constexpr auto kDataMarker = QLatin1StringView("\n"
                                               "DATA:"
                                               "\n");

// Above this layout level every optional string is present.
constexpr qint16 kAllStringsLevel = 12;

struct CisHeader
{
    qint16 H0 = 0, H1 = 0, H2 = 0, H3 = 0, H4 = 0, H5 = 0, H6 = 0;
    std::array<qint16, 4> T1{}, T2{};
    GamePosition Last; // position of the last recorded stone

    bool allStrings() const { return H2 > kAllStringsLevel; }
};

void skip(BinaryReader& in, int count)
{
    for (int i = 0; i < count; ++i)
        in.readUInt8();
}

CisHeader readHeader(BinaryReader& in)
{
    CisHeader h;
    h.H0 = in.readInt16();
    h.H1 = in.readInt16();
    h.H2 = in.readInt16();
    h.H3 = in.readInt16();
    skip(in, 2);
    for (qint16& word : h.T1)
        word = in.readInt16();
    h.H4 = in.readInt16();
    skip(in, 2);
    for (qint16& word : h.T2)
        word = in.readInt16();
    skip(in, 8);
    h.H5 = in.readInt16();
    h.H6 = in.readInt16();
    h.Last.End = in.readUInt8();
    h.Last.Player = in.readUInt8();
    h.Last.Stone = in.readUInt8();
    h.Last.Order = in.readUInt8();
    skip(in, 1);
    return h;
}

// The older format coded the points differently; codes it never used count nowhere.
qint32 pointsFromCode(quint8 code)
{
    switch (code) {
    case 0:
        return 4;
    case 1:
        return 3;
    case 2:
        return 2;
    case 3:
        return 1;
    case 4:
        return 0;
    case 7:
        return 5;
    case 8:
        return 6;
    default:
        return 9;
    }
}

SheetPoint readPoint(BinaryReader& in)
{
    const qint16 x = in.readInt16();
    const qint16 y = in.readInt16();
    return {x == kOutOfPlayX ? SheetPoint::OutOfPlay : qint32(x), qint32(y)};
}

// Team names and the names of players 0..3, each present by its own condition.
void readTeam(BinaryReader& in, CTeam& team, bool namesPresent,
              const std::array<qint16, 4>& playerWords, bool all)
{
    if (all || namesPresent) {
        team.ShortName = in.readString();
        team.Text = in.readString();
    }
    for (int i = 0; i < int(playerWords.size()); ++i) {
        if (all || playerWords[std::size_t(i)] == i + 6)
            team.Players[std::size_t(i)].Text = in.readString();
    }
}

void readFurtherEndHeader(BinaryReader& in, CEnd& end)
{
    skip(in, 2);
    for (qint32& score : end.EndScore) {
        const quint8 stored = in.readUInt8();
        score = stored > 8 ? 0 : stored;
    }
    end.FirstThrowerFlag = in.readInt16() == 0 ? 1 : 0;
}

// One stone record into the record at the game's current position.
void readStone(BinaryReader& in, CGame& game, bool secondText)
{
    const int slot = game.CurrentTeamSlot();
    CStone& stone = game.currentStone();
    stone.Task = in.readUInt8();
    stone.Handle = in.readUInt8();
    stone.Points = pointsFromCode(in.readUInt8());
    const quint8 player = in.readUInt8();
    if (player < CTeam::PlayerCount)
        stone.PlayerId = game.GetPlayer(slot, player).Id;
    else if (stone.PlayerIndex >= 0 && stone.PlayerIndex < CTeam::PlayerCount)
        stone.PlayerId = game.GetPlayer(slot, stone.PlayerIndex).Id;
    // otherwise (no such player) the preassigned PlayerId stays
    stone.Comment = in.readString();
    stone.Remark = secondText ? in.readString() : QString();
    for (int i = 0; i < CEnd::StonesPerTeam; ++i) {
        stone.Positions[std::size_t(i)] = readPoint(in);
        stone.Positions[std::size_t(CEnd::StonesPerTeam + i)] = readPoint(in);
    }
    stone.Positions[CStone::BroomPair] = readPoint(in);
    stone.TeamId = game.GetTeam(slot).Id;
}

bool atFirstStoneOfEnd(const CGame& game)
{
    return game.CurrentPlayer == 0 && game.CurrentStone == 0 && game.CurrentOrder == 0;
}

CisImportResult failed()
{
    return {false, QString::fromLatin1(GameFileText::UnexpectedFormat), false};
}

} // namespace

CisImportResult importCis(const QByteArray& bytes, DocumentFields& doc, CGame& game,
                          Prompts& prompts)
{
    // Everything goes into copies first, so that a damaged file changes nothing.
    DocumentFields d = doc;
    CGame g = game;
    g.Observer = nullptr;
    BinaryReader in(bytes);

    readDisplaySettings(d);
    d.Competition.Id = -1;
    d.Session.Text = QStringLiteral("n/a");
    d.Sheet.Text = QStringLiteral("n/a");

    const CisHeader h = readHeader(in);
    const bool all = h.allStrings();
    if (all || h.H0 == 10)
        d.Competition.Text = in.readString();
    const QString city = in.readString();
    d.City = d.Competition.Text + QLatin1Char(' ') + city;
    in.readString();
    if (all || h.H1 == 30)
        in.readString();
    if (h.H2 >= kAllStringsLevel)
        d.Event.Text = in.readString();
    readTeam(in, g.Teams[0], h.H3 == 30, h.T1, all);
    readTeam(in, g.Teams[1], h.H4 == 31, h.T2, all);
    if (all || h.H5 == 25)
        d.Scorer1 = in.readString();
    if (all || h.H6 == 26)
        d.Scorer2 = in.readString();
    const QString marker = in.readString();
    if (!in.ok())
        return failed();

    auto commit = [&] {
        g.Observer = game.Observer;
        doc = std::move(d);
        game = std::move(g);
    };

    if (marker != kDataMarker) {
        commit();
        prompts.message(QString::fromLatin1(CisImportText::MarkerError), Prompts::Icon::Error);
        return {true, {}, true};
    }

    // First end header
    int blockEnd = in.readUInt8();
    CEnd& first = g.Ends[0];
    first.EndScore[0] = in.readUInt8();
    first.EndScore[1] = in.readUInt8();
    first.FirstThrowerFlag = in.readInt16() == 0 ? 1 : 0;

    // Replay up to the last recorded position. A last position the replay never
    // meets ends it at the first stone of the end after it, or, for an end of 19
    // or more, at the last stone of the twentieth end, where NextStone refuses to
    // go on: that stone's record has been read already.
    bool refused = false;
    while (in.ok()) {
        if (g.currentPosition() == h.Last)
            break;
        if (blockEnd != g.CurrentEnd) {
            readFurtherEndHeader(in, g.currentEnd());
            blockEnd = g.CurrentEnd;
        }
        if (blockEnd > h.Last.End || blockEnd > CGame::EndCount - 1)
            break;
        readStone(in, g, all);
        if (g.NextStone() == 0) {
            refused = true;
            break;
        }
    }
    if (!refused && !atFirstStoneOfEnd(g))
        readStone(in, g, all);
    if (!in.ok())
        return failed();

    commit();
    game.SetGameState(kFinishedState);
    game.RecomputeTeamTotals(); // also when the game held state 8 already
    return {true, {}, false};
}
