#include "core/app/PaneSizes.h"
#include "core/base/SettingsKeys.h"

#include "support/TestSettings.h"

class PaneSizesTest : public SettingsTest
{};

TEST_F(PaneSizesTest, CreationWidthsComeFromTheSettings)
{
    EXPECT_EQ(PaneSizes::creation(false).form, 340);
    EXPECT_EQ(PaneSizes::creation(false).tagging, 0);
    EXPECT_EQ(PaneSizes::creation(true).tagging, 294);
    Settings::write(Key::MRU::SplitterSize1, 420);
    Settings::write(Key::MRU::SplitterSize2, 150);
    EXPECT_EQ(PaneSizes::creation(true).form, 420);
    EXPECT_EQ(PaneSizes::creation(true).tagging, 150);
}

TEST_F(PaneSizesTest, StoringReplacesNarrowWidthsAndChoosesTheWideLayouts)
{
    struct Case
    {
        int form, tagging;
        bool taggingShown;
        int storedForm, storedTagging;
        bool wideForm, wideTagging;
    };
    const Case cases[] = {
        {250, 0, false, 340, 294, false, false}, // SplitterSize2 untouched
        {300, 0, false, 340, 294, false, false},  {301, 0, false, 301, 294, false, false},
        {590, 0, false, 590, 294, false, false},  {591, 0, false, 591, 294, true, false},
        {400, 100, true, 400, 137, false, false}, {400, 101, true, 400, 101, false, false},
        {400, 360, true, 400, 360, false, true},
    };
    for (const Case& c : cases) {
        Settings::remove(QStringLiteral("MRU"), QStringLiteral("SplitterSize2"));
        const PaneSizes::Stored stored = PaneSizes::store({c.form, c.tagging}, c.taggingShown);
        EXPECT_EQ(Settings::read(Key::MRU::SplitterSize1), c.storedForm) << c.form;
        EXPECT_EQ(Settings::read(Key::MRU::SplitterSize2), c.storedTagging) << c.tagging;
        EXPECT_EQ(stored.widths.form, c.storedForm);
        EXPECT_EQ(stored.widths.tagging, c.taggingShown ? c.storedTagging : 0);
        EXPECT_EQ(stored.wideForm, c.wideForm) << c.form;
        EXPECT_EQ(stored.wideTagging, c.wideTagging) << c.tagging;
    }
}

TEST_F(PaneSizesTest, FitFollowsTheContent)
{
    EXPECT_EQ(PaneSizes::fit(340, false, 0).form, 340);
    EXPECT_EQ(PaneSizes::fit(341, false, 0).form, 351);
    EXPECT_EQ(PaneSizes::fit(120, false, 500).tagging, 0);
    EXPECT_EQ(PaneSizes::fit(120, true, 200).tagging, 137);
    EXPECT_EQ(PaneSizes::fit(120, true, 201).tagging, 294);
}
