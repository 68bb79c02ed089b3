#pragma once

#include "core/base/Prompts.h"

class QWidget;

// Questions and messages of the core as message boxes over a parent window.
class MessageBoxPrompts : public Prompts
{
public:
    explicit MessageBoxPrompts(QWidget* parent = nullptr) : parent_(parent) {}

    bool askYesNo(const QString& text, Icon icon, bool noIsDefault) override;
    bool askOkCancel(const QString& text, Icon icon, bool cancelIsDefault) override;
    Answer askYesNoCancel(const QString& text, Icon icon) override;
    void message(const QString& text, Icon icon) override;
    QString askSavePath(const QString& proposedPath, const QString& filter,
                        const QString& defaultSuffix) override;

private:
    QWidget* parent_;
};
