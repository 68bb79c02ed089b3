#include "core/house/HouseImage.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/Document.h"
#include "core/house/HouseController.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QImage>

class HouseImageTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        Settings::write(Key::Setup::Path, folder_.path());
        document_ = std::make_unique<CTALVStatsDoc>();
        document_->OnNewDocument();
        view_ = std::make_unique<CHouseController>(*document_);
        view_->load();
    }

    QImage render(const QString& name)
    {
        const QString path = folder_.filePath(name);
        EXPECT_EQ(HouseImage::RenderHouseImage(*view_, {}, path, prompts_), 1);
        return QImage(path);
    }

    static bool isLineColour(QRgb pixel)
    {
        return qAbs(qRed(pixel) - 100) < 12 && qAbs(qGreen(pixel) - 100) < 12 &&
               qAbs(qBlue(pixel) - 100) < 12;
    }

    QTemporaryDir folder_;
    ScriptedPrompts prompts_;
    std::unique_ptr<CTALVStatsDoc> document_;
    std::unique_ptr<CHouseController> view_;
};

TEST_F(HouseImageTest, ThreeHundredPixelsWideWithTeeAndHogLinesOnTheirRows)
{
    const QImage image = render(QStringLiteral("house.png"));
    ASSERT_EQ(image.size(), QSize(300, 600));
    // Near the left edge, away from the rings: the tee line (y 800) on row 160
    // and the hog line (y 2900) on row 580, ice white around them.
    EXPECT_TRUE(isLineColour(image.pixel(20, 160)));
    EXPECT_TRUE(isLineColour(image.pixel(20, 580)));
    EXPECT_EQ(image.pixel(20, 150), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(20, 570), qRgb(255, 255, 255));
    // The house is at the top: the 12-foot ring's colour above the tee.
    EXPECT_EQ(image.pixel(250, 150), qRgb(200, 200, 255));
}

TEST_F(HouseImageTest, AMirroredGameHasTheHouseAtTheBottom)
{
    document_->game().SheetDirection = 1;
    view_->load();
    const QImage image = render(QStringLiteral("mirrored.png"));
    EXPECT_TRUE(isLineColour(image.pixel(20, 600 - 160)));
    EXPECT_TRUE(isLineColour(image.pixel(20, 600 - 580)));
    EXPECT_EQ(image.pixel(250, 600 - 150), qRgb(200, 200, 255));
}

TEST_F(HouseImageTest, FormatsResolutionAndFailures)
{
    Settings::write(Key::Options::PNGResolution, 120);
    for (const char* name : {"a.gif", "b.jpg", "c.png"}) {
        const QImage image = render(QString::fromUtf8(name));
        EXPECT_EQ(image.size(), QSize(120, 240)) << name;
    }
    const QString bad = folder_.filePath(QStringLiteral("missing/house.png"));
    EXPECT_EQ(HouseImage::RenderHouseImage(*view_, {}, bad, prompts_), 0);
    EXPECT_EQ(prompts_.messages.value(0), Texts::get(5030).arg(bad));

    Settings::write(Key::Options::PNGColors, 7); // no such image
    EXPECT_EQ(HouseImage::RenderHouseImage(*view_, {}, folder_.filePath(QStringLiteral("x.png")),
                                           prompts_),
              0);
    EXPECT_EQ(prompts_.messages.size(), 1);
}

TEST_F(HouseImageTest, SaveAsksForTheNameAndAddsPng)
{
    EXPECT_EQ(HouseImage::SaveHouseImage(*view_, {}, QStringLiteral("TALVStats"), prompts_), 0);
    ASSERT_EQ(prompts_.proposedSavePaths.size(), 1);
    EXPECT_TRUE(QFileInfo(prompts_.proposedSavePaths[0])
                    .fileName()
                    .startsWith(QStringLiteral("TALVStats_")));
    EXPECT_TRUE(QDir(folder_.path()).entryList(QDir::Files).isEmpty());

    prompts_.savePaths = {folder_.filePath(QStringLiteral("lie"))};
    EXPECT_EQ(HouseImage::SaveHouseImage(*view_, {}, QStringLiteral("TALVStats"), prompts_), 1);
    EXPECT_FALSE(QImage(folder_.filePath(QStringLiteral("lie.png"))).isNull());
}
