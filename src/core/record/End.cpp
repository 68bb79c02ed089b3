#include "End.h"

#include "core/base/Clock.h"

namespace {

struct Delivery
{
    qint32 playerId;
    qint32 playerIndex;
};

// Delivering player of stone records 0..7 of a team in a new end.
constexpr std::array<Delivery, 8> kRegularDeliveries = {
    {{4, 0}, {4, 0}, {3, 1}, {3, 1}, {2, 2}, {2, 2}, {1, 3}, {1, 3}}};
constexpr std::array<Delivery, 8> kMixedDoublesDeliveries = {
    {{0, 0}, {0, 0}, {0, 0}, {1, 3}, {2, 2}, {2, 2}, {2, 2}, {1, 3}}};

qint32 playerIdOf(const CTeam& team, int index)
{
    if (index < 0 || index >= CTeam::PlayerCount)
        return CPlayer::NoPlayerId;
    return team.Players[std::size_t(index)].Id;
}

} // namespace

CEnd::CEnd(bool mixedDoubles)
{
    const auto& table = mixedDoubles ? kMixedDoublesDeliveries : kRegularDeliveries;
    for (int slot = 0; slot < 2; ++slot) {
        for (int i = 0; i < StonesPerTeam; ++i) {
            CStone& s = Stones[std::size_t(slot * StonesPerTeam + i)];
            s.PlayerId = table[std::size_t(i)].playerId;
            s.PlayerIndex = table[std::size_t(i)].playerIndex;
        }
    }
}

void CEnd::SetLineup(const CTeam& team, int teamSlot, bool mixedDoubles, int lead, int second,
                     int third, int fourth)
{
    std::array<int, 8> indices{};
    if (mixedDoubles) {
        indices = {0, 0, 0, fourth, third, third, third, fourth};
    } else {
        const bool noSecond = second == CPlayer::NoPlayerId;
        indices = {lead,   lead,  noSecond ? lead : second, noSecond ? third : second, third, third,
                   fourth, fourth};
    }
    for (int i = 0; i < StonesPerTeam; ++i) {
        CStone& s = Stones[std::size_t(teamSlot * StonesPerTeam + i)];
        s.PlayerIndex = indices[std::size_t(i)];
        // The first three records of a mixed-doubles team are never delivered.
        s.PlayerId = (mixedDoubles && i < 3) ? 0 : playerIdOf(team, s.PlayerIndex);
    }
}

int CEnd::GetLineupPlayer(int teamSlot, int position, bool mixedDoubles) const
{
    if (mixedDoubles)
        return (position == 2 || position == 3) ? position : 0;
    if (teamSlot < 0 || teamSlot > 1 || position < 0 || position > 3)
        return CPlayer::NoPlayerId;
    if (position == 1 && stone(teamSlot, 0, 1).PlayerIndex == stone(teamSlot, 1, 0).PlayerIndex)
        return CPlayer::NoPlayerId;
    const int index = stone(teamSlot, position, 0).PlayerIndex;
    return (index < 0 || index > 4) ? 4 : index;
}

void CEnd::SwapTeamBlocks()
{
    for (int i = 0; i < StonesPerTeam; ++i) {
        std::swap(Stones[std::size_t(i)], Stones[std::size_t(i + StonesPerTeam)]);
        Stones[std::size_t(i)].SwapTeamHalves();
        Stones[std::size_t(i + StonesPerTeam)].SwapTeamHalves();
    }
}

void CEnd::MarkEndStart()
{
    if (EndStartTime == 0)
        EndStartTime = Clock::now();
}
