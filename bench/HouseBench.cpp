// Painting a full house (16 stones on the sheet, outlines of 8 moved stones,
// target and broom) into a 1920 × 1080 image, in the normal and the rotated
// display. "--png=<path>" saves the rotated drawing instead, for a look, and
// "--png-mirrored=<path>" a mirrored end in the normal display with stones
// waiting and out of play.
#include "BenchMain.h"
#include "core/files/DocumentFields.h"
#include "core/house/HousePainter.h"
#include "core/house/ImageFiles.h"
#include "core/record/Game.h"


#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <memory>

namespace {

struct Scene
{
    CGame game;
    DocumentFields fields;
    HousePositions positions;

    Scene()
    {
        fields.ShowBroom = 1;
        fields.ShowTarget = 1;
        fields.OldLineSize = 2;
        for (int i = 0; i < CEnd::StoneCount; ++i) {
            const qint32 x = 350 + (i % 4) * 230 + (i / 8) * 60;
            const qint32 y = 400 + (i / 4) * 260 + (i % 2) * 40;
            positions.current[std::size_t(i)] = {x, y};
            positions.previous[std::size_t(i)] =
                i % 2 == 0 ? SheetPoint{x, y + 500} : SheetPoint{x, y};
        }
        positions.target = {760, 700};
        positions.broom = {700, 1100};
    }
};

void paint(QImage& image, const Scene& scene, bool rotated)
{
    const CHouseGeometry geometry(image.width(), image.height(), rotated, 100);
    QPainter painter(&image);
    const HousePaintInput input(scene.game, scene.fields, scene.positions);
    paintHouse(painter, geometry, input);
}

bool saveMirrored(const QString& path)
{
    Scene scene;
    scene.game.SheetDirection = 1;
    scene.game.GotoPosition(0, 1, 2); // team 2's fifth stone is being recorded
    for (const int i : {3, 4, 5, 6, 7, 11, 12, 13, 14, 15})
        scene.positions.current[std::size_t(i)] = {};
    scene.positions.current[1] = {SheetPoint::OutOfPlay, 0};
    scene.positions.current[9] = {SheetPoint::OutOfPlay, 0};
    scene.positions.target = {};
    QImage image(600, 1000, QImage::Format_RGB32);
    const CHouseGeometry geometry(image.width(), image.height(), false, 100);
    QPainter painter(&image);
    HousePaintInput input(scene.game, scene.fields, scene.positions);
    input.sponsors = {200, -30, 0, 0};
    paintHouse(painter, geometry, input);
    painter.end();
    return image.save(path);
}

void BM_PaintHouse(benchmark::State& state)
{
    const Scene scene;
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    const bool rotated = state.range(0) != 0;
    for (auto _ : state) {
        paint(image, scene, rotated);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintHouse)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The image export of the same house at 300 × 600: drawn off screen and written.
void BM_ExportHouse(benchmark::State& state, const char* extension)
{
    const Scene scene;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("house.") + QLatin1String(extension));
    const CHouseGeometry geometry = CHouseGeometry::forImage(300, 600, 100);
    for (auto _ : state) {
        QImage image = ImageFiles::newImage({300, 600}, 32);
        QPainter painter(&image);
        HousePaintInput input(scene.game, scene.fields, scene.positions);
        input.output = HouseOutput::ExportStones;
        input.title = houseTitle(scene.game);
        paintHouse(painter, geometry, input);
        painter.end();
        benchmark::DoNotOptimize(ImageFiles::writeImage(image, path, 32, nullptr));
    }
}
BENCHMARK_CAPTURE(BM_ExportHouse, png, "png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportHouse, gif, "gif")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ExportHouse, jpg, "jpg")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, [&]() -> std::optional<int> {
        for (int i = 1; i < argc; ++i) {
            const QString arg = QString::fromLocal8Bit(argv[i]);
            if (arg.startsWith(QLatin1String("--png="))) {
                const Scene scene;
                QImage image(1920, 1080, QImage::Format_RGB32);
                paint(image, scene, true);
                return image.save(arg.mid(6)) ? 0 : 1;
            }
            if (arg.startsWith(QLatin1String("--png-mirrored=")))
                return saveMirrored(arg.mid(15)) ? 0 : 1;
        }
        return std::nullopt;
    });
}
