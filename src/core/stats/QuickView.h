#pragma once

#include <QString>

#include <array>

class CGame;

// The quick view's content: per team five rows (lead, second, third, fourth,
// alternate) and the team's figure, tallied from the game up to its current
// position. A figure is a whole percentage ("- %" without stones) or, while
// only counts are shown, the number of stones.
struct QuickViewRow
{
    QString label;
    QString figure;
    bool greyed = false; // the missing second of a team of three
};

struct QuickViewTeam
{
    QString name;
    QString figure;
    std::array<QuickViewRow, 5> rows;
};

struct QuickViewModel
{
    QString title;
    std::array<QuickViewTeam, 2> teams;
};

namespace QuickView {

// savedSecondIds: the document's SavedSecondId1 and SavedSecondId2, the player
// index shown greyed in the second row of a team of three.
QuickViewModel build(const CGame& game, const std::array<int, 2>& savedSecondIds);

} // namespace QuickView
