#pragma once

#include "DocumentFields.h"

#include "core/record/Game.h"

#include <QByteArray>
#include <QString>

// The binary game file (".cus"): the document block followed by the game
// record, every optional field decided by the version string at the start.
// Writing always produces the newest layout; reading accepts every layout from
// "4.0" on.

struct GameFileReadResult
{
    bool ok = false;
    QString error; // "Unexpected file format." or "Failed to open document."
};

struct GameFileWriteResult
{
    bool ok = false;
    QString error; // "Failed to save document."
};

namespace GameFileText {
inline constexpr const char* UnexpectedFormat = "Unexpected file format.";
inline constexpr const char* FailedToOpen = "Failed to open document.";
inline constexpr const char* FailedToSave = "Failed to save document.";
} // namespace GameFileText

// The bytes of a game or CIS file; false for a file that cannot be read or is
// far larger than any game (a wrong file picked by mistake is not loaded whole).
inline constexpr qint64 MaxGameFileBytes = 256LL * 1024 * 1024;
bool readGameFileBytes(const QString& path, QByteArray& bytes);

// Reads a whole file into doc and game, or leaves both untouched on failure.
// What the file's version does not carry keeps the value doc and game held, so
// pass the defaults of a new document; ends after RecordEnd are not touched
// either. The read also sets the current position (the recording position),
// SheetDirection, the competition Id -1, ShowRotate 0, RotateRight from the
// settings, and the state caption.
GameFileReadResult readGameFile(const QByteArray& bytes, DocumentFields& doc, CGame& game);
GameFileReadResult readGameFile(const QString& path, DocumentFields& doc, CGame& game);

// Applies the game's MIS default (the change stays in the game), then writes
// version "6.1.0" whatever doc.FileVersion holds.
QByteArray writeGameFile(const DocumentFields& doc, CGame& game);
// The same into a file, replaced only when the whole file was written.
GameFileWriteResult writeGameFile(const QString& path, const DocumentFields& doc, CGame& game);
