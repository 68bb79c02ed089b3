#pragma once

#include "core/entry/ChoiceDialogs.h"

#include <QDialog>

class QButtonGroup;
class QPushButton;

// Which of the two teams was late; OK waits for a choice. Works on a copy, so
// Cancel changes nothing.
class CLateTeamDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CLateTeamDialog(const LateTeamDialogModel& model, QWidget* parent = nullptr);

    const LateTeamDialogModel& model() const { return model_; }

private:
    LateTeamDialogModel model_;
    QButtonGroup* teams_;
    QPushButton* ok_;
};
