#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProgramFolder {

namespace {

QString& overrideFolder()
{
    static QString folder;
    return folder;
}

} // namespace

void setOverride(const QString& folder)
{
    overrideFolder() = folder;
}

QStringList folders()
{
    if (!overrideFolder().isEmpty())
        return {overrideFolder()};
    const QString exeFolder = QCoreApplication::applicationDirPath();
    return {exeFolder, QDir::cleanPath(exeFolder + QStringLiteral("/../share/talvstats"))};
}

QString locate(const QString& fileName)
{
    const QStringList searched = folders();
    for (const QString& folder : searched) {
        const QString candidate = QDir(folder).filePath(fileName);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return QDir(searched.first()).filePath(fileName);
}

} // namespace ProgramFolder
