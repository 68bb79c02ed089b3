#pragma once

#include <QJsonObject>

class CGame;

// The game record as the command line prints it: the "Game" object of the JSON
// contract (stored fields only; the ends 0 .. RecordEnd).
QJsonObject gameToJson(const CGame& game);
