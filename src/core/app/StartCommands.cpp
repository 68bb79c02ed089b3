#include "StartCommands.h"

#include "core/base/SettingsKeys.h"
#include "core/base/UserFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace StartCommands {

namespace {

void writeDefaultPaths(const QString& documentsFolder)
{
    const QString games = UserFolders::withTrailingSeparator(
        UserFolders::withTrailingSeparator(documentsFolder) + QStringLiteral("HAVRIK Coach Tool"));
    Settings::write(Key::Setup::Path, games);
    Settings::write(Key::Setup::BackupPath,
                    UserFolders::withTrailingSeparator(games + QStringLiteral("Backup")));
}

} // namespace

Requests newCommand(const QString& documentsFolder)
{
    Requests requests;
    const int startWizard = Settings::read(Key::Options::StartWizard);
    requests.setupWizard = startWizard == 1;
    const bool rewrite = startWizard == 2 || Settings::read(Key::Setup::Path, QString()).isEmpty();
    if (rewrite && !documentsFolder.isEmpty())
        writeDefaultPaths(documentsFolder);
    if (startWizard == 2) {
        Settings::write(Key::Options::StartWizard, 1);
        requests.preferences = true;
    }
    return requests;
}

Requests newCommand()
{
    return newCommand(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString versionParameter(const QString& version)
{
    QString parameter = version;
    parameter.remove(QLatin1Char('.'));
    return parameter + QLatin1Char('0');
}

QString updateAddress()
{
    return QLatin1String(UpdateHost) + QStringLiteral("/TALVStats/checkupdate.aspx?version=") +
           versionParameter(QLatin1String(ProgramVersion));
}

} // namespace StartCommands
