#include "ConfigCommand.h"

#include "core/config/Config.h"
#include "core/files/BinaryReader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace {

constexpr int kOk = 0;
constexpr int kCannotRead = 3;

QJsonObject baseJson(const CConfigBase& record)
{
    return {{QStringLiteral("id"), record.id},
            {QStringLiteral("name"), record.name},
            {QStringLiteral("note"), record.note}};
}

QJsonArray baseListJson(const std::vector<CConfigBase>& list)
{
    QJsonArray array;
    for (const CConfigBase& record : list)
        array.append(baseJson(record));
    return array;
}

QJsonObject categoryJson(const CConfigCategory& category)
{
    QJsonArray events;
    for (const CConfigEvent& event : category.events) {
        QJsonArray teams;
        for (const CConfigTeam& team : event.teams) {
            QJsonArray players;
            for (const CConfigPlayer& player : team.players) {
                QJsonObject json = baseJson(player);
                json.insert(QStringLiteral("number"), player.number);
                json.insert(QStringLiteral("skip"), player.skip);
                players.append(json);
            }
            QJsonObject json = baseJson(team);
            json.insert(QStringLiteral("code"), team.code);
            json.insert(QStringLiteral("players"), players);
            teams.append(json);
        }
        QJsonObject json = baseJson(event);
        json.insert(QStringLiteral("teams"), teams);
        events.append(json);
    }
    QJsonObject json = baseJson(category);
    json.insert(QStringLiteral("events"), events);
    return json;
}

QJsonObject registryJson(const char* kind, const CConfig& config, bool withLists)
{
    QJsonArray categories;
    for (const CConfigCategory& category : config.categories)
        categories.append(categoryJson(category));
    QJsonObject json{{QStringLiteral("kind"), QLatin1String(kind)},
                     {QStringLiteral("categories"), categories}};
    if (withLists) {
        json.insert(QStringLiteral("sessions"), baseListJson(config.sessions));
        json.insert(QStringLiteral("sheets"), baseListJson(config.sheets));
        json.insert(QStringLiteral("statisticians"), baseListJson(config.statisticians));
    }
    return json;
}

// An exchange file: one category, then the three lists or nothing.
std::optional<CConfig> readExchange(QByteArrayView bytes, bool& withLists)
{
    BinaryReader in(bytes);
    CConfig config;
    config.categories.resize(1);
    if (!CConfig::readCategory(in, config.categories[0]))
        return std::nullopt;
    withLists = !in.atEnd();
    if (withLists &&
        (!CConfig::readBaseList(in, config.sessions) || !CConfig::readBaseList(in, config.sheets) ||
         !CConfig::readBaseList(in, config.statisticians) || !in.atEnd()))
        return std::nullopt;
    return config;
}

} // namespace

std::optional<QJsonObject> configFileToJson(QByteArrayView bytes)
{
    // Both forms could read the first bytes of the other: a form counts only
    // when it takes the whole file.
    BinaryReader in(bytes);
    CConfig config;
    if (config.read(in) && in.atEnd())
        return registryJson("configuration", config, true);
    bool withLists = false;
    if (const std::optional<CConfig> exchange = readExchange(bytes, withLists))
        return registryJson("exchange", *exchange, withLists);
    return std::nullopt;
}

int configShowCommand(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", path.toUtf8().constData(),
                     file.errorString().toUtf8().constData());
        return kCannotRead;
    }
    const std::optional<QJsonObject> json = configFileToJson(file.readAll());
    if (!json) {
        std::fprintf(stderr, "%s: not a configuration or exchange file (damaged or incomplete).\n",
                     path.toUtf8().constData());
        return kCannotRead;
    }
    const QByteArray text = QJsonDocument(*json).toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
    return kOk;
}
