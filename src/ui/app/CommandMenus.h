#pragma once

#include <QString>

#include <vector>

// The shot-entry commands as the menus offer them: each menu lists its
// commands in order; 0 separates groups and a negative id opens a submenu
// named by `caption` (closed by the next -1 entry).
struct MenuCommand
{
    int id;
    const char* caption;
    bool checkable = false;
    const char* hint = nullptr; // the key the form answers, shown beside the caption
};

struct CommandMenu
{
    const char* title;
    std::vector<MenuCommand> commands;
};

namespace CommandMenus {

inline constexpr int Separator = 0, SubmenuStart = -2, SubmenuEnd = -1;

// Edit, Game, Timing, the bars the form shows, and the commands of the View menu.
const std::vector<CommandMenu>& entryMenus();
const std::vector<MenuCommand>& barCommands();
const std::vector<MenuCommand>& viewCommands();

// The caption without accelerator marks and dots, for tooltips and status tips.
QString plainCaption(const QString& caption);

} // namespace CommandMenus
