#pragma once

#include <QString>

#include <array>

// How to judge a shot: a normal text and special texts for the last stone of an
// end and for a team ahead or behind by three or more. Also the tooltips of the
// task, handle and special points buttons.
struct CGuideline
{
    QString ShortCode; // written to the tag file
    QString Caption;   // entry name; tooltip of its button
    QString NormalText = QStringLiteral("no guideline defined");
    QString LastStoneText;
    QString AheadText;
    QString BehindText;
    // Heading words; only record 0's are used.
    QString TitleWord = QStringLiteral("Guideline");
    QString LastStoneWord = QStringLiteral("last stone");
    QString ScoreWord = QStringLiteral("score");
};

// Records 0..13 tasks, 14..19 handles, 20 the bonus point, 21 the "X" points.
class GuidelineTable
{
public:
    static constexpr int Size = 22;
    static constexpr int FirstHandle = 14;
    static constexpr int BonusPoint = 20;
    static constexpr int NotConsidered = 21;
    static constexpr int FileTasks = 14;
    static constexpr int HeaderLines = 6;

    CGuideline& operator[](int index) { return records_[std::size_t(index)]; }
    const CGuideline& operator[](int index) const { return records_[std::size_t(index)]; }

    // Loads "Guidelines-<LanguageGuidelines>.txt" from the program folder, then
    // sets the fixed short codes and the built-in texts of that language.
    void LoadGuidelines();
    // The same with the language, bonus switch and file given. A missing file
    // changes nothing; records the file does not reach keep what they held.
    void LoadGuidelines(const QString& language, bool allowBonusPoints, const QString& filePath);

    static QString fileName(const QString& language);

private:
    void readFile(const QString& filePath);
    void setFixedShortCodes();
    void setBuiltInTexts(const QString& language, bool allowBonusPoints);

    std::array<CGuideline, Size> records_;
};
