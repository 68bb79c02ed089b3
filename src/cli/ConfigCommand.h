#pragma once

#include <QByteArrayView>
#include <QJsonObject>

#include <optional>

class QString;

// talvstats-cli config show FILE: a configuration file, or an exchange file of
// one category (with or without the session, sheet and statistician lists), as
// JSON. Returns the exit status.
int configShowCommand(const QString& path);

// The JSON of the bytes: {"kind": "configuration" or "exchange", "categories":
// [...], "sessions", "sheets", "statisticians"}; an exchange file without the
// lists has none of the three. Nothing when the bytes are neither form.
std::optional<QJsonObject> configFileToJson(QByteArrayView bytes);
