#include "core/files/TagExport.h"
#include "core/base/Clock.h"
#include "core/record/Game.h"
#include "core/record/Guidelines.h"

#include "support/TestSettings.h"

#include <QFile>
#include <QRegularExpression>

namespace {

constexpr qint64 kNow = 1765360800; // a fixed "now" for the export

struct Recorded
{
    int task, handle, points;
    QString remark;
    qint64 deliveryTime = 0;
};

} // namespace

class TagExportTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        Clock::setSource([] { return kNow; });
        guidelines_.LoadGuidelines(QStringLiteral("ENG"), false, QString()); // fixed codes only
        game_ = CGame(NewGameOptions{}); // named in the language just loaded
        game_.GameState = 6;
    }
    void TearDown() override
    {
        Clock::setSource({});
        SettingsTest::TearDown();
    }

    void record(const Recorded& r)
    {
        CStone& s = game_.currentStone();
        s.Task = r.task;
        s.Handle = r.handle;
        s.Points = r.points;
        s.Remark = r.remark;
        s.DeliveryTime = r.deliveryTime;
        game_.NextStone();
    }

    // Rows of the export, each split into its columns (Date and Time dropped).
    QList<QStringList> rows(const QString& separator = QStringLiteral(";"))
    {
        TagExport::Input input{&guidelines_, &videoStart_, separator, QLocale(QLocale::English)};
        const QString text = TagExport::buildText(game_, input);
        EXPECT_TRUE(text.endsWith(QLatin1Char('\n')));
        QList<QStringList> result;
        const QString sep = TagExport::separatorFrom(separator);
        for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            QStringList cells = line.split(sep);
            EXPECT_EQ(cells.size(), 16) << line.toStdString();
            result.append(cells.mid(2));
        }
        return result;
    }

    CGame game_{NewGameOptions{}};
    GuidelineTable guidelines_;
    qint64 videoStart_ = 0;
};

TEST_F(TagExportTest, OneStoneWithoutTimes)
{
    record({0, 0, 3, QStringLiteral("long guard, a bit heavy")});
    const GamePosition before = game_.currentPosition();
    const QList<QStringList> r = rows();
    ASSERT_EQ(r.size(), 4);
    EXPECT_EQ(r[0],
              (QStringList{"Position", "Duration", "End", "Team", "Stone", "Teamname", "Name",
                           "Actions", "Outcome", "Task", "Handle", "Points", "Remark", "Comment"}));
    EXPECT_EQ(r[1], (QStringList{"0", "0", "1", "0", "0", "", "", "Start of Game", "", "", "", "",
                                 "", ""}));
    EXPECT_EQ(r[2], (QStringList{"0", "0", "1", "0", "0", "", "", "Start of End 1", "0 - 0", "", "",
                                 "", "", ""}));
    EXPECT_EQ(r[3], (QStringList{"0", "0", "1", "1", "1", "Te1", "T_1", "", "", "", "I", "3",
                                 "long_guard_a_bit_heavy", ""}));
    // The walk leaves the game as it was, with the game's start now set.
    EXPECT_EQ(game_.currentPosition(), before);
    EXPECT_EQ(game_.ReviewMode, 0);
    EXPECT_EQ(game_.Ends[0].EndStartTime, kNow);
    EXPECT_EQ(videoStart_, kNow);
    EXPECT_EQ(game_.Ends[0].Stones[0].DeliveryTime, 0);
}

TEST_F(TagExportTest, AGameInReviewKeepsItsPositionAndCorrections)
{
    for (int i = 0; i < 3; ++i)
        record({0, 0, 3, {}});
    game_.EnterReview();
    game_.PreviousStone();
    game_.currentStone().Remark = QStringLiteral("corrected, not yet confirmed");
    const GamePosition before = game_.currentPosition();

    const QList<QStringList> r = rows();
    // In review the list starts at the stone on show, the last recorded one.
    ASSERT_EQ(r.size(), 3);
    EXPECT_EQ(r[2][12], QStringLiteral("corrected_not_yet_confirmed"));
    EXPECT_EQ(game_.ReviewMode, 1);
    EXPECT_EQ(game_.currentPosition(), before);
    EXPECT_EQ(game_.currentStone().Remark, QStringLiteral("corrected, not yet confirmed"));
}

TEST_F(TagExportTest, TimesTagsAndJudgementColumns)
{
    videoStart_ = kNow - 100;
    game_.Ends[0].EndStartTime = kNow - 90;
    record({13, 5, 4, QStringLiteral(" "), kNow - 60});
    record({6, 9, -1, QString(), kNow - 30});
    game_.Ends[0].Stones[8].Tags = {
        {kNow - 200, 5, QStringLiteral("early"), QStringLiteral("x")},
        {kNow - 40, 12, QStringLiteral("Sweep"), QStringLiteral("hard")}};
    record({1, 1, 8, QString()});
    const QList<QStringList> r = rows();
    ASSERT_EQ(r.size(), 7);
    EXPECT_EQ(r[1][7], QStringLiteral("Start Video"));
    EXPECT_EQ(r[2].mid(0, 2), (QStringList{"10000", "0"})); // the end starts 10 s in
    EXPECT_EQ(r[3], (QStringList{"10000", "30000", "1", "1", "1", "Te1", "T_1", "", "", "->",
                                 "O_o-i", "X", " ", ""}));
    EXPECT_EQ(r[4], (QStringList{"40000", "30000", "1", "2", "1", "Te2", "T_1", "", "", "", "", "",
                                 "", ""}));
    EXPECT_EQ(r[5], (QStringList{"60000", "12000", "1", "2", "1", "Te2", "T_1", "Sweep", "hard", "",
                                 "", "", "", ""}));
    EXPECT_EQ(r[6].mid(0, 1), QStringList{"70000"}); // delivered when the last one was
    EXPECT_EQ(r[6].mid(9, 3), (QStringList{"", "O", "X"}));
}

