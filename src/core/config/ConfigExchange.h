#pragma once

#include "Config.h"

#include "core/base/Prompts.h"

#include <QDate>
#include <QString>

// One category of the registry (its events, teams and players), with the
// session, sheet and statistician lists when Options/ImportExportAll is on,
// written to a file of the registry's own binary form and read into another
// installation.
namespace ConfigExchange {

inline constexpr const char* Filter = "Config Files (*.config);;All Files (*)";
inline constexpr const char* DefaultSuffix = "config";
inline constexpr const char* ExportTitle = "Export";
inline constexpr const char* ImportTitle = "Import";
inline constexpr const char* ErrorPrefix = "Import Config: Error: \n\n";

// The folder both file dialogs open in: Setup/Path.
QString startFolder();
// "<name>_%Y%m%d" of the given day (the dialogs pass today).
QString proposedExportName(const QString& categoryName, const QDate& day);
// The category a command takes: the selected one, the first when none is.
inline int exportedIndex(int selectedIndex)
{
    return selectedIndex < 0 ? 0 : selectedIndex;
}

// Writes the category (and the lists when ImportExportAll is on) in one step;
// false for an index outside the categories or a file that cannot be written.
bool Export(const CConfig& config, int categoryIndex, const QString& path);

// Reads one category, gives it the id = the number of categories before, adds
// its id text ("_3") to a name already in use or to an empty name, appends it and saves; with
// ImportExportAll on then reads the three lists, which replace the registry's
// (in memory; the next save writes them). Any failure is shown as ErrorPrefix
// and what went wrong. The category's final name, empty after a failure — also
// when the category was already added and only the lists failed.
QString Import(CConfig& config, const QString& path, Prompts& prompts);

} // namespace ConfigExchange
