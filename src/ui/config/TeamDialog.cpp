#include "TeamDialog.h"

#include "CategoryDialog.h"
#include "EntryDialogs.h"
#include "RegistryListBox.h"

#include "core/config/ConfigEditing.h"
#include "core/config/TeamCode.h"
#include "core/files/Document.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <utility>

CTeamDialog::CTeamDialog(CTALVStatsDoc& doc, CConfig& config, Prompts& prompts, QWidget* parent)
    : CSetupPage(doc, config, prompts, parent),
      myTeamSecond_(new QCheckBox(tr("My Team plays in the &second place"), this))
{
    setTitle(tr("Teams"));
    setSubTitle(tr("The two teams of the game and their codes."));
    myTeamSecond_->setObjectName(QStringLiteral("myTeamSecond"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Team"), this), 0, 1);
    grid->addWidget(new QLabel(tr("Code"), this), 0, 2);
    for (int team = 0; team < 2; ++team) {
        names_[team] = new CRegistryListBox(CRegistryListBox::Shape::DropList, prompts, this);
        names_[team]->setObjectName(QStringLiteral("team%1").arg(team + 1));
        codes_[team] = new QLineEdit(this);
        codes_[team]->setObjectName(QStringLiteral("code%1").arg(team + 1));
        codes_[team]->setFixedWidth(80);
        auto* label = new QLabel(tr("Team &%1:").arg(team + 1), this);
        label->setBuddy(names_[team]->dropList());
        grid->addWidget(label, team + 1, 0);
        grid->addWidget(names_[team], team + 1, 1);
        grid->addWidget(codes_[team], team + 1, 2);
        connect(names_[team], &CRegistryListBox::editingFinished, this,
                [this, team] { proposeCode(team); });
        connect(names_[team], &CRegistryListBox::currentRowChanged, this,
                [this, team](int row) { chooseRow(team, row); });
        connect(names_[team], &CRegistryListBox::newRequested, this,
                [this, team] { addTeam(team); });
        connect(names_[team], &CRegistryListBox::editRequested, this,
                [this](int row) { editTeam(row); });
        connect(names_[team], &CRegistryListBox::deleteRequested, this,
                [this](int row) { deleteTeam(row); });
    }
    grid->addWidget(myTeamSecond_, 3, 1, 1, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
}

CConfigEvent* CTeamDialog::event()
{
    const DocumentFields& fields = doc_.fields();
    const qint16 category = fields.Competition.Id;
    if (!config_.enabled || category < 0 || std::size_t(category) >= config_.categories.size())
        return nullptr;
    auto& events = config_.categories[std::size_t(category)].events;
    const qint16 id = fields.Event.Id;
    return id >= 0 && std::size_t(id) < events.size() ? &events[std::size_t(id)] : nullptr;
}

void CTeamDialog::proposeCode(int team)
{
    codes_[team]->setText(proposeTeamCode(names_[team]->currentText()));
}

void CTeamDialog::chooseRow(int team, int row)
{
    CConfigEvent* owner = event();
    if (!owner || row < 0 || std::size_t(row) >= owner->teams.size())
        return;
    codes_[team]->setText(owner->teams[std::size_t(row)].code);
}

void CTeamDialog::refillTeams()
{
    CConfigEvent* owner = event();
    QStringList names;
    if (owner) {
        for (const CConfigTeam& team : owner->teams)
            names.append(team.name);
    }
    for (CRegistryListBox* box : names_) {
        const int kept = box->currentRow();
        const QSignalBlocker blocker(box);
        box->setEntries(names);
        box->setCurrentRow(kept < box->count() ? kept : -1);
    }
}

void CTeamDialog::load()
{
    const bool registry = event() != nullptr;
    const bool myTeamMode =
        config_.enabled && doc_.fields().Competition.Id == CCategoryDialog::MyTeamMode;
    myTeamSecond_->setVisible(myTeamMode);
    const CConfigTeam* myTeam = config_.myTeam();
    myTeamSecond_->setChecked(myTeamMode && myTeam &&
                              doc_.game().Teams[1].ShortName == myTeam->code &&
                              doc_.game().Teams[0].ShortName != myTeam->code);
    for (int team = 0; team < 2; ++team)
        names_[team]->setRegistryEnabled(registry);
    if (registry) {
        refillTeams();
    } else {
        for (CRegistryListBox* box : names_)
            box->setEntries({});
    }
    for (int team = 0; team < 2; ++team) {
        const CTeam& game = doc_.game().Teams[std::size_t(team)];
        if (registry) {
            const QSignalBlocker blocker(names_[team]);
            names_[team]->setCurrentRow(game.Id >= 0 && game.Id < names_[team]->count() ? game.Id
                                                                                        : -1);
        } else {
            names_[team]->setCurrentText(game.Text);
        }
        codes_[team]->setText(game.ShortName);
        // A game team that is not (yet) the registry team on show takes that
        // team's code, so that name and code stored together belong together.
        const CConfigEvent* owner = event();
        const int row = names_[team]->currentRow();
        if (registry && row >= 0 && owner->teams[std::size_t(row)].name != game.Text)
            chooseRow(team, row);
    }
}

void CTeamDialog::addTeam(int team)
{
    CConfigEvent* owner = event();
    if (!owner)
        return;
    CTeamEntryDialog dialog(tr("New team"), QString(), QString(), QString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CConfigTeam added = CConfig::DefaultTeam(dialog.name());
    added.id = ConfigEditing::nextLargestId(owner->teams);
    const QString note = dialog.note().isEmpty() ? added.note : dialog.note();
    ConfigEditing::editTeam(added, dialog.name(), dialog.code(), note,
                            int(owner->teams.size()) + 1);
    owner->teams.push_back(std::move(added));
    config_.Save();
    refillTeams();
    names_[team]->setCurrentRow(names_[team]->count() - 1);
}

void CTeamDialog::editTeam(int row)
{
    CConfigEvent* owner = event();
    if (!owner || row < 0 || std::size_t(row) >= owner->teams.size())
        return;
    CConfigTeam& edited = owner->teams[std::size_t(row)];
    CTeamEntryDialog dialog(tr("Edit team"), edited.name, edited.code, edited.note, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ConfigEditing::editTeam(edited, dialog.name(), dialog.code(), dialog.note(),
                            int(owner->teams.size()));
    config_.Save();
    refillTeams();
    for (int team = 0; team < 2; ++team) {
        if (names_[team]->currentRow() == row)
            codes_[team]->setText(edited.code);
    }
}

void CTeamDialog::deleteTeam(int row)
{
    CConfigEvent* owner = event();
    if (!owner || row < 0 || std::size_t(row) >= owner->teams.size() ||
        !names_[0]->confirmDelete(owner->teams[std::size_t(row)].name))
        return;
    owner->teams.erase(owner->teams.begin() + row);
    config_.Save();
    for (CRegistryListBox* box : names_) {
        const int kept = box->currentRow();
        const QSignalBlocker blocker(box);
        box->removeEntry(row);
        box->setCurrentRow(kept == row ? -1 : kept > row ? kept - 1 : kept);
    }
}

bool CTeamDialog::confirm()
{
    CGame& game = doc_.game();
    for (int team = 0; team < 2; ++team) {
        if (game.Teams[std::size_t(team)].ShortName.isEmpty() || codes_[team]->text().isEmpty())
            proposeCode(team);
    }
    if (doc_.fields().Competition.Id < 0 && codes_[0]->text() == codes_[1]->text())
        codes_[1]->setText(codes_[1]->text() + QLatin1Char('2'));

    CConfigEvent* owner = event();
    for (int team = 0; team < 2; ++team) {
        CTeam& target = game.Teams[std::size_t(team)];
        const int row = names_[team]->currentRow();
        if (owner && row >= 0) {
            copyTeamIntoGame(owner->teams[std::size_t(row)], target);
            target.Id = qint16(row);
        } else {
            target.Text = names_[team]->currentText();
        }
        target.ShortName = codes_[team]->text();
    }
    // My Team keeps the place the check box gives it.
    const CConfigTeam* myTeam = config_.myTeam();
    if (myTeamSecond_->isVisibleTo(this) && myTeam) {
        const int wanted = myTeamSecond_->isChecked() ? 1 : 0;
        if (game.Teams[std::size_t(1 - wanted)].ShortName == myTeam->code &&
            game.Teams[std::size_t(wanted)].ShortName != myTeam->code)
            std::swap(game.Teams[0], game.Teams[1]);
    }
    return true;
}
