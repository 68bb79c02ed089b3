#include "Stopwatch.h"

#include "core/base/Clock.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/record/Game.h"

#include <algorithm>

namespace {

constexpr int kInProgressState = 6;

} // namespace

Stopwatch::Stopwatch()
{
    StopWatchMode = Settings::read(Key::Options::StopWatchMode) == 1 ? StartSplitStop : StartStop;
    StopwatchToComment = Settings::read(Key::Options::StopwatchToComment) != 0;
}

QString Stopwatch::formatReading(qint64 elapsedMs)
{
    const qint64 tenths = std::max<qint64>(0, elapsedMs) / 100; // a clock set back reads 0
    const QChar zero = QLatin1Char('0');
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600, 2, 10, zero)
        .arg((tenths / 10) % 60, 2, 10, zero)
        .arg(tenths % 10);
}

QString Stopwatch::reading() const
{
    if (state_ == Stopped && resetFlag_)
        return QLatin1String(ZeroReading);
    // A stop holds its final reading, a split its reading for the freeze.
    if (state_ == Stopped || freezeTimer_)
        return formatReading(heldMs_ - startMs_);
    return formatReading(Clock::nowMs() - startMs_);
}

void Stopwatch::press(const CGame& game, QString& comment)
{
    if (state_ == Stopped) {
        startMs_ = Clock::nowMs();
        resetFlag_ = false;
        state_ = Running;
        setTimers(true, false);
        showReading();
        return;
    }
    heldMs_ = Clock::nowMs();
    if (state_ == Running && StopWatchMode == StartSplitStop) {
        state_ = SplitTaken;
        setTimers(false, true);
    } else {
        state_ = Stopped;
        setTimers(false, false);
    }
    showReading();
    if (StopwatchToComment && game.GameState == kInProgressState)
        comment = commentWithReading(comment);
}

void Stopwatch::reset()
{
    state_ = Stopped;
    resetFlag_ = true;
    setTimers(false, false);
    showReading();
}

void Stopwatch::barShown()
{
    reset();
}

void Stopwatch::tick() const
{
    if (displayTimer_)
        showReading();
}

void Stopwatch::freezeEnded()
{
    if (!freezeTimer_)
        return;
    // The split stays taken; the reading runs on from the first start.
    setTimers(true, false);
    showReading();
}

QString Stopwatch::commentWithReading(const QString& comment) const
{
    return comment.isEmpty() ? reading() : comment + QStringLiteral(" | ") + reading();
}

void Stopwatch::setMode(int mode)
{
    if (mode != StartStop && mode != StartSplitStop)
        return;
    StopWatchMode = mode;
    Settings::write(Key::Options::StopWatchMode, mode);
}

void Stopwatch::setTimers(bool display, bool freeze)
{
    const bool changed = display != displayTimer_ || freeze != freezeTimer_;
    displayTimer_ = display;
    freezeTimer_ = freeze;
    if (changed && Observer)
        Observer->timersChanged();
}

void Stopwatch::showReading() const
{
    if (Observer)
        Observer->readingShown(reading(), marker());
}
