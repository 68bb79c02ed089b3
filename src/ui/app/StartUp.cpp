#include "StartUp.h"

#include "ui/house/HouseView.h"

#include "core/app/LanguageModule.h"
#include "core/base/Settings.h"
#include "core/files/Document.h"
#include "core/files/DocumentManager.h"

StartedProgram::StartedProgram() = default;
StartedProgram::StartedProgram(StartedProgram&&) noexcept = default;
StartedProgram::~StartedProgram() = default;

StartedProgram startProgram(Prompts& prompts)
{
    Settings::setRoot();
    if (!LanguageModule::selectAndLoad(prompts))
        return {};
    StartedProgram program;
    program.documents = std::make_unique<CDocumentManager>();
    program.document = program.documents->newDocument(prompts);
    program.window = std::make_unique<MainWindow>();
    program.window->setCentralWidget(
        new CTALVGraphicsVIEW(*program.document, program.window.get()));
    program.window->showStateName(program.document->StateCaption);
    QObject::connect(program.document, &CTALVStatsDoc::stateNameChanged, program.window.get(),
                     &MainWindow::showStateName);
    return program;
}
