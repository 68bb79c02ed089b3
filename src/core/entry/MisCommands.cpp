#include "MisCommands.h"

#include "core/base/Prompts.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/Document.h"

#include <QtGlobal>

#include <cstdlib>

namespace {

constexpr int kEndLabelId = 5025;
constexpr int kSetQuestionId = 5062;
constexpr int kReplaceQuestionId = 5063;
constexpr int kReminderId = 5064;
constexpr int kNoMisId = 5068;

// Goes to the MIS stone; "none" is reported and nothing else happens.
bool jumpToMis(CGame& game, Prompts& prompts, const PositionJump& jump)
{
    if (!MisCommands::IsMisSet(game)) {
        prompts.message(Texts::get(kNoMisId));
        return false;
    }
    jump(game.MisEnd, game.MisOrder, game.MisPlayer * 2 + game.MisStone);
    return true;
}

PositionJump gameJump(CGame& game)
{
    return [&game](int end, int order, int stoneIndex) {
        if (game.ReviewMode == 0)
            game.EnterReview();
        game.GotoPosition(end, order, stoneIndex);
    };
}

} // namespace

MisDialogModel::MisDialogModel(CTALVStatsDoc& doc, Prompts& prompts, PositionJump jump)
    : doc_(doc), prompts_(prompts), jump_(jump ? std::move(jump) : gameJump(doc.game()))
{}

const QString& MisDialogModel::label() const
{
    return doc_.game().MisLabel;
}

void MisDialogModel::setLabel(const QString& text)
{
    if (text == doc_.game().MisLabel)
        return;
    doc_.game().MisLabel = text;
    doc_.SetModifiedFlag(true);
}

QString MisDialogModel::stoneLine() const
{
    const CGame& game = doc_.game();
    const int end = qBound(0, int(game.MisEnd), CGame::EndCount - 1);
    const CEnd& record = game.Ends[std::size_t(end)];
    const int slot = (game.MisOrder ^ record.FirstThrowerFlag) & 1;
    const CStone& stone =
        record.stone(slot, qBound(0, int(game.MisPlayer), 3), qBound(0, int(game.MisStone), 1));
    // A record without a player (127) names nobody rather than the current player.
    const bool hasPlayer = stone.PlayerIndex >= 0 && stone.PlayerIndex < CTeam::PlayerCount;
    const QString player = hasPlayer ? game.GetPlayerName(slot, stone.PlayerIndex) : QString();
    return QStringLiteral("%1: %2 (%3)")
        .arg(game.GetTeamName(slot), player, Texts::get(kEndLabelId).arg(game.MisEnd + 1));
}

bool MisDialogModel::goEnabled() const
{
    return doc_.game().currentPosition() != doc_.game().misPosition();
}

bool MisDialogModel::go()
{
    return jumpToMis(doc_.game(), prompts_, jump_);
}

MisCommands::MisCommands(CTALVStatsDoc& doc, Prompts& prompts, MisDialogs& dialogs,
                         PositionJump jump)
    : doc_(doc), prompts_(prompts), dialogs_(dialogs),
      jump_(jump ? std::move(jump) : gameJump(doc.game()))
{}

bool MisCommands::IsMisSet(const CGame& game)
{
    const GamePosition mis = game.misPosition();
    if (mis == GamePosition{})
        return false;
    return !(game.isMixedDoubles() && mis == GamePosition{0, 1, 1, 0});
}

bool MisCommands::MisReminderDue(const CGame& game)
{
    if (IsMisSet(game))
        return false;
    const int lead = std::abs(game.Teams[0].TeamTotal - game.Teams[1].TeamTotal);
    return lead + game.CurrentEnd > 10 || game.CurrentEnd > 6;
}

bool MisCommands::SetEnabled() const
{
    const CGame& game = doc_.game();
    return game.GameState > 5 && !game.isFirstStoneOfEnd();
}

bool MisCommands::ShowEnabled() const
{
    return IsMisSet(doc_.game());
}

bool MisCommands::GotoEnabled() const
{
    return IsMisSet(doc_.game());
}

bool MisCommands::Set()
{
    CGame& game = doc_.game();
    if (!prompts_.askYesNo(Texts::get(kSetQuestionId), Prompts::Icon::Question, true))
        return false;
    // The end is named by its number as the user sees it (index + 1).
    if (IsMisSet(game) && !prompts_.askYesNo(Texts::get(kReplaceQuestionId).arg(game.MisEnd + 1)))
        return false;
    game.setMisPosition(game.currentPosition());
    game.MisLabel.clear();
    // The MIS stone is part of the saved game.
    doc_.SetModifiedFlag(true);
    Show();
    return true;
}

void MisCommands::Show()
{
    MisDialogModel dialog(doc_, prompts_, jump_);
    dialogs_.runMisDialog(dialog);
}

bool MisCommands::Goto()
{
    return jumpToMis(doc_.game(), prompts_, jump_);
}

void MisCommands::Remind()
{
    if (MisReminderDue(doc_.game()) && Settings::read(Key::Options::ShowMISReminder) != 0)
        prompts_.message(Texts::get(kReminderId), Prompts::Icon::Information);
}
