#pragma once

#include <QList>
#include <QString>

#include <array>

// A point on the sheet in hundredths of a foot. x = 4095 marks a stone out of
// play; (0, 0) a position never set.
struct SheetPoint
{
    static constexpr qint32 OutOfPlay = 4095;

    qint32 x = 0;
    qint32 y = 0;

    bool operator==(const SheetPoint&) const = default;
};

// A moment marked in the video-analysis application for a stone.
struct CTagEvent
{
    qint64 TagTime = 0;     // seconds since 1970
    qint64 TagDuration = 0; // seconds (32-bit in game files)
    QString TagName;
    QString TagOutcome;

    bool operator==(const CTagEvent&) const = default;
};

// One stone of an end: who delivered it, the judgement and the picture of the
// sheet after it was played.
struct CStone
{
    static constexpr int PositionCount = 18;
    static constexpr int BroomPair = 16;
    static constexpr int TargetPair = 17;

    QString Remark;
    QString Comment;
    qint64 DeliveryTime = 0;
    qint32 StoneFlag = 0;
    qint32 TeamId = 0;
    qint32 PlayerId = 0;
    qint32 PlayerIndex = 0;
    qint32 Task = -1;
    qint32 Handle = -1;
    qint32 Points = -1;
    QString TaskName; // names shown, filled when the shot is recorded
    QString HandleName;
    QString PointsName;
    qint32 ValidFlag = 1;
    // 0..7 the stones of team slot 0, 8..15 those of team slot 1, 16 broom, 17 target
    std::array<SheetPoint, PositionCount> Positions{};
    QList<CTagEvent> Tags;

    // Clears the judgement, texts, positions and tags; keeps who delivered the
    // stone, StoneFlag and DeliveryTime.
    void Reset();
    // Every field, tags deep-copied.
    void Copy(const CStone& other) { *this = other; }
    // Compares what the statistician entered; PlayerId, the names, DeliveryTime
    // and the tags are left out.
    bool Equals(const CStone& other) const;
    // Exchanges the two teams' halves of the snapshot; broom and target stay.
    void SwapTeamHalves();
};
