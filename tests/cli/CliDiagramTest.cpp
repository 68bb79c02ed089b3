#include "CliRunner.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/Document.h"
#include "core/stats/DiagramData.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QFileInfo>
#include <QImage>

namespace {

// Pixels of exactly that colour in the image.
int countOf(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

} // namespace

// diagram FILE OUT writes the image the diagram window's Save image button does.
class CliDiagramTest : public CliFileTest
{
protected:
    // Four ends played, on the lead of end 5; team 2 has no counted stone in end
    // 2. Ice and team colours of their own, so that they can be found in the image.
    QString savedGame()
    {
        CTALVStatsDoc document;
        document.OnNewDocument();
        DocumentFields& fields = document.fields();
        fields.Ice = 0xF0E0D0;
        fields.Dark = 0x0000FF;
        fields.Light = 0xFF0000;
        CGame& game = document.game();
        game.Teams[0].ShortName = QStringLiteral("ZUR");
        game.Teams[1].ShortName = QStringLiteral("BER");
        for (int end = 0; end < 4; ++end) {
            for (int team = 0; team < 2; ++team) {
                if (team == 1 && end == 1)
                    continue; // no counted stone: a gap in team 2's line
                for (int record = 0; record < 8; ++record) {
                    CStone& stone =
                        game.Ends[std::size_t(end)].Stones[std::size_t(team * 8 + record)];
                    stone.Task = 0;
                    stone.Handle = 0;
                    stone.Points = (end * 3 + record + team) % 5;
                }
            }
            game.Ends[std::size_t(end)].EndScore = {end % 2 == 0 ? 2 : 0, end % 2 == 0 ? 0 : 1};
        }
        // Opening a file goes to the recording position.
        game.setRecordingPosition({4, 0, 0, 0});
        game.setCurrentPosition({4, 0, 0, 0});
        game.GameState = 6;
        const QString path = files_.filePath(QStringLiteral("game.cus"));
        ScriptedPrompts prompts;
        EXPECT_TRUE(document.SaveAs(path, prompts));
        return path;
    }
};

TEST_F(CliDiagramTest, WritesTheImageInTheTypeOfTheExtension)
{
    const QString game = savedGame();
    Settings::write(Key::Options::PNGResolution, 250);
    struct Case
    {
        const char* out;
        const char* written;
        bool exactColours; // JPEG only comes close
    };
    const Case cases[] = {
        {"d.png", "d.png", true},
        {"d.gif", "d.gif", true},
        {"d.jpg", "d.jpg", false},
        {"plain", "plain.png", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.out);
        const CliRun result = run({QStringLiteral("diagram"), game, files_.filePath(c.out)});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        const QImage image(files_.filePath(c.written));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), Diagram::imageSize(250));
        EXPECT_EQ(image.size(), QSize(500, 375));
        EXPECT_LT(qGray(image.pixel(0, 200)), 40); // the black frame
        if (!c.exactColours)
            continue;
        // The ice fills most of the plot; both team lines are drawn.
        EXPECT_GT(countOf(image, qRgb(0xD0, 0xE0, 0xF0)), 500 * 375 / 2);
        EXPECT_GT(countOf(image, qRgb(255, 0, 0)), 200);
        EXPECT_GT(countOf(image, qRgb(0, 0, 255)), 200);
    }
}

TEST_F(CliDiagramTest, UsageUnreadableFileAndUnwritableOutput)
{
    const QString game = savedGame();
    const QString out = files_.filePath(QStringLiteral("d.png"));
    for (const QStringList& arguments : {QStringList{"diagram", game}, QStringList{"diagram"},
                                         QStringList{"diagram", game, out, out},
                                         QStringList{"diagram", game, out, "--view", "1"}}) {
        EXPECT_EQ(run(arguments).exitCode, 2) << arguments.join(' ').toStdString();
    }
    EXPECT_EQ(run({"diagram", files_.filePath(QStringLiteral("missing.cus")), out}).exitCode, 3);
    EXPECT_FALSE(QFileInfo::exists(out));

    for (const QString& bad : {files_.filePath(QStringLiteral("no/folder/d.png")),
                               files_.filePath(QStringLiteral("d.tif"))}) {
        const CliRun result = run({"diagram", game, bad});
        EXPECT_EQ(result.exitCode, 4) << bad.toStdString();
        EXPECT_TRUE(QString::fromUtf8(result.err).contains(Texts::get(5030).arg(bad)))
            << result.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(bad));
    }
}
