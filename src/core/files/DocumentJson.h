#pragma once

#include <QJsonObject>

class CGame;
struct DocumentFields;

// A document as the command line prints it: the document block's keys and
// "Game" (see the game record's JSON).
QJsonObject documentToJson(const DocumentFields& fields, const CGame& game);
