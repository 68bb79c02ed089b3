#include "EntryDialogRunner.h"

#include "EndResultDialog.h"
#include "GotoEndDialog.h"
#include "LateTeamDialog.h"
#include "MisDialog.h"
#include "MixedDoublesDialog.h"
#include "PlayerOrderDialog.h"
#include "SetGameTimerDialog.h"
#include "TextEditorDialog.h"
#include "TimeOutDialog.h"
#include "WarningDialog.h"

#include "core/config/ApplicationConfig.h"
#include "core/files/Document.h"
#include "ui/wizard/LineupWizard.h"
#include "ui/wizard/SetupWizard.h"
#include "ui/wizard/SummaryWizard.h"

#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>

EntryDialogRunner::EntryDialogRunner(QWidget* parent, CTALVStatsDoc& doc)
    : parent_(parent), doc_(doc), prompts_(parent)
{}

bool EntryDialogRunner::run(QDialog& dialog)
{
    if (whileOpen)
        QTimer::singleShot(0, &dialog, [this, &dialog] { whileOpen(dialog); });
    return dialog.exec() == QDialog::Accepted;
}

bool EntryDialogRunner::runResultDialog(ResultDialogModel& dialog)
{
    CResultDialog window(dialog, parent_);
    if (!run(window))
        return false;
    dialog = window.model();
    return true;
}

bool EntryDialogRunner::runLateTeamDialog(LateTeamDialogModel& dialog)
{
    CLateTeamDialog window(dialog, parent_);
    if (!run(window))
        return false;
    dialog = window.model();
    return true;
}

bool EntryDialogRunner::runMixedDoublesDialog(MixedDoublesDialogModel& dialog)
{
    CMixedDoublesDialog window(dialog, parent_);
    if (!run(window))
        return false;
    dialog = window.model();
    return true;
}

void EntryDialogRunner::runMisDialog(MisDialogModel& dialog)
{
    CMISDialog window(dialog, parent_);
    QObject::connect(&window, &CMISDialog::movedToStone, &window, [this] {
        if (auto* main = qobject_cast<QMainWindow*>(parent_ ? parent_->window() : nullptr))
            main->statusBar()->showMessage(doc_.StatusText);
    });
    run(window);
}

bool EntryDialogRunner::edit(GameTimerSetting& setting)
{
    CSetGameTimerDialog window(setting, parent_);
    if (!run(window))
        return false;
    setting = window.setting();
    return true;
}

bool EntryDialogRunner::edit(TimeOutRequest& request)
{
    CTimeoutDialog window(request, parent_);
    if (!run(window))
        return false;
    request = window.request();
    return true;
}

void EntryDialogRunner::showWarning(int textId)
{
    CWarningDialog window(textId, parent_);
    run(window);
}

bool EntryDialogRunner::askEnd(int& end, int maxEnd)
{
    CGotoDialog window(end, maxEnd, parent_);
    if (!run(window))
        return false;
    end = window.end();
    return true;
}

bool EntryDialogRunner::choosePlayer(const QStringList& names, int& choice)
{
    CPlayerOrder window(names, parent_);
    if (!run(window) || window.choice() < 0)
        return false;
    choice = window.choice();
    return true;
}

bool EntryDialogRunner::editText(const QString& title, QString& text)
{
    CTextEditorDialog window(title, text, parent_);
    if (!run(window))
        return false;
    text = window.text();
    return true;
}

bool EntryDialogRunner::runSetupWizard(int page)
{
    CSetupWizard wizard(doc_, applicationConfig(), prompts_, page, parent_);
    return run(wizard);
}

bool EntryDialogRunner::runLineupWizard(int team)
{
    CLineupWizard wizard(doc_, team, parent_);
    return run(wizard);
}

bool EntryDialogRunner::runSummaryWizard()
{
    CSummaryWizard wizard(doc_, parent_);
    return run(wizard);
}
