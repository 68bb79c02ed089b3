#include "DiagramPainter.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/files/DocumentFields.h"
#include "core/house/ImageFiles.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace Diagram {

namespace {

constexpr qint32 kReferenceGrey = 0x909090;
constexpr int kImageDepth = 32;

QColor colourOf(qint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

enum class Across
{
    Left,   // starts at x
    Centre, // centred on x
    Right   // ends at x
};

enum class Down
{
    Top,      // top edge at y
    Baseline, // baseline at y
    Bottom    // bottom edge at y
};

// Text anchored at a point; with a background colour it is drawn opaque.
void drawText(QPainter& painter, int x, int y, Across across, Down down, const QString& text,
              const QColor& background = QColor())
{
    if (text.isEmpty())
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    if (across == Across::Centre)
        x -= width / 2;
    else if (across == Across::Right)
        x -= width;
    int baseline = y;
    if (down == Down::Top)
        baseline = y + metrics.ascent();
    else if (down == Down::Bottom)
        baseline = y - metrics.descent();
    if (background.isValid())
        painter.fillRect(QRect(x, baseline - metrics.ascent(), width, metrics.height()),
                         background);
    painter.drawText(QPoint(x, baseline), text);
}

TextSizes textSizes(const QFontMetrics& metrics)
{
    TextSizes sizes;
    sizes.starWidth = metrics.horizontalAdvance(QStringLiteral("*WWW"));
    sizes.rightWidth = metrics.horizontalAdvance(QStringLiteral("WWW4"));
    sizes.height = metrics.height(); // the height of "Top": one line of the font
    sizes.digitWidth = metrics.horizontalAdvance(QStringLiteral("4"));
    return sizes;
}

// Numbers and row labels in the device's text colour (black); the frame's pen
// stays for the axis and the grid lines.
void paintAxisAndScores(QPainter& painter, const Geometry& g, const DiagramData& data,
                        const QColor& ice)
{
    const QPen framePen = painter.pen();
    const QPen textPen(Qt::black);
    const int n = g.lastPoint;
    const int numberTop = g.axisNumberTop();
    const auto scores = [&](int i, int x, Across across, const QColor& background) {
        for (int team = 0; team < 2; ++team) {
            const std::vector<QString>& values = data.scores[std::size_t(team)].values;
            if (i < int(values.size()))
                drawText(painter, x, g.scoreRowY(team), across, Down::Bottom,
                         values[std::size_t(i)], background);
        }
    };

    painter.setPen(textPen);
    drawText(painter, g.left + 2, numberTop, Across::Left, Down::Top, QStringLiteral("1"));
    scores(0, g.left + 2, Across::Left, QColor());
    painter.setPen(framePen);
    // Horizontal lines end before their end point, so that they stop inside the frame.
    painter.drawLine(g.left + 1, g.bottom, g.right - 2, g.bottom);
    for (int i = 1; i < n; ++i) {
        const int x = g.pointX(i);
        painter.setPen(framePen);
        painter.drawLine(x, g.top, x, g.bottom);
        painter.setPen(textPen);
        drawText(painter, x, numberTop, Across::Centre, Down::Top, QString::number(i + 1), ice);
        scores(i, x, Across::Centre, ice);
    }
    painter.setPen(textPen);
    drawText(painter, g.right - 2, numberTop, Across::Right, Down::Top, QString::number(n + 1));
    scores(n, g.right - 2, Across::Right, QColor());

    for (int team = 0; team < 2; ++team) {
        const ScoreRow& row = data.scores[std::size_t(team)];
        drawText(painter, g.left - 2, g.scoreRowY(team), Across::Right, Down::Bottom,
                 row.leftLabel);
        drawText(painter, g.right + 2, g.scoreRowY(team), Across::Left, Down::Bottom,
                 row.rightLabel);
    }
}

QPen linePen(const QColor& colour, int width, Qt::PenStyle style)
{
    QPen pen(colour, std::max(1, width), style, Qt::RoundCap, Qt::RoundJoin);
    return pen;
}

void paintLine(QPainter& painter, const Geometry& g, const Line& line)
{
    const QColor colour = colourOf(line.colour);
    const QPen own = linePen(colour, line.penWidth(g.scale), Qt::SolidLine);
    const QPen dotted = linePen(colour, 1, Qt::DotLine);
    const bool playerSubject = line.kind == Line::Kind::PlayerSubject;
    const int n = g.lastPoint;
    const auto valueAt = [&](int i) {
        return i >= 0 && i < int(line.values.size()) ? line.values[std::size_t(i)] : -1;
    };

    const auto first =
        std::find_if(line.values.begin(), line.values.end(), [](int value) { return value >= 0; });
    int y = first == line.values.end() ? g.bottom : g.valueY(*first);
    painter.setPen(own);
    drawText(painter, g.leftLabelRight(line), y, Across::Right, Down::Baseline, line.leftLabel);

    QPoint at(g.lineStartX(), y);
    bool seen = valueAt(0) >= 0; // a value at some point up to the current one
    for (int i = 1; i <= n; ++i) {
        if (valueAt(i) >= 0) {
            y = g.valueY(valueAt(i));
            seen = true;
        }
        const QPoint to(g.pointX(i), y);
        if (valueAt(i) >= 0 && valueAt(i - 1) >= 0) {
            painter.drawLine(at, to);
        } else if (playerSubject ? line.hasValue() : seen) {
            painter.setPen(dotted);
            painter.drawLine(at, to);
            painter.setPen(own);
        }
        at = to;
    }
    painter.setPen(linePen(colour, int(g.scale), playerSubject ? Qt::DotLine : Qt::SolidLine));
    painter.drawLine(at, QPoint(g.right, y));
    painter.setPen(own);
    drawText(painter, g.rightLabelLeft(line), y, Across::Left, Down::Baseline, line.rightLabel);

    if (!line.middleLabel.isEmpty()) {
        const int middle = n / 2;
        drawText(painter, g.pointX(middle), g.valueY(line.heldValue(middle)), Across::Right,
                 Down::Baseline, line.middleLabel);
    }

    if (playerSubject) {
        // Squares mark where a run of values starts or ends.
        for (int i = 1; i <= n; ++i) {
            if (valueAt(i) < 0)
                continue;
            if (valueAt(i - 1) < 0 || (i < n && valueAt(i + 1) < 0)) {
                const int x = g.pointX(i);
                const int vy = g.valueY(valueAt(i));
                painter.fillRect(QRect(QPoint(x - 2, vy - 2), QPoint(x + 2, vy + 2)), colour);
            }
        }
        if (valueAt(0) >= 0 && valueAt(1) < 0) {
            const int vy = g.valueY(valueAt(0));
            painter.fillRect(
                QRect(QPoint(g.lineStartX(), vy - 2), QPoint(g.lineStartX() + 3, vy + 2)), colour);
        }
    }
}

} // namespace

Colours Colours::of(const DocumentFields& fields)
{
    return {fields.Lines, fields.Ice};
}

void paint(QPainter& painter, const QRect& rect, const DiagramData& data, const Colours& colours)
{
    painter.save();
    // Flat pixels: lines and fills land on whole pixels, as the saved images need.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode);

    const int r = rect.x() + rect.width(); // right and bottom are exclusive edges
    const int b = rect.y() + rect.height();
    const Geometry g =
        Geometry::of(rect.x(), rect.y(), r, b, textSizes(painter.fontMetrics()), data);
    const QColor lines = colourOf(colours.lines);
    const QColor ice = colourOf(colours.ice);

    painter.setPen(QPen(lines, 1, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    // The outline covers left .. right - 1 and top .. bottom - 1: a stroked QRect is one wider.
    painter.drawRect(QRect(QPoint(g.left, g.top), QPoint(g.right - 2, g.bottom - 2)));
    painter.fillRect(QRect(QPoint(g.left + 1, g.top + 1), QPoint(g.right - 2, g.bottom - 2)), ice);

    paintAxisAndScores(painter, g, data, ice);

    painter.setPen(QPen(colourOf(kReferenceGrey), 1, Qt::DotLine));
    painter.drawLine(g.left + 1, g.referenceY(), g.right - 2, g.referenceY());

    for (const Line& line : data.lines)
        paintLine(painter, g, line);
    painter.restore();
}

QString signature()
{
    return QStringLiteral("HAVRIK Coach Tool");
}

void paintImage(QPainter& painter, const QRect& rect, const DiagramData& data,
                const Colours& colours)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));

