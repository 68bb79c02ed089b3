#pragma once

#include <QDialog>

// Help › About: the program's name, version and purpose.
class CAboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};
