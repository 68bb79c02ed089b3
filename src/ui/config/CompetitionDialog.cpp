#include "CompetitionDialog.h"

#include "EntryDialogs.h"
#include "RegistryListBox.h"

#include "core/base/SettingsKeys.h"
#include "core/config/ConfigEditing.h"
#include "core/files/Document.h"
#include "core/timing/GameTimer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTimeEdit>

#include <algorithm>
#include <cmath>

namespace {

constexpr int StoneABase = 1830;
constexpr double StoneAScale = 3.2;
constexpr int MostRegularEnds = 19;
constexpr int LastSetUpState = 5;

template <typename Record> QStringList namesOf(const std::vector<Record>& list)
{
    QStringList names;
    for (const Record& record : list)
        names.append(record.name);
    return names;
}

// The chosen entry as the document holds it; with the registry a negative
// choice counts as the first entry, a typed text keeps its place in the list
// offered (-1 when it is not there).
CIDString chosen(const CRegistryListBox& box)
{
    CIDString value;
    if (box.registryEnabled()) {
        const int row = box.count() == 0 ? -1 : std::max(box.currentRow(), 0);
        value.Id = qint16(row);
        value.Text = row >= 0 ? box.entries().at(row) : QString();
    } else {
        value.Text = box.currentText();
        value.Id = SetupNames::idOf(box.entries(), value.Text);
    }
    return value;
}

void select(CRegistryListBox& box, const CIDString& value)
{
    if (!box.registryEnabled())
        box.setCurrentText(value.Text);
    else if (value.Id >= 0 && value.Id < box.count())
        box.setCurrentRow(value.Id);
    else
        box.setCurrentRow(box.count() > 0 ? 0 : -1);
}

} // namespace

CCompetitionDialog::CCompetitionDialog(CTALVStatsDoc& doc, CConfig& config, Prompts& prompts,
                                       QWidget* parent)
    : CSetupPage(doc, config, prompts, parent),
      event_(new CRegistryListBox(CRegistryListBox::Shape::DropList, prompts, this)),
      session_(new CRegistryListBox(CRegistryListBox::Shape::DropList, prompts, this)),
      sheet_(new CRegistryListBox(CRegistryListBox::Shape::DropList, prompts, this)),
      city_(new QLineEdit(this)), ends_(new QComboBox(this)), date_(new QDateEdit(this)),
      time_(new QTimeEdit(this)),
      switchLastStone_(new QCheckBox(tr("Ask before the last stone &switches"), this)),
      stoneALabel_(new QLabel(tr("Stone &A position:"), this)),
      stoneA_(new QSlider(Qt::Horizontal, this)), stoneAValue_(new QLabel(this))
{
    setTitle(tr("Competition"));
    setSubTitle(tr("Event, session, sheet, place and time of the game."));
    event_->setObjectName(QStringLiteral("event"));
    session_->setObjectName(QStringLiteral("session"));
    sheet_->setObjectName(QStringLiteral("sheet"));
    city_->setObjectName(QStringLiteral("city"));
    ends_->setObjectName(QStringLiteral("ends"));
    date_->setObjectName(QStringLiteral("date"));
    time_->setObjectName(QStringLiteral("time"));
    switchLastStone_->setObjectName(QStringLiteral("switchLastStone"));
    stoneA_->setObjectName(QStringLiteral("stoneA"));
    for (int ends = 1; ends <= MostRegularEnds; ++ends)
        ends_->addItem(QString::number(ends));
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    time_->setDisplayFormat(QStringLiteral("HH:mm"));
    stoneA_->setRange(0, 200);
    stoneALabel_->setBuddy(stoneA_);

    auto* form = new QFormLayout(this);
    form->addRow(tr("&Event:"), event_);
    form->addRow(tr("Se&ssion:"), session_);
    form->addRow(tr("S&heet:"), sheet_);
    form->addRow(tr("&City:"), city_);
    form->addRow(tr("N&umber of ends:"), ends_);
    auto* when = new QHBoxLayout;
    when->addWidget(date_, 1);
    when->addWidget(time_);
    auto* whenLabel = new QLabel(tr("&Date and start:"), this);
    whenLabel->setBuddy(date_);
    form->addRow(whenLabel, when);
    form->addRow(QString(), switchLastStone_);
    auto* stoneRow = new QHBoxLayout;
    stoneRow->addWidget(stoneA_, 1);
    stoneRow->addWidget(stoneAValue_);
    form->addRow(stoneALabel_, stoneRow);

    connect(stoneA_, &QSlider::valueChanged, this, [this](int position) {
        stoneAValue_->setText(QString::asprintf("%+i%%", position - 100));
    });
    // The switch is a setting of its own: written at once.
    connect(switchLastStone_, &QCheckBox::toggled, this,
            [](bool on) { Settings::write(Key::Options::SwitchLastStone, on ? 1 : 0); });
    connectFlatList(session_, config.sessions, tr("session"));
    connectFlatList(sheet_, config.sheets, tr("sheet"));
    connectEvents();
}

