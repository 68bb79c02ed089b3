#include "SettingsKeys.h"

#include "Settings.h"
#include "UserFolders.h"

#include <algorithm>

QString GridKey::name(unsigned row, unsigned column) const
{
    return QLatin1String(prefix) + QStringLiteral("%1-%2").arg(row).arg(column);
}

std::uint32_t ColorKey::defaultValue() const
{
    return std::uint32_t(r) | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16);
}

QString Key::taggingButtonShort(unsigned row, unsigned column)
{
    const QString suffix = QStringLiteral("%1-%2").arg(row).arg(column);
    return QStringLiteral("TaggingButtonShort") + suffix.right(1);
}

namespace {

QString folderDefault(UserFolder folder)
{
    return folder == UserFolder::GamesFolder ? UserFolders::gamesFolder()
                                             : UserFolders::configFolder();
}

std::vector<SettingInfo> buildCatalogue()
{
    std::vector<SettingInfo> rows;
    const auto add = [&rows](const char* section, const QString& name, SettingType type,
                             const QString& description) {
        rows.push_back({QLatin1String(section), name, type, description});
    };
#define TALV_INT(sec, key, def)                                                                    \
    add(#sec, QStringLiteral(#key), SettingType::Integer, QString::number(def));
#define TALV_TEXT(sec, key, def)                                                                   \
    add(#sec, QStringLiteral(#key), SettingType::Text, QStringLiteral("\"" def "\""));
#define TALV_FOLDER(sec, key, folder)                                                              \
    add(#sec, QStringLiteral(#key), SettingType::Text,                                             \
        QStringLiteral("folder: ") + folderDefault(UserFolder::folder));
#define TALV_NUMBERED(sec, key, prefix, first, count, type, description)                           \
    add(#sec, QStringLiteral(prefix "%d"), SettingType::type,                                      \
        QStringLiteral("%1 to %2: " description).arg(first).arg(first + count - 1));
#define TALV_GRID(sec, key, type)                                                                  \
    add(#sec, QStringLiteral(#key "%u-%u"), SettingType::type,                                     \
        QStringLiteral("given by the caller"));
#define TALV_COLOR(id, key, r, g, b)                                                               \
    for (const char* channel : {"R", "G", "B"})                                                    \
        add("Colors", QStringLiteral(key) + QLatin1String(channel), SettingType::Integer,          \
            QStringLiteral("%1, %2, %3 (R, G, B)").arg(r).arg(g).arg(b));
#include "SettingsCatalogue.inc"
#undef TALV_INT
#undef TALV_TEXT
#undef TALV_FOLDER
#undef TALV_NUMBERED
#undef TALV_GRID
#undef TALV_COLOR
    return rows;
}

} // namespace

const std::vector<SettingInfo>& settingsCatalogue()
{
    static const std::vector<SettingInfo> catalogue = buildCatalogue();
    return catalogue;
}

namespace Settings {

int read(const IntKey& key)
{
    return readInt(QLatin1String(key.section), QLatin1String(key.name), key.defaultValue);
}

int read(const IntKey& key, int readerDefault)
{
    return readInt(QLatin1String(key.section), QLatin1String(key.name), readerDefault);
}

void write(const IntKey& key, int value)
{
    writeInt(QLatin1String(key.section), QLatin1String(key.name), value);
}

QString read(const TextKey& key)
{
    return read(key, QString::fromUtf8(key.defaultValue));
}

QString read(const TextKey& key, const QString& readerDefault)
{
    return readText(QLatin1String(key.section), QLatin1String(key.name), readerDefault);
}

void write(const TextKey& key, const QString& value)
{
    writeText(QLatin1String(key.section), QLatin1String(key.name), value);
}

QString read(const FolderKey& key)
{
    return read(key, folderDefault(key.folder));
}

QString read(const FolderKey& key, const QString& readerDefault)
{
    return readText(QLatin1String(key.section), QLatin1String(key.name), readerDefault);
}

void write(const FolderKey& key, const QString& value)
{
    writeText(QLatin1String(key.section), QLatin1String(key.name), value);
}

std::uint32_t readColor(const ColorKey& key)
{
    const QString section = QStringLiteral("Colors");
    const QString name = QLatin1String(key.name);
    const auto channel = [&](const char* suffix, int fallback) {
        return std::uint32_t(
            std::clamp(readInt(section, name + QLatin1String(suffix), fallback), 0, 255));
    };
    // Read in the store's order: blue, green, red.
    const std::uint32_t blue = channel("B", key.b);
    const std::uint32_t green = channel("G", key.g);
    const std::uint32_t red = channel("R", key.r);
    return red | (green << 8) | (blue << 16);
}

void writeColor(const ColorKey& key, std::uint32_t color)
{
    const QString section = QStringLiteral("Colors");
    const QString name = QLatin1String(key.name);
    writeInt(section, name + QLatin1Char('R'), int(color & 0xFF));
    writeInt(section, name + QLatin1Char('G'), int((color >> 8) & 0xFF));
    writeInt(section, name + QLatin1Char('B'), int((color >> 16) & 0xFF));
}

int readClamped(const IntKey& key, int low, int high)
{
    return std::clamp(read(key), low, high);
}

int read(const Reader& reader, const IntKey& key)
{
    return reader.readInt(QLatin1String(key.section), QLatin1String(key.name), key.defaultValue);
}

int readClamped(const Reader& reader, const IntKey& key, int low, int high)
{
    return std::clamp(read(reader, key), low, high);
}

} // namespace Settings
