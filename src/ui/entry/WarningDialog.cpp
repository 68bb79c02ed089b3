#include "WarningDialog.h"

#include "core/base/Texts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

CWarningDialog::CWarningDialog(int textId, QWidget* parent)
    : QDialog(parent), message_(new QLabel(Texts::get(textId), this)),
      interval_(autoCloseInterval(textId))
{
    setWindowTitle(QApplication::applicationName());
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    message_->setWordWrap(true);
    message_->setObjectName(QStringLiteral("warningText"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    cancel_->setVisible(textId == CancelTextId);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(message_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

void CWarningDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A Qt timer cannot fail to start, so the dialog always closes itself.
    QTimer::singleShot(interval_, this, [this] {
        if (isVisible())
            accept();
    });
}

QString CWarningDialog::text() const
{
    return message_->text();
}

bool CWarningDialog::offersCancel() const
{
    return !cancel_->isHidden();
}
