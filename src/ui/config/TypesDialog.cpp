#include "TypesDialog.h"

#include "core/config/ConfigEditing.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

CTypesDialog::CTypesDialog(const QString& title, const NumberedKey& key, const QString& text,
                           QWidget* parent)
    : QDialog(parent), key_(key), text_(new QLineEdit(text, this)),
      addToList_(new QCheckBox(tr("&Add to the list"), this))
{
    setWindowTitle(title);
    text_->setObjectName(QStringLiteral("text"));
    text_->setMinimumWidth(320);
    addToList_->setObjectName(QStringLiteral("addToList"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(addToList_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString CTypesDialog::text() const
{
    return text_->text();
}

int CTypesDialog::remember() const
{
    if (result() != QDialog::Accepted || !addToList_->isChecked() || text().isEmpty())
        return -1;
    return ConfigEditing::addTypeText(key_, text());
}
