#pragma once

#include "ChoiceDialogs.h"
#include "EndResult.h"
#include "MisCommands.h"
#include "SetupWizard.h"

#include "core/house/HouseController.h"
#include "core/timing/GameTimer.h"
#include "core/timing/Stopwatch.h"
#include "core/timing/TimeOuts.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

class CTALVStatsDoc;
class Prompts;

// The identifiers of the shot-entry form's controls and commands; the widgets
// carry the control identifiers as their object names.
namespace EntryId {
inline constexpr int TaskList = 1217, HandleList = 1064, PointsList = 1127;
inline constexpr std::array<int, 12> TaskButtons{1219, 1220, 1221, 1224, 1228, 1229,
                                                 1226, 1222, 1218, 1225, 1223, 1227};
inline constexpr std::array<int, 6> HandleButtons{1067, 1068, 1232, 1233, 1235, 1236};
// points 0, 1, 2, 3, 4, 5 and 7
inline constexpr std::array<int, 7> PointsButtons{1121, 1122, 1123, 1124, 1125, 1126, 1128};
inline constexpr int Remark = 1154, Comment = 1026, ExpandRemark = 3045, ExpandComment = 3046;
inline constexpr int Guideline = 1062;
inline constexpr int TaskMissing = 3058, HandleMissing = 3059, PointsMissing = 3060,
                     OtherMissing = 3061;
inline constexpr int EndNumber = 1049, PlayerNumber = 1091, StoneNumber = 1211;
inline constexpr int Team1Label = 1231, Team1Total = 1160, Team2Label = 1234, Team2Total = 1161;
inline constexpr int DeliveringTeam = 1230, DeliveringPlayer = 1099;
inline constexpr int Ok = 1, Previous = 1136, Next = 1088, Return = 2;
inline constexpr int NormalLabel1 = 1188, NormalLabel2 = 1189, MixedDoublesLabel = 1190;
} // namespace EntryId

// The commands of the shot-entry view this program offers (menus, toolbars, keys).
namespace EntryCommand {
inline constexpr int DeleteBack = 32093, FirstStone = 32040, GotoEnd = 32097;
inline constexpr int NudgeUp = NudgeCommand::Up, NudgeDown = NudgeCommand::Down,
                     NudgeLeft = NudgeCommand::Left, NudgeRight = NudgeCommand::Right;
inline constexpr int LineupAsk = 32094, Lineup = 32095, PlayerOfStone = 32101;
inline constexpr int EndNotPlayedOut = 32100, LateTeam = 32098, FinishGame = 32044;
inline constexpr int CorrectPreviousEnd = 32105, ChooseFirstThrower = 32107,
                     ThrowerAssignment = 32106;
inline constexpr int PowerPlayLeft = 32212, PowerPlayRight = 32213;
inline constexpr int SetMis = 32052, ShowMis = 32050, GotoMis = 32051;
inline constexpr int TimeOut = 32108, SwapDirection = 32038, PositionRecording = 32140,
                     HouseOption = 32208, ShowGuidelines = 32141;
inline constexpr int ShowGameTimer = 32139, ShowStopwatch = 32142;
inline constexpr int TimerStop = 32126, TimerTeam1 = 32127, TimerTeam2 = 32128;
inline constexpr int TimerModeUsed = 32061, TimerModeDeviation = 32062, TimerModeRemaining = 32063;
inline constexpr int TimerToComment = 32065, TimerReset = 32066, TimerSet = 32067;
inline constexpr int StopwatchStart = 32121, StopwatchStop = 32124, StopwatchSplit = 32181,
                     StopwatchToComment = 32122, StopwatchReset = 32123,
                     StopwatchModeStartStop = 32179, StopwatchModeSplit = 32180;
inline constexpr int SaveTagging = 32164, RemoveLastTag = 32163;
inline constexpr int AdvancedHandleOptions = 32166, QuickStatistics = 32120;
inline constexpr int DatabaseLinkOff = 32048, ClearPendingFlag = 32034;
// The set-up wizard, whole and by page (1..7), back to set-up, the summary.
inline constexpr int SetUpGame = 32057, SetupCategory = 32042, SetupCompetition = 32043,
                     SetupTeams = 32060, SetupPlayers = 32053, SetupStoneColours = 32047,
                     SetupLastStone = 32049, SetupStatistician = 32058;
inline constexpr int BackToSetup = 32054, Summary = 32059;
} // namespace EntryCommand

// Enabling and check mark of one command; known is false for a command the
// view does not offer (yet), which the menus then leave out.
struct CommandState
{
    bool known = false;
    bool enabled = false;
    bool checked = false;
};

