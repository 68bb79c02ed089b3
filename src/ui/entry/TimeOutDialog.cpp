#include "TimeOutDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

CTimeoutDialog::CTimeoutDialog(const TimeOutRequest& request, QWidget* parent)
    : QDialog(parent), request_(request), text_(new QPlainTextEdit(request.Text, this))
{
    setWindowTitle(tr("Time-out"));
    text_->setObjectName(QStringLiteral("text"));
    text_->setTabChangesFocus(true);
    text_->moveCursor(QTextCursor::End);
    auto* textLabel = new QLabel(tr("&Text:"), this);
    textLabel->setBuddy(text_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    auto* team = new QLabel(request_.TeamName, this);
    team->setTextFormat(Qt::PlainText);
    layout->addRow(tr("Team:"), team);
    layout->addRow(tr("End:"), new QLabel(QString::number(request_.EndNumber), this));
    layout->addRow(tr("Stone:"), new QLabel(QString::number(request_.StoneNumber), this));
    layout->addRow(textLabel, text_);
    layout->addRow(buttons);
    resize(400, sizeHint().height());
}

TimeOutRequest CTimeoutDialog::request() const
{
    TimeOutRequest edited = request_;
    edited.Text = text_->toPlainText();
    return edited;
}
