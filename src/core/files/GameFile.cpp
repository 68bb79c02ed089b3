#include "GameFile.h"

#include "BinaryReader.h"
#include "BinaryWriter.h"

#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <limits>

namespace {

constexpr qint32 kOldOutOfPlayX = 32767;
constexpr qint64 kSmallestTag = 10; // 32-bit time and duration, two empty 8-bit strings

// Ordinal comparison of 16-bit code units; a prefix is smaller.
bool versionAtLeast(const QString& version, const char* literal)
{
    return QString::compare(version, QLatin1String(literal), Qt::CaseSensitive) >= 0;
}

// The document block tests only the first character.
bool firstCharacterAtLeast(const QString& version, char16_t c)
{
    return !version.isEmpty() && version.front().unicode() >= c;
}

// What the version of the file being read carries.
struct Layout
{
    explicit Layout(const QString& version)
        : showTarget(firstCharacterAtLeast(version, u'5')),
          iceAlert(firstCharacterAtLeast(version, u'6')),
          summaryTexts(versionAtLeast(version, "5.0.2")),
          mixedDoubles(versionAtLeast(version, "5.4.0")),
          timesAndTags(versionAtLeast(version, "6.0.0")),
          positionPairs(version == QLatin1String("4.0") ? CStone::PositionCount - 1
                                                        : CStone::PositionCount)
    {}

