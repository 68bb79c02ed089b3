#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"

#include "support/TestSettings.h"

#include <QSet>
#include <QSettings>

class SettingsStoreTest : public SettingsTest
{};

TEST_F(SettingsStoreTest, MissingKeysYieldTheReadersDefaultAndWriteNothing)
{
    EXPECT_EQ(Settings::read(Key::Options::SecondsPerEnd), 438);
    EXPECT_EQ(Settings::read(Key::MRU::CompetitionID), -1);
    EXPECT_EQ(Settings::read(Key::Options::CSVSeparator), QStringLiteral(";"));
    // A reader that passes its own default gets it.
    EXPECT_EQ(Settings::read(Key::Options::ShowGameTimer, 1), 1);
    EXPECT_EQ(Settings::read(Key::Setup::Path, QString()), QString());
    EXPECT_FALSE(Settings::contains(QStringLiteral("Options"), QStringLiteral("SecondsPerEnd")));
    EXPECT_TRUE(QSettings().allKeys().isEmpty());
}

TEST_F(SettingsStoreTest, ValuesSurviveANewStoreObjectAndStoredIsDistinguishable)
{
    Settings::write(Key::Options::SecondsPerEnd, 500);
    Settings::write(Key::MRU::City, QStringLiteral("Zürich, Hallenstadion"));
    Settings::write(Key::Options::ShowGameTimer, 0); // stored value equal to the default
    EXPECT_EQ(Settings::read(Key::Options::SecondsPerEnd), 500);
    EXPECT_EQ(Settings::read(Key::MRU::City), QStringLiteral("Zürich, Hallenstadion"));
    EXPECT_TRUE(Settings::contains(QStringLiteral("Options"), QStringLiteral("ShowGameTimer")));
    EXPECT_EQ(Settings::read(Key::Options::ShowGameTimer, 1), 0);

    QSettings store;
    store.sync();
    EXPECT_EQ(store.value(QStringLiteral("Options/SecondsPerEnd")).toInt(), 500);
}

TEST_F(SettingsStoreTest, NonsenseWhereANumberBelongsGivesTheDefault)
{
    struct Case
    {
        const char* stored;
        int expected;
    };
    const Case cases[] = {{"abc", 438},         {"", 438},    {"12.5", 438},
                          {"99999999999", 438}, {" 42 ", 42}, {"-7", -7}};
    for (const Case& c : cases) {
        Settings::writeText(QStringLiteral("Options"), QStringLiteral("SecondsPerEnd"),
                            QString::fromUtf8(c.stored));
        EXPECT_EQ(Settings::read(Key::Options::SecondsPerEnd), c.expected) << c.stored;
    }
}

TEST_F(SettingsStoreTest, NumberedAndTaggingKeysHaveNoLeadingZeros)
{
    EXPECT_EQ(Key::Types::RemarkN.name(0), QStringLiteral("Remark0"));
    EXPECT_EQ(Key::Types::RemarkN.name(9), QStringLiteral("Remark9"));
    EXPECT_EQ(Key::Types::RemarkN.name(19), QStringLiteral("Remark19"));
    EXPECT_EQ(Key::Types::HandleN.name(5), QStringLiteral("Handle5"));
    EXPECT_EQ(Key::Setup::StatisticianN.name(12), QStringLiteral("Statistician12"));
    EXPECT_EQ(Key::Setup::TaggingActionN.name(1), QStringLiteral("TaggingAction1"));
    EXPECT_EQ(Key::Setup::TaggingButtonGrid.name(1, 3), QStringLiteral("TaggingButton1-3"));
    EXPECT_EQ(Key::Setup::TaggingButtonColorGrid.name(2, 10),
              QStringLiteral("TaggingButtonColor2-10"));
    // The short caption takes only the last character of "<row>-<column>".
    EXPECT_EQ(Key::taggingButtonShort(2, 3), QStringLiteral("TaggingButtonShort3"));
    EXPECT_EQ(Key::taggingButtonShort(1, 12), QStringLiteral("TaggingButtonShort2"));
}

TEST_F(SettingsStoreTest, ColoursCombineThreeChannelsAndClampNonsense)
{
    EXPECT_EQ(Settings::readColor(Key::Colors::Light), 0x0000C8FFu); // 255, 200, 0
    EXPECT_EQ(Settings::readColor(Key::Colors::SixFeet), 0x00FFC8C8u);

    Settings::writeColor(Key::Colors::Dark, 0x00123456u);
    EXPECT_EQ(Settings::readInt(QStringLiteral("Colors"), QStringLiteral("DarkR"), -1), 0x56);
    EXPECT_EQ(Settings::readInt(QStringLiteral("Colors"), QStringLiteral("DarkG"), -1), 0x34);
    EXPECT_EQ(Settings::readInt(QStringLiteral("Colors"), QStringLiteral("DarkB"), -1), 0x12);
    EXPECT_EQ(Settings::readColor(Key::Colors::Dark), 0x00123456u);

    Settings::writeInt(QStringLiteral("Colors"), QStringLiteral("IceR"), 999);
    Settings::writeInt(QStringLiteral("Colors"), QStringLiteral("IceG"), -5);
    Settings::writeText(QStringLiteral("Colors"), QStringLiteral("IceB"), QStringLiteral("blue"));
    EXPECT_EQ(Settings::readColor(Key::Colors::Ice), 0x00FF00FFu);
}

TEST_F(SettingsStoreTest, CatalogueListsEveryKeyOnce)
{
    QSet<QString> seen;
    for (const SettingInfo& info : settingsCatalogue()) {
        const QString id = info.section + QLatin1Char('/') + info.name;
        EXPECT_FALSE(seen.contains(id)) << id.toStdString();
        seen.insert(id);
    }
    // Same name in two sections is two keys.
    EXPECT_TRUE(seen.contains(QStringLiteral("Preferences/EventID")));
    EXPECT_TRUE(seen.contains(QStringLiteral("MRU/EventID")));
    EXPECT_TRUE(seen.contains(QStringLiteral("Colors/6FeetB")));
    EXPECT_TRUE(seen.contains(QStringLiteral("Types/Remark%d")));
    EXPECT_TRUE(seen.contains(QStringLiteral("Setup/TaggingButton%u-%u")));
}
