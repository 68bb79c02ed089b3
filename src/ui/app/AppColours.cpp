#include "AppColours.h"

#include "core/base/SettingsKeys.h"
#include "core/house/HouseColours.h"

#include <QApplication>
#include <QPalette>

namespace AppColours {

namespace {

const std::array<const ColorKey*, 4> kButtonKeys{&Key::Colors::Button1, &Key::Colors::Button2,
                                                 &Key::Colors::Button3, &Key::Colors::Button4};

std::array<QColor, 4>& buttons()
{
    static std::array<QColor, 4> colours{toQColor(qint32(kButtonKeys[0]->defaultValue())),
                                         toQColor(qint32(kButtonKeys[1]->defaultValue())),
                                         toQColor(qint32(kButtonKeys[2]->defaultValue())),
                                         toQColor(qint32(kButtonKeys[3]->defaultValue()))};
    return colours;
}

QColor& background()
{
    // The system's button face until a look replaces it.
    static QColor colour = QApplication::palette().color(QPalette::Button);
    return colour;
}

} // namespace

void readButtonColours()
{
    for (std::size_t i = 0; i < kButtonKeys.size(); ++i)
        buttons()[i] = toQColor(qint32(Settings::readColor(*kButtonKeys[i])));
}

QColor button(int number)
{
    return number >= 1 && number <= 4 ? buttons()[std::size_t(number - 1)] : QColor();
}

QColor formBackground()
{
    return background();
}

void setFormBackground(const QColor& colour)
{
    background() = colour;
}

} // namespace AppColours
