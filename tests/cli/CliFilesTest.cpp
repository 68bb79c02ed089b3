#include "CliRunner.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/files/Document.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// show, convert and tags on files the program's own document wrote.
class CliFilesTest : public CliFileTest
{
protected:
    // A game in progress with remarks and a tag, saved as the program saves it.
    QString savedGame(const QString& name)
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
            s.Remark = QStringLiteral("long guard");
            s.Positions[std::size_t(i)] = {700 + i, 800};
            if (i == 1) // a tag an hour ahead, so it is never before the start
                game.AddTag(QDateTime::currentSecsSinceEpoch() + 3600, 7, QStringLiteral("Shot"),
                            QStringLiteral("made"));
            game.SetGameState(6);
            game.NextStone();
        }
        const QString path = files_.filePath(name);
        ScriptedPrompts prompts;
        EXPECT_TRUE(document.SaveAs(path, prompts));
        return path;
    }

    static QJsonObject json(const CliRun& result)
    {
        return QJsonDocument::fromJson(result.out).object();
    }
};

TEST_F(CliFilesTest, ShowPrintsTheDocumentAsOpened)
{
    const CliRun result = run({QStringLiteral("show"), savedGame(QStringLiteral("a.cus"))});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject document = json(result);
    EXPECT_EQ(document[QStringLiteral("FileVersion")].toString(), QStringLiteral("6.1.0"));
    EXPECT_EQ(document[QStringLiteral("Colors")].toObject().keys().size(), 9);
    EXPECT_EQ(document[QStringLiteral("Competition")].toObject()[QStringLiteral("Id")].toInt(), -1);
    EXPECT_TRUE(
        document[QStringLiteral("GameDate")].toObject()[QStringLiteral("Value")].isDouble());
    const QJsonObject game = document[QStringLiteral("Game")].toObject();
    EXPECT_EQ(
        game[QStringLiteral("Teams")].toArray()[0].toObject()[QStringLiteral("Text")].toString(),
        QString::fromUtf8("Zürich"));
    EXPECT_EQ(game[QStringLiteral("RecordingPosition")].toArray(), (QJsonArray{0, 1, 0, 1}));
    const QJsonArray stones =
        game[QStringLiteral("Ends")].toArray()[0].toObject()[QStringLiteral("Stones")].toArray();
    EXPECT_EQ(stones[1].toObject()[QStringLiteral("Remark")].toString(),
              QStringLiteral("long guard"));
}

TEST_F(CliFilesTest, ConvertWritesTheNewestLayoutAndTheTagListBesideIt)
{
    const QString in = savedGame(QStringLiteral("in.cus"));
    const QString out = files_.filePath(QStringLiteral("out.cus"));
    QFile stale(out);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("stale");
    stale.close();
    const CliRun converted = run({QStringLiteral("convert"), in, out});
    ASSERT_EQ(converted.exitCode, 0) << converted.err.toStdString();
    EXPECT_TRUE(QFile::exists(files_.filePath(QStringLiteral("out_tag.csv"))));
    const CliRun a = run({QStringLiteral("show"), in});
    const CliRun b = run({QStringLiteral("show"), out});
    EXPECT_EQ(json(a), json(b));

    const CliRun unwritable =
        run({QStringLiteral("convert"), in, files_.filePath(QStringLiteral("no/such/dir/x.cus"))});
    EXPECT_EQ(unwritable.exitCode, 4);
    EXPECT_TRUE(unwritable.err.contains("Failed to save document."));
}

TEST_F(CliFilesTest, TagsWritesTheListAndExitStatusesTellWhatWentWrong)
{
    const QString in = savedGame(QStringLiteral("t.cus"));
    const QString out = files_.filePath(QStringLiteral("tags.csv"));
    ASSERT_EQ(run({QStringLiteral("tags"), in, QStringLiteral("-o"), out}).exitCode, 0);
    QFile csv(out);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    EXPECT_TRUE(
        bytes.startsWith("Date;Time;Position;Duration;End;Team;Stone;Teamname;Name;Actions"));
    EXPECT_TRUE(bytes.contains(";Shot;made;"));
    EXPECT_TRUE(bytes.contains("long_guard"));

    const QString bad = files_.filePath(QStringLiteral("bad.cus"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(3, '\x01'));
    file.close();
    for (const char* command : {"show", "tags"}) {
        const CliRun result = run({QString::fromUtf8(command), bad});
        EXPECT_EQ(result.exitCode, 3) << command;
        EXPECT_TRUE(result.err.contains("Unexpected file format.")) << result.err.toStdString();
    }
    EXPECT_EQ(run({QStringLiteral("show")}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("convert"), in}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("show"), in, QStringLiteral("-o"), out}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("tags"), in, QStringLiteral("-o"),
                   files_.filePath(QStringLiteral("none/x.csv"))})
                  .exitCode,
              4);
}

TEST_F(CliFilesTest, ACisFileWithAWrongDataMarkerOpensWithWhatWasRead)
{
    // The shortest layout: the header, then city, one ignored string and the marker.
    QByteArray bytes(47, '\0');
    bytes += QByteArray("\x04"
                        "Bern",
                        5) +
             QByteArray(1, '\0') +
             QByteArray("\x05"
                        "DATA?",
                        6);
    const QString path = files_.filePath(QStringLiteral("old.cis"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const CliRun result = run({QStringLiteral("show"), path});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains("File-Error while reading .CIS file"));
    const QJsonObject document = json(result);
    EXPECT_TRUE(document[QStringLiteral("City")].toString().endsWith(QStringLiteral(" Bern")));
    EXPECT_EQ(document[QStringLiteral("Session")].toObject()[QStringLiteral("Text")].toString(),
              QStringLiteral("n/a"));
    EXPECT_EQ(document[QStringLiteral("Game")].toObject()[QStringLiteral("GameState")].toInt(), 1);
}
