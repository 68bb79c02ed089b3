#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

class BinaryReader;
class BinaryWriter;

// The user's catalogue of competitions (categories with their events, teams and
// players) and three flat name lists, kept in one binary file. Records are
// values: lists copy them in and out whole.
struct CConfigBase
{
    qint32 id = 0;
    QString name;
    QString note;

    // "_%i" of the id: the suffix that tells apart two imports of one name.
    QString idText() const { return QStringLiteral("_%1").arg(id); }
    bool operator==(const CConfigBase&) const = default;
};

struct CConfigPlayer : CConfigBase
{
    qint16 number = 0;
    qint32 skip = 0; // 1: this player is the skip
    bool operator==(const CConfigPlayer&) const = default;
};

struct CConfigTeam : CConfigBase
{
    QString code;
    std::vector<CConfigPlayer> players;
    bool operator==(const CConfigTeam&) const = default;
};

struct CConfigEvent : CConfigBase
{
    std::vector<CConfigTeam> teams;
    bool operator==(const CConfigEvent&) const = default;
};

struct CConfigCategory : CConfigBase
{
    std::vector<CConfigEvent> events;
    bool operator==(const CConfigCategory&) const = default;
};

// The registry: loaded once at start-up, saved after every change.
class CConfig
{
public:
    static constexpr const char* DefaultFileName = "TALVStats.config";
    static constexpr const char* UnreadableSuffix = ".unreadable";

    bool enabled = true; // Setup/Config = 1
    QString path;        // the configuration file
    std::vector<CConfigCategory> categories;
    std::vector<CConfigBase> sessions, sheets, statisticians;

    // Setup/ConfigPath, else Setup/Path, else the active game's folder; the
    // folder is created (one level); then Setup/ConfigFilename.
    static QString filePath(const QString& activeGameFolder = {});

    // Computes the path, reads the enabled flag and the file. A missing file
    // gives the defaults, which are written. A file that cannot be read is first
    // kept beside as "<name>.unreadable" so that the user's catalogue is never
    // overwritten (when no copy can be made, the file is left as it is). A disabled registry gets
    // the defaults in memory only and leaves the file alone. Always succeeds; `problem` (when
    // given) receives what was wrong with the file, empty when nothing was.
    void Load(const QString& activeGameFolder = {}, QString* problem = nullptr);
    // The name a damaged file was kept under: "<path>.unreadable", or with
    // "-2", "-3", ... appended when that name is taken already.
    static QString unreadableCopyPath(const QString& path);
    // Writes the whole registry in one step (atomic); false when it cannot.
    bool Save() const;
    // The default set. With dropMyTeam false (flag K unset) the first team of
    // the old first event is kept in the new first event and renamed
    // "<name> (<text 5000>)"; with it true the default teams stay. Saves.
    void ResetToDefaults(bool dropMyTeam = false);

    // The first team of the first event of the first category; null when none.
    CConfigTeam* myTeam();
    const CConfigTeam* myTeam() const;

    // Builders used by the defaults and the editing dialogs.
    static CConfigTeam DefaultTeam(const QString& name);
    static CConfigEvent DefaultEvent(const QString& name);
    static CConfigCategory DefaultCategory(const QString& name);
    // Code of a default team: the first two characters upper-cased and the last
    // one as it is ("x" gives "Xx", "ab" gives "ABb").
    static QString DefaultTeamCode(const QString& name);

    // The binary form (also the exchange file's parts); read fails on any
    // shortage or a count the remaining bytes cannot hold. A failed read leaves
    // the registry as it was.
    void write(BinaryWriter& out) const;
    bool read(BinaryReader& in);
    QByteArray toBytes() const;
    bool fromBytes(QByteArrayView bytes);
    static void writeCategory(BinaryWriter& out, const CConfigCategory& category);
    static bool readCategory(BinaryReader& in, CConfigCategory& category);
    static void writeBaseList(BinaryWriter& out, const std::vector<CConfigBase>& list);
    static bool readBaseList(BinaryReader& in, std::vector<CConfigBase>& list);

    bool operator==(const CConfig& other) const
    {
        return categories == other.categories && sessions == other.sessions &&
               sheets == other.sheets && statisticians == other.statisticians;
    }

private:
    // The default set in memory, without saving.
    void buildDefaults(bool dropMyTeam);
};
