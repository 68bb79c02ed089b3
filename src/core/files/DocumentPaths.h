#pragma once

#include <QString>

// Where a game file goes: a folder per competition and event under the games
// folder (or the backup folder once the game is finished), and a file name
// made of session, sheet and the two teams' short names.
namespace DocumentPaths {

enum class Replacements
{
    NewDocument,
    All
};

// session-sheet-team1-team2 with blanks and path characters removed and the
// usual round names shortened; a new document keeps "Tie-break" as it is.
QString fileName(const QString& session, const QString& sheet, const QString& shortName1,
                 const QString& shortName2, Replacements replacements = Replacements::All);

// A competition or event name as one folder level: separators, ".." and control
// characters are removed so that no name can lead out of the games folder.
// Empty when nothing usable is left (that level is then left out).
QString folderLevel(const QString& name);

struct GameNames
{
    qint16 CompetitionId = -1;
    QString Competition;
    QString Event;
    QString Session;
    QString Sheet;
    QString ShortName1;
    QString ShortName2;
};

// Setup/Path (or the games folder), then the competition (when it has an id)
// and the event as folder levels, ending in a separator; made when asked.
QString gamesFolderFor(qint16 competitionId, const QString& competition, const QString& event,
                       bool create);

// The path of a new document: Setup/Path (or the games folder), then the
// competition (when it has an id) and the event. No folder is created.
QString newDocumentPath(const GameNames& names);

// The path derived again once the game is set up or changed: the games folder
// while the game is not finished, the backup folder once it is. The folders are
// created; a folder that cannot be made is left to the save to report.
QString derivedPath(const GameNames& names, int gameState);

} // namespace DocumentPaths
