#include "CliRunner.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/files/Document.h"
#include "core/stats/StatsReport.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

// The report command prints the report's clipboard text of a saved game.
class CliReportTest : public CliFileTest
{
protected:
    // A game in progress: five stones of team 1, whose name is not ASCII.
    QString savedGame()
    {
        CTALVStatsDoc document;
        document.OnNewDocument();
        CGame& game = document.game();
        game.Teams[0].Text = QString::fromUtf8("Zürich");
        for (int i = 0; i < 5; ++i) {
            CStone& s = game.currentStone();
            s.Task = i;
            s.Handle = i % 2;
            s.Points = 4 - i % 5;
            game.SetGameState(6);
            game.NextStone();
        }
        const QString path = files_.filePath(QStringLiteral("game.cus"));
        ScriptedPrompts prompts;
        EXPECT_TRUE(document.SaveAs(path, prompts));
        return path;
    }

    // The text the report window would copy for the same file.
    static QByteArray copied(const QString& path, int view, bool visibleOnly)
    {
        CTALVStatsDoc document;
        ScriptedPrompts prompts;
        EXPECT_TRUE(document.OpenDocument(path, prompts));
        CStatsReport report(CStatsData(document.game()), ReportSubject::ofGame(document.game()));
        report.setView(view);
        return report.exportText(visibleOnly).toUtf8();
    }
};

TEST_F(CliReportTest, PrintsTheClipboardTextOfTheViewAsked)
{
    Settings::write(Key::Options::AdvancedHandleOptions, 0);
    const QString path = savedGame();
    struct Case
    {
        QStringList options;
        int view;
        bool visibleOnly;
    };
    const Case cases[] = {
        {{}, 0, false},
        {{"--view", "1"}, 1, false},
        {{"--view", "2", "--visible"}, 2, true},
        {{"--visible", "--view", "3"}, 3, true},
    };
    for (const Case& c : cases) {
        const CliRun result = run(QStringList{"report", path} + c.options);
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(result.out, copied(path, c.view, c.visibleOnly)) << c.view;
    }
    const CliRun first = run({"report", path});
    EXPECT_TRUE(first.out.startsWith("Statistics (percentages)\n\nZ\xc3\xbcrich\t\t\t"));
    EXPECT_FALSE(first.out.contains("Inside->out"));
    EXPECT_TRUE(first.out.endsWith("\n\n"));
    const CliRun visible = run({"report", path, "--visible"});
    EXPECT_EQ(visible.out.count('\n'), 2 + 2 * (1 + 5 + 1)); // names of teams and players
}

TEST_F(CliReportTest, UsageErrorsAndUnreadableFiles)
{
    const QString path = savedGame();
    const QStringList usage[] = {
        {"report", path, "--view", "4"}, {"report", path, "--view", "-1"},
        {"report", path, "--view", "x"}, {"report"},
        {"report", path, path},          {"show", path, "--visible"},
        {"tags", path, "--view", "1"},
    };
    for (const QStringList& arguments : usage) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
    const QString missing = files_.filePath(QStringLiteral("missing.cus"));
    const CliRun result = run({"report", missing});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(result.err.contains((missing + ": Failed to open document.").toUtf8()));
}
