#include "ExchangeCommands.h"

#include "core/config/ConfigExchange.h"

#include <QDir>
#include <QFileDialog>

namespace ExchangeCommands {

bool exportCategory(const CConfig& config, int selectedCategory, Prompts& prompts)
{
    const int index = ConfigExchange::exportedIndex(selectedCategory);
    if (std::size_t(index) >= config.categories.size())
        return false;
    const QString name = ConfigExchange::proposedExportName(
        config.categories[std::size_t(index)].name, QDate::currentDate());
    const QString path = prompts.askSavePath(
        QDir(ConfigExchange::startFolder()).filePath(name + QStringLiteral(".config")),
        QLatin1String(ConfigExchange::Filter), QLatin1String(ConfigExchange::DefaultSuffix));
    return !path.isEmpty() && ConfigExchange::Export(config, index, path);
}

QString importCategory(CConfig& config, Prompts& prompts, QWidget* parent)
{
    const QString path = QFileDialog::getOpenFileName(
        parent, QLatin1String(ConfigExchange::ImportTitle), ConfigExchange::startFolder(),
        QLatin1String(ConfigExchange::Filter));
    return path.isEmpty() ? QString() : ConfigExchange::Import(config, path, prompts);
}

} // namespace ExchangeCommands
