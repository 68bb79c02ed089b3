#pragma once

#include "Stone.h"
#include "Team.h"

#include <array>

// One end: who delivers first, the score and the 16 stone records. Records 0..7
// belong to team 1 and 8..15 to team 2 (by team, not by delivery order); inside a
// team's block record 2p + k is the k-th stone of the player at line-up position p.
struct CEnd
{
    static constexpr int StoneCount = 16;
    static constexpr int StonesPerTeam = 8;
    static constexpr qint32 NotCountedScore = 9; // an end score of 9 or more

    qint32 EndResultFlag = 0;    // not in game files
    qint32 FirstThrowerFlag = 0; // 0: team 1 delivers first (team 2 has the last stone)
    qint32 EndValue1 = 0;
    qint32 EndValue2 = 0;
    std::array<qint32, 2> EndScore{};
    qint64 EndStartTime = 0;
    std::array<CStone, StoneCount> Stones;

    // A new end preassigns the delivering players of both teams as a new game
    // names them (player Ids 4, 3, 2, 1 for line-up positions 0..3).
    explicit CEnd(bool mixedDoubles = false);

    // Assigns the line-up of one team (player indices; 127 = no such player) to
    // its stone records, with PlayerId from the team's players.
    void SetLineup(const CTeam& team, int teamSlot, bool mixedDoubles, int lead, int second,
                   int third, int fourth);
    // Player index at a line-up position, or 127 (a team of three has no second).
    int GetLineupPlayer(int teamSlot, int position, bool mixedDoubles) const;

    void Copy(const CEnd& other) { *this = other; }
    // Exchanges the two teams' blocks, each record with its snapshot halves.
    void SwapTeamBlocks();
    // Stamps the end's start with the current time when not yet set.
    void MarkEndStart();

    CStone& stone(int teamSlot, int position, int stoneOfPlayer)
    {
        return Stones[std::size_t(teamSlot * StonesPerTeam + position * 2 + stoneOfPlayer)];
    }
    const CStone& stone(int teamSlot, int position, int stoneOfPlayer) const
    {
        return Stones[std::size_t(teamSlot * StonesPerTeam + position * 2 + stoneOfPlayer)];
    }
};
