#pragma once

#include "core/timing/GameTimer.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QSpinBox;

// The remaining minutes and seconds of both team clocks. While team 1's time
// applies to both teams, team 2's fields are disabled.
class CSetGameTimerDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CSetGameTimerDialog(const GameTimerSetting& setting, QWidget* parent = nullptr);

    // The labels as given, the times and the check box as edited.
    GameTimerSetting setting() const;

private:
    void showSameForBoth();

    GameTimerSetting setting_;
    std::array<QSpinBox*, 2> minutes_{}, seconds_{};
    QCheckBox* sameForBoth_;
};
