#include "core/record/Guidelines.h"
#include "core/base/Cp1252.h"
#include "core/base/ProgramFolder.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"

#include "support/TestSettings.h"

#include <QFile>
#include <QRandomGenerator>

class GuidelinesTest : public SettingsTest
{
protected:
    QString writeFile(const QByteArray& bytes)
    {
        const QString path = files_.filePath(QStringLiteral("Guidelines-TST.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    QTemporaryDir files_;
};

TEST_F(GuidelinesTest, WithoutAFileTheDefaultsAndBuiltInTextsHold)
{
    GuidelineTable table;
    table.LoadGuidelines(QStringLiteral("ENG"), false, files_.filePath(QStringLiteral("none.txt")));
    EXPECT_EQ(table[14].Caption,
              QStringLiteral("clockwise\r\n- In-turn for right handed players\r\n"
                             "- Out-turn for left handed players"));
    for (int task = 0; task < 14; ++task) {
        EXPECT_EQ(table[task].NormalText, QStringLiteral("no guideline defined"));
        EXPECT_EQ(table[task].ShortCode, task == 11 ? QStringLiteral("->") : QString());
    }
    EXPECT_EQ(table[19].ShortCode, QStringLiteral("O_o-i"));
    EXPECT_EQ(table[16].ShortCode, QStringLiteral("I_i-o"));
    EXPECT_EQ(table[0].TitleWord, QStringLiteral("Guidelines for ")); // the heading adds a blank
    EXPECT_EQ(table[20].Caption, QStringLiteral("No Bonus Points (use 4 - see Preferences)"));
    EXPECT_EQ(table[21].Caption, QStringLiteral("X (not considered for statistics)"));

    table.LoadGuidelines(QStringLiteral("ENG"), true, QString());
    EXPECT_EQ(table[20].Caption, QStringLiteral("5 (bonus point)"));
}

TEST_F(GuidelinesTest, BuiltInTextsFollowTheLanguageAndTasksKeepWhatTheyHeld)
{
    GuidelineTable table;
    table[3].NormalText = QStringLiteral("loaded before");
    table.LoadGuidelines(QStringLiteral("ITA"), false, QString());
    EXPECT_EQ(table[0].TitleWord, QStringLiteral("Istruzioni per"));
    EXPECT_EQ(table[0].ScoreWord, QStringLiteral("resultato"));
    EXPECT_EQ(table[3].NormalText, QStringLiteral("loaded before"));
    table.LoadGuidelines(QStringLiteral("GER"), true, QString());
    EXPECT_EQ(table[14].Caption,
              QString::fromUtf8(
                  "Uhrzeigersinn\r\n- In-turn für Rechthänder\r\n- Out-turn für Linkshänder"));
    EXPECT_EQ(table[20].Caption, QStringLiteral("5 (Bonus Punkt)"));
    table.LoadGuidelines(QStringLiteral("FRA"), false, QString());
    EXPECT_EQ(table[0].LastStoneWord, QString::fromUtf8("dernière pierre"));
    table.LoadGuidelines(QStringLiteral("xx"), false, QString());
    EXPECT_EQ(table[0].LastStoneWord, QStringLiteral("last stone"));
}

TEST_F(GuidelinesTest, FileFieldsWithLineBreaksMixedLineEndsAndCodePage)
{
    QByteArray bytes = "h1\r\nh2\nh3\r\nh4\r\nh5\r\nh6\r\n";
    bytes += "D\r\nDraw\r\nfirst\\nsecond\r\nlast\r\nahead\r\nbehind\r\n";
    bytes += "F\nFront\n" + Cp1252::encode(QString::fromUtf8("Zürich – é")) + "\n\n\n\n";
    const QString path = writeFile(bytes);
    GuidelineTable table;
    table[2].NormalText = QStringLiteral("kept");
    table.LoadGuidelines(QStringLiteral("ENG"), false, path);
    EXPECT_EQ(table[0].ShortCode, QStringLiteral("D"));
    EXPECT_EQ(table[0].NormalText, QStringLiteral("first\nsecond"));
    EXPECT_EQ(table[0].BehindText, QStringLiteral("behind"));
    EXPECT_EQ(table[1].NormalText, QString::fromUtf8("Zürich – é"));
    EXPECT_EQ(table[1].LastStoneText, QString());
    // The file ends at record 2: its short code becomes empty, the rest stays.
    EXPECT_EQ(table[2].ShortCode, QString());
    EXPECT_EQ(table[2].NormalText, QStringLiteral("kept"));
}

TEST_F(GuidelinesTest, ShortBinaryAndOverlongFilesFillWhatTheyCan)
{
    QByteArray longLine(200 * 1024, 'x');
    QByteArray bytes = "1\n2\n3\n4\n5\n6\nD\n" + longLine + "\n";
    bytes += QByteArray("normal\0hidden\nL\n", 16);
    GuidelineTable table;
    table.LoadGuidelines(QStringLiteral("ENG"), false, writeFile(bytes));
    EXPECT_EQ(table[0].ShortCode, QStringLiteral("D"));
    EXPECT_EQ(table[0].Caption.size(), 64 * 1024);
    EXPECT_EQ(table[0].NormalText, QStringLiteral("normal"));
    EXPECT_EQ(table[0].LastStoneText, QStringLiteral("L"));
    EXPECT_EQ(table[0].AheadText, QString());

    QByteArray noise(64 * 1024, '\0');
    auto* random = QRandomGenerator::global();
    for (char& c : noise)
        c = char(random->bounded(256));
    table.LoadGuidelines(QStringLiteral("ENG"), false, writeFile(noise));
    EXPECT_EQ(table[11].ShortCode, QStringLiteral("->"));
}

TEST_F(GuidelinesTest, ShippedFilesAreCompleteInEveryLanguage)
{
    for (const char* language : {"ENG", "GER", "FRA", "ITA"}) {
        const QString code = QLatin1String(language);
        const QString path = ProgramFolder::locate(GuidelineTable::fileName(code));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_EQ(file.readAll().count('\n'), 90) << language;

        GuidelineTable table;
        table.LoadGuidelines(code, false, path);
        const QStringList codes = {"D", "F", "G", "R", "W",  "Z",  "T",
                                   "H", "C", "S", "P", "->", "NP", "NS"};
        for (int task = 0; task < 14; ++task) {
            EXPECT_EQ(table[task].ShortCode, codes[task]) << language << task;
            EXPECT_FALSE(table[task].Caption.isEmpty()) << language << task;
            EXPECT_NE(table[task].NormalText, QStringLiteral("no guideline defined"));
            EXPECT_FALSE(table[task].BehindText.isEmpty()) << language << task;
            EXPECT_FALSE(table[task].NormalText.contains(QStringLiteral("\\n")));
        }
    }
}

TEST_F(GuidelinesTest, LoadsTheFileOfTheGuidelineLanguageFromTheProgramFolder)
{
    Settings::write(Key::Preferences::LanguageGuidelines, QStringLiteral("GER"));
    Settings::write(Key::Options::AllowBonusPoints, 1);
    GuidelineTable table;
    table.LoadGuidelines();
    EXPECT_EQ(table[0].ShortCode, QStringLiteral("D"));
    EXPECT_EQ(table[0].TitleWord, QString::fromUtf8("Richtlinien für"));
    EXPECT_EQ(table[20].Caption, QStringLiteral("5 (Bonus Punkt)"));
}