TEST_F(TagExportTest, SeparatorsAndNames)
{
    game_.Teams[0].Players[0].Text = QStringLiteral("Jo Ann Smith");
    record({0, 0, 4, QStringLiteral("a|b")});
    const QList<QStringList> tabs = rows(QStringLiteral("Tab"));
    EXPECT_EQ(tabs.value(3).value(6), QStringLiteral("J_Smith"));
    EXPECT_EQ(tabs.value(3).value(12), QStringLiteral("a|b"));
    TagExport::Input input{&guidelines_, &videoStart_, QStringLiteral("|"),
                           QLocale(QLocale::English)};
    EXPECT_TRUE(
        TagExport::buildText(game_, input).contains(QStringLiteral("|J_Smith||||I|4|a|b|\n")));

    EXPECT_EQ(TagExport::separatorFrom(QStringLiteral("TAB")), QStringLiteral("\t"));
    EXPECT_EQ(TagExport::separatorFrom(QStringLiteral("SEP")), QStringLiteral("sep"));
    struct Case
    {
        const char* name;
        const char* separator;
        const char* expected;
    };
    const Case cases[] = {{"Smith", ";", "Smith"},
                          {"Jo Ann Smith", ";", "J_Smith"},
                          {"", ";", ""},
                          {"Anna-Maria Berg", ";", "A_Berg"},
                          {"Ann|Berg", "|", "A_Berg"},
                          {"Ann Berg", "::", "Ann Berg"},
                          {"Ann::Lee Berg", "::", "A_Lee Berg"}};
    for (const Case& c : cases)
        EXPECT_EQ(
            TagExport::abbreviatedName(QString::fromUtf8(c.name), QString::fromUtf8(c.separator)),
            QString::fromUtf8(c.expected))
            << c.name;
    EXPECT_EQ(TagExport::cleanedText(QStringLiteral(" ;, ")), QStringLiteral(" ;, "));
}

TEST_F(TagExportTest, EndOfGameOnlyForAFinishedGameBeyondTheFirstEnd)
{
    game_.Ends[0].EndStartTime = kNow - 100;
    for (int i = 0; i < 16; ++i)
        record({0, 0, 4, QString(), kNow - 100 + i});
    game_.Ends[0].EndScore = {0, 2};
    game_.GameState = 6;
    EXPECT_NE(rows().last().value(7), QStringLiteral("End of Game"));
    game_.GameState = 8;
    const QList<QStringList> r = rows();
    EXPECT_EQ(r.last(), (QStringList{"15000", "0", "2", "0", "0", "", "", "End of Game", "0 - 2",
                                     "", "", "", "", ""}));
    EXPECT_EQ(r[r.size() - 2].value(4), QStringLiteral("8")); // the last stone of the end
}

TEST_F(TagExportTest, PathsAndTheWrittenFile)
{
    EXPECT_EQ(TagExport::tagFilePath(QStringLiteral("/g/Session1-SheetA-SWE-NOR.cus")),
              QStringLiteral("/g/Session1-SheetA-SWE-NOR_tag.csv"));
    EXPECT_EQ(TagExport::tagFilePath(QStringLiteral("/g/game.CUS")),
              QStringLiteral("/g/game.CUS_tag.csv"));

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("game_tag.csv"));
    TagExport::Input input{&guidelines_, &videoStart_, QStringLiteral(";"),
                           QLocale(QLocale::German)};
    game_.GameState = 5;
    EXPECT_EQ(TagExport::exportTo(path, game_, input), TagExport::Result::NotDue);
    EXPECT_FALSE(QFile::exists(path));

    game_.GameState = 6;
    record({0, 0, 4, QString::fromUtf8("Zürich")});
    EXPECT_EQ(TagExport::exportTo(path, game_, input), TagExport::Result::Written);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("Date;Time;Position;Duration;End;Team;Stone;"));
    EXPECT_EQ(bytes.count("\r\n"), 4);
    EXPECT_EQ(bytes.count('\n'), 4);
    EXPECT_TRUE(bytes.contains("Z\xFCrich"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("\\d\\d:\\d\\d:\\d\\d;0;0;1;0;0;"))
                    .match(QString::fromLatin1(bytes))
                    .hasMatch());

    EXPECT_EQ(TagExport::exportTo(folder.filePath(QStringLiteral("missing/x.csv")), game_, input),
              TagExport::Result::CannotCreate);
}
