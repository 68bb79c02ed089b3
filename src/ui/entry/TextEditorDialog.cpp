#include "TextEditorDialog.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CTextEditorDialog::CTextEditorDialog(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent), editor_(new QPlainTextEdit(text, this))
{
    setWindowTitle(title);
    editor_->setObjectName(QStringLiteral("editor"));
    editor_->moveCursor(QTextCursor::End);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_, 1);
    layout->addWidget(buttons);
    resize(480, 280);
}

QString CTextEditorDialog::text() const
{
    return editor_->toPlainText();
}

QString CTextEditorDialog::edit(const QString& title, const QString& text, QWidget* parent)
{
    CTextEditorDialog dialog(title, text, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.text() : text;
}
