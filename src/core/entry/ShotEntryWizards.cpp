// The wizard commands of the shot-entry form: set-up (whole or by page), back
// to set-up, line-up and summary.
#include "Lineup.h"
#include "SetupWizard.h"
#include "ShotEntry.h"
#include "Summary.h"

#include "core/files/Document.h"

namespace {

constexpr int kSetUpState = 5;

// The set-up page each page command opens.
int setupPageOf(int id)
{
    using namespace EntryCommand;
    switch (id) {
    case SetupCategory:
        return SetupPage::Category;
    case SetupCompetition:
        return SetupPage::Competition;
    case SetupTeams:
        return SetupPage::Teams;
    case SetupPlayers:
        return SetupPage::Players;
    case SetupStoneColours:
        return SetupPage::StoneColours;
    case SetupLastStone:
        return SetupPage::LastStone;
    case SetupStatistician:
        return SetupPage::Statistician;
    default:
        return -1;
    }
}

} // namespace

std::optional<CommandState> ShotEntryController::wizardCommandState(int id) const
{
    using namespace EntryCommand;
    const CGame& g = game();
    const int state = g.GameState;
    const bool md = g.isMixedDoubles();
    switch (id) {
    case SetUpGame:
        return CommandState{true, true, false};
    case SetupCategory:
        return CommandState{true, state <= kSetUpState, false};
    case BackToSetup:
        return CommandState{true, state <= kSetUpState, false};
    case LineupAsk:
        return CommandState{true, state >= kSetUpState && !md, false};
    case Lineup:
        return CommandState{true, state > kSetUpState && !md, false};
    case Summary:
        return CommandState{true, state > kSetUpState, false};
    default:
        if (setupPageOf(id) > 0)
            return CommandState{true, true, false};
        return std::nullopt;
    }
}

bool ShotEntryController::wizardCommand(int id)
{
    using namespace EntryCommand;
    bool changed = false;
    switch (id) {
    case SetUpGame:
        changed = SetupWizard::runWhole(doc_, prompts_, dialogs_, *timer_);
        break;
    case BackToSetup:
        changed = SetupWizard::backToSetup(doc_, prompts_, dialogs_, *timer_);
        break;
    case LineupAsk:
    case Lineup:
        changed = LineupWizard::run(doc_, prompts_, dialogs_, id == LineupAsk);
        lineupChanged_ = lineupChanged_ || changed;
        break;
    case Summary:
        changed = SummaryWizard::run(doc_, prompts_, dialogs_);
        break;
    default: {
        const int page = setupPageOf(id);
        if (page < 0)
            return false;
        // ShowEntry below also refreshes the quick view the players page changed.
        changed = SetupWizard::runPage(doc_, prompts_, dialogs_, *timer_, page);
        break;
    }
    }
    if (changed)
        ShowEntry();
    return true;
}
