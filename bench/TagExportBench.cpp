// The tag list of a full game, as every save writes it.
#include "BenchMain.h"
#include "FullGame.h"

#include "core/files/TagExport.h"
#include "core/record/Guidelines.h"


#include <QTemporaryDir>

namespace {

void BM_TagListText(benchmark::State& state)
{
    FullGame full;
    GuidelineTable guidelines;
    guidelines.LoadGuidelines(QStringLiteral("ENG"), false, QString());
    qint64 videoStart = 0;
    const TagExport::Input input{&guidelines, &videoStart, QStringLiteral(";"), QLocale()};
    for (auto _ : state) {
        const QString text = TagExport::buildText(full.game, input);
        benchmark::DoNotOptimize(text.constData());
    }
}
BENCHMARK(BM_TagListText)->Unit(benchmark::kMicrosecond);

void BM_TagExportToFile(benchmark::State& state)
{
    FullGame full;
    GuidelineTable guidelines;
    guidelines.LoadGuidelines(QStringLiteral("ENG"), false, QString());
    qint64 videoStart = 0;
    const TagExport::Input input{&guidelines, &videoStart, QStringLiteral(";"), QLocale()};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("game_tag.csv"));
    for (auto _ : state) {
        const bool written =
            TagExport::exportTo(path, full.game, input) == TagExport::Result::Written;
        benchmark::DoNotOptimize(written);
    }
}
BENCHMARK(BM_TagExportToFile)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
