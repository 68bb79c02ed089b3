#pragma once

#include "core/timing/TimeOuts.h"

#include <QDialog>

class QPlainTextEdit;

// A team's time-out: who, when, and a free text.
class CTimeoutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CTimeoutDialog(const TimeOutRequest& request, QWidget* parent = nullptr);

    // The request as shown, with the edited text.
    TimeOutRequest request() const;
    QPlainTextEdit* editor() const { return text_; }

private:
    TimeOutRequest request_;
    QPlainTextEdit* text_;
};
