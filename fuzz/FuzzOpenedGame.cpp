// What the program does with a game once a file has opened: walking it stone by
// stone back and forth, clearing an end, writing the tag list. A game read from
// a file may hold any positions, codes and player indexes.
#include "core/files/GameFile.h"
#include "core/files/TagExport.h"
#include "core/record/Guidelines.h"

#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const CGame blank{NewGameOptions{}};
    static GuidelineTable guidelines;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    DocumentFields doc;
    CGame game = blank;
    if (!readGameFile(bytes, doc, game).ok)
        return 0;
    qint64 videoStart = 0;
    const TagExport::Input input{&guidelines, &videoStart, QStringLiteral(";"), QLocale()};
    TagExport::buildText(game, input);
    game.ApplyMisDefault();
    for (int i = 0; i < 40 && game.PreviousStone() == 1; ++i) {
    }
    game.EnterReview();
    for (int i = 0; i < 40 && game.NextStone() == 1; ++i) {
    }
    game.LeaveReview(1);
    game.GotoPosition(game.RecordEnd, 1, 7);
    game.ClearEnd();
    game.RecomputeTeamTotals();
    return 0;
}
