#include "SetGameTimerDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Far beyond any game's budget; larger presets are shown as this.
constexpr int kMaxMinutes = 999;
} // namespace

CSetGameTimerDialog::CSetGameTimerDialog(const GameTimerSetting& setting, QWidget* parent)
    : QDialog(parent), setting_(setting),
      sameForBoth_(new QCheckBox(tr("Sa&me time for both teams"), this))
{
    setWindowTitle(tr("Set game timer"));
    auto* grid = new QGridLayout;
    auto* minutesHeading = new QLabel(tr("M&inutes"), this);
    auto* secondsHeading = new QLabel(tr("&Seconds"), this);
    grid->addWidget(minutesHeading, 0, 1);
    grid->addWidget(secondsHeading, 0, 2);
    const std::array<QString, 2> labels{setting_.Label1, setting_.Label2};
    const std::array<quint32, 2> minutes{setting_.Minutes1, setting_.Minutes2};
    const std::array<quint32, 2> seconds{setting_.Seconds1, setting_.Seconds2};
    for (std::size_t team = 0; team < 2; ++team) {
        auto* label = new QLabel(labels[team], this);
        label->setObjectName(QStringLiteral("label%1").arg(team + 1));
        label->setTextFormat(Qt::PlainText);
        auto* minuteBox = new QSpinBox(this);
        minuteBox->setObjectName(QStringLiteral("minutes%1").arg(team + 1));
        minuteBox->setRange(0, kMaxMinutes);
        minuteBox->setValue(int(std::min<quint32>(minutes[team], kMaxMinutes)));
        auto* secondBox = new QSpinBox(this);
        secondBox->setObjectName(QStringLiteral("seconds%1").arg(team + 1));
        secondBox->setRange(0, 59);
        secondBox->setValue(int(std::min<quint32>(seconds[team], 59)));
        minutes_[team] = minuteBox;
        seconds_[team] = secondBox;
        const int row = int(team) + 1;
        grid->addWidget(label, row, 0);
        grid->addWidget(minuteBox, row, 1);
        grid->addWidget(secondBox, row, 2);
    }
    minutesHeading->setBuddy(minutes_[0]);
    secondsHeading->setBuddy(seconds_[0]);
    sameForBoth_->setObjectName(QStringLiteral("sameForBoth"));
    sameForBoth_->setChecked(setting_.SameForBoth);
    connect(sameForBoth_, &QCheckBox::toggled, this, &CSetGameTimerDialog::showSameForBoth);
    showSameForBoth();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(sameForBoth_);
    layout->addWidget(buttons);
    setTabOrder(minutes_[0], seconds_[0]);
    setTabOrder(seconds_[0], minutes_[1]);
    setTabOrder(minutes_[1], seconds_[1]);
    setTabOrder(seconds_[1], sameForBoth_);
}

void CSetGameTimerDialog::showSameForBoth()
{
    const bool own = !sameForBoth_->isChecked();
    minutes_[1]->setEnabled(own);
    seconds_[1]->setEnabled(own);
}

GameTimerSetting CSetGameTimerDialog::setting() const
{
    GameTimerSetting edited = setting_;
    edited.Minutes1 = quint32(minutes_[0]->value());
    edited.Seconds1 = quint32(seconds_[0]->value());
    edited.Minutes2 = quint32(minutes_[1]->value());
    edited.Seconds2 = quint32(seconds_[1]->value());
    edited.SameForBoth = sameForBoth_->isChecked();
    return edited;
}
