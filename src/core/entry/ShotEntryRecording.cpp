// The record-one-shot sequence, review mode, the end of the game, the automatic
// recordings of a whole end and the mixed-doubles choices.
#include "ShotEntry.h"
#include "Summary.h"

#include "core/base/Prompts.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/Document.h"
#include "core/record/Vocabulary.h"

#include <algorithm>

namespace {

constexpr int kInProgressState = 6;
constexpr int kFinishedState = 8;
constexpr int kIncompleteWarningId = 5110;
constexpr int kKeepReviewChangeId = 5092;
constexpr int kFinishQuestionId = 5031;
constexpr int kEarlyFinishQuestionId = 32045;
constexpr int kFinishTiedQuestionId = 32046;
constexpr int kReopenQuestionId = 32041;
constexpr int kResultFromDatabaseId = 32021;
constexpr int kSkipRestQuestionId = 5098;
constexpr int kLateTeamQuestionId = 5096;
constexpr int kEarlyFinishEnd = 6;
constexpr int kLastEnd = CGame::EndCount - 1;

bool readResultFromDatabase()
{
    return Settings::read(Key::Preferences::ReadResultFromDB) != 0;
}

// Position in play order, for comparing two positions of a game.
int playIndex(const GamePosition& p)
{
    return p.End * CEnd::StoneCount + (p.Player * 2 + p.Stone) * 2 + p.Order;
}

bool totalsEqual(const CGame& game)
{
    return game.Teams[0].TeamTotal == game.Teams[1].TeamTotal;
}

} // namespace

bool ShotEntryController::entryEmpty() const
{
    return state_.task < 0 && state_.handle < 0 && state_.points < 0;
}

bool ShotEntryController::entryComplete() const
{
    return state_.task >= 0 && (state_.handle >= 0 || state_.task >= Vocabulary::TaskThrough) &&
           state_.points >= 0;
}

void ShotEntryController::showMissing()
{
    state_.taskMissing = state_.task < 0;
    state_.handleMissing = state_.handle < 0 && state_.task < Vocabulary::TaskThrough;
    state_.pointsMissing = state_.points < 0;
}

void ShotEntryController::RecordShot()
{
    if (resultDialogOpen_ || !state_.enabled)
        return;
    CGame& g = game();
    if (!entryComplete()) {
        if (!entryEmpty()) {
            showMissing();
            if (view_)
                view_->beep();
            if (Settings::read(Key::Options::ShowWarning) != 0)
                dialogs_.showWarning(kIncompleteWarningId);
        }
        notify();
        return;
    }
    state_.taskMissing = state_.handleMissing = state_.pointsMissing = false;
    doc_.SetModifiedFlag();

    bool confirmed = false;
    if (g.ReviewMode != 0) {
        // Walk forward to the recording position; a stored stone that is not
        // complete cannot be stepped over, so the walk stops there in review.
        bool blocked = false;
        while (g.ReviewMode != 0 && !blocked) {
            const GamePosition before = g.currentPosition();
            reviewStep(false, true);
            blocked = g.ReviewMode != 0 && g.currentPosition() == before;
        }
        if (lastResultCancelled_ && !g.isLastStoneOfEnd())
            g.PreviousStone();
        ShowEntry();
        if (blocked) {
            showMissing();
            if (view_)
                view_->beep();
        }
    } else {
        timer_->shotRecorded();
        if (timer_->GameTimerToComment && g.isLastStoneOfEnd())
            state_.comment = timer_->commentWithTimes(state_.comment);
        StoreEntry();

        g.EndResultConfirmed = 0;
        if (g.isLastStoneOfEnd() && !(autoRecording_ && readResultFromDatabase())) {
            const int end = g.CurrentEnd;
            ResultDialogModel dialog = EndResult::dialogFor(doc_, end);
            resultDialogOpen_ = true;
            const bool ok = dialogs_.runResultDialog(dialog);
            resultDialogOpen_ = false;
            lastResultCancelled_ = !ok;
            if (!ok) { // the stone keeps its entry; OK opens the dialog again
                ShowEntry();
                return;
            }
            EndResult::Store(g, end, dialog, prompts_);
            g.EndResultConfirmed = 1;
            confirmed = true;
            if (g.Ends[std::size_t(end)].EndScore[0] < CEnd::NotCountedScore)
                mis_->Remind();
            if (g.TotalEnds <= end && totalsEqual(g) && g.ExtraEnds != 0)
                timer_->startExtraEnd();
        }
        g.NextStone();
        g.SetGameState(kInProgressState);
        ShowEntry();
    }
    // A walk stopped in review saves once review is over: until then Return
    // may still take the corrections back.
    if (g.ReviewMode == 0)
        doc_.DoAutoSave(prompts_);

    if (g.TotalEnds < g.CurrentEnd && (!totalsEqual(g) || g.ExtraEnds == 0)) {
        FinishGame();
    } else if (g.isMixedDoubles() && !autoRecording_ && g.ReviewMode == 0) {
        if (confirmed && !chooseFirstThrower()) {
            notify();
            return;
        }
        if (g.CurrentPlayer == 1)
            assignThrowers();
    }
    notify();
}

