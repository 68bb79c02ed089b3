#pragma once

#include <QColor>

#include <array>

// The application-wide colours: the four button colours of the tagging and
// form buttons (Colors/Button1..4) and the forms' background, which the
// application look sets.
namespace AppColours {

// Reads Button1..Button4 from the settings (start-up, and after the colours page).
void readButtonColours();
// Button colour 1..4; before the first read the defaults.
QColor button(int number);

QColor formBackground();
void setFormBackground(const QColor& colour);

} // namespace AppColours
