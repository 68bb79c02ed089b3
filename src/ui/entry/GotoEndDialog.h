#pragma once

#include <QDialog>

class QSpinBox;

// Asks for the end to go to, 1..maxEnd.
class CGotoDialog : public QDialog
{
    Q_OBJECT

public:
    CGotoDialog(int end, int maxEnd, QWidget* parent = nullptr);

    int end() const;
    QSpinBox* endBox() const { return end_; }

private:
    QSpinBox* end_;
};
