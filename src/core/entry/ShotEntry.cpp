// The shot-entry form without its widgets: the lists, the three selections and
// the exchange between the form and the stone at the current position.
#include "ShotEntry.h"

#include "core/base/Prompts.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/Document.h"
#include "core/record/Vocabulary.h"

#include <algorithm>

namespace {

constexpr int kFinishedState = 8;
constexpr int kFinishedGameGuidelineId = 5116;
constexpr int kEndLabelId = 5025;
constexpr int kHandleConfirmationId = 5119;
constexpr int kRemarkEditorTitleId = 5146;
constexpr int kCommentEditorTitleId = 5147;
constexpr int kLastTaskButton = 11;
constexpr int kLastGuidelineTask = 10;
constexpr int kPointsOfButton[] = {0, 1, 2, 3, 4, 5, 7};
constexpr int kBonusButton = 5, kFourButton = 4, kNotConsideredButton = 6;
constexpr int kLeadForSpecialGuideline = 3;

// The shots wheelchair curling does not know, by task code, and their remark names.
constexpr int kWheelchairTasks[] = {5, 7, 9, 10};
const char* const kWheelchairRemarks[] = {"Freeze", "Hit and Roll", "Promotion Takeout",
                                          "Double Takeout"};

bool wheelchairGame()
{
    return Settings::read(Key::Options::Wheelchair) > 0;
}

// Task list index in a wheelchair game: the shots it lacks fall back to the draw
// and the takeout.
int wheelchairTask(int index)
{
    switch (index) {
    case 5:
        return 0;
    case 7:
    case 9:
    case 10:
        return 6;
    default:
        return index;
    }
}

} // namespace

ShotEntryController::ShotEntryController(CTALVStatsDoc& doc, Prompts& prompts,
                                         EntryDialogs& dialogs)
    : doc_(doc), prompts_(prompts), dialogs_(dialogs),
      timer_(std::make_unique<GameTimer>(doc.game())), stopwatch_(std::make_unique<Stopwatch>())
{
    mis_ = std::make_unique<MisCommands>(
        doc_, prompts_, dialogs_,
        [this](int end, int order, int stoneIndex) { GotoPosition(end, order, stoneIndex); });

    saveTagging_ = Settings::read(Key::Options::SaveTagging) != 0;
    advancedHandles_ = Settings::read(Key::Options::AdvancedHandleOptions) != 0;
    showStopwatch_ = Settings::read(Key::Options::ShowStopwatch) != 0;
    switchLastStone_ = Settings::read(Key::Options::SwitchLastStone) != 0;
    allowBonusPoints_ = Settings::read(Key::Options::AllowBonusPoints) != 0;
    // Tags need a delivery time: without any switch the OK button sets it.
    if (saveTagging_ && !timer_->GameTimerStopOnPoints && !timer_->GameTimerStopOnOK)
        timer_->GameTimerStopOnOK = true;
    doc_.ViewSaveTagging = saveTagging_;

    guidelinesApplied();
    fillLists();
    state_.enabled = game().GameState < kFinishedState;
    state_.extraHandlesVisible = advancedHandles_;
    state_.tooltipsActive = doc_.ShowGuidelines != 0;
    if (showStopwatch_)
        stopwatch_->barShown();
    AdjustWheelchair();
    ShowEntry();
    if (game().isFirstStoneOfGame() && game().ReviewMode == 0) {
        // A new game starts with an empty form.
        state_.task = state_.handle = state_.points = -1;
        state_.taskButton = state_.handleButton = state_.pointsButton = -1;
        state_.remark.clear();
        state_.comment.clear();
    }
}

ShotEntryController::~ShotEntryController() = default;

CGame& ShotEntryController::game()
{
    return doc_.game();
}

const CGame& ShotEntryController::game() const
{
    return doc_.game();
}

void ShotEntryController::guidelinesApplied()
{
    const CGuideline& first = doc_.guidelines()[0];
    titleWord_ = first.TitleWord + QLatin1Char(' ');
    lastStoneHeading_ = QStringLiteral(" (") + first.LastStoneWord + QStringLiteral("):\n");
    scoreWord_ = first.ScoreWord;
}

