#pragma once

#include "HouseGeometry.h"
#include "HouseLayout.h"

#include <Qt>

#include <optional>
#include <vector>

class CTALVStatsDoc;

// Codes of the element a house view has selected.
namespace HouseSelection {
inline constexpr int WaitingStone = 50; // + stone index: a stone not yet delivered
inline constexpr int Target = 98;
inline constexpr int BroomOrNothing = 99;
inline bool isStone(int e)
{
    return e >= 0 && e < CEnd::StoneCount;
}
inline bool isWaiting(int e)
{
    return e >= WaitingStone && e < WaitingStone + CEnd::StoneCount;
}
// The stone record of a stone or waiting stone, else -1.
inline int stoneIndex(int e)
{
    return isStone(e) ? e : isWaiting(e) ? e - WaitingStone : -1;
}
} // namespace HouseSelection

// What the widget has to do after an event; a combination of the flags.
namespace HouseChange {
inline constexpr int None = 0;
inline constexpr int Redraw = 1;
inline constexpr int PositionsChanged = 2; // tell the shot-entry form
inline constexpr int PositionMoved = 4;    // the game's current position changed
} // namespace HouseChange

enum class NudgeDirection
{
    Right,
    Left,
    Up,
    Down
};

// The nudge commands (the arrow keys of the shot-entry form) and their directions.
namespace NudgeCommand {
inline constexpr int Up = 40012, Down = 40013, Left = 40014, Right = 40015;
inline std::optional<NudgeDirection> directionOf(int command)
{
    switch (command) {
    case Up:
        return NudgeDirection::Up;
    case Down:
        return NudgeDirection::Down;
    case Left:
        return NudgeDirection::Left;
    case Right:
        return NudgeDirection::Right;
    default:
        return std::nullopt;
    }
}
} // namespace NudgeCommand

// Pointer state that keeps a dragged element following the pointer.
struct HouseButtons
{
    bool middle = false;     // middle button held
    bool scrollLock = false; // Scroll Lock toggled on
};

// The position editing of one house view: its working copy of the positions,
// the selection and the drag. The widget forwards its pointer, wheel and menu
// events in device pixels and repaints when told.
class CHouseController
{
public:
    explicit CHouseController(CTALVStatsDoc& doc);

    CTALVStatsDoc& document() { return doc_; }

    // A new window size or display; the stone size comes from the preferences.
    void setGeometry(const CHouseGeometry& geometry);
    const CHouseGeometry& geometry() const { return geometry_; }

    // From the stone record at the current position (whenever that changes).
    void load();
    // Into the stone record at the current position (before a shot is stored).
    void commit();
    // Task, handle and points names of the current stone, one a line.
    QString caption() const;

    const HousePositions& positions() const { return positions_; }
    HousePositions& positions() { return positions_; }
    // Recomputes the drawn places; call after changing positions() directly.
    void relayout();
    const HouseLayout& layout() const { return layout_; }

    int selected() const { return selected_; }
    int dragState() const { return dragState_; }
    // Device square the dragged element covers at the pointer, for its outline.
    std::optional<QRectF> dragOutline() const;

    // Left button.
    int pressAt(QPoint device, HouseButtons buttons = {});
    int moveTo(QPoint device);
    int releaseAt(QPoint device, HouseButtons buttons = {});
    int doubleClickAt(QPoint device, Qt::MouseButton button);
    int wheel(int delta, Qt::KeyboardModifiers modifiers);
    int nudge(NudgeDirection direction);

    // The element under a drawing point, by the hit-test order; -1 for none
    // (the broom is BroomOrNothing).
    int hitTest(QPoint drawing) const;

    // Context menu: opened with the element under the pointer.
    struct MenuState
    {
        int element = -1;
        bool stone = false;         // the stone items are offered
        bool positional = false;    // out of play, pick up, go to …: not for a waiting stone
        bool goBackEnabled = false; // not for the stone being recorded
        bool item2Enabled = false;  // disabled while no stone has been recorded
        bool broomChecked = false;
        bool targetChecked = false;
    };
    MenuState openMenuAt(QPoint device);
    int menuOutOfPlay();
    int menuPickUp();
    int menuGotoDelivery();
    int menuGotoLastMove();
    int menuToggleBroom();
    int menuToggleTarget();

private:
    CTALVStatsDoc& doc_;
    CHouseGeometry geometry_;
    HousePositions positions_;
    HouseLayout layout_;
    int selected_ = HouseSelection::BroomOrNothing;
    int dragState_ = 0;
    QPoint grab_;      // device pointer minus device top-left at the pick-up
    QPoint dragPoint_; // last device pointer during a drag
    int menuElement_ = -1;
    QPoint menuPoint_;

    bool graphicsShown() const;
    bool mirrored() const;
    const PlacedElement* placed(int element) const;
    void startDrag(int element, QPoint device);
    int drop(QPoint device);
    std::vector<QPoint> otherStones(int moving) const;
    int moveSelected(int dx, int dy);
};

// The delivery order of an end: (order, player, stone) from its first stone.
std::vector<GamePosition> deliverySequence(const CGame& game, int end);
// The stone record of a position in its end.
int stoneRecordOf(const CGame& game, const GamePosition& p);