// With the database link the review copy is what a later Return restores, so a
// change is written into it when the user keeps it.
void ShotEntryController::keepInReviewCopy(bool force)
{
    CGame& g = game();
    CStone& copy = g.ReviewCopy[std::size_t(g.CurrentEnd)].Stones[std::size_t(g.StoneSlot())];
    if (copy.Equals(g.currentStone()) && !force)
        return;
    if (force || prompts_.askYesNo(Texts::get(kKeepReviewChangeId)))
        copy.Copy(g.currentStone());
}

void ShotEntryController::Previous()
{
    if (!state_.previousVisible)
        return;
    CGame& g = game();
    StoreEntry();
    if (g.ReviewMode != 0 && doc_.DatabaseLink != 0)
        keepInReviewCopy(false);
    if (g.ReviewMode == 0)
        g.EnterReview();
    g.PreviousStone();
    ShowEntry();
}

int ShotEntryController::ReviewStepForward(bool shift)
{
    return reviewStep(shift, false);
}

int ShotEntryController::reviewStep(bool shift, bool driven)
{
    CGame& g = game();
    if (g.ReviewMode == 0 || !state_.nextVisible)
        return 0;
    if (!entryComplete())
        return 1;
    StoreEntry();
    const CStone& copy = g.ReviewCopy[std::size_t(g.CurrentEnd)].Stones[std::size_t(g.StoneSlot())];
    const bool changed = !copy.Equals(g.currentStone());
    // OK walking forward keeps every change, also through a later Return.
    if (driven && changed)
        keepInReviewCopy(true);
    else if (doc_.DatabaseLink != 0 && (changed || shift))
        keepInReviewCopy(shift);
    const int moved = g.NextStone();
    ShowEntry();
    return moved == 0 || g.ReviewMode == 0 ? 0 : 1;
}

void ShotEntryController::Return()
{
    CGame& g = game();
    if (g.ReviewMode == 0 || !state_.returnVisible)
        return;
    g.LeaveReview(1);
    ShowEntry();
}

// Where the game's own go-to lands, and never past the recording position.
GamePosition ShotEntryController::gotoTarget(int end, int order, int stoneIndex) const
{
    const CGame& g = game();
    GamePosition target = g.currentPosition();
    target.End =
        std::clamp(std::min(end == -1 ? g.CurrentEnd : std::max(end, 0), g.RecordEnd), 0, kLastEnd);
    target.Order = order & 1;
    if (stoneIndex >= 0 && stoneIndex <= 7) {
        target.Player = stoneIndex / 2;
        target.Stone = stoneIndex % 2;
        if (g.isMixedDoubles() && target.Player < 2)
            target.Player = target.Stone = 1;
    }
    if (playIndex(target) > playIndex(g.recordingPosition()))
        target = g.recordingPosition();
    return target;
}

