#pragma once

#include <QString>

// Folders the system proposes when the settings hold none. Each ends in the
// native separator, as the paths the program stores do.
namespace UserFolders {

// "HAVRIK Coach Tool" in the user's documents folder: game and exchange files.
QString gamesFolder();
// "HAVRIK" in the user's application-data folder: the configuration files.
QString configFolder();

// Appends the native separator unless the path already ends in one.
QString withTrailingSeparator(const QString& folder);

} // namespace UserFolders
