// Feeds arbitrary bytes to the game file reader.
#include "core/files/GameFile.h"

#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>

// Reading consults the settings: a store of its own, never the user's.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One blank game, copied per input: a new game is not what is measured.
    static const CGame blank{NewGameOptions{}};
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    DocumentFields doc;
    CGame game = blank;
    if (readGameFile(bytes, doc, game).ok) {
        // A file that reads must also write and read back to the same bytes.
        const QByteArray written = writeGameFile(doc, game);
        DocumentFields again;
        CGame gameAgain = blank;
        if (!readGameFile(written, again, gameAgain).ok)
            __builtin_trap();
        if (writeGameFile(again, gameAgain) != written)
            __builtin_trap();
    }
    return 0;
}
