#include "Config.h"

#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/BinaryReader.h"
#include "core/files/BinaryWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>

namespace {

constexpr int kMyTeamSuffixId = 5000;
constexpr int kDefaultCategoryNameId = 5004;
constexpr int kDefaultNoteId = 5005;
constexpr int kEventOneNameId = 5006;
constexpr int kEventThreeNameId = 5007;
constexpr int kEventTwoNameId = 5008;
constexpr int kPlayerLabelId = 5011;
constexpr int kSessionNameId = 5013;
constexpr int kSheetNameId = 5014;
constexpr int kTeamNameId = 5015;
constexpr int kDefaultSessions = 9;
constexpr int kDefaultSheets = 8;

// The smallest record of each kind, with empty texts and lists: a count is
// checked against these before anything is allocated.
constexpr qsizetype kEmptyStringBytes = 1;
constexpr qsizetype kEmptyListBytes = 2;
constexpr qsizetype kBaseBytes = 4 + 2 * kEmptyStringBytes;
constexpr qsizetype kPlayerBytes = kBaseBytes + 2 + 4;
constexpr qsizetype kTeamBytes = kBaseBytes + kEmptyStringBytes + kEmptyListBytes;
constexpr qsizetype kEventBytes = kBaseBytes + kEmptyListBytes;
constexpr qsizetype kCategoryBytes = kBaseBytes + kEmptyListBytes;

QString numberedText(int id, int number)
{
    const QString text = Texts::get(id);
    return text.isEmpty() ? text : text.arg(number);
}

// A folder of the path algorithm: created one level deep; an existing folder
// or a failure is of no concern here (the save then fails on its own).
// The whole path is made: on a fresh account even the application-data folder
// above ours may be missing, and the catalogue would then never be saved.
QString preparedFolder(const QString& folder)
{
    QDir().mkpath(folder);
    return folder;
}

void writeBase(BinaryWriter& out, const CConfigBase& record)
{
    out.writeInt32(record.id);
    out.writeString(record.name);
    out.writeString(record.note);
}

bool readBase(BinaryReader& in, CConfigBase& record)
{
    record.id = in.readInt32();
    record.name = in.readString();
    record.note = in.readString();
    return in.ok();
}

template <typename Record, typename WriteOne>
void writeList(BinaryWriter& out, const std::vector<Record>& list, WriteOne writeOne)
{
    out.writeCount(quint32(list.size()));
    for (const Record& record : list)
        writeOne(out, record);
}

template <typename Record, typename ReadOne>
bool readList(BinaryReader& in, std::vector<Record>& list, qsizetype smallestRecord,
              ReadOne readOne)
{
    const quint32 count = in.readCount();
    if (!in.ok() || qint64(count) * smallestRecord > in.remaining())
        return false;
    std::vector<Record> records(count);
    for (Record& record : records) {
        if (!readOne(in, record))
            return false;
    }
    list = std::move(records);
    return true;
}

void writePlayer(BinaryWriter& out, const CConfigPlayer& player)
{
    writeBase(out, player);
    out.writeInt16(player.number);
    out.writeInt32(player.skip);
}

bool readPlayer(BinaryReader& in, CConfigPlayer& player)
{
    if (!readBase(in, player))
        return false;
    player.number = in.readInt16();
    player.skip = in.readInt32();
    return in.ok();
}

void writeTeam(BinaryWriter& out, const CConfigTeam& team)
{
    writeBase(out, team);
    out.writeString(team.code);
    writeList(out, team.players, writePlayer);
}

bool readTeam(BinaryReader& in, CConfigTeam& team)
{
    if (!readBase(in, team))
        return false;
    team.code = in.readString();
    return in.ok() && readList(in, team.players, kPlayerBytes, readPlayer);
}

void writeEvent(BinaryWriter& out, const CConfigEvent& event)
{
    writeBase(out, event);
    writeList(out, event.teams, writeTeam);
}

bool readEvent(BinaryReader& in, CConfigEvent& event)
{
    return readBase(in, event) && readList(in, event.teams, kTeamBytes, readTeam);
}

std::vector<CConfigBase> numberedList(int textId, int count)
{
    std::vector<CConfigBase> list;
    for (int k = 1; k <= count; ++k) {
        CConfigBase record;
        record.id = k;
        record.name = numberedText(textId, k);
        list.push_back(record);
    }
    return list;
}

} // namespace

