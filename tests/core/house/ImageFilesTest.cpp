#include "core/house/ImageFiles.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/DocumentFields.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

namespace {

const QColor kRed(200, 30, 30);
const QColor kGreen(20, 160, 60);
const QColor kBlue(40, 60, 220);
const QColor kIce(235, 245, 255);

// Flat areas as the house drawing has them, with antialiased circles whose edges
// bring in a few hundred further colours.
void drawFlat(QPainter& painter, const QRect& rect)
{
    const int w = rect.width(), h = rect.height();
    painter.fillRect(rect, kIce);
    painter.fillRect(QRect(0, 0, w / 2, h / 4), kRed);
    painter.fillRect(QRect(w / 2, 0, w - w / 2, h / 4), kGreen);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlue);
    painter.drawEllipse(QPointF(w / 2.0, h * 0.6), w / 4.0, w / 4.0);
    painter.setBrush(kRed);
    for (int i = 0; i < 6; ++i)
        painter.drawEllipse(QPointF(w * (i + 0.5) / 6, h * 0.9), w / 20.0, w / 20.0);
}

QImage flatImage(QSize size = {90, 180})
{
    QImage image = ImageFiles::newImage(size, 32);
    QPainter painter(&image);
    drawFlat(painter, image.rect());
    return image;
}

// Points inside the flat areas and the colour each has.
struct Sample
{
    QPoint at;
    QColor colour;
};

std::vector<Sample> samples(QSize size)
{
    const int w = size.width(), h = size.height();
    return {{{w / 4, h / 8}, kRed},
            {{3 * w / 4, h / 8}, kGreen},
            {{w / 2, int(h * 0.6)}, kBlue},
            {{w / 10, int(h * 0.4)}, kIce}};
}

// Qt reads GIF files as full colour: the colours are counted, not the palette.
int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

int channelError(const QColor& a, QRgb b)
{
    return std::max({std::abs(a.red() - qRed(b)), std::abs(a.green() - qGreen(b)),
                     std::abs(a.blue() - qBlue(b))});
}

} // namespace

class ImageFilesTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
    }

    QString file(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

TEST_F(ImageFilesTest, WritesEachTypeAtEachDepthWithTheSizeAndColoursKept)
{
    struct Case
    {
        const char* suffix;
        int bits;
        int tolerance;  // per channel, in the flat areas
        int maxColours; // read back; 0: not counted
    };
    const Case cases[] = {
        {"png", 32, 0, 0},   {"png", 24, 0, 0},   {"png", 16, 8, 0},  {"png", 8, 0, 256},
        {"png", 4, 0, 16},   {"jpg", 32, 10, 0},  {"jpg", 16, 12, 0}, {"jpeg", 24, 10, 0},
        {"gif", 32, 0, 256}, {"gif", 24, 0, 256}, {"gif", 8, 0, 256}, {"gif", 4, 0, 16},
    };
    const QImage source = flatImage();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.suffix << " " << c.bits);
        const QString path = file(QStringLiteral("out%1.%2").arg(c.bits).arg(c.suffix));
        QString error;
        ASSERT_TRUE(ImageFiles::writeImage(source, path, c.bits, &error)) << error.toStdString();
        const QImage back(path);
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back.size(), source.size());
        for (const Sample& s : samples(source.size()))
            EXPECT_LE(channelError(s.colour, back.pixel(s.at)), c.tolerance)
                << s.at.x() << "," << s.at.y();
        if (c.maxColours > 0) {
            EXPECT_LE(distinctColours(back), c.maxColours);
        }
    }
}

TEST_F(ImageFilesTest, QuantisingKeepsFlatColoursAndStaysCloseElsewhere)
{
    // A full gradient has far more than 256 colours; the flat bands must stay exact.
    QImage source(256, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x)
            source.setPixel(x, y, y < 16 ? kRed.rgb() : qRgb(x, (x * 7 + y * 3) % 256, y * 4));
    struct Case
    {
        int colours;
        int maxDistance; // euclidean, over the gradient
    };
    for (const Case& c : {Case{256, 45}, Case{2, 0}, Case{16, 0}}) {
        const QImage q = ImageFiles::quantised(source, c.colours);
        ASSERT_EQ(q.format(), QImage::Format_Indexed8);
        EXPECT_LE(q.colorCount(), c.colours);
        EXPECT_EQ(q.pixel(100, 5), kRed.rgb()) << c.colours;
        if (c.maxDistance == 0)
            continue;
        int worst = 0;
        for (int y = 16; y < 64; ++y)
            for (int x = 0; x < 256; ++x) {
                const QRgb a = source.pixel(x, y), b = q.pixel(x, y);
                const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b),
                          db = qBlue(a) - qBlue(b);
                worst = std::max(worst, int(std::sqrt(dr * dr + dg * dg + db * db)));
            }
        EXPECT_LE(worst, c.maxDistance);
    }
}

TEST_F(ImageFilesTest, OtherProgramsOpenThePngAndGif)
{
    const QString identify = QStandardPaths::findExecutable(QStringLiteral("identify"));
    if (identify.isEmpty())
        GTEST_SKIP() << "ImageMagick identify is not installed";
    const QImage source = flatImage({300, 600});
    for (const char* suffix : {"png", "gif", "jpg"}) {
        const QString path = file(QStringLiteral("check.%1").arg(suffix));
        ASSERT_TRUE(ImageFiles::writeImage(source, path, 32, nullptr));
        QProcess process;
        process.start(identify, {QStringLiteral("-format"), QStringLiteral("%m %w %h"), path});
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        const QString expected = QStringLiteral("%1 300 600")
                                     .arg(QString::fromLatin1(suffix).toUpper())
                                     .replace(QStringLiteral("JPG"), QStringLiteral("JPEG"));
        EXPECT_EQ(QString::fromLatin1(process.readAllStandardOutput()).trimmed(), expected);
    }
}