    bool showTarget;
    bool iceAlert;
    bool summaryTexts;
    bool mixedDoubles;
    bool timesAndTags; // also the full handle codes
    int positionPairs;
};

// ---- reading ---------------------------------------------------------------

void readIdString(BinaryReader& in, CIDString& id)
{
    id.Id = in.readInt16();
    id.Text = in.readString();
}

void readTeam(BinaryReader& in, CTeam& team)
{
    readIdString(in, team);
    team.ShortName = in.readString();
    team.TeamCounter1 = in.readInt32();
    team.TeamCounter2 = in.readInt32();
    team.TeamTotal = in.readInt32();
    team.TeamCounter3 = in.readInt32();
    for (CPlayer& player : team.Players) {
        readIdString(in, player);
        player.OrderNumber = in.readInt32();
        player.Role = in.readString();
    }
}

// The file's end inside a tag list keeps the tags read so far; reading then
// goes on with the next field, which fails unless the list was the last field
// of the file. Tags are appended one at a time, so a count the file cannot hold
// allocates nothing beyond the tags actually present.
void readTags(BinaryReader& in, QList<CTagEvent>& tags)
{
    if (!in.ok())
        return;
    tags.clear();
    const quint32 count = in.readCount();
    tags.reserve(
        qsizetype(std::min<qint64>({qint64(count), in.remaining() / kSmallestTag, qint64(64)})));
    for (quint32 i = 0; i < count && in.ok(); ++i) {
        CTagEvent tag;
        tag.TagTime = in.readTime();
        tag.TagDuration = in.readInt32();
        tag.TagName = in.readString();
        tag.TagOutcome = in.readString();
        if (in.ok())
            tags.append(std::move(tag));
    }
    in.recover();
}

void readStone(BinaryReader& in, const Layout& layout, CStone& stone)
{
    stone.StoneFlag = in.readInt32();
    stone.TeamId = in.readInt32();
    stone.PlayerIndex = in.readInt32();
    stone.PlayerId = in.readInt32();
    stone.Task = in.readInt32();
    const qint32 handle = in.readInt32();
    // Older files hold only the rotation; the C remainder keeps -1 as -1.
    stone.Handle = layout.timesAndTags ? handle : handle % 2;
    stone.Points = in.readInt32();
    for (int i = 0; i < layout.positionPairs; ++i) {
        SheetPoint& point = stone.Positions[std::size_t(i)];
        point.x = in.readInt32();
        point.y = in.readInt32();
        if (point.x == kOldOutOfPlayX)
            point.x = SheetPoint::OutOfPlay;
    }
    stone.Remark = in.readString();
    stone.Comment = in.readString();
    if (layout.timesAndTags) {
        stone.DeliveryTime = in.readTime();
        readTags(in, stone.Tags);
    }
}

void readEnd(BinaryReader& in, const Layout& layout, CEnd& end)
{
    end.FirstThrowerFlag = in.readInt32();
    end.EndValue1 = in.readInt32();
    end.EndValue2 = in.readInt32();
    end.EndScore[0] = in.readInt32();
    end.EndScore[1] = in.readInt32();
    if (layout.timesAndTags)
        end.EndStartTime = in.readTime();
    for (CStone& stone : end.Stones)
        readStone(in, layout, stone);
}

// False when RecordEnd cannot address the ends of a game.
bool readGame(BinaryReader& in, const Layout& layout, CGame& game)
{
    for (CTeam& team : game.Teams)
        readTeam(in, team);
    game.GameValue1 = in.readInt32();
    game.RecordEnd = in.readInt32();
    game.RecordPlayer = in.readInt32();
    game.RecordStone = in.readInt32();
    game.RecordOrder = in.readInt32();
    game.MisEnd = in.readInt32();
    game.MisPlayer = in.readInt32();
    game.MisStone = in.readInt32();
    game.MisOrder = in.readInt32();
    game.MisLabel = in.readString();
    game.GameState = in.readInt32();
    game.GameValue2 = in.readInt32();
    if (layout.summaryTexts) {
        game.SummaryText1 = in.readString();
        game.SummaryText2 = in.readString();
        game.SummaryText3 = in.readString();
    }
    if (layout.mixedDoubles)
        game.MixedDoubles = in.readInt32();
    else // as a new game takes it
        game.MixedDoubles = Settings::read(Key::Options::MixedDoubles) != 0 ? 1 : 0;
    if (!in.ok())
        return true; // the early end is reported as such
    // A negative RecordEnd would leave the game without a current end.
    if (game.RecordEnd < 0 || game.RecordEnd >= CGame::EndCount)
        return false;
    for (int e = 0; e <= game.RecordEnd && in.ok(); ++e)
        readEnd(in, layout, game.Ends[std::size_t(e)]);
    return true;
}

void readDocument(BinaryReader& in, DocumentFields& doc, Layout& layout)
{
    doc.FileVersion = in.readString();
    layout = Layout(doc.FileVersion);
    doc.City = in.readString();
    doc.GameDate = in.readDate();
    doc.Scorer1 = in.readString();
    doc.Scorer2 = in.readString();
    doc.OldLineSize = in.readInt32();
    doc.FirstEndDirection = in.readInt32();
    doc.ShowBroom = in.readInt32();
    if (layout.showTarget) {
        doc.ShowTarget = in.readInt32();
        in.readInt32(); // reserved
        in.readInt32(); // reserved
    }
    doc.Ice = in.readInt32();
    doc.Lines = in.readInt32();
    doc.Feet6 = in.readInt32();
    doc.Feet4 = in.readInt32();
    doc.Feet2 = in.readInt32();
    doc.Tee = in.readInt32();
    doc.Dark = in.readInt32();
    doc.Light = in.readInt32();
    if (layout.iceAlert)
        doc.IceAlert = in.readInt32();
    in.readString(); // reserved
    in.readString(); // reserved
    doc.SavedSecondId1 = in.readInt32();
    doc.SavedSecondId2 = in.readInt32();
    readIdString(in, doc.Competition);
    readIdString(in, doc.Event);
    readIdString(in, doc.Session);
    readIdString(in, doc.Sheet);
}

// ---- writing ---------------------------------------------------------------

void writeIdString(BinaryWriter& out, const CIDString& id)
{
    out.writeInt16(id.Id);
    out.writeString(id.Text);
}

void writeTeam(BinaryWriter& out, const CTeam& team)
{
    writeIdString(out, team);
    out.writeString(team.ShortName);
    out.writeInt32(team.TeamCounter1);
    out.writeInt32(team.TeamCounter2);
    out.writeInt32(team.TeamTotal);
    out.writeInt32(team.TeamCounter3);
    for (const CPlayer& player : team.Players) {
        writeIdString(out, player);
        out.writeInt32(player.OrderNumber);
        out.writeString(player.Role);
    }
}

void writeStone(BinaryWriter& out, const CStone& stone)
{
    out.writeInt32(stone.StoneFlag);
    out.writeInt32(stone.TeamId);
    out.writeInt32(stone.PlayerIndex);
    out.writeInt32(stone.PlayerId);
    out.writeInt32(stone.Task);
    out.writeInt32(stone.Handle);
    out.writeInt32(stone.Points);
    for (const SheetPoint& point : stone.Positions) {
        out.writeInt32(point.x);
        out.writeInt32(point.y);
    }
    out.writeString(stone.Remark);
    out.writeString(stone.Comment);
    out.writeTime(stone.DeliveryTime);
    out.writeCount(quint32(stone.Tags.size()));
    for (const CTagEvent& tag : stone.Tags) {
        out.writeTime(tag.TagTime);
        // The file holds 32 bits: a longer duration is saved as the longest one,
        // so the list stays as long as its count says.
        out.writeInt32(
            qint32(std::clamp<qint64>(tag.TagDuration, std::numeric_limits<qint32>::min(),
                                      std::numeric_limits<qint32>::max())));
        out.writeString(tag.TagName);
        out.writeString(tag.TagOutcome);
    }
}

void writeEnd(BinaryWriter& out, const CEnd& end)
{
    out.writeInt32(end.FirstThrowerFlag);
    out.writeInt32(end.EndValue1);
    out.writeInt32(end.EndValue2);
    out.writeInt32(end.EndScore[0]);
    out.writeInt32(end.EndScore[1]);
    out.writeTime(end.EndStartTime);
    for (const CStone& stone : end.Stones)
        writeStone(out, stone);
}

void writeGame(BinaryWriter& out, const CGame& game)
{
    for (const CTeam& team : game.Teams)
        writeTeam(out, team);
    out.writeInt32(game.GameValue1);
    out.writeInt32(game.RecordEnd);
    out.writeInt32(game.RecordPlayer);
    out.writeInt32(game.RecordStone);
    out.writeInt32(game.RecordOrder);
    out.writeInt32(game.MisEnd);
    out.writeInt32(game.MisPlayer);
    out.writeInt32(game.MisStone);
    out.writeInt32(game.MisOrder);
    out.writeString(game.MisLabel);
    out.writeInt32(game.GameState);
    out.writeInt32(game.GameValue2);
    out.writeString(game.SummaryText1);
    out.writeString(game.SummaryText2);
    out.writeString(game.SummaryText3);
    out.writeInt32(game.MixedDoubles);
    // Only ends the game has; the position never leaves 0..19.
    const int lastEnd = std::min(game.RecordEnd, CGame::EndCount - 1);
    for (int e = 0; e <= lastEnd; ++e)
        writeEnd(out, game.Ends[std::size_t(e)]);
}

void writeDocument(BinaryWriter& out, const DocumentFields& doc)
{
    out.writeString(QLatin1String(DocumentFields::CurrentVersion));
    out.writeString(doc.City);
    out.writeDate(doc.GameDate);
    out.writeString(doc.Scorer1);
    out.writeString(doc.Scorer2);
    out.writeInt32(doc.OldLineSize);
    out.writeInt32(doc.FirstEndDirection);
    out.writeInt32(doc.ShowBroom);
    out.writeInt32(doc.ShowTarget);
    out.writeInt32(0); // reserved
    out.writeInt32(0); // reserved
    out.writeInt32(doc.Ice);
    out.writeInt32(doc.Lines);
    out.writeInt32(doc.Feet6);
    out.writeInt32(doc.Feet4);
    out.writeInt32(doc.Feet2);
    out.writeInt32(doc.Tee);
    out.writeInt32(doc.Dark);
    out.writeInt32(doc.Light);
    out.writeInt32(doc.IceAlert);
    out.writeString({}); // reserved
    out.writeString({}); // reserved
    out.writeInt32(doc.SavedSecondId1);
    out.writeInt32(doc.SavedSecondId2);
    writeIdString(out, doc.Competition);
    writeIdString(out, doc.Event);
    writeIdString(out, doc.Session);
    writeIdString(out, doc.Sheet);
}

} // namespace

