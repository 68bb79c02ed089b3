#include "ui/entry/EntryDialogRunner.h"
#include "ui/entry/MixedDoublesDialog.h"
#include "ui/stats/QuickViewWindow.h"

#include "core/base/Texts.h"
#include "core/files/Document.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>

namespace {

template <typename T> T* child(QWidget& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_TRUE(found) << name;
    return found;
}

void clickRow(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

int selectedRow(QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void press(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
}

} // namespace

class ShotEntryDialogsTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        doc_ = std::make_unique<CTALVStatsDoc>();
        runner_ = std::make_unique<EntryDialogRunner>(nullptr, *doc_);
    }

    std::unique_ptr<CTALVStatsDoc> doc_;
    std::unique_ptr<EntryDialogRunner> runner_;
};

TEST_F(ShotEntryDialogsTest, EndResultListsLetOnlyOneTeamScoreAndOkHandsBackTheScores)
{
    ResultDialogModel model(4);
    model.setTeamLabels(QStringLiteral("Sweden"), QStringLiteral("Canada & Co"));
    runner_->whileOpen = [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), Texts::get(5091).arg(5));
        EXPECT_EQ(child<QLabel>(dialog, "1234")->text(), QStringLiteral("Canada & Co"));
        EXPECT_TRUE(child<QPushButton>(dialog, "1039")->isHidden());
        auto* team1 = child<QListWidget>(dialog, "1237");
        auto* team2 = child<QListWidget>(dialog, "1238");
        EXPECT_EQ(selectedRow(team1), -1);
        EXPECT_EQ(selectedRow(team2), -1);

        clickRow(team1, 3);
        EXPECT_EQ(selectedRow(team1), 3);
        EXPECT_EQ(selectedRow(team2), 0);
        clickRow(team2, ResultDialogModel::NotCounted);
        EXPECT_EQ(selectedRow(team1), ResultDialogModel::NotCounted);
        EXPECT_EQ(team1->currentItem()->text(), QStringLiteral("X"));
        press(dialog, QDialogButtonBox::Ok);
    };
    ASSERT_TRUE(runner_->runResultDialog(model));
    EXPECT_EQ(model.score(0), ResultDialogModel::NotCounted);
    EXPECT_EQ(model.score(1), ResultDialogModel::NotCounted);
    EXPECT_EQ(model.chosenText(), QStringLiteral("9"));
}

TEST_F(ShotEntryDialogsTest, CancelLeavesEveryModelAsItWas)
{
    ResultDialogModel result(0);
    result.setScores(2, 0);
    result.databaseButtonVisible = true;
    runner_->whileOpen = [](QDialog& dialog) {
        EXPECT_FALSE(child<QPushButton>(dialog, "1039")->isHidden());
        auto* team1 = child<QListWidget>(dialog, "1237");
        auto* team2 = child<QListWidget>(dialog, "1238");
        EXPECT_EQ(selectedRow(team1), 2); // the stored scores are preset
        EXPECT_EQ(selectedRow(team2), 0);
        clickRow(team2, 4);
        EXPECT_EQ(selectedRow(team1), 0);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    };
    EXPECT_FALSE(runner_->runResultDialog(result));
    EXPECT_EQ(result.score(0), 2);
    EXPECT_EQ(result.score(1), 0);
    EXPECT_TRUE(result.chosenText().isEmpty());

    MixedDoublesDialogModel mixed = MixedDoublesDialogModel::forTeam(doc_->game());
    const int presetTeam = mixed.team();
    runner_->whileOpen = [presetTeam](QDialog& dialog) {
        child<QAbstractButton>(dialog, presetTeam == 0 ? "choice2" : "choice1")->click();
        child<QCheckBox>(dialog, "3053")->click();
        child<QAbstractButton>(dialog, "3054")->click();
        press(dialog, QDialogButtonBox::Cancel);
    };
    EXPECT_FALSE(runner_->runMixedDoublesDialog(mixed));
    EXPECT_EQ(mixed.team(), presetTeam);
    EXPECT_EQ(mixed.powerPlayValue(), 0);

    GameTimerSetting timer;
    timer.Minutes1 = 73;
    runner_->whileOpen = [](QDialog& dialog) {
        child<QSpinBox>(dialog, "minutes1")->setValue(10);
        press(dialog, QDialogButtonBox::Cancel);
    };
    EXPECT_FALSE(runner_->edit(timer));
    EXPECT_EQ(timer.Minutes1, 73u);
}

