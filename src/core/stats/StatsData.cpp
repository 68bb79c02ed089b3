#include "StatsData.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/record/Game.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kThrough = 11;
constexpr int kNoScore = -1;

// Handles as bits: which handle codes a statistic selects.
constexpr unsigned kAllHandles = 0b111111;
constexpr unsigned kClockwise = 0b010101;        // 0, 2, 4
constexpr unsigned kCounterClockwise = 0b101010; // 1, 3, 5
constexpr unsigned kInsideOut = 0b001100;        // 2, 3
constexpr unsigned kOutsideIn = 0b110000;        // 4, 5
constexpr unsigned kPlainRotation = 0b000011;    // 0, 1

struct TaskRange
{
    int first, last;
};
constexpr TaskRange kRealShots{0, 10};
constexpr TaskRange kDraws{0, 5};
constexpr TaskRange kTakeouts{6, 10};

struct Selection
{
    unsigned handles = 0;
    TaskRange tasks{0, -1};
};

// The counts cells a statistic code selects (codes on ends and stone order
// are handled apart).
Selection selectionOf(int code)
{
    switch (code) {
    case 0:
    case 7:
    case 8:
        return {kAllHandles, kRealShots};
    case 1:
        return {kAllHandles, kDraws};
    case 2:
        return {kAllHandles, kTakeouts};
    case 3:
        return {kClockwise, kRealShots};
    case 31:
        return {kClockwise, kDraws};
    case 32:
        return {kClockwise, kTakeouts};
    case 4:
        return {kCounterClockwise, kRealShots};
    case 41:
        return {kCounterClockwise, kDraws};
    case 42:
        return {kCounterClockwise, kTakeouts};
    case 5:
        return {kInsideOut, kRealShots};
    case 51:
        return {kInsideOut, kDraws};
    case 52:
        return {kInsideOut, kTakeouts};
    case 53:
        return {1u << 2, kRealShots};
    case 54:
        return {1u << 3, kRealShots};
    case 6:
        return {kOutsideIn, kRealShots};
    case 61:
        return {kOutsideIn, kDraws};
    case 62:
        return {kOutsideIn, kTakeouts};
    case 63:
        return {1u << 4, kRealShots};
    case 64:
        return {1u << 5, kRealShots};
    default:
        break;
    }
    if (code >= 10 && code <= 23)
        return {kPlainRotation, {code - 10, code - 10}};
    return {};
}

QString eightCharacters(const QString& text)
{
    return (QStringLiteral("     ") + text).right(8);
}

} // namespace

QString CStatsData::noDataText()
{
    return QStringLiteral("   -    ");
}

CStatsData::CStatsData()
{
    Reset();
}

CStatsData::CStatsData(const CGame& active)
{
    Reset();
    AddGame(active, Settings::read(Key::Options::StatsAllGame) != 0, 0, false, IdentityMap);
}

void CStatsData::Reset()
{
    highestIndex_ = 0;
    endIndexSum_ = 0;
    splitEnd_ = 0;
    std::fill_n(&teamScores_[0][0], 2 * IndexCount, kNoScore);
    std::memset(counts_, 0, sizeof counts_);
    std::memset(pointSums_, 0, sizeof pointSums_);
    std::fill_n(&indexPercent_[0][0], RowCount * IndexCount, -1);
    std::memset(endCounts_, 0, sizeof endCounts_);
    std::memset(endPointSums_, 0, sizeof endPointSums_);
    std::memset(orderCounts_, 0, sizeof orderCounts_);
    std::memset(orderPointSums_, 0, sizeof orderPointSums_);
}

