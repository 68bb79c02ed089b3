#include "RecentFiles.h"

#include "core/base/Settings.h"

#include <QDir>

#include <algorithm>

namespace RecentFiles {

namespace {

const QString kSection = QStringLiteral("Recent File List");

QString key(int number)
{
    return QStringLiteral("File") + QString::number(number);
}

bool samePath(const QString& a, const QString& b)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(a)) ==
           QDir::cleanPath(QDir::fromNativeSeparators(b));
}

void write(const QStringList& paths)
{
    for (int number = 1; number <= Size; ++number) {
        if (number <= paths.size())
            Settings::writeText(kSection, key(number), paths[number - 1]);
        else
            Settings::remove(kSection, key(number));
    }
}

QStringList without(QStringList paths, const QString& path)
{
    paths.erase(std::remove_if(paths.begin(), paths.end(),
                               [&](const QString& entry) { return samePath(entry, path); }),
                paths.end());
    return paths;
}

} // namespace

QStringList list()
{
    QStringList paths;
    for (int number = 1; number <= Size; ++number) {
        const QString path = Settings::readText(kSection, key(number), QString());
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

void add(const QString& path)
{
    if (path.isEmpty())
        return;
    QStringList paths = without(list(), path);
    paths.prepend(path);
    write(paths.mid(0, Size));
}

void remove(const QString& path)
{
    write(without(list(), path));
}

} // namespace RecentFiles
