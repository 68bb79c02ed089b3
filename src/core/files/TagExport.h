#pragma once

#include <QLocale>
#include <QString>

class CGame;
class GuidelineTable;

// The tag list written beside every saved game: one row for the start of the
// video or game, the start of each end, each recorded stone, each tag marked for
// a stone and the end of the game, with times in milliseconds from the start,
// for a video-analysis program to cut the recording into clips.
namespace TagExport {

// "tab" (any case) gives a tab; otherwise the lower-cased setting as it is.
QString separatorFrom(const QString& setting);

// Remarks and comments: tokens joined with "_"; a text with no token unchanged.
QString cleanedText(const QString& text);
// Team and player names: "Anna Maria Berg" gives "A_Berg".
QString abbreviatedName(const QString& name, const QString& separator);

// The game file's path without ".cus", followed by "_tag.csv".
QString tagFilePath(const QString& gamePath);

struct Input
{
    const GuidelineTable* guidelines = nullptr;
    qint64* videoStartTime = nullptr; // the document's; set when the walk starts the game
    QString separatorSetting = QStringLiteral(";");
    QLocale locale;
};

// The whole file as text (line ends "\n"). Walks a copy of the game (in review
// from the stone on show), so the game stays exactly as it was, corrections of
// a review included, except the first end's start time when none was set.
QString buildText(CGame& game, const Input& input);

// CannotCreate: the file could not be opened at all; WriteFailed: writing it
// failed part-way (the previous file then stays as it was).
enum class Result
{
    Written,
    NotDue,
    CannotCreate,
    WriteFailed
};

// Writes the tag file of a game in state 6 or later, in Windows-1252 with CR LF
// line ends, replacing the previous file in one step.
Result exportTo(const QString& tagPath, CGame& game, const Input& input);

} // namespace TagExport
