#include "StartUp.h"

#include "AppColours.h"
#include "Splash.h"
#include "WindowTexts.h"

#include "core/app/LanguageModule.h"
#include "core/base/Prompts.h"
#include "core/base/Settings.h"
#include "core/config/ApplicationConfig.h"
#include "core/files/Document.h"
#include "core/files/DocumentManager.h"

#include <QDir>

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
    options.postSetupWizard = true;
    for (const QString& argument : arguments.mid(1)) {
        if (!argument.startsWith(QLatin1Char('-')))
            options.files.append(argument);
    }
    return options;
}

StartedProgram startProgram(Prompts& prompts, const StartOptions& options)
{
    Settings::setRoot();
    if (!LanguageModule::selectAndLoad(prompts)) {
        WindowTexts::unload();
        return {};
    }
    WindowTexts::load(LanguageModule::selectCode());
    QString registryProblem;
    applicationConfig().Load({}, &registryProblem);
    if (!registryProblem.isEmpty())
        prompts.message(
            QStringLiteral("The catalogue of competitions, teams and players (%1) "
                           "could not be read: %2. The program starts with the "
                           "default catalogue.")
                .arg(QDir::toNativeSeparators(applicationConfig().path), registryProblem),
            Prompts::Icon::Warning);
    StartedProgram program;
    program.documents = std::make_unique<CDocumentManager>();
    AppColours::readButtonColours();
    program.window = std::make_unique<MainWindow>(*program.documents, prompts);
    if (options.splash)
        CSplash::showOnce();
    program.window->setPostsSetupWizard(options.postSetupWizard);
    program.document = program.window->newGame();
    program.window->openFiles(options.files);
    if (!program.documents->documents().empty())
        program.document = program.documents->documents().back().get();
    return program;
}