QString CConfig::filePath(const QString& activeGameFolder)
{
    QString folder = Settings::read(Key::Setup::ConfigPath);
    if (!folder.isEmpty()) {
        folder = preparedFolder(folder);
    } else {
        folder = Settings::read(Key::Setup::Path);
        if (!folder.isEmpty())
            folder = preparedFolder(folder);
        else
            folder = activeGameFolder;
    }
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')) &&
        !folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('/');
    return folder + Settings::read(Key::Setup::ConfigFilename);
}

QString CConfig::unreadableCopyPath(const QString& filePath)
{
    const QString first = filePath + QLatin1String(UnreadableSuffix);
    QString candidate = first;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = first + QLatin1Char('-') + QString::number(n);
    return candidate;
}

void CConfig::Load(const QString& activeGameFolder, QString* problem)
{
    path = filePath(activeGameFolder);
    enabled = Settings::read(Key::Setup::Config) == 1;
    if (problem)
        problem->clear();
    if (!enabled) {
        // The defaults serve this run; the user's file waits for the registry
        // to be switched on again.
        categories.clear();
        buildDefaults(false);
        return;
    }
    QFile file(path);
    if (!file.exists()) {
        categories.clear();
        ResetToDefaults();
        return;
    }
    QString trouble;
    if (!file.open(QIODevice::ReadOnly)) {
        trouble = file.errorString();
    } else {
        const QByteArray bytes = file.readAll();
        file.close();
        if (!fromBytes(bytes))
            trouble = QStringLiteral("the file is damaged or incomplete");
    }
    if (trouble.isEmpty())
        return;
    const QString copy = unreadableCopyPath(path);
    const bool kept = QFile::copy(path, copy);
    trouble += kept ? QStringLiteral("; it was kept as ") + copy
                    : QStringLiteral("; it could not be copied to ") + copy +
                          QStringLiteral(" and was left as it is");
    if (problem)
        *problem = trouble;
    categories.clear();
    // Without a copy the file is the only one left: the defaults are not
    // written over it here.
    if (kept)
        ResetToDefaults();
    else
        buildDefaults(false);
}

bool CConfig::Save() const
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = toBytes();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void CConfig::ResetToDefaults(bool dropMyTeam)
{
    buildDefaults(dropMyTeam);
    Save();
}

void CConfig::buildDefaults(bool dropMyTeam)
{
    const CConfigTeam* old = myTeam();
    CConfigTeam kept = old ? *old : DefaultTeam(QStringLiteral("My Team"));
    categories = {DefaultCategory(Texts::get(kDefaultCategoryNameId))};
    categories.front().id = 1;
    if (!dropMyTeam) {
        kept.name = QStringLiteral("%1 (%2)").arg(kept.name, Texts::get(kMyTeamSuffixId));
        categories.front().events.front().teams.front() = kept;
    }
    sessions = numberedList(kSessionNameId, kDefaultSessions);
    sheets = numberedList(kSheetNameId, kDefaultSheets);
    statisticians.clear();
}

CConfigTeam* CConfig::myTeam()
{
    if (categories.empty() || categories.front().events.empty() ||
        categories.front().events.front().teams.empty())
        return nullptr;
    return &categories.front().events.front().teams.front();
}

const CConfigTeam* CConfig::myTeam() const
{
    return const_cast<CConfig*>(this)->myTeam();
}

