// The commands of the shot-entry form by identifier: what each does and when it
// is offered.
#include "ShotEntry.h"

#include "core/base/Prompts.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/Document.h"
#include "core/files/TagExport.h"
#include "core/record/Vocabulary.h"

#include <algorithm>

namespace {

constexpr int kSetUpState = 5;
constexpr int kFinishedState = 8;
constexpr int kSwapDirectionQuestionId = 5094;
constexpr int kLastLateTeamEnd = 2;

template <std::size_t N> int indexOf(const std::array<int, N>& ids, int id)
{
    const auto at = std::find(ids.begin(), ids.end(), id);
    return at == ids.end() ? -1 : int(at - ids.begin());
}

CommandState offered(bool enabled, bool checked = false)
{
    return {true, enabled, checked};
}

} // namespace

bool ShotEntryController::buttonCommand(int id)
{
    if (const int i = indexOf(EntryId::TaskButtons, id); i >= 0)
        taskButton(i);
    else if (const int h = indexOf(EntryId::HandleButtons, id); h >= 0)
        handleButton(h);
    else if (const int p = indexOf(EntryId::PointsButtons, id); p >= 0)
        pointsButton(p);
    else if (id == EntryId::Ok)
        RecordShot();
    else if (id == EntryId::Previous)
        Previous();
    else if (id == EntryId::Next)
        ReviewStepForward(false);
    else if (id == EntryId::Return)
        Return();
    else if (id == EntryId::ExpandRemark)
        expandRemark();
    else if (id == EntryId::ExpandComment)
        expandComment();
    else
        return false;
    return true;
}

CommandState ShotEntryController::buttonCommandState(int id) const
{
    if (indexOf(EntryId::TaskButtons, id) >= 0 || indexOf(EntryId::HandleButtons, id) >= 0 ||
        indexOf(EntryId::PointsButtons, id) >= 0 || id == EntryId::Ok ||
        id == EntryId::ExpandRemark || id == EntryId::ExpandComment)
        return offered(true);
    if (id == EntryId::Previous)
        return offered(state_.previousVisible);
    if (id == EntryId::Next)
        return offered(state_.nextVisible);
    if (id == EntryId::Return)
        return offered(state_.returnVisible);
    return {};
}

CommandState ShotEntryController::UpdateCommand(int id) const
{
    using namespace EntryCommand;
    const CGame& g = game();
    const int state = g.GameState;
    const bool md = g.isMixedDoubles();
    const bool positions = doc_.ShowGraphics != 0;
    switch (id) {
    case DeleteBack:
    case FirstStone:
    case PositionRecording:
        return offered(true, id == PositionRecording && positions);
    case NudgeUp:
    case NudgeDown:
    case NudgeLeft:
    case NudgeRight:
        return offered(positions && textFocus_ == 0);
    case GotoEnd:
    case PlayerOfStone:
    case EndNotPlayedOut:
    case EntryCommand::FinishGame:
        return offered(state > kSetUpState);
    case LateTeam:
        return offered(state >= kSetUpState && g.CurrentEnd <= kLastLateTeamEnd);
    case CorrectPreviousEnd:
        return offered(EndResult::CorrectPreviousEndEnabled(g));
    case ChooseFirstThrower:
        return offered(state >= kSetUpState && (switchLastStone_ || lateTeam_ || md));
    case ThrowerAssignment:
    case PowerPlayLeft:
    case PowerPlayRight:
        return offered(state >= kSetUpState && md);
    case SetMis:
        return offered(mis_->SetEnabled());
    case ShowMis:
        return offered(mis_->ShowEnabled());
    case GotoMis:
        return offered(mis_->GotoEnabled());
    case TimeOut:
        return offered(TimeOuts::enabled(g), timeOuts_.checked());
    case SwapDirection:
        return offered(positions);
    case HouseOption:
        return offered(positions, doc_.fields().ShowRotate != 0);
    case ShowGuidelines:
        return offered(true, doc_.ShowGuidelines != 0);
    case ShowGameTimer:
        return offered(true, timer_->ShowGameTimer);
    case ShowStopwatch:
        return offered(true, showStopwatch_);
    case TimerModeUsed:
    case TimerModeDeviation:
    case TimerModeRemaining: {
        const int mode = id == TimerModeUsed        ? GameTimer::UsedTime
                         : id == TimerModeDeviation ? GameTimer::Deviation
                                                    : GameTimer::RemainingTime;
        return offered(true, timer_->GameTimerMode == mode);
    }
    case TimerStop:
    case TimerTeam1:
    case TimerTeam2:
    case TimerToComment:
    case TimerReset:
    case TimerSet:
    case StopwatchStart:
    case StopwatchStop:
    case StopwatchSplit:
    case StopwatchToComment:
    case StopwatchReset:
    case DatabaseLinkOff:
        return offered(true);
    case StopwatchModeStartStop:
    case StopwatchModeSplit:
        return offered(true, stopwatch_->StopWatchMode == (id == StopwatchModeSplit
                                                               ? Stopwatch::StartSplitStop
                                                               : Stopwatch::StartStop));
    case SaveTagging:
        return offered(true, saveTagging_);
    case RemoveLastTag:
        return offered(saveTagging_);
    case AdvancedHandleOptions:
        return offered(true, advancedHandles_);
    case QuickStatistics:
        return offered(state >= kSetUpState, quickShown_);
    case ClearPendingFlag:
        return offered(state <= kSetUpState || pendingCorrection_);
    default:
        if (const auto wizard = wizardCommandState(id))
            return *wizard;
        return buttonCommandState(id);
    }
}

