#include "HouseGeometry.h"

#include "core/base/SettingsKeys.h"

#include <cmath>

HouseSizes HouseSizes::fromSettings()
{
    HouseSizes sizes;
    const int stone = Settings::read(Key::Preferences::Stonesize);
    sizes.Stonesize = stone >= 90 && stone <= 110 ? stone : 100;
    sizes.Teesize = Settings::read(Key::Preferences::Teesize);
    return sizes;
}

CHouseGeometry::CHouseGeometry(int width, int height, bool rotated, int stoneSize)
    : width_(width), height_(height), rotated_(rotated)
{
    // Rotated, the 30-ft length runs along the width and the offset centres the
    // 15-ft breadth vertically.
    const int along = rotated ? width : height;
    const int across = rotated ? height : width;
    if (along < 2 * across) {
        scale_ = along / 30.0;
        offset_ = int((across - 15.0 * scale_) / 2.0 + 0.5);
    } else {
        scale_ = across / 15.0;
        offset_ = 0;
    }
    radius_ = 27.9 * scale_ * stoneSize / 6100.0;
}

CHouseGeometry CHouseGeometry::forImage(int width, int height, int stoneSize)
{
    CHouseGeometry g;
    g.width_ = width;
    g.height_ = height;
    g.scale_ = width / 15.0;
    g.radius_ = 27.9 * g.scale_ * stoneSize / 6100.0;
    return g;
}

QPoint CHouseGeometry::toDrawing(const SheetPoint& p, bool mirror) const
{
    const SheetPoint q = mirror ? Sheet::mirrored(p) : p;
    return {drawX(q.x), drawY(q.y)};
}

QPoint CHouseGeometry::topLeftAt(QPoint centre) const
{
    return {int(centre.x() - radius_), int(centre.y() - radius_)};
}

SheetPoint CHouseGeometry::fromTopLeft(QPoint topLeft, bool mirror) const
{
    const SheetPoint p{qint32((topLeft.x() + radius_ - offset_) * 100.0 / scale_),
                       qint32((topLeft.y() + radius_) * 100.0 / scale_)};
    return mirror ? Sheet::mirrored(p) : p;
}

QPoint CHouseGeometry::deviceToDrawing(QPoint device) const
{
    return rotated_ ? QPoint(height_ - device.y(), device.x()) : device;
}

QPointF CHouseGeometry::deviceTopLeftToDrawing(QPointF device) const
{
    return rotated_ ? QPointF(height_ - device.y() - 2.0 * radius_, device.x()) : device;
}

QPointF CHouseGeometry::drawingTopLeftToDevice(QPointF drawing) const
{
    return rotated_ ? QPointF(drawing.y(), height_ - drawing.x() - 2.0 * radius_) : drawing;
}

QPoint pushClear(QPoint moving, const std::vector<QPoint>& others, int diameter)
{
    const qint64 d2 = qint64(diameter) * diameter;
    QPoint p = moving;
    for (int round = 1; round <= 19; ++round) {
        const QPoint* hit = nullptr;
        for (const QPoint& o : others) {
            const qint64 dx = p.x() - o.x();
            const qint64 dy = p.y() - o.y();
            if (dx * dx + dy * dy < d2) {
                hit = &o;
                break;
            }
        }
        if (!hit)
            break;
        const qint64 dx = p.x() - hit->x();
        const qint64 dy = p.y() - hit->y();
        const qint64 q = dx * dx + dy * dy;
        qint64 pushX = diameter;
        qint64 pushY = diameter;
        if (q != 0) {
            const qint64 k = (d2 + 1) / q;
            pushX = qint64(std::floor(std::sqrt(float(k * dx * dx)) + 1.5f));
            pushY = qint64(std::floor(std::sqrt(float(k * dy * dy)) + 1.5f));
        }
        qint64 signX = dx >= 0 ? 1 : -1;
        const qint64 signY = dy >= 0 ? 1 : -1;
        // A stone caught between others is pushed ever further sideways.
        if (round >= 2)
            signX *= (round + 1) / 2;
        p = QPoint(int(hit->x() + signX * pushX), int(hit->y() + signY * pushY));
    }
    return p;
}
