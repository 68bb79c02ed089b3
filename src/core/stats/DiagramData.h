#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

class CGame;
class CStatsData;

// The diagram of percentages: one point per end of the active game, or one per
// game in tournament form. Everything here is independent of the device; the
// window draws it.
namespace Diagram {

inline constexpr int TeamsSubject = 5;

enum TeamChoice
{
    Team1 = 0,
    Team2 = 1,
    BothTeams = 2
};

// What the Teams and Player buttons have chosen; a new window shows both teams.
struct Choice
{
    int subject = TeamsSubject; // 0-4: that player index of both teams
    int teamChoice = BothTeams; // with the teams subject

    void pressTeams();
    void pressPlayer(int playerIndex);
    bool isPlayer() const { return subject != TeamsSubject; }
    bool operator==(const Choice&) const = default;
};

// Mixed doubles shows no Player button, a single game no alternate's.
bool playerButtonVisible(int playerIndex, bool mixedDoubles, bool tournament);

// Whether the shot-entry form offers the diagram for the game.
bool commandEnabled(const CGame& game);

// Index of the last point for a single game: the current end, less the end just
// begun when nobody of it has delivered yet.
int lastPointOfGame(const CGame& game);

struct Line
{
    enum class Kind
    {
        Player,        // one player of a team, teams subject
        Team,          // a whole team, teams subject
        PlayerSubject, // the chosen player of either team
    };

    Kind kind = Kind::Team;
    int team = 0;
    int slot = 0;            // player index 0-4, or 5 for the whole team
    std::vector<int> values; // per point; -1 no value
    qint32 colour = 0;       // 0x00BBGGRR
    QString leftLabel;
    QString rightLabel;  // empty: not drawn
    QString middleLabel; // teams subject, player lines: drawn again at the middle point

    bool hasValue() const;
    // The value in force at point i: its own or the last one before it (-1: none yet).
    int heldValue(int i) const;
    // The line's pen for a line scale s (the extension after the last point uses trunc(s)).
    int penWidth(double scale) const;
};

struct ScoreRow
{
    QString leftLabel; // "*" first for the side chosen at set-up (single game)
    QString rightLabel;
    std::vector<QString> values; // per point; empty where no score is stored
};

struct Teams
{
    std::array<QString, 2> names;
    std::array<QString, 2> shortNames;
};

struct DiagramData
{
    QString title;
    bool tournament = false;
    bool mixedDoubles = false;
    Choice choice;
    Teams teams;
    int lastPoint = 0; // the points are 0 .. lastPoint
    bool fullWidthStep = false;
    std::array<ScoreRow, 2> scores; // team 1's row first
    std::vector<Line> lines;

    int pointCount() const { return lastPoint + 1; }
};

// stats is built from game (its active game); colours are the document's.
DiagramData ofGame(const CGame& game, const CStatsData& stats, const Choice& choice, qint32 dark,
                   qint32 light);

// Tournament form over a copy of the tournament totals (one index per game).
DiagramData ofTournament(const CStatsData& totals, const Teams& teams, const Choice& choice,
                         qint32 dark, qint32 light, bool mixedDoubles = false);

// Positions inside a drawing rectangle for the text sizes of the device's font.
struct TextSizes
{
    int starWidth = 0;  // width of "*WWW"
    int rightWidth = 0; // width of "WWW4"
    int height = 0;     // height of "Top"
    int digitWidth = 0; // width of "4"
};

struct Geometry
{
    int left = 0, top = 0, right = 0, bottom = 0; // the plot, margins taken off
    int textHeight = 0;
    int digitWidth = 0;
    double scale = 1; // line scale s, at least 1
    int lastPoint = 0;
    int step = 0;

    static Geometry of(int l, int t, int r, int b, const TextSizes& sizes, const DiagramData& data);

    int height() const { return bottom - top; }
    int pointX(int i) const;
    int lineStartX() const;
    // 125 % on the top edge; higher values rise above it.
    int valueY(int value) const;
    int referenceY() const;
    int scoreRowY(int team) const; // bottom edge of the score values
    int axisNumberTop() const;
    // Right end of the left label and start of the right label of a line.
    int leftLabelRight(const Line& line) const;
    int rightLabelLeft(const Line& line) const;
};

// Saving the chart: proposed file name, image size for a resolution, caption.
QString imageFileName(const QDateTime& now);
QSize imageSize(int resolution);
QString imageCaption(const DiagramData& data, const QString& signature);

} // namespace Diagram
