#include "ConfigMenu.h"

#include "EntryDialogs.h"
#include "ExchangeCommands.h"
#include "RegistryBrowsers.h"
#include "RegistryListBox.h"

#include "core/base/Prompts.h"
#include "core/config/ConfigEditing.h"
#include "core/files/Document.h"

#include <QMenu>
#include <QMenuBar>

namespace {
constexpr int FirstStartedState = 6;
}

ConfigMenu::ConfigMenu(QMenu* menu, CConfig& config, Prompts& prompts,
                       ActiveDocument activeDocument, QWidget* window)
    : QObject(menu), menu_(menu), config_(config), prompts_(prompts),
      activeDocument_(std::move(activeDocument)), window_(window)
{
    connect(menu_, &QMenu::aboutToShow, this, &ConfigMenu::refresh);
    refresh();
}

ConfigMenu* ConfigMenu::addTo(QMenuBar* bar, QMenu* after, CConfig& config, Prompts& prompts,
                              ActiveDocument activeDocument, QWidget* window)
{
    auto* menu = new QMenu(tr("&Configuration"), bar);
    menu->setObjectName(QStringLiteral("configurationMenu"));
    const QList<QAction*> actions = bar->actions();
    const qsizetype at = after ? actions.indexOf(after->menuAction()) : -1;
    if (at >= 0 && at + 1 < actions.size())
        bar->insertMenu(actions.at(at + 1), menu);
    else
        bar->addMenu(menu);
    return new ConfigMenu(menu, config, prompts, std::move(activeDocument), window);
}

void ConfigMenu::refresh()
{
    menu_->clear();
    const CTALVStatsDoc* doc = activeDocument_ ? activeDocument_() : nullptr;
    const bool registry = config_.enabled;
    const auto add = [this](int command, const QString& caption, bool enabled) {
        QAction* action = menu_->addAction(caption, this, [this, command] { run(command); });
        action->setData(command);
        action->setEnabled(enabled);
        return action;
    };
    const std::size_t shown = std::min<std::size_t>(config_.categories.size(), CategoryCommands);
    for (std::size_t i = 0; i < shown; ++i) {
        QString caption = config_.categories[i].name;
        add(FirstCategoryCommand + int(i), caption.replace(QLatin1Char('&'), QStringLiteral("&&")),
            registry);
    }
    if (shown > 0)
        menu_->addSeparator();
    add(NewCategoryCommand, tr("&New category…"),
        registry && !config_.categories.empty() && doc &&
            doc->game().GameState < FirstStartedState);
    add(DeleteCategoryCommand, tr("&Delete category…"), registry && !config_.categories.empty());
    add(EditMyTeamCommand, tr("Edit &My Team…"), registry && config_.myTeam() != nullptr);
    menu_->addSeparator();
    add(ExportCommand, tr("&Export…"), true);
    add(ImportCommand, tr("&Import…"), true);
}

void ConfigMenu::run(int command)
{
    if (command >= FirstCategoryCommand && command < FirstCategoryCommand + CategoryCommands)
        openEvents(command - FirstCategoryCommand);
    else if (command == NewCategoryCommand)
        newCategory();
    else if (command == DeleteCategoryCommand)
        deleteCategory();
    else if (command == EditMyTeamCommand)
        RegistryBrowsers::editMyTeam(config_, prompts_, window_);
    else if (command == ExportCommand)
        ExchangeCommands::exportCategory(config_, -1, prompts_);
    else if (command == ImportCommand)
        ExchangeCommands::importCategory(config_, prompts_, window_);
}

void ConfigMenu::openEvents(int category)
{
    if (category < 0 || std::size_t(category) >= config_.categories.size())
        return;
    CEventsBrowser browser(config_, category, prompts_, window_);
    RegistryBrowsers::run(browser);
}

void ConfigMenu::newCategory()
{
    CNameNoteDialog dialog(tr("New category"), QString(), QString(), window_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CConfigCategory category = CConfig::DefaultCategory(dialog.name());
    category.id = ConfigEditing::nextLargestId(config_.categories);
    if (!dialog.note().isEmpty())
        category.note = dialog.note();
    config_.categories.push_back(std::move(category));
    config_.Save();
    openEvents(int(config_.categories.size()) - 1);
}

void ConfigMenu::deleteCategory()
{
    CCategoriesBrowser browser(config_, prompts_, window_);
    if (!RegistryBrowsers::run(browser))
        return;
    const int chosen = browser.chosenCategory();
    if (chosen < 0 || std::size_t(chosen) >= config_.categories.size() ||
        !browser.listBox()->confirmDelete(config_.categories[std::size_t(chosen)].name))
        return;
    config_.categories.erase(config_.categories.begin() + chosen);
    config_.Save();
}
