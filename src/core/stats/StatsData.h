#pragma once

#include <QString>

#include <array>

class CGame;

// The accumulator behind every figure about shot quality: integer counts and
// point sums per team, player, handle and task, per end (or per game of a
// tournament) and per stone of the player. Percentages are worked out when
// asked for. Fixed arrays only: adding a game or querying allocates nothing.
//
// Team 0/1; slot = player index 0..4 or 5 for the whole team; row = team × 6 + slot.
// Team -1 in a query means the side due to deliver next in the active game.
class CStatsData
{
public:
    static constexpr int RowCount = 12;
    static constexpr int HandleCount = 6;
    static constexpr int TaskPlaces = 14;
    static constexpr int IndexCount = 20;
    static constexpr int WholeTeam = 5;
    using PlayerMap = std::array<int, 5>;
    static constexpr PlayerMap IdentityMap{0, 1, 2, 3, 4};

    // "   -    ": eight characters for a figure without data.
    static QString noDataText();

    // An empty accumulator (all tallies 0, scores and index percentages -1).
    CStatsData();
    // Built from the active game: its stones up to the current position, or all
    // of them with the StatsAllGame setting, under index 0.
    explicit CStatsData(const CGame& active);

    void Reset();
    // Adds the stones of a game (which becomes the active game). map[k] is the
    // player index under which team 0's stones of player index k are tallied.
    void AddGame(const CGame& game, bool allGame, int index, bool swapTeams,
                 const PlayerMap& map = IdentityMap);
    void Merge(const CStatsData& other);

    // The game queries about "the side due next", the display rule and the
    // per-end figures read; set by AddGame.
    void setActiveGame(const CGame* game) { active_ = game; }
    const CGame* activeGame() const { return active_; }

    int GetCount(int team, int slot, int code) const;
    int GetPointSum(int team, int slot, int code) const;
    QString GetCountText(int team, int slot, int code) const;
    // Eight characters, right-aligned ("100.0 %"), or the no-data text. While
    // DisplayStats is off and the game is not finished: the count instead.
    QString GetPercentText(int team, int slot, int code) const;
    // Own percentage minus the opponent's in the same slot ("+16.7 %").
    QString GetDifferenceText(int team, int slot, int code) const;
    // The same with the display rule decided once by the caller (showsCountsOnly),
    // for a report that asks for hundreds of figures at one moment.
    QString GetPercentText(int team, int slot, int code, bool countsOnly) const;
    QString GetDifferenceText(int team, int slot, int code, bool countsOnly) const;
    // The side's overall percentage truncated, -1 without counted stones.
    int GetTeamPercent(int team) const;
    // With fromTable the stored percentage of one AddGame index; otherwise that
    // end of the active game worked out directly. -1 without stones.
    int GetEndPercent(int team, int slot, int index, bool fromTable) const;

    // Whether the display rule shows counts in place of percentages now.
    bool showsCountsOnly() const;

    int highestIndex() const { return highestIndex_; }
    int endIndexSum() const { return endIndexSum_; }
    int splitEnd() const { return splitEnd_; }
    int teamScore(int team, int index) const;

private:
    struct Tally
    {
        int count = 0;
        int points = 0;
    };

    int resolveTeam(int team) const;
    Tally tally(int row, int code) const;
    // x = 25 × S ÷ N, or no value (false) for no data
    bool percentValue(int team, int slot, int code, double& value) const;
    void recomputeSplitEnd();

    int highestIndex_ = 0;
    int endIndexSum_ = 0;
    int splitEnd_ = 0;
    int teamScores_[2][IndexCount];
    int counts_[RowCount][HandleCount][TaskPlaces];
    int pointSums_[RowCount][HandleCount][TaskPlaces];
    int indexPercent_[RowCount][IndexCount];
    int endCounts_[RowCount][IndexCount];
    int endPointSums_[RowCount][IndexCount];
    int orderCounts_[RowCount][2];
    int orderPointSums_[RowCount][2];

    const CGame* active_ = nullptr;
};
