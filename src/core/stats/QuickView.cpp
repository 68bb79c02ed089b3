#include "QuickView.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/record/Game.h"

#include <algorithm>

namespace {

constexpr int kTitlePercentId = 5074;
constexpr int kTitleCountsId = 5073;
constexpr int kPlayers = CTeam::PlayerCount;
constexpr int kSecond = 1;
constexpr int kAlternateRow = 4;

struct Tally
{
    unsigned count = 0;
    unsigned sum = 0;
};

// Per team: player indexes 0..4 and the team total at index 5.
using Tallies = std::array<std::array<Tally, kPlayers + 1>, 2>;

// The stones AddGame takes without the whole game: the ends before the current
// one, then the current end up to the current stone.
Tallies tallyUpToPosition(const CGame& game)
{
    Tallies tallies{};
    const auto add = [&](int end, int record, int team) {
        const CStone& s = game.Ends[std::size_t(end)].Stones[std::size_t(record + 8 * team)];
        if (s.Task < 0 || s.Task > 10 || s.Points < 0 || s.Points > 6)
            return;
        auto& side = tallies[std::size_t(team)];
        side[kPlayers].count += 1;
        side[kPlayers].sum += unsigned(s.Points);
        // A player index outside 0..4 counts for the team only.
        if (s.PlayerIndex >= 0 && s.PlayerIndex < kPlayers) {
            side[std::size_t(s.PlayerIndex)].count += 1;
            side[std::size_t(s.PlayerIndex)].sum += unsigned(s.Points);
        }
    };
    const int currentEnd = std::clamp(game.CurrentEnd, 0, CGame::EndCount - 1);
    for (int end = 0; end < currentEnd; ++end) {
        for (int r = 0; r < CEnd::StonesPerTeam; ++r) {
            add(end, r, 0);
            add(end, r, 1);
        }
    }
    const int reached =
        std::clamp(2 * game.CurrentPlayer + game.CurrentStone, 0, CEnd::StonesPerTeam);
    for (int r = 0; r < reached; ++r) {
        add(currentEnd, r, 0);
        add(currentEnd, r, 1);
    }
    if (game.CurrentOrder == 1 && reached < CEnd::StonesPerTeam)
        add(currentEnd, reached, game.Ends[std::size_t(currentEnd)].FirstThrowerFlag & 1);
    return tallies;
}

} // namespace

namespace QuickView {

QuickViewModel build(const CGame& game, const std::array<int, 2>& savedSecondIds)
{
    const bool percentages =
        Settings::read(Key::Preferences::DisplayStats) != 0 || game.GameState >= 8;
    const Tallies tallies = tallyUpToPosition(game);
    const auto figure = [percentages](const Tally& t) {
        if (!percentages)
            return QString::asprintf("%u", t.count);
        if (t.count == 0)
            return QStringLiteral("- %");
        return QString::asprintf("%3.0f %%", 25.0 * t.sum / t.count);
    };

    QuickViewModel model;
    model.title = Texts::get(percentages ? kTitlePercentId : kTitleCountsId);
    for (int t = 0; t < 2; ++t) {
        QuickViewTeam& team = model.teams[std::size_t(t)];
        const auto& side = tallies[std::size_t(t)];
        team.name = game.GetTeamName(t);
        team.figure = figure(side[kPlayers]);

        std::array<int, 5> shown{};
        std::array<bool, 4> used{};
        for (int position = 0; position < 4; ++position) {
            const int index = game.GetLineupPlayer(t, position);
            shown[std::size_t(position)] = index;
            if (index >= 0 && index < 4)
                used[std::size_t(index)] = true;
        }
        shown[kAlternateRow] = 4;
        for (int index = 3; index >= 0; --index) {
            if (!used[std::size_t(index)]) {
                shown[kAlternateRow] = index;
                break;
            }
        }
        if (shown[kSecond] == CPlayer::NoPlayerId) {
            shown[kSecond] = savedSecondIds[std::size_t(t)];
            team.rows[kSecond].greyed = true;
        }

        for (std::size_t row = 0; row < team.rows.size(); ++row) {
            QuickViewRow& r = team.rows[row];
            const int index = shown[row];
            // A saved index the team cannot have leaves its row blank.
            if (index < 0 || index >= kPlayers) {
                r.figure = figure({});
                continue;
            }
            r.label = game.GetPlayerName(t, index) + game.GetPlayerLabel(index, t);
            r.figure = figure(side[std::size_t(index)]);
        }
        if (game.isMixedDoubles()) {
            for (const int row : {0, 1, kAlternateRow})
                team.rows[std::size_t(row)] = {};
        }
    }
    return model;
}

} // namespace QuickView
