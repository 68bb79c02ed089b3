#include "EntryDialogs.h"

#include "core/config/Config.h"
#include "core/config/TeamCode.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace {

QLineEdit* textBox(const QString& text, const char* objectName, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(objectName));
    box->setMinimumWidth(260);
    return box;
}

// The form and the OK / Cancel row every entry dialog ends with.
QFormLayout* buildFrame(QDialog& dialog, const QString& title)
{
    dialog.setWindowTitle(title);
    auto* outer = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    outer->addWidget(buttons);
    return form;
}

} // namespace

CNameNoteDialog::CNameNoteDialog(const QString& title, const QString& name, const QString& note,
                                 QWidget* parent)
    : QDialog(parent), name_(textBox(name, "name", this)), note_(textBox(note, "note", this))
{
    QFormLayout* form = buildFrame(*this, title);
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("N&ote:"), note_);
}

bool CNameNoteDialog::edit(CConfigBase& record, const QString& title, QWidget* parent)
{
    CNameNoteDialog dialog(title, record.name, record.note, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    record.name = dialog.name();
    record.note = dialog.note();
    return true;
}

QString CNameNoteDialog::name() const
{
    return name_->text();
}

QString CNameNoteDialog::note() const
{
    return note_->text();
}

CTeamEntryDialog::CTeamEntryDialog(const QString& title, const QString& name, const QString& code,
                                   const QString& note, QWidget* parent)
    : QDialog(parent), name_(textBox(name, "name", this)), code_(textBox(code, "code", this)),
      note_(textBox(note, "note", this))
{
    QFormLayout* form = buildFrame(*this, title);
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("&Code:"), code_);
    form->addRow(tr("N&ote:"), note_);
    connect(code_, &QLineEdit::textEdited, this, [this] { codeTyped_ = true; });
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        if (!codeTyped_)
            code_->setText(proposeTeamCode(typed));
    });
}

QString CTeamEntryDialog::name() const
{
    return name_->text();
}

QString CTeamEntryDialog::code() const
{
    return code_->text();
}

QString CTeamEntryDialog::note() const
{
    return note_->text();
}

CPlayerEntryDialog::CPlayerEntryDialog(const QString& title, const CConfigPlayer& player,
                                       QWidget* parent)
    : QDialog(parent), player_(player), name_(textBox(player.name, "name", this)),
      number_(new QSpinBox(this)), skip_(new QCheckBox(tr("&Skip"), this)),
      note_(textBox(player.note, "note", this))
{
    number_->setObjectName(QStringLiteral("number"));
    number_->setRange(std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
    number_->setValue(player.number);
    skip_->setObjectName(QStringLiteral("skip"));
    skip_->setChecked(player.skip == 1);
    QFormLayout* form = buildFrame(*this, title);
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("N&umber:"), number_);
    form->addRow(QString(), skip_);
    form->addRow(tr("N&ote:"), note_);
}

CConfigPlayer CPlayerEntryDialog::player() const
{
    CConfigPlayer result = player_;
    result.name = name_->text();
    result.number = qint16(number_->value());
    result.skip = skip_->isChecked() ? 1 : 0;
    result.note = note_->text();
    return result;
}
