#include "CommentListing.h"

#include "core/base/Texts.h"
#include "core/record/Game.h"

#include <algorithm>

namespace Comments {

namespace {

constexpr int kPlayerTextId = 5011;
constexpr int kEndTextId = 5024;
constexpr int kByPositionTextId = 5083;
constexpr int kStoneTextId = 5107;

// The position rows as player indexes, in listing order.
std::vector<int> positionPlayers(bool mixedDoubles)
{
    if (mixedDoubles)
        return {3, 2};
    return {3, 2, 1, 0, 4};
}

QString positionLabel(int playerIndex, bool mixedDoubles)
{
    if (mixedDoubles) {
        QString label = Texts::get(kPlayerTextId).arg(playerIndex + 1);
        return playerIndex == 3 ? label.replace(QLatin1Char('4'), QLatin1Char('A'))
                                : label.replace(QLatin1Char('3'), QLatin1Char('B'));
    }
    static const char* const words[] = {"Lead", "Second", "Third", "Fourth", "Alternate"};
    return QLatin1String(words[playerIndex]);
}

} // namespace

QString oneLine(const QString& text)
{
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(": "));
    line.replace(QLatin1Char('\n'), QLatin1String(": "));
    line.replace(QLatin1Char('\r'), QLatin1String(": "));
    return line;
}

std::vector<Row> buildListing(const CGame& game)
{
    const bool md = game.isMixedDoubles();
    const QString endWord = Texts::get(kEndTextId);
    const QString stoneWord = Texts::get(kStoneTextId);
    const int lastEnd = std::min(game.CurrentEnd, CGame::EndCount - 1);

    std::vector<Row> roots{{game.GetTeamName(0), NoEntry, {}},
                           {game.GetTeamName(1), NoEntry, {}},
                           {Texts::get(kByPositionTextId), NoEntry, {}},
                           {endWord, NoEntry, {}}};
    const std::vector<int> players = positionPlayers(md);
    for (const int p : players)
        roots[PositionRoot].children.push_back({positionLabel(p, md), NoEntry, {}});
    for (int e = 0; e <= lastEnd; ++e)
        roots[EndRoot].children.push_back(
            {endWord + QString::asprintf(" %i", e + 1), entryNumber(e, 0, 0), {}});

    // Mixed doubles: records 0-2 deliver no stone, so their texts are not listed.
    const int firstRecord = md ? 3 : 0;
    for (int e = 0; e <= lastEnd; ++e) {
        for (int r = firstRecord; r < CEnd::StonesPerTeam; ++r) {
            for (int t = 0; t < CGame::TeamCount; ++t) {
                const CStone& stone = game.Ends[std::size_t(e)].stone(t, r / 2, r % 2);
                const int entry = entryNumber(e, t, r);
                const QString n = QString::number(md ? r - 2 : r + 1);
                const QString end = QString::number(e + 1);
                const QString& shortName = game.Teams[std::size_t(t)].ShortName;
                const auto position = std::find(players.begin(), players.end(), stone.PlayerIndex);
                for (const QString* text : {&stone.Remark, &stone.Comment}) {
                    if (text->isEmpty())
                        continue;
                    const QString line = oneLine(*text);
                    roots[std::size_t(t)].children.push_back(
                        {QStringLiteral("%1 (%2 %3, %4 %5)").arg(line, endWord, end, stoneWord, n),
                         entry,
                         {}});
                    // A player index without a position row is listed under team and end only.
                    if (position != players.end())
                        roots[PositionRoot]
                            .children[std::size_t(position - players.begin())]
                            .children.push_back(
                                {QStringLiteral("%1 (%2, %3 %4, %5 %6)")
                                     .arg(line, shortName, endWord, end, stoneWord, n),
                                 entry,
                                 {}});
                    roots[EndRoot].children[std::size_t(e)].children.push_back(
                        {QStringLiteral("%1 (%2, %3 %4)").arg(line, shortName, stoneWord, n),
                         entry,
                         {}});
                }
            }
        }
    }
    return roots;
}

std::optional<Target> target(const CGame& game, int entry)
{
    // Entry 0 is the first stone of team 1 in the first end, a position like any other.
    if (entry < 0 || entry / 16 >= CGame::EndCount)
        return std::nullopt;
    const int end = entry / 16;
    const int side = (entry / 8) % 2;
    return Target{end, (side ^ game.Ends[std::size_t(end)].FirstThrowerFlag) & 1, entry % 8};
}

} // namespace Comments
