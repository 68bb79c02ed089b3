#include "core/house/HousePainter.h"
#include "core/house/HouseColours.h"

#include "core/files/Document.h"

#include "support/TestSettings.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>

#include <cmath>

namespace {

// 600 × 1200: s = 40 px/ft, no offset, r = 18.3.
constexpr int kWidth = 600, kHeight = 1200;
const double kDiagonal = 1.0 / std::sqrt(2.0);

int distance(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// Fails with both colours named, so a wrong pixel is easy to read.
::testing::AssertionResult near(const QColor& got, const QColor& expected, int tolerance = 24)
{
    if (distance(got, expected) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got " << got.name().toStdString() << ", expected " << expected.name().toStdString();
}

} // namespace

class HousePainterTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        doc_ = std::make_unique<CTALVStatsDoc>();
        // Distinct colours, so that every element can be told apart.
        DocumentFields& f = doc_->fields();
        f.Ice = rgbColour(250, 250, 240);
        f.IceAlert = rgbColour(200, 255, 255);
        f.Lines = rgbColour(10, 10, 10);
        f.Feet6 = rgbColour(0, 0, 200);
        f.Feet4 = rgbColour(0, 200, 0);
        f.Feet2 = rgbColour(200, 0, 0);
        f.Tee = rgbColour(100, 0, 100);
        f.Dark = rgbColour(255, 0, 0);
        f.Light = rgbColour(255, 200, 0);
        f.OldLineSize = 3;
    }

