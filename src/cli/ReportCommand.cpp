#include "ReportCommand.h"

#include "core/files/Document.h"
#include "core/stats/StatsData.h"
#include "core/stats/StatsReport.h"

#include <cstdio>

namespace {

constexpr int kOk = 0;
constexpr int kUsage = 2;
constexpr int kCannotRead = 3;

} // namespace

int reportCommand(const QString& file, int view, bool visible, Prompts& prompts)
{
    if (view < 0 || view >= CStatsReport::ViewCount) {
        std::fprintf(stderr, "talvstats-cli: the view must be 0 to 3.\n");
        return kUsage;
    }
    CTALVStatsDoc document;
    QString error;
    if (!document.OpenDocument(file, prompts, &error)) {
        std::fprintf(stderr, "%s\n", (file + QStringLiteral(": ") + error).toUtf8().constData());
        return kCannotRead;
    }
    const CStatsData stats(document.game());
    CStatsReport report(stats, ReportSubject::ofGame(document.game()));
    report.setView(view);
    const QByteArray text = report.exportText(visible).toUtf8();
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
    return kOk;
}
