#pragma once

#include <QString>

class Prompts;

// talvstats-cli diagram FILE OUT: writes the diagram of FILE's game as the
// Save image button would, with the teams as subject and both teams shown, at
// the size of PNGResolution. The type follows OUT's extension (png, jpg, gif);
// an OUT without one gets ".png". Returns the exit status.
int diagramCommand(const QString& file, const QString& out, Prompts& prompts);
