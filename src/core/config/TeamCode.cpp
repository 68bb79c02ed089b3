#include "TeamCode.h"

QString proposeTeamCode(const QString& name)
{
    const qsizetype n = name.size();
    if (n < 3)
        return name.toUpper();
    const QChar blank = QLatin1Char(' ');
    if (name.at(n - 2) == blank) {
        // The last word is one letter: it stands last in the code.
        const qsizetype first = name.indexOf(blank);
        const qsizetype second = name.indexOf(blank, first + 1);
        if (second >= 2)
            return (QString(name.at(0)) + name.at(first + 1) + name.at(n - 1)).toUpper();
        return (name.left(2) + name.at(n - 1)).toUpper();
    }
    const qsizetype blankAfterFirst = name.indexOf(blank, 1);
    if (blankAfterFirst >= 1 && blankAfterFirst + 1 < n)
        return (name.left(2) + name.at(blankAfterFirst + 1)).toUpper();
    return name.left(3).toUpper();
}
