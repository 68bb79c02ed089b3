#include "core/record/Vocabulary.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"

#include "support/TestSettings.h"

class VocabularyTest : public SettingsTest
{
protected:
    static QStringList names(const std::vector<Vocabulary::Entry>& list)
    {
        QStringList result;
        for (const auto& e : list)
            result.append(e.name);
        return result;
    }
    static QList<int> codes(const std::vector<Vocabulary::Entry>& list)
    {
        QList<int> result;
        for (const auto& e : list)
            result.append(e.code);
        return result;
    }
};

TEST_F(VocabularyTest, BuiltInTaskListInCodeOrder)
{
    const QStringList expected = {"Draw",
                                  "Front",
                                  "Guard",
                                  "Raise (tap back)",
                                  "Wick/Softpeeling",
                                  "Freeze",
                                  "Takeout",
                                  "Hit and Roll",
                                  "Clearing",
                                  "Double Takeout",
                                  "Promotion Takeout",
                                  "through",
                                  "not played",
                                  "no statistics"};
    EXPECT_EQ(names(Vocabulary::taskList()), expected);
    EXPECT_EQ(Vocabulary::accelerator(Vocabulary::taskLabel(5)), QLatin1Char('Z'));
    EXPECT_EQ(Vocabulary::taskCategory(Vocabulary::taskLabel(5)), Vocabulary::TaskCategory::Draw);
    EXPECT_EQ(Vocabulary::taskCategory(Vocabulary::taskLabel(9)),
              Vocabulary::TaskCategory::Takeout);
    EXPECT_EQ(Vocabulary::taskCategory(Vocabulary::taskLabel(11)), Vocabulary::TaskCategory::Other);
    EXPECT_EQ(Vocabulary::accelerator(Vocabulary::taskLabel(12)), QLatin1Char('-'));
}

TEST_F(VocabularyTest, PointsListFollowsAllowBonusPointsWithoutMovingX)
{
    const QStringList withoutBonus = names(Vocabulary::pointsList());
    ASSERT_EQ(withoutBonus.size(), 9);
    EXPECT_EQ(withoutBonus[5], QStringLiteral("4 (no bonus point, use 4)"));
    EXPECT_EQ(withoutBonus[6], QStringLiteral("4 (no super point, use 4)"));
    EXPECT_EQ(withoutBonus[7], QStringLiteral("X (not considered)"));
    EXPECT_EQ(Vocabulary::accelerator(Vocabulary::pointsLabel(5)), QLatin1Char('4'));

    Settings::write(Key::Options::AllowBonusPoints, 1);
    const QStringList withBonus = names(Vocabulary::pointsList());
    EXPECT_EQ(withBonus[5], QStringLiteral("5 (bonus point)"));
    EXPECT_EQ(withBonus[6], QStringLiteral("6 (super point)"));
    EXPECT_EQ(withBonus[8], QStringLiteral("X (rule violation)"));
}

TEST_F(VocabularyTest, UserLabelsReplaceBuiltInOnesAndEmptyOnesLeaveGaps)
{
    Settings::writeText(QStringLiteral("Types"), QStringLiteral("Task3"),
                        QStringLiteral("&A 0Angle raise"));
    Settings::writeText(QStringLiteral("Types"), QStringLiteral("Task4"), QString());
    EXPECT_EQ(Vocabulary::taskName(3), QStringLiteral("Angle raise"));
    EXPECT_EQ(Vocabulary::accelerator(Vocabulary::taskLabel(3)), QLatin1Char('A'));
    const auto list = Vocabulary::taskList();
    EXPECT_EQ(list.size(), 13u);
    EXPECT_EQ(codes(list).mid(3, 2), (QList<int>{3, 5})); // entries keep their codes
}

TEST_F(VocabularyTest, HandleListOffersAdvancedOptionsWhileSwitchedOn)
{
    EXPECT_EQ(codes(Vocabulary::handleList()), (QList<int>{0, 1, 2, 3, 4, 5}));
    Settings::write(Key::Options::AdvancedHandleOptions, 0);
    EXPECT_EQ(names(Vocabulary::handleList()),
              (QStringList{"clockwise (In-turn)", "counter clockwise (Out-turn)"}));
}

TEST_F(VocabularyTest, RemarkListStartsBlankAndSkipsEmptyKeys)
{
    Settings::writeText(QStringLiteral("Types"), QStringLiteral("Remark12"),
                        QStringLiteral("late"));
    Settings::writeText(QStringLiteral("Types"), QStringLiteral("Remark5"), QStringLiteral("pick"));
    Settings::writeText(QStringLiteral("Types"), QStringLiteral("Remark6"), QString());
    Settings::writeText(QStringLiteral("Types"), QStringLiteral("Comment0"), QStringLiteral("ice"));
    EXPECT_EQ(Vocabulary::remarkList(), (QStringList{" ", "pick", "late"}));
    EXPECT_EQ(Vocabulary::commentList(), (QStringList{" ", "ice"}));
}

TEST_F(VocabularyTest, WhatCountsInPercentages)
{
    struct Case
    {
        int task, points;
        bool counts;
    };
    const Case cases[] = {{0, 0, true},   {10, 4, true}, {6, 6, true},
                          {11, 4, false}, {0, 7, false}, {0, 8, false},
                          {0, -1, false}, {12, 3, true}, {0, 9, false}};
    for (const Case& c : cases)
        EXPECT_EQ(Vocabulary::countsInPercentages(c.task, c.points), c.counts)
            << c.task << "/" << c.points;
    EXPECT_TRUE(Vocabulary::isRealShot(10));
    EXPECT_FALSE(Vocabulary::isRealShot(11));
    EXPECT_FALSE(Vocabulary::isRealShot(-1));
}
