#include "HousePainter.h"

#include "HouseColours.h"

#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/DocumentFields.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

HouseSponsors HouseSponsors::fromSettings()
{
    return {Settings::read(Key::Options::Sponsor1Y), Settings::read(Key::Options::Sponsor1W),
            Settings::read(Key::Options::Sponsor2Y), Settings::read(Key::Options::Sponsor2W)};
}

QString houseTitle(const CGame& game, const QString& ownerMark)
{
    const int stone = game.CurrentOrder + 4 * game.CurrentPlayer + 2 * game.CurrentStone + 1;
    return QStringLiteral("%1 - %2: %3 %4, %5 %6       %7")
        .arg(game.Teams[0].Text, game.Teams[1].Text, Texts::get(5024))
        .arg(game.CurrentEnd + 1)
        .arg(Texts::get(5107))
        .arg(stone)
        .arg(ownerMark);
}

namespace {

int channelSum(const QColor& c)
{
    return c.red() + c.green() + c.blue();
}

int colourDistance(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// The inverse of a colour, or black or white where the inverse would be lost
// on it (mid grey inverts to itself).
QColor inverted(const QColor& c)
{
    const QColor inverse(255 - c.red(), 255 - c.green(), 255 - c.blue());
    if (colourDistance(inverse, c) >= 192)
        return inverse;
    return c.lightness() >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

// A guide-line colour that stays visible on the ice.
QColor visibleOn(const QColor& pen, const QColor& ice)
{
    if (colourDistance(pen, ice) >= 96)
        return pen;
    return ice.lightness() >= 128 ? pen.darker(200) : pen.lighter(160);
}

class Drawing
{
public:
    Drawing(QPainter& p, const CHouseGeometry& g, const HousePaintInput& in)
        : p_(p), g_(g), in_(in), mirror_(in.game.SheetDirection == 1)
    {}

    // Drawing pixel of a place in feet of the unmirrored drawing.
    QPoint at(double x, double y) const
    {
        if (mirror_) {
            x = 15.0 - x;
            y = 30.0 - y;
        }
        return {g_.drawX(x * 100.0), g_.drawY(y * 100.0)};
    }
    int rowAt(double y) const { return at(7.5, y).y(); }
    int columnAt(double x) const { return at(x, 0.0).x(); }
    QRectF rectFeet(double x1, double y1, double x2, double y2) const
    {
        return QRectF(QPointF(at(x1, y1)), QPointF(at(x2, y2))).normalized();
    }

    void circle(QPointF centre, double radius) { p_.drawEllipse(centre, radius, radius); }

    void ice()
    {
        const DocumentFields& f = in_.fields;
        const QRect sheet = QRect(QPoint(g_.drawX(0), g_.drawY(0)),
                                  QPoint(g_.drawX(Sheet::Width), g_.drawY(Sheet::Length)));
        const bool white =
            in_.output == HouseOutput::Print || in_.output == HouseOutput::ExportStones;
        const bool alert = in_.game.ReviewMode != 0 && in_.game.GameState < 8;
        iceColour_ = white ? QColor(Qt::white) : toQColor(alert ? f.IceAlert : f.Ice);
        p_.setPen(white ? QPen(Qt::black, 1) : QPen(toQColor(f.Ice), 1));
        p_.setBrush(iceColour_);
        p_.drawRect(sheet.adjusted(0, 0, -1, -1));
    }

    void house()
    {
        const DocumentFields& f = in_.fields;
        const QPen lines(toQColor(f.Lines), 1);
        p_.setPen(lines);
        p_.setRenderHint(QPainter::Antialiasing, true);
        const struct
        {
            double radius;
            qint32 colour;
        } rings[] = {{6.0, f.Feet6}, {4.0, f.Feet4}, {2.0, f.Feet2}};
        for (const auto& ring : rings) {
            p_.setBrush(toQColor(ring.colour));
            p_.drawEllipse(rectFeet(7.5 - ring.radius, 8.0 - ring.radius, 7.5 + ring.radius,
                                    8.0 + ring.radius));
        }
        const double tee = in_.sizes.Teesize / 175.0;
        p_.setBrush(toQColor(f.Tee));
        p_.drawEllipse(rectFeet(7.5 - tee, 8.0 - tee, 7.5 + tee, 8.0 + tee));
        p_.setRenderHint(QPainter::Antialiasing, false);
        for (const double y : {2.0, 8.0, 29.0})
            p_.drawLine(QPoint(g_.drawX(0), rowAt(y)), QPoint(g_.drawX(Sheet::Width), rowAt(y)));
        p_.drawLine(at(7.5, 2.0), at(7.5, 29.0));
    }

    void guideLines()
    {
        if (in_.output == HouseOutput::Print || in_.output == HouseOutput::ExportStones) {
            p_.setPen(QPen(Qt::black, 1));
            p_.setBrush(Qt::NoBrush);
            p_.drawRect(
                QRect(QPoint(g_.drawX(0), g_.drawY(0)),
                      QPoint(g_.drawX(Sheet::Width), g_.drawY(Sheet::Length)) - QPoint(1, 1)));
            return;
        }
        const struct
        {
            double x;
            QColor colour;
            Qt::PenStyle style;
        } guides[] = {
            {5.5, {128, 128, 128}, Qt::DotLine},   {9.5, {128, 128, 128}, Qt::DotLine},
            {3.5, {172, 172, 172}, Qt::DotLine},   {11.5, {172, 172, 172}, Qt::DotLine},
            {1.5, {172, 172, 172}, Qt::DotLine},   {13.5, {172, 172, 172}, Qt::DotLine},
            {0.0, {200, 200, 255}, Qt::SolidLine}, {15.0, {200, 200, 255}, Qt::SolidLine},
        };
        for (const auto& guide : guides) {
            p_.setPen(QPen(visibleOn(guide.colour, iceColour_), 1, guide.style));
            int x = columnAt(guide.x);
            if (x > g_.drawX(Sheet::CentreLine))
                --x; // the right-hand lines one pixel to the left, inside the sheet
            p_.drawLine(QPoint(x, rowAt(29.0)), QPoint(x, rowAt(2.0)));
        }
    }

    void sponsors()
    {
        const HouseSponsors& s = in_.sponsors;
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor(240, 240, 240));
        const auto area = [this](int tenthsY, int tenthsW, bool twoAlways) {
            if (tenthsY <= 0)
                return;
            const double top = tenthsY / 10.0;
            if (tenthsW < 0 && !twoAlways) {
                const double half = -tenthsW / 10.0;
                p_.drawRect(rectFeet(7.5 - half, top, 7.5 + half, top + 2.0));
            } else {
                const double w = tenthsW / 10.0;
                p_.drawRect(rectFeet(2.0, top, 2.0 + w, top + 2.0));
                p_.drawRect(rectFeet(13.0 - w, top, 13.0, top + 2.0));
            }
        };
        area(s.Sponsor1Y, s.Sponsor1W, false);
        area(s.Sponsor2Y, s.Sponsor2W, true);
    }

    void outlines()
    {
        const int width = in_.fields.OldLineSize;
        if (width <= 0)
            return;
        p_.setBrush(Qt::NoBrush);
        p_.setRenderHint(QPainter::Antialiasing, true);
        for (int i = 0; i < CEnd::StoneCount; ++i) {
            const SheetPoint& before = in_.positions.previous[std::size_t(i)];
            if (!Sheet::isOnSheet(before) || before == in_.positions.current[std::size_t(i)])
                continue;
            p_.setPen(QPen(teamColour(i / CEnd::StonesPerTeam), width));
            circle(g_.toDrawing(before, mirror_), g_.stoneRadius());
        }
        p_.setRenderHint(QPainter::Antialiasing, false);
    }

    void stones(const HouseLayout& layout)
    {
        const QColor dark = teamColour(0), light = teamColour(1);
        const int crossed = channelSum(dark) < channelSum(light) ? 1 : 0;
        const int recorded = in_.game.StoneSlot();
        p_.setRenderHint(QPainter::Antialiasing, true);
        for (int i = 0; i < CEnd::StoneCount; ++i) {
            const PlacedElement& e = layout.stones[std::size_t(i)];
            if (!e.drawn)
                continue;
            const int slot = i / CEnd::StonesPerTeam;
            const QColor colour = slot == 0 ? dark : light;
            p_.setPen(i == recorded ? QPen(Qt::black, 2) : QPen(Qt::black, 1));
            p_.setBrush(colour);
            circle(e.centre, e.radius);
            if (slot == crossed) {
                const double half = std::sqrt(e.radius * e.radius / 2.0) - 1.0;
                p_.setPen(QPen(inverted(colour), 1));
                const QPointF c = e.centre;
                p_.drawLine(c + QPointF(-half, -half), c + QPointF(half, half));
                p_.drawLine(c + QPointF(-half, half), c + QPointF(half, -half));
            }
        }
    }

    void target(const PlacedElement& e)
    {
        if (!e.drawn)
            return;
        const double r = g_.stoneRadius();
        p_.setRenderHint(QPainter::Antialiasing, true);
        QPainterPath ring;
        ring.addEllipse(QPointF(e.centre), 0.8 * r, 0.8 * r);
        ring.addEllipse(QPointF(e.centre), 0.5 * r, 0.5 * r);
        p_.setPen(QPen(Qt::black, 1));
        p_.setBrush(Qt::white);
        p_.drawPath(ring); // odd-even fill: the ring white, the middle open
        const QPointF c = e.centre;
        p_.setRenderHint(QPainter::Antialiasing, false); // a crisp cross on the pixel grid
        p_.drawLine(c - QPointF(0.8 * r, 0), c + QPointF(0.8 * r, 0));
        p_.drawLine(c - QPointF(0, 0.8 * r), c + QPointF(0, 0.8 * r));
    }

    void broom(const PlacedElement& e)
    {
        if (!e.drawn)
            return;
        const double r = g_.stoneRadius();
        p_.setRenderHint(QPainter::Antialiasing, false);
        p_.setPen(QPen(Qt::black, 1));
        p_.setBrush(teamColour(in_.game.CurrentTeamSlot()));
        p_.drawRect(QRectF(e.centre.x() - 0.3 * r, e.centre.y() - 0.8 * r, 0.6 * r, 1.6 * r));
    }

    void marks(const std::vector<HouseMark>& marks)
    {
        const double r = g_.stoneRadius();
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setPen(QPen(Qt::black, 1));
        for (const HouseMark& m : marks) {
            if (!Sheet::isOnSheet(m.position) || (m.teamSlot != 0 && m.teamSlot != 1))
                continue;
            const QPoint c = g_.toDrawing(m.position, mirror_);
            p_.setBrush(m.teamSlot == 0 ? QColor(64, 64, 64) : QColor(128, 128, 128));
            circle(c, r);
            if (m.points > 0) {
                p_.setBrush(teamColour(m.teamSlot));
                circle(c, m.points * r / 4.0);
            } else {
                p_.drawPoint(c); // a 0-point stone: the grey disc with a dot
            }
        }
    }

    void title()
    {
        if (in_.title.isEmpty())
            return;
        p_.resetTransform();
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(7.0);
        p_.setFont(font);
        const QRect box =
            p_.boundingRect(QRect(8, 5, 10000, 1000), Qt::AlignLeft | Qt::AlignTop, in_.title);
        p_.fillRect(box, Qt::white);
        p_.setPen(Qt::black);
        p_.drawText(box, Qt::AlignLeft | Qt::AlignTop, in_.title);
    }

    QColor teamColour(int slot) const
    {
        return toQColor(slot == 0 ? in_.fields.Dark : in_.fields.Light);
    }

private:
    QPainter& p_;
    const CHouseGeometry& g_;
    const HousePaintInput& in_;
    bool mirror_;
    QColor iceColour_;
};

} // namespace

HouseLayout paintHouse(QPainter& painter, const CHouseGeometry& geometry,
                       const HousePaintInput& input)
{
    painter.save();
    const QRect device = painter.viewport();
    const bool screen = input.output == HouseOutput::Screen;
    if (screen || !input.showGraphics)
        painter.fillRect(device, input.background);
    HouseLayout layout;
    if (!input.showGraphics) {
        painter.restore();
        return layout;
    }
    if (geometry.rotated())
        painter.setTransform(QTransform(0, -1, 1, 0, 0, geometry.height()), true);

    Drawing d(painter, geometry, input);
    painter.setRenderHint(QPainter::Antialiasing, false);
    d.ice();
    d.house();
    d.guideLines();
    if (input.marks) {
        d.marks(*input.marks);
    } else {
        if (screen)
            d.sponsors();
        layout = layoutHouse(input.game, input.fields, input.positions, geometry, input.output);
        d.outlines();
        d.stones(layout);
        d.target(layout.target);
        d.broom(layout.broom);
    }
    d.title();
    painter.restore();
    return layout;
}
