#include "GameJson.h"

#include "Game.h"

#include <QJsonArray>

#include <algorithm>

namespace {

QJsonArray positionArray(const GamePosition& p)
{
    return {p.End, p.Player, p.Stone, p.Order};
}

QJsonObject playerJson(const CPlayer& player)
{
    return {{QStringLiteral("Id"), player.Id},
            {QStringLiteral("Text"), player.Text},
            {QStringLiteral("OrderNumber"), player.OrderNumber},
            {QStringLiteral("Role"), player.Role}};
}

QJsonObject teamJson(const CTeam& team)
{
    QJsonArray players;
    for (const CPlayer& player : team.Players)
        players.append(playerJson(player));
    return {{QStringLiteral("Id"), team.Id},
            {QStringLiteral("Text"), team.Text},
            {QStringLiteral("ShortName"), team.ShortName},
            {QStringLiteral("TeamCounter1"), team.TeamCounter1},
            {QStringLiteral("TeamCounter2"), team.TeamCounter2},
            {QStringLiteral("TeamCounter3"), team.TeamCounter3},
            {QStringLiteral("TeamTotal"), team.TeamTotal},
            {QStringLiteral("Players"), players}};
}

QJsonObject tagJson(const CTagEvent& tag)
{
    return {{QStringLiteral("TagTime"), tag.TagTime},
            {QStringLiteral("TagDuration"), tag.TagDuration},
            {QStringLiteral("TagName"), tag.TagName},
            {QStringLiteral("TagOutcome"), tag.TagOutcome}};
}

QJsonObject stoneJson(const CStone& stone)
{
    QJsonArray positions;
    for (const SheetPoint& p : stone.Positions)
        positions.append(QJsonArray{p.x, p.y});
    QJsonArray tags;
    for (const CTagEvent& tag : stone.Tags)
        tags.append(tagJson(tag));
    return {{QStringLiteral("StoneFlag"), stone.StoneFlag},
            {QStringLiteral("TeamId"), stone.TeamId},
            {QStringLiteral("PlayerIndex"), stone.PlayerIndex},
            {QStringLiteral("PlayerId"), stone.PlayerId},
            {QStringLiteral("Task"), stone.Task},
            {QStringLiteral("Handle"), stone.Handle},
            {QStringLiteral("Points"), stone.Points},
            {QStringLiteral("Positions"), positions},
            {QStringLiteral("Remark"), stone.Remark},
            {QStringLiteral("Comment"), stone.Comment},
            {QStringLiteral("DeliveryTime"), stone.DeliveryTime},
            {QStringLiteral("Tags"), tags}};
}

QJsonObject endJson(const CEnd& end)
{
    QJsonArray stones;
    for (const CStone& stone : end.Stones)
        stones.append(stoneJson(stone));
    return {{QStringLiteral("FirstThrowerFlag"), end.FirstThrowerFlag},
            {QStringLiteral("EndValue1"), end.EndValue1},
            {QStringLiteral("EndValue2"), end.EndValue2},
            {QStringLiteral("EndScore"), QJsonArray{end.EndScore[0], end.EndScore[1]}},
            {QStringLiteral("EndStartTime"), end.EndStartTime},
            {QStringLiteral("Stones"), stones}};
}

} // namespace

QJsonObject gameToJson(const CGame& game)
{
    QJsonArray teams;
    for (const CTeam& team : game.Teams)
        teams.append(teamJson(team));
    QJsonArray ends;
    const int lastEnd = std::clamp(game.RecordEnd, 0, CGame::EndCount - 1);
    for (int e = 0; e <= lastEnd; ++e)
        ends.append(endJson(game.Ends[std::size_t(e)]));
    return {{QStringLiteral("GameValue1"), game.GameValue1},
            {QStringLiteral("GameValue2"), game.GameValue2},
            {QStringLiteral("GameState"), game.GameState},
            {QStringLiteral("MixedDoubles"), game.MixedDoubles},
            {QStringLiteral("RecordingPosition"), positionArray(game.recordingPosition())},
            {QStringLiteral("CurrentPosition"), positionArray(game.currentPosition())},
            {QStringLiteral("MisPosition"), positionArray(game.misPosition())},
            {QStringLiteral("MisLabel"), game.MisLabel},
            {QStringLiteral("SummaryText1"), game.SummaryText1},
            {QStringLiteral("SummaryText2"), game.SummaryText2},
            {QStringLiteral("SummaryText3"), game.SummaryText3},
            {QStringLiteral("Teams"), teams},
            {QStringLiteral("Ends"), ends}};
}
