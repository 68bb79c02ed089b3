#pragma once

#include <QString>

class CGame;
class GameTimer;

// What the time-out dialog shows; Text is edited in place.
struct TimeOutRequest
{
    QString TeamName;
    int EndNumber = 1;
    int StoneNumber = 1; // within the end, 1..16 (1..10 in mixed doubles)
    QString Text;
};

class TimeOutDialog
{
public:
    virtual ~TimeOutDialog() = default;
    // false on Cancel
    virtual bool edit(TimeOutRequest& request) = 0;
};

// The time-out mark of the stone being edited. A stored remark with a time-out
// reads "<remark>Time-out\n<time-out text>"; the remark field shows the part
// before the line break and the rest waits here as the pending text.
class TimeOuts
{
public:
    static constexpr const char* Mark = "Time-out";

    // "\n" + the text of the last time-out dialog; empty when none.
    QString PendingText;

    static bool enabled(const CGame& game);
    bool checked() const { return !PendingText.isEmpty(); }
    static int stoneNumber(const CGame& game);

    // Stops both clocks and asks for the time-out; OK sets the pending text and
    // puts the mark into the remark field, or takes it away when it is there.
    bool run(const CGame& game, GameTimer& timer, TimeOutDialog& dialog, QString& remarkField);
    static QString toggledMark(const QString& remarkField);

    // The remark a stone stores for the remark field.
    QString storedRemark(const QString& remarkField) const;
    // The remark field for a stored remark; sets the pending text.
    QString shownRemark(const QString& storedRemark);
};
