#include "core/files/DocumentPaths.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/UserFolders.h"

#include "support/TestSettings.h"

#include <QDir>

using DocumentPaths::Replacements;

class DocumentPathsTest : public SettingsTest
{
protected:
    DocumentPaths::GameNames names(const QString& competition, const QString& event,
                                   qint16 competitionId = 3) const
    {
        return {competitionId,
                competition,
                event,
                QStringLiteral("Session 1"),
                QStringLiteral("Sheet B"),
                QStringLiteral("SUI"),
                QStringLiteral("CAN")};
    }
    QTemporaryDir games_;
};

TEST_F(DocumentPathsTest, FileNameFromSessionSheetAndTeams)
{
    struct Case
    {
        const char *session, *sheet, *team1, *team2;
        Replacements replacements;
        const char* expected;
    };
    const Case cases[] = {
        {"Session 1", "Sheet B", "SUI", "CAN", Replacements::All, "Session1-SheetB-SUI-CAN"},
        {"Round Robin 3", "A", "SUI", "CAN", Replacements::All, "RR3-A-SUI-CAN"},
        {"Tie-breaker", "A", "B", "C", Replacements::All, "TB-A-B-C"},
        {"Tie-break 2", "A", "B", "C", Replacements::All, "TB2-A-B-C"},
        {"Tie-break 2", "A", "B", "C", Replacements::NewDocument, "Tie-break2-A-B-C"},
        {"Tie Break", "A", "B", "C", Replacements::All, "TieBreak-A-B-C"},
        {"Women's Curling", "A/B", "O'N", "x\\y", Replacements::All, "Women--AB-ON-xy"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DocumentPaths::fileName(QString::fromUtf8(c.session), QString::fromUtf8(c.sheet),
                                          QString::fromUtf8(c.team1), QString::fromUtf8(c.team2),
                                          c.replacements),
                  QString::fromUtf8(c.expected))
            << c.session;
}

TEST_F(DocumentPathsTest, NamesNeverLeadOutOfTheGamesFolder)
{
    struct Case
    {
        const char* name;
        const char* level;
    };
    const Case cases[] = {{"WCC 2026", "WCC 2026"}, {"../../etc", "etc"}, {"..", ""},
                          {"a/../b", "a b"},        {"x\ty\n", "xy"},     {"/", ""}};
    for (const Case& c : cases)
        EXPECT_EQ(DocumentPaths::folderLevel(QString::fromUtf8(c.name)), QString::fromUtf8(c.level))
            << c.name;
}

TEST_F(DocumentPathsTest, NewDocumentPathUnderSetupPath)
{
    Settings::write(Key::Setup::Path, games_.path());
    const QString sep = QDir::separator();
    EXPECT_EQ(DocumentPaths::newDocumentPath(names(QStringLiteral("WCC"), QStringLiteral("Men"))),
              games_.path() + sep + "WCC" + sep + "Men" + sep + "Session1-SheetB-SUI-CAN");
    // No competition id: no competition folder; nothing is created yet.
    EXPECT_EQ(
        DocumentPaths::newDocumentPath(names(QStringLiteral("WCC"), QStringLiteral("Men"), -1)),
        games_.path() + sep + "Men" + sep + "Session1-SheetB-SUI-CAN");
    EXPECT_FALSE(QDir(games_.filePath(QStringLiteral("Men"))).exists());

    Settings::write(Key::Setup::Path, QString());
    EXPECT_TRUE(DocumentPaths::newDocumentPath(names({}, QStringLiteral("Men")))
                    .startsWith(UserFolders::gamesFolder()));
}

TEST_F(DocumentPathsTest, FinishedGameGoesToTheBackupFolderAndFoldersAreMade)
{
    Settings::write(Key::Setup::Path, games_.filePath(QStringLiteral("games")));
    Settings::write(Key::Setup::BackupPath, games_.filePath(QStringLiteral("backup")));
    const auto game = names(QStringLiteral("../WCC"), QStringLiteral("Tie Break"));
    const QString inPlay = DocumentPaths::derivedPath(game, 6);
    EXPECT_EQ(inPlay,
              QDir::toNativeSeparators(games_.filePath(QStringLiteral("games/WCC/Tie Break/"
                                                                      "Session1-SheetB-SUI-CAN"))));
    EXPECT_TRUE(QDir(games_.filePath(QStringLiteral("games/WCC/Tie Break"))).exists());
    const QString finished = DocumentPaths::derivedPath(game, 8);
    EXPECT_TRUE(finished.startsWith(games_.filePath(QStringLiteral("backup/WCC/"))));
    EXPECT_TRUE(QDir(games_.filePath(QStringLiteral("backup/WCC/Tie Break"))).exists());
}
