#pragma once

#include "ui/app/MainWindow.h"

#include <QStringList>

#include <memory>

class CDocumentManager;
class CTALVStatsDoc;
class Prompts;

// What the command line asks of the start: the splash (unless --nosplash or
// -nosplash) and the game files to open after the new game.
struct StartOptions
{
    bool splash = false;
    QStringList files;
    // The set-up wizard the New command asks for is posted (the program's start).
    bool postSetupWizard = false;

    static StartOptions fromCommandLine(const QStringList& arguments);
};

struct StartedProgram
{
    StartedProgram();
    StartedProgram(StartedProgram&&) noexcept;
    ~StartedProgram();

    std::unique_ptr<CDocumentManager> documents;
    CTALVStatsDoc* document = nullptr; // the game shown when the window appears
    std::unique_ptr<MainWindow> window;
};

// The start-up steps in their fixed order: the settings root, the language
// module (with its notices), the document manager, the button colours, the main
// window in the stored look, the splash, the New command, then the files of the
// command line. Empty when the program has to end (no language module).
StartedProgram startProgram(Prompts& prompts, const StartOptions& options = {});
