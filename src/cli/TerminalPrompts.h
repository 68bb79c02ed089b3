#pragma once

#include "core/base/Prompts.h"

// Questions and messages on the terminal: messages go to standard error;
// questions take the answer that keeps the data as it is (No, Cancel), since a
// command run from a script has nobody to ask.
class TerminalPrompts : public Prompts
{
public:
    bool askYesNo(const QString& text, Icon icon, bool noIsDefault) override;
    bool askOkCancel(const QString& text, Icon icon, bool cancelIsDefault) override;
    Answer askYesNoCancel(const QString& text, Icon icon) override;
    void message(const QString& text, Icon icon) override;
    // The command line names its output itself: no dialog, so no path.
    QString askSavePath(const QString&, const QString&, const QString&) override { return {}; }
};
