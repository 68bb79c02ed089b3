#include "LSFEDialog.h"

#include "core/files/Document.h"

#include <QRadioButton>
#include <QVBoxLayout>

CLSFEDialog::CLSFEDialog(CTALVStatsDoc& doc, QWidget* parent)
    : QWizardPage(parent), doc_(doc), team1_(new QRadioButton(this)), team2_(new QRadioButton(this))
{
    setTitle(tr("Last stone in the first end"));
    setSubTitle(tr("Which team has the last stone in end 1?"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(team1_);
    layout->addWidget(team2_);
    layout->addStretch();
    load();
}

void CLSFEDialog::load()
{
    model_.emplace(doc_);
    team1_->setText(model_->teamLabel(0));
    team2_->setText(model_->teamLabel(1));
    team1_->setChecked(model_->lastStoneTeam() == 0);
    team2_->setChecked(model_->lastStoneTeam() == 1);
    team1_->setEnabled(!model_->locked());
    team2_->setEnabled(!model_->locked());
}

bool CLSFEDialog::confirm()
{
    model_->choose(team1_->isChecked() ? 0 : 1);
    if (model_->apply(doc_))
        model_.emplace(doc_); // a second confirm compares with the stored choice
    return true;
}
