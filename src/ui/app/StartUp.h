#pragma once

#include "ui/app/MainWindow.h"

#include <memory>

class CDocumentManager;
class CTALVStatsDoc;
class Prompts;

struct StartedProgram
{
    StartedProgram();
    StartedProgram(StartedProgram&&) noexcept;
    ~StartedProgram();

    std::unique_ptr<CDocumentManager> documents;
    CTALVStatsDoc* document = nullptr; // the first game
    std::unique_ptr<MainWindow> window;
};

// The start-up steps in their fixed order: the settings root, the language
// module (with its notices), the first game document, the main window showing
// its house and state. Empty when the program has to end (no language module).
StartedProgram startProgram(Prompts& prompts);
