#pragma once

#include <QString>

class Prompts;

// talvstats-cli render FILE OUT [--position E,P,S,O]: the house image of the
// stone record at that position (the current one by default).
int renderCommand(const QString& file, const QString& out, const QString& position,
                  Prompts& prompts);
