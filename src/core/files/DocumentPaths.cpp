#include "DocumentPaths.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/UserFolders.h"

#include <QDir>
#include <QRegularExpression>

namespace DocumentPaths {

namespace {

QString withoutControlCharacters(QString text)
{
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return text;
}

// Appends the competition and event levels to a folder, creating them when asked.
QString withGameFolders(QString folder, const GameNames& names, bool create)
{
    folder = UserFolders::withTrailingSeparator(folder);
    if (create && !folder.isEmpty())
        QDir().mkpath(folder);
    const auto append = [&](const QString& name) {
        const QString level = folderLevel(name);
        if (level.isEmpty())
            return;
        folder += level + QDir::separator();
        if (create)
            QDir().mkpath(folder);
    };
    if (names.CompetitionId >= 0)
        append(names.Competition);
    append(names.Event);
    return folder;
}

QString joined(const QString& folder, const GameNames& names, Replacements replacements)
{
    return folder +
           fileName(names.Session, names.Sheet, names.ShortName1, names.ShortName2, replacements);
}

} // namespace

QString fileName(const QString& session, const QString& sheet, const QString& shortName1,
                 const QString& shortName2, Replacements replacements)
{
    QString name = session + QLatin1Char('-') + sheet + QLatin1Char('-') + shortName1 +
                   QLatin1Char('-') + shortName2;
    name.remove(QLatin1Char(' '));
    name.replace(QStringLiteral("'sCurling"), QStringLiteral("-"));
    name.replace(QStringLiteral("RoundRobin"), QStringLiteral("RR"));
    name.replace(QStringLiteral("Round Robin"), QStringLiteral("RR"));
    name.replace(QStringLiteral("Tie-breaker"), QStringLiteral("TB"));
    if (replacements == Replacements::All) {
        name.replace(QStringLiteral("Tie-break"), QStringLiteral("TB"));
        name.replace(QStringLiteral("Tie Break"), QStringLiteral("TB"));
    }
    name.remove(QLatin1Char('\''));
    name.remove(QLatin1Char('/'));
    name.remove(QLatin1Char('\\'));
    return withoutControlCharacters(name);
}

QString folderLevel(const QString& name)
{
    QStringList parts;
    const QStringList pieces =
        withoutControlCharacters(name).split(QRegularExpression(QStringLiteral("[/\\\\]")));
    for (const QString& piece : pieces) {
        const QString part = piece.trimmed();
        if (!part.isEmpty() && part != QLatin1String(".") && part != QLatin1String(".."))
            parts.append(part);
    }
    return parts.join(QLatin1Char(' '));
}

QString gamesFolderFor(qint16 competitionId, const QString& competition, const QString& event,
                       bool create)
{
    // Read with an empty default: the games folder is filled in here.
    QString folder = Settings::read(Key::Setup::Path, QString());
    if (folder.isEmpty())
        folder = UserFolders::gamesFolder();
    return withGameFolders(folder, GameNames{competitionId, competition, event, {}, {}, {}, {}},
                           create);
}

QString newDocumentPath(const GameNames& names)
{
    return joined(gamesFolderFor(names.CompetitionId, names.Competition, names.Event, false), names,
                  Replacements::NewDocument);
}

QString derivedPath(const GameNames& names, int gameState)
{
    const QString base = UserFolders::gamesFolder();
    QString folder;
    if (gameState <= 6) {
        folder = Settings::read(Key::Setup::Path, QString());
        if (folder.isEmpty())
            folder = base;
    } else if (gameState >= 8) {
        folder = Settings::read(Key::Setup::BackupPath);
        if (folder.isEmpty())
            folder = base + QStringLiteral("Backup");
    }
    return joined(withGameFolders(folder, names, true), names, Replacements::All);
}

} // namespace DocumentPaths
