// Feeds arbitrary bytes to the CIS import.
#include "core/base/Prompts.h"
#include "core/files/CisImport.h"

#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>

namespace {

class SilentPrompts : public Prompts
{
public:
    bool askYesNo(const QString&, Icon, bool) override { return true; }
    bool askOkCancel(const QString&, Icon, bool) override { return true; }
    Answer askYesNoCancel(const QString&, Icon) override { return Answer::Cancel; }
    void message(const QString&, Icon) override {}
    QString askSavePath(const QString&, const QString&, const QString&) override { return {}; }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // An empty settings store of its own, never the user's.
    static QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const CGame newGame{NewGameOptions{}};
    DocumentFields doc;
    CGame game = newGame;
    SilentPrompts prompts;
    importCis(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), doc,
              game, prompts);
    return 0;
}
