#include "StartUp.h"

#include "AppColours.h"
#include "Splash.h"

#include "core/app/LanguageModule.h"
#include "core/base/Settings.h"
#include "core/files/Document.h"
#include "core/files/DocumentManager.h"

StartedProgram::StartedProgram() = default;
StartedProgram::StartedProgram(StartedProgram&&) noexcept = default;
StartedProgram::~StartedProgram()
{
    window.reset(); // the game windows go before their documents
}

StartOptions StartOptions::fromCommandLine(const QStringList& arguments)
{
    StartOptions options;
    options.splash = CSplash::wantedBy(arguments);
    for (const QString& argument : arguments.mid(1)) {
        if (!argument.startsWith(QLatin1Char('-')))
            options.files.append(argument);
    }
    return options;
}

StartedProgram startProgram(Prompts& prompts, const StartOptions& options)
{
    Settings::setRoot();
    if (!LanguageModule::selectAndLoad(prompts))
        return {};
    StartedProgram program;
    program.documents = std::make_unique<CDocumentManager>();
    AppColours::readButtonColours();
    program.window = std::make_unique<MainWindow>(*program.documents, prompts);
    if (options.splash)
        CSplash::showOnce();
    program.document = program.window->newGame();
    program.window->openFiles(options.files);
    if (!program.documents->documents().empty())
        program.document = program.documents->documents().back().get();
    return program;
}
