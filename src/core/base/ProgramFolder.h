#pragma once

#include <QString>

// The program folder holds the language modules and the guideline files: the
// executable's own folder (build tree), else ../share/talvstats/ beside it
// (installed layout).
namespace ProgramFolder {

// Full path of a program file: in the first folder that holds it, else in the
// executable's folder (where it is then missing).
QString locate(const QString& fileName);

// The folders searched, in order. Tests may put their own first.
QStringList folders();
void setOverride(const QString& folder); // empty: back to the normal search

} // namespace ProgramFolder
