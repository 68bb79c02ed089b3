#include "TerminalPrompts.h"

#include <cstdio>

namespace {

void printLine(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

} // namespace

bool TerminalPrompts::askYesNo(const QString& text, Icon, bool)
{
    printLine(text + QStringLiteral(" [answered: No]"));
    return false;
}

bool TerminalPrompts::askOkCancel(const QString& text, Icon, bool)
{
    printLine(text + QStringLiteral(" [answered: Cancel]"));
    return false;
}

Prompts::Answer TerminalPrompts::askYesNoCancel(const QString& text, Icon)
{
    printLine(text + QStringLiteral(" [answered: Cancel]"));
    return Answer::Cancel;
}

void TerminalPrompts::message(const QString& text, Icon)
{
    printLine(text);
}
