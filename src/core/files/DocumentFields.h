#pragma once

#include "core/record/Team.h"

#include <QDateTime>
#include <QString>

// A date as game files hold it: a status and an OLE Automation date (days since
// 1899-12-30, the fraction being the time of day). Kept as stored so that a
// file read and written again carries the same bytes.
struct OleDate
{
    enum : qint32
    {
        Valid = 0,
        Invalid = 1,
        Null = 2
    };

    qint32 Status = Valid;
    double Value = 0.0;

    bool operator==(const OleDate&) const = default;

    // Local date and time, to the second; a date that is not valid gives an
    // invalid QDateTime.
    QDateTime toDateTime() const;
    static OleDate fromDateTime(const QDateTime& dateTime);
};

// Colours are 0x00BBGGRR.
constexpr qint32 rgbColour(int r, int g, int b)
{
    return qint32(b) << 16 | qint32(g) << 8 | qint32(r);
}

// The document block of a game file: everything the file stores outside the
// game record, with the house-view options and colours that were in force for
// the game, and the few values that reading a file sets.
struct DocumentFields
{
    static constexpr const char* CurrentVersion = "6.1.0";

    QString FileVersion = QLatin1String(CurrentVersion);
    QString City;
    OleDate GameDate;
    QString Scorer1;
    QString Scorer2;

    // House-view options
    qint32 OldLineSize = 1;
    qint32 FirstEndDirection = 0;
    qint32 ShowBroom = 0;
    qint32 ShowTarget = 0;

    // House colours; 6Feet, 4Feet and 2Feet are Feet6, Feet4 and Feet2 here, as a
    // name cannot start with a digit.
    qint32 Ice = rgbColour(255, 255, 255);
    qint32 Lines = rgbColour(100, 100, 100);
    qint32 Feet6 = rgbColour(200, 200, 255);
    qint32 Feet4 = rgbColour(255, 255, 255);
    qint32 Feet2 = rgbColour(255, 200, 200);
    qint32 Tee = rgbColour(255, 255, 255);
    qint32 Dark = rgbColour(255, 0, 0);
    qint32 Light = rgbColour(255, 200, 0);
    qint32 IceAlert = rgbColour(200, 255, 255);

    // Ids of the seconds before a team of three marked them 127
    qint32 SavedSecondId1 = 2;
    qint32 SavedSecondId2 = 2;

    CIDString Competition;
    CIDString Event;
    CIDString Session;
    CIDString Sheet;

    // Not stored: set when a file is read
    qint32 ShowRotate = 0;
    qint32 RotateRight = 0;
    QString StateCaption; // the language text whose number is the game state

    bool operator==(const DocumentFields&) const = default;
};