GameFileReadResult readGameFile(const QByteArray& bytes, DocumentFields& doc, CGame& game)
{
    // Scratch copies: nothing half-read reaches the caller.
    DocumentFields newDoc = doc;
    CGame newGame = game;
    BinaryReader in(bytes);
    Layout layout(QString{});
    readDocument(in, newDoc, layout);
    const bool recordEndFits = readGame(in, layout, newGame);
    if (!in.ok() || !recordEndFits)
        return {false, QLatin1String(GameFileText::UnexpectedFormat)};

    newGame.setCurrentPosition(newGame.recordingPosition());
    newDoc.Competition.Id = -1;
    newDoc.ShowRotate = 0;
    newDoc.RotateRight = Settings::read(Key::Options::RotateRight);
    newGame.SheetDirection = (newDoc.FirstEndDirection != 0) != (newGame.CurrentEnd % 2 != 0);
    newDoc.StateCaption = Texts::get(newGame.GameState);

    doc = std::move(newDoc);
    game = std::move(newGame);
    return {true, {}};
}

bool readGameFileBytes(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxGameFileBytes)
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

GameFileReadResult readGameFile(const QString& path, DocumentFields& doc, CGame& game)
{
    QByteArray bytes;
    if (!readGameFileBytes(path, bytes))
        return {false, QLatin1String(GameFileText::FailedToOpen)};
    return readGameFile(bytes, doc, game);
}

QByteArray writeGameFile(const DocumentFields& doc, CGame& game)
{
    game.ApplyMisDefault();
    BinaryWriter out;
    // Room for a game of short texts and a few tags: one allocation in most cases.
    out.reserve(4096 +
                qsizetype(std::clamp(game.RecordEnd, 0, CGame::EndCount - 1) + 1) * 16 * 512);
    writeDocument(out, doc);
    writeGame(out, game);
    return out.take();
}

GameFileWriteResult writeGameFile(const QString& path, const DocumentFields& doc, CGame& game)
{
    const QByteArray bytes = writeGameFile(doc, game);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return {false, QLatin1String(GameFileText::FailedToSave)};
    return {true, {}};
}