QString CConfig::DefaultTeamCode(const QString& name)
{
    return name.left(2).toUpper() + name.right(1);
}

CConfigTeam CConfig::DefaultTeam(const QString& name)
{
    static constexpr std::array<qint32, 5> kPlayerIds{4, 3, 2, 1, 5};
    const bool mixedDoubles = Settings::read(Key::Options::MixedDoubles) == 1;
    CConfigTeam team;
    team.id = 1;
    team.name = name;
    team.note = Texts::get(kDefaultNoteId);
    team.code = DefaultTeamCode(name);
    for (int k = 1; k <= int(kPlayerIds.size()); ++k) {
        QString label = numberedText(kPlayerLabelId, k);
        if (mixedDoubles && k == 3)
            label.replace(QLatin1Char('3'), QLatin1Char('B'));
        if (mixedDoubles && k == 4)
            label.replace(QLatin1Char('4'), QLatin1Char('A'));
        CConfigPlayer player;
        player.id = kPlayerIds[std::size_t(k - 1)];
        player.name = team.code + QLatin1Char(' ') + label;
        player.number = qint16(k);
        player.skip = k == 4 ? 1 : 0;
        team.players.push_back(player);
    }
    return team;
}

CConfigEvent CConfig::DefaultEvent(const QString& name)
{
    CConfigEvent event;
    event.id = 1;
    event.name = name;
    event.note = Texts::get(kDefaultNoteId);
    for (int k = 1; k <= 2; ++k) {
        CConfigTeam team = DefaultTeam(numberedText(kTeamNameId, k));
        team.id = k - 1;
        event.teams.push_back(team);
    }
    return event;
}

CConfigCategory CConfig::DefaultCategory(const QString& name)
{
    CConfigCategory category;
    category.id = 1;
    category.name = name;
    category.note = Texts::get(kDefaultNoteId);
    qint32 id = 1;
    for (int textId : {kEventOneNameId, kEventTwoNameId, kEventThreeNameId}) {
        CConfigEvent event = DefaultEvent(Texts::get(textId));
        event.id = id++;
        category.events.push_back(event);
    }
    return category;
}

void CConfig::writeCategory(BinaryWriter& out, const CConfigCategory& category)
{
    writeBase(out, category);
    writeList(out, category.events, writeEvent);
}

bool CConfig::readCategory(BinaryReader& in, CConfigCategory& category)
{
    CConfigCategory read;
    if (!readBase(in, read) || !readList(in, read.events, kEventBytes, readEvent))
        return false;
    category = std::move(read);
    return true;
}

void CConfig::writeBaseList(BinaryWriter& out, const std::vector<CConfigBase>& list)
{
    writeList(out, list, writeBase);
}

bool CConfig::readBaseList(BinaryReader& in, std::vector<CConfigBase>& list)
{
    return readList(in, list, kBaseBytes, readBase);
}

void CConfig::write(BinaryWriter& out) const
{
    writeList(out, categories, writeCategory);
    writeBaseList(out, sessions);
    writeBaseList(out, sheets);
    writeBaseList(out, statisticians);
}

bool CConfig::read(BinaryReader& in)
{
    std::vector<CConfigCategory> newCategories;
    std::vector<CConfigBase> newSessions, newSheets, newStatisticians;
    if (!readList(in, newCategories, kCategoryBytes, readCategory) ||
        !readBaseList(in, newSessions) || !readBaseList(in, newSheets) ||
        !readBaseList(in, newStatisticians))
        return false;
    categories = std::move(newCategories);
    sessions = std::move(newSessions);
    sheets = std::move(newSheets);
    statisticians = std::move(newStatisticians);
    return true;
}

QByteArray CConfig::toBytes() const
{
    BinaryWriter out;
    write(out);
    return out.take();
}

bool CConfig::fromBytes(QByteArrayView bytes)
{
    BinaryReader in(bytes);
    return read(in);
}
