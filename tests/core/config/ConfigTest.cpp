#include "core/config/Config.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/files/BinaryReader.h"
#include "core/files/BinaryWriter.h"

#include "support/TestSettings.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// English texts; the registry lives in its own folder.
class ConfigTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        Settings::write(Key::Setup::ConfigPath, folder_.path());
    }
    QString filePath() const { return folder_.path() + QStringLiteral("/TALVStats.config"); }

    QTemporaryDir folder_;
};

TEST_F(ConfigTest, FirstRunWritesTheDefaultSet)
{
    CConfig config;
    QString problem = QStringLiteral("stale");
    config.Load({}, &problem);
    EXPECT_TRUE(problem.isEmpty());
    EXPECT_TRUE(config.enabled);
    EXPECT_EQ(config.path, filePath());
    ASSERT_TRUE(QFile::exists(filePath()));

    ASSERT_EQ(config.categories.size(), 1u);
    const CConfigCategory& category = config.categories[0];
    EXPECT_EQ(category.id, 1);
    EXPECT_EQ(category.name, QStringLiteral("Competition"));
    EXPECT_EQ(category.note, QStringLiteral("Created automatically"));
    ASSERT_EQ(category.events.size(), 3u);
    const char* eventNames[] = {"Round robin", "Play-offs", "Final"};
    for (int e = 0; e < 3; ++e) {
        const CConfigEvent& event = category.events[std::size_t(e)];
        EXPECT_EQ(event.id, e + 1);
        EXPECT_EQ(event.name, QLatin1String(eventNames[e]));
        ASSERT_EQ(event.teams.size(), 2u);
        for (int t = 0; t < 2; ++t) {
            // My Team keeps the id of the team it was built as.
            EXPECT_EQ(event.teams[std::size_t(t)].id, e == 0 && t == 0 ? 1 : t);
            EXPECT_EQ(event.teams[std::size_t(t)].players.size(), 5u);
        }
    }
    const CConfigTeam* myTeam = config.myTeam();
    ASSERT_TRUE(myTeam);
    EXPECT_EQ(myTeam->name, QStringLiteral("My Team (own team)"));
    EXPECT_EQ(myTeam->code, QStringLiteral("MYm"));
    const CConfigTeam& second = category.events[0].teams[1];
    EXPECT_EQ(second.name, QStringLiteral("Team 2"));
    EXPECT_EQ(second.code, QStringLiteral("TE2"));
    EXPECT_EQ(second.note, QStringLiteral("Created automatically"));

    ASSERT_EQ(config.sessions.size(), 9u);
    EXPECT_EQ(config.sessions[8].id, 9);
    EXPECT_EQ(config.sessions[8].name, QStringLiteral("Session 9"));
    ASSERT_EQ(config.sheets.size(), 8u);
    EXPECT_EQ(config.sheets[0].id, 1);
    EXPECT_EQ(config.sheets[0].name, QStringLiteral("Sheet 1"));
    EXPECT_TRUE(config.statisticians.empty());

    CConfig again;
    again.Load();
    EXPECT_EQ(again, config);
}

TEST_F(ConfigTest, FirstRunOnAFreshAccountMakesTheWholeFolderPath)
{
    // The application-data folder itself may not exist yet.
    const QString nested = folder_.path() + QStringLiteral("/share/HAVRIK/");
    Settings::write(Key::Setup::ConfigPath, nested);
    CConfig config;
    config.Load();
    EXPECT_TRUE(QFile::exists(nested + QStringLiteral("TALVStats.config")));
}

TEST_F(ConfigTest, DefaultTeamPlayers)
{
    struct Case
    {
        int mixedDoubles;
        const char* labels[5];
    };
    const Case cases[] = {
        {0, {"Player 1", "Player 2", "Player 3", "Player 4", "Player 5"}},
        {1, {"Player 1", "Player 2", "Player B", "Player A", "Player 5"}},
    };
    const qint32 ids[] = {4, 3, 2, 1, 5};
    for (const Case& c : cases) {
        Settings::write(Key::Options::MixedDoubles, c.mixedDoubles);
        const CConfigTeam team = CConfig::DefaultTeam(QStringLiteral("Bern"));
        EXPECT_EQ(team.id, 1);
        EXPECT_EQ(team.code, QStringLiteral("BEn"));
        ASSERT_EQ(team.players.size(), 5u);
        for (std::size_t k = 0; k < 5; ++k) {
            const CConfigPlayer& player = team.players[k];
            EXPECT_EQ(player.name, QStringLiteral("BEn ") + QLatin1String(c.labels[k]));
            EXPECT_EQ(player.id, ids[k]);
            EXPECT_EQ(player.number, qint16(k + 1));
            EXPECT_EQ(player.skip, k == 3 ? 1 : 0);
            EXPECT_TRUE(player.note.isEmpty());
        }
    }
}

