#pragma once

#include "End.h"
#include "Team.h"

#include <QString>

#include <array>

class Prompts;

// What a game tells the views about itself; the document forwards it as signals.
class GameObserver
{
public:
    virtual ~GameObserver() = default;
    virtual void stateNameChanged(const QString& stateName) = 0;
    virtual void houseViewsChanged() = 0;
};

// End, line-up position (player), stone of the player and order of a stone.
struct GamePosition
{
    qint32 End = 0;
    qint32 Player = 0;
    qint32 Stone = 0;
    qint32 Order = 0;

    bool operator==(const GamePosition&) const = default;
};

// The positioned-stone placement of a mixed-doubles end (sheet units).
struct PositionedStoneSettings
{
    qint32 StoneA = 2150;
    qint32 StoneB = 650;
    qint32 StoneBPowerPlay = 850;
    qint32 StoneBPowerPlaySide = 400;
    qint32 StoneAPowerPlaySide = 300;

    static PositionedStoneSettings fromSettings();
};

// What a new game takes from the settings in force.
struct NewGameOptions
{
    qint32 TotalEnds = 9; // index of the last regular end
    qint32 ExtraEnds = 1;
    bool MixedDoubles = false;
    bool Wheelchair = false;
    qint32 SecondsPerEnd = 438;
    qint32 SecondsPerEndMD = 345;
    qint32 SecondsPerEndWh = 510;
    PositionedStoneSettings Placement;

    // Reads the options; values a game cannot hold are clamped.
    static NewGameOptions fromSettings();
};

// The complete record of one game: two teams, 20 ends of 16 stones, the
// position of play and the game's most important stone (MIS).
class CGame
{
public:
    static constexpr int EndCount = 20;
    static constexpr int TeamCount = 2;

    // A new game under the settings in force. A mixed-doubles game also stores
    // the event "Mixed" (21) as the last one entered.
    CGame();
    explicit CGame(const NewGameOptions& options);

    // Stored fields
    qint32 GameValue1 = 1;
    qint32 GameValue2 = 1; // set-up choice: team 1 (1) or team 2 (0)
    qint32 GameState = 1;  // 1 new, 2 set-up running, 5 set up, 6 in progress, 8 finished
    std::array<CTeam, TeamCount> Teams;
    std::array<CEnd, EndCount> Ends;
    qint32 RecordEnd = 0, RecordPlayer = 0, RecordStone = 0, RecordOrder = 0;
    qint32 MisEnd = 0, MisPlayer = 0, MisStone = 0, MisOrder = 0;
    QString MisLabel;
    QString SummaryText1, SummaryText2, SummaryText3;
    qint32 MixedDoubles = 0;

    // Not stored: rebuilt or taken from the settings when the game is created
    qint32 EndResultConfirmed = 0;
    qint32 SheetDirection = 0;
    qint32 ReviewMode = 0;
    std::array<CEnd, EndCount> ReviewCopy;
    qint32 TotalEnds = 9;
    qint32 ExtraEnds = 1;
    qint32 CurrentEnd = 0, CurrentPlayer = 0, CurrentStone = 0, CurrentOrder = 0;
    std::array<qint32, TeamCount> TeamTimer{}; // remaining thinking time, seconds

    // Positions as values
    GamePosition currentPosition() const;
    GamePosition recordingPosition() const;
    GamePosition misPosition() const;
    void setCurrentPosition(const GamePosition& p);
    void setRecordingPosition(const GamePosition& p);
    void setMisPosition(const GamePosition& p);

    bool isMixedDoubles() const { return MixedDoubles != 0; }

    // Accessors: a team slot outside 0..1 means the current team, a player index
    // outside 0..4 the current player.
    int CurrentTeamSlot() const;
    int StoneSlot() const; // record of the current stone inside its end
    CEnd& currentEnd();
    const CEnd& currentEnd() const;
    CStone& currentStone();
    const CStone& currentStone() const;
    CTeam& GetTeam(int teamSlot);
    const CTeam& GetTeam(int teamSlot) const;
    CPlayer& GetPlayer(int teamSlot, int playerIndex);
    const CPlayer& GetPlayer(int teamSlot, int playerIndex) const;
    const CPlayer& CurrentPlayerRecord() const;
    QString GetTeamName(int teamSlot) const;
    QString GetPlayerName(int teamSlot, int playerIndex) const;

    // Sets who delivers a stone of the current end; a negative or out-of-range
    // argument means the current one.
    void SetStonePlayer(int playerIndex, int teamSlot, int position, int stoneOfPlayer);
    // Line-up of one team in the current end (team slot outside 0..1: current).
    void SetLineup(int teamSlot, int lead, int second, int third, int fourth);
    int GetLineupPlayer(int teamSlot, int position) const;
    // " (1)" .. " (4)", " (A)", " (-)", with ",Skip)" for the skip; empty in mixed doubles.
    QString GetPlayerLabel(int playerIndex, int teamSlot) const;

    // Team totals: the end scores before the current end, and the current end too
    // once the game is past "in progress" and not in review. A score of 9 or more
    // marks an end that is not counted and adds nothing.
    void RecomputeTeamTotals();

    // Tags of the current stone.
    void AddTag(qint64 tagTime, qint64 duration, const QString& name, const QString& outcome);
    bool RemoveLastTag(Prompts& prompts);
    void ListTags(Prompts& prompts) const;
    QString TagListText() const;

    // Most important stone by default, when a finished game is written without one:
    // the latest stone with a real shot before the current position.
    void ApplyMisDefault();

    // Mixed doubles, first stone of an end: places the two positioned stones;
    // powerPlay -1 / +1 moves them to one side (asked twice: back to normal).
    void PlacePositionedStones(int powerPlay, const PositionedStoneSettings& placement);
    void PlacePositionedStones(int powerPlay);

    bool isFirstStoneOfEnd() const;
    bool isFirstStoneOfGame() const { return CurrentEnd == 0 && isFirstStoneOfEnd(); }
    bool isLastStoneOfEnd() const { return CurrentOrder + CurrentPlayer + CurrentStone == 5; }

    // Order of play: moving the position through the game.
    // One delivered stone forward: 1 moved, 0 refused (after the twentieth end)
    // or review ended at the recording position.
    int NextStone();
    // One stone back: 1 moved, 0 at (or refused at) the first stone of the game.
    int PreviousStone();
    void EnterReview();
    int LeaveReview(int restore);
    void ResetPosition();
    // end -1 keeps the end; a stone index outside 0..7 keeps the stone.
    void GotoPosition(int end, int order, int stoneIndex);
    void SetGameState(int state);
    // First thrower of end nextEnd after end nextEnd - 1 ended s1 : s2; with
    // SwitchLastStone on the user may be asked (question 5099). Returns the flag.
    int SetNextEndFirstThrower(int nextEnd, int s1, int s2, Prompts& prompts);
    int SetNextEndFirstThrower(int nextEnd, int s1, int s2, bool switchLastStone, Prompts& prompts);
    // Empties the stone records of the current end and goes back to its first stone.
    void ClearEnd();

    // Receives the state name and redraw requests; may be null.
    GameObserver* Observer = nullptr;

private:
    void initialise(const NewGameOptions& options);
    bool stepMisBack();
    void enterEnd(int end);
    void carryForward(const CStone& previous);
};
