#include "MessageBoxPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Error:
        return QMessageBox::Critical;
    case Prompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

bool ask(QWidget* parent, const QString& text, Prompts::Icon icon,
         QMessageBox::StandardButton first, QMessageBox::StandardButton second,
         bool secondIsDefault)
{
    QMessageBox box(boxIcon(icon), QApplication::applicationName(), text, first | second, parent);
    box.setDefaultButton(secondIsDefault ? second : first);
    return box.exec() == first;
}

} // namespace

bool MessageBoxPrompts::askYesNo(const QString& text, Icon icon, bool noIsDefault)
{
    return ask(parent_, text, icon, QMessageBox::Yes, QMessageBox::No, noIsDefault);
}

bool MessageBoxPrompts::askOkCancel(const QString& text, Icon icon, bool cancelIsDefault)
{
    return ask(parent_, text, icon, QMessageBox::Ok, QMessageBox::Cancel, cancelIsDefault);
}

Prompts::Answer MessageBoxPrompts::askYesNoCancel(const QString& text, Icon icon)
{
    QMessageBox box(boxIcon(icon), QApplication::applicationName(), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void MessageBoxPrompts::message(const QString& text, Icon icon)
{
    QMessageBox box(boxIcon(icon), QApplication::applicationName(), text, QMessageBox::Ok, parent_);
    box.exec();
}

QString MessageBoxPrompts::askSavePath(const QString& proposedPath, const QString& filter,
                                       const QString& defaultSuffix)
{
    QFileDialog dialog(parent_, QString(), proposedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposedPath);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
