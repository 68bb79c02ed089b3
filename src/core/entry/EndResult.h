#pragma once

#include <QString>
#include <QStringList>

#include <array>

class CGame;
class CTALVStatsDoc;
class Prompts;

// The end result dialog without its widgets: caption, team labels, the two
// score lists and the rule that only one team scores in an end. The window binds
// its lists (1237, 1238) and labels (1231, 1234) to it.
class ResultDialogModel
{
public:
    static constexpr int NoScore = -1;
    static constexpr int NotCounted = 9; // list index shown as "X"
    static constexpr int ItemCount = 10;

    // Team labels preset to "Team 1" and "Team 2", no score selected.
    explicit ResultDialogModel(int endIndex);

    // The list items: "0" .. "8" and "X".
    static QStringList scoreItems();

    int endIndex() const { return endIndex_; }
    QString caption() const;
    QString teamLabel(int team) const { return labels_[std::size_t(team & 1)]; }
    void setTeamLabels(const QString& team1, const QString& team2);

    // Presets the selections from stored scores: 9 or more shows as "X",
    // anything below 0 as no selection.
    void setScores(int team1, int team2);
    int score(int team) const { return scores_[std::size_t(team & 1)]; }

    // The user picks a list index for one team; "X" makes both "X", a score
    // above 0 gives the other team 0. Indexes outside the list are ignored.
    void chooseScore(int team, int index);
    // The last value chosen, as decimal text (empty before any choice).
    const QString& chosenText() const { return chosenText_; }

    bool scoresHidden = false;
    // The database button has no action of its own; it is only shown.
    bool databaseButtonVisible = false;
    bool okEnabled() const { return true; }

private:
    int endIndex_;
    std::array<QString, 2> labels_;
    std::array<int, 2> scores_{NoScore, NoScore};
    QString chosenText_;
};

// The end result dialog itself; the window runs it modally, tests script it.
class EndResultDialogs
{
public:
    virtual ~EndResultDialogs() = default;
    // Runs the dialog on the prepared model; true for OK (the model then holds
    // the scores), false for Cancel.
    virtual bool runResultDialog(ResultDialogModel& dialog) = 0;
};

namespace EndResult {

// The dialog for one end of the document's game: the teams' names, that end's
// stored scores and the database button as the document's link flag says.
ResultDialogModel dialogFor(const CTALVStatsDoc& doc, int end);

// What a confirmed score adds to a team total: "X" (9 or more) and none add nothing.
int countedPoints(int score);

// Stores the confirmed result of `end`: the scores into the end and, when the
// end counts (team 1 below 9), into the totals, and decides who delivers first
// in the next end. A selection left empty is stored as 0.
void Store(CGame& game, int end, const ResultDialogModel& dialog, Prompts& prompts);

// The correct-previous-end command (32105).
bool CorrectPreviousEndEnabled(const CGame& game);

enum class Correction
{
    OpenSetupWizard, // at the first end: the wizard's last-stone page corrects it
    Cancelled,
    Corrected
};
// Lets the user change the result of the end before the current one; the totals
// and the current end's first thrower follow the new scores.
Correction CorrectPreviousEnd(CTALVStatsDoc& doc, EndResultDialogs& dialogs, Prompts& prompts);

} // namespace EndResult
