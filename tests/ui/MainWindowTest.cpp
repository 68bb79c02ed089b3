#include "ui/app/StartUp.h"

#include "core/files/Document.h"

#include "core/base/ProgramFolder.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

class StartUpTest : public SettingsTest
{};

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
