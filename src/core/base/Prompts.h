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

    virtual ~Prompts() = default;

    // Yes/No question; noIsDefault preselects the second button.
    virtual bool askYesNo(const QString& text, Icon icon = Icon::Question,
                          bool noIsDefault = false) = 0;
    // OK/Cancel question; cancelIsDefault preselects the second button.
    virtual bool askOkCancel(const QString& text, Icon icon = Icon::Question,
                             bool cancelIsDefault = false) = 0;
    virtual void message(const QString& text, Icon icon = Icon::Information) = 0;
};