bool ShotEntryController::Command(int id)
{
    using namespace EntryCommand;
    const CommandState command = UpdateCommand(id);
    if (!command.known || !command.enabled)
        return false;
    CGame& g = game();
    switch (id) {
    case DeleteBack:
        if (textFocus_ != 0)
            return false; // the field itself removes the character before its caret
        Previous();
        break;
    case FirstStone:
        if (textFocus_ != 0)
            return false; // the field itself moves its caret
        GotoPosition(0, 0, 0);
        break;
    case NudgeUp:
    case NudgeDown:
    case NudgeLeft:
    case NudgeRight:
        return false; // the form hands these keys to the house view
    case GotoEnd:
        gotoEnd();
        break;
    case PlayerOfStone:
        choosePlayerOfStone();
        break;
    case EndNotPlayedOut:
        skipRestOfEnd();
        break;
    case LateTeam:
        recordLateTeam();
        break;
    case EntryCommand::FinishGame:
        this->FinishGame();
        break;
    case CorrectPreviousEnd:
        switch (EndResult::CorrectPreviousEnd(doc_, dialogs_, prompts_)) {
        case EndResult::Correction::Corrected:
            ShowEntry();
            break;
        case EndResult::Correction::OpenSetupWizard:
            // At the first end the last-stone page corrects who has the hammer.
            if (SetupWizard::runPage(doc_, prompts_, dialogs_, *timer_, SetupPage::LastStone))
                ShowEntry();
            break;
        case EndResult::Correction::Cancelled:
            break;
        }
        break;
    case ChooseFirstThrower:
        chooseFirstThrower();
        break;
    case ThrowerAssignment:
        assignThrowers();
        break;
    case PowerPlayLeft:
    case PowerPlayRight:
        g.PlacePositionedStones(id == PowerPlayLeft ? -1 : 1);
        doc_.SetModifiedFlag();
        Q_EMIT doc_.viewsToRefresh();
        break;
    case SetMis:
        mis_->Set();
        break;
    case ShowMis:
        mis_->Show();
        break;
    case GotoMis:
        mis_->Goto();
        break;
    case TimeOut:
        timeOuts_.run(g, *timer_, dialogs_, state_.remark);
        break;
    case SwapDirection:
        swapDirection(true);
        break;
    case PositionRecording:
        doc_.ShowGraphics = doc_.ShowGraphics != 0 ? 0 : 1;
        Q_EMIT doc_.viewsToRefresh();
        break;
    case HouseOption:
        doc_.fields().ShowRotate = doc_.fields().ShowRotate != 0 ? 0 : 1;
        if (doc_.fields().RotateRight != 0)
            swapDirection(false);
        Q_EMIT doc_.houseViewsChanged();
        break;
    case ShowGuidelines:
        doc_.ShowGuidelines = doc_.ShowGuidelines != 0 ? 0 : 1;
        state_.tooltipsActive = doc_.ShowGuidelines != 0;
        if (!state_.tooltipsActive)
            state_.guideline.clear();
        break;
    case ShowGameTimer:
        timer_->toggleShow();
        if (view_)
            view_->barsChanged();
        break;
    case ShowStopwatch:
        showStopwatch_ = !showStopwatch_;
        if (showStopwatch_)
            stopwatch_->barShown();
        if (view_)
            view_->barsChanged();
        break;
    case TimerStop:
        timer_->stopBoth();
        break;
    case TimerTeam1:
    case TimerTeam2:
        timer_->startTeam(id == TimerTeam1 ? 1 : 2);
        break;
    case TimerModeUsed:
        timer_->setMode(GameTimer::UsedTime);
        break;
    case TimerModeDeviation:
        timer_->setMode(GameTimer::Deviation);
        break;
    case TimerModeRemaining:
        timer_->setMode(GameTimer::RemainingTime);
        break;
    case TimerToComment:
        state_.comment = timer_->commentWithTimes(state_.comment);
        break;
    case TimerReset:
        timer_->askReset(prompts_);
        break;
    case TimerSet:
        timer_->setTimes(dialogs_);
        break;
    case StopwatchStart:
    case StopwatchStop:
    case StopwatchSplit:
        stopwatch_->press(g, state_.comment);
        break;
    case StopwatchToComment:
        state_.comment = stopwatch_->commentWithReading(state_.comment);
        break;
    case StopwatchReset:
        stopwatch_->reset();
        break;
    case StopwatchModeStartStop:
    case StopwatchModeSplit:
        stopwatch_->setMode(id == StopwatchModeSplit ? Stopwatch::StartSplitStop
                                                     : Stopwatch::StartStop);
        break;
    case SaveTagging:
        saveTagging_ = !saveTagging_;
        if (saveTagging_ && !timer_->GameTimerStopOnPoints && !timer_->GameTimerStopOnOK)
            timer_->GameTimerStopOnOK = true;
        Settings::write(Key::Options::SaveTagging, saveTagging_ ? 1 : 0);
        doc_.ViewSaveTagging = saveTagging_;
        if (saveTagging_)
            doc_.TagFilePath = TagExport::tagFilePath(doc_.path());
        break;
    case RemoveLastTag:
        if (g.RemoveLastTag(prompts_))
            doc_.SetModifiedFlag();
        break;
    case AdvancedHandleOptions:
        toggleAdvancedHandles();
        break;
    case QuickStatistics:
        quickShown_ = !quickShown_;
        if (view_)
            view_->quickViewChanged();
        break;
    case DatabaseLinkOff:
        doc_.DatabaseLink = 0;
        break;
    case ClearPendingFlag:
        pendingCorrection_ = false;
        break;
    default:
        if (!wizardCommand(id))
            return buttonCommand(id);
        break;
    }
    notify();
    return true;
}