TEST_F(ConfigTest, DefaultTeamCodes)
{
    const std::pair<const char*, const char*> cases[] = {
        {"x", "Xx"}, {"ab", "ABb"}, {"My Team", "MYm"}, {"", ""}, {"bern a", "BEa"}};
    for (const auto& [name, code] : cases)
        EXPECT_EQ(CConfig::DefaultTeamCode(QLatin1String(name)), QLatin1String(code)) << name;
}

TEST_F(ConfigTest, ResetKeepsOrDropsMyTeam)
{
    CConfig config;
    config.Load();
    CConfigTeam* myTeam = config.myTeam();
    myTeam->players[0].name = QStringLiteral("Anna");
    config.statisticians.push_back({});

    config.ResetToDefaults();
    ASSERT_TRUE(config.myTeam());
    // A name that already has the suffix gets it a second time.
    EXPECT_EQ(config.myTeam()->name, QStringLiteral("My Team (own team) (own team)"));
    EXPECT_EQ(config.myTeam()->players[0].name, QStringLiteral("Anna"));
    EXPECT_TRUE(config.statisticians.empty());

    config.ResetToDefaults(true);
    EXPECT_EQ(config.myTeam()->name, QStringLiteral("Team 1"));
    CConfig saved;
    ASSERT_TRUE(saved.fromBytes(readAll(filePath())));
    EXPECT_EQ(saved, config);
}

TEST_F(ConfigTest, BinaryFormOfOneRecordOfEachKind)
{
    CConfig config;
    CConfigPlayer player;
    player.id = 2;
    player.name = QStringLiteral("A");
    player.number = -1;
    player.skip = 1;
    CConfigTeam team;
    team.id = 3;
    team.code = QStringLiteral("B");
    team.players = {player};
    CConfigEvent event;
    event.id = 4;
    event.teams = {team};
    CConfigCategory category;
    category.id = 5;
    category.name = QStringLiteral("\u00e9");
    category.note = QStringLiteral("n");
    category.events = {event};
    config.categories = {category};
    config.sheets = {CConfigBase{6, QStringLiteral("S"), {}}};

    const QByteArray expected = QByteArray::fromHex("0100" // categories
                                                    "05000000"
                                                    "fffeff01e900"
                                                    "fffeff016e00"
                                                    "0100" // category, events
                                                    "04000000"
                                                    "fffeff00"
                                                    "fffeff00"
                                                    "0100" // event, teams
                                                    "03000000"
                                                    "fffeff00"
                                                    "fffeff00"
                                                    "fffeff014200"
                                                    "0100" // team, code, players
                                                    "02000000"
                                                    "fffeff014100"
                                                    "fffeff00"
                                                    "ffff"
                                                    "01000000" // player
                                                    "0000"     // sessions
                                                    "0100"
                                                    "06000000"
                                                    "fffeff015300"
                                                    "fffeff00" // sheets
                                                    "0000");   // statisticians
    EXPECT_EQ(config.toBytes().toHex(), expected.toHex());
    CConfig read;
    ASSERT_TRUE(read.fromBytes(expected));
    EXPECT_EQ(read, config);
}

TEST_F(ConfigTest, ReadsEightBitStrings)
{
    // One session named "Caf\xe9" in the 8-bit form, id 1.
    const QByteArray bytes = QByteArray::fromHex("0000"
                                                 "0100"
                                                 "01000000"
                                                 "04436166e9"
                                                 "00"
                                                 "0000"
                                                 "0000");
    CConfig config;
    ASSERT_TRUE(config.fromBytes(bytes));
    ASSERT_EQ(config.sessions.size(), 1u);
    EXPECT_EQ(config.sessions[0].name, QStringLiteral("Caf\u00e9"));
}

TEST_F(ConfigTest, LongListsTakeTheEscapedCount)
{
    const struct
    {
        quint32 records;
        const char* countBytes;
    } cases[] = {{65534, "feff"}, {65535, "ffffffff0000"}, {70000, "ffff70110100"}};
    for (const auto& c : cases) {
        CConfig config;
        config.statisticians.resize(c.records);
        config.statisticians.back().name = QStringLiteral("last");
        const QByteArray bytes = config.toBytes();
        const QByteArray count = QByteArray::fromHex(c.countBytes);
        EXPECT_EQ(bytes.mid(6, count.size()).toHex(), count.toHex()) << c.records;
        CConfig read;
        ASSERT_TRUE(read.fromBytes(bytes)) << c.records;
        EXPECT_EQ(read, config);
    }
}

