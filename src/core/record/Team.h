#pragma once

#include <QChar>
#include <QString>

#include <array>

// An identifier from the configuration registry together with its text; used for
// teams, players and the document's competition, event, session and sheet.
struct CIDString
{
    QString Text = QStringLiteral("Name");
    qint16 Id = 0; // -1: none

    bool operator==(const CIDString&) const = default;
};

struct CPlayer : CIDString
{
    static constexpr qint16 NoPlayerId = 127;

    QString Role; // "Skip" for the team's skip
    qint32 OrderNumber = 0;
    QChar HandCode = QLatin1Char('R'); // travels with the player, not in game files

    bool isSkip() const { return Role == QLatin1String("Skip"); }
};

struct CTeam : CIDString
{
    static constexpr int PlayerCount = 5; // lead, second, third, fourth, alternate

    QString ShortName = QStringLiteral("XXX");
    std::array<CPlayer, PlayerCount> Players;
    qint32 TeamCounter1 = 0;
    qint32 TeamCounter2 = 0;
    qint32 TeamCounter3 = 0;
    qint32 TeamTotal = 0; // running score, recomputed whenever the end changes
};
