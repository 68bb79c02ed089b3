#pragma once

#include <QString>
#include <QStringList>

class Prompts;

// talvstats-cli tournament --team NAME [--players A,B,C,D,E] FILE…: adds the
// files as the tournament window does, answering its questions without a
// person, and prints the tournament report's clipboard text.
int tournamentCommand(const QString& team, const QStringList& players, const QStringList& files,
                      Prompts& prompts);
