#include "CommandMenus.h"

#include "core/entry/ShotEntry.h"

namespace CommandMenus {

namespace C = EntryCommand;

const std::vector<CommandMenu>& entryMenus()
{
    static const std::vector<CommandMenu> menus{
        {QT_TRANSLATE_NOOP("MainWindow", "&Edit"),
         {
             {C::DeleteBack, QT_TRANSLATE_NOOP("MainWindow", "&Previous stone"), false,
              "Backspace"},
             {C::FirstStone, QT_TRANSLATE_NOOP("MainWindow", "&First stone of the game"), false,
              "Home"},
             {C::GotoEnd, QT_TRANSLATE_NOOP("MainWindow", "&Go to end…")},
             {SubmenuStart, QT_TRANSLATE_NOOP("MainWindow", "&Move stone")},
             {C::NudgeUp, QT_TRANSLATE_NOOP("MainWindow", "&Up"), false, "Up"},
             {C::NudgeDown, QT_TRANSLATE_NOOP("MainWindow", "&Down"), false, "Down"},
             {C::NudgeLeft, QT_TRANSLATE_NOOP("MainWindow", "&Left"), false, "Left"},
             {C::NudgeRight, QT_TRANSLATE_NOOP("MainWindow", "&Right"), false, "Right"},
             {SubmenuEnd, ""},
             {Separator, ""},
             {C::SetMis, QT_TRANSLATE_NOOP("MainWindow", "&Set most important shot")},
             {C::ShowMis, QT_TRANSLATE_NOOP("MainWindow", "S&how most important shot…")},
             {C::GotoMis, QT_TRANSLATE_NOOP("MainWindow", "Go to most &important shot")},
             {Separator, ""},
             {C::RemoveLastTag, QT_TRANSLATE_NOOP("MainWindow", "Remove last &tag")},
             {C::ClearPendingFlag, QT_TRANSLATE_NOOP("MainWindow", "&Clear pending correction")},
         }},
        {QT_TRANSLATE_NOOP("MainWindow", "&Game"),
         {
             {C::SetUpGame, QT_TRANSLATE_NOOP("MainWindow", "&Set up game…")},
             {SubmenuStart, QT_TRANSLATE_NOOP("MainWindow", "Set-up pa&ges")},
             {C::SetupCategory, QT_TRANSLATE_NOOP("MainWindow", "&Category…")},
             {C::SetupCompetition, QT_TRANSLATE_NOOP("MainWindow", "C&ompetition…")},
             {C::SetupTeams, QT_TRANSLATE_NOOP("MainWindow", "&Teams…")},
             {C::SetupPlayers, QT_TRANSLATE_NOOP("MainWindow", "&Players…")},
             {C::SetupStoneColours, QT_TRANSLATE_NOOP("MainWindow", "Stone co&lours…")},
             {C::SetupLastStone, QT_TRANSLATE_NOOP("MainWindow", "Last stone in the &first end…")},
             {C::SetupStatistician, QT_TRANSLATE_NOOP("MainWindow", "&Statistician…")},
             {SubmenuEnd, ""},
             {C::BackToSetup, QT_TRANSLATE_NOOP("MainWindow", "Back to set-&up…")},
             {Separator, ""},
             {C::LineupAsk, QT_TRANSLATE_NOOP("MainWindow", "&Line-up…")},
             {C::Lineup, QT_TRANSLATE_NOOP("MainWindow", "Change line-up &during the game…")},
             {C::PlayerOfStone, QT_TRANSLATE_NOOP("MainWindow", "&Player of this stone…")},
             {Separator, ""},
             {C::EndNotPlayedOut, QT_TRANSLATE_NOOP("MainWindow", "&End not played out…")},
             {C::LateTeam, QT_TRANSLATE_NOOP("MainWindow", "L&ate team…")},
             {C::CorrectPreviousEnd, QT_TRANSLATE_NOOP("MainWindow", "&Correct previous end…")},
             {C::ChooseFirstThrower, QT_TRANSLATE_NOOP("MainWindow", "Choose first &thrower…")},
             {Separator, ""},
             {C::ThrowerAssignment,
              QT_TRANSLATE_NOOP("MainWindow", "Mixed doubles: thrower &assignment…")},
             {C::PowerPlayLeft, QT_TRANSLATE_NOOP("MainWindow", "Power play &left")},
             {C::PowerPlayRight, QT_TRANSLATE_NOOP("MainWindow", "Power play &right")},
             {Separator, ""},
             {C::TimeOut, QT_TRANSLATE_NOOP("MainWindow", "T&ime-out…"), true},
             {C::QuickStatistics, QT_TRANSLATE_NOOP("MainWindow", "&Quick statistics"), true},
             {Separator, ""},
             {C::FinishGame, QT_TRANSLATE_NOOP("MainWindow", "&Finish or re-open game")},
             {C::Summary, QT_TRANSLATE_NOOP("MainWindow", "Summar&y…")},
             {C::DatabaseLinkOff, QT_TRANSLATE_NOOP("MainWindow", "Switch database link &off")},
         }},
        {QT_TRANSLATE_NOOP("MainWindow", "&Timing"),
         {
             {C::TimerTeam1, QT_TRANSLATE_NOOP("MainWindow", "Start clock of team &1")},
             {C::TimerTeam2, QT_TRANSLATE_NOOP("MainWindow", "Start clock of team &2")},
             {C::TimerStop, QT_TRANSLATE_NOOP("MainWindow", "&Stop clocks")},
             {SubmenuStart, QT_TRANSLATE_NOOP("MainWindow", "Game timer &display")},
             {C::TimerModeUsed, QT_TRANSLATE_NOOP("MainWindow", "&Used time"), true},
             {C::TimerModeDeviation, QT_TRANSLATE_NOOP("MainWindow", "&Deviation from plan"), true},
             {C::TimerModeRemaining, QT_TRANSLATE_NOOP("MainWindow", "&Remaining time"), true},
             {SubmenuEnd, ""},
             {C::TimerToComment, QT_TRANSLATE_NOOP("MainWindow", "&Times to comment")},
             {C::TimerSet, QT_TRANSLATE_NOOP("MainWindow", "S&et game timer…")},
             {C::TimerReset, QT_TRANSLATE_NOOP("MainWindow", "&Reset game timer…")},
             {Separator, ""},
             {C::StopwatchStart, QT_TRANSLATE_NOOP("MainWindow", "Stopwatch st&art")},
             {C::StopwatchStop, QT_TRANSLATE_NOOP("MainWindow", "Stopwatch st&op")},
             {C::StopwatchSplit, QT_TRANSLATE_NOOP("MainWindow", "Stopwatch s&plit")},
             {C::StopwatchToComment, QT_TRANSLATE_NOOP("MainWindow", "Stopwatch to &comment")},
             {C::StopwatchReset, QT_TRANSLATE_NOOP("MainWindow", "Stopwatch rese&t")},
             {SubmenuStart, QT_TRANSLATE_NOOP("MainWindow", "Stopwatch &mode")},
             {C::StopwatchModeStartStop, QT_TRANSLATE_NOOP("MainWindow", "&Start and stop"), true},
             {C::StopwatchModeSplit, QT_TRANSLATE_NOOP("MainWindow", "S&plit times"), true},
             {SubmenuEnd, ""},
         }},
    };
    return menus;
}

const std::vector<MenuCommand>& barCommands()
{
    static const std::vector<MenuCommand> commands{
        {C::ShowGameTimer, QT_TRANSLATE_NOOP("MainWindow", "&Game timer bar"), true},
        {C::ShowStopwatch, QT_TRANSLATE_NOOP("MainWindow", "Stop&watch bar"), true},
    };
    return commands;
}

const std::vector<MenuCommand>& viewCommands()
{
    static const std::vector<MenuCommand> commands{
        {C::ShowGuidelines, QT_TRANSLATE_NOOP("MainWindow", "G&uidelines"), true},
        {C::AdvancedHandleOptions, QT_TRANSLATE_NOOP("MainWindow", "&Advanced handle options"),
         true},
        {C::PositionRecording, QT_TRANSLATE_NOOP("MainWindow", "&Position recording"), true},
        {C::SwapDirection, QT_TRANSLATE_NOOP("MainWindow", "Swap playing &direction")},
        {C::HouseOption, QT_TRANSLATE_NOOP("MainWindow", "&Second house view"), true},
        {C::SaveTagging, QT_TRANSLATE_NOOP("MainWindow", "Save &tags"), true},
    };
    return commands;
}

QString plainCaption(const QString& caption)
{
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    if (plain.endsWith(QChar(0x2026)))
        plain.chop(1);
    return plain;
}

} // namespace CommandMenus
