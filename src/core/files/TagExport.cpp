#include "TagExport.h"

#include "core/base/Clock.h"
#include "core/base/Cp1252.h"
#include "core/record/Game.h"
#include "core/record/Guidelines.h"

#include <QDate>
#include <QSaveFile>
#include <QTime>

#include <ctime>

namespace TagExport {

namespace {

bool isStandardDelimiter(QChar c)
{
    switch (c.unicode()) {
    case ' ':
    case '\t':
    case '\'':
    case '"':
    case '-':
    case '+':
    case ':':
    case ';':
    case ',':
    case '\n':
    case '\r':
        return true;
    default:
        return false;
    }
}

// Splits at delimiters; runs of them count as one and give no empty token.
template <typename IsDelimiter> QList<QStringView> tokens(QStringView text, IsDelimiter isDelimiter)
{
    QList<QStringView> list;
    qsizetype begin = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool delimiter = i == text.size() || isDelimiter(text[i]);
        if (delimiter && begin >= 0) {
            list.append(text.sliced(begin, i - begin));
            begin = -1;
        } else if (!delimiter && begin < 0) {
            begin = i;
        }
    }
    return list;
}

// The locale's long time format without its time-zone part.
QString timeWithSecondsFormat(const QLocale& locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

// Assembles rows of sixteen columns.
class Rows
{
public:
    Rows(QString separator, qint64 start, QLocale locale)
        : separator_(std::move(separator)), start_(start), locale_(std::move(locale)),
          timeFormat_(timeWithSecondsFormat(locale_))
    {
        add(QStringList{"Date", "Time", "Position", "Duration", "End", "Team", "Stone", "Teamname",
                        "Name", "Actions", "Outcome", "Task", "Handle", "Points", "Remark",
                        "Comment"});
    }

    // Date, time, position and duration, then the twelve given columns.
    void add(qint64 when, qint64 position, qint64 durationSeconds, const QStringList& columns)
    {
        const LocalTime local = localTime(when);
        QStringList row{local.date, local.time, QString::number(position * 1000),
                        QString::number(durationSeconds * 1000)};
        row += columns;
        add(row);
    }
    void addAt(qint64 when, qint64 durationSeconds, const QStringList& columns)
    {
        add(when, when - start_, durationSeconds, columns);
    }

    QString text;

private:
    struct LocalTime
    {
        QString date, time;
    };

    // Local calendar time through the C library, which keeps the time zone at
    // hand; a game's rows share one or two dates, so the date text is kept.
    LocalTime localTime(qint64 when)
    {
        const std::time_t seconds = std::time_t(when);
        std::tm parts{};
        if (!localtime_r(&seconds, &parts))
            return {};
        const QDate date(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
        if (date != cachedDate_) {
            cachedDate_ = date;
            cachedDateText_ = locale_.toString(date, QLocale::ShortFormat);
        }
        if (when != cachedWhen_) { // a stone and its first tag often share the second
            cachedWhen_ = when;
            const int second = std::min(parts.tm_sec, 59);
            if (timeFormat_ == QLatin1String("HH:mm:ss")) // the four languages' format
                cachedTimeText_ =
                    QString::asprintf("%02d:%02d:%02d", parts.tm_hour, parts.tm_min, second);
            else
                cachedTimeText_ =
                    locale_.toString(QTime(parts.tm_hour, parts.tm_min, second), timeFormat_);
        }
        return {cachedDateText_, cachedTimeText_};
    }

    void add(const QStringList& row) { text += row.join(separator_) + QLatin1Char('\n'); }

    QString separator_;
    qint64 start_;
    QLocale locale_;
    QString timeFormat_;
    QDate cachedDate_;
    QString cachedDateText_;
    qint64 cachedWhen_ = -1;
    QString cachedTimeText_;
};

QStringList columns(int end, int team, int stone, const QString& teamName = {},
                    const QString& name = {}, const QString& action = {},
                    const QString& outcome = {}, const QStringList& judgement = {})
{
    QStringList list{QString::number(end),
                     QString::number(team),
                     QString::number(stone),
                     teamName,
                     name,
                     action,
                     outcome};
    list += judgement.isEmpty() ? QStringList(5) : judgement;
    return list;
}

QString totals(const CGame& game)
{
    return QStringLiteral("%1 - %2").arg(game.Teams[0].TeamTotal).arg(game.Teams[1].TeamTotal);
}

QStringList judgementOf(const CStone& stone, const GuidelineTable& guidelines)
{
    const int task = stone.Task >= 12 ? 11 : stone.Task;
    const QString taskCode = task < 0 ? QString() : guidelines[task].ShortCode;
    const QString handleCode =
        stone.Handle >= 0 && stone.Handle <= 5
            ? guidelines[GuidelineTable::FirstHandle + stone.Handle].ShortCode
            : QString();
    QString points;
    if (stone.Points >= 7 || task == 11)
        points = QStringLiteral("X");
    else if (stone.Points >= 0)
        points = QString::number(stone.Points);
    return {taskCode, handleCode, points, cleanedText(stone.Remark), cleanedText(stone.Comment)};
}

} // namespace

QString separatorFrom(const QString& setting)
{
    const QString lower = setting.toLower();
    return lower == QLatin1String("tab") ? QStringLiteral("\t") : lower;
}

QString cleanedText(const QString& text)
{
    const QList<QStringView> parts = tokens(text, isStandardDelimiter);
    if (parts.isEmpty())
        return text;
    QString joined;
    joined.reserve(text.size());
    for (const QStringView part : parts) {
        if (!joined.isEmpty())
            joined += QLatin1Char('_');
        joined += part;
    }
    return joined;
}

QString abbreviatedName(const QString& name, const QString& separator)
{
    const bool withStandard = separator.size() <= 1;
    const QList<QStringView> parts = tokens(name, [&](QChar c) {
        return separator.contains(c) || (withStandard && isStandardDelimiter(c));
    });
    if (parts.isEmpty())
        return {};
    if (parts.size() == 1)
        return parts.first().toString();
    return parts.first().first(1).toString() + QLatin1Char('_') + parts.last().toString();
}

QString tagFilePath(const QString& gamePath)
{
    QString path = gamePath;
    path.remove(QStringLiteral(".cus"));
    return path + QStringLiteral("_tag.csv");
}

QString buildText(CGame& original, const Input& input)
{
    const QString separator = separatorFrom(input.separatorSetting);
    // The walk runs on a copy, so that a game in review keeps its position and
    // the corrections not yet written into its review copy; in review the walk
    // starts from the stone on show.
    CGame game = original;
    game.Observer = nullptr;
    if (game.ReviewMode == 0) {
        game.EnterReview();
        game.ResetPosition();
    }

    qint64 start = 0;
    QString firstAction;
    if (*input.videoStartTime > 0) {
        start = *input.videoStartTime;
        firstAction = QStringLiteral("Start Video");
    } else {
        start = game.Ends[0].EndStartTime;
        if (start <= 0) {
            // A lasting change: also into the copy that review mode restores.
            start = Clock::now();
            original.Ends[0].EndStartTime = start;
            original.ReviewCopy[0].EndStartTime = start;
        }
        *input.videoStartTime = start;
        firstAction = QStringLiteral("Start of Game");
    }

    Rows rows(separator, start, input.locale);
    rows.addAt(start, 0, columns(1, 0, 0, {}, {}, firstAction));
    qint64 mark = start;
    bool anyStone = false;
    do {
        const int endNumber = game.CurrentEnd + 1;
        // The first stone of an end; in mixed doubles that is player 1's second stone.
        if (game.isFirstStoneOfEnd()) {
            const qint64 endStart = game.currentEnd().EndStartTime;
            mark = std::max(endStart > 0 ? endStart : mark, start);
            if (game.CurrentEnd >= 0) {
                rows.addAt(mark, 0,
                           columns(endNumber, 0, 0, {}, {},
                                   QStringLiteral("Start of End %1").arg(endNumber), totals(game)));
            }
        }
        CStone work = game.currentStone();
        mark = std::max(mark, start);
        qint64 duration = 0;
        if (work.DeliveryTime <= 0)
            work.DeliveryTime = mark;
        else
            duration = work.DeliveryTime - mark;

        const int team = game.CurrentTeamSlot() + 1;
        const int stoneNumber = game.CurrentStone + 2 * game.CurrentPlayer + 1;
        const QString teamName = abbreviatedName(game.GetTeam(team - 1).ShortName, separator);
        const QString playerName =
            abbreviatedName(game.GetPlayer(team - 1, work.PlayerIndex).Text, separator);
        rows.addAt(mark, duration,
                   columns(endNumber, team, stoneNumber, teamName, playerName, {}, {},
                           judgementOf(work, *input.guidelines)));
        mark = work.DeliveryTime;
        anyStone = true;
        for (const CTagEvent& tag : work.Tags) {
            if (tag.TagTime <= 0 || tag.TagTime < start)
                continue;
            rows.addAt(tag.TagTime, tag.TagDuration,
                       columns(endNumber, team, stoneNumber, teamName, playerName, tag.TagName,
                               tag.TagOutcome));
        }
    } while (game.NextStone() != 0);

    if (anyStone && game.CurrentEnd > 0 && game.GameState >= 8) {
        const qint64 position = (mark < start ? Clock::now() : mark) - start;
        rows.add(mark, position, 0,
                 columns(game.CurrentEnd + 1, 0, 0, {}, {}, QStringLiteral("End of Game"),
                         totals(game)));
    }
    return rows.text;
}

Result exportTo(const QString& tagPath, CGame& game, const Input& input)
{
    if (game.GameState < 6)
        return Result::NotDue;
    QSaveFile file(tagPath);
    if (!file.open(QIODevice::WriteOnly))
        return Result::CannotCreate;
    QString text = buildText(game, input);
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    file.write(Cp1252::encode(text));
    return file.commit() ? Result::Written : Result::WriteFailed;
}

} // namespace TagExport
