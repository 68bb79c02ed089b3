#include "TimeOuts.h"

#include "GameTimer.h"
#include "core/record/Game.h"

namespace {

constexpr int kSetUpState = 5;
// A mixed-doubles team's stones are the last five of the eight places.
constexpr int kMixedDoublesSkippedStones = 6;

QString mark()
{
    return QLatin1String(TimeOuts::Mark);
}

} // namespace

bool TimeOuts::enabled(const CGame& game)
{
    return game.GameState > kSetUpState;
}

int TimeOuts::stoneNumber(const CGame& game)
{
    const int number = game.CurrentOrder + (game.CurrentPlayer * 2 + game.CurrentStone) * 2 + 1;
    return game.isMixedDoubles() ? number - kMixedDoublesSkippedStones : number;
}

bool TimeOuts::run(const CGame& game, GameTimer& timer, TimeOutDialog& dialog, QString& remarkField)
{
    timer.stopBoth();
    TimeOutRequest request;
    request.TeamName = game.GetTeamName(game.CurrentTeamSlot());
    request.EndNumber = game.CurrentEnd + 1;
    request.StoneNumber = stoneNumber(game);
    request.Text = PendingText.startsWith(QLatin1Char('\n')) ? PendingText.mid(1) : PendingText;
    if (!dialog.edit(request))
        return false;
    PendingText = QLatin1Char('\n') + request.Text;
    remarkField = toggledMark(remarkField);
    return true;
}

QString TimeOuts::toggledMark(const QString& remarkField)
{
    if (remarkField.isEmpty())
        return mark();
    if (!remarkField.contains(mark()))
        return remarkField + QStringLiteral(", ") + mark();
    // A second time-out on the same stone takes the mark away.
    QString field = remarkField;
    field.remove(QStringLiteral(", ") + mark());
    field.remove(mark());
    return field;
}

QString TimeOuts::storedRemark(const QString& remarkField) const
{
    const qsizetype at = remarkField.indexOf(mark());
    if (at < 0)
        return remarkField;
    return remarkField.left(at) + mark() + PendingText;
}

QString TimeOuts::shownRemark(const QString& storedRemark)
{
    if (!storedRemark.contains(mark() + QLatin1Char('\n'))) {
        PendingText.clear();
        return storedRemark;
    }
    const qsizetype lineBreak = storedRemark.indexOf(QLatin1Char('\n'));
    PendingText = storedRemark.mid(lineBreak);
    return storedRemark.left(lineBreak);
}
