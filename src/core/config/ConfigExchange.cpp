#include "ConfigExchange.h"

#include "core/base/SettingsKeys.h"
#include "core/files/BinaryReader.h"
#include "core/files/BinaryWriter.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

bool withLists()
{
    return Settings::read(Key::Options::ImportExportAll) != 0;
}

void showError(Prompts& prompts, const QString& text)
{
    prompts.message(QLatin1String(ConfigExchange::ErrorPrefix) + text, Prompts::Icon::Error);
}

} // namespace

namespace ConfigExchange {

QString startFolder()
{
    return Settings::read(Key::Setup::Path);
}

QString proposedExportName(const QString& categoryName, const QDate& day)
{
    return categoryName + day.toString(QStringLiteral("_yyyyMMdd"));
}

bool Export(const CConfig& config, int categoryIndex, const QString& path)
{
    if (categoryIndex < 0 || std::size_t(categoryIndex) >= config.categories.size())
        return false;
    BinaryWriter out;
    CConfig::writeCategory(out, config.categories[std::size_t(categoryIndex)]);
    if (withLists()) {
        CConfig::writeBaseList(out, config.sessions);
        CConfig::writeBaseList(out, config.sheets);
        CConfig::writeBaseList(out, config.statisticians);
    }
    const QByteArray bytes = out.take();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString Import(CConfig& config, const QString& path, Prompts& prompts)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showError(prompts, path + QStringLiteral(": ") + file.errorString());
        return {};
    }
    const QByteArray bytes = file.readAll();
    file.close();
    BinaryReader in(bytes);

    CConfigCategory category;
    if (!CConfig::readCategory(in, category)) {
        showError(prompts, QStringLiteral("The file is empty, damaged or not a configuration "
                                          "export: the category cannot be read."));
        return {};
    }
    category.id = qint32(config.categories.size());
    const bool nameTaken =
        std::any_of(config.categories.begin(), config.categories.end(),
                    [&](const CConfigCategory& other) { return other.name == category.name; });
    // An empty name would read as "nothing imported": it gets the id text too.
    if (nameTaken || category.name.isEmpty())
        category.name += category.idText();
    config.categories.push_back(category);
    config.Save();

    if (withLists()) {
        std::vector<CConfigBase> sessions, sheets, statisticians;
        if (!CConfig::readBaseList(in, sessions) || !CConfig::readBaseList(in, sheets) ||
            !CConfig::readBaseList(in, statisticians)) {
            showError(prompts, QStringLiteral("The category \"%1\" was added, but the session, "
                                              "sheet and statistician lists cannot be read: the "
                                              "file ends early or is damaged.")
                                   .arg(category.name));
            return {};
        }
        config.sessions = std::move(sessions);
        config.sheets = std::move(sheets);
        config.statisticians = std::move(statisticians);
    }
    return category.name;
}

} // namespace ConfigExchange
