// The smallest Qt Widgets program with a main window: the floor that the
// program's own start-up is compared with.
#include "ui/app/FirstPaintExit.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ExitAfterFirstPaint::installIfAsked();
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Hello")));
    window.resize(1024, 700);
    window.show();
    return application.exec();
}