// Everything the form shows, rebuilt by the controller; the widget copies it
// into its controls whenever formChanged() is called.
struct EntryFormState
{
    // List selections: task and points codes, handle list index; -1 = none.
    int task = -1, handle = -1, points = -1;
    // The checked button of each group (index into the EntryId arrays), -1 = none.
    int taskButton = -1, handleButton = -1, pointsButton = -1;
    QString remark, comment, guideline;
    bool taskMissing = false, handleMissing = false, pointsMissing = false;
    QString endNumber, playerNumber, stoneNumber;
    std::array<QString, 2> teamLabels, teamTotals;
    QString deliveringTeam, deliveringPlayer;
    bool mixedDoubles = false; // shows 1190, hides 1188, 1189, 1211
    bool previousVisible = true, nextVisible = false, returnVisible = false;
    bool enabled = true; // a finished game accepts no shots
    bool extraHandlesVisible = true;
    std::array<bool, 12> taskEnabled{true, true, true, true, true, true,
                                     true, true, true, true, true, true};
    bool tooltipsActive = true;
};

// The dialogs the shot entry opens; the window runs them modally, tests script
// them. Each returns true for OK.
class EntryDialogs : public EndResultDialogs,
                     public ChoiceDialogs,
                     public MisDialogs,
                     public SetGameTimerDialog,
                     public TimeOutDialog,
                     public WizardDialogs
{
public:
    // The warning that closes itself (5110 for an incomplete entry).
    virtual void showWarning(int textId) = 0;
    // The go-to-end dialog: end number 1..maxEnd, preset in `end`.
    virtual bool askEnd(int& end, int maxEnd) = 0;
    // The player dialog: one of the names, none preselected; index in `choice`.
    virtual bool choosePlayer(const QStringList& names, int& choice) = 0;
    // The larger text editor of the remark (5146) and comment (5147) fields.
    virtual bool editText(const QString& title, QString& text) = 0;
};

// What the controller tells its form; every call comes on the UI thread.
class EntryView
{
public:
    virtual ~EntryView() = default;
    // The state or the lists changed: copy state() and the lists into the controls.
    virtual void formChanged() = 0;
    // The keyboard focus goes to the OK button.
    virtual void focusOk() = 0;
    // The warning beep of an incomplete entry.
    virtual void beep() = 0;
    // The quick statistics panel was shown or hidden, or must be refreshed.
    virtual void quickViewChanged() = 0;
    // The game-timer or stopwatch bar was shown or hidden.
    virtual void barsChanged() = 0;
};

// The shot-entry form without its widgets: the selections, the view flags, the
// record-one-shot sequence, review mode, the end of the game, the automatic
// recordings, the clocks and every command of the form. The widget binds its
// buttons, lists and fields to it; tests drive it with scripted dialogs and a
// settable clock.
class ShotEntryController
{
public:
    // Reads the settings copies; fills the lists and shows the current stone.
    ShotEntryController(CTALVStatsDoc& doc, Prompts& prompts, EntryDialogs& dialogs);
    ~ShotEntryController();

    CTALVStatsDoc& document() { return doc_; }
    const CTALVStatsDoc& document() const { return doc_; }
    CGame& game();
    const CGame& game() const;

    // May be null (tests); set before the first command.
    void setView(EntryView* view) { view_ = view; }

    // The form's content and its lists.
    const EntryFormState& state() const { return state_; }
    const QStringList& taskItems() const { return taskItems_; }
    const QStringList& handleItems() const { return handleItems_; }
    const QStringList& pointsItems() const { return pointsItems_; }
    const QStringList& remarkItems() const { return remarkItems_; }
    const QStringList& commentItems() const { return commentItems_; }
    // Long (vocabulary) captions of the twelve task buttons, and the tooltips of
    // the task, handle and points buttons (guideline captions).
    const std::array<QString, 12>& taskLongCaptions() const { return taskLongCaptions_; }
    QString buttonTooltip(int controlId) const;

    // Selections (from-user flag false while the form is refreshed).
    void SelectTask(int task, bool fromUser = true);
    void SelectHandle(int handle, bool fromUser = true);
    void SelectPoints(int points, bool fromUser = true);
    // The buttons: index into the EntryId arrays. A handle button in review asks
    // question 5119 first when the document's handle confirmation is set.
    void taskButton(int index);
    void handleButton(int index);
    void pointsButton(int index);
    // A drop-down list's selection changed (index -1: no selection).
    void taskListChosen(int index);
    void handleListChosen(int index);
    void pointsListChosen(int index);
    // The user typed into a text field.
    void setRemark(const QString& text);
    void setComment(const QString& text);
    // Text-field focus: EntryId::Remark or EntryId::Comment, 0 when it leaves.
    void setTextFocus(int fieldId);
    int textFocus() const { return textFocus_; }
    // The expand buttons (3045, 3046).
    void expandRemark();
    void expandComment();

