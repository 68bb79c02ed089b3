#include "Lineup.h"

#include "SetupWizard.h"

#include "core/base/Prompts.h"
#include "core/base/Texts.h"
#include "core/files/Document.h"

#include <algorithm>

namespace {

constexpr int kTeamTextId = 5015;
constexpr int kDatabaseLinkQuestionId = 5108;
constexpr int kSecondSlot = 1;

// Player index delivering each of a team's eight stones.
std::array<int, CEnd::StonesPerTeam> deliveries(const std::array<int, 5>& slots, bool three)
{
    // A team of three: the lead and the third deliver three stones each.
    const int stone2 = three ? slots[0] : slots[1];
    const int stone3 = three ? slots[2] : slots[1];
    return {slots[0], slots[0], stone2, stone3, slots[2], slots[2], slots[3], slots[3]};
}

// The stones of a team from `first` on go to the line-up.
void assign(CEnd& end, const CTeam& team, int teamSlot, int first,
            const std::array<int, CEnd::StonesPerTeam>& players)
{
    for (int s = std::max(first, 0); s < CEnd::StonesPerTeam; ++s) {
        CStone& stone = end.Stones[std::size_t(teamSlot * CEnd::StonesPerTeam + s)];
        const int index = players[std::size_t(s)];
        stone.PlayerIndex = index;
        stone.PlayerId = team.Players[std::size_t(index)].Id;
    }
}

} // namespace

LineupModel::LineupModel(const CTALVStatsDoc& doc, int teamSlot) : team_(teamSlot == 0 ? 0 : 1)
{
    const CGame& game = doc.game();
    const CTeam& team = game.Teams[std::size_t(team_)];
    for (const CPlayer& p : team.Players)
        names_.append(p.Text);

    const CEnd& end = game.currentEnd();
    std::array<int, SlotCount> wanted{-1, -1, -1, -1, -1};
    for (int slot = 0; slot < RegularSlots; ++slot)
        wanted[std::size_t(slot)] = end.GetLineupPlayer(team_, slot, false);
    if (wanted[kSecondSlot] == CPlayer::NoPlayerId) {
        threePlayers_ = true;
        // The second who sits out is the one remembered for the team.
        const qint32 saved = team_ == 0 ? doc.fields().SavedSecondId1 : doc.fields().SavedSecondId2;
        wanted[kSecondSlot] = -1;
        for (int i = 0; i < CTeam::PlayerCount; ++i) {
            if (team.Players[std::size_t(i)].Id == saved)
                wanted[kSecondSlot] = i;
        }
    }
    // Every player once: the wanted ones first, the rest fill the open slots.
    std::array<bool, CTeam::PlayerCount> used{};
    slots_.fill(-1);
    for (int slot = 0; slot < SlotCount; ++slot) {
        const int p = wanted[std::size_t(slot)];
        if (p >= 0 && p < CTeam::PlayerCount && !used[std::size_t(p)]) {
            slots_[std::size_t(slot)] = p;
            used[std::size_t(p)] = true;
        }
    }
    for (int& slot : slots_) {
        if (slot >= 0)
            continue;
        slot = int(std::find(used.begin(), used.end(), false) - used.begin());
        used[std::size_t(slot)] = true;
    }
    for (int slot = 0; slot < RegularSlots; ++slot) {
        if (team.Players[std::size_t(slots_[std::size_t(slot)])].isSkip())
            skip_ = slot;
    }
}

void LineupModel::choose(int slot, int player)
{
    if (slot < 0 || slot >= SlotCount || player < 0 || player >= CTeam::PlayerCount)
        return;
    const auto other = std::find(slots_.begin(), slots_.end(), player);
    *other = slots_[std::size_t(slot)];
    slots_[std::size_t(slot)] = player;
}

void LineupModel::setSkipSlot(int slot)
{
    if (slot >= 0 && slot < RegularSlots)
        skip_ = slot;
}

void LineupModel::rename(int player, const QString& name)
{
    if (player >= 0 && player < names_.size())
        names_[player] = name;
}

void LineupModel::apply(CTALVStatsDoc& doc) const
{
    CGame& game = doc.game();
    CTeam& team = game.Teams[std::size_t(team_)];
    for (int slot = 0; slot < SlotCount; ++slot) {
        CPlayer& p = team.Players[std::size_t(slots_[std::size_t(slot)])];
        p.Text = names_[slots_[std::size_t(slot)]];
        p.Role = slot == skip_ ? QStringLiteral("Skip") : QString();
        // The lead is 4 down to the fourth with 1; the alternate has no order.
        p.OrderNumber = slot < RegularSlots ? RegularSlots - slot : 0;
    }

    // Recorded stones keep their players: a review changes the line-up from
    // the recording position on, in the game and in its review copy.
    const GamePosition at = game.recordingPosition();
    int first = at.Player * 2 + at.Stone;
    // The team that opened this pair of stones has delivered stone `first` already.
    const CEnd& current = game.Ends[std::size_t(at.End)];
    if (at.Order == 1 && ((current.FirstThrowerFlag & 1) == team_))
        ++first;
    const auto players = deliveries(slots_, threePlayers_);
    auto applyTo = [&](std::array<CEnd, CGame::EndCount>& ends) {
        assign(ends[std::size_t(at.End)], team, team_, first, players);
        for (int e = at.End + 1; e < CGame::EndCount; ++e)
            ends[std::size_t(e)].SetLineup(team, team_, false, slots_[0],
                                           threePlayers_ ? CPlayer::NoPlayerId : slots_[1],
                                           slots_[2], slots_[3]);
    };
    applyTo(game.Ends);
    if (game.ReviewMode != 0)
        applyTo(game.ReviewCopy);

    if (threePlayers_) {
        const qint32 missing = team.Players[std::size_t(slots_[kSecondSlot])].Id;
        (team_ == 0 ? doc.fields().SavedSecondId1 : doc.fields().SavedSecondId2) = missing;
    }
}

QString LineupModel::tabTitle(const CGame& game, int teamSlot)
{
    const QString name = game.GetTeamName(teamSlot == 0 ? 0 : 1);
    return name.isEmpty() ? Texts::get(kTeamTextId).arg(teamSlot == 0 ? 1 : 2) : name;
}

namespace LineupWizard {

bool run(CTALVStatsDoc& doc, Prompts& prompts, WizardDialogs& dialogs, bool ask)
{
    if (ask && doc.DatabaseLink != 0 && !prompts.askOkCancel(Texts::get(kDatabaseLinkQuestionId)))
        return false;
    if (!dialogs.runLineupWizard(doc.game().CurrentTeamSlot()))
        return false;
    doc.SetModifiedFlag();
    Q_EMIT doc.viewsToRefresh();
    return true;
}

} // namespace LineupWizard
