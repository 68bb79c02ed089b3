#include "MainWindow.h"

#include <QLabel>
#include <QStatusBar>

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), stateLabel_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("HAVRIK Coach Tool"));
    setObjectName(QStringLiteral("MainWindow"));
    stateLabel_->setObjectName(QStringLiteral("stateName"));
    statusBar()->addWidget(stateLabel_, 1);
    resize(1024, 700);
}

void MainWindow::showStateName(const QString& stateName)
{
    stateLabel_->setText(stateName);
}

QString MainWindow::stateName() const
{
    return stateLabel_->text();
}
