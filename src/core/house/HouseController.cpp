#include "HouseController.h"

#include "core/base/SettingsKeys.h"
#include "core/files/Document.h"

#include <algorithm>
#include <cmath>

namespace {

// Hit-test order: record 0 of slot 0, record 0 of slot 1, record 1 of slot 0, …
constexpr std::array<int, CEnd::StoneCount> kHitOrder = {0, 8,  1, 9,  2, 10, 3, 11,
                                                         4, 12, 5, 13, 6, 14, 7, 15};

// Drop and wheel limits in sheet units.
constexpr qint32 kStoneMinX = 43, kStoneMaxX = 1457, kStoneMaxY = 2957, kStoneMinY = 155;
constexpr qint32 kTargetMinY = 150;
constexpr qint32 kBroomMinX = 22, kBroomMaxX = 1478, kBroomMinY = 150, kBroomMaxY = 2957;

const SheetPoint kDroppedOut{SheetPoint::OutOfPlay, 0};
const SheetPoint kPutOut{SheetPoint::OutOfPlay, SheetPoint::OutOfPlay};

bool inCircle(QPoint p, QPointF topLeft, double diameter)
{
    const double half = diameter / 2.0;
    const double dx = p.x() - (topLeft.x() + half);
    const double dy = p.y() - (topLeft.y() + half);
    return dx * dx + dy * dy <= half * half;
}

} // namespace

std::vector<GamePosition> deliverySequence(const CGame& game, int end)
{
    std::vector<GamePosition> sequence;
    // A mixed-doubles end starts with player 1's second stone.
    const int first = game.isMixedDoubles() ? 3 : 0;
    for (int index = first; index < CEnd::StonesPerTeam; ++index)
        for (int order = 0; order < 2; ++order)
            sequence.push_back({end, index / 2, index % 2, order});
    return sequence;
}

int stoneRecordOf(const CGame& game, const GamePosition& p)
{
    const CEnd& end = game.Ends[std::size_t(std::clamp(p.End, 0, CGame::EndCount - 1))];
    const int slot = (p.Order ^ end.FirstThrowerFlag) & 1;
    return slot * CEnd::StonesPerTeam + p.Player * 2 + p.Stone;
}

CHouseController::CHouseController(CTALVStatsDoc& doc) : doc_(doc)
{
    load();
}

void CHouseController::setGeometry(const CHouseGeometry& geometry)
{
    geometry_ = geometry;
    relayout();
}

bool CHouseController::graphicsShown() const
{
    return doc_.ShowGraphics != 0;
}

bool CHouseController::mirrored() const
{
    return doc_.game().SheetDirection == 1;
}

void CHouseController::relayout()
{
    layout_ = layoutHouse(doc_.game(), doc_.fields(), positions_, geometry_, HouseOutput::Screen);
}

void CHouseController::load()
{
    const CGame& game = doc_.game();
    const CStone& stone = game.currentStone();
    std::copy_n(stone.Positions.begin(), CEnd::StoneCount, positions_.current.begin());
    if (game.ReviewMode != 0) {
        const auto sequence = deliverySequence(game, game.CurrentEnd);
        const auto at = std::find(sequence.begin(), sequence.end(), game.currentPosition());
        const CStone& before =
            at != sequence.end() && at != sequence.begin()
                ? game.currentEnd().Stones[std::size_t(stoneRecordOf(game, *std::prev(at)))]
                : stone;
        std::copy_n(before.Positions.begin(), CEnd::StoneCount, positions_.previous.begin());
    } else if (game.isFirstStoneOfEnd()) {
        positions_.previous = positions_.current;
    }
    positions_.broom = stone.Positions[CStone::BroomPair];
    positions_.target = stone.Positions[CStone::TargetPair];
    if (Settings::read(Key::Options::ResetTargetPosition) != 0)
        positions_.target.x = Sheet::NotPlaced; // each new stone starts with the target parked
    dragState_ = 0;
    relayout();
}

