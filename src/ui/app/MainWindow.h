#pragma once

#include <QMainWindow>

class QLabel;

// The program's main window. For now it shows the state of the new game in its
// status bar; the game windows, menus and toolbars join it as they are built.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    void showStateName(const QString& stateName);
    QString stateName() const;

private:
    QLabel* stateLabel_;
};
