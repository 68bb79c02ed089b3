#include "PlayerDialog.h"

#include "EntryDialogs.h"
#include "RegistryBrowsers.h"
#include "RegistryListBox.h"

#include "core/base/Texts.h"
#include "core/config/ConfigEditing.h"
#include "core/files/Document.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

namespace {
constexpr int PlayerLabelId = 5011;

bool usedInMixedDoubles(int row)
{
    return row == 2 || row == 3;
}
} // namespace

CPlayerDialog::CPlayerDialog(CTALVStatsDoc& doc, CConfig& config, Prompts& prompts, int team,
                             QWidget* parent)
    : CSetupPage(doc, config, prompts, parent), team_(team == 1 ? 1 : 0),
      skipGroup_(new QButtonGroup(this)),
      registryPlayers_(new CRegistryListBox(CRegistryListBox::Shape::List, prompts, this))
{
    registryPlayers_->setObjectName(QStringLiteral("registryPlayers"));
    setTitle(tr("Players of team %1").arg(team_ + 1));
    auto* grid = new QGridLayout(this);
    for (int row = 0; row < Rows; ++row) {
        auto* label = new QLabel(Texts::get(PlayerLabelId).arg(row + 1) + QLatin1Char(':'), this);
        auto* name = new QComboBox(this);
        name->setObjectName(QStringLiteral("player%1").arg(row + 1));
        name->setEditable(true);
        name->setInsertPolicy(QComboBox::NoInsert);
        name->setMinimumContentsLength(20);
        label->setBuddy(name);
        labels_[std::size_t(row)] = label;
        names_[std::size_t(row)] = name;
        grid->addWidget(label, row, 0);
        grid->addWidget(name, row, 1);
        if (row < 4) {
            auto* skip = new QRadioButton(QStringLiteral("Skip"), this);
            skip->setObjectName(QStringLiteral("skip%1").arg(row + 1));
            skipGroup_->addButton(skip, row);
            skips_[std::size_t(row)] = skip;
            grid->addWidget(skip, row, 2);
        }
    }
    grid->addWidget(registryPlayers_, 0, 3, Rows + 1, 1);
    grid->setRowStretch(Rows, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    connect(registryPlayers_, &CRegistryListBox::newRequested, this, &CPlayerDialog::addPlayer);
    connect(registryPlayers_, &CRegistryListBox::editRequested, this, &CPlayerDialog::editPlayer);
    connect(registryPlayers_, &CRegistryListBox::opened, this, &CPlayerDialog::editPlayer);
    connect(registryPlayers_, &CRegistryListBox::deleteRequested, this,
            &CPlayerDialog::deletePlayer);
}

CConfigTeam* CPlayerDialog::registryTeam() const
{
    const DocumentFields& fields = doc_.fields();
    const qint16 category = fields.Competition.Id;
    const CTeam& team = doc_.game().Teams[std::size_t(team_)];
    if (!config_.enabled)
        return nullptr;
    if (category == -2 && config_.myTeam() && team.ShortName == config_.myTeam()->code)
        return config_.myTeam();
    if (category < 0 || std::size_t(category) >= config_.categories.size())
        return nullptr;
    auto& events = config_.categories[std::size_t(category)].events;
    const qint16 event = fields.Event.Id;
    if (event < 0 || std::size_t(event) >= events.size())
        return nullptr;
    auto& teams = events[std::size_t(event)].teams;
    return team.Id >= 0 && std::size_t(team.Id) < teams.size() ? &teams[std::size_t(team.Id)]
                                                               : nullptr;
}

bool CPlayerDialog::rowShown(int row) const
{
    return !doc_.game().isMixedDoubles() || usedInMixedDoubles(row);
}

void CPlayerDialog::load()
{
    const CTeam& team = doc_.game().Teams[std::size_t(team_)];
    setSubTitle(team.Text);
    offerRegistryPlayers();
    for (int row = 0; row < Rows; ++row) {
        QComboBox* name = names_[std::size_t(row)];
        name->setEditText(team.Players[std::size_t(row)].Text);
        const bool shown = rowShown(row);
        name->setVisible(shown);
        labels_[std::size_t(row)]->setVisible(shown);
        if (row < 4) {
            skips_[std::size_t(row)]->setVisible(shown);
            skips_[std::size_t(row)]->setChecked(team.Players[std::size_t(row)].isSkip());
        }
    }
}

void CPlayerDialog::offerRegistryPlayers()
{
    const CConfigTeam* entry = registryTeam();
    registryPlayers_->setRegistryEnabled(entry != nullptr);
    registryPlayers_->setVisible(entry != nullptr);
    QStringList offered, rows;
    if (entry) {
        for (const CConfigPlayer& player : entry->players) {
            offered.append(player.name);
            rows.append(CPlayersBrowser::rowText(player));
        }
    }
    registryPlayers_->setEntries(rows);
    for (QComboBox* name : names_) {
        const QString typed = name->currentText();
        name->clear();
        name->addItems(offered);
        name->setEditText(typed);
    }
}

void CPlayerDialog::addPlayer()
{
    CConfigTeam* entry = registryTeam();
    if (!entry)
        return;
    CConfigPlayer player;
    player.id = ConfigEditing::nextLargestId(entry->players);
    player.number = qint16(std::min<std::size_t>(entry->players.size() + 1, 99));
    CPlayerEntryDialog dialog(tr("New player"), player, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    entry->players.push_back(dialog.player());
    config_.Save();
    offerRegistryPlayers();
    registryPlayers_->setCurrentRow(registryPlayers_->count() - 1);
}

void CPlayerDialog::editPlayer(int row)
{
    CConfigTeam* entry = registryTeam();
    if (!entry || row < 0 || std::size_t(row) >= entry->players.size())
        return;
    CPlayerEntryDialog dialog(tr("Edit player"), entry->players[std::size_t(row)], this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    entry->players[std::size_t(row)] = dialog.player();
    config_.Save();
    offerRegistryPlayers();
    registryPlayers_->setCurrentRow(row);
}

void CPlayerDialog::deletePlayer(int row)
{
    CConfigTeam* entry = registryTeam();
    if (!entry || row < 0 || std::size_t(row) >= entry->players.size() ||
        !registryPlayers_->confirmDelete(entry->players[std::size_t(row)].name))
        return;
    entry->players.erase(entry->players.begin() + row);
    config_.Save();
    offerRegistryPlayers();
}

bool CPlayerDialog::confirm()
{
    CTeam& team = doc_.game().Teams[std::size_t(team_)];
    const CConfigTeam* entry = registryTeam();
    for (int row = 0; row < Rows; ++row) {
        CPlayer& player = team.Players[std::size_t(row)];
        const QString name = names_[std::size_t(row)]->currentText();
        if (entry && name != player.Text) {
            for (const CConfigPlayer& known : entry->players) {
                if (known.name == name)
                    player.Id = qint16(known.id);
            }
        }
        player.Text = name;
        // Exactly one of the four regular players is the skip.
        if (skipGroup_->checkedId() == row)
            player.Role = QStringLiteral("Skip");
        else if (skipGroup_->checkedId() >= 0 && player.isSkip())
            player.Role.clear();
    }
    return true;
}