int CCompetitionDialog::sliderOfStoneA(int stoneA)
{
    return std::clamp(int((stoneA - StoneABase) * 0.3125), 0, 200);
}

int CCompetitionDialog::stoneAOfSlider(int position)
{
    return StoneABase + int(position * StoneAScale);
}

CConfigCategory* CCompetitionDialog::category()
{
    const qint16 id = doc_.fields().Competition.Id;
    if (!config_.enabled || id < 0 || std::size_t(id) >= config_.categories.size())
        return nullptr;
    return &config_.categories[std::size_t(id)];
}

void CCompetitionDialog::connectFlatList(CRegistryListBox* box, std::vector<CConfigBase>& list,
                                         const QString& what)
{
    connect(box, &CRegistryListBox::newRequested, this, [this, box, &list, what] {
        CNameNoteDialog dialog(tr("New %1").arg(what), QString(), QString(), this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        CConfigBase record;
        record.id = ConfigEditing::positionId(std::size_t(box->count()));
        record.name = dialog.name();
        record.note = dialog.note();
        list.push_back(record);
        config_.Save();
        box->appendEntry(record.name);
    });
    connect(box, &CRegistryListBox::editRequested, this, [this, box, &list, what](int row) {
        if (row < 0 || std::size_t(row) >= list.size())
            return;
        CConfigBase& record = list[std::size_t(row)];
        if (!CNameNoteDialog::edit(record, tr("Edit %1").arg(what), this))
            return;
        config_.Save();
        box->replaceEntry(row, record.name);
    });
    connect(box, &CRegistryListBox::deleteRequested, this, [this, box, &list](int row) {
        if (row < 0 || std::size_t(row) >= list.size() ||
            !box->confirmDelete(list[std::size_t(row)].name))
            return;
        list.erase(list.begin() + row);
        config_.Save();
        box->removeEntry(row);
    });
}

void CCompetitionDialog::connectEvents()
{
    connect(event_, &CRegistryListBox::newRequested, this, [this] {
        CConfigCategory* owner = category();
        if (!owner)
            return;
        CNameNoteDialog dialog(tr("New event"), QString(), QString(), this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        // A bare event: its teams are added on the team page.
        CConfigEvent event;
        event.id = ConfigEditing::positionId(std::size_t(event_->count()));
        event.name = dialog.name();
        event.note = dialog.note();
        owner->events.push_back(event);
        config_.Save();
        event_->appendEntry(event.name);
    });
    connect(event_, &CRegistryListBox::editRequested, this, [this](int row) {
        CConfigCategory* owner = category();
        if (!owner || row < 0 || std::size_t(row) >= owner->events.size())
            return;
        CConfigEvent& event = owner->events[std::size_t(row)];
        if (!CNameNoteDialog::edit(event, tr("Edit event"), this))
            return;
        config_.Save();
        event_->replaceEntry(row, event.name);
    });
    connect(event_, &CRegistryListBox::deleteRequested, this, [this](int row) {
        CConfigCategory* owner = category();
        if (!owner || row < 0 || std::size_t(row) >= owner->events.size() ||
            !event_->confirmDelete(owner->events[std::size_t(row)].name))
            return;
        owner->events.erase(owner->events.begin() + row);
        config_.Save();
        event_->removeEntry(row);
    });
}

void CCompetitionDialog::load()
{
    const DocumentFields& fields = doc_.fields();
    const CGame& game = doc_.game();
    CConfigCategory* owner = category();
    event_->setRegistryEnabled(owner != nullptr);
    event_->setEntries(owner ? namesOf(owner->events) : SetupNames::events());
    session_->setRegistryEnabled(config_.enabled);
    session_->setEntries(config_.enabled ? namesOf(config_.sessions) : SetupNames::sessions());
    sheet_->setRegistryEnabled(config_.enabled);
    sheet_->setEntries(config_.enabled ? namesOf(config_.sheets) : SetupNames::sheets());
    select(*event_, fields.Event);
    select(*session_, fields.Session);
    select(*sheet_, fields.Sheet);
    city_->setText(fields.City);
    ends_->setCurrentIndex(std::clamp(game.TotalEnds, 0, MostRegularEnds - 1));
    const QDateTime when = fields.GameDate.toDateTime();
    date_->setDate(when.isValid() ? when.date() : QDate::currentDate());
    time_->setTime(when.isValid() ? when.time() : QTime(0, 0));
    {
        const QSignalBlocker blocker(switchLastStone_);
        switchLastStone_->setChecked(Settings::read(Key::Options::SwitchLastStone) != 0);
    }
    const bool mixedDoubles = game.isMixedDoubles();
    stoneALabel_->setVisible(mixedDoubles);
    stoneA_->setVisible(mixedDoubles);
    stoneAValue_->setVisible(mixedDoubles);
    stoneA_->setEnabled(game.GameState <= LastSetUpState);
    stoneA_->setValue(sliderOfStoneA(Settings::read(Key::Options::MixedDoubles_StoneA)));
    stoneAValue_->setText(QString::asprintf("%+i%%", stoneA_->value() - 100));
}

bool CCompetitionDialog::confirm()
{
    DocumentFields& fields = doc_.fields();
    CGame& game = doc_.game();
    fields.Event = chosen(*event_);
    fields.Session = chosen(*session_);
    fields.Sheet = chosen(*sheet_);
    fields.City = city_->text();
    game.TotalEnds = ends_->currentIndex();
    fields.GameDate = OleDate::fromDateTime(QDateTime(date_->date(), time_->time()));
    if (game.GameState <= LastSetUpState)
        game.TeamTimer.fill(TimerBudget::of(game).total());

    using namespace Key::MRU;
    Settings::write(City, fields.City);
    Settings::write(EventID, fields.Event.Id);
    Settings::write(Event, fields.Event.Text);
    Settings::write(SessionID, fields.Session.Id);
    Settings::write(Session, fields.Session.Text);
    Settings::write(SheetID, fields.Sheet.Id);
    Settings::write(Sheet, fields.Sheet.Text);
    Settings::write(TotalEnds, game.TotalEnds);
    Settings::write(ExtraEnds, game.ExtraEnds);
    // Only a shown slider is written: a hidden one would round the setting.
    if (stoneA_->isVisibleTo(this) && stoneA_->isEnabled()) {
        Settings::write(Key::Options::MixedDoubles_StoneA, stoneAOfSlider(stoneA_->value()));
        game.PlacePositionedStones(0);
    }
    Q_EMIT doc_.viewsToRefresh();
    return true;
}
