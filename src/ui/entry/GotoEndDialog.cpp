#include "GotoEndDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

CGotoDialog::CGotoDialog(int end, int maxEnd, QWidget* parent)
    : QDialog(parent), end_(new QSpinBox(this))
{
    setWindowTitle(tr("Go to end"));
    end_->setObjectName(QStringLiteral("end"));
    end_->setRange(1, std::max(1, maxEnd));
    end_->setValue(end);
    end_->selectAll();
    auto* label = new QLabel(tr("&End:"), this);
    label->setBuddy(end_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(label, end_);
    layout->addRow(buttons);
}

int CGotoDialog::end() const
{
    return end_->value();
}
