#include "core/app/ApplicationLook.h"
#include "core/base/SettingsKeys.h"

#include "support/TestSettings.h"

class ApplicationLookTest : public SettingsTest
{};

TEST_F(ApplicationLookTest, BackgroundOnlyWhenSwitchedOnAndTheLookHasOne)
{
    struct Case
    {
        int look;
        int backgroundSetting;
        std::optional<std::uint32_t> expected;
    };
    const Case cases[] = {
        {32131, 1, 0xF6D7C3}, // 195, 215, 246 as 0x00BBGGRR
        {32137, 1, 0xDDD4D0},     {32135, 1, 0xC2BBB6},     {32129, 1, std::nullopt},
        {32130, 1, std::nullopt}, {32131, 0, std::nullopt}, {99999, 1, 0xDDD4D0}, // default look
    };
    for (const Case& c : cases) {
        Settings::write(Key::Options::ApplicationBackground, c.backgroundSetting);
        EXPECT_EQ(ApplicationLook::background(c.look), c.expected) << c.look;
    }
}

TEST_F(ApplicationLookTest, PlainLooksForceTheLookStyledButtonsOff)
{
    EXPECT_FALSE(ApplicationLook::lookStyledButtons(32133)); // setting off by default
    Settings::write(Key::Options::ApplicationLookButton, 1);
    EXPECT_FALSE(ApplicationLook::lookStyledButtons(32129));
    EXPECT_FALSE(ApplicationLook::lookStyledButtons(32130));
    EXPECT_TRUE(ApplicationLook::lookStyledButtons(32131));
    EXPECT_TRUE(ApplicationLook::lookStyledButtons(32137));
}

TEST_F(ApplicationLookTest, ASecondLookOfTheFamilyInOneSessionIsOnlyStored)
{
    using Choice = ApplicationLook::Session::Choice;
    ApplicationLook::Session session;
    session.applied(32131);
    EXPECT_EQ(session.choose(32134), Choice::Applied); // the first of the family
    EXPECT_EQ(session.choose(32136), Choice::StoredOnly);
    EXPECT_EQ(Settings::read(Key::Options::ApplicationLook), 32136);
    EXPECT_EQ(session.current(), 32136);
    EXPECT_EQ(session.choose(32132), Choice::Applied); // outside the family: always
    EXPECT_EQ(session.choose(32137), Choice::StoredOnly);
    EXPECT_EQ(Settings::read(Key::Options::ApplicationLook), 32137);

    ApplicationLook::Session startedInFamily;
    startedInFamily.applied(32137); // the stored look at start counts
    EXPECT_EQ(startedInFamily.choose(32134), Choice::StoredOnly);
    EXPECT_EQ(startedInFamily.choose(32133), Choice::Applied);
}
