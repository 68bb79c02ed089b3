#include "core/stats/DiagramPainter.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/DocumentFields.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QFileInfo>
#include <QPainter>

using namespace Diagram;

namespace {

constexpr qint32 kLines = 0x646464;
constexpr qint32 kIce = 0xD0E0F0; // not white, so the frame's inside shows
constexpr qint32 kDark = 0x0000FF;
constexpr qint32 kLight = 0x00C8FF;
const QRect kRect(0, 100, 640, 400); // below the image's top, so that values above 125 % show

QRgb rgbOf(qint32 bgr)
{
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

Line lineOf(Line::Kind kind, int team, int slot, std::vector<int> values, qint32 colour)
{
    Line line;
    line.kind = kind;
    line.team = team;
    line.slot = slot;
    line.values = std::move(values);
    line.colour = colour;
    line.leftLabel = line.rightLabel = QStringLiteral("ALP");
    return line;
}

// Four points; the lines are set by each test.
DiagramData dataOf(std::vector<Line> lines, Choice choice = {})
{
    DiagramData data;
    data.title = QStringLiteral("Diagram");
    data.choice = choice;
    data.teams.shortNames = {QStringLiteral("ALP"), QStringLiteral("BRA")};
    data.lastPoint = 3;
    data.scores[0] = {QStringLiteral("*ALP"), QStringLiteral("ALP"), {"1", "0", "2", "0"}};
    data.scores[1] = {QStringLiteral("BRA"), QStringLiteral("BRA"), {"0", "3", "0", "1"}};
    data.lines = std::move(lines);
    return data;
}

QFont chartFont()
{
    QFont font;
    font.setPixelSize(14);
    return font;
}

struct Drawn
{
    QImage image;
    Geometry g;
};

Drawn draw(const DiagramData& data, const QRect& rect = kRect)
{
    QImage image(rect.x() + rect.width(), rect.y() + rect.height() + 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(chartFont());
    paint(painter, rect, data, {kLines, kIce});
    painter.end();
    const QFontMetrics metrics(chartFont());
    const TextSizes sizes{metrics.horizontalAdvance(QStringLiteral("*WWW")),
                          metrics.horizontalAdvance(QStringLiteral("WWW4")), metrics.height(),
                          metrics.horizontalAdvance(QStringLiteral("4"))};
    const Geometry g = Geometry::of(rect.x(), rect.y(), rect.x() + rect.width(),
                                    rect.y() + rect.height(), sizes, data);
    return {image, g};
}

// Pixels of a colour along a row, from x0 to x1 inclusive.
int countInRow(const QImage& image, int y, int x0, int x1, QRgb colour)
{
    int count = 0;
    for (int x = x0; x <= x1; ++x)
        count += image.pixel(x, y) == colour;
    return count;
}

} // namespace

class DiagramPainterTest : public SettingsTest
{};

TEST_F(DiagramPainterTest, FrameIceGridAndTheDottedHundredPercentLine)
{
    const auto [image, g] = draw(dataOf({}));
    ASSERT_EQ(g.scale, 1.0); // right edge below 600: the thinnest lines
    const int middleY = (g.top + g.bottom) / 2;
    const QRgb lines = rgbOf(kLines), ice = rgbOf(kIce), white = qRgb(255, 255, 255);
    struct Case
    {
        int x, y;
        QRgb colour;
    };
    const Case cases[] = {
        {g.left, middleY, lines},
        {g.right - 1, middleY, lines}, // frame sides
        {g.left - 1, middleY, white},
        {g.right, middleY, white},              // nothing outside
        {(g.left + g.right) / 2, g.top, lines}, // frame top
        {g.left + 1, middleY, ice},
        {g.right - 2, middleY, ice}, // the fill inside
        {g.pointX(1), middleY, lines},
        {g.pointX(2), middleY, lines}, // grid lines
        {g.pointX(1) + 1, middleY, ice},
        {(g.left + g.right) / 2, g.bottom, lines}, // the bottom axis below the frame
    };
    for (const Case& c : cases)
        EXPECT_EQ(image.pixel(c.x, c.y), c.colour) << c.x << "," << c.y;
    EXPECT_EQ(g.pointX(3), g.right - 1);

    // Four fifths up the plot; dotted, so grey and ice alternate.
    const int y = g.referenceY();
    EXPECT_EQ(y, g.bottom - 4 * g.height() / 5);
    const QRgb grey = qRgb(0x90, 0x90, 0x90);
    const int width = g.right - g.left - 2;
    const int greys = countInRow(image, y, g.left + 1, g.right - 1, grey);
    EXPECT_GT(greys, width / 4);
    EXPECT_LT(greys, 3 * width / 4);
    EXPECT_EQ(countInRow(image, y - 1, g.left + 1, g.right - 1, grey), 0);
    EXPECT_EQ(countInRow(image, y + 1, g.left + 1, g.right - 1, grey), 0);
}

TEST_F(DiagramPainterTest, LinesTakeTheirColourWidthAndHeight)
{
    // A team line, a player line with a gap at point 1 and one above 125 %.
    const DiagramData data =
        dataOf({lineOf(Line::Kind::Team, 0, 5, {80, 80, 80, 80}, kDark),
                lineOf(Line::Kind::Player, 0, 1, {40, -1, 60, 60}, 0x007F00),
                lineOf(Line::Kind::Player, 0, 2, {140, 140, 140, 140}, 0x7F0000)},
               Choice{TeamsSubject, Team1});
    const auto [image, g] = draw(data);
    const QRgb dark = rgbOf(kDark), green = rgbOf(0x007F00), blue = rgbOf(0x7F0000);

    // Team line: width 1 + 2 trunc(2 s) = 5, centred on the value's height.
    const int x = (g.pointX(1) + g.pointX(2)) / 2;
    const int y80 = g.valueY(80);
    for (int dy = -2; dy <= 2; ++dy)
        EXPECT_EQ(image.pixel(x, y80 + dy), dark) << dy;
    EXPECT_NE(image.pixel(x, y80 - 4), dark);
    EXPECT_NE(image.pixel(x, y80 + 4), dark);
    // It starts trunc(1.2 s) right of the frame and runs on to the right edge.
    EXPECT_EQ(image.pixel(g.lineStartX() + 3, y80), dark);
    EXPECT_EQ(image.pixel(g.right - 1, y80), dark);

    // Player line: dotted at the held height over the gap, solid after it.
    const int y40 = g.valueY(40);
    const int gapDots = countInRow(image, y40, g.lineStartX() + 4, g.pointX(1) - 4, green);
    EXPECT_GT(gapDots, 0);
    EXPECT_LT(gapDots, g.pointX(1) - g.lineStartX() - 8);
    const int y60 = g.valueY(60);
    EXPECT_EQ(countInRow(image, y60, g.pointX(2) + 3, g.pointX(3) - 3, green),
              g.pointX(3) - g.pointX(2) - 5);

    // 140 % lies above the plot's top edge and is drawn there.
    const int y140 = g.valueY(140);
    ASSERT_LT(y140, g.top - 5);
    EXPECT_EQ(image.pixel(x, y140), blue);
}

TEST_F(DiagramPainterTest, PlayerSubjectMarksRunsWithSquaresAndDotsTheExtension)
{
    const DiagramData data =
        dataOf({lineOf(Line::Kind::PlayerSubject, 0, 2, {-1, 50, 50, -1}, kDark),
                lineOf(Line::Kind::PlayerSubject, 1, 2, {30, -1, -1, -1}, kLight)},
               Choice{2, BothTeams});
    const auto [image, g] = draw(data);
    const QRgb dark = rgbOf(kDark), light = rgbOf(kLight);
    const int y50 = g.valueY(50);
    // Both points of the run get a square; between them the 2-pixel line has none.
    for (int i : {1, 2}) {
        EXPECT_EQ(image.pixel(g.pointX(i) - 2, y50 - 2), dark) << i;
        EXPECT_EQ(image.pixel(g.pointX(i) + 2, y50 + 2), dark) << i;
    }
    const int middle = (g.pointX(1) + g.pointX(2)) / 2;
    EXPECT_NE(image.pixel(middle, y50 - 2), dark);
    EXPECT_EQ(image.pixel(middle, y50), dark);
    // The first point alone: a box from the line start, 3 to the right.
    const int y30 = g.valueY(30);
    EXPECT_EQ(image.pixel(g.lineStartX() + 3, y30 - 2), light);
    // The extension to the right edge is dotted.
    const int dots = countInRow(image, y30, g.pointX(3) - 40, g.pointX(3), light);
    EXPECT_GT(dots, 0);
    EXPECT_LT(dots, 40);
}

TEST_F(DiagramPainterTest, TheImageHasTheResolutionsSizeAFrameAndTheCaption)
{
    loadLanguage(QStringLiteral("ENG"));
    const DiagramData data = dataOf({lineOf(Line::Kind::Team, 0, 5, {80, 90, 70, 100}, kDark)});
    struct Case
    {
        int resolution;
        QSize size;
    };
    for (const Case& c : {Case{300, {600, 450}}, Case{150, {300, 225}}, Case{1000, {2000, 1500}}}) {
        const QImage image = Diagram::image(data, {kLines, kIce}, c.resolution);
        ASSERT_EQ(image.size(), c.size);
        const int w = c.size.width(), h = c.size.height();
        for (const QPoint p : {QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, h - 1)})
            EXPECT_EQ(image.pixel(p), qRgb(0, 0, 0)) << c.resolution;
        // The caption: dark text centred below y = 24, on the ice.
        int darkPixels = 0;
        for (int y = 24; y < 24 + 12; ++y)
            for (int x = w / 4; x < 3 * w / 4; ++x)
                darkPixels += qGray(image.pixel(x, y)) < 100;
        EXPECT_GT(darkPixels, 20) << c.resolution;
    }

    // Saved at PNGResolution by the path's extension.
    QTemporaryDir dir;
    Settings::write(Key::Options::PNGResolution, 200);
    ScriptedPrompts prompts;
    const QString path = dir.filePath(QStringLiteral("chart.gif"));
    EXPECT_EQ(renderImage(path, data, {kLines, kIce}, prompts), 1);
    const QImage gif(path);
    EXPECT_EQ(gif.size(), QSize(400, 300));
    EXPECT_EQ(gif.pixel(0, 150), qRgb(0, 0, 0));
    const QString unwritable = dir.filePath(QStringLiteral("missing/chart.png"));
    EXPECT_EQ(renderImage(unwritable, data, {kLines, kIce}, prompts), 0);
    EXPECT_EQ(prompts.messages, QStringList{Texts::get(5030).arg(unwritable)});
}

TEST_F(DiagramPainterTest, SaveProposesTALVDiagramInTheGamesFolder)
{
    QTemporaryDir dir;
    Settings::write(Key::Setup::Path, dir.path());
    DocumentFields fields;
    fields.Competition = {QStringLiteral("Open"), 2};
    fields.Event = {QStringLiteral("Day 1"), 0};
    ScriptedPrompts prompts;
    const QString chosen = dir.filePath(QStringLiteral("mine"));
    prompts.savePaths = {chosen};
    const DiagramData data = dataOf({});
    EXPECT_EQ(saveImage(data, fields, prompts, QDateTime(QDate(2024, 3, 15), QTime(14, 30, 5))), 1);
    EXPECT_EQ(prompts.proposedSavePaths,
              QStringList{dir.filePath(QStringLiteral("Open/Day 1/TALVDiagram_20240315143005"))});
    EXPECT_EQ(QImage(chosen + QStringLiteral(".png")).size(), QSize(600, 450));
    EXPECT_EQ(saveImage(data, fields, prompts), 0); // cancelled
}
