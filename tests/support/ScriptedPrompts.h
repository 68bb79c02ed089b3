#pragma once

#include "core/base/Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

// Prompts for tests: answers questions from a script (then with a fixed
// answer) and keeps every text it was shown.
class ScriptedPrompts : public Prompts
{
public:
    QList<bool> answers;       // taken from the front, one per question
    bool defaultAnswer = true; // once the script is used up
    QStringList questions;
    QStringList messages;
    QList<Icon> messageIcons;
    QList<Answer> threeWayAnswers; // for Yes/No/Cancel questions, then Cancel
    QStringList savePaths;         // answers of the save dialog, then cancelled
    QStringList proposedSavePaths;

    bool askYesNo(const QString& text, Icon, bool) override { return answer(text); }
    bool askOkCancel(const QString& text, Icon, bool) override { return answer(text); }
    Answer askYesNoCancel(const QString& text, Icon) override
    {
        questions.append(text);
        return threeWayAnswers.isEmpty() ? Answer::Cancel : threeWayAnswers.takeFirst();
    }
    QString askSavePath(const QString& proposed, const QString&, const QString&) override
    {
        proposedSavePaths.append(proposed);
        return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
    }
    void message(const QString& text, Icon icon) override
    {
        messages.append(text);
        messageIcons.append(icon);
    }

private:
    bool answer(const QString& text)
    {
        questions.append(text);
        return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    }
};
