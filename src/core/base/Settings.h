#pragma once

#include <QSettings>
#include <QString>

// The per-user settings store: named values grouped in sections, read where they
// are used and written at once. Nothing is cached here, so a value written by a
// preferences page is seen by the very next reader.
//
// On Linux the store is "$XDG_CONFIG_HOME/HAVRIK/HAVRIK Coach Tool.conf"; a section
// is an INI group. The four operations never fail towards the caller: an unreadable
// store or a value that is not a number yields the reader's default, and a failed
// write is dropped.
namespace Settings {

int readInt(const QString& section, const QString& key, int defaultValue);
void writeInt(const QString& section, const QString& key, int value);
QString readText(const QString& section, const QString& key, const QString& defaultValue);
void writeText(const QString& section, const QString& key, const QString& value);

// A missing key and a stored one are told apart here (readers only see defaults).
bool contains(const QString& section, const QString& key);
void remove(const QString& section, const QString& key);

// Sets organisation and application name so that every QSettings of the process
// opens the store of "HAVRIK" / "HAVRIK Coach Tool". First step of start-up.
void setRoot();

// Several values read at one moment through one opening of the store (a new
// game reads a dozen); the values are as fresh as with the single reads.
class Reader
{
public:
    Reader() = default;
    int readInt(const QString& section, const QString& key, int defaultValue) const;
    QString readText(const QString& section, const QString& key,
                     const QString& defaultValue) const;

private:
    QSettings store_;
};

} // namespace Settings
