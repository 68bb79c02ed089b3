#include "core/timing/Stopwatch.h"

#include "core/base/Clock.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/record/Game.h"

#include "support/TestSettings.h"

#include <QList>
#include <QPair>

namespace {

struct RecordingObserver : StopwatchObserver
{
    QList<QPair<QString, bool>> shown;
    int timerChanges = 0;
    void readingShown(const QString& text, bool marker) override { shown.append({text, marker}); }
    void timersChanged() override { ++timerChanges; }
};

} // namespace

class StopwatchTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        Clock::setMsSource([this] { return nowMs_; });
        game_.GameState = 6;
    }
    void TearDown() override
    {
        Clock::setMsSource({});
        SettingsTest::TearDown();
    }
    void advanceMs(qint64 ms) { nowMs_ += ms; }

    qint64 nowMs_ = 1'700'000'000'000;
    CGame game_{NewGameOptions{}};
    QString comment_;
};

TEST_F(StopwatchTest, ReadingTexts)
{
    const QPair<qint64, const char*> cases[] =
        {
            {0, "00:00.0"},      {75'300, "01:15.3"},    {75'399, "01:15.3"},
            {59'999, "00:59.9"}, {3'600'000, "60:00.0"}, {6'000'000, "100:00.0"},
            {-2'000, "00:00.0"}, // the system clock set back
        };
    for (const auto& [ms, text] : cases)
        EXPECT_EQ(Stopwatch::formatReading(ms), QLatin1String(text)) << ms;
}

TEST_F(StopwatchTest, StartStopHoldsTheFinalReadingUntilReset)
{
    Stopwatch watch;
    RecordingObserver seen;
    watch.Observer = &seen;
    EXPECT_EQ(watch.reading(), QLatin1String("00:00.0"));

    watch.press(game_, comment_);
    EXPECT_EQ(watch.state(), Stopwatch::Running);
    EXPECT_TRUE(watch.displayTimerActive());
    EXPECT_FALSE(watch.marker()) << "start/stop mode has no split to come";
    advanceMs(75'340);
    watch.tick();
    EXPECT_EQ(seen.shown.last(), qMakePair(QStringLiteral("01:15.3"), false));

    advanceMs(100);
    watch.press(game_, comment_);
    EXPECT_EQ(watch.state(), Stopwatch::Stopped);
    EXPECT_FALSE(watch.displayTimerActive());
    advanceMs(9'000);
    EXPECT_EQ(watch.reading(), QLatin1String("01:15.4"));
    EXPECT_EQ(seen.timerChanges, 2);

    watch.reset();
    EXPECT_EQ(watch.reading(), QLatin1String("00:00.0"));
    EXPECT_EQ(seen.shown.last().first, QLatin1String("00:00.0"));

    watch.press(game_, comment_); // a new start counts from zero
    advanceMs(2'050);
    EXPECT_EQ(watch.reading(), QLatin1String("00:02.0"));
}

TEST_F(StopwatchTest, SplitFreezesTwoSecondsWhileTheTimeRunsOn)
{
    Settings::write(Key::Options::StopWatchMode, 1);
    Stopwatch watch;
    watch.press(game_, comment_);
    EXPECT_TRUE(watch.marker());
    advanceMs(10'000);

    watch.press(game_, comment_);
    EXPECT_EQ(watch.state(), Stopwatch::SplitTaken);
    EXPECT_FALSE(watch.marker());
    EXPECT_FALSE(watch.displayTimerActive());
    EXPECT_TRUE(watch.freezeTimerActive());
    advanceMs(Stopwatch::FreezeMs);
    EXPECT_EQ(watch.reading(), QLatin1String("00:10.0"));

    watch.freezeEnded();
    EXPECT_TRUE(watch.displayTimerActive());
    EXPECT_FALSE(watch.freezeTimerActive());
    EXPECT_EQ(watch.reading(), QLatin1String("00:12.0"));

    advanceMs(500);
    watch.press(game_, comment_);
    EXPECT_EQ(watch.state(), Stopwatch::Stopped);
    EXPECT_FALSE(watch.displayTimerActive());
    advanceMs(5'000);
    EXPECT_EQ(watch.reading(), QLatin1String("00:12.5"));
}

TEST_F(StopwatchTest, ThirdPressDuringTheFreezeStops)
{
    Settings::write(Key::Options::StopWatchMode, 1);
    Stopwatch watch;
    watch.press(game_, comment_);
    advanceMs(1'000);
    watch.press(game_, comment_);
    advanceMs(700);
    watch.press(game_, comment_);
    EXPECT_EQ(watch.state(), Stopwatch::Stopped);
    EXPECT_FALSE(watch.freezeTimerActive());
    EXPECT_EQ(watch.reading(), QLatin1String("00:01.7"));
    watch.freezeEnded(); // a late one-shot changes nothing
    EXPECT_FALSE(watch.displayTimerActive());
}

TEST_F(StopwatchTest, StopAndSplitWriteTheReadingIntoTheComment)
{
    struct Case
    {
        const char* name;
        int mode;
        bool toComment;
        int state;
        const char* before;
        const char* after;
    } cases[] = {
        {"stop, empty comment", 0, true, 6, "", "00:03.2"},
        {"stop, a comment", 0, true, 6, "Good", "Good | 00:03.2"},
        {"split", 1, true, 6, "Good", "Good | 00:03.2"},
        {"game not in progress", 0, true, 5, "Good", "Good"},
        {"game finished", 0, true, 8, "", ""},
        {"setting off", 0, false, 6, "Good", "Good"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings::write(Key::Options::StopWatchMode, c.mode);
        Settings::write(Key::Options::StopwatchToComment, c.toComment);
        Stopwatch watch;
        game_.GameState = c.state;
        QString comment = QString::fromLatin1(c.before);
        watch.press(game_, comment);
        EXPECT_EQ(comment, QString::fromLatin1(c.before)) << "a start writes nothing";
        advanceMs(3'250);
        watch.press(game_, comment);
        EXPECT_EQ(comment, QString::fromLatin1(c.after));
    }
}

TEST_F(StopwatchTest, ReadingToCommentOnRequest)
{
    Stopwatch watch;
    EXPECT_EQ(watch.commentWithReading({}), QLatin1String("00:00.0"));
    watch.press(game_, comment_);
    advanceMs(61'000);
    EXPECT_EQ(watch.commentWithReading(QStringLiteral("Sweep")), QLatin1String("Sweep | 01:01.0"));
}

TEST_F(StopwatchTest, ShowingTheBarStopsAtZero)
{
    Stopwatch watch;
    watch.press(game_, comment_);
    advanceMs(4'000);
    watch.barShown();
    EXPECT_EQ(watch.state(), Stopwatch::Stopped);
    EXPECT_FALSE(watch.displayTimerActive());
    EXPECT_EQ(watch.reading(), QLatin1String("00:00.0"));
}

TEST_F(StopwatchTest, ModeIsWrittenToTheSettings)
{
    Stopwatch watch;
    watch.setMode(Stopwatch::StartSplitStop);
    EXPECT_EQ(Settings::read(Key::Options::StopWatchMode), 1);
    watch.setMode(2);
    EXPECT_EQ(watch.StopWatchMode, Stopwatch::StartSplitStop);
    EXPECT_EQ(Stopwatch().StopWatchMode, Stopwatch::StartSplitStop);
    watch.setMode(Stopwatch::StartStop);
    EXPECT_EQ(Settings::read(Key::Options::StopWatchMode), 0);
}
