#include "core/house/HouseGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(HouseGeometry, ScaleAndOffsetFollowTheLongerSideOfTheWindow)
{
    struct Case
    {
        int width, height;
        bool rotated;
        double scale;
        int offset;
    };
    const Case cases[] = {
        {500, 900, false, 30.0, 25},      // taller than wide but under 2:1: centred across
        {300, 900, false, 20.0, 0},       // 1:3: the width decides
        {400, 800, false, 400 / 15.0, 0}, // exactly 2:1 counts as too tall
        {900, 500, true, 30.0, 25},       // rotated: the length runs along the width
        {900, 300, true, 20.0, 0},
    };
    for (const Case& c : cases) {
        const CHouseGeometry g(c.width, c.height, c.rotated, 100);
        EXPECT_DOUBLE_EQ(g.scale(), c.scale) << c.width << "x" << c.height;
        EXPECT_EQ(g.offset(), c.offset) << c.width << "x" << c.height;
        EXPECT_NEAR(g.stoneRadius(), 27.9 * c.scale / 61.0, 1e-9);
    }
}

TEST(HouseGeometry, SheetPositionsMapToPixelsAndBackInBothDirections)
{
    const CHouseGeometry g(500, 900, false, 100); // s = 30, offset 25, r = 13.72
    // The button: X = 750 × 0.3 + 0.5 + 25 = 250, Y = 240.
    EXPECT_EQ(g.toDrawing({750, 800}, false), QPoint(250, 240));
    EXPECT_EQ(g.topLeftOf({750, 800}, false), QPoint(236, 226));
    // Mirrored, (300, 2600) is drawn where (1200, 400) is.
    EXPECT_EQ(g.toDrawing({300, 2600}, true), g.toDrawing({1200, 400}, false));
    // Reading back truncates: (236 + 13.72 − 25) × 100 / 30 = 749.07.
    EXPECT_EQ(g.fromTopLeft({236, 226}, false), (SheetPoint{749, 799}));
    EXPECT_EQ(g.fromTopLeft({236, 226}, true), (SheetPoint{1500 - 749, 3000 - 799}));
}

TEST(HouseGeometry, RotatedDisplayTurnsDevicePointsBack)
{
    const CHouseGeometry g(900, 500, true, 100);
    // Device (Y, H − X) of drawing (X, Y).
    EXPECT_EQ(g.deviceToDrawing({240, 500 - 250}), QPoint(250, 240));
    const QPointF tl(236, 226);
    EXPECT_EQ(g.deviceTopLeftToDrawing(g.drawingTopLeftToDevice(tl)), tl);
    EXPECT_NEAR(g.drawingTopLeftToDevice(tl).y(), 500 - 236 - 2 * g.stoneRadius(), 1e-9);
}

TEST(HouseGeometry, StoneAndTeeSizesFromThePreferences)
{
    EXPECT_NEAR((HouseSizes{100, 100}.stoneRadiusUnits()), 45.74, 0.01);
    EXPECT_NEAR((HouseSizes{110, 100}.stoneRadiusUnits()), 50.31, 0.01);
    EXPECT_NEAR((HouseSizes{100, 175}.teeRadiusUnits()), 100.0, 1e-9);
}

TEST(HouseGeometry, PushingClearFollowsTheIntegerPushRule)
{
    struct Case
    {
        const char* what;
        QPoint moving;
        std::vector<QPoint> others;
        QPoint expected;
    };
    const Case cases[] = {
        {"clear already", {40, 0}, {{0, 0}}, {40, 0}},
        {"just touching is no overlap", {27, 0}, {{0, 0}}, {27, 0}},
        // q = 100, k = 730 / 100 = 7: ⌊√700 + 1.5⌋ = 27 and ⌊0 + 1.5⌋ = 1
        {"one push to the right", {10, 0}, {{0, 0}}, {27, 1}},
        {"same spot: pushed by (d, d)", {5, 5}, {{5, 5}}, {32, 32}},
        // round 1 (−25, −8) still overlaps; round 2 with k = 1 clears
        {"left and above: two rounds", {-10, -3}, {{0, 0}}, {-26, -9}},
        // round 3 doubles the horizontal push into the second stone, round 4
        // pushes off that one with factor 2
        {"caught between two", {20, 0}, {{0, 0}, {40, 0}}, {90, 13}},
        {"the moving stone's own place is not in the list", {5, 5}, {}, {5, 5}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pushClear(c.moving, c.others, 27), c.expected) << c.what;
}

TEST(HouseGeometry, PushingStopsAfterNineteenRounds)
{
    // Seven rows of stones 20 px apart: no place within reach is clear, so the
    // result is that of round 19 (round 18 gives (1006, 57), round 20 (1190, 66)).
    std::vector<QPoint> field;
    for (int y = -60; y <= 60; y += 20)
        for (int x = -2000; x <= 2000; x += 20)
            field.push_back({x, y});
    EXPECT_EQ(pushClear({3, 2}, field, 27), QPoint(1090, 65));
}
