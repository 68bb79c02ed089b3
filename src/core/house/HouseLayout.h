#pragma once

#include "HouseGeometry.h"

#include "core/record/Game.h"

#include <array>

struct DocumentFields;

// What a drawing is made for; each leaves out some elements.
enum class HouseOutput
{
    Screen,
    Print,
    ExportStones, // image export of the stones
    ExportMarks   // image export (or screen) of the analysis marks
};

// The positions a house view shows: the 16 stones being edited, those after
// the previous stone (for the outlines of moved stones) and the two markers.
struct HousePositions
{
    std::array<SheetPoint, CEnd::StoneCount> current{};
    std::array<SheetPoint, CEnd::StoneCount> previous{};
    SheetPoint broom;
    SheetPoint target;

    // Straight from a stone record: previous = current, pairs 16 and 17 as stored.
    static HousePositions fromRecord(const CStone& stone);
};

// Where one element is drawn, in drawing pixels.
struct PlacedElement
{
    bool drawn = false;
    QPoint centre;
    QPoint topLeft;      // of the full stone's bounding square: hit tests use it
    double radius = 0.0; // as drawn (a waiting stone is smaller)
    bool onSheet = false;
};

struct HouseLayout
{
    std::array<PlacedElement, CEnd::StoneCount> stones{};
    PlacedElement broom;
    PlacedElement target;
};

// Drawing places of every stone (on the sheet, waiting, out of play) and of the
// markers, for the painter and the hit tests alike.
HouseLayout layoutHouse(const CGame& game, const DocumentFields& fields,
                        const HousePositions& positions, const CHouseGeometry& geometry,
                        HouseOutput output);
