#pragma once

#include "core/house/HousePainter.h"

#include <QString>

#include <array>
#include <vector>

class CGame;
struct CStone;

// The analysis window's data: the tree of selections over the active game, the
// stones a selection matches and the marks the house view plots for them.
namespace Analysis {

// One selection, packed into the number every tree row carries:
// bits 0-4 task filter (0 any, else task + 10), bits 5-7 group, bits 8-10 player
// (0-4 a player index, 5 every player), bits 11 and up the side (0, 1, 2 both).
struct Selection
{
    static constexpr int AnyTask = 0;
    static constexpr int EveryPlayer = 5;
    static constexpr int BothTeams = 2;

    enum Group
    {
        NoGroup = 0,
        Draws = 1,
        Takeouts = 2,
        Clockwise = 3,
        CounterClockwise = 4
    };

    int taskFilter = AnyTask;
    int group = NoGroup;
    int player = EveryPlayer;
    int side = BothTeams;

    static Selection decode(quint32 number);
    quint32 encode() const;
    bool operator==(const Selection&) const = default;

    // Whether a stone of the team slot falls under the selection (plottable or not).
    bool matches(int teamSlot, const CStone& stone) const;
};

// A row of the analysis tree; the two team roots open expanded.
struct Row
{
    QString label;
    quint32 number = 0;
    bool expanded = false;
    std::vector<Row> children;
};

// Three roots: team 1, team 2, both teams.
std::vector<Row> buildTree(const CGame& game);

// Which position of a stone's sheet snapshot is plotted.
enum class PlotSource
{
    Target = 0,
    Broom = 1,
    Rest = 2 // where the stone itself came to rest
};

struct Mark
{
    qint32 x = 0; // 0: empty entry
    qint32 y = 0;
    qint32 points = 0;

    bool operator==(const Mark&) const = default;
};

// The marks a house view keeps: one counter shared by both team slots and a
// table per slot; mark k lands in entry k of its own slot's table.
class Marks
{
public:
    static constexpr int Capacity = 100;

    // Ignored when full or for a team slot other than 0 or 1.
    void add(int teamSlot, qint32 x, qint32 y, qint32 points);
    void clear();
    int count() const { return count_; }
    const Mark& entry(int teamSlot, int k) const;

    // While shown, the house view draws the marks instead of the stones.
    bool shown() const { return shown_; }
    void setShown(bool shown) { shown_ = shown; }

    struct Placed
    {
        int teamSlot;
        Mark mark;
        bool operator==(const Placed&) const = default;
    };
    // The order of drawing: slot 0's table, then slot 1's, skipping entries
    // that are empty or out of play.
    std::vector<Placed> drawOrder() const;
    // The same as the house painter takes them.
    std::vector<HouseMark> houseMarks() const;

private:
    int count_ = 0;
    bool shown_ = false;
    std::array<std::array<Mark, Capacity>, 2> tables_{};
};

// The Show command: clears the marks, adds one for every plottable stone that
// matches, from end 0 to the current end, and shows them.
void plot(const CGame& game, quint32 selection, PlotSource source, Marks& marks);

// Suggested base name of the saved house drawing.
inline constexpr const char* ImageBaseName = "TALVAnalysis";

// Title line of the exported image while the marks are shown.
QString imageTitle(const CGame& game, const QString& ownerMark);

} // namespace Analysis