void ShotEntryController::fillLists()
{
    // List index = code, so every code keeps its row even when a label is empty.
    taskItems_.clear();
    for (int code = 0; code < Vocabulary::TaskCount; ++code)
        taskItems_.append(Vocabulary::taskName(code));
    pointsItems_.clear();
    for (int code = 0; code < Vocabulary::PointsCount; ++code)
        pointsItems_.append(Vocabulary::pointsName(code));
    fillHandleItems();
    for (int i = 0; i < int(taskLongCaptions_.size()); ++i)
        taskLongCaptions_[std::size_t(i)] = Vocabulary::taskName(i);
    remarkItems_ = Vocabulary::remarkList();
    commentItems_ = Vocabulary::commentList();
}

void ShotEntryController::fillHandleItems()
{
    handleItems_.clear();
    const int count = advancedHandles_ ? Vocabulary::HandleCount : 2;
    for (int code = 0; code < count; ++code)
        handleItems_.append(Vocabulary::handleName(code));
}

QString ShotEntryController::buttonTooltip(int controlId) const
{
    const GuidelineTable& table = doc_.guidelines();
    const auto& tasks = EntryId::TaskButtons;
    if (const auto at = std::find(tasks.begin(), tasks.end(), controlId); at != tasks.end())
        return table[int(at - tasks.begin())].Caption;
    const auto& handles = EntryId::HandleButtons;
    if (const auto at = std::find(handles.begin(), handles.end(), controlId); at != handles.end())
        return table[GuidelineTable::FirstHandle + int(at - handles.begin())].Caption;
    if (controlId == EntryId::PointsButtons[kBonusButton])
        return table[GuidelineTable::BonusPoint].Caption;
    if (controlId == EntryId::PointsButtons[kNotConsideredButton])
        return table[GuidelineTable::NotConsidered].Caption;
    return {};
}

void ShotEntryController::notify()
{
    if (view_) {
        view_->formChanged();
        view_->focusOk();
    }
}

// A finished game keeps its entries; the guideline field says why.
bool ShotEntryController::refuseInFinishedGame(bool fromUser)
{
    if (!fromUser || game().GameState != kFinishedState)
        return false;
    state_.guideline = doc_.ShowGuidelines != 0 ? Texts::get(kFinishedGameGuidelineId) : QString();
    return true;
}

void ShotEntryController::SelectTask(int task, bool fromUser)
{
    selectTask(task, fromUser);
    notify();
}

void ShotEntryController::SelectHandle(int handle, bool fromUser)
{
    selectHandle(handle, fromUser);
    notify();
}

void ShotEntryController::SelectPoints(int points, bool fromUser)
{
    selectPoints(points, fromUser);
    notify();
}

void ShotEntryController::selectTask(int task, bool fromUser)
{
    if (refuseInFinishedGame(fromUser))
        return;
    const bool noTaskBefore = state_.task < 0;
    state_.task = task;
    state_.taskMissing = false;
    state_.taskButton = task >= 0 && task <= kLastTaskButton ? task : -1;
    if (task >= Vocabulary::TaskThrough && task <= Vocabulary::TaskNoStatistics) {
        selectHandle(-1, fromUser);
        selectPoints(Vocabulary::PointsNotConsidered, fromUser);
    }

    // Refreshing the form from a stored stone never touches the clocks.
    if (fromUser && noTaskBefore) {
        CGame& g = game();
        const bool startsClock =
            (task >= 0 && task <= kLastGuidelineTask) || task == Vocabulary::TaskNoStatistics;
        if (g.isFirstStoneOfEnd())
            g.currentEnd().MarkEndStart();
        if (timer_->GameTimerStartOnTask && startsClock && g.ReviewMode == 0)
            timer_->taskSelected();
    }

    if (fromUser && task >= 0 && task <= kLastGuidelineTask && doc_.ShowGuidelines != 0)
        state_.guideline = guidelineText(task);
    else
        state_.guideline.clear();
}

