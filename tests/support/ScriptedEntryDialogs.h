#pragma once

#include "core/entry/ShotEntry.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

// The shot-entry dialogs for tests: each dialog takes its answers from a queue
// (then gives a fixed answer) and records what it was shown.
class ScriptedEntryDialogs : public EntryDialogs
{
public:
    // End result: OK with the two scores of each run (0 : 0 once used up), or
    // Cancel where resultOk says false.
    QList<std::pair<int, int>> results;
    QList<bool> resultOk;
    QList<int> resultEnds; // end index of every run
    QList<QList<QString>> resultLabels;

    // Late team: the late team (0 or 1), or -1 for Cancel.
    QList<int> lateTeams;
    int lateTeamRuns = 0;

    // Mixed doubles: team mode takes {team, power-play side}, player mode the choice index.
    QList<std::pair<int, MixedDoublesDialogModel::Side>> firstThrowers;
    QList<int> throwerChoices;
    QList<MixedDoublesDialogModel::Mode> mixedDoublesModes;
    bool mixedDoublesOk = true;

    int misRuns = 0;

    QList<GameTimerSetting> timerSettings; // what OK returns; Cancel once used up
    QList<QString> timeOutTexts;           // OK with the text; Cancel once used up
    QList<TimeOutRequest> timeOutRequests;

    QList<int> warnings;
    QList<int> ends; // go-to-end answers (end numbers); Cancel once used up
    QList<int> endMaxima;
    QList<int> players;
    QStringList playerNames;
    QStringList editedTexts; // text editor answers; Cancel once used up
    QStringList editorTitles;

    bool runResultDialog(ResultDialogModel& dialog) override
    {
        resultEnds.append(dialog.endIndex());
        resultLabels.append({dialog.teamLabel(0), dialog.teamLabel(1)});
        if (!resultOk.isEmpty() && !resultOk.takeFirst())
            return false;
        const auto [s1, s2] = results.isEmpty() ? std::pair{0, 0} : results.takeFirst();
        dialog.chooseScore(0, s1);
        dialog.chooseScore(1, s2);
        return true;
    }
    bool runLateTeamDialog(LateTeamDialogModel& dialog) override
    {
        ++lateTeamRuns;
        const int team = lateTeams.isEmpty() ? -1 : lateTeams.takeFirst();
        if (team < 0)
            return false;
        dialog.choose(team);
        return true;
    }
    bool runMixedDoublesDialog(MixedDoublesDialogModel& dialog) override
    {
        mixedDoublesModes.append(dialog.mode());
        if (!mixedDoublesOk)
            return false;
        if (dialog.mode() == MixedDoublesDialogModel::Mode::Team) {
            if (!firstThrowers.isEmpty()) {
                const auto [team, side] = firstThrowers.takeFirst();
                dialog.choose(team);
                dialog.setPowerPlay(side != MixedDoublesDialogModel::NoSide);
                dialog.chooseSide(side);
            }
        } else if (!throwerChoices.isEmpty()) {
            dialog.choose(throwerChoices.takeFirst());
        }
        return true;
    }
    void runMisDialog(MisDialogModel&) override { ++misRuns; }
    bool edit(GameTimerSetting& setting) override
    {
        if (timerSettings.isEmpty())
            return false;
        setting = timerSettings.takeFirst();
        return true;
    }
    bool edit(TimeOutRequest& request) override
    {
        timeOutRequests.append(request);
        if (timeOutTexts.isEmpty())
            return false;
        request.Text = timeOutTexts.takeFirst();
        return true;
    }
    void showWarning(int textId) override { warnings.append(textId); }
    bool askEnd(int& end, int maxEnd) override
    {
        endMaxima.append(maxEnd);
        if (ends.isEmpty())
            return false;
        end = ends.takeFirst();
        return true;
    }
    bool choosePlayer(const QStringList& names, int& choice) override
    {
        playerNames = names;
        if (players.isEmpty())
            return false;
        choice = players.takeFirst();
        return true;
    }
    bool editText(const QString& title, QString& text) override
    {
        editorTitles.append(title);
        if (editedTexts.isEmpty())
            return false;
        text = editedTexts.takeFirst();
        return true;
    }

    // Wizards: the page or team each run was opened at; Finish/OK from the
    // queue, Cancel once used up. `whileWizardOpen` may change the document
    // as the pages would.
    QList<int> setupPages, lineupTeams;
    QList<bool> setupAnswers, lineupAnswers, summaryAnswers;
    int summaryRuns = 0;
    std::function<void(int page)> whileSetupOpen;

    bool runSetupWizard(int page) override
    {
        setupPages.append(page);
        if (whileSetupOpen)
            whileSetupOpen(page);
        return !setupAnswers.isEmpty() && setupAnswers.takeFirst();
    }
    bool runLineupWizard(int team) override
    {
        lineupTeams.append(team);
        return !lineupAnswers.isEmpty() && lineupAnswers.takeFirst();
    }
    bool runSummaryWizard() override
    {
        ++summaryRuns;
        return !summaryAnswers.isEmpty() && summaryAnswers.takeFirst();
    }
};