void CHouseController::commit()
{
    CGame& game = doc_.game();
    CStone& stone = game.currentStone();
    const int recorded = game.StoneSlot();
    SheetPoint& own = positions_.current[std::size_t(recorded)];
    if (own.x == Sheet::NotPlaced && stone.Task != -1 && stone.Points != -1)
        own = kPutOut;

    if (game.ReviewMode != 0) {
        const int limit =
            game.CurrentEnd == game.RecordEnd ? game.RecordStone + 2 * game.RecordPlayer : 7;
        const auto sequence = deliverySequence(game, game.CurrentEnd);
        auto at = std::find(sequence.begin(), sequence.end(), game.currentPosition());
        for (auto it = at == sequence.end() ? at : std::next(at); it != sequence.end(); ++it) {
            if (it->Player * 2 + it->Stone > limit)
                break;
            CStone& later = game.currentEnd().Stones[std::size_t(stoneRecordOf(game, *it))];
            bool changed = false;
            for (int i = 0; i < CEnd::StoneCount; ++i) {
                const SheetPoint& oldValue = stone.Positions[std::size_t(i)];
                const SheetPoint& newValue = positions_.current[std::size_t(i)];
                SheetPoint& value = later.Positions[std::size_t(i)];
                if (value == oldValue && value != newValue) {
                    value = newValue;
                    changed = true;
                }
            }
            if (changed)
                later.ValidFlag = 1;
        }
    }

    std::copy_n(positions_.current.begin(), CEnd::StoneCount, stone.Positions.begin());
    positions_.previous = positions_.current;
    SheetPoint broom = positions_.broom;
    if (doc_.fields().ShowBroom == 0)
        broom.x = SheetPoint::OutOfPlay;
    SheetPoint target = positions_.target;
    if (doc_.fields().ShowTarget == 0)
        target.x = SheetPoint::OutOfPlay;
    stone.Positions[CStone::BroomPair] = broom;
    stone.Positions[CStone::TargetPair] = target;
    relayout();
}

QString CHouseController::caption() const
{
    const CStone& stone = doc_.game().currentStone();
    return QStringLiteral("%1\n%2\n%3").arg(stone.TaskName, stone.HandleName, stone.PointsName);
}

const PlacedElement* CHouseController::placed(int element) const
{
    const int index = HouseSelection::stoneIndex(element);
    const PlacedElement* e = index >= 0 ? &layout_.stones[std::size_t(index)]
                             : element == HouseSelection::Target ? &layout_.target
                                                                 : &layout_.broom;
    return e->drawn ? e : nullptr;
}

int CHouseController::hitTest(QPoint p) const
{
    const double diameter = 2.0 * geometry_.stoneRadius() + 0.5;
    const double r = geometry_.stoneRadius();
    int hit = -1;
    for (const int i : kHitOrder) {
        const PlacedElement& e = layout_.stones[std::size_t(i)];
        if (e.drawn && inCircle(p, e.topLeft, diameter)) {
            hit = positions_.current[std::size_t(i)].x == Sheet::NotPlaced
                      ? HouseSelection::WaitingStone + i
                      : i;
            break;
        }
    }
    const PlacedElement& t = layout_.target;
    if (t.drawn && inCircle(p, t.topLeft, diameter)) {
        // A stone under the target's middle can still be picked.
        const QPointF d = QPointF(p) - QPointF(t.centre);
        if (hit < 0 || std::hypot(d.x(), d.y()) > 0.45 * r)
            hit = HouseSelection::Target;
    }
    const PlacedElement& b = layout_.broom;
    if (hit < 0 && b.drawn) {
        const QRectF rect(b.centre.x() - 0.3 * r, b.centre.y() - 0.8 * r, 0.6 * r, 1.6 * r);
        if (rect.contains(QPointF(p)))
            hit = HouseSelection::BroomOrNothing;
    }
    return hit;
}

void CHouseController::startDrag(int element, QPoint device)
{
    const PlacedElement* e = placed(element);
    selected_ = element;
    dragState_ = 1;
    dragPoint_ = device;
    const QPointF tl = geometry_.drawingTopLeftToDevice(QPointF(e ? e->topLeft : QPoint()));
    grab_ = device - tl.toPoint();
}

int CHouseController::pressAt(QPoint device, HouseButtons buttons)
{
    if (!graphicsShown())
        return HouseChange::None;
    if (dragState_ != 0) {
        if (buttons.middle || buttons.scrollLock)
            dragState_ = 2;
        return HouseChange::None;
    }
    const int hit = hitTest(geometry_.deviceToDrawing(device));
    if (hit < 0) {
        selected_ = HouseSelection::BroomOrNothing;
        return HouseChange::None;
    }
    startDrag(hit, device);
    return HouseChange::Redraw;
}

int CHouseController::moveTo(QPoint device)
{
    if (dragState_ == 0)
        return HouseChange::None;
    dragPoint_ = device;
    return HouseChange::Redraw;
}

std::optional<QRectF> CHouseController::dragOutline() const
{
    if (dragState_ == 0)
        return std::nullopt;
    const double d = 2.0 * geometry_.stoneRadius();
    return QRectF(QPointF(dragPoint_ - grab_), QSizeF(d, d));
}

int CHouseController::releaseAt(QPoint device, HouseButtons buttons)
{
    if (!graphicsShown() || dragState_ == 0)
        return HouseChange::None;
    dragPoint_ = device;
    if (buttons.middle || buttons.scrollLock)
        return HouseChange::Redraw; // the element keeps following the pointer
    return drop(device);
}

