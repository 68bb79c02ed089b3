#include "core/house/HouseController.h"

#include "core/base/SettingsKeys.h"
#include "core/files/Document.h"

#include "support/TestSettings.h"

#include <memory>

namespace {

// 500 × 900: s = 30 px/ft, offset 25, r = 13.72, hit diameter 27.94, d = 27.
// A stone picked up by double-click (grab 14, 14) and released at P has its
// top-left at P − (15, 14), so it is stored at
// x = ⌊(P.x − 26.28) × 10 / 3⌋, y = ⌊(P.y − 0.28) × 10 / 3⌋.
constexpr int kWidth = 500, kHeight = 900;

} // namespace

class HouseControllerTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        doc_ = std::make_unique<CTALVStatsDoc>();
        house_ = std::make_unique<CHouseController>(*doc_);
        house_->setGeometry(CHouseGeometry(kWidth, kHeight, false, 100));
    }

    CGame& game() { return doc_->game(); }
    SheetPoint& at(int i) { return house_->positions().current[std::size_t(i)]; }
    void place(int i, SheetPoint p)
    {
        at(i) = p;
        house_->relayout();
    }
    QPoint centreOf(int i) const { return house_->layout().stones[std::size_t(i)].centre; }
    // Picks up the stone being recorded and drops it with the pointer at p.
    SheetPoint dropCurrentAt(QPoint p)
    {
        house_->doubleClickAt(p, Qt::LeftButton);
        house_->releaseAt(p);
        return at(game().StoneSlot());
    }

    std::unique_ptr<CTALVStatsDoc> doc_;
    std::unique_ptr<CHouseController> house_;
};

TEST_F(HouseControllerTest, DroppedStonesOutsideTheLimitsGoOutOfPlay)
{
    struct Case
    {
        QPoint pointer;
        SheetPoint expected;
    };
    const SheetPoint out{4095, 0};
    const Case cases[] = {
        {{250, 45}, out},        // centre at y 150, behind the back line: y 149
        {{250, 46}, out},        // y 152
        {{250, 47}, {745, 155}}, // y 155 is the first kept
        {{39, 400}, out},        // x 42
        {{40, 400}, {45, 1332}}, // x 45
        {{463, 400}, {1455, 1332}}, {{464, 400}, out}, // x 1459
        {{250, 887}, {745, 2955}},  {{250, 888}, out}, // y 2959
    };
    for (const Case& c : cases) {
        house_->load();
        EXPECT_EQ(dropCurrentAt(c.pointer), c.expected) << c.pointer.x() << "," << c.pointer.y();
        EXPECT_EQ(house_->dragState(), 0);
    }
}

TEST_F(HouseControllerTest, MirroredSheetStoresTheUnmirroredPosition)
{
    game().SheetDirection = 1;
    house_->load();
    // Near the window's top-left: (112, 332) drawn, (1388, 2668) stored.
    EXPECT_EQ(dropCurrentAt({60, 100}), (SheetPoint{1388, 2668}));
    // Drawn where it was dropped.
    EXPECT_EQ(centreOf(0), QPoint(60 - 1, 100));
}

TEST_F(HouseControllerTest, RotatedDisplayDropsWhereThePointerIs)
{
    house_->setGeometry(CHouseGeometry(kHeight, kWidth, true, 100));
    house_->load();
    // Device (Y, H − X) of the button's drawing point (250, 240).
    const SheetPoint p = dropCurrentAt({240, kWidth - 250});
    // Within the truncation of the conversion and the drop's one pixel.
    EXPECT_NEAR(p.x, 750, 7);
    EXPECT_NEAR(p.y, 800, 7);
}

TEST_F(HouseControllerTest, TwoStonesOnOneSpotEndUpApart)
{
    // One pixel beside the other stone it is pushed until touching; on exactly
    // the same top-left it is pushed by (d, d).
    struct Case
    {
        QPoint pointerOffset;
        int minQ, maxQ;
    };
    const Case cases[] = {{{0, 0}, 27 * 27, 29 * 29}, {{1, 0}, 2 * 27 * 27, 2 * 27 * 27}};
    for (const Case& c : cases) {
        house_->load();
        place(8, {750, 800});
        const SheetPoint p = dropCurrentAt(centreOf(8) + c.pointerOffset);
        ASSERT_TRUE(Sheet::isOnSheet(p));
        const QPoint d = house_->layout().stones[0].topLeft - house_->layout().stones[8].topLeft;
        const int q = d.x() * d.x() + d.y() * d.y();
        EXPECT_GE(q, c.minQ) << c.pointerOffset.x();
        EXPECT_LE(q, c.maxQ) << c.pointerOffset.x();
    }
}

