#include "core/timing/TimeOuts.h"

#include "core/record/Game.h"
#include "core/timing/GameTimer.h"

#include "support/TestSettings.h"

#include <optional>

namespace {

struct ScriptedTimeOutDialog : TimeOutDialog
{
    std::optional<QString> answer; // nothing: Cancel
    TimeOutRequest shown;
    bool edit(TimeOutRequest& request) override
    {
        shown = request;
        if (!answer)
            return false;
        request.Text = *answer;
        return true;
    }
};

} // namespace

class TimeOutsTest : public SettingsTest
{};

TEST_F(TimeOutsTest, MarkComesAndGoes)
{
    const QPair<const char*, const char*> cases[] = {
        {"", "Time-out"},
        {"Good", "Good, Time-out"},
        {"Good, Time-out", "Good"},
        {"Time-out", ""},
        {"Time-out, Good, Time-out", ", Good"},
    };
    for (const auto& [field, result] : cases)
        EXPECT_EQ(TimeOuts::toggledMark(QString::fromLatin1(field)), QLatin1String(result))
            << field;
}

TEST_F(TimeOutsTest, StoneNumberWithinTheEnd)
{
    struct Case
    {
        bool mixedDoubles;
        GamePosition at;
        int number;
    } cases[] = {
        {false, {0, 0, 0, 0}, 1},  {false, {0, 0, 0, 1}, 2}, {false, {2, 1, 1, 0}, 7},
        {false, {0, 3, 1, 1}, 16}, {true, {0, 1, 1, 0}, 1},  {true, {0, 3, 1, 1}, 10},
    };
    for (const Case& c : cases) {
        NewGameOptions options;
        options.MixedDoubles = c.mixedDoubles;
        CGame game(options);
        game.setCurrentPosition(c.at);
        EXPECT_EQ(TimeOuts::stoneNumber(game), c.number) << c.mixedDoubles << c.at.Player;
    }
}

TEST_F(TimeOutsTest, DialogStopsTheClocksAndSetsTheMark)
{
    CGame game{NewGameOptions{}};
    game.GameState = 6;
    game.Teams[1].Text = QStringLiteral("Blue");
    game.setCurrentPosition({3, 1, 0, 1});
    GameTimer timer(game);
    timer.startTeam(2);
    TimeOuts timeOuts;
    ScriptedTimeOutDialog dialog;
    QString remark = QStringLiteral("Good");

    EXPECT_FALSE(timeOuts.run(game, timer, dialog, remark));
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(dialog.shown.TeamName, QLatin1String("Blue"));
    EXPECT_EQ(dialog.shown.EndNumber, 4);
    EXPECT_EQ(dialog.shown.StoneNumber, 6);
    EXPECT_EQ(remark, QLatin1String("Good"));
    EXPECT_FALSE(timeOuts.checked());

    dialog.answer = QStringLiteral("coach");
    EXPECT_TRUE(timeOuts.run(game, timer, dialog, remark));
    EXPECT_EQ(remark, QLatin1String("Good, Time-out"));
    EXPECT_EQ(timeOuts.PendingText, QLatin1String("\ncoach"));
    EXPECT_TRUE(timeOuts.checked());

    dialog.answer = QStringLiteral("coach again");
    EXPECT_TRUE(timeOuts.run(game, timer, dialog, remark));
    EXPECT_EQ(dialog.shown.Text, QLatin1String("coach"));
    EXPECT_EQ(remark, QLatin1String("Good"));
    EXPECT_EQ(timeOuts.PendingText, QLatin1String("\ncoach again"));
}

TEST_F(TimeOutsTest, EnabledOnceTheGameIsUnderWay)
{
    CGame game{NewGameOptions{}};
    for (const int state : {1, 5, 6, 8}) {
        game.GameState = state;
        EXPECT_EQ(TimeOuts::enabled(game), state > 5) << state;
    }
}

TEST_F(TimeOutsTest, RemarkIsStoredWithTheTextAndShownWithout)
{
    struct Case
    {
        const char* field;
        const char* pending;
        const char* stored;
    } cases[] = {
        {"Time-out", "\nshort", "Time-out\nshort"},
        {"Good, Time-out", "\nshort", "Good, Time-out\nshort"},
        {"Good", "\nshort", "Good"}, // the mark taken away drops the text
        {"Time-out", "", "Time-out"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        TimeOuts editing;
        editing.PendingText = QString::fromLatin1(c.pending);
        const QString stored = editing.storedRemark(QString::fromLatin1(c.field));
        EXPECT_EQ(stored, QLatin1String(c.stored));

        TimeOuts showing;
        showing.PendingText = QStringLiteral("\nfrom another stone");
        EXPECT_EQ(showing.shownRemark(stored), QLatin1String(c.field));
        const bool kept = stored.contains(QLatin1String("Time-out\n"));
        EXPECT_EQ(showing.PendingText, kept ? QString::fromLatin1(c.pending) : QString());
    }
}

TEST_F(TimeOutsTest, StoredRemarkEndsWithTheMark)
{
    TimeOuts timeOuts;
    timeOuts.PendingText = QStringLiteral("\nA");
    EXPECT_EQ(timeOuts.storedRemark(QStringLiteral("Long, Time-out, later")),
              QLatin1String("Long, Time-out\nA"));
}