    QImage render(HouseOutput output = HouseOutput::Screen, bool rotated = false)
    {
        geometry_ = rotated ? CHouseGeometry(kHeight, kWidth, true, 100)
                            : CHouseGeometry(kWidth, kHeight, false, 100);
        QImage image(geometry_.width(), geometry_.height(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        HousePaintInput input{doc_->game(), doc_->fields(), positions_};
        input.output = output;
        input.showGraphics = showGraphics_;
        input.sponsors = sponsors_;
        input.marks = marks_.empty() ? nullptr : &marks_;
        input.title = title_;
        layout_ = paintHouse(painter, geometry_, input);
        return image;
    }
    // The pixel at a place in feet of the drawing as it is seen (not mirrored).
    QColor at(const QImage& image, double x, double y) const
    {
        return image.pixelColor(geometry_.drawX(x * 100), geometry_.drawY(y * 100));
    }
    QColor colour(qint32 bgr) const { return toQColor(bgr); }

    std::unique_ptr<CTALVStatsDoc> doc_;
    HousePositions positions_;
    CHouseGeometry geometry_;
    HouseLayout layout_;
    bool showGraphics_ = true;
    HouseSponsors sponsors_;
    std::vector<HouseMark> marks_;
    QString title_;
};

TEST_F(HousePainterTest, IceRingsLinesAndGuideLinesInBothDirections)
{
    const DocumentFields& f = doc_->fields();
    struct Case
    {
        const char* what;
        double distance; // from the button, along the diagonal
        qint32 expected;
    };
    const Case rings[] = {{"button", 0.3, f.Tee},
                          {"4-ft circle", 1.3, f.Feet2},
                          {"8-ft circle", 3.0, f.Feet4},
                          {"12-ft circle", 5.0, f.Feet6},
                          {"ice beside", 6.6, f.Ice}};
    for (const int direction : {0, 1}) {
        doc_->game().SheetDirection = direction;
        const QImage image = render();
        const double sign = direction == 0 ? 1.0 : -1.0;
        const double teeY = direction == 0 ? 8.0 : 22.0;
        for (const Case& c : rings) {
            const double d = c.distance * kDiagonal * sign;
            EXPECT_TRUE(near(at(image, 7.5 + d, teeY + d), colour(c.expected), 40))
                << c.what << " " << direction;
        }
        for (const double y : {2.0, 8.0, 29.0}) {
            const double row = direction == 0 ? y : 30.0 - y;
            EXPECT_TRUE(near(at(image, 4.5, row), colour(f.Lines))) << y << " " << direction;
        }
        EXPECT_TRUE(near(at(image, 7.5, 20.0), colour(f.Lines)));
        EXPECT_TRUE(near(at(image, 4.5, 15.0), colour(f.Ice)));
        // Light blue at both edges, the right-hand one a pixel inside.
        const int row = geometry_.drawY(1500);
        EXPECT_TRUE(near(image.pixelColor(0, row), QColor(200, 200, 255)));
        EXPECT_TRUE(near(image.pixelColor(kWidth - 1, row), QColor(200, 200, 255)));
        // The dotted grey lines show in some pixels of their column.
        for (const double x : {5.5, 9.5}) {
            int column = geometry_.drawX(x * 100);
            if (x > 7.5)
                --column;
            int grey = 0;
            for (int y = row; y < row + 20; ++y)
                grey += near(image.pixelColor(column, y), QColor(128, 128, 128)) ? 1 : 0;
            EXPECT_GE(grey, 5) << x << " " << direction;
        }
    }
}

TEST_F(HousePainterTest, IceAlertOnlyInReviewOfAGameNotFinished)
{
    struct Case
    {
        int review, state;
        bool alert;
    };
    for (const Case c : {Case{0, 6, false}, Case{1, 6, true}, Case{1, 8, false}}) {
        doc_->game().ReviewMode = c.review;
        doc_->game().GameState = c.state;
        const QImage image = render();
        const qint32 expected = c.alert ? doc_->fields().IceAlert : doc_->fields().Ice;
        EXPECT_TRUE(near(at(image, 4.5, 20.0), colour(expected))) << c.review << c.state;
    }
}

TEST_F(HousePainterTest, WithoutGraphicsOnlyTheBackgroundIsDrawn)
{
    showGraphics_ = false;
    positions_.current[3] = {750, 800};
    const QImage image = render();
    QImage white(image.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_EQ(image, white);
    EXPECT_FALSE(layout_.stones[3].drawn);
}

TEST_F(HousePainterTest, PrintingDrawsWhiteIceAFrameAndNoGuideLines)
{
    const QImage image = render(HouseOutput::Print);
    EXPECT_TRUE(near(at(image, 4.5, 20.0), Qt::white));
    EXPECT_TRUE(near(image.pixelColor(0, 600), Qt::black));
    int column = geometry_.drawX(550);
    for (int y = 600; y < 620; ++y)
        EXPECT_TRUE(near(image.pixelColor(column, y), Qt::white)) << y;
}

TEST_F(HousePainterTest, TheXIsOnTheTeamTheColourRulePicks)
{
    struct Case
    {
        QColor dark, light;
        int crossed;
    };
    const Case cases[] = {
        {{255, 0, 0}, {255, 200, 0}, 1},       // the defaults: team 2
        {{255, 255, 0}, {0, 0, 255}, 0},       // team 1 is the lighter
        {{128, 128, 128}, {0, 0, 0}, 0},       // mid grey inverts to itself: still visible
        {{100, 100, 100}, {100, 100, 100}, 0}, // equal sums: team 1
    };
    positions_.current[3] = {400, 1800};
    positions_.current[11] = {1100, 1800};
    for (const Case& c : cases) {
        doc_->fields().Dark = fromQColor(c.dark);
        doc_->fields().Light = fromQColor(c.light);
        const QImage image = render();
        for (const int stone : {3, 11}) {
            const QPoint centre = layout_.stones[std::size_t(stone)].centre;
            const QColor own = stone < 8 ? c.dark : c.light;
            const QColor onDiagonal = image.pixelColor(centre + QPoint(4, 4));
            const bool crossed = (stone < 8 ? 0 : 1) == c.crossed;
            EXPECT_EQ(distance(onDiagonal, own) >= 150, crossed) << stone << " " << c.crossed;
            EXPECT_TRUE(near(image.pixelColor(centre + QPoint(0, 8)), own)) << stone;
        }
    }
}

TEST_F(HousePainterTest, StonesWaitingAndOutOfPlayRowsFollowTheDirection)
{
    positions_.current[3] = {400, 1800};
    positions_.current[5] = {4095, 4095};
    positions_.current[6] = {4095, 0};
    for (const int direction : {0, 1}) {
        doc_->game().SheetDirection = direction;
        const QImage image = render();
        const auto y = [direction](double feet) { return direction == 0 ? feet : 30.0 - feet; };
        const QColor dark = colour(doc_->fields().Dark);
        // On the sheet, mirrored with the sheet.
        EXPECT_TRUE(near(at(image, direction == 0 ? 4.0 : 11.0, y(18.0)), dark)) << direction;
        // The stone being recorded (record 0) waits full size behind the hog line.
        EXPECT_TRUE(near(at(image, 7.5, y(29.5) - 0.2), dark)) << direction;
        // Out of play along the top edge, from the outside in: k = 7, 6.
        EXPECT_TRUE(near(at(image, 7.5 - 0.75 - 7 * 0.88, y(0.5)), dark)) << direction;
        EXPECT_TRUE(near(at(image, 7.5 - 0.75 - 6 * 0.88, y(0.5)), dark)) << direction;
        EXPECT_TRUE(near(at(image, 7.5 - 0.75 - 5 * 0.88, y(0.5)), colour(doc_->fields().Ice)));
        // Waiting stones are small; record 2 (even) of team 1 at 29.28.
        const PlacedElement& small = layout_.stones[2];
        EXPECT_NEAR(small.radius, 0.47 * geometry_.stoneRadius(), 1e-9);
        EXPECT_EQ(small.centre.y(), geometry_.drawY(y(29.28) * 100));
    }
}

TEST_F(HousePainterTest, OutlinesOnlyWhereAStoneMovedFromTheSheet)
{
    struct Case
    {
        SheetPoint previous;
        bool outline;
    };
    const Case cases[] = {{{750, 2200}, true}, {{750, 2400}, false}, {{4095, 4095}, false}};
    const QColor dark = colour(doc_->fields().Dark);
    for (const Case& c : cases) {
        positions_.current[4] = {750, 2400};
        positions_.previous[4] = c.previous;
        const QImage image = render();
        const QPoint was = geometry_.toDrawing({750, 2200}, false);
        const QColor ring = image.pixelColor(was + QPoint(int(geometry_.stoneRadius()), 0));
        EXPECT_EQ(near(ring, dark, 60), c.outline) << c.previous.x << "," << c.previous.y;
    }
    doc_->fields().OldLineSize = 0;
    positions_.previous[4] = {750, 2200};
    const QImage image = render();
    const QPoint was = geometry_.toDrawing({750, 2200}, false);
    EXPECT_TRUE(near(image.pixelColor(was + QPoint(int(geometry_.stoneRadius()), 0)),
                     colour(doc_->fields().Ice)));
}

TEST_F(HousePainterTest, TargetAndBroomMarkers)
{
    doc_->fields().ShowTarget = 1;
    doc_->fields().ShowBroom = 1;
    const double r = 27.9 * 40 / 61.0;
    struct Case
    {
        SheetPoint target;
        QPointF where; // feet as seen
    };
    const Case cases[] = {{{1000, 1500}, {10.0, 15.0}}, {{0, 0}, {0.5, 17.5}}};
    for (const Case& c : cases) {
        positions_.target = c.target;
        positions_.broom = {500, 1500};
        const QImage image = render();
        const QPoint centre = layout_.target.centre;
        EXPECT_EQ(centre,
                  QPoint(geometry_.drawX(c.where.x() * 100), geometry_.drawY(c.where.y() * 100)));
        const int ring = int(0.65 * r * kDiagonal);
        const int middle = int(0.3 * r * kDiagonal);
        EXPECT_TRUE(near(image.pixelColor(centre + QPoint(ring, ring)), Qt::white));
        EXPECT_TRUE(
            near(image.pixelColor(centre + QPoint(middle, middle)), colour(doc_->fields().Ice)));
        EXPECT_TRUE(near(image.pixelColor(centre + QPoint(int(0.65 * r), 0)), Qt::black));
        EXPECT_TRUE(near(at(image, 5.0, 15.0), colour(doc_->fields().Dark))); // team 1 delivers
    }
    doc_->game().Ends[0].FirstThrowerFlag = 1;
    EXPECT_TRUE(near(at(render(), 5.0, 15.0), colour(doc_->fields().Light)));
    positions_.target = {4095, 0};
    doc_->fields().ShowBroom = 0;
    const QImage image = render();
    EXPECT_FALSE(layout_.target.drawn);
    EXPECT_TRUE(near(at(image, 5.0, 15.0), colour(doc_->fields().Ice)));
}

TEST_F(HousePainterTest, SponsorAreas)
{
    struct Case
    {
        HouseSponsors sponsors;
        std::vector<std::pair<double, bool>> samples; // x in feet at y 16: grey?
    };
    const Case cases[] = {
        {{150, -30, 0, 0}, {{4.4, false}, {4.6, true}, {10.4, true}, {10.6, false}}},
        {{150, 20, 0, 0},
         {{1.9, false},
          {2.1, true},
          {3.9, true},
          {4.1, false},
          {6.0, false},
          {11.1, true},
          {12.9, true},
          {13.1, false}}},
        {{0, 0, 150, 20}, {{2.1, true}, {6.0, false}, {12.9, true}}},
        // area 2 is always two rectangles, even with a negative width
        {{0, 0, 150, -30}, {{1.0, true}, {2.1, false}, {7.0, false}, {14.0, true}}},
    };
    for (const Case& c : cases) {
        sponsors_ = c.sponsors;
        const QImage image = render();
        for (const auto& [x, grey] : c.samples)
            EXPECT_EQ(near(at(image, x, 16.0), QColor(240, 240, 240), 0), grey)
                << c.sponsors.Sponsor1W << " " << x;
    }
    // Not printed.
    sponsors_ = {150, -30, 0, 0};
    EXPECT_TRUE(near(at(render(HouseOutput::Print), 6.0, 16.0), Qt::white));
}

TEST_F(HousePainterTest, MarksReplaceTheStones)
{
    positions_.current[3] = {1200, 2000};
    marks_ = {{{750, 1500}, 0, 2}, {{1000, 1500}, 1, 0}, {{4095, 0}, 0, 4}};
    const QImage image = render(HouseOutput::ExportMarks);
    const double r = geometry_.stoneRadius();
    const QPoint first = geometry_.toDrawing({750, 1500}, false);
    const QPoint second = geometry_.toDrawing({1000, 1500}, false);
    EXPECT_TRUE(near(image.pixelColor(first + QPoint(3, 3)), colour(doc_->fields().Dark)));
    EXPECT_TRUE(near(image.pixelColor(first + QPoint(int(0.75 * r), 0)), QColor(64, 64, 64)));
    EXPECT_TRUE(near(image.pixelColor(second + QPoint(int(0.5 * r), 0)), QColor(128, 128, 128)));
    EXPECT_TRUE(near(at(image, 12.0, 20.0), colour(doc_->fields().Ice))); // no stone
    EXPECT_FALSE(layout_.stones[3].drawn);
}

TEST_F(HousePainterTest, RotatedDisplayTurnsTheDrawing)
{
    positions_.current[3] = {400, 1800};
    const QImage image = render(HouseOutput::Screen, true);
    ASSERT_EQ(image.size(), QSize(kHeight, kWidth));
    const QPoint c = layout_.stones[3].centre; // drawing (X, Y) is put out at (Y, H − X)
    EXPECT_TRUE(near(image.pixelColor(c.y(), kWidth - c.x()), colour(doc_->fields().Dark)));
    // The house is at the left: the button at device x 320.
    EXPECT_TRUE(near(image.pixelColor(320 + 8, 300 - 8), colour(doc_->fields().Tee), 40));
}

TEST_F(HousePainterTest, TitleLineOnWhiteAtTheTopLeft)
{
    loadLanguage(QStringLiteral("ENG"));
    CGame& game = doc_->game();
    game.Teams[0].Text = QStringLiteral("Alpha");
    game.Teams[1].Text = QStringLiteral("Beta");
    game.CurrentEnd = 2;
    game.CurrentOrder = 1;
    game.CurrentPlayer = 1;
    EXPECT_EQ(houseTitle(game),
              QStringLiteral("Alpha - Beta: End 3, Stone 6       HAVRIK Coach Tool"));

    title_ = houseTitle(game);
    const QImage image = render(HouseOutput::ExportStones);
    int dark = 0, white = 0;
    for (int y = 5; y < 15; ++y)
        for (int x = 8; x < 60; ++x) {
            const QColor c = image.pixelColor(x, y);
            dark += c.lightness() < 100 ? 1 : 0;
            white += c == Qt::white ? 1 : 0;
        }
    EXPECT_GT(dark, 10);
    EXPECT_GT(white, 100);
}

TEST_F(HousePainterTest, ColourCommandsSetTheElementsColour)
{
    struct Case
    {
        ColourElement element;
        QColor current;
        ColourCommand command;
        QColor expected;
    };
    const Case cases[] = {
        {ColourElement::Dark, {1, 2, 3}, ColourCommand::Red, {255, 0, 0}},
        {ColourElement::Feet6, {1, 2, 3}, ColourCommand::Red, {255, 200, 200}},
        {ColourElement::Light, {1, 2, 3}, ColourCommand::Blue, {0, 0, 255}},
        {ColourElement::Ice, {1, 2, 3}, ColourCommand::Blue, {200, 200, 255}},
        {ColourElement::Dark, {1, 2, 3}, ColourCommand::Black, {0, 0, 0}},
        {ColourElement::Lines, {1, 2, 3}, ColourCommand::Black, {200, 200, 200}},
        {ColourElement::Light, {1, 2, 3}, ColourCommand::Green, {0, 180, 0}},
        {ColourElement::Tee, {1, 2, 3}, ColourCommand::Green, {200, 255, 200}},
        {ColourElement::Dark, {1, 2, 3}, ColourCommand::White, {255, 255, 255}},
        {ColourElement::Feet2, {1, 2, 3}, ColourCommand::Yellow, {255, 255, 200}},
        {ColourElement::Light, {1, 2, 3}, ColourCommand::Yellow, {255, 255, 0}},
        {ColourElement::Ice, {10, 100, 250}, ColourCommand::Darker, {0, 84, 234}},
        {ColourElement::Dark, {250, 100, 5}, ColourCommand::Lighter, {255, 116, 21}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(toQColor(commandColour(fromQColor(c.current), c.element, c.command)), c.expected)
            << int(c.element) << " " << int(c.command);
}

TEST_F(HousePainterTest, ColourChangesMarkTheDocumentAndRefreshTheViews)
{
    QSignalSpy house(doc_.get(), &CTALVStatsDoc::houseViewsChanged);
    QSignalSpy all(doc_.get(), &CTALVStatsDoc::viewsToRefresh);
    DocumentFields& f = doc_->fields();

    applyColourCommand(*doc_, ColourElement::Feet4, ColourCommand::Green);
    EXPECT_EQ(f.Feet4, rgbColour(200, 255, 200));
    EXPECT_TRUE(doc_->IsModified());
    EXPECT_EQ(house.count(), 1);
    EXPECT_EQ(all.count(), 0);

    doc_->SetModifiedFlag(false);
    setChosenColour(*doc_, ColourElement::Light, QColor(1, 2, 3));
    EXPECT_EQ(f.Light, rgbColour(1, 2, 3));
    EXPECT_TRUE(doc_->IsModified());
    EXPECT_EQ(all.count(), 1); // the shot-entry form shows the stone colours

    doc_->SetModifiedFlag(false);
    swapRingColours(*doc_);
    EXPECT_EQ(f.Feet6, rgbColour(200, 0, 0));
    EXPECT_EQ(f.Feet2, rgbColour(0, 0, 200));
    EXPECT_TRUE(doc_->IsModified());

    doc_->SetModifiedFlag(false);
    resetHouseColours(*doc_);
    const DocumentFields defaults;
    EXPECT_EQ(f.Ice, defaults.Ice);
    EXPECT_EQ(f.IceAlert, defaults.IceAlert);
    EXPECT_EQ(f.Lines, defaults.Lines);
    EXPECT_EQ(f.Feet6, defaults.Feet6);
    EXPECT_EQ(f.Feet4, defaults.Feet4);
    EXPECT_EQ(f.Feet2, defaults.Feet2);
    EXPECT_EQ(f.Tee, defaults.Tee);
    EXPECT_EQ(f.Light, rgbColour(1, 2, 3)); // stone colours are not house colours
    EXPECT_TRUE(doc_->IsModified());
}

TEST_F(HousePainterTest, ColourCommandFindsTheElementUnderThePointer)
{
    const CHouseGeometry g(kWidth, kHeight, false, 100);
    const auto feet = [&g](double x, double y) {
        return QPoint(g.drawX(x * 100), g.drawY(y * 100));
    };
    struct Case
    {
        const char* what;
        int direction, review;
        QPoint point;
        int hit;
        ColourElement expected;
    };
    const double d = kDiagonal;
    const Case cases[] = {
        {"stone of team 1", 0, 0, feet(3, 20), 3, ColourElement::Dark},
        {"waiting stone of team 2", 0, 0, feet(3, 20), 58, ColourElement::Light},
        {"button", 0, 0, feet(7.5, 8), -1, ColourElement::Tee},
        {"4-ft", 0, 0, feet(7.5 + 1.5 * d, 8 + 1.5 * d), -1, ColourElement::Feet2},
        {"8-ft", 0, 0, feet(7.5 + 3 * d, 8 + 3 * d), -1, ColourElement::Feet4},
        {"12-ft", 0, 0, feet(7.5 + 5 * d, 8 + 5 * d), -1, ColourElement::Feet6},
        {"target over the house", 0, 0, feet(7.5 + 5 * d, 8 + 5 * d), 98, ColourElement::Feet6},
        {"centre line", 0, 0, feet(7.65, 20), -1, ColourElement::Lines},
        {"hog line", 0, 0, feet(3, 29), -1, ColourElement::Lines},
        {"ice", 0, 0, feet(3, 20), -1, ColourElement::Ice},
        {"ice in review", 0, 1, feet(3, 20), -1, ColourElement::IceAlert},
        {"mirrored 4-ft", 1, 0, feet(7.5 - 1.5 * d, 22 - 1.5 * d), -1, ColourElement::Feet2},
        {"mirrored back line", 1, 0, feet(3, 28), -1, ColourElement::Lines},
        {"mirrored: the top is ice", 1, 0, feet(7.5 + 1.5 * d, 8 + 1.5 * d), -1,
         ColourElement::Ice},
    };
    for (const Case& c : cases) {
        doc_->game().SheetDirection = c.direction;
        doc_->game().ReviewMode = c.review;
        EXPECT_EQ(colourElementAt(doc_->game(), g, 100, c.point, c.hit), c.expected) << c.what;
    }
}