TEST_F(ConfigTest, ShortOrOverCountedBytesFailAndChangeNothing)
{
    CConfig config;
    config.Load();
    const CConfig before = config;
    const QByteArray whole = config.toBytes();
    const QByteArray cases[] = {
        {},
        whole.left(whole.size() - 1),
        whole.left(40),
        // 0xFFFFFFFF categories in six bytes: refused before anything is made.
        QByteArray::fromHex("ffffffffffff"),
        // A player count far beyond what is left.
        QByteArray::fromHex("0100"
                            "01000000"
                            "00"
                            "00"
                            "0100"
                            "01000000"
                            "00"
                            "00"
                            "0100"
                            "01000000"
                            "00"
                            "00"
                            "00"
                            "ffff00000100"),
    };
    for (const QByteArray& bytes : cases) {
        EXPECT_FALSE(config.fromBytes(bytes)) << bytes.toHex().constData();
        EXPECT_EQ(config, before);
    }
}

TEST_F(ConfigTest, SaveWritesEverythingAndFailsWithoutAFolder)
{
    CConfig config;
    config.Load();
    config.statisticians.push_back({1, QStringLiteral("Eva"), QStringLiteral("coach")});
    ASSERT_TRUE(config.Save());
    CConfig again;
    again.Load();
    EXPECT_EQ(again, config);

    config.path = folder_.path() + QStringLiteral("/missing/folder/TALVStats.config");
    EXPECT_FALSE(config.Save());
    config.path.clear();
    EXPECT_FALSE(config.Save());
}

TEST_F(ConfigTest, DamagedFileIsKeptBesideTheDefaults)
{
    CConfig config;
    config.Load();
    config.statisticians.push_back({1, QStringLiteral("Eva"), {}});
    config.Save();
    const QByteArray good = readAll(filePath());
    const QByteArray damaged[] = {good.left(good.size() - 3), QByteArray::fromHex("ffffffff")};

    writeAll(filePath(), damaged[0]);
    QString problem;
    CConfig loaded;
    loaded.Load({}, &problem);
    EXPECT_TRUE(problem.contains(QStringLiteral("TALVStats.config.unreadable")))
        << problem.toStdString();
    EXPECT_EQ(readAll(filePath() + QStringLiteral(".unreadable")), damaged[0]);
    EXPECT_TRUE(loaded.statisticians.empty());
    EXPECT_EQ(loaded.myTeam()->name, QStringLiteral("My Team (own team)"));
    EXPECT_EQ(readAll(filePath()), loaded.toBytes());

    // A second damaged file does not replace the first copy.
    writeAll(filePath(), damaged[1]);
    loaded.Load({}, &problem);
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_EQ(readAll(filePath() + QStringLiteral(".unreadable")), damaged[0]);
    EXPECT_EQ(readAll(filePath() + QStringLiteral(".unreadable-2")), damaged[1]);
}

TEST_F(ConfigTest, DisabledRegistryLeavesTheFileAlone)
{
    const QByteArray mine = QByteArray::fromHex("0000"
                                                "0000"
                                                "0000"
                                                "0100"
                                                "07000000"
                                                "fffeff014500"
                                                "fffeff00");
    writeAll(filePath(), mine);
    Settings::write(Key::Setup::Config, 0);
    CConfig config;
    config.Load();
    EXPECT_FALSE(config.enabled);
    EXPECT_EQ(config.categories.size(), 1u);
    EXPECT_TRUE(config.statisticians.empty());
    EXPECT_EQ(readAll(filePath()), mine);

    Settings::write(Key::Setup::Config, 1);
    config.Load();
    ASSERT_EQ(config.statisticians.size(), 1u);
    EXPECT_EQ(config.statisticians[0].name, QStringLiteral("E"));
}

TEST_F(ConfigTest, FilePathFollowsTheSettings)
{
    QTemporaryDir other;
    const QString games = other.path() + QStringLiteral("/games");
    const QString config = other.path() + QStringLiteral("/config");
    struct Case
    {
        QString configPath, path, activeFolder, fileName, expected;
    };
    const Case cases[] = {
        {config, games, {}, {}, config + QStringLiteral("/TALVStats.config")},
        {config + QStringLiteral("/"),
         {},
         {},
         QStringLiteral("mine.cfg"),
         config + QStringLiteral("/mine.cfg")},
        {{}, games, {}, {}, games + QStringLiteral("/TALVStats.config")},
        {{}, {}, other.path(), {}, other.path() + QStringLiteral("/TALVStats.config")},
        {{}, {}, {}, {}, QStringLiteral("TALVStats.config")},
    };
    for (const Case& c : cases) {
        Settings::write(Key::Setup::ConfigPath, c.configPath);
        Settings::write(Key::Setup::Path, c.path);
        if (c.fileName.isEmpty())
            Settings::remove(QStringLiteral("Setup"), QStringLiteral("ConfigFilename"));
        else
            Settings::write(Key::Setup::ConfigFilename, c.fileName);
        EXPECT_EQ(CConfig::filePath(c.activeFolder), c.expected);
        const QString folder = c.expected.section(QLatin1Char('/'), 0, -2);
        if (!folder.isEmpty()) {
            EXPECT_TRUE(QDir(folder).exists()) << folder.toStdString();
        }
    }
}
