#pragma once

#include <QString>

#include <QtGlobal>

class CGame;
class Prompts;

// What the game-timer bar is told; both calls come only while the bar is shown
// (timeShown) or whenever a clock starts or stops (runningChanged).
class GameTimerObserver
{
public:
    virtual ~GameTimerObserver() = default;
    // team 1 or 2 and the caption of its button
    virtual void timeShown(int team, const QString& text) = 0;
    // 0 when no clock runs, else the team whose clock runs
    virtual void runningChanged(int team) = 0;
};

// The set-game-timer dialog: edits the minutes and seconds in place; false on Cancel.
struct GameTimerSetting
{
    QString Label1, Label2;
    quint32 Minutes1 = 0, Seconds1 = 0, Minutes2 = 0, Seconds2 = 0;
    bool SameForBoth = true; // team 1's time applies to both teams
};

class SetGameTimerDialog
{
public:
    virtual ~SetGameTimerDialog() = default;
    virtual bool edit(GameTimerSetting& setting) = 0;
};

// The seconds of one game under the settings in force.
struct TimerBudget
{
    qint32 SecondsPerEnd = 438;
    qint32 Ends = 10;         // regular ends, the last-end index + 1
    qint32 StonesPerTeam = 8; // per end, for the schedule
    qint32 total() const { return SecondsPerEnd * Ends; }
    double secondsPerStone() const;

    // Seconds per end from SecondsPerEnd, SecondsPerEndMD or SecondsPerEndWh
    // (wheelchair wins); the game's TotalEnds + 1 ends, at most eight in a
    // mixed-doubles or wheelchair game.
    static TimerBudget of(const CGame& game);
};

// The two team clocks of a game, as a chess clock: at most one runs, and it is
// handed to the other team when a shot is recorded. The remaining seconds live in
// CGame::TeamTimer; this class decides when they run and how they read.
//
// The UI calls tick() from a repeating 1000 ms timer while a clock runs. A tick
// charges the whole seconds elapsed since the clock started (Clock::nowMs), so a
// late or lost window-timer tick does not lose thinking time.
class GameTimer
{
public:
    enum Mode
    {
        RemainingTime = 0,
        UsedTime = 1,
        Deviation = 2
    };
    static constexpr int ExtraEndSeconds = 600;
    static constexpr int ExtraEndSecondsMD = 480;

    // Reads the settings copies and the total seconds of the view.
    explicit GameTimer(CGame& game);

    // Settings copies (read at creation).
    int GameTimerMode = RemainingTime;
    bool ShowGameTimer = false;
    bool GameTimerStartOnTask = true;
    bool GameTimerStopOnPoints = true;
    bool GameTimerStopOnOK = false;
    bool GameTimerToComment = true;

    // The budget the modes 1 and 2 refer to.
    qint32 totalSeconds() const { return totalSeconds_; }
    double secondsPerStone() const { return secondsPerStone_; }

    // 0 when stopped, else 1 or 2.
    int runningTeam() const { return running_; }
    bool isRunning() const { return running_ != 0; }

    // Starts team 1's or team 2's clock and stops the other; refused (false)
    // while the game is finished.
    bool startTeam(int team);
    void stopBoth();
    // The clock of the team delivering the current stone.
    bool startDeliveringTeam();
    // A task chosen: starts the delivering team's clock when GameTimerStartOnTask
    // is on and no clock runs. The caller checks the task and the review mode.
    void taskSelected();
    // Points chosen for the first time on this stone.
    void pointsChosen();
    // OK of the shot-entry form.
    void shotRecorded();
    // Hands the clock over (or stops both at the last stone of an end) and stamps
    // the current stone's delivery time: always when renewStamp, else only once.
    void switchOnShot(bool renewStamp);

    void tick();

    // Sets and writes GameTimerMode, redraws both times.
    void setMode(int mode);
    // Shows or hides the bar; when it appears the totals are recomputed.
    void toggleShow();

    // Question 5111; OK resets.
    bool askReset(Prompts& prompts);
    // Stops both clocks and gives both teams a new budget.
    void reset();
    // The game options of the set-up wizard confirmed.
    void gameOptionsConfirmed();
    // After a tied last regular end: 10:00 each (8:00 in mixed doubles);
    // refused while a clock runs, in review or in a finished game.
    bool startExtraEnd();
    // The set-game-timer dialog; true when its OK changed the budgets.
    bool setTimes(SetGameTimerDialog& dialog);

    // The caption of a team's button (team 1 or 2).
    QString timeText(int team) const;
    // The text of one reading of remaining seconds under a mode.
    QString timeText(int mode, qint32 remaining) const;
    // The comment field with the two times written into it; unchanged while no
    // time has been used.
    QString commentWithTimes(const QString& comment) const;

    void showTimes() const;

    GameTimerObserver* Observer = nullptr;

private:
    void show(int team) const;
    void setRunning(int team);
    void charge();
    void recomputeTotals();
    void recomputeBudgets();
    bool inExtraEnd() const;
    int scheduledStones() const;

    CGame& game_;
    qint32 totalSeconds_ = 0;
    double secondsPerStone_ = 0.0;
    int running_ = 0;
    qint64 startedMs_ = 0;
    qint64 chargedSeconds_ = 0;
};