TEST_F(HouseControllerTest, DroppedIntoAClusterTheStoneLandsClearOfAll)
{
    const SheetPoint cluster[] = {{750, 800}, {660, 800}, {840, 800}, {750, 710}, {750, 890}};
    for (int i = 0; i < 5; ++i)
        at(8 + i) = cluster[i];
    house_->relayout();
    dropCurrentAt(centreOf(8) + QPoint(1, 0));
    const QPoint moved = house_->layout().stones[0].topLeft;
    for (int i = 8; i < 13; ++i) {
        const QPoint d = moved - house_->layout().stones[std::size_t(i)].topLeft;
        EXPECT_GE(d.x() * d.x() + d.y() * d.y(), 27 * 27) << i;
    }
}

TEST_F(HouseControllerTest, TargetAndBroomDropRules)
{
    doc_->fields().ShowTarget = 1;
    doc_->fields().ShowBroom = 1;
    Settings::write(Key::Options::ResetTargetPosition, 0);
    struct Case
    {
        int element;
        QPoint pointer;
        SheetPoint expected;
    };
    // Both parked at x 0.5 ft, drawn at X 40: pressed there, grab (14, 14).
    const Case cases[] = {
        {HouseSelection::Target, {250, 10}, {745, 150}}, // y raised to 150
        {HouseSelection::Target, {39, 400}, {4095, 0}},
        {HouseSelection::Target, {250, 888}, {4095, 0}},
        {HouseSelection::Target, {250, 600}, {745, 1999}},
        {HouseSelection::BroomOrNothing, {0, 0}, {22, 150}}, // clamped, never out of play
        {HouseSelection::BroomOrNothing, {499, 899}, {1478, 2957}},
        {HouseSelection::BroomOrNothing, {250, 600}, {745, 1999}},
    };
    for (const Case& c : cases) {
        house_->positions().target = {};
        house_->positions().broom = {};
        house_->relayout();
        const PlacedElement& e =
            c.element == HouseSelection::Target ? house_->layout().target : house_->layout().broom;
        ASSERT_TRUE(e.drawn);
        EXPECT_EQ(house_->pressAt(e.centre), HouseChange::Redraw);
        EXPECT_EQ(house_->selected(), c.element);
        EXPECT_EQ(house_->releaseAt(c.pointer),
                  HouseChange::Redraw | HouseChange::PositionsChanged);
        const SheetPoint got = c.element == HouseSelection::Target ? house_->positions().target
                                                                   : house_->positions().broom;
        EXPECT_EQ(got, c.expected) << c.element << " " << c.pointer.x() << "," << c.pointer.y();
    }
}

