#include "DiagramData.h"

#include "StatsData.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/record/Game.h"

#include <algorithm>

namespace Diagram {

namespace {

constexpr int kGameTitleId = 5022;
constexpr int kTournamentTitleId = 5076;
constexpr int kPlayerTextId = 5011;
// Player lines under the teams subject, by player index 0-3 (index 4 is Dark).
constexpr std::array<qint32, 4> kPlayerColours{0x000000, 0x007F00, 0x7F0000, 0x00007F};

QString shortLabel(const QString& shortName)
{
    return shortName.left(3);
}

QString playerNumberLabel(int playerIndex, bool mixedDoubles)
{
    if (!mixedDoubles)
        return QString::number(playerIndex + 1);
    if (playerIndex == 2)
        return QStringLiteral("B");
    if (playerIndex == 3)
        return QStringLiteral("A");
    return {};
}

QString titleOf(bool tournament, const Choice& choice, const Teams& teams)
{
    QString title = Texts::get(tournament ? kTournamentTitleId : kGameTitleId);
    // The team choice names a team only while the teams are the subject.
    if (choice.isPlayer())
        title += QStringLiteral(": ") + Texts::get(kPlayerTextId).arg(choice.subject + 1);
    else if (choice.teamChoice == Team1 || choice.teamChoice == Team2)
        title += QStringLiteral(": ") + teams.names[std::size_t(choice.teamChoice)];
    return title;
}

// Scores are non-negative; a missing one (-1) prints nothing rather than as unsigned.
QString scoreText(int score)
{
    return score >= 0 ? QString::number(score) : QString();
}

DiagramData build(const CStatsData& stats, bool tournament, bool mixedDoubles, const Teams& teams,
                  int lastPoint, const Choice& choice, qint32 dark, qint32 light)
{
    DiagramData data;
    data.tournament = tournament;
    data.mixedDoubles = mixedDoubles;
    data.choice = choice;
    data.teams = teams;
    data.lastPoint = lastPoint;
    data.title = titleOf(tournament, choice, teams);

    const auto addLine = [&](Line::Kind kind, int team, int slot, qint32 colour) {
        Line line;
        line.kind = kind;
        line.team = team;
        line.slot = slot;
        line.colour = colour;
        for (int i = 0; i <= lastPoint; ++i)
            line.values.push_back(stats.GetEndPercent(team, slot, i, tournament));
        const QString teamLabel = shortLabel(teams.shortNames[std::size_t(team)]);
        switch (kind) {
        case Line::Kind::Team:
            line.leftLabel = line.rightLabel = teamLabel;
            break;
        case Line::Kind::Player:
            line.leftLabel = line.rightLabel = playerNumberLabel(slot, mixedDoubles);
            if (line.heldValue(lastPoint / 2) >= 0)
                line.middleLabel = line.leftLabel;
            break;
        case Line::Kind::PlayerSubject:
            line.leftLabel = teamLabel;
            if (line.hasValue())
                line.rightLabel = teamLabel;
            break;
        }
        data.lines.push_back(std::move(line));
    };

    const std::array<qint32, 2> teamColours{dark, light};
    if (choice.isPlayer()) {
        for (int team = 0; team < 2; ++team)
            addLine(Line::Kind::PlayerSubject, team, choice.subject,
                    teamColours[std::size_t(team)]);
    } else if (choice.teamChoice == Team1 || choice.teamChoice == Team2) {
        const int team = choice.teamChoice;
        for (int p = 0; p < CStatsData::WholeTeam; ++p)
            addLine(Line::Kind::Player, team, p,
                    p < int(kPlayerColours.size()) ? kPlayerColours[std::size_t(p)] : dark);
        addLine(Line::Kind::Team, team, CStatsData::WholeTeam, teamColours[std::size_t(team)]);
    } else {
        for (int team = 0; team < 2; ++team)
            addLine(Line::Kind::Team, team, CStatsData::WholeTeam, teamColours[std::size_t(team)]);
    }

    for (int team = 0; team < 2; ++team) {
        ScoreRow& row = data.scores[std::size_t(team)];
        row.leftLabel = row.rightLabel = shortLabel(teams.shortNames[std::size_t(team)]);
    }
    return data;
}

} // namespace

void Choice::pressTeams()
{
    if (isPlayer()) {
        subject = TeamsSubject;
        teamChoice = BothTeams;
    } else {
        teamChoice = (teamChoice + 1) % 3;
    }
}

void Choice::pressPlayer(int playerIndex)
{
    if (playerIndex >= 0 && playerIndex < TeamsSubject)
        subject = playerIndex;
}

bool playerButtonVisible(int playerIndex, bool mixedDoubles, bool tournament)
{
    if (mixedDoubles || playerIndex < 0 || playerIndex > 4)
        return false;
    return playerIndex < 4 || tournament;
}

bool commandEnabled(const CGame& game)
{
    if (game.GameState < 5 || game.CurrentEnd < 2)
        return false;
    return Settings::read(Key::Preferences::DisplayDiagram) != 0 || game.GameState >= 8 ||
           game.CurrentPlayer == 1;
}

int lastPointOfGame(const CGame& game)
{
    int n = game.CurrentEnd;
    if ((game.CurrentEnd > 0 && game.CurrentPlayer == 0) ||
        (game.isMixedDoubles() && game.CurrentPlayer == 1))
        --n;
    // At the very start of a mixed-doubles game this would be -1: end 1 still shows.
    return std::clamp(n, 0, CStatsData::IndexCount - 1);
}

bool Line::hasValue() const
{
    return std::any_of(values.begin(), values.end(), [](int v) { return v >= 0; });
}

int Line::heldValue(int i) const
{
    for (int j = std::min(i, int(values.size()) - 1); j >= 0; --j) {
        if (values[std::size_t(j)] >= 0)
            return values[std::size_t(j)];
    }
    return -1;
}

int Line::penWidth(double scale) const
{
    const int k = int(2 * scale);
    switch (kind) {
    case Kind::Player:
        return 1 + k;
    case Kind::Team:
        return 1 + 2 * k;
    case Kind::PlayerSubject:
        break;
    }
    return int(scale) + 1;
}

DiagramData ofGame(const CGame& game, const CStatsData& stats, const Choice& choice, qint32 dark,
                   qint32 light)
{
    const Teams teams{{game.Teams[0].Text, game.Teams[1].Text},
                      {game.Teams[0].ShortName, game.Teams[1].ShortName}};
    DiagramData data = build(stats, false, game.isMixedDoubles(), teams, lastPointOfGame(game),
                             choice, dark, light);
    data.fullWidthStep = game.CurrentEnd < 2;
    for (int team = 0; team < 2; ++team) {
        ScoreRow& row = data.scores[std::size_t(team)];
        for (int i = 0; i <= data.lastPoint; ++i)
            row.values.push_back(scoreText(game.Ends[std::size_t(i)].EndScore[std::size_t(team)]));
    }
    // GameValue2: 1 chose team 1, 0 team 2.
    data.scores[game.GameValue2 == 0 ? 1 : 0].leftLabel.prepend(QLatin1Char('*'));
    return data;
}

DiagramData ofTournament(const CStatsData& totals, const Teams& teams, const Choice& choice,
                         qint32 dark, qint32 light, bool mixedDoubles)
{
    const int lastPoint = std::clamp(totals.highestIndex(), 0, CStatsData::IndexCount - 1);
    DiagramData data = build(totals, true, mixedDoubles, teams, lastPoint, choice, dark, light);
    for (int team = 0; team < 2; ++team) {
        ScoreRow& row = data.scores[std::size_t(team)];
        for (int i = 0; i <= lastPoint; ++i)
            row.values.push_back(scoreText(totals.teamScore(team, i)));
    }
    return data;
}

Geometry Geometry::of(int l, int t, int r, int b, const TextSizes& sizes, const DiagramData& data)
{
    Geometry g;
    g.left = l + sizes.starWidth;
    g.right = r - sizes.rightWidth;
    g.top = t;
    g.bottom = b - 3 * sizes.height;
    g.textHeight = sizes.height;
    g.digitWidth = sizes.digitWidth;
    g.scale = std::max(1.0, g.right / 600.0);
    g.lastPoint = data.lastPoint;
    g.step = g.lastPoint <= 0 || data.fullWidthStep ? g.right - g.left
                                                    : (g.right - g.left) / g.lastPoint;
    return g;
}

int Geometry::pointX(int i) const
{
    if (i > 0 && i >= lastPoint)
        return right - int(1.2 * scale);
    return left + i * step;
}

int Geometry::lineStartX() const
{
    return left + int(1.2 * scale);
}

int Geometry::valueY(int value) const
{
    return bottom - value * height() / 125;
}

int Geometry::referenceY() const
{
    // The same rounding as a value of 100, so that a 100 % point lies on the line.
    return valueY(100);
}

int Geometry::scoreRowY(int team) const
{
    return int(bottom + (team == 0 ? 1.5 : 2.75) * textHeight);
}

int Geometry::axisNumberTop() const
{
    return 2 + int(1.02 * top);
}

int Geometry::leftLabelRight(const Line& line) const
{
    if (line.kind != Line::Kind::Player)
        return left - 2;
    return left - 2 - int(0.85 * digitWidth) * (3 - line.slot);
}

int Geometry::rightLabelLeft(const Line& line) const
{
    if (line.kind != Line::Kind::Player)
        return right + 2;
    return int(right + 2 + 0.85 * (line.slot * digitWidth));
}

QString imageFileName(const QDateTime& now)
{
    return QStringLiteral("TALVDiagram") + now.toString(QStringLiteral("_yyyyMMddHHmmss"));
}

QSize imageSize(int resolution)
{
    return {2 * resolution, 6 * resolution / 4};
}

QString imageCaption(const DiagramData& data, const QString& signature)
{
    return QStringLiteral("%1: %2 - %3       %4")
        .arg(data.title, data.teams.shortNames[0], data.teams.shortNames[1], signature);
}

} // namespace Diagram