std::vector<QPoint> CHouseController::otherStones(int moving) const
{
    std::vector<QPoint> others;
    for (const int i : kHitOrder) {
        const PlacedElement& e = layout_.stones[std::size_t(i)];
        if (i != moving && e.drawn && e.onSheet)
            others.push_back(e.topLeft);
    }
    return others;
}

int CHouseController::drop(QPoint device)
{
    dragState_ = 0;
    const QPointF deviceTopLeft = QPointF(device - grab_ - QPoint(1, 0));
    const QPointF tl = geometry_.deviceTopLeftToDrawing(deviceTopLeft);
    QPoint topLeft(int(tl.x()), int(tl.y()));
    const bool mirror = mirrored();
    const int index = HouseSelection::stoneIndex(selected_);
    if (index >= 0) {
        topLeft = pushClear(topLeft, otherStones(index), geometry_.stoneDiameter());
        SheetPoint p = geometry_.fromTopLeft(topLeft, mirror);
        if (p.x < kStoneMinX || p.x > kStoneMaxX || p.y > kStoneMaxY || p.y < kStoneMinY)
            p = kDroppedOut;
        positions_.current[std::size_t(index)] = p;
        selected_ = index;
    } else if (selected_ == HouseSelection::Target) {
        SheetPoint p = geometry_.fromTopLeft(topLeft, mirror);
        if (p.x < kStoneMinX || p.x > kStoneMaxX || p.y > kStoneMaxY)
            p = kDroppedOut;
        else
            p.y = std::max(p.y, kTargetMinY);
        positions_.target = p;
    } else {
        SheetPoint p = geometry_.fromTopLeft(topLeft, mirror);
        p.x = std::clamp(p.x, kBroomMinX, kBroomMaxX);
        p.y = std::clamp(p.y, kBroomMinY, kBroomMaxY);
        positions_.broom = p;
    }
    relayout();
    return HouseChange::Redraw | HouseChange::PositionsChanged;
}

int CHouseController::doubleClickAt(QPoint device, Qt::MouseButton button)
{
    if (!graphicsShown())
        return HouseChange::None;
    if (button == Qt::LeftButton) {
        // The grab offset puts the stone's centre on the pointer.
        const int half = int(geometry_.stoneRadius() + 0.5);
        selected_ = doc_.game().StoneSlot();
        dragState_ = 1;
        dragPoint_ = device;
        grab_ = QPoint(half, half);
        return HouseChange::Redraw;
    }
    if (button == Qt::RightButton) {
        const int hit = hitTest(geometry_.deviceToDrawing(device));
        if (!HouseSelection::isStone(hit))
            return HouseChange::None;
        positions_.current[std::size_t(hit)] = kPutOut;
        relayout();
        return HouseChange::Redraw | HouseChange::PositionsChanged;
    }
    return HouseChange::None;
}

int CHouseController::moveSelected(int dx, int dy)
{
    if (!HouseSelection::isStone(selected_))
        return HouseChange::None;
    const SheetPoint old = positions_.current[std::size_t(selected_)];
    const PlacedElement& e = layout_.stones[std::size_t(selected_)];
    if (!Sheet::isOnSheet(old) || !e.drawn)
        return HouseChange::None;
    const QPoint moved = e.topLeft + QPoint(dx, dy);
    const QPoint topLeft = pushClear(moved, otherStones(selected_), geometry_.stoneDiameter());
    // Compared in the drawn direction, so that a mirrored sheet moves alike.
    const bool mirror = mirrored();
    const SheetPoint drawnOld = mirror ? Sheet::mirrored(old) : old;
    SheetPoint p = geometry_.fromTopLeft(topLeft, false);
    // An axis neither moved nor pushed keeps its value instead of the round
    // trip's; and the truncation must not swallow an unpushed move (at large
    // scales a pixel is less than a unit), whichever way it goes.
    if (topLeft == moved) {
        if (dx == 0)
            p.x = drawnOld.x;
        if (dy == 0)
            p.y = drawnOld.y;
        if ((dx < 0 && p.x >= drawnOld.x) || (dx > 0 && p.x <= drawnOld.x))
            p.x = drawnOld.x + dx;
        if ((dy < 0 && p.y >= drawnOld.y) || (dy > 0 && p.y <= drawnOld.y))
            p.y = drawnOld.y + dy;
    }
    if (mirror)
        p = Sheet::mirrored(p);
    // Both limits apply to either move, since a push may change both axes.
    p.x = std::clamp(p.x, kStoneMinX, kStoneMaxX);
    p.y = std::min(p.y, kStoneMaxY);
    if (p.y < kStoneMinY)
        p = kDroppedOut;
    positions_.current[std::size_t(selected_)] = p;
    relayout();
    return HouseChange::Redraw | HouseChange::PositionsChanged;
}

