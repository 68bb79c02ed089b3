#pragma once

#include <QString>

// The short code proposed while a team's name is typed, upper-cased: the first
// three letters, or the first two and the initial of the second word, or, for a
// name ending in a one-letter word ("Bern A"), that letter last.
QString proposeTeamCode(const QString& name);
