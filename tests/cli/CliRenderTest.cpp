#include "CliRunner.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/files/Document.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QImage>

// The render command writes the house image of a saved game's stone record.
class CliRenderTest : public CliFileTest
{
protected:
    // Three stones recorded; after the third one team 1's first stone lies on
    // the button and team 2's in front of the house.
    QString savedGame()
    {
        CTALVStatsDoc document;
        document.OnNewDocument();
        CGame& game = document.game();
        for (int i = 0; i < 3; ++i) {
            CStone& s = game.currentStone();
            s.Task = 0;
            s.Handle = 0;
            s.Points = 3;
            if (i == 2) {
                s.Positions[0] = {750, 800};
                s.Positions[8] = {700, 1400};
            }
            game.SetGameState(6);
            game.NextStone();
        }
        const QString path = files_.filePath(QStringLiteral("game.cus"));
        ScriptedPrompts prompts;
        EXPECT_TRUE(document.SaveAs(path, prompts));
        return path;
    }
};

TEST_F(CliRenderTest, TheStoneRecordAtThePositionAsAnImage)
{
    const QString game = savedGame();
    const QString out = files_.filePath(QStringLiteral("lie.png"));
    const CliRun result = run({QStringLiteral("render"), game, out, QStringLiteral("--position"),
                               QStringLiteral("0,0,1,0")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QImage image(out);
    ASSERT_EQ(image.size(), QSize(300, 600));
    // 20 pixels a foot: team 1's stone (dark, red) on the button, team 2's
    // (light, yellow-orange) at y 1400.
    EXPECT_EQ(image.pixel(150 + 5, 160 + 5), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(145, 278), qRgb(255, 200, 0)); // off the cross it carries

    // The current position (team 2's second stone, not yet delivered) shows the lie too.
    ASSERT_EQ(
        run({QStringLiteral("render"), game, files_.filePath(QStringLiteral("now.gif"))}).exitCode,
        0);
    EXPECT_EQ(QImage(files_.filePath(QStringLiteral("now.gif"))).size(), QSize(300, 600));
}

TEST_F(CliRenderTest, BadPositionsAndOutputs)
{
    const QString game = savedGame();
    for (const char* position : {"20,0,0,0", "0,4,0,0", "1,2,3", "a,b,c,d"})
        EXPECT_EQ(run({QStringLiteral("render"), game, files_.filePath(QStringLiteral("x.png")),
                       QStringLiteral("--position"), QString::fromUtf8(position)})
                      .exitCode,
                  2)
            << position;
    EXPECT_EQ(run({QStringLiteral("render"), files_.filePath(QStringLiteral("none.cus")),
                   files_.filePath(QStringLiteral("x.png"))})
                  .exitCode,
              3);
    const CliRun unwritable =
        run({QStringLiteral("render"), game, files_.filePath(QStringLiteral("no/dir/x.png"))});
    EXPECT_EQ(unwritable.exitCode, 4);
    EXPECT_EQ(
        run({QStringLiteral("show"), game, QStringLiteral("--position"), QStringLiteral("0,0,0,0")})
            .exitCode,
        2);
}
