#include "HouseLayout.h"

#include "core/files/DocumentFields.h"

HousePositions HousePositions::fromRecord(const CStone& stone)
{
    HousePositions p;
    std::copy_n(stone.Positions.begin(), CEnd::StoneCount, p.current.begin());
    p.previous = p.current;
    p.broom = stone.Positions[CStone::BroomPair];
    p.target = stone.Positions[CStone::TargetPair];
    return p;
}

namespace {

PlacedElement placeAt(const CHouseGeometry& g, QPoint centre, double radius, bool onSheet)
{
    return {true, centre, g.topLeftAt(centre), radius, onSheet};
}

// A place given in feet of the drawing (mirroring already chosen by the caller).
QPoint feet(const CHouseGeometry& g, double x, double y)
{
    return {g.drawX(x * 100.0), g.drawY(y * 100.0)};
}

// Broom or target: on the sheet, parked while x is 0, hidden out of play.
PlacedElement placeMarker(const CHouseGeometry& g, const SheetPoint& p, bool shown, bool mirror,
                          double parkedY)
{
    if (!shown || p.x == Sheet::OutOfPlay)
        return {};
    const double r = g.stoneRadius();
    if (p.x == Sheet::NotPlaced)
        return placeAt(g, feet(g, 0.5, mirror ? 30.0 - parkedY : parkedY), r, false);
    return placeAt(g, g.toDrawing(p, mirror), r, true);
}

} // namespace

HouseLayout layoutHouse(const CGame& game, const DocumentFields& fields,
                        const HousePositions& positions, const CHouseGeometry& g,
                        HouseOutput output)
{
    HouseLayout layout;
    const bool mirror = game.SheetDirection == 1;
    const bool printing = output == HouseOutput::Print;
    const int recorded = game.StoneSlot();
    const double r = g.stoneRadius();

    for (int slot = 0; slot < CGame::TeamCount; ++slot) {
        const int side = slot == 0 ? -1 : 1;
        int k = 7; // the next place in the team's out-of-play row
        for (int i = 0; i < CEnd::StonesPerTeam; ++i) {
            const int index = slot * CEnd::StonesPerTeam + i;
            const SheetPoint& p = positions.current[std::size_t(index)];
            PlacedElement& e = layout.stones[std::size_t(index)];
            if (Sheet::isOnSheet(p)) {
                e = placeAt(g, g.toDrawing(p, mirror), r, true);
            } else if (p.x == Sheet::NotPlaced) {
                if (index == recorded) {
                    const double y = printing != mirror ? 0.5 : 29.5;
                    e = placeAt(g, feet(g, 7.5, y), r, false);
                } else if (!printing) {
                    const double x = 7.5 + side * 6.0 + (i / 2 - 0.5) * side * 0.5;
                    const double y0 = i % 2 == 1 ? 29.72 : 29.28;
                    const double y = mirror ? 30.0 - y0 : y0;
                    e = placeAt(g, feet(g, x, y), 0.47 * r, false);
                }
            } else if (!(game.isMixedDoubles() && i < 2)) {
                // Out of play: the stone being recorded stays in the middle
                // unless it is the team's last; it takes no place in the row.
                const double y = mirror ? 29.5 : 0.5;
                if (index == recorded && i != CEnd::StonesPerTeam - 1) {
                    e = placeAt(g, feet(g, 7.5, y), r, false);
                } else {
                    e = placeAt(g, feet(g, 7.5 + side * (0.75 + k * 0.88), y), r, false);
                    --k;
                }
            }
        }
    }
    layout.target = placeMarker(g, positions.target, fields.ShowTarget != 0, mirror, 17.5);
    layout.broom = placeMarker(g, positions.broom, fields.ShowBroom != 0, mirror, 8.0);
    return layout;
}
