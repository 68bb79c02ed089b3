#include "Stone.h"

#include <algorithm>

void CStone::Reset()
{
    Remark.clear();
    Comment.clear();
    TaskName.clear();
    HandleName.clear();
    PointsName.clear();
    Task = -1;
    Handle = -1;
    Points = -1;
    ValidFlag = 1;
    Positions.fill(SheetPoint{});
    Tags.clear();
}

bool CStone::Equals(const CStone& other) const
{
    return StoneFlag == other.StoneFlag && TeamId == other.TeamId &&
           PlayerIndex == other.PlayerIndex && Task == other.Task && Handle == other.Handle &&
           Points == other.Points && Remark == other.Remark && Comment == other.Comment &&
           ValidFlag == other.ValidFlag && Positions == other.Positions;
}

void CStone::SwapTeamHalves()
{
    std::swap_ranges(Positions.begin(), Positions.begin() + 8, Positions.begin() + 8);
}
