#pragma once

#include <QString>

class CTALVStatsDoc;
class GameTimer;
class Prompts;

// The three wizards the shot entry opens; the window runs them modally, tests
// script them. Each returns true for Finish / OK.
class WizardDialogs
{
public:
    virtual ~WizardDialogs() = default;
    // The set-up wizard: page 0 is the whole wizard, 1..7 one page alone
    // (SetupPage); the pages write into the document as they are confirmed.
    virtual bool runSetupWizard(int page) = 0;
    // The line-up wizard opened at the page of team slot `team` (0 or 1); OK
    // has written both line-ups into the document.
    virtual bool runLineupWizard(int team) = 0;
    // The summary wizard; Finish has copied the three texts into the game.
    virtual bool runSummaryWizard() = 0;
};

// The set-up pages by number; page 4 holds the player pages of both teams.
namespace SetupPage {
inline constexpr int Whole = 0, Category = 1, Competition = 2, Teams = 3, Players = 4,
                     StoneColours = 5, LastStone = 6, Statistician = 7;
} // namespace SetupPage

namespace SetupWizard {

// The team name the wizard shows: "Team 1" / "Team 2" when the name is empty or
// no team was chosen (identifier -1).
QString teamName(const CTALVStatsDoc& doc, int teamSlot);
// The caption of a page opened alone.
QString singlePageCaption();

// The whole wizard (command 32057). A started game asks 5042 first; a game not
// started moves to "set-up running". After Finish the game is set up, its path
// derived, the document modified, refreshed and saved by the automatic-save
// rule; a changed number of ends resets the game timer. Cancel gives the game
// back its state. True after Finish.
bool runWhole(CTALVStatsDoc& doc, Prompts& prompts, WizardDialogs& dialogs, GameTimer& timer);
// One page alone (pages 1..7). Pages 1..6 of a started game ask 5042 first.
// After OK the document is modified and refreshed; the competition and team
// pages derive the path again (it is built from them), the competition page
// recomputes the team budgets before the game starts. True after OK.
bool runPage(CTALVStatsDoc& doc, Prompts& prompts, WizardDialogs& dialogs, GameTimer& timer,
             int page);
// Back to set-up (command 32054): question 5093; Yes returns the game to
// state 5 and opens the statistician page when no statistician is named.
bool backToSetup(CTALVStatsDoc& doc, Prompts& prompts, WizardDialogs& dialogs, GameTimer& timer);

} // namespace SetupWizard

// The stone-colours page without its widgets: which handle colour team 1 plays.
class HandleColourChoice
{
public:
    explicit HandleColourChoice(const CTALVStatsDoc& doc);

    // 5051 with team 1's name.
    QString prompt() const { return prompt_; }
    // The game's GameValue2: 1 or 0.
    int choice() const { return choice_; }
    void choose(int choice) { choice_ = choice != 0 ? 1 : 0; }
    // A started game keeps its colours.
    bool readOnly() const { return readOnly_; }
    // Stores the choice; a changed choice exchanges the two team colours of the
    // document and redraws the house views. True when it changed.
    bool apply(CTALVStatsDoc& doc) const;

private:
    QString prompt_;
    int choice_ = 1;
    bool readOnly_ = false;
};

// The last-stone-in-the-first-end page without its widgets.
class LastStoneChoice
{
public:
    explicit LastStoneChoice(const CTALVStatsDoc& doc);

    QString teamLabel(int teamSlot) const { return teamSlot == 0 ? team1_ : team2_; }
    // The team slot with the last stone of end 1.
    int lastStoneTeam() const { return lastStoneTeam_; }
    void choose(int teamSlot) { lastStoneTeam_ = teamSlot != 0 ? 1 : 0; }
    // Locked once the game has gone past its first end.
    bool locked() const { return locked_; }
    // Stores the first end's first thrower; a change exchanges the first end's
    // team blocks and refreshes the views. True when it changed.
    bool apply(CTALVStatsDoc& doc) const;

private:
    QString team1_, team2_;
    int lastStoneTeam_ = 1;
    bool locked_ = false;
};
