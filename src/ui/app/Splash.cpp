#include "Splash.h"

#include "core/app/StartCommands.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QRadialGradient>
#include <QScreen>
#include <QTimer>

namespace {

QPointer<CSplash>& instance()
{
    static QPointer<CSplash> splash;
    return splash;
}

void drawHouse(QPainter& painter, QPointF centre, qreal radius)
{
    // Twelve-foot, eight-foot, four-foot circles and the button, seen from above.
    const struct
    {
        qreal share;
        QColor colour;
    } rings[] = {{1.0, QColor(40, 90, 200)},
                 {2.0 / 3.0, QColor(250, 250, 252)},
                 {1.0 / 3.0, QColor(205, 35, 45)},
                 {1.0 / 6.0, QColor(250, 250, 252)}};
    painter.setPen(QPen(QColor(70, 80, 95), 1.2));
    for (const auto& ring : rings) {
        painter.setBrush(ring.colour);
        painter.drawEllipse(centre, radius * ring.share, radius * ring.share);
    }
    painter.setPen(QPen(QColor(70, 80, 95, 160), 1.0));
    painter.drawLine(QPointF(centre.x() - radius * 1.25, centre.y()),
                     QPointF(centre.x() + radius * 1.25, centre.y()));
    painter.drawLine(QPointF(centre.x(), centre.y() - radius * 1.25),
                     QPointF(centre.x(), centre.y() + radius * 1.25));

    // Two stones in the house: one of each team, with their handles.
    const auto stone = [&](QPointF at, const QColor& top) {
        const qreal r = radius * 0.13;
        painter.setPen(QPen(QColor(60, 60, 65), 1.0));
        painter.setBrush(QColor(150, 150, 155));
        painter.drawEllipse(at, r, r);
        painter.setBrush(top);
        painter.drawEllipse(at, r * 0.72, r * 0.72);
        painter.setPen(QPen(top.darker(170), r * 0.22, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(at - QPointF(r * 0.35, 0), at + QPointF(r * 0.35, 0));
    };
    stone(centre + QPointF(-radius * 0.22, -radius * 0.12), QColor(230, 200, 20));
    stone(centre + QPointF(radius * 0.36, radius * 0.28), QColor(210, 30, 40));
}

} // namespace

CSplash::CSplash() : QSplashScreen(renderPicture({520, 300}), Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    qApp->installEventFilter(this);
    QTimer::singleShot(ShowMilliseconds, this, &CSplash::dismiss);
}

void CSplash::dismiss()
{
    qApp->removeEventFilter(this);
    close();
}

CSplash::~CSplash()
{
    qApp->removeEventFilter(this);
}

CSplash* CSplash::showOnce()
{
    if (!instance()) {
        instance() = new CSplash;
        instance()->show();
        instance()->repaint(); // the splash screen paints at once, before start-up goes on
    }
    return instance();
}

CSplash* CSplash::current()
{
    return instance();
}

bool CSplash::wantedBy(const QStringList& arguments)
{
    return !arguments.contains(QStringLiteral("--nosplash")) &&
           !arguments.contains(QStringLiteral("-nosplash"));
}

bool CSplash::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // No shortcut fires for that key: the key press follows and closes the splash.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        // The first key or click only closes the splash.
        dismiss();
        return true;
    default:
        return false;
    }
}

QPixmap CSplash::renderPicture(QSize size)
{
    const int width = size.width(), height = size.height();
    const QRect rect(QPoint(0, 0), size);
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(22, 52, 96));
    sky.setColorAt(1.0, QColor(12, 28, 56));
    painter.fillRect(rect, sky);

    // The ice, fading in from the right, with the house on it.
    const QRectF ice(width * 0.52, 0, width * 0.48, height);
    QLinearGradient sheen(ice.topLeft(), ice.topRight());
    sheen.setColorAt(0.0, QColor(225, 236, 245, 0));
    sheen.setColorAt(0.25, QColor(225, 236, 245, 235));
    sheen.setColorAt(1.0, QColor(240, 246, 250));
    painter.fillRect(ice, sheen);
    drawHouse(painter, QPointF(width * 0.77, height * 0.5), height * 0.36);

    painter.setPen(QColor(255, 255, 255));
    QFont title = QApplication::font();
    title.setPointSizeF(24);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRectF(28, 70, width * 0.55, 44), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("HAVRIK"));
    title.setPointSizeF(17);
    title.setBold(false);
    painter.setFont(title);
    painter.drawText(QRectF(28, 112, width * 0.55, 34), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Coach Tool"));

    QFont small = QApplication::font();
    small.setPointSizeF(10);
    painter.setFont(small);
    painter.setPen(QColor(180, 200, 225));
    painter.drawText(QRectF(30, 160, width * 0.5, 22), Qt::AlignLeft | Qt::AlignVCenter,
                     CSplash::tr("Curling statistics"));
    painter.drawText(QRectF(30, height - 46, width * 0.5, 22), Qt::AlignLeft | Qt::AlignVCenter,
                     CSplash::tr("Version %1").arg(QLatin1String(StartCommands::ProgramVersion)));

    painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.end();
    return picture;
}