TEST_F(HouseControllerTest, HitTestingOrderTargetAndBroomRules)
{
    doc_->fields().ShowTarget = 1;
    doc_->fields().ShowBroom = 1;
    // Stones 1 and 8 overlap at one spot; 8 comes first (order 0, 8, 1, 9, …).
    at(1) = {600, 1500};
    at(8) = {630, 1500};
    at(2) = {900, 1500};
    house_->positions().target = {900, 1500}; // on stone 2
    house_->positions().broom = {400, 2000};
    house_->relayout();
    const double r = house_->geometry().stoneRadius();
    const QPoint target = house_->layout().target.centre;
    const QPoint broom = house_->layout().broom.centre;
    struct Case
    {
        const char* what;
        QPoint point;
        int expected;
    };
    const Case cases[] = {
        {"overlap of 1 and 8", (centreOf(1) + centreOf(8)) / 2, 8},
        {"only stone 1", centreOf(1) - QPoint(int(r) - 1, 0), 1},
        {"target's middle over a stone", target + QPoint(int(0.4 * r), 0), 2},
        {"target's ring over a stone", target + QPoint(int(0.5 * r) + 1, 0),
         HouseSelection::Target},
        {"broom", broom + QPoint(0, int(0.7 * r)), HouseSelection::BroomOrNothing},
        {"beside the broom", broom + QPoint(int(0.4 * r), 0), -1},
        {"waiting stone", house_->layout().stones[12].centre, HouseSelection::WaitingStone + 12},
        {"empty ice", {250, 600}, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(house_->hitTest(c.point), c.expected) << c.what;

    // Without the target the stone under it is picked.
    doc_->fields().ShowTarget = 0;
    house_->relayout();
    EXPECT_EQ(house_->hitTest(target + QPoint(int(0.5 * r) + 1, 0)), 2);
}

TEST_F(HouseControllerTest, PointerIgnoredWithoutGraphics)
{
    doc_->ShowGraphics = 0;
    at(3) = {750, 800};
    house_->relayout();
    EXPECT_EQ(house_->pressAt(centreOf(3)), HouseChange::None);
    EXPECT_EQ(house_->dragState(), 0);
    EXPECT_EQ(house_->doubleClickAt(centreOf(3), Qt::RightButton), HouseChange::None);
    EXPECT_EQ(at(3), (SheetPoint{750, 800}));
}

TEST_F(HouseControllerTest, MiddleButtonOrScrollLockKeepsTheStoneFollowing)
{
    place(3, {750, 800});
    house_->pressAt(centreOf(3));
    EXPECT_EQ(house_->releaseAt({100, 500}, {true, false}), HouseChange::Redraw);
    EXPECT_EQ(house_->dragState(), 1);
    house_->pressAt({100, 500}, {false, true});
    EXPECT_EQ(house_->dragState(), 2);
    house_->moveTo({300, 500});
    ASSERT_TRUE(house_->dragOutline().has_value());
    EXPECT_EQ(house_->dragOutline()->center().toPoint(), QPoint(300, 500));
    house_->releaseAt({300, 500});
    EXPECT_EQ(house_->dragState(), 0);
    EXPECT_NEAR(at(3).x, (300 - 25) * 10 / 3, 4);
    EXPECT_FALSE(house_->dragOutline().has_value());
}

TEST_F(HouseControllerTest, RightDoubleClickPutsAStoneOutOfPlay)
{
    place(9, {700, 700});
    EXPECT_EQ(house_->doubleClickAt(centreOf(9), Qt::RightButton),
              HouseChange::Redraw | HouseChange::PositionsChanged);
    EXPECT_EQ(at(9), (SheetPoint{4095, 4095}));
    // Out of play it sits in team 2's row along the top edge (k = 7).
    EXPECT_EQ(centreOf(9).y(), house_->geometry().drawY(50));
    EXPECT_EQ(centreOf(9).x(), house_->geometry().drawX((7.5 + 0.75 + 7 * 0.88) * 100));
}

TEST_F(HouseControllerTest, WheelAndNudgeMovesAreClampedToTheSheet)
{
    struct Case
    {
        const char* what;
        SheetPoint start;
        int delta;
        Qt::KeyboardModifiers modifiers;
        SheetPoint expected;
    };
    const Case cases[] = {
        {"right to the edge", {1450, 1500}, 360, Qt::ControlModifier, {1457, 1500}},
        {"left to the edge", {50, 1500}, -360, Qt::ControlModifier, {43, 1500}},
        {"down to the hog line end", {1000, 2950}, -360, Qt::ShiftModifier, {1000, 2957}},
        {"up over the back line", {745, 160}, 360, Qt::ShiftModifier, {4095, 0}},
        {"no modifier: nothing", {745, 1500}, 120, Qt::NoModifier, {745, 1500}},
        // stone 12 touches it on the right: pushed back by (27, 1) px
        {"into a neighbour", {1000, 1500}, 120, Qt::ControlModifier, {999, 1502}},
    };
    at(12) = {1090, 1500};
    for (const Case& c : cases) {
        place(4, c.start);
        house_->pressAt(centreOf(4));
        house_->releaseAt(centreOf(4)); // selects it; a drop may move it slightly
        place(4, c.start);
        house_->wheel(c.delta, c.modifiers);
        EXPECT_EQ(at(4), c.expected) << c.what;
    }
}

TEST_F(HouseControllerTest, EveryNudgeMovesTheStoneAlsoMirroredAndAtLargeScales)
{
    // Normal scale (a pixel is 3.3 units) and a huge window (a pixel is half a
    // unit, so a one-pixel move may be lost to the truncation).
    const CHouseGeometry geometries[] = {CHouseGeometry(kWidth, kHeight, false, 100),
                                         CHouseGeometry(4000, 6000, false, 100)};
    struct Step
    {
        NudgeDirection direction;
        int dx, dy; // expected sign of the move as drawn
    };
    const Step steps[] = {{NudgeDirection::Left, -1, 0},
                          {NudgeDirection::Right, 1, 0},
                          {NudgeDirection::Up, 0, -1},
                          {NudgeDirection::Down, 0, 1}};
    for (const CHouseGeometry& g : geometries) {
        house_->setGeometry(g);
        for (const int direction : {0, 1}) {
            game().SheetDirection = direction;
            for (const Step& step : steps) {
                place(5, {750, 1500});
                house_->pressAt(centreOf(5));
                house_->releaseAt(centreOf(5));
                place(5, {750, 1500});
                SheetPoint drawn{750, 1500};
                for (int i = 0; i < 4; ++i) {
                    house_->nudge(step.direction);
                    const SheetPoint now = direction == 0 ? at(5) : Sheet::mirrored(at(5));
                    const int moveX = now.x - drawn.x, moveY = now.y - drawn.y;
                    EXPECT_TRUE(step.dx == 0 ? moveX == 0 : moveX * step.dx > 0)
                        << g.scale() << " " << direction << " " << int(step.direction);
                    EXPECT_TRUE(step.dy == 0 ? moveY == 0 : moveY * step.dy > 0)
                        << g.scale() << " " << direction << " " << int(step.direction);
                    drawn = now;
                }
            }
        }
    }
}

TEST_F(HouseControllerTest, NudgeIgnoredDuringADragAndForStonesOutOfPlay)
{
    place(6, {750, 1500});
    house_->pressAt(centreOf(6));
    EXPECT_EQ(house_->nudge(NudgeDirection::Right), HouseChange::None); // dragging
    house_->releaseAt(centreOf(6));
    const SheetPoint dropped = at(6);
    EXPECT_NE(house_->nudge(NudgeDirection::Up), HouseChange::None);
    EXPECT_LT(at(6).y, dropped.y);
    place(6, {4095, 4095});
    EXPECT_EQ(house_->nudge(NudgeDirection::Right), HouseChange::None);
    EXPECT_EQ(at(6), (SheetPoint{4095, 4095}));
}

TEST_F(HouseControllerTest, LoadingParksTheTargetUnlessAskedNotTo)
{
    game().currentStone().Positions[CStone::TargetPair] = {700, 900};
    game().currentStone().Positions[CStone::BroomPair] = {600, 1000};
    for (const int reset : {1, 0}) {
        Settings::write(Key::Options::ResetTargetPosition, reset);
        house_->load();
        EXPECT_EQ(house_->positions().target, (SheetPoint{reset ? 0 : 700, 900})) << reset;
        EXPECT_EQ(house_->positions().broom, (SheetPoint{600, 1000}));
    }
}

TEST_F(HouseControllerTest, CommitStoresPositionsAndHiddenMarkersOutOfPlay)
{
    struct Case
    {
        int task, points, showBroom, showTarget;
        SheetPoint own, broom, target;
    };
    const Case cases[] = {
        {2, 3, 1, 1, {4095, 4095}, {600, 1000}, {700, 900}}, // judged but never placed
        {2, -1, 0, 1, {0, 0}, {4095, 1000}, {700, 900}},
        {-1, 3, 1, 0, {0, 0}, {600, 1000}, {4095, 900}},
    };
    for (const Case& c : cases) {
        CStone& stone = game().currentStone();
        stone.Task = c.task;
        stone.Points = c.points;
        doc_->fields().ShowBroom = c.showBroom;
        doc_->fields().ShowTarget = c.showTarget;
        house_->load();
        at(0) = {};
        at(5) = {800, 800};
        house_->positions().broom = {600, 1000};
        house_->positions().target = {700, 900};
        house_->commit();
        EXPECT_EQ(stone.Positions[0], c.own);
        EXPECT_EQ(stone.Positions[5], (SheetPoint{800, 800}));
        EXPECT_EQ(stone.Positions[CStone::BroomPair], c.broom);
        EXPECT_EQ(stone.Positions[CStone::TargetPair], c.target);
        EXPECT_EQ(house_->positions().previous, house_->positions().current);
    }
    CStone& stone = game().currentStone();
    stone.TaskName = QStringLiteral("Draw");
    stone.HandleName = QStringLiteral("In");
    stone.PointsName = QStringLiteral("3");
    EXPECT_EQ(house_->caption(), QStringLiteral("Draw\nIn\n3"));
}

TEST_F(HouseControllerTest, PreviousPositionsInAndOutOfReview)
{
    CEnd& end = game().Ends[0];
    end.Stones[0].Positions[3] = {700, 700}; // after the first stone (order 0)
    end.Stones[8].Positions[3] = {710, 710}; // after the second (order 1)
    game().GotoPosition(0, 1, 0);
    game().ReviewMode = 1;
    house_->load();
    EXPECT_EQ(house_->positions().previous[3], (SheetPoint{700, 700}));
    EXPECT_EQ(house_->positions().current[3], (SheetPoint{710, 710}));

    // At the first stone of an end both are the stone's own.
    game().GotoPosition(0, 0, 0);
    house_->load();
    EXPECT_EQ(house_->positions().previous[3], (SheetPoint{700, 700}));

    // Outside review the previous positions are those of the last commit.
    game().ReviewMode = 0;
    house_->load();
    at(3) = {720, 720};
    house_->commit();
    game().GotoPosition(0, 1, 0);
    house_->load();
    EXPECT_EQ(house_->positions().previous[3], (SheetPoint{720, 720}));
}

TEST_F(HouseControllerTest, ReviewCorrectionIsCarriedOnlyToStonesThatDidNotMove)
{
    // Delivery order of end 0 (team 1 first): records 0, 8, 1, 9, 2, 10, 3, …
    CEnd& end = game().Ends[0];
    const SheetPoint a{600, 600}, b{900, 900}, bMoved{950, 950};
    for (const int record : {1, 9, 2, 10, 3, 11, 4}) {
        end.Stones[std::size_t(record)].Positions[0] = a;
        end.Stones[std::size_t(record)].Positions[8] = b;
        end.Stones[std::size_t(record)].ValidFlag = 0;
    }
    end.Stones[2].Positions[8] = bMoved; // stone 8 was hit by the fifth stone
    end.Stones[10].Positions[8] = bMoved;
    game().setRecordingPosition({0, 1, 1, 0}); // limit: stone index 3
    game().ReviewMode = 1;
    game().GotoPosition(0, 0, 1); // the third stone (record 1)
    house_->load();
    at(0) = {610, 610};
    at(8) = {890, 890};
    house_->commit();

    EXPECT_EQ(end.Stones[1].Positions[0], (SheetPoint{610, 610}));
    for (const int record : {9, 2, 10, 3}) {
        const CStone& s = end.Stones[std::size_t(record)];
        EXPECT_EQ(s.Positions[0], (SheetPoint{610, 610})) << record;
        EXPECT_EQ(s.ValidFlag, 1) << record;
    }
    EXPECT_EQ(end.Stones[9].Positions[8], (SheetPoint{890, 890}));
    EXPECT_EQ(end.Stones[2].Positions[8], bMoved); // moved in between: kept
    EXPECT_EQ(end.Stones[10].Positions[8], bMoved);
    // Stone index 3 of order 1 is still within the limit; index 4 is not.
    EXPECT_EQ(end.Stones[11].Positions[0], (SheetPoint{610, 610}));
    EXPECT_EQ(end.Stones[4].Positions[0], a);
    EXPECT_EQ(end.Stones[4].ValidFlag, 0);
}

TEST_F(HouseControllerTest, MenuGoesToTheShotThatLastMovedAStone)
{
    CEnd& end = game().Ends[0];
    // Stone record 9 lies at p after its own delivery (sequence 3); stone
    // record 0 was moved to q by the fifth stone (record 2).
    const SheetPoint p{700, 1000}, q{800, 700};
    const int sequence[] = {0, 8, 1, 9, 2, 10};
    for (int k = 0; k < 6; ++k) {
        CStone& s = end.Stones[std::size_t(sequence[k])];
        s.Positions[0] = k < 4 ? SheetPoint{750, 800} : q;
        if (k >= 3)
            s.Positions[9] = p;
    }
    game().setRecordingPosition({0, 1, 0, 1});
    game().GotoPosition(0, 1, 2); // record 10, the sixth stone
    house_->load();

    house_->openMenuAt(centreOf(0));
    EXPECT_EQ(house_->menuGotoLastMove(), HouseChange::Redraw | HouseChange::PositionMoved);
    EXPECT_EQ(game().currentPosition(), (GamePosition{0, 1, 0, 0})); // the fifth stone

    game().GotoPosition(0, 1, 2);
    house_->load();
    house_->openMenuAt(centreOf(9));
    house_->menuGotoLastMove();
    EXPECT_EQ(game().currentPosition(), (GamePosition{0, 0, 1, 1})); // its own delivery

    // The stone being recorded has no such item.
    game().GotoPosition(0, 1, 2);
    house_->load();
    place(10, {750, 1200});
    const auto menu = house_->openMenuAt(centreOf(10));
    EXPECT_FALSE(menu.goBackEnabled);
    EXPECT_EQ(house_->menuGotoLastMove(), HouseChange::None);
}

TEST_F(HouseControllerTest, MenuStateAndDelivery)
{
    place(9, {700, 1000});
    // Nothing recorded yet: item 2 disabled.
    auto menu = house_->openMenuAt(centreOf(9));
    EXPECT_TRUE(menu.positional);
    EXPECT_TRUE(menu.goBackEnabled);
    EXPECT_FALSE(menu.item2Enabled);
    // A waiting stone loses the positional items.
    menu = house_->openMenuAt(house_->layout().stones[12].centre);
    EXPECT_TRUE(menu.stone);
    EXPECT_FALSE(menu.positional);

    game().setRecordingPosition({0, 1, 1, 1});
    menu = house_->openMenuAt(centreOf(9));
    EXPECT_TRUE(menu.item2Enabled);
    EXPECT_EQ(house_->menuGotoDelivery(), HouseChange::Redraw | HouseChange::PositionMoved);
    EXPECT_EQ(game().currentPosition(), (GamePosition{0, 0, 1, 1})); // record 9: order 1, index 1

    // Team 2 delivers first: record 9 is delivered at order 0.
    game().Ends[0].FirstThrowerFlag = 1;
    house_->load();
    place(9, {700, 1000});
    house_->openMenuAt(centreOf(9));
    house_->menuGotoDelivery();
    EXPECT_EQ(game().currentPosition(), (GamePosition{0, 0, 1, 0}));

    EXPECT_FALSE(house_->openMenuAt({250, 600}).broomChecked);
    house_->menuToggleBroom();
    EXPECT_TRUE(house_->openMenuAt({250, 600}).broomChecked);
    EXPECT_FALSE(doc_->IsModified());
}

TEST_F(HouseControllerTest, MixedDoublesFirstPositionDisablesItemTwo)
{
    game().MixedDoubles = 1;
    game().setRecordingPosition({0, 1, 1, 0});
    place(5, {700, 1000});
    EXPECT_FALSE(house_->openMenuAt(centreOf(5)).item2Enabled);
    game().setRecordingPosition({0, 1, 1, 1});
    EXPECT_TRUE(house_->openMenuAt(centreOf(5)).item2Enabled);
}

TEST_F(HouseControllerTest, StoneSizeOutsideNinetyToHundredTenIsHundred)
{
    struct Case
    {
        int stored, used;
    };
    for (const Case c : {Case{89, 100}, Case{90, 90}, Case{110, 110}, Case{111, 100}}) {
        Settings::write(Key::Preferences::Stonesize, c.stored);
        EXPECT_EQ(HouseSizes::fromSettings().Stonesize, c.used) << c.stored;
    }
    Settings::write(Key::Preferences::Teesize, 150);
    EXPECT_EQ(HouseSizes::fromSettings().Teesize, 150);
}
