#include "DiagramCommand.h"

#include "core/files/Document.h"
#include "core/house/ImageFiles.h"
#include "core/stats/DiagramData.h"
#include "core/stats/DiagramPainter.h"
#include "core/stats/StatsData.h"

#include <cstdio>

namespace {

constexpr int kOk = 0;
constexpr int kCannotRead = 3;
constexpr int kCannotWrite = 4;

} // namespace

int diagramCommand(const QString& file, const QString& out, Prompts& prompts)
{
    CTALVStatsDoc document;
    QString error;
    if (!document.OpenDocument(file, prompts, &error)) {
        std::fprintf(stderr, "%s\n", (file + QStringLiteral(": ") + error).toUtf8().constData());
        return kCannotRead;
    }
    const CStatsData stats(document.game());
    const DocumentFields& fields = document.fields();
    // A new diagram window's choice: the teams, both of them.
    const Diagram::DiagramData data =
        Diagram::ofGame(document.game(), stats, Diagram::Choice{}, fields.Dark, fields.Light);
    // The failure message (5030) goes to standard error through the prompts.
    return Diagram::renderImage(ImageFiles::withDefaultExtension(out), data,
                                Diagram::Colours::of(fields), prompts)
               ? kOk
               : kCannotWrite;
}
