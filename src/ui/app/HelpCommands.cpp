#include "HelpCommands.h"

#include "core/app/StartCommands.h"
#include "core/base/ProgramFolder.h"
#include "core/base/Prompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace HelpCommands {

QString userGuidePath()
{
    return ProgramFolder::locate(QLatin1String(UserGuideFile));
}

bool openUserGuide(Prompts& prompts)
{
    const QString path = userGuidePath();
    if (QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return true;
    prompts.message(QCoreApplication::translate("HelpCommands", "The user guide could not be "
                                                                "opened:\n%1")
                        .arg(QDir::toNativeSeparators(path)),
                    Prompts::Icon::Warning);
    return false;
}

bool checkForUpdates(Prompts& prompts)
{
    const QString address = StartCommands::updateAddress();
    if (QDesktopServices::openUrl(QUrl(address)))
        return true;
    prompts.message(address, Prompts::Icon::Information);
    return false;
}

} // namespace HelpCommands