void CStatsData::AddGame(const CGame& game, bool allGame, int index, bool swapTeams,
                         const PlayerMap& map)
{
    active_ = &game;
    if (index > highestIndex_ && index < IndexCount)
        highestIndex_ = index;
    int count[RowCount] = {};
    int sum[RowCount] = {};

    const auto add = [&](int end, int r, int t) {
        const CStone& stone =
            game.Ends[std::size_t(end)].Stones[std::size_t(r + 8 * (swapTeams ? 1 - t : t))];
        // Stones outside the vocabulary land in the "through" place with 0 points.
        int p = stone.Points;
        int task = stone.Task;
        int handle = stone.Handle;
        if (p < 0 || p > 6 || task == kThrough) {
            p = 0;
            task = kThrough;
        }
        if (task < 0 || task > 13)
            task = kThrough;
        if (handle < 0 || handle > 5) {
            handle = 0;
            task = kThrough;
        }
        int s = stone.PlayerIndex;
        if (t == 0 && s >= 0 && s < 5)
            s = map[std::size_t(s)];
        if (s < 0 || s > 4) {
            s = 4;
            task = kThrough;
        }
        const int rows[] = {s + 6 * t, 6 * t + WholeTeam};
        for (const int row : rows) {
            ++counts_[row][handle][task];
            pointSums_[row][handle][task] += p;
            if (task <= 10) {
                ++endCounts_[row][end];
                endPointSums_[row][end] += p;
                ++orderCounts_[row][r % 2];
                orderPointSums_[row][r % 2] += p;
                ++count[row];
                sum[row] += p;
            }
        }
    };

    const int currentEnd = std::clamp(game.CurrentEnd, 0, CGame::EndCount - 1);
    const int fullEnds = allGame ? CGame::EndCount : currentEnd;
    for (int end = 0; end < fullEnds; ++end) {
        for (int r = 0; r < 8; ++r) {
            add(end, r, 0);
            add(end, r, 1);
        }
    }
    if (!allGame) {
        const int reached =
            std::clamp(2 * game.CurrentPlayer + game.CurrentStone, 0, CEnd::StonesPerTeam);
        for (int r = 0; r < reached; ++r) {
            add(currentEnd, r, 0);
            add(currentEnd, r, 1);
        }
        if (game.CurrentOrder == 1 && reached < CEnd::StonesPerTeam)
            add(currentEnd, reached, game.Ends[std::size_t(currentEnd)].FirstThrowerFlag & 1);
    }
    endIndexSum_ += currentEnd;

    if (index >= 0 && index < IndexCount) {
        for (int row = 0; row < RowCount; ++row)
            indexPercent_[row][index] = count[row] > 0 ? int(25.0 / count[row] * sum[row]) : -1;
        for (int t = 0; t < 2; ++t)
            teamScores_[t][index] = game.Teams[std::size_t(swapTeams ? 1 - t : t)].TeamTotal;
    }
    recomputeSplitEnd();
}

void CStatsData::Merge(const CStatsData& other)
{
    const auto addCells = [](auto& into, const auto& from) {
        auto* target = &into[0][0];
        const auto* source = &from[0][0];
        for (std::size_t i = 0; i < sizeof into / sizeof *target; ++i)
            target[i] += source[i];
    };
    for (int row = 0; row < RowCount; ++row) {
        addCells(counts_[row], other.counts_[row]);
        addCells(pointSums_[row], other.pointSums_[row]);
    }
    for (int row = 0; row < RowCount; ++row) {
        for (int i = 0; i < IndexCount; ++i) {
            endCounts_[row][i] += other.endCounts_[row][i];
            endPointSums_[row][i] += other.endPointSums_[row][i];
        }
        for (int k = 0; k < 2; ++k) {
            orderCounts_[row][k] += other.orderCounts_[row][k];
            orderPointSums_[row][k] += other.orderPointSums_[row][k];
        }
    }
    std::memcpy(indexPercent_, other.indexPercent_, sizeof indexPercent_);
    std::memcpy(teamScores_, other.teamScores_, sizeof teamScores_);
    highestIndex_ = other.highestIndex_;
    endIndexSum_ += other.endIndexSum_;
    if (!active_)
        active_ = other.active_;
    recomputeSplitEnd();
}

void CStatsData::recomputeSplitEnd()
{
    splitEnd_ = endIndexSum_ / (2 * (highestIndex_ + 1));
}

int CStatsData::resolveTeam(int team) const
{
    if (team == -1 && active_)
        return active_->CurrentTeamSlot();
    return team;
}

CStatsData::Tally CStatsData::tally(int row, int code) const
{
    Tally t;
    const auto addEnds = [&](int first, int last) {
        for (int i = std::max(first, 0); i <= std::min(last, IndexCount - 1); ++i) {
            t.count += endCounts_[row][i];
            t.points += endPointSums_[row][i];
        }
    };
    if (code == 71) {
        addEnds(0, splitEnd_ - 1);
    } else if (code == 72) {
        addEnds(splitEnd_, IndexCount - 1);
    } else if (code == 81 || code == 82) {
        t.count = orderCounts_[row][code - 81];
        t.points = orderPointSums_[row][code - 81];
    } else if (code >= 701 && code <= 720) {
        addEnds(code - 701, code - 701);
    } else {
        const Selection selection = selectionOf(code);
        for (int h = 0; h < HandleCount; ++h) {
            if (!(selection.handles & (1u << h)))
                continue;
            for (int task = selection.tasks.first; task <= selection.tasks.last; ++task) {
                t.count += counts_[row][h][task];
                t.points += pointSums_[row][h][task];
            }
        }
    }
    return t;
}

