#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

// Picks one of the delivering team's players for the current stone; nothing is
// preselected and OK waits for a choice.
class CPlayerOrder : public QDialog
{
    Q_OBJECT

public:
    explicit CPlayerOrder(const QStringList& names, QWidget* parent = nullptr);

    // The chosen name's index, -1 before a choice.
    int choice() const;
    QListWidget* list() const { return list_; }

private:
    QListWidget* list_;
    QPushButton* ok_;
};
