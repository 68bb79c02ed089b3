#include "LineupWizard.h"

#include "LineupDialog.h"
#include "WizardPropertySheet.h"

#include "core/files/Document.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

CLineupWizard::CLineupWizard(CTALVStatsDoc& doc, int team, QWidget* parent)
    : QDialog(parent), doc_(doc), tabs_(new QTabWidget(this))
{
    setWindowTitle(tr("Line-up"));
    CWizardPropertySheet::useApplicationBackground(*this);
    for (int slot = 0; slot < 2; ++slot) {
        pages_[std::size_t(slot)] = new CLineupDialog(doc, slot, tabs_);
        tabs_->addTab(pages_[std::size_t(slot)], LineupModel::tabTitle(doc.game(), slot));
    }
    tabs_->setCurrentIndex(team == 1 ? 1 : 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

void CLineupWizard::accept()
{
    for (const CLineupDialog* page : pages_)
        page->apply(doc_);
    QDialog::accept();
}
