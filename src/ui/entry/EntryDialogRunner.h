#pragma once

#include "core/entry/ShotEntry.h"
#include "ui/base/MessageBoxPrompts.h"

#include <functional>

class QDialog;
class QWidget;

// Runs the shot entry's dialogs modally over the window `parent`. A dialog
// answers the model only when it was closed with OK.
class EntryDialogRunner : public EntryDialogs
{
public:
    // The document's end label goes to the status bar of the parent's main
    // window after the MIS dialog moved the game.
    // The wizards write into the document; their registry pages ask their
    // questions with message boxes over `parent`.
    EntryDialogRunner(QWidget* parent, CTALVStatsDoc& doc);

    // Called with every dialog once it runs modally, before the user can act;
    // tests set it to fill in and close the dialog.
    std::function<void(QDialog&)> whileOpen;

    bool runResultDialog(ResultDialogModel& dialog) override;
    bool runLateTeamDialog(LateTeamDialogModel& dialog) override;
    bool runMixedDoublesDialog(MixedDoublesDialogModel& dialog) override;
    void runMisDialog(MisDialogModel& dialog) override;
    bool edit(GameTimerSetting& setting) override;
    bool edit(TimeOutRequest& request) override;
    void showWarning(int textId) override;
    bool askEnd(int& end, int maxEnd) override;
    bool choosePlayer(const QStringList& names, int& choice) override;
    bool editText(const QString& title, QString& text) override;
    bool runSetupWizard(int page) override;
    bool runLineupWizard(int team) override;
    bool runSummaryWizard() override;

private:
    // exec() with the test hook; true for OK.
    bool run(QDialog& dialog);

    QWidget* parent_;
    CTALVStatsDoc& doc_;
    MessageBoxPrompts prompts_;
};
