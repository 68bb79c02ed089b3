// The order of play: the operations that move a game's position stone by stone,
// in and out of review mode, and decide who delivers first in the next end.
#include "Game.h"

#include "core/base/Prompts.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"

#include <algorithm>

namespace {

constexpr int kLastEnd = CGame::EndCount - 1;
constexpr int kSwitchLastStoneQuestionId = 5099;

} // namespace

// Moves to another end; the sheet direction flips once for every end crossed,
// so it stays tied to the first end's direction.
void CGame::enterEnd(int end)
{
    if ((end - CurrentEnd) % 2 != 0)
        SheetDirection ^= 1;
    CurrentEnd = end;
    RecomputeTeamTotals();
}

// The lie of the stones carries forward from shot to shot, and the broom and
// target follow the same team's previous stone.
void CGame::carryForward(const CStone& previous)
{
    CStone& stone = currentStone();
    std::copy_n(previous.Positions.begin(), 16, stone.Positions.begin());
    if (CurrentPlayer + CurrentStone > 0) {
        const CStone& teamPrevious = currentEnd().Stones[std::size_t(StoneSlot() - 1)];
        stone.Positions[CStone::BroomPair] = teamPrevious.Positions[CStone::BroomPair];
        stone.Positions[CStone::TargetPair] = teamPrevious.Positions[CStone::TargetPair];
    }
}

int CGame::NextStone()
{
    const CStone& before = currentStone();
    if (CurrentOrder == 0) {
        CurrentOrder = 1;
    } else {
        CurrentOrder = 0;
        if (CurrentStone == 0) {
            CurrentStone = 1;
        } else if (CurrentPlayer < 3) {
            CurrentStone = 0;
            ++CurrentPlayer;
        } else if (CurrentEnd >= kLastEnd) {
            CurrentOrder = 1; // the twentieth end is the last: stay put
            return 0;
        } else {
            CurrentStone = 0;
            CurrentPlayer = 0;
            enterEnd(CurrentEnd + 1);
            if (isMixedDoubles()) {
                CurrentPlayer = 1;
                CurrentStone = 1;
                if (ReviewMode == 0) {
                    const CEnd& previousEnd = Ends[std::size_t(CurrentEnd - 1)];
                    for (int i = 1; i < CEnd::StoneCount; ++i) {
                        if (i == 8)
                            continue;
                        CStone& s = currentEnd().Stones[std::size_t(i)];
                        s.PlayerIndex = previousEnd.Stones[std::size_t(i)].PlayerIndex;
                        s.PlayerId = previousEnd.Stones[std::size_t(i)].PlayerId;
                    }
                }
            }
        }
    }

    if (ReviewMode == 0) {
        if (isMixedDoubles() && isFirstStoneOfEnd())
            PlacePositionedStones(0);
        else if (CurrentOrder + CurrentStone + CurrentPlayer > 0)
            carryForward(before);
        setRecordingPosition(currentPosition());
        return 1;
    }
    if (currentPosition() == recordingPosition()) {
        LeaveReview(0); // review ends where recording stands; the changes stay
        return 0;
    }
    return 1;
}

int CGame::PreviousStone()
{
    if (isFirstStoneOfGame())
        return 0; // nothing before it; callers hide the command here
    if (CurrentOrder == 1) {
        CurrentOrder = 0;
        return isFirstStoneOfGame() ? 0 : 1;
    }
    CurrentOrder = 1;
    const int firstPlayer = isMixedDoubles() ? 1 : 0;
    if (CurrentStone == 1 && CurrentPlayer > firstPlayer) {
        CurrentStone = 0;
    } else if (CurrentStone == 1 && !isMixedDoubles()) {
        CurrentStone = 0;
    } else {
        CurrentStone = 1;
        if (CurrentPlayer > firstPlayer) {
            --CurrentPlayer;
        } else {
            CurrentPlayer = 3;
            enterEnd(CurrentEnd - 1);
        }
    }
    return 1;
}

void CGame::EnterReview()
{
    ReviewMode = 1;
    ReviewCopy = Ends;
    RecomputeTeamTotals();
}

int CGame::LeaveReview(int restore)
{
    ReviewMode = 0;
    if (restore == 1)
        Ends = ReviewCopy;
    const GamePosition target = recordingPosition();
    enterEnd(std::clamp(target.End, 0, kLastEnd));
    CurrentPlayer = target.Player;
    CurrentStone = target.Stone;
    CurrentOrder = target.Order;
    return 1;
}

void CGame::ResetPosition()
{
    if (CurrentEnd % 2 != 0)
        SheetDirection ^= 1;
    setCurrentPosition(isMixedDoubles() ? GamePosition{0, 1, 1, 0} : GamePosition{});
    for (CTeam& team : Teams)
        team.TeamTotal = 0;
}

void CGame::GotoPosition(int end, int order, int stoneIndex)
{
    int targetEnd = end == -1 ? CurrentEnd : std::max(end, 0);
    targetEnd = std::clamp(std::min(targetEnd, RecordEnd), 0, kLastEnd);
    CurrentOrder = order & 1;
    if (stoneIndex >= 0 && stoneIndex <= 7) {
        CurrentPlayer = stoneIndex / 2;
        CurrentStone = stoneIndex % 2;
        if (isMixedDoubles() && CurrentPlayer < 2) {
            CurrentPlayer = 1;
            CurrentStone = 1;
        }
    }
    enterEnd(targetEnd);
}

void CGame::SetGameState(int state)
{
    if (state == GameState)
        return;
    GameState = state;
    if (Observer)
        Observer->stateNameChanged(Texts::get(state));
    if (state > 6 && ReviewMode == 0)
        RecomputeTeamTotals();
}

int CGame::SetNextEndFirstThrower(int nextEnd, int s1, int s2, Prompts& prompts)
{
    return SetNextEndFirstThrower(nextEnd, s1, s2,
                                  Settings::read(Key::Options::SwitchLastStone) != 0, prompts);
}

int CGame::SetNextEndFirstThrower(int nextEnd, int s1, int s2, bool switchLastStone,
                                  Prompts& prompts)
{
    if (nextEnd < 1 || nextEnd > kLastEnd)
        return 0;
    const int finished = Ends[std::size_t(nextEnd - 1)].FirstThrowerFlag != 0 ? 1 : 0;
    int flag = finished;
    if (!switchLastStone) {
        if (s1 == 0 && s2 == 0)
            flag = isMixedDoubles() ? 1 - finished : finished; // a blank end
        else
            flag = s2 > 0 ? 1 : 0; // the team that scored delivers first
    } else {
        flag = 1 - finished; // the last stone alternates every end
        const bool scorerGetsLastStone = (s1 > 0 && flag == 1) || (s2 > 0 && flag == 0);
        if (scorerGetsLastStone) {
            const QString firstTeam = Teams[std::size_t(flag)].Text;
            if (!prompts.askYesNo(Texts::get(kSwitchLastStoneQuestionId).arg(firstTeam)))
                flag = 1 - flag;
        }
    }
    Ends[std::size_t(nextEnd)].FirstThrowerFlag = flag;
    return flag;
}

void CGame::ClearEnd()
{
    const int end = CurrentEnd;
    bool moved = false;
    do {
        currentStone().Reset();
        moved = PreviousStone() == 1;
    } while (moved && CurrentEnd == end);

    if (CurrentEnd < end) {
        NextStone(); // back to the first stone of the cleared end
        return;
    }
    currentStone().Reset();
    if (isMixedDoubles() && isFirstStoneOfEnd())
        PlacePositionedStones(0);
}
