#include "SetupWizard.h"

#include "core/base/Prompts.h"
#include "core/base/Texts.h"
#include "core/files/Document.h"
#include "core/files/GameFile.h"
#include "core/timing/GameTimer.h"

#include <utility>

namespace {

constexpr int kSettingUpState = 2;
constexpr int kSetUpState = 5;
constexpr int kInProgressState = 6;
constexpr int kStartedQuestionId = 5042;
constexpr int kSinglePageCaptionId = 5117;
constexpr int kBackToSetupQuestionId = 5093;
constexpr int kStoneColoursPromptId = 5051;
constexpr qint16 kNoTeamId = -1;

// 5042 with the state's name; true when the wizard may open.
bool startedGameConfirmed(const CTALVStatsDoc& doc, Prompts& prompts)
{
    const int state = doc.game().GameState;
    return prompts.askOkCancel(Texts::get(kStartedQuestionId).arg(Texts::get(state)));
}

void refreshAndSave(CTALVStatsDoc& doc, Prompts& prompts)
{
    doc.SetModifiedFlag();
    Q_EMIT doc.viewsToRefresh();
    doc.DoAutoSave(prompts);
}

// The game as its file would hold it, taken from a copy (writing may fill in
// defaults).
QByteArray savedForm(const CTALVStatsDoc& doc)
{
    CGame copy = doc.game();
    copy.Observer = nullptr;
    return writeGameFile(doc.fields(), copy);
}

} // namespace

namespace SetupWizard {

QString teamName(const CTALVStatsDoc& doc, int teamSlot)
{
    const CTeam& team = doc.game().GetTeam(teamSlot == 0 ? 0 : 1);
    if (team.Text.isEmpty() || team.Id == kNoTeamId)
        return teamSlot == 0 ? QStringLiteral("Team 1") : QStringLiteral("Team 2");
    return team.Text;
}

QString singlePageCaption()
{
    return Texts::get(kSinglePageCaptionId);
}

bool runWhole(CTALVStatsDoc& doc, Prompts& prompts, WizardDialogs& dialogs, GameTimer& timer)
{
    CGame& game = doc.game();
    const int stateBefore = game.GameState;
    const QByteArray contentBefore = savedForm(doc);
    if (game.GameState >= kInProgressState) {
        if (!startedGameConfirmed(doc, prompts))
            return false;
    } else {
        game.SetGameState(kSettingUpState);
    }
    const qint32 endsBefore = game.TotalEnds;
    if (!dialogs.runSetupWizard(SetupPage::Whole)) {
        // A cancelled wizard is no longer running: a set-up game stays set up.
        if (stateBefore < kInProgressState)
            game.SetGameState(stateBefore);
        // Pages confirmed with Next before the Cancel have changed the game;
        // a later close must still offer to save that.
        if (savedForm(doc) != contentBefore) {
            doc.SetModifiedFlag();
            Q_EMIT doc.viewsToRefresh();
        }
        return false;
    }
    if (game.GameState < kSetUpState) {
        game.SetGameState(kSetUpState);
        doc.DerivePath();
    }
    refreshAndSave(doc, prompts);
    if (game.TotalEnds != endsBefore)
        timer.reset();
    return true;
}

bool runPage(CTALVStatsDoc& doc, Prompts& prompts, WizardDialogs& dialogs, GameTimer& timer,
             int page)
{
    if (page < SetupPage::Category || page > SetupPage::Statistician)
        return false;
    if (page != SetupPage::Statistician && doc.game().GameState > kSetUpState &&
        !startedGameConfirmed(doc, prompts))
        return false;
    if (!dialogs.runSetupWizard(page))
        return false;
    if (page == SetupPage::Competition)
        timer.gameOptionsConfirmed(); // only before the game starts
    if (page == SetupPage::Competition || page == SetupPage::Teams)
        doc.DerivePath();
    // The page changed the game: a later close must ask to save it.
    doc.SetModifiedFlag();
    Q_EMIT doc.viewsToRefresh();
    return true;
}

bool backToSetup(CTALVStatsDoc& doc, Prompts& prompts, WizardDialogs& dialogs, GameTimer& timer)
{
    if (!prompts.askYesNo(Texts::get(kBackToSetupQuestionId)))
        return false;
    doc.game().SetGameState(kSetUpState);
    doc.SetModifiedFlag();
    doc.DerivePath();
    doc.DoAutoSave(prompts);
    Q_EMIT doc.viewsToRefresh();
    if (doc.fields().Scorer1.isEmpty() && doc.fields().Scorer2.isEmpty())
        runPage(doc, prompts, dialogs, timer, SetupPage::Statistician);
    return true;
}

} // namespace SetupWizard

HandleColourChoice::HandleColourChoice(const CTALVStatsDoc& doc)
    : prompt_(Texts::get(kStoneColoursPromptId).arg(SetupWizard::teamName(doc, 0))),
      choice_(doc.game().GameValue2 != 0 ? 1 : 0), readOnly_(doc.game().GameState > kSetUpState)
{}

bool HandleColourChoice::apply(CTALVStatsDoc& doc) const
{
    CGame& game = doc.game();
    if (readOnly_ || (game.GameValue2 != 0 ? 1 : 0) == choice_)
        return false;
    game.GameValue2 = choice_;
    std::swap(doc.fields().Dark, doc.fields().Light);
    Q_EMIT doc.houseViewsChanged();
    return true;
}

LastStoneChoice::LastStoneChoice(const CTALVStatsDoc& doc)
    : team1_(SetupWizard::teamName(doc, 0)), team2_(SetupWizard::teamName(doc, 1)),
      // Flag 1: team 2 delivers first, so team 1 has the last stone.
      lastStoneTeam_(doc.game().Ends[0].FirstThrowerFlag == 1 ? 0 : 1),
      locked_(doc.game().GameState > kSetUpState && doc.game().CurrentEnd > 0)
{}

bool LastStoneChoice::apply(CTALVStatsDoc& doc) const
{
    CEnd& first = doc.game().Ends[0];
    const qint32 flag = lastStoneTeam_ == 0 ? 1 : 0;
    if (locked_ || first.FirstThrowerFlag == flag)
        return false;
    first.FirstThrowerFlag = flag;
    first.SwapTeamBlocks();
    Q_EMIT doc.viewsToRefresh();
    return true;
}