TEST_F(ShotEntryDialogsTest, PowerPlayBoxEnablesTheSidesAndOkReturnsTeamAndSide)
{
    struct Case
    {
        const char* side; // clicked after the box was checked
        bool boxClearedAgain;
        int expected;
    };
    const Case cases[] = {{"3054", false, 2}, {"3055", false, 1}, {"3055", true, 0}};
    for (const Case& c : cases) {
        MixedDoublesDialogModel model = MixedDoublesDialogModel::forTeam(doc_->game());
        runner_->whileOpen = [&c](QDialog& dialog) {
            auto* box = child<QCheckBox>(dialog, "3053");
            auto* left = child<QAbstractButton>(dialog, "3054");
            auto* right = child<QAbstractButton>(dialog, "3055");
            EXPECT_TRUE(box->isVisible());
            EXPECT_FALSE(box->isChecked());
            EXPECT_FALSE(left->isEnabled());
            EXPECT_FALSE(right->isEnabled());
            box->click();
            EXPECT_TRUE(left->isEnabled());
            EXPECT_TRUE(right->isEnabled());
            child<QAbstractButton>(dialog, c.side)->click();
            if (c.boxClearedAgain) {
                box->click();
                EXPECT_FALSE(right->isEnabled());
            }
            child<QAbstractButton>(dialog, "choice2")->click();
            press(dialog, QDialogButtonBox::Ok);
        };
        ASSERT_TRUE(runner_->runMixedDoublesDialog(model)) << c.side;
        EXPECT_EQ(model.team(), 1) << c.side;
        EXPECT_EQ(model.powerPlayValue(), c.expected) << c.side;
    }
}

TEST_F(ShotEntryDialogsTest, PlayerModeHidesPowerPlayAndShowsThePrompt)
{
    const CMixedDoublesDialog dialog(MixedDoublesDialogModel::forPlayer(doc_->game()));
    const QString team = doc_->game().GetTeamName(doc_->game().CurrentTeamSlot());
    EXPECT_FALSE(dialog.findChild<QCheckBox*>(QStringLiteral("3053"))->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.findChild<QAbstractButton*>(QStringLiteral("3054"))->isVisibleTo(&dialog));
    bool promptShown = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        promptShown |= label->text() == Texts::get(5066).arg(team);
    EXPECT_TRUE(promptShown);
}

TEST_F(ShotEntryDialogsTest, SameTimeForBothDisablesTeamTwosFields)
{
    GameTimerSetting setting;
    setting.Label1 = QStringLiteral("SWE");
    setting.Label2 = QStringLiteral("CAN");
    setting.Minutes1 = 40;
    setting.Minutes2 = 35;
    setting.Seconds2 = 20;
    runner_->whileOpen = [](QDialog& dialog) {
        auto* same = child<QCheckBox>(dialog, "sameForBoth");
        auto* minutes2 = child<QSpinBox>(dialog, "minutes2");
        auto* seconds2 = child<QSpinBox>(dialog, "seconds2");
        EXPECT_EQ(child<QLabel>(dialog, "label2")->text(), QStringLiteral("CAN"));
        EXPECT_TRUE(same->isChecked());
        EXPECT_FALSE(minutes2->isEnabled());
        EXPECT_FALSE(seconds2->isEnabled());
        same->click();
        EXPECT_TRUE(minutes2->isEnabled());
        EXPECT_TRUE(seconds2->isEnabled());
        minutes2->setValue(12);
        child<QSpinBox>(dialog, "seconds1")->setValue(59);
        press(dialog, QDialogButtonBox::Ok);
    };
    ASSERT_TRUE(runner_->edit(setting));
    EXPECT_FALSE(setting.SameForBoth);
    EXPECT_EQ(setting.Minutes1, 40u);
    EXPECT_EQ(setting.Seconds1, 59u);
    EXPECT_EQ(setting.Minutes2, 12u);
    EXPECT_EQ(setting.Seconds2, 20u);
    EXPECT_EQ(setting.Label1, QStringLiteral("SWE"));
}

TEST_F(ShotEntryDialogsTest, PlayerDialogPreselectsNobodyAndOkWaitsForAChoice)
{
    const QStringList names{QStringLiteral("Anna"), QStringLiteral("Britt"),
                            QStringLiteral("Cecilia")};
    int choice = -1;
    runner_->whileOpen = [](QDialog& dialog) {
        auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        EXPECT_FALSE(ok->isEnabled());
        clickRow(child<QListWidget>(dialog, "players"), 2);
        EXPECT_TRUE(ok->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Return); // OK is the default button
    };
    ASSERT_TRUE(runner_->choosePlayer(names, choice));
    EXPECT_EQ(choice, 2);
}