    void StoreEntry();
    void ShowEntry();

    // Record one shot (OK, Enter).
    void RecordShot();
    // Review: Previous, Next (Shift held: write into the review copy without asking), Return.
    void Previous();
    // 0 when review mode ended, else 1.
    int ReviewStepForward(bool shift = false);
    void Return();
    void GotoPosition(int end, int order, int stoneIndex);
    // The end-of-game command (finish or re-open). A save that is cancelled or
    // fails leaves the game finished and the document modified.
    void FinishGame();

    // Commands by identifier (EntryCommand and the form's own); false when the
    // command is unknown or disabled. Three are left to the widget and also
    // return false: the nudges (the form hands the arrow keys to the house
    // view), and delete-back and Home while a text field has the focus (the
    // field edits its own text and caret).
    bool Command(int id);
    CommandState UpdateCommand(int id) const;

    // Clocks: the window runs a 1000 ms timer that calls tick() while a team
    // clock runs, and the stopwatch's two timers.
    GameTimer& gameTimer() { return *timer_; }
    Stopwatch& stopwatch() { return *stopwatch_; }
    const TimeOuts& timeOuts() const { return timeOuts_; }
    bool gameTimerShown() const { return timer_->ShowGameTimer; }
    bool stopwatchShown() const { return showStopwatch_; }
    bool quickViewShown() const { return quickShown_; }

    // The wheelchair adjustment (first show, General preferences applied).
    void AdjustWheelchair();

    // The view flags of the form, exposed for tests and the widget.
    bool resultDialogOpen() const { return resultDialogOpen_; }
    bool lateTeamRecorded() const { return lateTeam_; }
    bool advancedHandleOptions() const { return advancedHandles_; }
    // Set when a line-up wizard was closed with OK.
    bool lineupChanged() const { return lineupChanged_; }

    // The guideline table was applied: the three headings follow its record 0.
    void guidelinesApplied();

private:
    void notify();
    void fillLabels();
    void fillLists();
    void fillHandleItems();
    void selectTask(int task, bool fromUser);
    void selectHandle(int handle, bool fromUser);
    void selectPoints(int points, bool fromUser);
    bool refuseInFinishedGame(bool fromUser);
    QString guidelineText(int task) const;
    bool entryComplete() const;
    bool entryEmpty() const;
    void showMissing();
    // One review step forward; `driven` by RecordShot writes a change into the
    // review copy without asking.
    int reviewStep(bool shift, bool driven);
    void keepInReviewCopy(bool force);
    GamePosition gotoTarget(int end, int order, int stoneIndex) const;
    void recordRepeatedly(int task);
    void skipRestOfEnd();
    void recordLateTeam();
    bool chooseFirstThrower();
    bool assignThrowers();
    void choosePlayerOfStone();
    void gotoEnd();
    void swapDirection(bool ask);
    void toggleAdvancedHandles();
    void finishOrReopen();
    bool buttonCommand(int id);
    bool wizardCommand(int id);
    std::optional<CommandState> wizardCommandState(int id) const;
    CommandState buttonCommandState(int id) const;

    CTALVStatsDoc& doc_;
    Prompts& prompts_;
    EntryDialogs& dialogs_;
    EntryView* view_ = nullptr;

    EntryFormState state_;
    QStringList taskItems_, handleItems_, pointsItems_, remarkItems_, commentItems_;
    std::array<QString, 12> taskLongCaptions_;

    std::unique_ptr<GameTimer> timer_;
    std::unique_ptr<Stopwatch> stopwatch_;
    TimeOuts timeOuts_;
    std::unique_ptr<MisCommands> mis_;

    // view flags
    int textFocus_ = 0;
    bool resultDialogOpen_ = false;
    bool lateTeam_ = false;
    bool quickShown_ = false;
    bool autoRecording_ = false;
    bool pendingCorrection_ = false;
    bool lastResultCancelled_ = false;
    bool lineupChanged_ = false;
    bool refreshing_ = false; // ShowEntry may be reached again through viewsToRefresh
    // settings copies
    bool saveTagging_ = true, advancedHandles_ = true;
    bool showStopwatch_ = false, switchLastStone_ = false, allowBonusPoints_ = false;
    // the guideline headings, from record 0 of the table
    QString titleWord_ = QStringLiteral("Guideline "),
            lastStoneHeading_ = QStringLiteral(" (last stone):\n"),
            scoreWord_ = QStringLiteral("score");
};
