#include "ui/app/StartUp.h"

#include "core/files/Document.h"

#include "core/base/ProgramFolder.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QLabel>
#include <QStatusBar>
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
