#include "StartUp.h"

#include "core/app/LanguageModule.h"
#include "core/base/Settings.h"
#include "core/base/Texts.h"

StartedProgram startProgram(Prompts& prompts)
{
    Settings::setRoot();
    if (!LanguageModule::selectAndLoad(prompts))
        return {};
    StartedProgram program;
    program.game = std::make_unique<CGame>();
    program.window = std::make_unique<MainWindow>();
    program.window->showStateName(Texts::get(program.game->GameState));
    return program;
}
