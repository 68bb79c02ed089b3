#pragma once

#include "core/record/Game.h"

#include <QString>

#include <functional>

class CTALVStatsDoc;
class Prompts;

// Moves the game to a stone (end, order, stone index 0..7); the shot-entry form
// passes its own go-to, which stores the entry and manages review mode.
using PositionJump = std::function<void(int end, int order, int stoneIndex)>;

// The MIS dialog without its widgets: the text bound to MisLabel, the line that
// names the stone and the go button.
class MisDialogModel
{
public:
    MisDialogModel(CTALVStatsDoc& doc, Prompts& prompts, PositionJump jump);

    const QString& label() const;
    // The edited text; a change marks the document modified.
    void setLabel(const QString& text);
    // "<team>: <player> (End n)" for the MIS stone.
    QString stoneLine() const;
    bool goEnabled() const;
    // The go button: true when the game moved to the MIS stone; the window then
    // shows the document's status text and disables itself.
    bool go();

private:
    CTALVStatsDoc& doc_;
    Prompts& prompts_;
    PositionJump jump_;
};

// The MIS dialog itself; the window runs it modally, tests script it.
class MisDialogs
{
public:
    virtual ~MisDialogs() = default;
    virtual void runMisDialog(MisDialogModel& dialog) = 0;
};

// The MIS stone commands of the form: set (32052), show (32050), go to (32051)
// and the reminder after an end result.
class MisCommands
{
public:
    // Without a jump the game enters review mode and goes to the stone itself.
    MisCommands(CTALVStatsDoc& doc, Prompts& prompts, MisDialogs& dialogs, PositionJump jump = {});

    // No MIS stone is all zeros, or in mixed doubles the first stone of the game.
    static bool IsMisSet(const CGame& game);
    // The reminder condition at the end index before advancing.
    static bool MisReminderDue(const CGame& game);

    bool SetEnabled() const;
    bool ShowEnabled() const;
    bool GotoEnabled() const;

    // Asks, marks the current stone, empties the text and opens the dialog;
    // false when a question was answered No.
    bool Set();
    void Show();
    // Message 5068 without a MIS stone; true when the game moved.
    bool Goto();
    // After a confirmed end result: message 5064 when due and ShowMISReminder is on.
    void Remind();

private:
    CTALVStatsDoc& doc_;
    Prompts& prompts_;
    MisDialogs& dialogs_;
    PositionJump jump_;
};
