#include "LateTeamDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CLateTeamDialog::CLateTeamDialog(const LateTeamDialogModel& model, QWidget* parent)
    : QDialog(parent), model_(model), teams_(new QButtonGroup(this))
{
    setWindowTitle(tr("Late team"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Which team was late?"), this));
    for (int team = 0; team < 2; ++team) {
        // A team name is shown as it is: an ampersand in it is no mnemonic.
        auto* choice = new QRadioButton(model_.choiceLabel(team).replace('&', "&&"), this);
        choice->setObjectName(QStringLiteral("team%1").arg(team + 1));
        choice->setChecked(model_.choice() == team);
        teams_->addButton(choice, team);
        layout->addWidget(choice);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setDefault(true);
    ok_->setEnabled(model_.okEnabled());
    connect(teams_, &QButtonGroup::idToggled, this, [this](int team, bool checked) {
        if (!checked)
            return;
        model_.choose(team);
        ok_->setEnabled(model_.okEnabled());
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
