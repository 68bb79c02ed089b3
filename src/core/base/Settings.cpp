#include "Settings.h"

#include <QCoreApplication>
#include <QSettings>

namespace Settings {

namespace {

QString path(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

void setRoot()
{
    QCoreApplication::setOrganizationName(QStringLiteral("HAVRIK"));
    QCoreApplication::setApplicationName(QStringLiteral("HAVRIK Coach Tool"));
}

int Reader::readInt(const QString& section, const QString& key, int defaultValue) const
{
    const QVariant value = store_.value(path(section, key));
    if (!value.isValid())
        return defaultValue;
    // A hand-edited store may hold text, a fraction or a number beyond 32 bits:
    // anything that is not a 32-bit integer reads as the default.
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : defaultValue;
}

QString Reader::readText(const QString& section, const QString& key,
                         const QString& defaultValue) const
{
    const QVariant value = store_.value(path(section, key));
    if (!value.isValid())
        return defaultValue;
    // QSettings turns a stored "a, b" into a list; the store holds single texts only.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

int readInt(const QString& section, const QString& key, int defaultValue)
{
    return Reader().readInt(section, key, defaultValue);
}

void writeInt(const QString& section, const QString& key, int value)
{
    QSettings store;
    store.setValue(path(section, key), value);
}

QString readText(const QString& section, const QString& key, const QString& defaultValue)
{
    return Reader().readText(section, key, defaultValue);
}

void writeText(const QString& section, const QString& key, const QString& value)
{
    QSettings store;
    store.setValue(path(section, key), value);
}

bool contains(const QString& section, const QString& key)
{
    return QSettings().contains(path(section, key));
}

void remove(const QString& section, const QString& key)
{
    QSettings().remove(path(section, key));
}

} // namespace Settings