int CHouseController::wheel(int delta, Qt::KeyboardModifiers modifiers)
{
    if (!graphicsShown())
        return HouseChange::None;
    const int notches = delta / 120;
    if (modifiers & Qt::ControlModifier)
        return moveSelected(notches, 0);
    if (modifiers & Qt::ShiftModifier)
        return moveSelected(0, -notches);
    return HouseChange::None;
}

int CHouseController::nudge(NudgeDirection direction)
{
    if (dragState_ != 0)
        return HouseChange::None;
    switch (direction) {
    case NudgeDirection::Right:
        return wheel(120, Qt::ControlModifier);
    case NudgeDirection::Left:
        return wheel(-120, Qt::ControlModifier);
    case NudgeDirection::Up:
        return wheel(120, Qt::ShiftModifier);
    case NudgeDirection::Down:
        return wheel(-120, Qt::ShiftModifier);
    }
    return HouseChange::None;
}

CHouseController::MenuState CHouseController::openMenuAt(QPoint device)
{
    MenuState state;
    menuPoint_ = device;
    menuElement_ = graphicsShown() ? hitTest(geometry_.deviceToDrawing(device)) : -1;
    const CGame& game = doc_.game();
    const int index = HouseSelection::stoneIndex(menuElement_);
    state.element = menuElement_;
    state.stone = index >= 0;
    state.positional = HouseSelection::isStone(menuElement_);
    state.goBackEnabled = state.positional && index != game.StoneSlot();
    // Nothing recorded yet: the recording position is still the game's first.
    const GamePosition r = game.recordingPosition();
    const bool first =
        r == GamePosition{} || (game.isMixedDoubles() && r == GamePosition{0, 1, 1, 0});
    state.item2Enabled = !first;
    state.broomChecked = doc_.fields().ShowBroom != 0;
    state.targetChecked = doc_.fields().ShowTarget != 0;
    return state;
}

int CHouseController::menuOutOfPlay()
{
    if (!HouseSelection::isStone(menuElement_))
        return HouseChange::None;
    positions_.current[std::size_t(menuElement_)] = kPutOut;
    relayout();
    return HouseChange::Redraw | HouseChange::PositionsChanged;
}

int CHouseController::menuPickUp()
{
    if (!HouseSelection::isStone(menuElement_) || !placed(menuElement_))
        return HouseChange::None;
    startDrag(menuElement_, menuPoint_);
    return HouseChange::Redraw;
}

int CHouseController::menuGotoDelivery()
{
    if (!HouseSelection::isStone(menuElement_))
        return HouseChange::None;
    CGame& game = doc_.game();
    const int slot = menuElement_ / CEnd::StonesPerTeam;
    const int order = slot ^ game.currentEnd().FirstThrowerFlag;
    game.GotoPosition(-1, order, menuElement_ % CEnd::StonesPerTeam);
    load();
    return HouseChange::Redraw | HouseChange::PositionMoved;
}

int CHouseController::menuGotoLastMove()
{
    CGame& game = doc_.game();
    if (!HouseSelection::isStone(menuElement_) || menuElement_ == game.StoneSlot())
        return HouseChange::None;
    const auto sequence = deliverySequence(game, game.CurrentEnd);
    const auto at = std::find(sequence.begin(), sequence.end(), game.currentPosition());
    if (at == sequence.end())
        return HouseChange::None;
    // Back from the current shot to the one after which the stone lay where it lies now.
    const CEnd& end = game.currentEnd();
    const SheetPoint now = game.currentStone().Positions[std::size_t(menuElement_)];
    auto target = at;
    while (target != sequence.begin()) {
        const CStone& earlier = end.Stones[std::size_t(stoneRecordOf(game, *std::prev(target)))];
        if (earlier.Positions[std::size_t(menuElement_)] != now)
            break;
        --target;
    }
    game.GotoPosition(-1, target->Order, target->Player * 2 + target->Stone);
    load();
    return HouseChange::Redraw | HouseChange::PositionMoved;
}

int CHouseController::menuToggleBroom()
{
    doc_.fields().ShowBroom = doc_.fields().ShowBroom != 0 ? 0 : 1;
    relayout();
    return HouseChange::Redraw;
}

int CHouseController::menuToggleTarget()
{
    doc_.fields().ShowTarget = doc_.fields().ShowTarget != 0 ? 0 : 1;
    relayout();
    return HouseChange::Redraw;
}
