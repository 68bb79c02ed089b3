#include "GameFileBuilder.h"

#include "core/base/Cp1252.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

Bytes& Bytes::u8(quint8 v)
{
    data_.append(char(v));
    return *this;
}

Bytes& Bytes::u16(quint16 v)
{
    return u8(quint8(v & 0xFF)).u8(quint8(v >> 8));
}

Bytes& Bytes::u32(quint32 v)
{
    return u16(quint16(v & 0xFFFF)).u16(quint16(v >> 16));
}

Bytes& Bytes::i64(qint64 v)
{
    const auto u = quint64(v);
    return u32(quint32(u & 0xFFFFFFFF)).u32(quint32(u >> 32));
}

Bytes& Bytes::f64(double v)
{
    quint64 u;
    std::memcpy(&u, &v, sizeof u);
    return i64(qint64(u));
}

Bytes& Bytes::raw(const QByteArray& b)
{
    data_.append(b);
    return *this;
}

Bytes& Bytes::utf16(const QString& s)
{
    u8(0xFF).u16(0xFFFE);
    const auto n = quint32(s.size());
    if (n < 0xFF)
        u8(quint8(n));
    else if (n < 0xFFFE)
        u8(0xFF).u16(quint16(n));
    else
        u8(0xFF).u16(0xFFFF).u32(n);
    for (const QChar c : s)
        u16(c.unicode());
    return *this;
}

Bytes& Bytes::cp1252(const QString& s)
{
    const QByteArray b = Cp1252::encode(s);
    const auto n = quint32(b.size());
    if (n < 0xFF)
        u8(quint8(n));
    else if (n < 0xFFFE)
        u8(0xFF).u16(quint16(n));
    else
        u8(0xFF).u16(0xFFFF).u32(n);
    return raw(b);
}

void GameFileBuilder::string(const QString& s)
{
    if (options_.eightBitStrings)
        out_.cp1252(s);
    else
        out_.utf16(s);
}

void GameFileBuilder::time(qint64 t)
{
    if (options_.shortTimes)
        out_.shortTime(qint32(t));
    else
        out_.longTime(t);
}

void GameFileBuilder::stone(const CStone& s)
{
    const bool v6 = version_ >= QLatin1String("6.0.0");
    out_.i32(s.StoneFlag).i32(s.TeamId).i32(s.PlayerIndex).i32(s.PlayerId);
    out_.i32(s.Task).i32(s.Handle).i32(s.Points);
    const int pairs = version_ == QLatin1String("4.0") ? 17 : 18;
    for (int i = 0; i < pairs; ++i)
        out_.i32(s.Positions[std::size_t(i)].x).i32(s.Positions[std::size_t(i)].y);
    string(s.Remark);
    string(s.Comment);
    if (!v6)
        return;
    time(s.DeliveryTime);
    tagCountOffsets.append(out_.size());
    out_.u16(quint16(s.Tags.size()));
    for (const CTagEvent& tag : s.Tags) {
        time(tag.TagTime);
        out_.i32(qint32(tag.TagDuration));
        string(tag.TagName);
        string(tag.TagOutcome);
    }
}

QByteArray GameFileBuilder::build(const DocumentFields& doc, const CGame& game)
{
    out_ = Bytes();
    tagCountOffsets.clear();
    const QChar first = version_.isEmpty() ? QChar() : version_.front();
    string(version_);
    string(doc.City);
    out_.i32(doc.GameDate.Status).f64(doc.GameDate.Value);
    string(doc.Scorer1);
    string(doc.Scorer2);
    out_.i32(doc.OldLineSize).i32(doc.FirstEndDirection).i32(doc.ShowBroom);
    if (first >= QLatin1Char('5'))
        out_.i32(doc.ShowTarget).i32(0).i32(0);
    out_.i32(doc.Ice).i32(doc.Lines).i32(doc.Feet6).i32(doc.Feet4).i32(doc.Feet2);
    out_.i32(doc.Tee).i32(doc.Dark).i32(doc.Light);
    if (first >= QLatin1Char('6'))
        out_.i32(doc.IceAlert);
    string({});
    string({});
    out_.i32(doc.SavedSecondId1).i32(doc.SavedSecondId2);
    for (const CIDString* id : {&doc.Competition, &doc.Event, &doc.Session, &doc.Sheet}) {
        out_.i16(id->Id);
        string(id->Text);
    }
    for (const CTeam& team : game.Teams) {
        out_.i16(team.Id);
        string(team.Text);
        string(team.ShortName);
        out_.i32(team.TeamCounter1).i32(team.TeamCounter2).i32(team.TeamTotal);
        out_.i32(team.TeamCounter3);
        for (const CPlayer& p : team.Players) {
            out_.i16(p.Id);
            string(p.Text);
            out_.i32(p.OrderNumber);
            string(p.Role);
        }
    }
    out_.i32(game.GameValue1);
    out_.i32(game.RecordEnd).i32(game.RecordPlayer).i32(game.RecordStone).i32(game.RecordOrder);
    out_.i32(game.MisEnd).i32(game.MisPlayer).i32(game.MisStone).i32(game.MisOrder);
    string(game.MisLabel);
    out_.i32(game.GameState).i32(game.GameValue2);
    if (version_ >= QLatin1String("5.0.2")) {
        string(game.SummaryText1);
        string(game.SummaryText2);
        string(game.SummaryText3);
    }
    if (version_ >= QLatin1String("5.4.0"))
        out_.i32(game.MixedDoubles);
    for (int e = 0; e <= std::min(game.RecordEnd, CGame::EndCount - 1); ++e) {
        const CEnd& end = game.Ends[std::size_t(e)];
        out_.i32(end.FirstThrowerFlag).i32(end.EndValue1).i32(end.EndValue2);
        out_.i32(end.EndScore[0]).i32(end.EndScore[1]);
        if (version_ >= QLatin1String("6.0.0"))
            time(end.EndStartTime);
        for (const CStone& s : end.Stones)
            stone(s);
    }
    return out_.data();
}