    // The chart's font grows with the image: 15 pixels at the default 600 x 450.
    QFont chartFont = painter.font();
    chartFont.setPixelSize(std::max(8, rect.width() / 40));
    painter.setFont(chartFont);
    paint(painter, rect, data, colours);

    // Arial of 7 points on a 96 dpi screen, scaled with the image like the chart.
    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPixelSize(std::max(6, rect.width() * 28 / (3 * 600)));
    painter.setFont(captionFont);
    painter.setPen(Qt::black);
    drawText(painter, rect.x() + rect.width() / 2, rect.y() + 24, Across::Centre, Down::Top,
             imageCaption(data, signature()));
    painter.restore();
}

QImage image(const DiagramData& data, const Colours& colours, int resolution)
{
    QImage result = ImageFiles::newImage(imageSize(resolution), kImageDepth);
    if (result.isNull())
        return result;
    QPainter painter(&result);
    paintImage(painter, result.rect(), data, colours);
    return result;
}

int renderImage(const QString& path, const DiagramData& data, const Colours& colours,
                Prompts& prompts)
{
    const int resolution = Settings::read(Key::Options::PNGResolution);
    return ImageFiles::renderImage(
        path, imageSize(resolution), kImageDepth,
        [&](QPainter& painter, const QRect& rect) { paintImage(painter, rect, data, colours); },
        prompts);
}

int saveImage(const DiagramData& data, const DocumentFields& fields, Prompts& prompts,
              const QDateTime& now)
{
    const int resolution = Settings::read(Key::Options::PNGResolution);
    const Colours colours = Colours::of(fields);
    return ImageFiles::saveImage(
        QStringLiteral("TALVDiagram"), fields, imageSize(resolution), kImageDepth,
        [&](QPainter& painter, const QRect& rect) { paintImage(painter, rect, data, colours); },
        prompts, now);
}

} // namespace Diagram
