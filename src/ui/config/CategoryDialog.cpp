#include "CategoryDialog.h"

#include "EntryDialogs.h"
#include "ExchangeCommands.h"
#include "RegistryBrowsers.h"
#include "RegistryListBox.h"

#include "core/base/Prompts.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/config/ConfigEditing.h"
#include "core/files/Document.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int MyTeamLabelId = 5010, ResetQuestionId = 5088, ResetMyTeamQuestionId = 5148;
}

CCategoryDialog::CCategoryDialog(CTALVStatsDoc& doc, CConfig& config, Prompts& prompts,
                                 QWidget* parent)
    : CSetupPage(doc, config, prompts, parent),
      none_(new QRadioButton(tr("No c&ompetition"), this)), myTeam_(new QRadioButton(this)),
      category_(new QRadioButton(tr("&Category:"), this)),
      editMyTeam_(new QPushButton(tr("Edit &My Team…"), this)),
      categories_(new CRegistryListBox(CRegistryListBox::Shape::DropList, prompts, this)),
      import_(new QPushButton(tr("&Import…"), this)),
      export_(new QPushButton(tr("E&xport…"), this)),
      reset_(new QPushButton(tr("&Reset to defaults…"), this))
{
    setTitle(tr("Competition category"));
    setSubTitle(tr("Choose the competition the game belongs to."));
    none_->setObjectName(QStringLiteral("noCompetition"));
    myTeam_->setObjectName(QStringLiteral("myTeam"));
    category_->setObjectName(QStringLiteral("category"));
    categories_->setObjectName(QStringLiteral("categories"));
    import_->setObjectName(QStringLiteral("import"));
    export_->setObjectName(QStringLiteral("export"));
    reset_->setObjectName(QStringLiteral("reset"));
    editMyTeam_->setObjectName(QStringLiteral("editMyTeam"));
    for (QPushButton* button : {editMyTeam_, import_, export_, reset_})
        button->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(none_, 0, 0, 1, 2);
    auto* myTeamRow = new QHBoxLayout;
    myTeamRow->addWidget(myTeam_, 1);
    myTeamRow->addWidget(editMyTeam_);
    grid->addLayout(myTeamRow, 1, 0, 1, 2);
    grid->addWidget(category_, 2, 0);
    grid->addWidget(categories_, 2, 1);
    auto* exchange = new QHBoxLayout;
    exchange->addStretch(1);
    exchange->addWidget(import_);
    exchange->addWidget(export_);
    exchange->addWidget(reset_);
    grid->addLayout(exchange, 4, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);

    for (QRadioButton* choice : {none_, myTeam_, category_})
        connect(choice, &QRadioButton::toggled, this, &CCategoryDialog::updateEnabling);
    // Choosing "Category" picks the first one until the user picks another.
    connect(category_, &QRadioButton::toggled, this, [this](bool on) {
        if (on && categories_->currentRow() < 0 && categories_->count() > 0)
            categories_->setCurrentRow(0);
    });
    connect(categories_, &CRegistryListBox::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            category_->setChecked(true);
    });
    connect(categories_, &CRegistryListBox::newRequested, this, &CCategoryDialog::addCategory);
    connect(categories_, &CRegistryListBox::editRequested, this, &CCategoryDialog::editCategory);
    connect(categories_, &CRegistryListBox::deleteRequested, this,
            &CCategoryDialog::deleteCategory);
    connect(editMyTeam_, &QPushButton::clicked, this, [this] {
        if (RegistryBrowsers::editMyTeam(config_, prompts_, this))
            refreshMyTeam();
    });
    connect(export_, &QPushButton::clicked, this, [this] {
        ExchangeCommands::exportCategory(config_, categories_->currentRow(), prompts_);
    });
    connect(import_, &QPushButton::clicked, this, [this] {
        const QString name = ExchangeCommands::importCategory(config_, prompts_, this);
        // Refilled also after a failure: the category may be in already.
        fillCategories();
        if (!name.isEmpty())
            categories_->setCurrentRow(int(config_.categories.size()) - 1);
        refreshMyTeam();
    });
    connect(reset_, &QPushButton::clicked, this, &CCategoryDialog::resetToDefaults);
}

QString CCategoryDialog::myTeamLine() const
{
    const CConfigTeam* team = config_.myTeam();
    return Texts::get(MyTeamLabelId) + QStringLiteral(": ") +
           (team ? team->name + QStringLiteral(" (") + team->code + QLatin1Char(')') : QString());
}