void fillModel(DocumentFields& doc, CGame& game)
{
    doc.City = QStringLiteral("Zürich – Hallenstadion");
    doc.GameDate = {OleDate::Valid, 46000.75};
    doc.Scorer1 = QStringLiteral("Anne-Marie Bérard");
    doc.Scorer2 = QStringLiteral("Jörg Øster");
    doc.OldLineSize = 3;
    doc.FirstEndDirection = 1;
    doc.ShowBroom = 1;
    doc.ShowTarget = 1;
    doc.Ice = 0x00EEDDCC;
    doc.Lines = 0x00010203;
    doc.Feet6 = 0x00112233;
    doc.Feet4 = 0x00445566;
    doc.Feet2 = 0x00778899;
    doc.Tee = 0x00AABBCC;
    doc.Dark = 0x000000FF;
    doc.Light = 0x0000FFFF;
    doc.IceAlert = 0x00123456;
    doc.SavedSecondId1 = 7;
    doc.SavedSecondId2 = -3;
    doc.Competition = {QStringLiteral("WCC €"), 4};
    doc.Event = {QStringLiteral("Men"), 0};
    doc.Session = {QStringLiteral("Round Robin 3"), 12};
    doc.Sheet = {QStringLiteral("Sheet B"), 2};

    for (int t = 0; t < 2; ++t) {
        CTeam& team = game.Teams[std::size_t(t)];
        team.Id = qint16(10 + t);
        team.Text = t == 0 ? QStringLiteral("Schweiz") : QStringLiteral("Canada");
        team.ShortName = t == 0 ? QStringLiteral("SUI") : QStringLiteral("CAN");
        team.TeamCounter1 = 100 + t;
        team.TeamCounter2 = 200 + t;
        team.TeamCounter3 = 300 + t;
        team.TeamTotal = 5 + t;
        for (int p = 0; p < 5; ++p) {
            CPlayer& player = team.Players[std::size_t(p)];
            player.Id = qint16(p == 1 && t == 1 ? 127 : 20 * t + p);
            player.Text = QStringLiteral("Spieler %1/%2 ß").arg(t).arg(p);
            player.OrderNumber = 9 - p;
            player.Role = p == 2 ? QStringLiteral("Skip") : QString();
        }
    }
    game.GameValue1 = 7;
    game.setRecordingPosition({1, 2, 1, 1});
    game.setMisPosition({0, 3, 0, 1});
    game.MisLabel = QStringLiteral("Entscheidender Stein");
    game.GameState = 6;
    game.GameValue2 = 0;
    game.SummaryText1 = QStringLiteral("Gut gespielt");
    game.SummaryText2 = QStringLiteral("Zweites Ende «schwach»");
    game.SummaryText3 = QStringLiteral("…");
    game.MixedDoubles = 1;

    constexpr qint32 handles[] = {5, -1, -3, 4, 2, 0, 1, 3};
    for (int e = 0; e < 2; ++e) {
        CEnd& end = game.Ends[std::size_t(e)];
        end.FirstThrowerFlag = e;
        end.EndValue1 = 40 + e;
        end.EndValue2 = -40 - e;
        end.EndScore = {e == 0 ? 2 : 0, e == 0 ? 0 : 9};
        end.EndStartTime = 1700000000 + e * 600;
        for (int i = 0; i < CEnd::StoneCount; ++i) {
            CStone& s = end.Stones[std::size_t(i)];
            const int n = e * 16 + i;
            s.StoneFlag = n % 3;
            s.TeamId = 10 + i / 8;
            s.PlayerIndex = (i % 8) / 2;
            s.PlayerId = 20 * (i / 8) + (i % 8) / 2;
            s.Task = n % 14;
            s.Handle = handles[n % 8];
            s.Points = n % 9;
            for (int k = 0; k < CStone::PositionCount; ++k)
                s.Positions[std::size_t(k)] = {k == 3 ? 32767 : 10 * n + k, 32767 - k};
            s.Remark = QStringLiteral("Remark %1 é").arg(n);
            s.Comment = n % 2 ? QStringLiteral("Commentaire n° %1").arg(n) : QString();
            s.DeliveryTime = 1700000000 + n * 30;
            s.Tags.clear();
            for (int k = 0; k < n % 3; ++k)
                s.Tags.append({1700000000 + n * 30 + k, 5 + k, QStringLiteral("Draw"),
                               QStringLiteral("Gut %1").arg(k)});
        }
    }
}
