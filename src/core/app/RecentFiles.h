#pragma once

#include <QString>
#include <QStringList>

// The list of the most recently used game files, newest first, kept in the
// settings as section "Recent File List", values File1..File8.
namespace RecentFiles {

inline constexpr int Size = 8;

QStringList list();
// Puts the file at the front (once; the oldest beyond eight drops out).
void add(const QString& path);
// A file that could no longer be opened leaves the list.
void remove(const QString& path);

} // namespace RecentFiles
