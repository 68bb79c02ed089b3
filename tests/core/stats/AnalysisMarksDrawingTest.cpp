#include "core/files/DocumentFields.h"
#include "core/house/HouseGeometry.h"
#include "core/house/HousePainter.h"
#include "core/record/Game.h"
#include "core/stats/AnalysisListing.h"

#include "support/TestSettings.h"

#include <QImage>
#include <QPainter>

class AnalysisMarksDrawingTest : public SettingsTest
{};

// Marks replace the stones: a 4-point mark is a disc in its team's colour, a
// 0-point mark shows the grey disc of its team slot.
TEST_F(AnalysisMarksDrawingTest, MarksAreDrawnInsteadOfTheStones)
{
    const CGame game{NewGameOptions{}};
    DocumentFields fields;
    Analysis::Marks marks;
    marks.add(0, 750, 800, 4);
    marks.add(1, 400, 1500, 0);
    marks.add(1, 4095, 1500, 4); // out of play: not drawn
    marks.setShown(true);
    const std::vector<HouseMark> placed = marks.houseMarks();
    ASSERT_EQ(placed.size(), 2u);

    const HousePositions positions;
    HousePaintInput input{game, fields, positions};
    input.output = HouseOutput::ExportMarks;
    input.marks = &placed;
    const CHouseGeometry geometry = CHouseGeometry::forImage(300, 600, 100);
    QImage image(300, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintHouse(painter, geometry, input);
    painter.end();

    EXPECT_EQ(image.pixel(150 + 4, 160 + 3), qRgb(255, 0, 0));    // Dark, full disc
    EXPECT_EQ(image.pixel(80 + 5, 300 + 4), qRgb(128, 128, 128)); // slot 1's grey disc
}
