#pragma once

#include "core/entry/EndResult.h"

#include <QDialog>

#include <array>

class QListWidget;
class QPushButton;

// The end result of one end: a score list per team, kept in step by the model's
// rule that only one team scores. Works on a copy, so Cancel changes nothing.
class CResultDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CResultDialog(const ResultDialogModel& model, QWidget* parent = nullptr);

    const ResultDialogModel& model() const { return model_; }

private:
    void chosen(int team);
    void showScores();

    ResultDialogModel model_;
    std::array<QListWidget*, 2> lists_{};
};