void ShotEntryController::GotoPosition(int end, int order, int stoneIndex)
{
    CGame& g = game();
    const GamePosition target = gotoTarget(end, order, stoneIndex);
    if (target == g.currentPosition()) {
        notify();
        return;
    }
    if (g.isMixedDoubles() && target.End == g.CurrentEnd && stoneIndex <= 2 &&
        g.CurrentPlayer == 1) {
        notify();
        return;
    }
    StoreEntry();
    if (target == g.recordingPosition()) {
        // Arriving at the recording position ends review as a Next step does.
        if (g.ReviewMode != 0)
            g.LeaveReview(0);
    } else {
        if (g.ReviewMode == 0)
            g.EnterReview();
        g.GotoPosition(target.End, target.Order, target.Player * 2 + target.Stone);
    }
    ShowEntry();
}

void ShotEntryController::FinishGame()
{
    finishOrReopen();
    notify();
}

void ShotEntryController::finishOrReopen()
{
    CGame& g = game();
    if (g.ReviewMode != 0)
        return;
    if (g.GameState == kFinishedState && doc_.DatabaseLink == 0) {
        if (!prompts_.askYesNo(Texts::get(kReopenQuestionId), Prompts::Icon::Question, true))
            return;
        g.SetGameState(kInProgressState);
        doc_.DerivePath();
        state_.enabled = true;
        g.RecomputeTeamTotals(); // in progress: the ends before the current one
        doc_.SetModifiedFlag();
        ShowEntry();
        return;
    }

    timer_->stopBoth();
    g.EndResultConfirmed = g.isFirstStoneOfEnd() ? 1 : 0;
    if (!prompts_.askYesNo(Texts::get(kFinishQuestionId), Prompts::Icon::Question, true))
        return;
    if (g.CurrentEnd < kEarlyFinishEnd && g.TotalEnds > kEarlyFinishEnd &&
        !prompts_.askYesNo(Texts::get(kEarlyFinishQuestionId)))
        return;
    if (g.EndResultConfirmed == 0) {
        if (doc_.DatabaseLink != 0 && readResultFromDatabase())
            prompts_.message(Texts::get(kResultFromDatabaseId));
        ResultDialogModel dialog = EndResult::dialogFor(doc_, g.CurrentEnd);
        resultDialogOpen_ = true;
        const bool ok = dialogs_.runResultDialog(dialog);
        resultDialogOpen_ = false;
        if (ok)
            EndResult::Store(g, g.CurrentEnd, dialog, prompts_);
    }
    // Over the ends up to the current one, which the finished game counts.
    for (int slot = 0; slot < CGame::TeamCount; ++slot) {
        int total = 0;
        for (int e = 0; e <= std::min(g.CurrentEnd, kLastEnd); ++e)
            total += EndResult::countedPoints(g.Ends[std::size_t(e)].EndScore[std::size_t(slot)]);
        g.Teams[std::size_t(slot)].TeamTotal = total;
    }
    if (totalsEqual(g) && g.ExtraEnds != 0 &&
        !prompts_.askYesNo(Texts::get(kFinishTiedQuestionId))) {
        g.SetGameState(kInProgressState); // an extra end follows
        ShowEntry();
        return;
    }

    g.SetGameState(kFinishedState);
    if (timer_->GameTimerToComment && !g.isFirstStoneOfEnd()) {
        // The last delivered stone carries the times left.
        g.PreviousStone();
        ShowEntry();
        state_.comment = timer_->commentWithTimes(state_.comment);
        StoreEntry();
        g.LeaveReview(0);
    }
    // A save that is cancelled or fails leaves the game finished and modified.
    doc_.SetModifiedFlag();
    doc_.Save(prompts_);
    if (Settings::read(Key::Options::StartSummaryWizard) != 0)
        SummaryWizard::run(doc_, prompts_, dialogs_);
    doc_.DerivePath();
    doc_.SetModifiedFlag();
    doc_.Save(prompts_);
    state_.enabled = false;
    ShowEntry();
}

// Records task `task` on every remaining stone of the current end; stops early
// when a shot is not recorded (a cancelled result or the end of the game).
void ShotEntryController::recordRepeatedly(int task)
{
    CGame& g = game();
    const int end = g.CurrentEnd;
    while (g.CurrentEnd == end && g.ReviewMode == 0 && state_.enabled) {
        const GamePosition before = g.currentPosition();
        selectTask(task, true);
        RecordShot();
        if (g.currentPosition() == before)
            break;
    }
}

