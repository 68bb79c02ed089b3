#include "PlayerOrderDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CPlayerOrder::CPlayerOrder(const QStringList& names, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this))
{
    setWindowTitle(tr("Player of this stone"));
    list_->setObjectName(QStringLiteral("players"));
    list_->addItems(names);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* label = new QLabel(tr("&Player:"), this);
    label->setBuddy(list_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setDefault(true);
    ok_->setEnabled(false);
    connect(list_, &QListWidget::itemSelectionChanged, this,
            [this] { ok_->setEnabled(choice() >= 0); });
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

int CPlayerOrder::choice() const
{
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.first());
}
