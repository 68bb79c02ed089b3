#pragma once

#include <QString>

class Prompts;

// The Help menu's outward commands: the user guide in the desktop's viewer and
// the maker's update page in the browser. A failure is told through prompts.
namespace HelpCommands {

inline constexpr const char* UserGuideFile = "user-guide.html";

// The user guide's path in the program folder.
QString userGuidePath();
// False (after a message with the guide's path) when it cannot be shown.
bool openUserGuide(Prompts& prompts);
// False (after a message whose text is the address) when the page cannot be opened.
bool checkForUpdates(Prompts& prompts);

} // namespace HelpCommands