void ShotEntryController::selectHandle(int handle, bool fromUser)
{
    if (refuseInFinishedGame(fromUser))
        return;
    const int index = advancedHandles_ || handle < 0 ? handle : handle % 2;
    state_.handle = index;
    state_.handleMissing = false;
    state_.handleButton = index >= 0 && index < int(EntryId::HandleButtons.size()) ? index : -1;
}

void ShotEntryController::selectPoints(int points, bool fromUser)
{
    if (refuseInFinishedGame(fromUser))
        return;
    const bool noPointsBefore = state_.points < 0;
    state_.points = points;
    state_.pointsMissing = false;
    if (points >= 0 && points <= 4)
        state_.pointsButton = points;
    else if (points == 5)
        state_.pointsButton = allowBonusPoints_ ? kBonusButton : kFourButton;
    else if (points == Vocabulary::PointsNotConsidered || points == Vocabulary::PointsRuleViolation)
        state_.pointsButton = kNotConsideredButton;
    else
        state_.pointsButton = -1;
    if (fromUser && timer_->GameTimerStopOnPoints && points >= 0 && noPointsBefore)
        timer_->pointsChosen();
}

QString ShotEntryController::guidelineText(int task) const
{
    const CGuideline& g = doc_.guidelines()[task];
    if (g.NormalText.isEmpty())
        return {};
    const CGame& gm = game();
    const int slot = gm.CurrentTeamSlot();
    const int lead =
        gm.Teams[std::size_t(slot)].TeamTotal - gm.Teams[std::size_t(1 - slot)].TeamTotal;
    QString heading = QStringLiteral(":\n");
    QString text = g.NormalText;
    const auto scoreHeading = [&] {
        return QString::asprintf(" (%s %+i):\n", qUtf8Printable(scoreWord_), lead);
    };
    if (gm.isLastStoneOfEnd()) {
        heading = lastStoneHeading_;
        text = g.LastStoneText;
    } else if (lead >= kLeadForSpecialGuideline) {
        heading = scoreHeading();
        text = g.AheadText;
    } else if (lead <= -kLeadForSpecialGuideline) {
        heading = scoreHeading();
        text = g.BehindText;
    }
    if (text.isEmpty())
        text = g.NormalText;
    return titleWord_ + g.Caption + heading + text;
}

void ShotEntryController::taskButton(int index)
{
    if (index >= 0 && index < int(EntryId::TaskButtons.size()))
        SelectTask(index);
}

void ShotEntryController::handleButton(int index)
{
    if (index < 0 || index >= int(EntryId::HandleButtons.size()))
        return;
    if (game().ReviewMode != 0 && doc_.AlertOnBack != 0 &&
        !prompts_.askOkCancel(Texts::get(kHandleConfirmationId), Prompts::Icon::Question, true)) {
        notify();
        return;
    }
    SelectHandle(index);
}

void ShotEntryController::pointsButton(int index)
{
    if (index >= 0 && index < int(std::size(kPointsOfButton)))
        SelectPoints(kPointsOfButton[index]);
}

void ShotEntryController::taskListChosen(int index)
{
    if (game().GameState == kFinishedState) {
        selectTask(game().currentStone().Task, false);
    } else if (index >= 0) {
        selectTask(wheelchairGame() ? wheelchairTask(index) : index, true);
    }
    notify();
}

void ShotEntryController::handleListChosen(int index)
{
    if (game().GameState == kFinishedState) {
        selectHandle(game().currentStone().Handle, false);
    } else if (index >= 0) {
        selectHandle(advancedHandles_ ? index : index % 2, true);
    }
    notify();
}

void ShotEntryController::pointsListChosen(int index)
{
    if (game().GameState == kFinishedState) {
        selectPoints(game().currentStone().Points, false);
    } else if (index >= 0) {
        selectPoints(index, true);
    }
    notify();
}

void ShotEntryController::setRemark(const QString& text)
{
    state_.remark = text;
}

void ShotEntryController::setComment(const QString& text)
{
    state_.comment = text;
}