void ShotEntryController::gotoEnd()
{
    const CGame& g = game();
    int end = g.CurrentEnd + 1;
    if (dialogs_.askEnd(end, g.RecordEnd + 1))
        GotoPosition(std::clamp(end, 1, g.RecordEnd + 1) - 1, 0, 0);
}

void ShotEntryController::choosePlayerOfStone()
{
    CGame& g = game();
    const CTeam& team = g.GetTeam(g.CurrentTeamSlot());
    QStringList names;
    for (const CPlayer& player : team.Players)
        names.append(player.Text);
    int choice = -1;
    if (!dialogs_.choosePlayer(names, choice) || choice < 0 || choice >= CTeam::PlayerCount)
        return;
    CStone& stone = g.currentStone();
    stone.PlayerIndex = choice;
    stone.PlayerId = team.Players[std::size_t(choice)].Id;
    doc_.SetModifiedFlag();
    fillLabels();
}

void ShotEntryController::swapDirection(bool ask)
{
    CGame& g = game();
    if (ask && g.GameState > kSetUpState &&
        !prompts_.askYesNo(Texts::get(kSwapDirectionQuestionId), Prompts::Icon::Question, true))
        return;
    qint32& first = doc_.fields().FirstEndDirection;
    first = first != 0 ? 0 : 1;
    // The sheet turns with every end.
    g.SheetDirection = first ^ (g.CurrentEnd & 1);
    doc_.SetModifiedFlag();
    Q_EMIT doc_.houseViewsChanged();
}

void ShotEntryController::toggleAdvancedHandles()
{
    advancedHandles_ = !advancedHandles_;
    Settings::write(Key::Options::AdvancedHandleOptions, advancedHandles_ ? 1 : 0);
    state_.extraHandlesVisible = advancedHandles_;
    fillHandleItems();
    if (!advancedHandles_ && state_.handle > 1)
        selectHandle(state_.handle, false);
}
