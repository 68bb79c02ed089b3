#include "ui/app/StartUp.h"
#include "ui/app/WindowTexts.h"

#include "core/files/Document.h"

#include "core/base/ProgramFolder.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

class StartUpTest : public SettingsTest
{
protected:
    // Later tests expect the English window texts.
    void TearDown() override
    {
        WindowTexts::unload();
        SettingsTest::TearDown();
    }
};

TEST_F(StartUpTest, OpensTheMainWindowWithTheNewGamesStateInTheLanguageChosen)
{
    struct Case
    {
        const char* language;
        const char* expectedState;
    };
    const Case cases[] = {{"ENG", "new"}, {"GER", "neu"}, {"fra", "nouveau"}, {"ITA", "nuova"}};
    for (const Case& c : cases) {
        Settings::write(Key::Preferences::Language, QString::fromUtf8(c.language));
        ScriptedPrompts prompts;
        const StartedProgram program = startProgram(prompts);
        ASSERT_TRUE(program.window);
        EXPECT_TRUE(prompts.messages.isEmpty());
        program.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(program.window.get()));
        EXPECT_EQ(program.window->windowTitle(), QStringLiteral("HAVRIK Coach Tool"));
        const auto* label =
            program.window->statusBar()->findChild<QLabel*>(QStringLiteral("stateName"));
        ASSERT_TRUE(label);
        EXPECT_EQ(label->text(), QString::fromUtf8(c.expectedState)) << c.language;
        EXPECT_EQ(program.document->game().GameState, 1);
        EXPECT_TRUE(program.window->findChild<QWidget*>(QStringLiteral("houseView")));
    }
}

TEST_F(StartUpTest, TheWindowTextsAndQtsOwnButtonsFollowTheLanguage)
{
    struct Case
    {
        const char* language;
        const char* fileMenu;
        const char* editMenu;
        const char* cancelButton;
    };
    // The last English case shows that a language change takes the earlier
    // translations away again.
    const Case cases[] = {{"ENG", "&File", "&Edit", "Cancel"},
                          {"GER", "&Datei", "&Bearbeiten", "Abbrechen"},
                          {"FRA", "&Fichier", "É&dition", "Annuler"},
                          {"ITA", "&File", "&Modifica", "Annulla"},
                          {"ENG", "&File", "&Edit", "Cancel"}};
    for (const Case& c : cases) {
        Settings::write(Key::Preferences::Language, QString::fromUtf8(c.language));
        ScriptedPrompts prompts;
        const StartedProgram program = startProgram(prompts);
        ASSERT_TRUE(program.window);
        const QList<QAction*> menus = program.window->menuBar()->actions();
        ASSERT_GE(menus.size(), 2);
        EXPECT_EQ(menus[0]->text(), QString::fromUtf8(c.fileMenu)) << c.language;
        EXPECT_EQ(menus[1]->text(), QString::fromUtf8(c.editMenu)) << c.language;
        const QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(),
                  QString::fromUtf8(c.cancelButton))
            << c.language;
    }
}

TEST_F(StartUpTest, EndsAfterTheTerminationNoticeWhenNoModuleIsThere)
{
    QTemporaryDir emptyFolder;
    ProgramFolder::setOverride(emptyFolder.path());
    Settings::write(Key::Preferences::Language, QStringLiteral("GER"));
    ScriptedPrompts prompts;
    const StartedProgram program = startProgram(prompts);
    EXPECT_FALSE(program.window);
    EXPECT_FALSE(program.document);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0], QStringLiteral("Sprach-DLL TALVStats_GER.dll nicht gefunden. "
                                                  "\n\nDas Programm wird beendet."));
}

TEST_F(StartUpTest, ADamagedCatalogueIsKeptAndTheUserIsTold)
{
    QTemporaryDir folder;
    Settings::write(Key::Setup::ConfigPath, folder.path() + QLatin1Char('/'));
    const QString file = folder.filePath(QStringLiteral("TALVStats.config"));
    {
        QFile damaged(file);
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
        damaged.write("\x05\x00not a catalogue", 17);
    }
    ScriptedPrompts prompts;
    const StartedProgram program = startProgram(prompts);
    ASSERT_TRUE(program.window);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(QStringLiteral("could not be read")));
    EXPECT_TRUE(QFileInfo::exists(file + QStringLiteral(".unreadable")));
}
