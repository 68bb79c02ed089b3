#pragma once

#include "DiagramData.h"

#include <QDateTime>
#include <QImage>
#include <QRect>
#include <QString>

class Prompts;
class QPainter;
struct DocumentFields;

// Draws the diagram of percentages on any painter, and saves it as an image.
namespace Diagram {

// The document colours the chart uses (0x00BBGGRR).
struct Colours
{
    qint32 lines = 0x646464;
    qint32 ice = 0xFFFFFF;
    static Colours of(const DocumentFields& fields);
};

// The chart in the rectangle, measured with the painter's current font.
void paint(QPainter& painter, const QRect& rect, const DiagramData& data, const Colours& colours);

// The saved image: a black frame, the chart over the whole rectangle and the
// caption centred at the top.
void paintImage(QPainter& painter, const QRect& rect, const DiagramData& data,
                const Colours& colours);

// The caption's fourth value.
QString signature();

// The image for a resolution (imageSize), 32 bits; null when it cannot be made.
QImage image(const DiagramData& data, const Colours& colours, int resolution);

// Draws the image at the resolution of PNGResolution and saves it under the
// path by its extension: 1 when saved, 0 otherwise (message 5030 when saving fails).
int renderImage(const QString& path, const DiagramData& data, const Colours& colours,
                Prompts& prompts);
// The Save image button: proposes "TALVDiagram_<time>" in the game's folder,
// asks and renders. 0 when cancelled.
int saveImage(const DiagramData& data, const DocumentFields& fields, Prompts& prompts,
              const QDateTime& now = QDateTime::currentDateTime());

} // namespace Diagram
