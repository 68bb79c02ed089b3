#include "CliRunner.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>

// Runs talvstats-cli as a user would, with a settings store of its own.
class CliTest : public ::testing::Test
{
protected:
    void setSetting(const QString& key, const QVariant& value)
    {
        QSettings store(home_.filePath(QStringLiteral("HAVRIK/HAVRIK Coach Tool.conf")),
                        QSettings::IniFormat);
        store.setValue(key, value);
    }

    CliRun run(const QStringList& arguments) { return runCli(arguments, home_.path()); }

    QJsonObject newGame()
    {
        const CliRun result = run({QStringLiteral("new")});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(result.out, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
        EXPECT_EQ(document.object().keys(), QStringList{"Game"});
        return document.object().value(QStringLiteral("Game")).toObject();
    }

    QTemporaryDir home_;
};

TEST_F(CliTest, NewRegularGame)
{
    const QJsonObject game = newGame();
    const QStringList keys = {
        "CurrentPosition", "Ends",         "GameState",    "GameValue1",        "GameValue2",
        "MisLabel",        "MisPosition",  "MixedDoubles", "RecordingPosition", "SummaryText1",
        "SummaryText2",    "SummaryText3", "Teams"};
    EXPECT_EQ(game.keys(), keys);
    EXPECT_EQ(game[QStringLiteral("GameState")].toInt(), 1);
    EXPECT_EQ(game[QStringLiteral("MixedDoubles")].toInt(), 0);
    EXPECT_EQ(game[QStringLiteral("CurrentPosition")].toArray(), (QJsonArray{0, 0, 0, 0}));

    const QJsonObject team2 = game[QStringLiteral("Teams")].toArray()[1].toObject();
    EXPECT_EQ(team2[QStringLiteral("Text")].toString(), QStringLiteral("Team 2"));
    EXPECT_EQ(team2[QStringLiteral("ShortName")].toString(), QStringLiteral("Te2"));
    const QJsonArray players = team2[QStringLiteral("Players")].toArray();
    ASSERT_EQ(players.size(), 5);
    EXPECT_EQ(
        players[3].toObject(),
        (QJsonObject{{"Id", 1}, {"Text", "Te2 Player 4"}, {"OrderNumber", 1}, {"Role", "Skip"}}));
    EXPECT_EQ(players[4].toObject()[QStringLiteral("Id")].toInt(), 5);

    const QJsonArray ends = game[QStringLiteral("Ends")].toArray();
    ASSERT_EQ(ends.size(), 1); // ends 0 .. RecordEnd
    const QJsonArray stones = ends[0].toObject()[QStringLiteral("Stones")].toArray();
    ASSERT_EQ(stones.size(), 16);
    const QJsonObject stone = stones[7].toObject();
    EXPECT_EQ(stone[QStringLiteral("Task")].toInt(), -1);
    EXPECT_EQ(stone[QStringLiteral("PlayerId")].toInt(), 1);
    EXPECT_EQ(stone[QStringLiteral("PlayerIndex")].toInt(), 3);
    EXPECT_EQ(stone[QStringLiteral("Positions")].toArray().size(), 18);
    EXPECT_EQ(stone[QStringLiteral("Tags")].toArray(), QJsonArray{});
}

TEST_F(CliTest, NewMixedDoublesGameInGerman)
{
    setSetting(QStringLiteral("Options/MixedDoubles"), 1);
    setSetting(QStringLiteral("Preferences/Language"), QStringLiteral("GER"));
    const QJsonObject game = newGame();
    EXPECT_EQ(game[QStringLiteral("MixedDoubles")].toInt(), 1);
    EXPECT_EQ(game[QStringLiteral("CurrentPosition")].toArray(), (QJsonArray{0, 1, 1, 0}));
    EXPECT_EQ(game[QStringLiteral("RecordingPosition")].toArray(), (QJsonArray{0, 1, 1, 0}));
    const QJsonArray players =
        game[QStringLiteral("Teams")].toArray()[0].toObject()[QStringLiteral("Players")].toArray();
    EXPECT_EQ(players[0].toObject()[QStringLiteral("Text")].toString(), QStringLiteral("-"));
    EXPECT_EQ(players[3].toObject()[QStringLiteral("Text")].toString(),
              QStringLiteral("Te1 Spieler A"));
    const QJsonArray positions = game[QStringLiteral("Ends")]
                                     .toArray()[0]
                                     .toObject()[QStringLiteral("Stones")]
                                     .toArray()[3]
                                     .toObject()[QStringLiteral("Positions")]
                                     .toArray();
    EXPECT_EQ(positions[2].toArray(), (QJsonArray{750, 2150}));
    EXPECT_EQ(positions[10].toArray(), (QJsonArray{750, 650}));
    EXPECT_EQ(positions[0].toArray(), (QJsonArray{4095, 4095}));

    // The game also stored its event as the last one entered.
    QSettings store(home_.filePath(QStringLiteral("HAVRIK/HAVRIK Coach Tool.conf")),
                    QSettings::IniFormat);
    EXPECT_EQ(store.value(QStringLiteral("MRU/Event")).toString(), QStringLiteral("Mixed"));
    EXPECT_EQ(store.value(QStringLiteral("MRU/EventID")).toInt(), 21);
}

TEST_F(CliTest, NewWheelchairGameKeepsTheRegularOrderOfPlay)
{
    setSetting(QStringLiteral("Options/Wheelchair"), 1);
    setSetting(QStringLiteral("MRU/TotalEnds"), QStringLiteral("not a number"));
    const QJsonObject game = newGame();
    EXPECT_EQ(game[QStringLiteral("MixedDoubles")].toInt(), 0);
    EXPECT_EQ(game[QStringLiteral("CurrentPosition")].toArray(), (QJsonArray{0, 0, 0, 0}));
    const QJsonArray players =
        game[QStringLiteral("Teams")].toArray()[0].toObject()[QStringLiteral("Players")].toArray();
    EXPECT_EQ(players[0].toObject()[QStringLiteral("Text")].toString(),
              QStringLiteral("Te1 Player 1"));
}

TEST_F(CliTest, HelpAndUnknownCommands)
{
    const CliRun help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("new")) << help.out.toStdString();
    const CliRun unknown = run({QStringLiteral("frobnicate")});
    EXPECT_NE(unknown.exitCode, 0);
    EXPECT_TRUE(unknown.err.contains("unknown command"));
    EXPECT_TRUE(unknown.out.isEmpty());
}
