#include "core/app/StartCommands.h"
#include "core/base/SettingsKeys.h"

#include "support/TestSettings.h"

#include <QDir>

class StartCommandsTest : public SettingsTest
{
protected:
    const QString documents = QDir::toNativeSeparators(QStringLiteral("/home/coach/Documents"));
    const QString games =
        QDir::toNativeSeparators(QStringLiteral("/home/coach/Documents/HAVRIK Coach Tool/"));
    const QString backup =
        QDir::toNativeSeparators(QStringLiteral("/home/coach/Documents/HAVRIK Coach Tool/Backup/"));
    const QString own = QStringLiteral("/srv/games/");
};

TEST_F(StartCommandsTest, StartWizardDecidesTheRequestsAndThePaths)
{
    struct Case
    {
        std::optional<int> startWizard; // none: not stored
        bool pathSet;
        bool setupWizard, preferences;
        bool pathsRewritten;
        int startWizardAfter;
    };
    const Case cases[] = {
        {std::nullopt, false, true, false, true, 1},
        {1, true, true, false, false, 1},
        {2, true, false, true, true, 1},
        {2, false, false, true, true, 1},
        {0, true, false, false, false, 0},
        {0, false, false, false, true, 0},
    };
    for (const Case& c : cases) {
        Settings::remove(QStringLiteral("Options"), QStringLiteral("StartWizard"));
        if (c.startWizard)
            Settings::write(Key::Options::StartWizard, *c.startWizard);
        Settings::write(Key::Setup::Path, c.pathSet ? own : QString());
        Settings::write(Key::Setup::BackupPath, c.pathSet ? own + "Backup/" : QString());

        const StartCommands::Requests requests = StartCommands::newCommand(documents);
        const int row = int(&c - cases);
        EXPECT_EQ(requests.setupWizard, c.setupWizard) << row;
        EXPECT_EQ(requests.preferences, c.preferences) << row;
        EXPECT_EQ(Settings::read(Key::Setup::Path), c.pathsRewritten ? games : own) << row;
        EXPECT_EQ(Settings::read(Key::Setup::BackupPath),
                  c.pathsRewritten ? backup : own + "Backup/")
            << row;
        EXPECT_EQ(Settings::read(Key::Options::StartWizard), c.startWizardAfter) << row;
    }
    EXPECT_FALSE(QDir(games).exists()); // the folders are left to the first save
}

TEST_F(StartCommandsTest, NoDocumentsFolderLeavesThePathsAlone)
{
    Settings::write(Key::Options::StartWizard, 2);
    const StartCommands::Requests requests = StartCommands::newCommand(QString());
    EXPECT_FALSE(Settings::contains(QStringLiteral("Setup"), QStringLiteral("Path")));
    EXPECT_FALSE(Settings::contains(QStringLiteral("Setup"), QStringLiteral("BackupPath")));
    EXPECT_TRUE(requests.preferences);
    EXPECT_EQ(Settings::read(Key::Options::StartWizard), 1);
}

TEST_F(StartCommandsTest, UpdateAddressCarriesTheVersion)
{
    EXPECT_EQ(StartCommands::versionParameter(QStringLiteral("6.4.0")), QStringLiteral("6400"));
    EXPECT_EQ(
        StartCommands::updateAddress(),
        QStringLiteral("https://www.havrik-coach.example/TALVStats/checkupdate.aspx?version=6400"));
}
