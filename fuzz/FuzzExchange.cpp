// Feeds arbitrary bytes to the configuration import, as a file.
#include "core/base/Prompts.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/config/ConfigExchange.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>

namespace {

class SilentPrompts : public Prompts
{
public:
    int messages = 0;
    bool askYesNo(const QString&, Icon, bool) override { return false; }
    bool askOkCancel(const QString&, Icon, bool) override { return false; }
    Answer askYesNoCancel(const QString&, Icon) override { return Answer::Cancel; }
    void message(const QString&, Icon) override { ++messages; }
    QString askSavePath(const QString&, const QString&, const QString&) override { return {}; }
};

QTemporaryDir* home;

} // namespace

// Import consults the settings and saves the registry: a folder of its own.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    home = new QTemporaryDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home->path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home->path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString input = home->path() + QStringLiteral("/input.config");
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly))
            __builtin_trap();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    // Both readings of the switch; the first byte picks one.
    Settings::write(Key::Options::ImportExportAll, size > 0 && (data[0] & 1) ? 0 : 1);
    CConfig config;
    config.path = home->path() + QStringLiteral("/TALVStats.config");
    config.categories.push_back(CConfig::DefaultCategory(QStringLiteral("Test")));
    SilentPrompts prompts;
    const QString name = ConfigExchange::Import(config, input, prompts);
    // Either a name or one message, never both or neither.
    if (name.isEmpty() != (prompts.messages == 1) || prompts.messages > 1)
        __builtin_trap();
    if (!name.isEmpty() && (config.categories.size() != 2 || config.categories[1].name != name))
        __builtin_trap();
    return 0;
}