void ShotEntryController::setTextFocus(int fieldId)
{
    textFocus_ = fieldId == EntryId::Remark || fieldId == EntryId::Comment ? fieldId : 0;
}

void ShotEntryController::expandRemark()
{
    QString text = state_.remark;
    if (dialogs_.editText(Texts::get(kRemarkEditorTitleId), text))
        state_.remark = text;
    notify();
}

void ShotEntryController::expandComment()
{
    QString text = state_.comment;
    if (dialogs_.editText(Texts::get(kCommentEditorTitleId), text))
        state_.comment = text;
    notify();
}

void ShotEntryController::fillLabels()
{
    const CGame& g = game();
    state_.endNumber = QString::number(g.CurrentEnd + 1);
    state_.playerNumber = QString::number(
        g.isMixedDoubles() ? g.CurrentPlayer * 2 + g.CurrentStone - 2 : g.CurrentPlayer + 1);
    state_.stoneNumber = QString::number(g.CurrentStone + 1);
    for (int slot = 0; slot < CGame::TeamCount; ++slot) {
        state_.teamLabels[std::size_t(slot)] = g.Teams[std::size_t(slot)].ShortName;
        state_.teamTotals[std::size_t(slot)] =
            QString::number(g.Teams[std::size_t(slot)].TeamTotal);
    }
    state_.deliveringTeam = g.GetTeamName(g.CurrentTeamSlot());
    state_.deliveringPlayer = g.CurrentPlayerRecord().Text;
    state_.mixedDoubles = g.isMixedDoubles();
    state_.previousVisible = !g.isFirstStoneOfGame();
    state_.nextVisible = state_.returnVisible = g.ReviewMode != 0;
    state_.tooltipsActive = doc_.ShowGuidelines != 0;
}

void ShotEntryController::StoreEntry()
{
    fillLabels();
    CGame& g = game();
    CStone& stone = g.currentStone();
    stone.Task = state_.task;
    stone.Handle = state_.handle;
    stone.Points = state_.points;
    stone.TaskName = state_.task >= 0 ? Vocabulary::taskLabel(state_.task) : QString();
    stone.HandleName = state_.handle >= 0 ? Vocabulary::handleName(state_.handle) : QString();
    stone.PointsName = state_.points >= 0 ? Vocabulary::pointsName(state_.points) : QString();
    const int slot = g.CurrentTeamSlot();
    stone.TeamId = g.Teams[std::size_t(slot)].Id;
    if (stone.PlayerIndex >= 0 && stone.PlayerIndex < CTeam::PlayerCount)
        stone.PlayerId = g.GetPlayer(slot, stone.PlayerIndex).Id;
    stone.Remark = timeOuts_.storedRemark(state_.remark);
    stone.Comment = state_.comment;
    Q_EMIT doc_.positionsToStore();
}

void ShotEntryController::ShowEntry()
{
    if (refreshing_)
        return;
    refreshing_ = true;
    fillLabels();
    const CStone& stone = game().currentStone();
    selectTask(stone.Task, false);
    selectHandle(stone.Handle, false);
    selectPoints(stone.Points, false);
    state_.remark = timeOuts_.shownRemark(stone.Remark);
    state_.comment = stone.Comment;
    doc_.StatusText = Texts::get(kEndLabelId).arg(game().CurrentEnd + 1);
    Q_EMIT doc_.viewsToRefresh();
    notify();
    if (quickShown_ && view_)
        view_->quickViewChanged();
    refreshing_ = false;
}

void ShotEntryController::AdjustWheelchair()
{
    const bool wheelchair = wheelchairGame();
    for (const int task : kWheelchairTasks)
        state_.taskEnabled[std::size_t(task)] = !wheelchair;
    for (const char* name : kWheelchairRemarks) {
        const QString remark = QString::fromLatin1(name);
        if (wheelchair && !remarkItems_.contains(remark))
            remarkItems_.append(remark);
        else if (!wheelchair)
            remarkItems_.removeAll(remark);
    }
    timer_->gameOptionsConfirmed(); // budgets of a game not yet in progress
    notify();
}
