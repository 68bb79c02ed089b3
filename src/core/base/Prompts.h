#pragma once

#include <QString>

// Every question and message a core operation needs goes through this interface:
// the windows answer it with message boxes, the tests with scripted answers, the
// command line on the terminal. Core code never opens a widget.
class Prompts
{
public:
    enum class Icon
    {
        None,
        Information,
        Question,
        Warning,
        Error
    };
    enum class Answer
    {
        Yes,
        No,
        Cancel
    };

    virtual ~Prompts() = default;

    // Yes/No question; noIsDefault preselects the second button.
    virtual bool askYesNo(const QString& text, Icon icon = Icon::Question,
                          bool noIsDefault = false) = 0;
    // OK/Cancel question; cancelIsDefault preselects the second button.
    virtual bool askOkCancel(const QString& text, Icon icon = Icon::Question,
                             bool cancelIsDefault = false) = 0;
    // Yes/No/Cancel question, Yes preselected.
    virtual Answer askYesNoCancel(const QString& text, Icon icon = Icon::Question) = 0;
    virtual void message(const QString& text, Icon icon = Icon::Information) = 0;
    // The save dialog: the proposed path, a filter such as "Games (*.cus)" and the
    // extension a typed name without one gets. Empty when cancelled.
    virtual QString askSavePath(const QString& proposedPath, const QString& filter,
                                const QString& defaultSuffix) = 0;
};
