// A whole ten-end game typed on the real form: letters and digits choose each
// shot, Enter records it, the end result dialog is answered in its lists, one
// stone is corrected in review, the game is finished and saved. The file is then
// read back by the command-line tool and compared with what was typed.
#include "ui/entry/EntryDialogRunner.h"
#include "ui/entry/ShotEntryForm.h"

#include "core/files/Document.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kEnds = 10;
constexpr int kStonesPerEnd = 16;

// The shot typed for stone n of the game: task letter, handle letter, points digit.
struct TypedShot
{
    char task, handle, points;
    int taskCode, handleCode, pointsCode;
};

TypedShot shotFor(int n)
{
    static const TypedShot shots[] = {{'d', 'i', '4', 0, 0, 4}, {'g', 'o', '3', 2, 1, 3},
                                      {'t', 'i', '2', 6, 0, 2}, {'z', 'o', '1', 5, 1, 1},
                                      {'c', 'i', '0', 8, 0, 0}, {'w', 'o', '4', 4, 1, 4},
                                      {'h', 'i', '3', 7, 0, 3}};
    return shots[n % 7];
}

// End e goes 1 : 0 on even ends and 0 : 2 on odd ones.
std::pair<int, int> scoreFor(int end)
{
    return end % 2 == 0 ? std::pair{1, 0} : std::pair{0, 2};
}

QJsonObject showFile(const QString& path)
{
    QProcess cli;
    cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/talvstats-cli"),
              {QStringLiteral("show"), path});
    EXPECT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
}

} // namespace

class RecordGameByKeysTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
    }

    // Keys go where the user's keys go: the widget with the focus.
    void press(CTALVStatsView& form, int key, QChar text = {})
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        if (text.isNull())
            QTest::keyClick(target, Qt::Key(key));
        else
            QTest::keyClick(target, text.toLatin1());
    }
};

TEST_F(RecordGameByKeysTest, AGameTypedOnTheFormIsWhatTheFileHolds)
{
    QTemporaryDir folder;
    ScriptedPrompts prompts; // every question answered Yes
    prompts.savePaths = {folder.filePath(QStringLiteral("Typed game.cus")),
                         folder.filePath(QStringLiteral("Typed game finished.cus"))};
    CTALVStatsDoc doc;
    doc.OnNewDocument();
    doc.game().SetGameState(5);
    doc.setPath(folder.filePath(QStringLiteral("Proposed.cus")));

    QWidget window;
    EntryDialogRunner dialogs(&window, doc);
    int resultDialogs = 0;
    dialogs.whileOpen = [&](QDialog& dialog) {
        auto* team1 = dialog.findChild<QListWidget*>(QStringLiteral("1237"));
        auto* team2 = dialog.findChild<QListWidget*>(QStringLiteral("1238"));
        ASSERT_TRUE(team1 && team2) << "only the end result dialog is expected";
        const auto [s1, s2] = scoreFor(resultDialogs++);
        (s1 > 0 ? team1 : team2)->setCurrentRow(s1 > 0 ? s1 : s2);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    };
    auto* form = new CTALVStatsView(doc, prompts, dialogs, &window);
    window.resize(400, 800);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    for (int n = 0; n < kEnds * kStonesPerEnd; ++n) {
        const TypedShot shot = shotFor(n);
        press(*form, 0, QLatin1Char(shot.task));
        press(*form, 0, QLatin1Char(shot.handle));
        press(*form, 0, QLatin1Char(shot.points));
        press(*form, Qt::Key_Return);
        if (n == 40) {
            // Back three stones with Backspace, correct the points, and OK walks
            // forward to where recording stands.
            for (int i = 0; i < 3; ++i)
                press(*form, Qt::Key_Backspace);
            press(*form, 0, QLatin1Char('0'));
            press(*form, Qt::Key_Return);
            ASSERT_EQ(doc.game().ReviewMode, 0);
        }
    }
    ASSERT_EQ(resultDialogs, kEnds);
    EXPECT_EQ(doc.game().GameState, 8);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(form->isEnabled()); // a finished game takes no shots

    const QJsonObject game = showFile(doc.path())[QStringLiteral("Game")].toObject();
    ASSERT_FALSE(game.isEmpty());
    EXPECT_EQ(game[QStringLiteral("GameState")].toInt(), 8);
    const QJsonArray ends = game[QStringLiteral("Ends")].toArray();
    ASSERT_GE(ends.size(), kEnds);
    for (int e = 0; e < kEnds; ++e) {
        const QJsonObject end = ends[e].toObject();
        const auto [s1, s2] = scoreFor(e);
        const QJsonArray scores = end[QStringLiteral("EndScore")].toArray();
        EXPECT_EQ(scores[0].toInt(), s1) << "end " << e;
        EXPECT_EQ(scores[1].toInt(), s2) << "end " << e;
        // The stones in the order they were delivered.
        const int first = end[QStringLiteral("FirstThrowerFlag")].toInt();
        const QJsonArray stones = end[QStringLiteral("Stones")].toArray();
        for (int k = 0; k < kStonesPerEnd; ++k) {
            // Delivery k: team (k + first) % 2, that team's stone k / 2.
            const int team = (k + first) % 2;
            const int record = team * 8 + k / 2;
            const QJsonObject stone = stones[record].toObject();
            const int n = e * kStonesPerEnd + k;
            const TypedShot shot = shotFor(n);
            const int points = n == 38 ? 0 : shot.pointsCode; // the corrected stone
            EXPECT_EQ(stone[QStringLiteral("Task")].toInt(), shot.taskCode) << "stone " << n;
            EXPECT_EQ(stone[QStringLiteral("Handle")].toInt(), shot.handleCode) << "stone " << n;
            EXPECT_EQ(stone[QStringLiteral("Points")].toInt(), points) << "stone " << n;
        }
    }
}
