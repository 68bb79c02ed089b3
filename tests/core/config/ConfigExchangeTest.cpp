#include "core/config/ConfigExchange.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QFile>

class ConfigExchangeTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        Settings::write(Key::Setup::ConfigPath, folder_.path());
        config_.Load();
        config_.categories[0].name = QStringLiteral("Test");
        config_.statisticians = {{1, QStringLiteral("Eva"), {}}};
        config_.Save();
    }
    QString file(const char* name) const { return folder_.path() + QLatin1Char('/') + name; }
    CConfig savedRegistry() const
    {
        CConfig saved;
        QFile in(config_.path);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        EXPECT_TRUE(saved.fromBytes(in.readAll()));
        return saved;
    }

    QTemporaryDir folder_;
    CConfig config_;
    ScriptedPrompts prompts_;
};

TEST_F(ConfigExchangeTest, ImportingTwiceNumbersTheSecondCopy)
{
    const QString path = file("test.config");
    ASSERT_TRUE(ConfigExchange::Export(config_, 0, path));
    const CConfigCategory exported = config_.categories[0];

    config_.statisticians.clear();
    EXPECT_EQ(ConfigExchange::Import(config_, path, prompts_), QStringLiteral("Test_1"));
    // The category is saved at once; the lists wait for the next save.
    const CConfig saved = savedRegistry();
    EXPECT_EQ(saved.categories, config_.categories);
    EXPECT_TRUE(saved.statisticians.empty());

    EXPECT_EQ(ConfigExchange::Import(config_, path, prompts_), QStringLiteral("Test_2"));
    EXPECT_TRUE(prompts_.messages.isEmpty());
    ASSERT_EQ(config_.categories.size(), 3u);
    CConfigCategory copy = config_.categories[2];
    EXPECT_EQ(copy.id, 2);
    copy.id = exported.id;
    copy.name = exported.name;
    EXPECT_EQ(copy, exported);
    ASSERT_EQ(config_.statisticians.size(), 1u);
    EXPECT_EQ(config_.statisticians[0].name, QStringLiteral("Eva"));
}

TEST_F(ConfigExchangeTest, NamelessCategoryGetsItsIdText)
{
    config_.categories[0].name.clear();
    const QString path = file("nameless.config");
    ASSERT_TRUE(ConfigExchange::Export(config_, 0, path));
    EXPECT_EQ(ConfigExchange::Import(config_, path, prompts_), QStringLiteral("_1"));
}

TEST_F(ConfigExchangeTest, FileWithoutListsAddsTheCategoryThenFails)
{
    Settings::write(Key::Options::ImportExportAll, 0);
    const QString path = file("short.config");
    ASSERT_TRUE(ConfigExchange::Export(config_, 0, path));
    Settings::write(Key::Options::ImportExportAll, 1);
    config_.sessions.resize(2);

    EXPECT_TRUE(ConfigExchange::Import(config_, path, prompts_).isEmpty());
    ASSERT_EQ(prompts_.messages.size(), 1);
    EXPECT_TRUE(prompts_.messages[0].startsWith(QStringLiteral("Import Config: Error: \n\n")));
    EXPECT_EQ(config_.categories.size(), 2u);
    EXPECT_EQ(savedRegistry().categories.size(), 2u);
    EXPECT_EQ(config_.sessions.size(), 2u);
    EXPECT_EQ(config_.statisticians.size(), 1u);

    // Read with the switch off, the same file imports cleanly.
    Settings::write(Key::Options::ImportExportAll, 0);
    EXPECT_EQ(ConfigExchange::Import(config_, path, prompts_), QStringLiteral("Test_2"));
}

TEST_F(ConfigExchangeTest, ListsReplaceAllThreeOrNone)
{
    const QString path = file("lists.config");
    config_.sessions = {{5, QStringLiteral("Final"), {}}};
    ASSERT_TRUE(ConfigExchange::Export(config_, 0, path));
    QFile cut(path);
    ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
    cut.resize(cut.size() - 2); // the statisticians' last byte and more
    cut.close();
    config_.sessions.clear();

    EXPECT_TRUE(ConfigExchange::Import(config_, path, prompts_).isEmpty());
    EXPECT_EQ(prompts_.messages.size(), 1);
    EXPECT_TRUE(config_.sessions.empty());
    EXPECT_EQ(config_.statisticians.size(), 1u);
}

TEST_F(ConfigExchangeTest, UnreadableFilesAddNothing)
{
    QFile empty(file("empty.config"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    const QByteArray before = savedRegistry().toBytes();
    for (const char* name : {"empty.config", "missing.config"}) {
        prompts_.messages.clear();
        EXPECT_TRUE(ConfigExchange::Import(config_, file(name), prompts_).isEmpty()) << name;
        ASSERT_EQ(prompts_.messages.size(), 1) << name;
        EXPECT_TRUE(prompts_.messages[0].startsWith(QStringLiteral("Import Config: Error: \n\n")));
        EXPECT_EQ(config_.categories.size(), 1u);
    }
    EXPECT_EQ(savedRegistry().toBytes(), before);
}

TEST_F(ConfigExchangeTest, ExportFailures)
{
    EXPECT_FALSE(ConfigExchange::Export(config_, 1, file("a.config")));
    EXPECT_FALSE(ConfigExchange::Export(config_, -1, file("a.config")));
    EXPECT_FALSE(QFile::exists(file("a.config")));
    EXPECT_FALSE(ConfigExchange::Export(config_, 0, file("no/such/folder/a.config")));
}

TEST_F(ConfigExchangeTest, DialogTexts)
{
    EXPECT_EQ(ConfigExchange::proposedExportName(QStringLiteral("Test"), QDate(2026, 12, 8)),
              QStringLiteral("Test_20261208"));
    Settings::write(Key::Setup::Path, folder_.path());
    EXPECT_EQ(ConfigExchange::startFolder(), folder_.path());
    EXPECT_EQ(ConfigExchange::exportedIndex(-1), 0);
    EXPECT_EQ(ConfigExchange::exportedIndex(2), 2);
}
