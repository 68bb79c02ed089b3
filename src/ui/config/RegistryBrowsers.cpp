#include "RegistryBrowsers.h"

#include "EntryDialogs.h"
#include "RegistryListBox.h"

#include "core/base/Prompts.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

using ConfigEditing::BrowserCommit;
using ConfigEditing::nextLargestId;

namespace {

template <typename Record> QStringList namesOf(const std::vector<Record>& list)
{
    QStringList names;
    for (const Record& record : list)
        names.append(record.name);
    return names;
}

template <typename Record> void eraseAt(std::vector<Record>& list, int row)
{
    list.erase(list.begin() + row);
}

bool validRow(int row, std::size_t size)
{
    return row >= 0 && std::size_t(row) < size;
}

} // namespace

CRegistryBrowser::CRegistryBrowser(const QString& title, CConfig& config, Prompts& prompts,
                                   QWidget* parent)
    : QDialog(parent), config_(config), prompts_(prompts),
      list_(new CRegistryListBox(CRegistryListBox::Shape::List, prompts, this))
{
    setWindowTitle(title);
    list_->setRegistryEnabled(config.enabled);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(460, 320);
}

void CRegistryBrowser::start()
{
    connect(list_, &CRegistryListBox::newRequested, this, [this] { addRecord(); });
    connect(list_, &CRegistryListBox::editRequested, this, [this](int row) { editRecord(row); });
    connect(list_, &CRegistryListBox::deleteRequested, this,
            [this](int row) { deleteRecord(row); });
    connect(list_, &CRegistryListBox::opened, this, [this](int row) { openRecord(row); });
    refill();
}

// Categories

CCategoriesBrowser::CCategoriesBrowser(CConfig& config, Prompts& prompts, QWidget* parent)
    : CRegistryBrowser(tr("Categories"), config, prompts, parent)
{
    start();
}

void CCategoriesBrowser::refill()
{
    list_->setEntries(namesOf(config_.categories));
}

void CCategoriesBrowser::accept()
{
    chosen_ = list_->currentRow();
    config_.Save();
    QDialog::accept();
}

