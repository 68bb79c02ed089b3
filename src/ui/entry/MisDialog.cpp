#include "MisDialog.h"

#include "core/entry/MisCommands.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CMISDialog::CMISDialog(MisDialogModel& model, QWidget* parent)
    : QDialog(parent), model_(model), text_(new QLineEdit(model.label(), this)),
      go_(new QPushButton(tr("&Go to this stone"), this))
{
    setWindowTitle(tr("Most important shot"));
    text_->setObjectName(QStringLiteral("misLabel"));
    auto* stone = new QLabel(model_.stoneLine(), this);
    stone->setObjectName(QStringLiteral("stoneLine"));
    go_->setObjectName(QString::number(GoButtonId));
    go_->setAutoDefault(false);
    go_->setEnabled(model_.goEnabled());
    connect(go_, &QPushButton::clicked, this, &CMISDialog::go);

    auto* form = new QFormLayout;
    auto* textLabel = new QLabel(tr("&Text:"), this);
    textLabel->setBuddy(text_);
    form->addRow(textLabel, text_);
    form->addRow(tr("Stone:"), stone);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMISDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(go_, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
    resize(420, sizeHint().height());
}

void CMISDialog::accept()
{
    model_.setLabel(text_->text());
    QDialog::accept();
}

void CMISDialog::go()
{
    if (!model_.go())
        return;
    Q_EMIT movedToStone();
    // The game has moved under the dialog: only closing it is left. The whole
    // window is not disabled, as a disabled modal dialog could not be closed.
    text_->setEnabled(false);
    go_->setEnabled(false);
}
