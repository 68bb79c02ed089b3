#pragma once

#include <QDialog>

class MisDialogModel;
class QLineEdit;
class QPushButton;

// The most important shot: its text, the line naming the stone and the button
// that goes to it. The text is written to the game on OK only.
class CMISDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int GoButtonId = 32051;

    explicit CMISDialog(MisDialogModel& model, QWidget* parent = nullptr);

    // Writes the edited text into the game.
    void accept() override;

Q_SIGNALS:
    // The game moved to the stone; the window shows the document's end label.
    void movedToStone();

private:
    void go();

    MisDialogModel& model_;
    QLineEdit* text_;
    QPushButton* go_;
};
