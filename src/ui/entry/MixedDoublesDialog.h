#pragma once

#include "core/entry/ChoiceDialogs.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QPushButton;

// The mixed-doubles choice: in team mode who delivers first, with the power-play
// box that enables the two sides; in player mode which player delivers. Works on
// a copy, so Cancel changes nothing.
class CMixedDoublesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CMixedDoublesDialog(const MixedDoublesDialogModel& model, QWidget* parent = nullptr);

    const MixedDoublesDialogModel& model() const { return model_; }

private:
    void showModel();

    MixedDoublesDialogModel model_;
    QButtonGroup* choices_;
    QButtonGroup* sides_;
    QCheckBox* powerPlay_;
    QPushButton* ok_;
};
