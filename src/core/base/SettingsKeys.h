#pragma once

#include "Settings.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The catalogue of settings keys. Each key is a constant naming its section, its
// name and the default most readers pass, e.g. Key::Options::SecondsPerEnd.
// Readers that pass another default use the two-argument read and say why there.

enum class SettingType
{
    Integer,
    Text
};
enum class UserFolder
{
    GamesFolder,
    ConfigFolder
};

struct IntKey
{
    const char* section;
    const char* name;
    int defaultValue;
};

struct TextKey
{
    const char* section;
    const char* name;
    const char* defaultValue;
};

// A text key whose default is a user folder computed at run time.
struct FolderKey
{
    const char* section;
    const char* name;
    UserFolder folder;
};

// "Remark%d" and the like: the decimal number appended without leading zeros.
struct NumberedKey
{
    const char* section;
    const char* prefix;
    int first;
    int count;
    SettingType type;
    QString name(int number) const { return QLatin1String(prefix) + QString::number(number); }
    bool inRange(int number) const { return number >= first && number < first + count; }
};

// Tagging-button keys: prefix + "%u-%u" (row and column counted from 1).
struct GridKey
{
    const char* section;
    const char* prefix;
    SettingType type;
    QString name(unsigned row, unsigned column) const;
};

// A colour: three integers <name>R, <name>G, <name>B in section Colors.
struct ColorKey
{
    const char* name;
    int r, g, b;
    std::uint32_t defaultValue() const;
};

namespace Key {
#define TALV_INT(sec, key, def)                                                                    \
    namespace sec {                                                                                \
    inline constexpr IntKey key{#sec, #key, def};                                                  \
    }
#define TALV_TEXT(sec, key, def)                                                                   \
    namespace sec {                                                                                \
    inline constexpr TextKey key{#sec, #key, def};                                                 \
    }
#define TALV_FOLDER(sec, key, folder)                                                              \
    namespace sec {                                                                                \
    inline constexpr FolderKey key{#sec, #key, UserFolder::folder};                                \
    }
#define TALV_NUMBERED(sec, key, prefix, first, count, type, description)                           \
    namespace sec {                                                                                \
    inline const NumberedKey key##N{#sec, prefix, first, count, SettingType::type};                \
    }
#define TALV_GRID(sec, key, type)                                                                  \
    namespace sec {                                                                                \
    inline const GridKey key##Grid{#sec, #key, SettingType::type};                                 \
    }
#define TALV_COLOR(id, key, r, g, b)                                                               \
    namespace Colors {                                                                             \
    inline constexpr ColorKey id{key, r, g, b};                                                    \
    }
#include "SettingsCatalogue.inc"
#undef TALV_INT
#undef TALV_TEXT
#undef TALV_FOLDER
#undef TALV_NUMBERED
#undef TALV_GRID
#undef TALV_COLOR

// The short caption of a tagging-button column: the key takes only the last
// character of "<row>-<column>", which is the column's last digit.
QString taggingButtonShort(unsigned row, unsigned column);
} // namespace Key

// One row of the catalogue, for listing and checking the whole store.
struct SettingInfo
{
    QString section;
    QString name; // a numbered key shows its pattern, e.g. "Remark%d"
    SettingType type;
    QString defaultDescription;
};
const std::vector<SettingInfo>& settingsCatalogue();

// Typed access through the catalogue.
namespace Settings {
int read(const IntKey& key);
int read(const IntKey& key, int readerDefault);
void write(const IntKey& key, int value);
QString read(const TextKey& key);
QString read(const TextKey& key, const QString& readerDefault);
void write(const TextKey& key, const QString& value);
QString read(const FolderKey& key);
QString read(const FolderKey& key, const QString& readerDefault);
void write(const FolderKey& key, const QString& value);

// Colours as 0x00BBGGRR; a channel outside 0..255 is clamped.
std::uint32_t readColor(const ColorKey& key);
void writeColor(const ColorKey& key, std::uint32_t color);

// The whole value range of an integer key clamped, for readers that need it.
int readClamped(const IntKey& key, int low, int high);

// The same through one opening of the store.
int read(const Reader& reader, const IntKey& key);
int readClamped(const Reader& reader, const IntKey& key, int low, int high);
} // namespace Settings
