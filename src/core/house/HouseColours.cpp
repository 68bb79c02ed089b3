#include "HouseColours.h"

#include "HouseGeometry.h"

#include "core/files/Document.h"

#include <algorithm>
#include <cmath>

QColor toQColor(qint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

qint32 fromQColor(const QColor& colour)
{
    return rgbColour(colour.red(), colour.green(), colour.blue());
}

qint32& colourField(DocumentFields& f, ColourElement element)
{
    switch (element) {
    case ColourElement::Ice:
        return f.Ice;
    case ColourElement::IceAlert:
        return f.IceAlert;
    case ColourElement::Lines:
        return f.Lines;
    case ColourElement::Feet6:
        return f.Feet6;
    case ColourElement::Feet4:
        return f.Feet4;
    case ColourElement::Feet2:
        return f.Feet2;
    case ColourElement::Tee:
        return f.Tee;
    case ColourElement::Dark:
        return f.Dark;
    case ColourElement::Light:
        break;
    }
    return f.Light;
}

qint32 colourField(const DocumentFields& fields, ColourElement element)
{
    return colourField(const_cast<DocumentFields&>(fields), element);
}

ColourElement colourElementAt(const CGame& game, const CHouseGeometry& g, int teeSize, QPoint p,
                              int hitElement)
{
    constexpr int kStonesPerTeam = 8, kStones = 16, kWaiting = 50;
    const int stone = hitElement >= 0 && hitElement < kStones ? hitElement
                      : hitElement >= kWaiting && hitElement < kWaiting + kStones
                          ? hitElement - kWaiting
                          : -1;
    if (stone >= 0)
        return stone < kStonesPerTeam ? ColourElement::Dark : ColourElement::Light;

    const bool mirror = game.SheetDirection == 1;
    const QPoint centre = g.toDrawing({Sheet::CentreLine, Sheet::TeeLine}, mirror);
    const double distance = std::hypot(p.x() - centre.x(), p.y() - centre.y());
    const double s = g.scale();
    if (distance <= teeSize / 175.0 * s)
        return ColourElement::Tee;
    if (distance <= 2.0 * s)
        return ColourElement::Feet2;
    if (distance <= 4.0 * s)
        return ColourElement::Feet4;
    if (distance <= 6.0 * s)
        return ColourElement::Feet6;

    const double feetX = (p.x() - g.offset()) / s;
    bool onLine = feetX >= 7.3 && feetX <= 7.7;
    for (const qint32 y : {Sheet::BackLine, Sheet::TeeLine, Sheet::HogLine})
        onLine = onLine || p.y() == g.drawY(mirror ? Sheet::Length - y : y);
    if (onLine)
        return ColourElement::Lines;
    return game.ReviewMode != 0 ? ColourElement::IceAlert : ColourElement::Ice;
}

qint32 commandColour(qint32 current, ColourElement element, ColourCommand command)
{
    const bool stone = isStoneColour(element);
    const auto pick = [stone](QColor forStone, QColor forHouse) {
        return fromQColor(stone ? forStone : forHouse);
    };
    const auto shift = [current](int by) {
        const QColor c = toQColor(current);
        return rgbColour(std::clamp(c.red() + by, 0, 255), std::clamp(c.green() + by, 0, 255),
                         std::clamp(c.blue() + by, 0, 255));
    };
    switch (command) {
    case ColourCommand::Red:
        return pick({255, 0, 0}, {255, 200, 200});
    case ColourCommand::Blue:
        return pick({0, 0, 255}, {200, 200, 255});
    case ColourCommand::Black:
        return pick({0, 0, 0}, {200, 200, 200});
    case ColourCommand::Green:
        return pick({0, 180, 0}, {200, 255, 200});
    case ColourCommand::White:
        return pick({255, 255, 255}, {255, 255, 255});
    case ColourCommand::Yellow:
        return pick({255, 255, 0}, {255, 255, 200});
    case ColourCommand::Darker:
        return shift(-16);
    case ColourCommand::Lighter:
        return shift(16);
    }
    return current;
}

namespace {

void colourChanged(CTALVStatsDoc& doc, bool stoneColour)
{
    doc.SetModifiedFlag(true);
    Q_EMIT doc.houseViewsChanged();
    if (stoneColour)
        Q_EMIT doc.viewsToRefresh();
}

} // namespace

void applyColourCommand(CTALVStatsDoc& doc, ColourElement element, ColourCommand command)
{
    qint32& field = colourField(doc.fields(), element);
    field = commandColour(field, element, command);
    colourChanged(doc, isStoneColour(element));
}

void setChosenColour(CTALVStatsDoc& doc, ColourElement element, const QColor& colour)
{
    colourField(doc.fields(), element) = fromQColor(colour);
    colourChanged(doc, isStoneColour(element));
}

void resetHouseColours(CTALVStatsDoc& doc)
{
    DocumentFields& f = doc.fields();
    f.Ice = rgbColour(255, 255, 255);
    f.IceAlert = rgbColour(200, 255, 255);
    f.Lines = rgbColour(100, 100, 100);
    f.Feet6 = rgbColour(200, 200, 255);
    f.Feet4 = rgbColour(255, 255, 255);
    f.Feet2 = rgbColour(255, 200, 200);
    f.Tee = rgbColour(255, 255, 255);
    colourChanged(doc, false);
}

void swapRingColours(CTALVStatsDoc& doc)
{
    std::swap(doc.fields().Feet6, doc.fields().Feet2);
    colourChanged(doc, false);
}
