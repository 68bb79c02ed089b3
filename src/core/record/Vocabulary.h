#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The three coded judgements of a delivered stone (task, handle, points), their
// built-in labels, the user's own labels from section Types, and the remark and
// comment lists. The codes never change; only their labels do.
//
// Label format: "&" + accelerator + ... A task label has a filler at index 2 and
// its category digit at index 3, and shows the text from index 4; handle and
// points labels show the text from index 2.
namespace Vocabulary {

inline constexpr int TaskCount = 14;
inline constexpr int HandleCount = 6;
inline constexpr int PointsCount = 9;
inline constexpr int RemarkKeyCount = 20;

inline constexpr int TaskThrough = 11;
inline constexpr int TaskNotPlayed = 12;
inline constexpr int TaskNoStatistics = 13;
inline constexpr int PointsNotConsidered = 7;
inline constexpr int PointsRuleViolation = 8;

enum class TaskCategory
{
    Draw = 0,
    Takeout = 1,
    Other = 2
};

// Built-in labels (codes outside the range give an empty text).
QString builtInTaskLabel(int code);
QString builtInHandleLabel(int code);
QString builtInPointsLabel(int code, bool allowBonusPoints);

// Labels in force: the Types value when stored, else the built-in label.
QString taskLabel(int code);
QString handleLabel(int code);
QString pointsLabel(int code); // codes 5 and 6 follow AllowBonusPoints

// The name shown: the label without its leading characters.
QString taskName(int code);
QString handleName(int code);
QString pointsName(int code);
QString taskNameOfLabel(const QString& label);
QString shortLabelName(const QString& label); // handle and points labels

QChar accelerator(const QString& label);
TaskCategory taskCategory(const QString& taskLabel);

// A real shot: the "last stone" searches accept only these tasks.
bool isRealShot(int task);
// A stone counts in percentages when its points are 0..6 and its task is not 11;
// its counted value is then the points code itself.
bool countsInPercentages(int task, int points);

// An entry of a list offered to the user: the code it stands for and its name.
struct Entry
{
    int code;
    QString name;
};

// Lists as offered; a Types value stored empty leaves its entry out, so every
// entry carries its code rather than relying on its position.
std::vector<Entry> taskList();
std::vector<Entry> handleList(); // 0 and 1, plus 2..5 while AdvancedHandleOptions is on
std::vector<Entry> pointsList();

// Ready-made texts: one leading blank entry (a single space), then the non-empty
// values of Remark0..19 (Comment0..19) in key order.
QStringList remarkList();
QStringList commentList();

} // namespace Vocabulary
