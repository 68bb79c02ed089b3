#pragma once

#include <QString>

#include <optional>
#include <vector>

class CGame;

// The comment listing: every remark and comment recorded with the stones of the
// active game, listed by team, by player position and by end.
namespace Comments {

// A row that stands for no position (the roots and the position rows).
inline constexpr int NoEntry = -1;

struct Row
{
    QString text;
    int entry = NoEntry;
    std::vector<Row> children;
};

// end × 16 + team slot × 8 + stone index (0-7 inside that side's block).
constexpr int entryNumber(int end, int teamSlot, int stoneIndex)
{
    return end * 16 + teamSlot * 8 + stoneIndex;
}

// Four roots: team 1, team 2, by position, by end.
enum RootIndex
{
    Team1Root = 0,
    Team2Root = 1,
    PositionRoot = 2,
    EndRoot = 3
};
std::vector<Row> buildListing(const CGame& game);

// Line ends in a remark become ": ".
QString oneLine(const QString& text);

// Where Go to moves the game for an entry (arguments of GotoPosition).
struct Target
{
    int end = 0;
    int order = 0;
    int stoneIndex = 0;

    bool operator==(const Target&) const = default;
};
// Nothing for a row without a position or a number beyond the last end.
std::optional<Target> target(const CGame& game, int entry);

} // namespace Comments
