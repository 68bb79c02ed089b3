// Saving drawn images: a 300 x 600 house-like drawing (flat areas and
// antialiased circles) as PNG and GIF, and the diagram image of a full game.
#include "BenchMain.h"
#include "FullGame.h"

#include "core/base/Settings.h"
#include "core/house/ImageFiles.h"
#include "core/stats/DiagramPainter.h"
#include "core/stats/StatsData.h"


#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

namespace {

// Rings, tee line and stones as the house image has them, 20 pixels per foot.
QImage houseLike()
{
    QImage image = ImageFiles::newImage({300, 600}, 32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF tee(150, 160);
    const std::pair<double, QColor> rings[] = {{120, QColor(200, 200, 255)},
                                               {80, Qt::white},
                                               {40, QColor(255, 200, 200)},
                                               {10, Qt::white}};
    painter.setPen(QPen(QColor(100, 100, 100), 1));
    for (const auto& [radius, colour] : rings) {
        painter.setBrush(colour);
        painter.drawEllipse(tee, radius, radius);
    }
    painter.drawLine(0, 160, 300, 160);
    painter.drawLine(0, 580, 300, 580);
    painter.drawLine(150, 0, 150, 600);
    for (int i = 0; i < 16; ++i) {
        painter.setBrush(i % 2 ? QColor(255, 200, 0) : QColor(255, 0, 0));
        painter.drawEllipse(QPointF(40 + (i * 37) % 220, 60 + (i * 53) % 400), 9.3, 9.3);
    }
    return image;
}

// Range argument: 0 PNG, 1 GIF, 2 JPEG.
void BM_WriteHouseImage(benchmark::State& state)
{
    const QImage image = houseLike();
    QTemporaryDir dir;
    const char* suffixes[] = {"png", "gif", "jpg"};
    const QString path = dir.filePath(QStringLiteral("house.%1").arg(suffixes[state.range(0)]));
    for (auto _ : state) {
        const bool ok = ImageFiles::writeImage(image, path, 32, nullptr);
        if (!ok)
            state.SkipWithError("not written");
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_WriteHouseImage)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// Drawing and saving the 600 x 450 diagram of a full game as PNG.
void BM_DiagramImage(benchmark::State& state)
{
    FullGame full;
    const CStatsData stats(full.game);
    const Diagram::DiagramData data =
        Diagram::ofGame(full.game, stats, Diagram::Choice{}, 0x0000FF, 0x00C8FF);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("diagram.png"));
    for (auto _ : state) {
        const QImage image = Diagram::image(data, {}, 300);
        const bool ok = ImageFiles::writeImage(image, path, 32, nullptr);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_DiagramImage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