int CStatsData::GetCount(int team, int slot, int code) const
{
    team = resolveTeam(team);
    if ((team != 0 && team != 1) || slot < 0 || slot > WholeTeam)
        return 0;
    return tally(team * 6 + slot, code).count;
}

int CStatsData::GetPointSum(int team, int slot, int code) const
{
    team = resolveTeam(team);
    if ((team != 0 && team != 1) || slot < 0 || slot > WholeTeam)
        return 0;
    return tally(team * 6 + slot, code).points;
}

QString CStatsData::GetCountText(int team, int slot, int code) const
{
    return QString::number(GetCount(team, slot, code));
}

bool CStatsData::showsCountsOnly() const
{
    return active_ && active_->GameState < 8 && Settings::read(Key::Preferences::DisplayStats) == 0;
}

bool CStatsData::percentValue(int team, int slot, int code, double& value) const
{
    if ((team != 0 && team != 1) || slot < 0 || slot > WholeTeam || code == 21)
        return false;
    const Tally t = tally(team * 6 + slot, code);
    if (t.count <= 0 || (code == 71 && splitEnd_ <= 0) || (code == 72 && splitEnd_ >= 20))
        return false;
    value = 25.0 * t.points / t.count;
    return true;
}

QString CStatsData::GetPercentText(int team, int slot, int code) const
{
    return GetPercentText(team, slot, code, showsCountsOnly());
}

QString CStatsData::GetDifferenceText(int team, int slot, int code) const
{
    return GetDifferenceText(team, slot, code, showsCountsOnly());
}

QString CStatsData::GetPercentText(int team, int slot, int code, bool countsOnly) const
{
    if (countsOnly)
        return GetCountText(team, slot, code);
    double x = 0;
    if (!percentValue(resolveTeam(team), slot, code, x))
        return noDataText();
    return eightCharacters(QString::asprintf("%3.1f %%", x));
}

QString CStatsData::GetDifferenceText(int team, int slot, int code, bool countsOnly) const
{
    if (countsOnly)
        return GetCountText(team, slot, code);
    team = resolveTeam(team);
    double own = 0;
    double opponent = 0;
    if (!percentValue(team, slot, code, own))
        return noDataText();
    if (!percentValue(1 - team, slot, code, opponent))
        return GetPercentText(team, slot, code, false);
    const double d = (std::floor(10 * own + 0.5) - std::floor(10 * opponent + 0.5)) * 0.1;
    return eightCharacters(QString::asprintf("%+3.1f %%", d));
}

int CStatsData::GetTeamPercent(int team) const
{
    team = resolveTeam(team);
    if (team != 0 && team != 1)
        return -1;
    const Tally t = tally(team * 6 + WholeTeam, 0);
    return t.count > 0 ? int(25.0 * t.points / t.count) : -1;
}

int CStatsData::GetEndPercent(int team, int slot, int index, bool fromTable) const
{
    team = resolveTeam(team);
    if ((team != 0 && team != 1) || slot < 0 || slot > WholeTeam || index < 0 ||
        index >= IndexCount)
        return -1;
    if (fromTable)
        return indexPercent_[team * 6 + slot][index];
    if (!active_)
        return -1;
    int number = 0;
    int sum = 0;
    for (int r = 0; r < 8; ++r) {
        const CStone& s = active_->Ends[std::size_t(index)].Stones[std::size_t(8 * team + r)];
        const bool counts = s.Task >= 0 && s.Task <= 10 && s.Points >= 0 && s.Points <= 6 &&
                            s.PlayerIndex >= 0 && s.PlayerIndex <= 4 &&
                            (slot == WholeTeam || s.PlayerIndex == slot);
        if (counts) {
            ++number;
            sum += s.Points;
        }
    }
    return number > 0 ? int(sum * 25.0 / number) : -1;
}

int CStatsData::teamScore(int team, int index) const
{
    if ((team != 0 && team != 1) || index < 0 || index >= IndexCount)
        return kNoScore;
    return teamScores_[team][index];
}
