#pragma once

#include "HouseGeometry.h"
#include "HouseLayout.h"

#include <QColor>
#include <QString>

#include <vector>

class QPainter;
struct DocumentFields;

// Sponsor areas of the screen drawing, in tenths of a foot.
struct HouseSponsors
{
    int Sponsor1Y = 0;
    int Sponsor1W = 0; // negative: one area centred on the centre line
    int Sponsor2Y = 0;
    int Sponsor2W = 0;

    static HouseSponsors fromSettings();
};

// One analysis mark, drawn instead of the stones while marks are shown.
struct HouseMark
{
    SheetPoint position;
    int teamSlot = 0;
    int points = 0;
};

// Everything one house drawing depends on.
struct HousePaintInput
{
    HousePaintInput(const CGame& g, const DocumentFields& f, const HousePositions& p)
        : game(g), fields(f), positions(p)
    {}

    const CGame& game;
    const DocumentFields& fields;
    const HousePositions& positions;
    HouseOutput output = HouseOutput::Screen;
    bool showGraphics = true;
    HouseSizes sizes;
    HouseSponsors sponsors;
    // Shown marks replace stones, outlines and markers (and the sponsor areas).
    const std::vector<HouseMark>* marks = nullptr;
    QString title;                         // drawn at (8, 5) when not empty
    QColor background = QColor(Qt::white); // the window around the sheet
};

// The owner mark that ends the title lines.
inline constexpr const char* HouseOwnerMark = "HAVRIK Coach Tool";

// "team 1 - team 2: End n, Stone k       owner" for the current stone.
QString houseTitle(const CGame& game, const QString& ownerMark = QLatin1String(HouseOwnerMark));

// Draws the house on any painter (widget, image, printer) in the geometry's
// display; returns where every stone and marker was drawn, for hit testing.
HouseLayout paintHouse(QPainter& painter, const CHouseGeometry& geometry,
                       const HousePaintInput& input);
