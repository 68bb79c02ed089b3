#include "LineupDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSignalBlocker>

CLineupDialog::CLineupDialog(const CTALVStatsDoc& doc, int teamSlot, QWidget* parent)
    : QWidget(parent), model_(doc, teamSlot),
      three_(new QCheckBox(tr("The team plays with three players (the second sits out)"), this))
{
    const QString slotNames[] = {tr("Lead"), tr("Second"), tr("Third"), tr("Fourth"),
                                 tr("Alternate")};
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Position"), this), 0, 0);
    layout->addWidget(new QLabel(tr("Player"), this), 0, 1);
    layout->addWidget(new QLabel(tr("Skip"), this), 0, 2, Qt::AlignHCenter);
    auto* skipGroup = new QButtonGroup(this);
    for (int slot = 0; slot < LineupModel::SlotCount; ++slot) {
        layout->addWidget(new QLabel(slotNames[slot] + QLatin1Char(':'), this), slot + 1, 0);
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("slot%1").arg(slot));
        list->setMinimumContentsLength(24);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QComboBox::activated, this,
                [this, slot](int index) { chosen(slot, index); });
        connect(list, &QWidget::customContextMenuRequested, this, [this, slot, list](QPoint at) {
            QMenu menu(this);
            QAction* rename = menu.addAction(tr("&Rename player…"));
            rename->setData(RenameCommand);
            if (menu.exec(list->mapToGlobal(at)) == rename)
                askRename(slot);
        });
        lists_[std::size_t(slot)] = list;
        layout->addWidget(list, slot + 1, 1);
        if (slot < LineupModel::RegularSlots) {
            auto* skip = new QRadioButton(this);
            skipGroup->addButton(skip, slot);
            skips_[std::size_t(slot)] = skip;
            layout->addWidget(skip, slot + 1, 2, Qt::AlignHCenter);
        }
    }
    connect(skipGroup, &QButtonGroup::idClicked, this,
            [this](int slot) { model_.setSkipSlot(slot); });
    connect(three_, &QCheckBox::toggled, this, [this](bool on) { model_.setThreePlayers(on); });
    layout->addWidget(three_, LineupModel::SlotCount + 1, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(LineupModel::SlotCount + 2, 1);
    showModel();
}

void CLineupDialog::showModel()
{
    for (int slot = 0; slot < LineupModel::SlotCount; ++slot) {
        QComboBox* list = lists_[std::size_t(slot)];
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(model_.names());
        list->setCurrentIndex(model_.player(slot));
    }
    skips_[std::size_t(model_.skipSlot())]->setChecked(true);
    const QSignalBlocker quiet(three_);
    three_->setChecked(model_.threePlayers());
}

void CLineupDialog::chosen(int slot, int player)
{
    model_.choose(slot, player); // the slot that held the player takes the old one
    showModel();
}

void CLineupDialog::renamePlayerIn(int slot, const QString& name)
{
    model_.rename(model_.player(slot), name);
    showModel();
}

void CLineupDialog::askRename(int slot)
{
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, tr("Rename player"), tr("Name:"), QLineEdit::Normal,
                              model_.names().value(model_.player(slot)), &ok);
    if (ok && !name.trimmed().isEmpty())
        renamePlayerIn(slot, name.trimmed());
}