void ShotEntryController::skipRestOfEnd()
{
    if (game().ReviewMode != 0 || !prompts_.askYesNo(Texts::get(kSkipRestQuestionId)))
        return;
    recordRepeatedly(Vocabulary::TaskNoStatistics);
    notify();
}

void ShotEntryController::recordLateTeam()
{
    CGame& g = game();
    if (g.ReviewMode != 0 || !prompts_.askYesNo(Texts::get(kLateTeamQuestionId)))
        return;
    LateTeamDialogModel dialog(g);
    if (!dialogs_.runLateTeamDialog(dialog) || !dialog.okEnabled())
        return;
    const int late = dialog.team1IsLate() ? 0 : 1;
    g.currentEnd().EndScore[std::size_t(late)] = 0;
    g.currentEnd().EndScore[std::size_t(1 - late)] = 1;

    const qint32 link = doc_.DatabaseLink;
    doc_.DatabaseLink = 0;
    autoRecording_ = true;
    const int end = g.CurrentEnd;
    recordRepeatedly(Vocabulary::TaskNotPlayed);
    if (g.CurrentEnd != end) {
        // The team that was on time delivers last: the late team goes first.
        CEnd& next = g.currentEnd();
        if (next.FirstThrowerFlag != late) {
            next.FirstThrowerFlag = late;
            next.SwapTeamBlocks();
        }
    }
    doc_.DatabaseLink = link;
    autoRecording_ = false;
    lateTeam_ = true;
    doc_.SetModifiedFlag();
    ShowEntry();
}

bool ShotEntryController::chooseFirstThrower()
{
    CGame& g = game();
    MixedDoublesDialogModel dialog = MixedDoublesDialogModel::forTeam(g);
    if (!dialogs_.runMixedDoublesDialog(dialog))
        return false;
    CEnd& end = g.currentEnd();
    if (dialog.team() >= 0 && dialog.team() != end.FirstThrowerFlag) {
        end.FirstThrowerFlag = dialog.team();
        end.SwapTeamBlocks();
    }
    const int side = dialog.powerPlayValue() == MixedDoublesDialogModel::Side3054   ? -1
                     : dialog.powerPlayValue() == MixedDoublesDialogModel::Side3055 ? 1
                                                                                    : 0;
    g.PlacePositionedStones(side);
    doc_.SetModifiedFlag();
    ShowEntry();
    return true;
}

bool ShotEntryController::assignThrowers()
{
    CGame& g = game();
    MixedDoublesDialogModel dialog = MixedDoublesDialogModel::forPlayer(g);
    if (!dialogs_.runMixedDoublesDialog(dialog) || dialog.player() < 0)
        return false;
    const int slot = g.CurrentTeamSlot();
    const int chosen = dialog.player();
    const int third = g.GetLineupPlayer(slot, 3), second = g.GetLineupPlayer(slot, 2);
    const int other = chosen == third ? second : third;
    const CTeam& team = g.Teams[std::size_t(slot)];
    const auto assign = [&](int record, int player) {
        CStone& stone = g.currentEnd().Stones[std::size_t(slot * CEnd::StonesPerTeam + record)];
        stone.PlayerIndex = player;
        const bool known = player >= 0 && player < CTeam::PlayerCount;
        stone.PlayerId = known ? team.Players[std::size_t(player)].Id : 0;
    };
    // The first three records of a block are the stones a mixed-doubles team never delivers.
    for (int record = 0; record < 3; ++record) {
        CStone& unused = g.currentEnd().Stones[std::size_t(slot * CEnd::StonesPerTeam + record)];
        unused.PlayerIndex = 0;
        unused.PlayerId = 0;
    }
    // The chosen player delivers the team's first and last stone.
    assign(3, chosen);
    assign(7, chosen);
    for (int record = 4; record < 7; ++record)
        assign(record, other);
    doc_.SetModifiedFlag();
    ShowEntry();
    return true;
}