TEST_F(ImageFilesTest, FailuresShowMessage5030WithThePathAndGiveZero)
{
    const QString missingFolder = file(QStringLiteral("no/such/folder/"));
    const QString paths[] = {
        missingFolder + QStringLiteral("a.png"), missingFolder + QStringLiteral("a.jpg"),
        missingFolder + QStringLiteral("a.gif"),
        file(QStringLiteral("a.tif")), // no encoder for the extension
        file(QStringLiteral("a.bmp")),
    };
    for (const QString& path : paths) {
        ScriptedPrompts prompts;
        EXPECT_EQ(ImageFiles::renderImage(path, {30, 60}, 32, drawFlat, prompts), 0)
            << path.toStdString();
        ASSERT_EQ(prompts.messages.size(), 1);
        EXPECT_EQ(prompts.messages[0], Texts::get(5030).arg(path));
        EXPECT_TRUE(prompts.messages[0].contains(path));
        EXPECT_EQ(prompts.messageIcons[0], Prompts::Icon::Error);
        EXPECT_FALSE(QFileInfo::exists(path));
    }
    EXPECT_FALSE(Texts::get(5030).isEmpty());
}

TEST_F(ImageFilesTest, AnImageThatCannotBeMadeGivesZeroWithoutMessage)
{
    struct Case
    {
        QSize size;
        int bits;
    };
    const Case cases[] = {{{30, 60}, 0}, {{30, 60}, 2},  {{30, 60}, 12},        {{30, 60}, 64},
                          {{0, 0}, 32},  {{-5, 10}, 32}, {{100000, 200000}, 32}};
    for (const Case& c : cases) {
        ScriptedPrompts prompts;
        const QString path = file(QStringLiteral("never.png"));
        EXPECT_TRUE(ImageFiles::newImage(c.size, c.bits).isNull()) << c.bits;
        EXPECT_EQ(ImageFiles::renderImage(path, c.size, c.bits, drawFlat, prompts), 0);
        EXPECT_TRUE(prompts.messages.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(path));
    }
    for (int bits : {1, 4, 8, 16, 24, 32})
        EXPECT_FALSE(ImageFiles::newImage({30, 60}, bits).isNull()) << bits;
}

TEST_F(ImageFilesTest, SuggestedNameIsFolderCompetitionEventBaseAndTime)
{
    const QDateTime now(QDate(2024, 3, 15), QTime(14, 30, 5));
    const QString root = file(QStringLiteral("images"));
    Settings::write(Key::Setup::Path, root); // without a trailing separator
    struct Case
    {
        qint16 competitionId;
        const char* competition;
        const char* event;
        const char* folder;
    };
    const Case cases[] = {
        {0, "Worlds", "Final", "/Worlds/Final/"},
        {-1, "Worlds", "Final", "/Final/"},
        {3, "Euro/Cup", "../Day 2", "/Euro Cup/Day 2/"}, // names cannot lead elsewhere
        {1, "", "", "/"},
    };
    for (const Case& c : cases) {
        DocumentFields fields;
        fields.Competition = {QString::fromUtf8(c.competition), c.competitionId};
        fields.Event = {QString::fromUtf8(c.event), 0};
        const QString folder = root + QString::fromUtf8(c.folder);
        EXPECT_EQ(ImageFiles::suggestedPath(QStringLiteral("TALVStats"), fields, now),
                  folder + QStringLiteral("TALVStats_20240315143005"));
        EXPECT_TRUE(QFileInfo(folder).isDir()) << c.folder;
    }
}

TEST_F(ImageFilesTest, ATypedNameWithoutExtensionGetsPng)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/x/chart", "/x/chart.png"},     {"/x/chart.", "/x/chart.png"},
        {"/x.d/chart", "/x.d/chart.png"}, {"/x/chart.gif", "/x/chart.gif"},
        {"/x/chart.JPG", "/x/chart.JPG"},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(ImageFiles::withDefaultExtension(QString::fromUtf8(typed)),
                  QString::fromUtf8(expected));
    EXPECT_EQ(ImageFiles::saveFilter(),
              QStringLiteral("PNG format (*.png);;JPG format (*.jpg);;GIF format (*.gif)"));
    EXPECT_EQ(ImageFiles::defaultSuffix(), QStringLiteral("png"));
}

TEST_F(ImageFilesTest, SaveAsksWithTheSuggestedNameAndWritesTheChosenFile)
{
    Settings::write(Key::Setup::Path, dir_.path());
    DocumentFields fields;
    fields.Competition.Id = -1;
    fields.Event.Text = QStringLiteral("Open");
    const QDateTime now(QDate(2025, 1, 2), QTime(3, 4, 5));

    ScriptedPrompts prompts;
    prompts.savePaths = {file(QStringLiteral("typed"))};
    EXPECT_EQ(ImageFiles::saveImage(QStringLiteral("TALVAnalysis"), fields, {40, 80}, 32, drawFlat,
                                    prompts, now),
              1);
    EXPECT_EQ(prompts.proposedSavePaths,
              QStringList{file(QStringLiteral("Open/TALVAnalysis_20250102030405"))});
    EXPECT_EQ(QImage(file(QStringLiteral("typed.png"))).size(), QSize(40, 80));
    EXPECT_TRUE(prompts.messages.isEmpty());

    // Cancelled: nothing written.
    const QStringList before = QDir(dir_.path()).entryList(QDir::Files);
    EXPECT_EQ(ImageFiles::saveImage(QStringLiteral("TALVAnalysis"), fields, {40, 80}, 32, drawFlat,
                                    prompts, now),
              0);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), before);
    EXPECT_TRUE(prompts.messages.isEmpty());
}
