#include "AnalysisListing.h"

#include "core/base/Texts.h"
#include "core/record/Game.h"
#include "core/record/Vocabulary.h"

#include <algorithm>

namespace Analysis {

namespace {

constexpr int kOverallTextId = 5109;
constexpr int kBothTeamsTextId = 5101;
// Group rows in tree order, with their labels.
constexpr std::array<std::pair<int, int>, 4> kGroups{{
    {Selection::Draws, 5102},
    {Selection::Takeouts, 5105},
    {Selection::Clockwise, 5103},
    {Selection::CounterClockwise, 5104},
}};
constexpr std::array<int, 5> kPlayerOrder{3, 2, 1, 0, 4};
constexpr int kLastTask = 10;
constexpr int kLastDraw = 5;

bool isHandleCode(int handle)
{
    return handle >= 0 && handle < Vocabulary::HandleCount;
}

QString positionWord(int playerIndex)
{
    static const char* const words[] = {"Lead", "Second", "Third", "Fourth", "Alternate"};
    return QLatin1String(words[playerIndex]);
}

std::vector<Row> groupRows(quint32 base)
{
    std::vector<Row> rows;
    for (const auto& [group, textId] : kGroups) {
        Row row{Texts::get(textId), base + 32u * quint32(group), false, {}};
        const int first = group == Selection::Takeouts ? kLastDraw + 1 : 0;
        const int last = group == Selection::Draws ? kLastDraw : kLastTask;
        for (int task = first; task <= last; ++task)
            row.children.push_back(
                {Vocabulary::taskName(task), row.number + quint32(task + 10), false, {}});
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

Selection Selection::decode(quint32 number)
{
    return {int(number & 31u), int((number >> 5) & 7u), int((number >> 8) & 7u), int(number >> 11)};
}

quint32 Selection::encode() const
{
    return quint32(taskFilter) | quint32(group) << 5 | quint32(player) << 8 | quint32(side) << 11;
}

bool Selection::matches(int teamSlot, const CStone& stone) const
{
    if (side != teamSlot && side != BothTeams)
        return false;
    if (player != stone.PlayerIndex && player != EveryPlayer)
        return false;
    switch (group) {
    case NoGroup:
        break;
    case Draws:
        if (stone.Task > kLastDraw)
            return false;
        break;
    case Takeouts:
        if (stone.Task <= kLastDraw || stone.Task > kLastTask)
            return false;
        break;
    // An unrecorded handle (-1) is neither clockwise nor counter-clockwise.
    case Clockwise:
        if (!isHandleCode(stone.Handle) || stone.Handle % 2 != 0)
            return false;
        break;
    case CounterClockwise:
        if (!isHandleCode(stone.Handle) || stone.Handle % 2 != 1)
            return false;
        break;
    default:
        return false;
    }
    // The task filter holds whatever the group; tree rows set it only under a group.
    return taskFilter == AnyTask || taskFilter == stone.Task + 10;
}

std::vector<Row> buildTree(const CGame& game)
{
    std::vector<Row> roots;
    for (int team = 0; team <= Selection::BothTeams; ++team) {
        const bool both = team == Selection::BothTeams;
        const quint32 number =
            Selection{Selection::AnyTask, Selection::NoGroup, Selection::EveryPlayer, team}
                .encode();
        Row root{both ? Texts::get(kBothTeamsTextId) : game.GetTeamName(team), number, !both, {}};
        root.children.push_back({Texts::get(kOverallTextId), number, false, groupRows(number)});
        if (!(both && game.isMixedDoubles())) {
            for (const int p : kPlayerOrder) {
                if (game.isMixedDoubles() && p != 3 && p != 2)
                    continue;
                const QString label =
                    both ? positionWord(p)
                         : game.GetPlayerName(team, p) + game.GetPlayerLabel(p, team);
                const quint32 playerNumber = quint32(p + team * 8) * 256u;
                root.children.push_back({label, playerNumber, false, groupRows(playerNumber)});
            }
        }
        roots.push_back(std::move(root));
    }
    return roots;
}

void Marks::add(int teamSlot, qint32 x, qint32 y, qint32 points)
{
    if (count_ >= Capacity || (teamSlot != 0 && teamSlot != 1))
        return;
    tables_[std::size_t(teamSlot)][std::size_t(count_)] = {x, y, points};
    ++count_;
}

void Marks::clear()
{
    for (auto& table : tables_)
        std::fill_n(table.begin(), count_, Mark{});
    count_ = 0;
}

const Mark& Marks::entry(int teamSlot, int k) const
{
    static const Mark none;
    if ((teamSlot != 0 && teamSlot != 1) || k < 0 || k >= Capacity)
        return none;
    return tables_[std::size_t(teamSlot)][std::size_t(k)];
}

std::vector<HouseMark> Marks::houseMarks() const
{
    std::vector<HouseMark> marks;
    for (const Placed& placed : drawOrder())
        marks.push_back(
            {SheetPoint{placed.mark.x, placed.mark.y}, placed.teamSlot, placed.mark.points});
    return marks;
}

std::vector<Marks::Placed> Marks::drawOrder() const
{
    std::vector<Placed> placed;
    for (int slot = 0; slot < 2; ++slot) {
        for (const Mark& m : tables_[std::size_t(slot)]) {
            if (m.x != 0 && m.x != SheetPoint::OutOfPlay)
                placed.push_back({slot, m});
        }
    }
    return placed;
}

void plot(const CGame& game, quint32 selection, PlotSource source, Marks& marks)
{
    const Selection s = Selection::decode(selection);
    marks.clear();
    const int lastEnd = std::min(game.CurrentEnd, CGame::EndCount - 1);
    // A mixed-doubles block delivers only its records 3-7.
    const int firstRecord = game.isMixedDoubles() ? 3 : 0;
    for (int end = 0; end <= lastEnd; ++end) {
        const CEnd& e = game.Ends[std::size_t(end)];
        for (int slot = 0; slot < CGame::TeamCount; ++slot) {
            for (int r = firstRecord; r < CEnd::StonesPerTeam; ++r) {
                const int record = slot * CEnd::StonesPerTeam + r;
                const CStone& stone = e.Stones[std::size_t(record)];
                if (!s.matches(slot, stone))
                    continue;
                if (stone.Task < 0 || stone.Task > kLastTask || stone.Points < 0 ||
                    stone.Points > 6)
                    continue;
                const int pair = source == PlotSource::Target  ? CStone::TargetPair
                                 : source == PlotSource::Broom ? CStone::BroomPair
                                                               : record;
                const SheetPoint at = stone.Positions[std::size_t(pair)];
                if (at.x == 0 || at.x == SheetPoint::OutOfPlay)
                    continue;
                marks.add(slot, at.x, at.y, stone.Points);
            }
        }
    }
    marks.setShown(true);
}

QString imageTitle(const CGame& game, const QString& ownerMark)
{
    return QStringLiteral("%1: %2 - %3       %4")
        .arg(Texts::get(32112), game.Teams[0].ShortName, game.Teams[1].ShortName, ownerMark);
}

} // namespace Analysis
