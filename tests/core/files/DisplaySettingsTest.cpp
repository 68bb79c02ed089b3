#include "core/files/DisplaySettings.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"

#include "support/TestSettings.h"

class DisplaySettingsTest : public SettingsTest
{};

TEST_F(DisplaySettingsTest, DefaultsOfAnEmptyStore)
{
    DocumentFields doc;
    doc.OldLineSize = 9;
    doc.Ice = 0;
    doc.Light = 0;
    readDisplaySettings(doc);
    DocumentFields expected;
    expected.Light = rgbColour(255, 200, 0); // the settings' default stone colour
    EXPECT_EQ(doc, expected);
}

TEST_F(DisplaySettingsTest, OptionsAndEveryColourFromTheStore)
{
    Settings::write(Key::Options::OldLineSize, 0);
    Settings::write(Key::Options::ShowBroom, 1);
    Settings::write(Key::Options::ShowTarget, 1);
    struct Colour
    {
        const ColorKey& key;
        qint32 DocumentFields::*field;
    };
    const Colour colours[] = {
        {Key::Colors::Ice, &DocumentFields::Ice},
        {Key::Colors::Lines, &DocumentFields::Lines},
        {Key::Colors::SixFeet, &DocumentFields::Feet6},
        {Key::Colors::FourFeet, &DocumentFields::Feet4},
        {Key::Colors::TwoFeet, &DocumentFields::Feet2},
        {Key::Colors::Tee, &DocumentFields::Tee},
        {Key::Colors::Dark, &DocumentFields::Dark},
        {Key::Colors::Light, &DocumentFields::Light},
        {Key::Colors::IceAlert, &DocumentFields::IceAlert},
    };
    for (std::size_t i = 0; i < std::size(colours); ++i)
        Settings::writeColor(colours[i].key, rgbColour(int(i), 2 * int(i), 3 * int(i) + 1));

    DocumentFields doc;
    readDisplaySettings(doc);
    EXPECT_EQ(doc.OldLineSize, 0);
    EXPECT_EQ(doc.ShowBroom, 1);
    EXPECT_EQ(doc.ShowTarget, 1);
    for (std::size_t i = 0; i < std::size(colours); ++i)
        EXPECT_EQ(doc.*colours[i].field, rgbColour(int(i), 2 * int(i), 3 * int(i) + 1))
            << colours[i].key.name;
}

// The first end is drawn the other way when the stored direction says so, or
// when the rotated display turns right.
TEST_F(DisplaySettingsTest, FirstEndDirection)
{
    struct Case
    {
        int stored, showRotate, rotateRight;
        qint32 expected;
    };
    const Case cases[] = {
        {0, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 1, 1, 1}, {1, 0, 0, 1}, {0, 2, 5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stored << c.showRotate << c.rotateRight);
        Settings::write(Key::Options::FirstEndDirection, c.stored);
        Settings::write(Key::Options::ShowRotate, c.showRotate);
        Settings::write(Key::Options::RotateRight, c.rotateRight);
        DocumentFields doc;
        readDisplaySettings(doc);
        EXPECT_EQ(doc.FirstEndDirection, c.expected);
        EXPECT_EQ(doc.ShowRotate, c.showRotate);
        EXPECT_EQ(doc.RotateRight, c.rotateRight);
    }
}
