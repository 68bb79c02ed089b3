#include "UserFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace UserFolders {

QString withTrailingSeparator(const QString& folder)
{
    const QString native = QDir::toNativeSeparators(folder);
    if (native.isEmpty() || native.endsWith(QDir::separator()))
        return native;
    return native + QDir::separator();
}

QString gamesFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return withTrailingSeparator(documents + QStringLiteral("/HAVRIK Coach Tool"));
}

QString configFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return withTrailingSeparator(data + QStringLiteral("/HAVRIK"));
}

} // namespace UserFolders
