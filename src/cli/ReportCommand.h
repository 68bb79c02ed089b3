#pragma once

#include <QString>

class Prompts;

// talvstats-cli report FILE [--view N] [--visible]: prints the full report's
// clipboard text of view N (0..3) as UTF-8, every row or only those visible in
// the report's initial expansion. Returns the exit status.
int reportCommand(const QString& file, int view, bool visible, Prompts& prompts);
