#include "MixedDoublesDialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kPowerPlayId = 3053;
} // namespace

CMixedDoublesDialog::CMixedDoublesDialog(const MixedDoublesDialogModel& model, QWidget* parent)
    : QDialog(parent), model_(model), choices_(new QButtonGroup(this)),
      sides_(new QButtonGroup(this)), powerPlay_(new QCheckBox(tr("&Power play"), this))
{
    const bool teamMode = model_.mode() == MixedDoublesDialogModel::Mode::Team;
    setWindowTitle(teamMode ? tr("First thrower") : tr("Thrower"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        teamMode ? tr("Which team delivers first in this end?") : model_.prompt(), this));
    for (int choice = 0; choice < 2; ++choice) {
        // A name is shown as it is: an ampersand in it is no mnemonic.
        auto* button = new QRadioButton(model_.choiceLabel(choice).replace('&', "&&"), this);
        button->setObjectName(QStringLiteral("choice%1").arg(choice + 1));
        choices_->addButton(button, choice);
        layout->addWidget(button);
    }

    powerPlay_->setObjectName(QString::number(kPowerPlayId));
    powerPlay_->setVisible(model_.powerPlayVisible());
    layout->addWidget(powerPlay_);
    auto* sideRow = new QHBoxLayout;
    const struct
    {
        MixedDoublesDialogModel::Side side;
        int id;
        QString text;
    } sides[] = {{MixedDoublesDialogModel::Side3054, 3054, tr("&Left")},
                 {MixedDoublesDialogModel::Side3055, 3055, tr("&Right")}};
    for (const auto& side : sides) {
        auto* button = new QRadioButton(side.text, this);
        button->setObjectName(QString::number(side.id));
        button->setVisible(model_.powerPlayVisible());
        sides_->addButton(button, int(side.side));
        sideRow->addWidget(button);
    }
    sideRow->addStretch();
    layout->addLayout(sideRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    showModel();
    connect(choices_, &QButtonGroup::idToggled, this, [this](int choice, bool checked) {
        if (checked)
            model_.choose(choice);
        showModel();
    });
    connect(powerPlay_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setPowerPlay(on);
        showModel();
    });
    connect(sides_, &QButtonGroup::idToggled, this, [this](int side, bool checked) {
        if (checked)
            model_.chooseSide(MixedDoublesDialogModel::Side(side));
    });
}

void CMixedDoublesDialog::showModel()
{
    if (QAbstractButton* chosen = choices_->button(model_.choice()))
        chosen->setChecked(true);
    powerPlay_->setChecked(model_.powerPlay());
    for (QAbstractButton* side : sides_->buttons())
        side->setEnabled(model_.sidesEnabled());
    // OK without a choice would hand back no team or player at all.
    ok_->setEnabled(model_.choice() >= 0);
}
