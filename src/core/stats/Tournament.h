#pragma once

#include "StatsData.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

class CGame;
class CTALVStatsDoc;
class Prompts;

using PlayerNames = std::array<QString, 5>;

// The three choices adding a game may need; the tournament window answers them
// with its dialogs, the command line and the tests without a person.
class TournamentQuestions
{
public:
    virtual ~TournamentQuestions() = default;

    // Which side the followed team played: 0, 1, or -1 to skip the file. The
    // known team name is empty for the first game (first side preselected).
    virtual int chooseSide(const CGame& game, const QString& knownTeamName) = 0;
    // The followed team's five player names as the first game gives them, to be
    // confirmed or edited; nothing skips the file.
    virtual std::optional<PlayerNames>
    confirmFirstGamePlayers(const PlayerNames& names, const QStringList& positionWords) = 0;
    // The reference index of each of the game's players, starting from the
    // proposal; nothing skips the file. Only players 2 and 3 in mixed doubles.
    virtual std::optional<CStatsData::PlayerMap> mapPlayers(const PlayerNames& names,
                                                            const PlayerNames& references,
                                                            const CStatsData::PlayerMap& proposal,
                                                            bool mixedDoubles) = 0;
};

// One team followed over many saved games: every game file is read into a
// scratch document in turn and added to one accumulator, the followed team as
// team 0 and its players under the player indexes of the first game.
class CTournament
{
public:
    static constexpr int DiagramGamesMax = 19;

    CTournament(Prompts& prompts, TournamentQuestions& questions);
    ~CTournament();

    // Adds one file; false when it was skipped (unreadable or a choice cancelled).
    bool addGame(const QString& path);
    // Why the last file could not be read (empty when it was read).
    const QString& lastError() const { return lastError_; }
    // The add-games file dialog ended without OK: message 5144.
    void fileDialogCancelled();

    bool statisticsEnabled() const { return games_ > 0; }
    bool diagramEnabled() const { return games_ >= 2 && games_ <= DiagramGamesMax; }

    // Names the scratch game for the report (players too) or the diagram.
    void prepareForStatistics();
    void prepareForDiagram();
    // A copy of the totals for a report or diagram (Reset, then Merge).
    CStatsData statistics() const;

    int games() const { return games_; }
    const QString& teamName() const { return teamName_; }
    const QString& teamShortName() const { return teamShortName_; }
    const PlayerNames& referenceNames() const { return references_; }
    const QStringList& fileList() const { return fileList_; }
    CTALVStatsDoc& scratchDocument() { return *scratch_; }
    const CStatsData& totals() const { return totals_; }

    // The position words of players 0..4: "Lead" … "Alternate", or in mixed
    // doubles text 5011 with "B" and "A" for players 2 and 3.
    static QStringList positionWords(bool mixedDoubles);
    // The proposal for a later game: identity, with every player found among the
    // reference names under another index moved there.
    static CStatsData::PlayerMap proposedMap(const PlayerNames& names,
                                             const PlayerNames& references);
    // A choice in the player dialog: a playing position (0..3) held by another
    // row is handed that row's previous choice, so they stay a permutation.
    static void choosePlayer(CStatsData::PlayerMap& map, int row, int index);
    // The file list line: the path after "HAVRIK Coach Tool" and its separator.
    static QString fileListLine(const QString& path);

private:
    void nameTeams(bool withPlayers);

    Prompts& prompts_;
    TournamentQuestions& questions_;
    std::unique_ptr<CTALVStatsDoc> scratch_;
    CStatsData totals_;
    int games_ = 0;
    QString teamName_;
    QString teamShortName_;
    PlayerNames references_;
    CStatsData::PlayerMap map_ = CStatsData::IdentityMap;
    QStringList fileList_;
    QString lastError_;
};
