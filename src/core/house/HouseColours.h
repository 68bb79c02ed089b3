#pragma once

#include <QColor>
#include <QPoint>

class CGame;
class CHouseGeometry;
class CTALVStatsDoc;
struct DocumentFields;

// The colours of a house drawing, each stored in the document as 0x00BBGGRR.
enum class ColourElement
{
    Ice,
    IceAlert,
    Lines,
    Feet6,
    Feet4,
    Feet2,
    Tee,
    Dark,  // stones of team slot 0
    Light, // stones of team slot 1
};

enum class ColourCommand
{
    Red,
    Blue,
    Black, // grey for the house
    Green,
    White,
    Yellow,
    Darker,
    Lighter,
};

QColor toQColor(qint32 bgr);
qint32 fromQColor(const QColor& colour);
qint32& colourField(DocumentFields& fields, ColourElement element);
qint32 colourField(const DocumentFields& fields, ColourElement element);
inline bool isStoneColour(ColourElement e)
{
    return e == ColourElement::Dark || e == ColourElement::Light;
}

// The element a colour command of the context menu changes. hitElement is the
// view's hit test at the pointer (a stone or waiting stone picks its team's
// colour); otherwise the button, the 4-ft, 8-ft and 12-ft circles, the lines
// and finally the ice are tried at the drawing point.
ColourElement colourElementAt(const CGame& game, const CHouseGeometry& geometry, int teeSize,
                              QPoint drawing, int hitElement);

// The new value of a command: the stone table for Dark and Light, the house
// table otherwise; darker and lighter move each channel by 16 within 0..255.
qint32 commandColour(qint32 current, ColourElement element, ColourCommand command);

// Each of these marks the document modified and asks its house views to redraw
// (a stone colour also refreshes the other views, the shot-entry form among them).
void applyColourCommand(CTALVStatsDoc& doc, ColourElement element, ColourCommand command);
void setChosenColour(CTALVStatsDoc& doc, ColourElement element, const QColor& colour);
void resetHouseColours(CTALVStatsDoc& doc);
void swapRingColours(CTALVStatsDoc& doc);
