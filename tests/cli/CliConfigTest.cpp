#include "CliRunner.h"

#include "core/config/Config.h"
#include "core/config/ConfigExchange.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

class CliConfigTest : public CliFileTest
{
protected:
    QString writeFile(const char* name, const QByteArray& bytes)
    {
        const QString path = files_.path() + QLatin1Char('/') + QLatin1String(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QJsonObject show(const QString& path)
    {
        const CliRun result = run({QStringLiteral("config"), QStringLiteral("show"), path});
        EXPECT_EQ(result.exitCode, 0) << result.err.constData();
        return QJsonDocument::fromJson(result.out).object();
    }
};

TEST_F(CliConfigTest, ShowsRegistryAndExchangeFiles)
{
    Settings::write(Key::Setup::ConfigPath, files_.path());
    CConfig config;
    config.Load();
    config.statisticians = {{1, QStringLiteral("Eva"), QStringLiteral("coach")}};
    config.Save();

    const QJsonObject registry = show(config.path);
    EXPECT_EQ(registry[QStringLiteral("kind")].toString(), QStringLiteral("configuration"));
    EXPECT_EQ(registry[QStringLiteral("sessions")].toArray().size(), 9);
    EXPECT_EQ(registry[QStringLiteral("sheets")].toArray().size(), 8);
    const QJsonObject eva = registry[QStringLiteral("statisticians")].toArray()[0].toObject();
    EXPECT_EQ(eva, (QJsonObject{{"id", 1}, {"name", "Eva"}, {"note", "coach"}}));
    const QJsonObject myTeam = registry[QStringLiteral("categories")][0][QStringLiteral("events")]
                                       [0][QStringLiteral("teams")][0]
                                           .toObject();
    EXPECT_EQ(myTeam[QStringLiteral("code")].toString(), QStringLiteral("MYm"));
    const QJsonObject skip = myTeam[QStringLiteral("players")][3].toObject();
    EXPECT_EQ(skip,
              (QJsonObject{
                  {"id", 1}, {"name", "MYm Player 4"}, {"note", ""}, {"number", 4}, {"skip", 1}}));

    for (const int withLists : {1, 0}) {
        Settings::write(Key::Options::ImportExportAll, withLists);
        const QString path = files_.path() + QStringLiteral("/export.config");
        ASSERT_TRUE(ConfigExchange::Export(config, 0, path));
        const QJsonObject exchange = show(path);
        EXPECT_EQ(exchange[QStringLiteral("kind")].toString(), QStringLiteral("exchange"));
        EXPECT_EQ(exchange[QStringLiteral("categories")], registry[QStringLiteral("categories")]);
        EXPECT_EQ(exchange.contains(QStringLiteral("statisticians")), withLists == 1);
    }
}

TEST_F(CliConfigTest, UnreadableFilesExitWithThree)
{
    const QString cases[] = {writeFile("empty.config", {}),
                             writeFile("short.config", QByteArray::fromHex("0100ffff")),
                             files_.path() + QStringLiteral("/missing.config")};
    for (const QString& path : cases) {
        const CliRun result = run({QStringLiteral("config"), QStringLiteral("show"), path});
        EXPECT_EQ(result.exitCode, 3) << path.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.contains(path.toUtf8())) << result.err.constData();
    }
    EXPECT_EQ(run({QStringLiteral("config"), QStringLiteral("list"), cases[0]}).exitCode, 2);
}
