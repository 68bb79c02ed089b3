#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// A warning that closes itself as if OK had been pressed: after 3 seconds, or 6
// for text 5158, the only warning that also offers Cancel.
class CWarningDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int CancelTextId = 5158;

    explicit CWarningDialog(int textId, QWidget* parent = nullptr);

    // How long the dialog stays before it closes itself, in milliseconds.
    static int autoCloseInterval(int textId) { return textId == CancelTextId ? 6000 : 3000; }
    // Shortens the wait (tests); the next show starts the new interval.
    void setAutoCloseInterval(int milliseconds) { interval_ = milliseconds; }

    QString text() const;
    bool offersCancel() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* message_;
    QPushButton* cancel_;
    int interval_;
};
