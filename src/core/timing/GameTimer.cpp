#include "GameTimer.h"

#include "core/base/Clock.h"
#include "core/base/Prompts.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/record/Game.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int kResetQuestionId = 5111;
constexpr int kMostEndsCappedGame = 7; // mixed doubles and wheelchair: eight ends at most
constexpr int kDeviationMinutesFrom = 600;
constexpr int kFinishedState = 8;
constexpr int kInProgressState = 6;
// A mixed-doubles team delivers its five stones from player 1, stone 1 on.
constexpr int kFirstMixedDoublesStone = 3;

QString minutesAndSeconds(qint64 seconds)
{
    return QString::asprintf("%02lld:%02lld", seconds / 60, seconds % 60);
}

qint32 clampedSeconds(qint64 seconds)
{
    return qint32(std::clamp<qint64>(seconds, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

} // namespace

double TimerBudget::secondsPerStone() const
{
    return double(total()) / double(Ends * StonesPerTeam);
}

TimerBudget TimerBudget::of(const CGame& game)
{
    const NewGameOptions options = NewGameOptions::fromSettings();
    TimerBudget b;
    b.Ends = game.TotalEnds + 1;
    b.SecondsPerEnd = options.SecondsPerEnd;
    if (game.isMixedDoubles()) {
        b.SecondsPerEnd = options.SecondsPerEndMD;
        b.StonesPerTeam = 5;
    }
    if (options.Wheelchair) // wins over mixed doubles
        b.SecondsPerEnd = options.SecondsPerEndWh;
    if (game.isMixedDoubles() || options.Wheelchair)
        b.Ends = std::min(b.Ends, kMostEndsCappedGame + 1);
    return b;
}

GameTimer::GameTimer(CGame& game) : game_(game)
{
    GameTimerMode = std::clamp(Settings::read(Key::Options::GameTimerMode), 0, 2);
    ShowGameTimer = Settings::read(Key::Options::ShowGameTimer) != 0;
    GameTimerStartOnTask = Settings::read(Key::Options::GameTimerStartOnTask) != 0;
    GameTimerStopOnPoints = Settings::read(Key::Options::GameTimerStopOnPoints) != 0;
    GameTimerStopOnOK = Settings::read(Key::Options::GameTimerStopOnOK) != 0;
    GameTimerToComment = Settings::read(Key::Options::GameTimerToComment) != 0;
    recomputeTotals();
}

bool GameTimer::startTeam(int team)
{
    if (game_.GameState >= kFinishedState || (team != 1 && team != 2))
        return false;
    // The running clock keeps its started second: a second click loses nothing.
    if (running_ != team)
        setRunning(team);
    show(team);
    return true;
}

void GameTimer::stopBoth()
{
    setRunning(0);
}

bool GameTimer::startDeliveringTeam()
{
    return startTeam(game_.CurrentTeamSlot() == 0 ? 1 : 2);
}

void GameTimer::taskSelected()
{
    if (GameTimerStartOnTask && !isRunning())
        startDeliveringTeam();
}

void GameTimer::pointsChosen()
{
    if (GameTimerStopOnPoints)
        switchOnShot(false);
}

void GameTimer::shotRecorded()
{
    switchOnShot(GameTimerStopOnOK);
}

void GameTimer::switchOnShot(bool renewStamp)
{
    if (game_.ReviewMode != 0)
        return;
    if (game_.GameState > 2) {
        if (game_.isLastStoneOfEnd())
            stopBoth();
        else // the other team's thinking time begins
            startTeam(game_.CurrentTeamSlot() == 0 ? 2 : 1);
    }
    CStone& stone = game_.currentStone();
    if (renewStamp || stone.DeliveryTime == 0)
        stone.DeliveryTime = Clock::now();
}

void GameTimer::tick()
{
    charge();
}

void GameTimer::charge()
{
    if (running_ == 0)
        return;
    // Whole seconds since the start; a clock set back charges nothing until it catches up.
    const qint64 whole = (Clock::nowMs() - startedMs_) / 1000;
    if (whole <= chargedSeconds_)
        return;
    qint32& remaining = game_.TeamTimer[std::size_t(running_ - 1)];
    remaining = clampedSeconds(qint64(remaining) - (whole - chargedSeconds_));
    chargedSeconds_ = whole;
    show(running_);
}

void GameTimer::setRunning(int team)
{
    charge(); // the seconds of the clock that stops are not lost
    const int before = running_;
    running_ = team;
    startedMs_ = Clock::nowMs();
    chargedSeconds_ = 0;
    if (Observer && before != team)
        Observer->runningChanged(team);
}

void GameTimer::setMode(int mode)
{
    if (mode < RemainingTime || mode > Deviation)
        return;
    GameTimerMode = mode;
    showTimes();
    Settings::write(Key::Options::GameTimerMode, mode);
}

void GameTimer::toggleShow()
{
    ShowGameTimer = !ShowGameTimer;
    if (ShowGameTimer) {
        recomputeTotals();
        showTimes();
    }
}

bool GameTimer::askReset(Prompts& prompts)
{
    if (!prompts.askOkCancel(Texts::get(kResetQuestionId)))
        return false;
    reset();
    return true;
}

void GameTimer::reset()
{
    stopBoth();
    if (game_.isMixedDoubles() || Settings::read(Key::Options::Wheelchair) != 0)
        game_.TotalEnds = std::min(game_.TotalEnds, kMostEndsCappedGame);
    recomputeBudgets();
    recomputeTotals();
    showTimes();
}

void GameTimer::gameOptionsConfirmed()
{
    if (game_.GameState >= kInProgressState)
        return;
    recomputeBudgets();
    if (ShowGameTimer) {
        recomputeTotals();
        showTimes();
    }
}

bool GameTimer::startExtraEnd()
{
    if (isRunning() || game_.ReviewMode != 0 || game_.GameState >= kFinishedState)
        return false;
    const bool md = game_.isMixedDoubles();
    const qint32 seconds = md ? ExtraEndSecondsMD : ExtraEndSeconds;
    game_.TeamTimer.fill(seconds);
    totalSeconds_ = seconds;
    GameTimerMode = RemainingTime; // for this game only: the setting stays
    secondsPerStone_ = seconds * (md ? 0.2 : 0.125);
    showTimes();
    return true;
}

bool GameTimer::setTimes(SetGameTimerDialog& dialog)
{
    stopBoth();
    const bool md = game_.isMixedDoubles();
    if (inExtraEnd())
        game_.TeamTimer.fill(md ? ExtraEndSecondsMD : ExtraEndSeconds);

    GameTimerSetting s;
    s.Label1 = game_.Teams[0].ShortName;
    s.Label2 = game_.Teams[1].ShortName;
    // An overrun clock is offered as 0:00 rather than as a huge unsigned value.
    const auto minutes = [](qint32 r) { return r < 0 ? 0u : quint32(r) / 60u; };
    const auto seconds = [](qint32 r) { return r < 0 ? 0u : quint32(r) % 60u; };
    s.Minutes1 = minutes(game_.TeamTimer[0]);
    s.Seconds1 = seconds(game_.TeamTimer[0]);
    s.Minutes2 = minutes(game_.TeamTimer[1]);
    s.Seconds2 = seconds(game_.TeamTimer[1]);
    s.SameForBoth = game_.GameState != kInProgressState;
    if (!dialog.edit(s))
        return false;

    if (s.SameForBoth) {
        s.Minutes2 = s.Minutes1;
        s.Seconds2 = s.Seconds1;
    }
    game_.TeamTimer[0] = clampedSeconds(qint64(s.Minutes1) * 60 + s.Seconds1);
    game_.TeamTimer[1] = clampedSeconds(qint64(s.Minutes2) * 60 + s.Seconds2);
    if (inExtraEnd()) {
        totalSeconds_ = game_.TeamTimer[0];
        secondsPerStone_ = totalSeconds_ / (md ? 5.0 : 8.0);
    }
    showTimes();
    return true;
}

QString GameTimer::timeText(int team) const
{
    return timeText(GameTimerMode, game_.TeamTimer[std::size_t(team == 2 ? 1 : 0)]);
}

QString GameTimer::timeText(int mode, qint32 remaining) const
{
    if (mode == Deviation) {
        const qint64 d = qint64(scheduledStones() * secondsPerStone_) - totalSeconds_ + remaining;
        if (d > kDeviationMinutesFrom || d < -kDeviationMinutesFrom)
            return QString::asprintf("%+4lld m", d / 60);
        if (d >= 0)
            return QString::asprintf("+%2lld:%02lld", d / 60, d % 60);
        return QString::asprintf("-%2lld:%02lld", -d / 60, -d % 60);
    }
    // An overrun reads the same in both modes: used time beyond the budget is no number.
    if (remaining < 0)
        return QStringLiteral("! :00");
    const qint64 v = mode == UsedTime ? qint64(totalSeconds_) - remaining : remaining;
    return v < 0 ? QStringLiteral("! :00") : minutesAndSeconds(v);
}

QString GameTimer::commentWithTimes(const QString& comment) const
{
    // Either clock counts as used: the team that delivers second starts later.
    if (game_.TeamTimer[0] >= totalSeconds_ && game_.TeamTimer[1] >= totalSeconds_)
        return comment;
    const QString prefix = Settings::read(Key::Options::GameTimerCommentText);
    const QString text = prefix + game_.Teams[0].ShortName + QLatin1Char(' ') + timeText(1) +
                         QStringLiteral(", ") + game_.Teams[1].ShortName + QLatin1Char(' ') +
                         timeText(2);
    // A comment that starts as the prefix holds earlier times: they are replaced.
    const QString key = prefix.left(5);
    if (comment.isEmpty() || (!key.isEmpty() && comment.startsWith(key)))
        return text;
    return comment + QStringLiteral(" | ") + text;
}

void GameTimer::showTimes() const
{
    show(1);
    show(2);
}

void GameTimer::show(int team) const
{
    if (ShowGameTimer && Observer)
        Observer->timeShown(team, timeText(team));
}

void GameTimer::recomputeTotals()
{
    const TimerBudget b = TimerBudget::of(game_);
    totalSeconds_ = b.total();
    secondsPerStone_ = b.secondsPerStone();
}

void GameTimer::recomputeBudgets()
{
    game_.TeamTimer.fill(TimerBudget::of(game_).total());
}

bool GameTimer::inExtraEnd() const
{
    return game_.CurrentEnd > game_.TotalEnds;
}

int GameTimer::scheduledStones() const
{
    const int end = inExtraEnd() ? 0 : game_.CurrentEnd;
    const int stone = game_.CurrentPlayer * 2 + game_.CurrentStone;
    if (game_.isMixedDoubles())
        return end * 5 + std::max(0, stone - kFirstMixedDoublesStone);
    return end * 8 + stone;
}
