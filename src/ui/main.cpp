#include "ui/app/FirstPaintExit.h"
#include "ui/app/StartUp.h"
#include "ui/base/MessageBoxPrompts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ExitAfterFirstPaint::installIfAsked(); // start-up timing
    MessageBoxPrompts prompts;
    const StartedProgram program =
        startProgram(prompts, StartOptions::fromCommandLine(QApplication::arguments()));
    if (!program.window)
        return 0; // the termination notice was shown
    program.window->show();
    return application.exec();
}