TEST_F(ShotEntryDialogsTest, LateTeamOkWaitsForAChoice)
{
    doc_->game().Teams[1].TeamCounter2 = -1; // nothing stored yet
    LateTeamDialogModel model(doc_->game());
    runner_->whileOpen = [](QDialog& dialog) {
        auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        EXPECT_FALSE(ok->isEnabled());
        child<QAbstractButton>(dialog, "team1")->click();
        EXPECT_TRUE(ok->isEnabled());
        press(dialog, QDialogButtonBox::Ok);
    };
    ASSERT_TRUE(runner_->runLateTeamDialog(model));
    EXPECT_TRUE(model.team1IsLate());
}

TEST_F(ShotEntryDialogsTest, MisTextIsKeptOnOkOnlyAndGoingThereLeavesOnlyClosing)
{
    CGame& game = doc_->game();
    game.setMisPosition({1, 2, 1, 0});
    game.MisLabel = QStringLiteral("Last stone");
    doc_->SetModifiedFlag(false);
    QMainWindow main;
    EntryDialogRunner runner(&main, *doc_);
    ScriptedPrompts prompts;
    QList<QList<int>> jumps;
    MisDialogModel model(*doc_, prompts, [&](int end, int order, int stoneIndex) {
        jumps.append({end, order, stoneIndex});
        doc_->StatusText = QStringLiteral("End 2");
    });

    runner.whileOpen = [&main](QDialog& dialog) {
        auto* text = child<QLineEdit>(dialog, "misLabel");
        auto* go = child<QPushButton>(dialog, "32051");
        EXPECT_EQ(text->text(), QStringLiteral("Last stone"));
        QTest::keyClicks(text, QStringLiteral(" of the game"));
        EXPECT_TRUE(go->isEnabled());
        QTest::mouseClick(go, Qt::LeftButton);
        EXPECT_EQ(main.statusBar()->currentMessage(), QStringLiteral("End 2"));
        EXPECT_FALSE(go->isEnabled());
        EXPECT_FALSE(text->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Escape); // closing still works
    };
    runner.runMisDialog(model);
    EXPECT_EQ(jumps, (QList<QList<int>>{{1, 0, 5}}));
    EXPECT_EQ(game.MisLabel, QStringLiteral("Last stone"));
    EXPECT_FALSE(doc_->IsModified());

    runner.whileOpen = [](QDialog& dialog) {
        child<QLineEdit>(dialog, "misLabel")->setText(QStringLiteral("Double takeout"));
        press(dialog, QDialogButtonBox::Ok);
    };
    runner.runMisDialog(model);
    EXPECT_EQ(game.MisLabel, QStringLiteral("Double takeout"));
    EXPECT_TRUE(doc_->IsModified());
}

TEST_F(ShotEntryDialogsTest, QuickViewShowsTheModelAndGreysTheMissingSecond)
{
    QuickViewModel model;
    model.title = QStringLiteral("Quick view");
    model.teams[1].name = QStringLiteral("Canada");
    model.teams[1].figure = QStringLiteral(" 81 %");
    model.teams[1].rows[1] = {QStringLiteral("Ben (2)"), QStringLiteral("- %"), true};
    model.teams[1].rows[3] = {QStringLiteral("Dan (4)"), QStringLiteral(" 90 %"), false};

    CQuickViewWindow window;
    window.showModel(model);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quick view"));
    EXPECT_EQ(child<QLabel>(window, "team2Name")->text(), QStringLiteral("Canada"));
    EXPECT_EQ(child<QLabel>(window, "team2Figure")->text(), QStringLiteral(" 81 %"));
    EXPECT_EQ(child<QLabel>(window, "team2Row3Figure")->text(), QStringLiteral(" 90 %"));
    EXPECT_FALSE(child<QLabel>(window, "team2Row1Label")->isEnabled());
    EXPECT_TRUE(child<QLabel>(window, "team2Row3Label")->isEnabled());

    model.teams[1].rows[1].greyed = false; // a fourth player joined
    window.showModel(model);
    EXPECT_TRUE(child<QLabel>(window, "team2Row1Figure")->isEnabled());
}