void CCategoriesBrowser::addRecord()
{
    CNameNoteDialog dialog(tr("New category"), QString(), QString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CConfigCategory category = CConfig::DefaultCategory(dialog.name());
    category.id = nextLargestId(config_.categories);
    if (!dialog.note().isEmpty())
        category.note = dialog.note();
    config_.categories.push_back(std::move(category));
    list_->appendEntry(dialog.name());
}

void CCategoriesBrowser::editRecord(int row)
{
    if (!validRow(row, config_.categories.size()))
        return;
    CConfigCategory& category = config_.categories[std::size_t(row)];
    if (!CNameNoteDialog::edit(category, tr("Edit category"), this))
        return;
    list_->replaceEntry(row, category.name);
}

void CCategoriesBrowser::deleteRecord(int row)
{
    if (!validRow(row, config_.categories.size()) ||
        !list_->confirmDelete(config_.categories[std::size_t(row)].name))
        return;
    eraseAt(config_.categories, row);
    list_->removeEntry(row);
}

void CCategoriesBrowser::openRecord(int row)
{
    if (!validRow(row, config_.categories.size()))
        return;
    CEventsBrowser events(config_, row, prompts_, this);
    RegistryBrowsers::run(events);
    refill();
    list_->setCurrentRow(row);
}

// Events of a category

CEventsBrowser::CEventsBrowser(CConfig& config, int category, Prompts& prompts, QWidget* parent)
    : CRegistryBrowser(config.categories[std::size_t(category)].name, config, prompts, parent),
      category_(category), commit_(BrowserCommit<CConfigCategory>::Level::Events,
                                   config.categories[std::size_t(category)])
{
    start();
}

void CEventsBrowser::refill()
{
    list_->setEntries(namesOf(category().events));
}

void CEventsBrowser::accept()
{
    commit_.accept(config_);
    QDialog::accept();
}

void CEventsBrowser::reject()
{
    if (commit_.cancel(config_, category(), prompts_))
        QDialog::reject();
    else
        refill();
}

void CEventsBrowser::addRecord()
{
    CNameNoteDialog dialog(tr("New event"), QString(), QString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CConfigEvent event = CConfig::DefaultEvent(dialog.name());
    event.id = nextLargestId(category().events);
    if (!dialog.note().isEmpty())
        event.note = dialog.note();
    category().events.push_back(std::move(event));
    list_->appendEntry(dialog.name());
    openRecord(list_->count() - 1);
}

void CEventsBrowser::editRecord(int row)
{
    if (!validRow(row, category().events.size()))
        return;
    CConfigEvent& event = category().events[std::size_t(row)];
    if (!CNameNoteDialog::edit(event, tr("Edit event"), this))
        return;
    list_->replaceEntry(row, event.name);
    openRecord(row);
}

void CEventsBrowser::deleteRecord(int row)
{
    if (!validRow(row, category().events.size()) ||
        !list_->confirmDelete(category().events[std::size_t(row)].name))
        return;
    eraseAt(category().events, row);
    list_->removeEntry(row);
}

void CEventsBrowser::openRecord(int row)
{
    if (!validRow(row, category().events.size()))
        return;
    CTeamsBrowser teams(config_, category_, row, prompts_, this);
    if (RegistryBrowsers::run(teams))
        commit_.childAccepted();
    list_->setCurrentRow(row);
}

// Teams of an event

CTeamsBrowser::CTeamsBrowser(CConfig& config, int category, int event, Prompts& prompts,
                             QWidget* parent)
    : CRegistryBrowser(config.categories[std::size_t(category)].events[std::size_t(event)].name,
                       config, prompts, parent),
      category_(category), event_(event),
      commit_(BrowserCommit<CConfigEvent>::Level::Teams,
              config.categories[std::size_t(category)].events[std::size_t(event)])
{
    start();
}

void CTeamsBrowser::refill()
{
    list_->setEntries(namesOf(event().teams));
}

void CTeamsBrowser::accept()
{
    commit_.accept(config_);
    QDialog::accept();
}

void CTeamsBrowser::reject()
{
    if (commit_.cancel(config_, event(), prompts_))
        QDialog::reject();
    else
        refill();
}

void CTeamsBrowser::addRecord()
{
    CTeamEntryDialog dialog(tr("New team"), QString(), QString(), QString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::vector<CConfigTeam>& teams = event().teams;
    CConfigTeam team = CConfig::DefaultTeam(dialog.name());
    team.id = nextLargestId(teams);
    const QString note = dialog.note().isEmpty() ? team.note : dialog.note();
    ConfigEditing::editTeam(team, dialog.name(), dialog.code(), note, int(teams.size()) + 1);
    teams.push_back(std::move(team));
    list_->appendEntry(teams.back().name);
}

void CTeamsBrowser::editRecord(int row)
{
    std::vector<CConfigTeam>& teams = event().teams;
    if (!validRow(row, teams.size()))
        return;
    CConfigTeam& team = teams[std::size_t(row)];
    CTeamEntryDialog dialog(tr("Edit team"), team.name, team.code, team.note, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ConfigEditing::editTeam(team, dialog.name(), dialog.code(), dialog.note(), int(teams.size()));
    list_->replaceEntry(row, team.name);
}

void CTeamsBrowser::deleteRecord(int row)
{
    if (!validRow(row, event().teams.size()) ||
        !list_->confirmDelete(event().teams[std::size_t(row)].name))
        return;
    eraseAt(event().teams, row);
    list_->removeEntry(row);
}

void CTeamsBrowser::openRecord(int row)
{
    if (!validRow(row, event().teams.size()))
        return;
    CPlayersBrowser players(config_, category_, event_, row, prompts_, this);
    if (RegistryBrowsers::run(players))
        commit_.childAccepted();
    list_->setCurrentRow(row);
}

// Players of a team

CPlayersBrowser::CPlayersBrowser(CConfig& config, int category, int event, int team,
                                 Prompts& prompts, QWidget* parent)
    : CRegistryBrowser(config.categories[std::size_t(category)]
                           .events[std::size_t(event)]
                           .teams[std::size_t(team)]
                           .name,
                       config, prompts, parent),
      category_(category), event_(event), team_(team),
      commit_(BrowserCommit<CConfigTeam>::Level::Players, config.categories[std::size_t(category)]
                                                              .events[std::size_t(event)]
                                                              .teams[std::size_t(team)])
{
    start();
}

QString CPlayersBrowser::rowText(const CConfigPlayer& player)
{
    return player.name + QLatin1Char('\t') + QString::number(player.number) + QLatin1Char('\t') +
           (player.skip == 1 ? QStringLiteral("Skip") : QString());
}

void CPlayersBrowser::refill()
{
    QStringList rows;
    for (const CConfigPlayer& player : team().players)
        rows.append(rowText(player));
    list_->setEntries(rows);
}

void CPlayersBrowser::accept()
{
    commit_.accept(config_);
    QDialog::accept();
}

void CPlayersBrowser::reject()
{
    commit_.cancel(config_, team(), prompts_);
    QDialog::reject();
}

void CPlayersBrowser::addRecord()
{
    std::vector<CConfigPlayer>& players = team().players;
    CConfigPlayer player;
    player.id = nextLargestId(players);
    player.number = qint16(std::min<std::size_t>(players.size() + 1, 99));
    CPlayerEntryDialog dialog(tr("New player"), player, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    players.push_back(dialog.player());
    list_->appendEntry(rowText(players.back()));
}

void CPlayersBrowser::editRecord(int row)
{
    std::vector<CConfigPlayer>& players = team().players;
    if (!validRow(row, players.size()))
        return;
    CPlayerEntryDialog dialog(tr("Edit player"), players[std::size_t(row)], this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    players[std::size_t(row)] = dialog.player();
    list_->replaceEntry(row, rowText(players[std::size_t(row)]));
}

void CPlayersBrowser::deleteRecord(int row)
{
    std::vector<CConfigPlayer>& players = team().players;
    if (!validRow(row, players.size()) || !list_->confirmDelete(players[std::size_t(row)].name))
        return;
    eraseAt(players, row);
    list_->removeEntry(row);
}

void CPlayersBrowser::openRecord(int row)
{
    editRecord(row);
}

namespace RegistryBrowsers {

bool run(QDialog& browser)
{
    return browser.exec() == QDialog::Accepted;
}

bool editMyTeam(CConfig& config, Prompts& prompts, QWidget* parent)
{
    CConfigTeam* team = config.myTeam();
    if (!team)
        return false;
    CTeamEntryDialog dialog(CTeamsBrowser::tr("Edit My Team"), team->name, team->code, team->note,
                            parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ConfigEditing::editTeam(*team, dialog.name(), dialog.code(), dialog.note(),
                            int(config.categories.front().events.front().teams.size()));
    config.Save();
    CPlayersBrowser players(config, 0, 0, 0, prompts, parent);
    run(players);
    config.Save();
    return true;
}

} // namespace RegistryBrowsers
