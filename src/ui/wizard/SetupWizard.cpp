#include "SetupWizard.h"

#include "HandleDialog.h"
#include "LSFEDialog.h"
#include "WizardTextPages.h"

#include "core/entry/SetupWizard.h"
#include "core/files/Document.h"
#include "ui/config/CategoryDialog.h"
#include "ui/config/CompetitionDialog.h"
#include "ui/config/PlayerDialog.h"
#include "ui/config/StatisticianDialog.h"
#include "ui/config/TeamDialog.h"

namespace {

constexpr int kInProgressState = 6;

} // namespace

CSetupWizard::CSetupWizard(CTALVStatsDoc& doc, CConfig& config, Prompts& prompts, int page,
                           QWidget* parent)
    : CWizardPropertySheet(parent)
{
    if (page != SetupPage::Whole) {
        setWindowTitle(SetupWizard::singlePageCaption());
        addSetupPage(page, doc, config, prompts);
        if (page != SetupPage::Players)
            showAsSinglePage();
        return;
    }
    setWindowTitle(tr("Game set-up"));
    addPage(new CWizardStartDialog(
        tr("Set up the game"), tr("Describe the game before its first stone."),
        tr("The pages that follow ask for the competition, the two "
           "teams and their players, the colour of each team's stone handles, the team with "
           "the last stone in the first end and who records the game.\n\nEvery page can be "
           "opened alone later from the Game menu."),
        this));
    // The category decides the registry lists; it is fixed once the game runs.
    const bool categoryShown = doc.game().GameState < kInProgressState;
    for (int number = categoryShown ? SetupPage::Category : SetupPage::Competition;
         number <= SetupPage::Statistician; ++number)
        addSetupPage(number, doc, config, prompts);
    addPage(new CWizardFinishDialog(
        tr("The game is set up"), tr("Every page is filled in."),
        tr("Press Finish to keep these settings. The shot-entry form is then ready for the "
           "first stone."),
        this));
}

void CSetupWizard::addSetupPage(int number, CTALVStatsDoc& doc, CConfig& config, Prompts& prompts)
{
    switch (number) {
    case SetupPage::Category:
        addPage(new CCategoryDialog(doc, config, prompts, this));
        break;
    case SetupPage::Competition:
        addPage(new CCompetitionDialog(doc, config, prompts, this));
        break;
    case SetupPage::Teams:
        addPage(new CTeamDialog(doc, config, prompts, this));
        break;
    case SetupPage::Players:
        addPage(new CPlayerDialog(doc, config, prompts, 0, this));
        addPage(new CPlayerDialog(doc, config, prompts, 1, this));
        break;
    case SetupPage::StoneColours:
        addPage(new CHandleDialog(doc, this));
        break;
    case SetupPage::LastStone:
        addPage(new CLSFEDialog(doc, this));
        break;
    case SetupPage::Statistician:
        addPage(new CStatisticianDialog(doc, config, prompts, this));
        break;
    default:
        break;
    }
}
