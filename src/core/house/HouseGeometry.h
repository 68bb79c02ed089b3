#pragma once

#include "core/record/Stone.h"

#include <QPoint>
#include <QPointF>
#include <QRectF>

#include <array>
#include <vector>

// The sheet as stored: hundredths of a foot, 15 ft across and 30 ft long, with
// the house at the top (y = 0 is 2 ft behind the back line).
namespace Sheet {
inline constexpr qint32 Width = 1500;
inline constexpr qint32 Length = 3000;
inline constexpr qint32 CentreLine = 750;
inline constexpr qint32 BackLine = 200;
inline constexpr qint32 TeeLine = 800;
inline constexpr qint32 HogLine = 2900;
inline constexpr qint32 Ring6Feet = 600; // radii around (750, 800)
inline constexpr qint32 Ring4Feet = 400;
inline constexpr qint32 Ring2Feet = 200;
inline constexpr qint32 NotPlaced = 0; // x of a stone waiting to be delivered
inline constexpr qint32 OutOfPlay = SheetPoint::OutOfPlay;

inline bool isOnSheet(const SheetPoint& p)
{
    return p.x != NotPlaced && p.x != OutOfPlay;
}
// x → 1500 − x, y → 3000 − y: the sheet seen from the other end.
inline SheetPoint mirrored(const SheetPoint& p)
{
    return {Width - p.x, Length - p.y};
}
} // namespace Sheet

// Stone and tee sizes from the preferences.
struct HouseSizes
{
    int Stonesize = 100; // percent; outside 90..110 it is 100
    int Teesize = 100;

    static HouseSizes fromSettings();
    // 27.9 × Stonesize / 61 sheet units (45.7 at 100).
    double stoneRadiusUnits() const { return 27.9 * Stonesize / 61.0; }
    // Teesize / 175 ft.
    double teeRadiusUnits() const { return Teesize * 100.0 / 175.0; }
};

// The mapping between sheet units and the pixels of one drawing. "Drawing"
// coordinates are those of the unrotated picture (house at the top); in the
// rotated display they are put out at device position (Y, H − X).
class CHouseGeometry
{
public:
    CHouseGeometry() = default;
    // A window of width × height pixels (normal or rotated display).
    CHouseGeometry(int width, int height, bool rotated, int stoneSize);
    // An image exactly 15 × 30 ft: s = width / 15, no offsets, never rotated.
    static CHouseGeometry forImage(int width, int height, int stoneSize);

    int width() const { return width_; }
    int height() const { return height_; }
    bool rotated() const { return rotated_; }
    double scale() const { return scale_; } // pixels per foot
    int offset() const { return offset_; }  // added to drawing X (vertical when rotated)
    double stoneRadius() const { return radius_; }
    // 2r + 0.5, truncated: the stone's pixel diameter for hit tests and pushes.
    int stoneDiameter() const { return int(2.0 * radius_ + 0.5); }

    // Drawing X, Y of a sheet position (already mirrored when drawn mirrored).
    int drawX(double sheetX) const { return int(sheetX * scale_ / 100.0 + 0.5 + offset_); }
    int drawY(double sheetY) const { return int(sheetY * scale_ / 100.0 + 0.5); }
    QPoint toDrawing(const SheetPoint& p, bool mirror) const;
    // Top-left of the stone's bounding square at a drawing centre.
    QPoint topLeftAt(QPoint centre) const;
    QPoint topLeftOf(const SheetPoint& p, bool mirror) const
    {
        return topLeftAt(toDrawing(p, mirror));
    }
    // Sheet position of a stone whose drawing top-left is given, truncated.
    SheetPoint fromTopLeft(QPoint topLeft, bool mirror) const;

    // Device pixel ↔ drawing pixel (identity unless rotated).
    QPoint deviceToDrawing(QPoint device) const;
    // Device top-left of a stone square ↔ its drawing top-left.
    QPointF deviceTopLeftToDrawing(QPointF device) const;
    QPointF drawingTopLeftToDevice(QPointF drawing) const;

private:
    int width_ = 0;
    int height_ = 0;
    bool rotated_ = false;
    double scale_ = 1.0;
    int offset_ = 0;
    double radius_ = 0.0;
};

// Keeps a moving stone clear of the others, in drawing pixels of the top-left
// positions: at most 19 pushes away from the first stone it overlaps.
// others: the top-left of every other stone on the sheet, in hit-test order.
QPoint pushClear(QPoint moving, const std::vector<QPoint>& others, int diameter);
