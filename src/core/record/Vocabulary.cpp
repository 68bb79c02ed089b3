#include "Vocabulary.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"

#include <array>

namespace Vocabulary {

namespace {

constexpr std::array<const char*, TaskCount> kTaskLabels = {"&D 0Draw",
                                                            "&F 0Front",
                                                            "&G 0Guard",
                                                            "&R 0Raise (tap back)",
                                                            "&W 0Wick/Softpeeling",
                                                            "&Z 0Freeze",
                                                            "&T 1Takeout",
                                                            "&H 1Hit and Roll",
                                                            "&C 1Clearing",
                                                            "&S 1Double Takeout",
                                                            "&P 1Promotion Takeout",
                                                            "&->2through",
                                                            "&->2not played",
                                                            "&->2no statistics"};

constexpr std::array<const char*, HandleCount> kHandleLabels = {
    "&Iclockwise (In-turn)",     "&Ocounter clockwise (Out-turn)",
    "&Iclockwise (inside->out)", "&Ocounter clockwise (inside->out)",
    "&Iclockwise (outside->in)", "&Ocounter clockwise (outside->in)"};

constexpr std::array<const char*, PointsCount> kPointsLabels = {"&00 (0%)",
                                                                "&11 (25%)",
                                                                "&22 (50%)",
                                                                "&33 (75%)",
                                                                "&44 (100%)",
                                                                "&55 (bonus point)",
                                                                "&66 (super point)",
                                                                "&XX (not considered)",
                                                                "&XX (rule violation)"};

constexpr const char* kNoBonusPoint = "&44 (no bonus point, use 4)";
constexpr const char* kNoSuperPoint = "&44 (no super point, use 4)";

template <std::size_t N> QString pick(const std::array<const char*, N>& table, int code)
{
    if (code < 0 || code >= int(N))
        return {};
    return QString::fromUtf8(table[std::size_t(code)]);
}

QString typesLabel(const NumberedKey& key, int code, const QString& builtIn)
{
    if (!key.inRange(code))
        return {};
    return Settings::readText(QLatin1String(key.section), key.name(code), builtIn);
}

bool bonusPointsAllowed()
{
    return Settings::read(Key::Options::AllowBonusPoints) != 0;
}

QStringList readyMadeTexts(const NumberedKey& key)
{
    QStringList texts{QStringLiteral(" ")};
    for (int i = 0; i < key.count; ++i) {
        const QString text = Settings::readText(QLatin1String(key.section), key.name(i), {});
        if (!text.isEmpty())
            texts.append(text);
    }
    return texts;
}

template <typename NameOf> std::vector<Entry> entries(int first, int last, NameOf nameOf)
{
    std::vector<Entry> list;
    for (int code = first; code <= last; ++code) {
        const QString name = nameOf(code);
        if (!name.isEmpty())
            list.push_back({code, name});
    }
    return list;
}

} // namespace

QString builtInTaskLabel(int code)
{
    return pick(kTaskLabels, code);
}

QString builtInHandleLabel(int code)
{
    return pick(kHandleLabels, code);
}

QString builtInPointsLabel(int code, bool allowBonusPoints)
{
    if (!allowBonusPoints && code == 5)
        return QString::fromUtf8(kNoBonusPoint);
    if (!allowBonusPoints && code == 6)
        return QString::fromUtf8(kNoSuperPoint);
    return pick(kPointsLabels, code);
}

QString taskLabel(int code)
{
    return typesLabel(Key::Types::TaskN, code, builtInTaskLabel(code));
}

QString handleLabel(int code)
{
    return typesLabel(Key::Types::HandleN, code, builtInHandleLabel(code));
}

QString pointsLabel(int code)
{
    const bool bonus = (code == 5 || code == 6) && bonusPointsAllowed();
    return typesLabel(Key::Types::PointsN, code, builtInPointsLabel(code, bonus));
}

QString taskNameOfLabel(const QString& label)
{
    return label.mid(4);
}

QString shortLabelName(const QString& label)
{
    return label.mid(2);
}

QString taskName(int code)
{
    return taskNameOfLabel(taskLabel(code));
}

QString handleName(int code)
{
    return shortLabelName(handleLabel(code));
}

QString pointsName(int code)
{
    return shortLabelName(pointsLabel(code));
}

QChar accelerator(const QString& label)
{
    return label.size() > 1 ? label.at(1) : QChar();
}

TaskCategory taskCategory(const QString& label)
{
    const QChar digit = label.size() > 3 ? label.at(3) : QChar();
    if (digit == QLatin1Char('0'))
        return TaskCategory::Draw;
    if (digit == QLatin1Char('1'))
        return TaskCategory::Takeout;
    return TaskCategory::Other;
}

bool isRealShot(int task)
{
    return task >= 0 && task <= 10;
}

bool countsInPercentages(int task, int points)
{
    return points >= 0 && points <= 6 && task != TaskThrough;
}

std::vector<Entry> taskList()
{
    return entries(0, TaskCount - 1, [](int code) { return taskName(code); });
}

std::vector<Entry> handleList()
{
    const bool advanced = Settings::read(Key::Options::AdvancedHandleOptions) != 0;
    return entries(0, advanced ? HandleCount - 1 : 1, [](int code) { return handleName(code); });
}

std::vector<Entry> pointsList()
{
    return entries(0, PointsCount - 1, [](int code) { return pointsName(code); });
}

QStringList remarkList()
{
    return readyMadeTexts(Key::Types::RemarkN);
}

QStringList commentList()
{
    return readyMadeTexts(Key::Types::CommentN);
}

} // namespace Vocabulary
