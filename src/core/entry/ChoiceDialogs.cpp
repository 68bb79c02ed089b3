#include "ChoiceDialogs.h"

#include "core/base/Texts.h"
#include "core/record/Game.h"

namespace {

constexpr int kWhichPlayerId = 5066;

int validChoice(int choice)
{
    return choice == 0 || choice == 1 ? choice : -1;
}

} // namespace

LateTeamDialogModel::LateTeamDialogModel(const CGame& game)
    : labels_{game.GetTeamName(0), game.GetTeamName(1)},
      choice_(validChoice(game.Teams[1].TeamCounter2))
{}

void LateTeamDialogModel::choose(int choice)
{
    if (validChoice(choice) != NoChoice)
        choice_ = choice;
}

MixedDoublesDialogModel MixedDoublesDialogModel::forTeam(const CGame& game)
{
    MixedDoublesDialogModel dialog;
    dialog.labels_ = {game.GetTeamName(0), game.GetTeamName(1)};
    // The first thrower the rules have already given the current end.
    dialog.choice_ = game.currentEnd().FirstThrowerFlag != 0 ? 1 : 0;
    return dialog;
}

MixedDoublesDialogModel MixedDoublesDialogModel::forPlayer(const CGame& game)
{
    MixedDoublesDialogModel dialog;
    dialog.mode_ = Mode::Player;
    const int slot = game.CurrentTeamSlot();
    dialog.prompt_ = Texts::get(kWhichPlayerId).arg(game.GetTeamName(slot));
    dialog.players_ = {game.GetLineupPlayer(slot, 3), game.GetLineupPlayer(slot, 2)};
    for (std::size_t i = 0; i < 2; ++i) {
        const int index = dialog.players_[i];
        dialog.labels_[i] =
            index >= 0 && index < CTeam::PlayerCount ? game.GetPlayerName(slot, index) : QString();
        if (index == game.currentStone().PlayerIndex && dialog.choice_ == -1)
            dialog.choice_ = int(i);
    }
    return dialog;
}

void MixedDoublesDialogModel::choose(int choice)
{
    if (validChoice(choice) != -1)
        choice_ = choice;
}

int MixedDoublesDialogModel::player() const
{
    return choice_ == -1 ? -1 : players_[std::size_t(choice_)];
}
