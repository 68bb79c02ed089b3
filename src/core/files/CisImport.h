#pragma once

#include "DocumentFields.h"

#include "core/record/Game.h"

#include <QByteArray>
#include <QString>

class Prompts;

struct CisImportResult
{
    bool ok = false;
    QString error;            // "Unexpected file format." when !ok
    bool markerError = false; // the data marker was wrong: the import ended early
};

namespace CisImportText {
inline constexpr const char* MarkerError = "File-Error while reading .CIS file";
} // namespace CisImportText

// Imports a game recorded in the older ".cis" format into a new document: doc
// and game as a new document holds them. The display options and colours come
// from the settings, the competition Id becomes -1, session and sheet "n/a";
// teams, players, scorers, end scores and every stone are read, the stones
// replayed with NextStone, and the game is marked finished (state 8).
//
// A file that ends before a field is complete fails and leaves doc and game
// untouched. A wrong data marker is shown through prompts and ends the import
// with what was read before it; the game state then stays as it was.
CisImportResult importCis(const QByteArray& bytes, DocumentFields& doc, CGame& game,
                          Prompts& prompts);
