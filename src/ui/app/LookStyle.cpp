#include "LookStyle.h"

#include "AppColours.h"

#include "core/app/ApplicationLook.h"
#include "core/house/HouseColours.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace LookStyle {

namespace {

// Selections in a deeper shade of the look's own hue: every coloured look has
// its accent, also while the background option leaves the windows plain.
void accent(QPalette& palette, const QColor& colour)
{
    const QColor highlight =
        QColor::fromHsv(colour.hsvHue(), qMin(255, colour.hsvSaturation() * 3 + 60), 170);
    palette.setColor(QPalette::Active, QPalette::Highlight, highlight);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, highlight.lighter(120));
}

void tint(QPalette& palette, const QColor& background)
{
    const QColor raised = background.lighter(106);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, background);
        palette.setColor(group, QPalette::Button, raised);
        palette.setColor(group, QPalette::AlternateBase, background.lighter(112));
        palette.setColor(group, QPalette::Mid, background.darker(130));
        palette.setColor(group, QPalette::Dark, background.darker(160));
    }
}

} // namespace

QColor apply(int lookId)
{
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette = QApplication::style()->standardPalette();
    const ApplicationLook::Look& look = ApplicationLook::look(lookId);
    if (look.hasBackground)
        accent(palette, QColor(look.r, look.g, look.b));
    if (const auto background = ApplicationLook::background(lookId))
        tint(palette, toQColor(qint32(*background)));
    QApplication::setPalette(palette);
    AppColours::setFormBackground(palette.color(QPalette::Window));
    return palette.color(QPalette::Window);
}

} // namespace LookStyle
