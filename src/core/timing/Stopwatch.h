#pragma once

#include <QString>

#include <QtGlobal>

class CGame;

// What the stopwatch bar is told.
class StopwatchObserver
{
public:
    virtual ~StopwatchObserver() = default;
    // The reading to show; marker while it runs towards a split (mode 1).
    virtual void readingShown(const QString& text, bool marker) = 0;
    // displayTimerActive() or freezeTimerActive() may have changed.
    virtual void timersChanged() = 0;
};

// A stopwatch with tenths of a second. The UI runs a repeating 100 ms timer that
// calls tick() while displayTimerActive(), and a single-shot 2000 ms timer that
// calls freezeEnded() while freezeTimerActive() (the frozen split reading).
class Stopwatch
{
public:
    enum State
    {
        Stopped = 0,
        Running = 101,
        SplitTaken = 102 // mode 1 only: the next press stops
    };
    enum Mode
    {
        StartStop = 0,
        StartSplitStop = 1
    };
    static constexpr int DisplayIntervalMs = 100;
    static constexpr int FreezeMs = 2000;
    static constexpr const char* ZeroReading = "00:00.0";

    // Reads StopWatchMode and StopwatchToComment.
    Stopwatch();

    int StopWatchMode = StartStop;
    bool StopwatchToComment = true;

    State state() const { return state_; }
    bool displayTimerActive() const { return displayTimer_; }
    bool freezeTimerActive() const { return freezeTimer_; }

    // The reading the bar shows now.
    QString reading() const;
    bool marker() const { return state_ == Running && StopWatchMode == StartSplitStop; }

    // Start, stop or split; after a stop or split in a game in progress the reading
    // goes into the comment field when StopwatchToComment is on.
    void press(const CGame& game, QString& comment);
    void reset();
    // The bar appears: stopped at the zero reading.
    void barShown();
    void tick() const;
    void freezeEnded();
    // The reading written into a comment field: alone, or after " | ".
    QString commentWithReading(const QString& comment) const;
    // Sets and writes StopWatchMode.
    void setMode(int mode);

    // "%02s:%02s.%s" of minutes, seconds and tenths of an elapsed time.
    static QString formatReading(qint64 elapsedMs);

    StopwatchObserver* Observer = nullptr;

private:
    void setTimers(bool display, bool freeze);
    void showReading() const;

    State state_ = Stopped;
    bool resetFlag_ = true;
    bool displayTimer_ = false;
    bool freezeTimer_ = false;
    qint64 startMs_ = 0;
    qint64 heldMs_ = 0; // the moment of the stop or of the split on show
};
