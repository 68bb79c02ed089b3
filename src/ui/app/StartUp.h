#pragma once

#include "core/record/Game.h"
#include "ui/app/MainWindow.h"

#include <memory>

class Prompts;

struct StartedProgram
{
    std::unique_ptr<CGame> game;
    std::unique_ptr<MainWindow> window;
};

// The start-up steps in their fixed order: the settings root, the language
// module (with its notices), the first game record, the main window showing
// the game's state. Empty when the program has to end (no language module).
StartedProgram startProgram(Prompts& prompts);
