#include "StatisticianDialog.h"

#include "EntryDialogs.h"
#include "RegistryListBox.h"

#include "core/base/SettingsKeys.h"
#include "core/config/ConfigEditing.h"
#include "core/files/Document.h"

#include <QFormLayout>

CStatisticianDialog::CStatisticianDialog(CTALVStatsDoc& doc, CConfig& config, Prompts& prompts,
                                         QWidget* parent)
    : CSetupPage(doc, config, prompts, parent)
{
    setTitle(tr("Statistician"));
    setSubTitle(tr("Who records this game?"));
    auto* form = new QFormLayout(this);
    for (int index = 0; index < 2; ++index) {
        auto* box = new CRegistryListBox(CRegistryListBox::Shape::DropList, prompts, this);
        box->setObjectName(QStringLiteral("statistician%1").arg(index + 1));
        boxes_[index] = box;
        form->addRow(index == 0 ? tr("&First statistician:") : tr("&Second statistician:"), box);
        connect(box, &CRegistryListBox::newRequested, this,
                [this, index] { addStatistician(index); });
        connect(box, &CRegistryListBox::editRequested, this,
                [this](int row) { editStatistician(row); });
        connect(box, &CRegistryListBox::deleteRequested, this,
                [this](int row) { deleteStatistician(row); });
    }
}

bool CStatisticianDialog::usesRegistry() const
{
    return config_.enabled && doc_.fields().Competition.Id != -1;
}

QStringList CStatisticianDialog::registryNames() const
{
    QStringList names;
    for (const CConfigBase& record : config_.statisticians)
        names.append(record.name);
    return names;
}

void CStatisticianDialog::load()
{
    const bool registry = usesRegistry();
    const QStringList names = registry ? registryNames() : SetupNames::statisticians();
    const QString current[2] = {doc_.fields().Scorer1, doc_.fields().Scorer2};
    for (int index = 0; index < 2; ++index) {
        boxes_[index]->setRegistryEnabled(registry);
        boxes_[index]->setEntries(names);
        boxes_[index]->setCurrentText(current[index]);
    }
}

void CStatisticianDialog::addStatistician(int box)
{
    CNameNoteDialog dialog(tr("New statistician"), QString(), QString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CConfigBase record;
    record.id = ConfigEditing::positionId(std::size_t(boxes_[box]->count()));
    record.name = dialog.name();
    record.note = dialog.note();
    config_.statisticians.push_back(record);
    config_.Save();
    // Both lists hold the same entries; only the list asked selects the new one.
    const int other = 1 - box;
    const int kept = boxes_[other]->currentRow();
    boxes_[other]->appendEntry(record.name);
    boxes_[other]->setCurrentRow(kept);
    boxes_[box]->appendEntry(record.name);
}

void CStatisticianDialog::editStatistician(int row)
{
    if (row < 0 || std::size_t(row) >= config_.statisticians.size())
        return;
    CConfigBase& record = config_.statisticians[std::size_t(row)];
    if (!CNameNoteDialog::edit(record, tr("Edit statistician"), this))
        return;
    config_.Save();
    for (CRegistryListBox* box : boxes_)
        box->replaceEntry(row, record.name);
}

void CStatisticianDialog::deleteStatistician(int row)
{
    if (row < 0 || std::size_t(row) >= config_.statisticians.size() ||
        !boxes_[0]->confirmDelete(config_.statisticians[std::size_t(row)].name))
        return;
    config_.statisticians.erase(config_.statisticians.begin() + row);
    config_.Save();
    for (CRegistryListBox* box : boxes_) {
        const int kept = box->currentRow();
        box->removeEntry(row);
        box->setCurrentRow(kept == row ? -1 : kept > row ? kept - 1 : kept);
    }
}

bool CStatisticianDialog::confirm()
{
    doc_.fields().Scorer1 = boxes_[0]->currentText();
    doc_.fields().Scorer2 = boxes_[1]->currentText();
    Settings::write(Key::MRU::Scorer1, doc_.fields().Scorer1);
    Settings::write(Key::MRU::Scorer2, doc_.fields().Scorer2);
    return true;
}
