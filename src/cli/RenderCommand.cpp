#include "RenderCommand.h"

#include "core/files/Document.h"
#include "core/house/HouseController.h"
#include "core/house/HouseImage.h"
#include "core/house/ImageFiles.h"

#include <QStringList>

#include <cstdio>

namespace {

constexpr int kOk = 0;
constexpr int kUsage = 2;
constexpr int kCannotRead = 3;
constexpr int kCannotWrite = 4;

void printError(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

// "E,P,S,O" within the game's ranges: end 0..19, player 0..3, stone and order 0..1.
bool parsePosition(const QString& text, GamePosition& position)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    int values[4];
    const int limits[4] = {CGame::EndCount - 1, 3, 1, 1};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || values[i] < 0 || values[i] > limits[i])
            return false;
    }
    position = {values[0], values[1], values[2], values[3]};
    return true;
}

} // namespace

int renderCommand(const QString& file, const QString& out, const QString& position,
                  Prompts& prompts)
{
    GamePosition at;
    if (!position.isEmpty() && !parsePosition(position, at)) {
        printError(QStringLiteral("talvstats-cli render: the position must be E,P,S,O "
                                  "(end 0..19, player 0..3, stone 0..1, order 0..1)."));
        return kUsage;
    }
    CTALVStatsDoc document;
    QString error;
    if (!document.OpenDocument(file, prompts, &error)) {
        printError(file + QStringLiteral(": ") + error);
        return kCannotRead;
    }
    if (!position.isEmpty()) {
        CGame& game = document.game();
        game.setCurrentPosition(at);
        // The sheet direction follows the end shown, as a jump there would set it.
        game.SheetDirection = (document.fields().FirstEndDirection != 0) ^ (at.End % 2);
    }
    CHouseController view(document);
    view.load();
    return HouseImage::RenderHouseImage(view, {}, ImageFiles::withDefaultExtension(out), prompts) ==
                   1
               ? kOk
               : kCannotWrite;
}
