#pragma once

#include <QString>

// The application-level commands that need no window: what the New command
// does to the settings, and the address of the update page.
namespace StartCommands {

// The windows the New command asks the main window to open afterwards.
struct Requests
{
    bool setupWizard = false;
    bool preferences = false;
};

// After the new game exists: reads Options/StartWizard (1 asks for the set-up
// wizard; 2 rewrites the paths, becomes 1 and asks for the preferences) and
// fills Setup/Path and Setup/BackupPath from the documents folder when they are
// empty or on request. No folder is created. An empty documents folder (it
// cannot be determined) leaves both paths as they are.
Requests newCommand(const QString& documentsFolder);
// The same with the user's documents folder.
Requests newCommand();

// "6.4.0" -> "6400": the dots removed and "0" appended.
QString versionParameter(const QString& version);
// The maker's update page with the version of this program.
QString updateAddress();

inline constexpr const char* ProgramVersion = "6.4.0";
inline constexpr const char* UpdateHost = "https://www.havrik-coach.example";

} // namespace StartCommands