void CCategoryDialog::refreshMyTeam()
{
    QString line = myTeamLine();
    myTeam_->setText(line.replace(QLatin1Char('&'), QStringLiteral("&&")));
    myTeam_->setEnabled(config_.myTeam() != nullptr);
}

void CCategoryDialog::fillCategories()
{
    if (!config_.enabled) {
        categories_->setEntries(SetupNames::competitions());
        return;
    }
    QStringList names;
    for (const CConfigCategory& category : config_.categories)
        names.append(category.name);
    categories_->setEntries(names);
}

void CCategoryDialog::load()
{
    const bool registry = config_.enabled;
    categories_->setRegistryEnabled(registry);
    for (QWidget* widget : {static_cast<QWidget*>(myTeam_), static_cast<QWidget*>(editMyTeam_),
                            static_cast<QWidget*>(import_), static_cast<QWidget*>(export_),
                            static_cast<QWidget*>(reset_)})
        widget->setVisible(registry);
    fillCategories();
    refreshMyTeam();

    const CIDString& competition = doc_.fields().Competition;
    if (!registry) {
        categories_->setCurrentText(competition.Text);
        (competition.Text.isEmpty() ? none_ : category_)->setChecked(true);
    } else if (competition.Id == MyTeamMode && config_.myTeam()) {
        myTeam_->setChecked(true);
    } else if (competition.Id >= 0 && competition.Id < categories_->count()) {
        categories_->setCurrentRow(competition.Id);
        category_->setChecked(true);
    } else {
        none_->setChecked(true);
    }
    updateEnabling();
}

void CCategoryDialog::updateEnabling()
{
    editMyTeam_->setEnabled(config_.myTeam() != nullptr);
    export_->setEnabled(!config_.categories.empty());
}

qint16 CCategoryDialog::chosenId() const
{
    if (!config_.enabled || none_->isChecked())
        return NoCompetition;
    if (myTeam_->isChecked())
        return MyTeamMode;
    return qint16(categories_->currentRow());
}

void CCategoryDialog::addCategory()
{
    CNameNoteDialog dialog(tr("New category"), QString(), QString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CConfigCategory category = CConfig::DefaultCategory(dialog.name());
    category.id = ConfigEditing::positionId(config_.categories.size());
    if (!dialog.note().isEmpty())
        category.note = dialog.note();
    config_.categories.push_back(std::move(category));
    config_.Save();
    categories_->appendEntry(dialog.name());
    refreshMyTeam();
    updateEnabling();
}

void CCategoryDialog::editCategory(int row)
{
    if (row < 0 || std::size_t(row) >= config_.categories.size())
        return;
    CConfigCategory& category = config_.categories[std::size_t(row)];
    if (!CNameNoteDialog::edit(category, tr("Edit category"), this))
        return;
    config_.Save();
    categories_->replaceEntry(row, category.name);
}

void CCategoryDialog::deleteCategory(int row)
{
    if (row < 0 || std::size_t(row) >= config_.categories.size() ||
        !categories_->confirmDelete(config_.categories[std::size_t(row)].name))
        return;
    config_.categories.erase(config_.categories.begin() + row);
    config_.Save();
    categories_->removeEntry(row);
    refreshMyTeam();
    if (myTeam_->isChecked() && !config_.myTeam())
        none_->setChecked(true);
    updateEnabling();
}

void CCategoryDialog::resetToDefaults()
{
    if (!prompts_.askOkCancel(Texts::get(ResetQuestionId)))
        return;
    const bool dropMyTeam = prompts_.askYesNo(Texts::get(ResetMyTeamQuestionId));
    config_.ResetToDefaults(dropMyTeam);
    fillCategories();
    refreshMyTeam();
    if (category_->isChecked())
        none_->setChecked(true);
    updateEnabling();
}

bool CCategoryDialog::confirm()
{
    CIDString& competition = doc_.fields().Competition;
    competition.Id = chosenId();
    if (!config_.enabled) {
        competition.Text = none_->isChecked() ? QString() : categories_->currentText();
    } else if (competition.Id == MyTeamMode) {
        const CConfigTeam& myTeam = *config_.myTeam();
        competition.Text = myTeam.name;
        auto& teams = doc_.game().Teams;
        if (teams[0].ShortName != myTeam.code && teams[1].ShortName != myTeam.code)
            copyTeamIntoGame(myTeam, teams[0]);
    } else if (competition.Id >= 0) {
        competition.Text = config_.categories[std::size_t(competition.Id)].name;
    } else {
        competition.Id = NoCompetition;
        competition.Text.clear();
    }
    Settings::write(Key::MRU::CompetitionID, competition.Id);
    Settings::write(Key::MRU::Competition, competition.Text);
    return true;
}
