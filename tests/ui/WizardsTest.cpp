#include "ui/app/MainWindow.h"
#include "ui/app/StartUp.h"
#include "ui/config/CategoryDialog.h"
#include "ui/config/PlayerDialog.h"
#include "ui/entry/EntryDialogRunner.h"
#include "ui/wizard/HandleDialog.h"
#include "ui/wizard/LSFEDialog.h"
#include "ui/wizard/LineupDialog.h"
#include "ui/wizard/LineupWizard.h"
#include "ui/wizard/SetupWizard.h"
#include "ui/wizard/SummaryWizard.h"

#include "core/base/Texts.h"
#include "core/config/ApplicationConfig.h"
#include "core/files/Document.h"
#include "core/files/DocumentManager.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

class WizardsTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        doc_ = std::make_unique<CTALVStatsDoc>();
        doc_->OnNewDocument();
    }
    CGame& game() { return doc_->game(); }
    // The pages of a wizard in their order.
    static QList<QWizardPage*> pagesOf(const QWizard& wizard)
    {
        QList<QWizardPage*> pages;
        for (const int id : wizard.pageIds())
            pages.append(wizard.page(id));
        return pages;
    }

    ScriptedPrompts prompts_;
    std::unique_ptr<CTALVStatsDoc> doc_;
};

TEST_F(WizardsTest, SetupWizardShowsTheCategoryOnlyBeforeTheGameStarts)
{
    struct Case
    {
        int state;
        int pages;
        bool category;
    };
    for (const Case& c : {Case{1, 10, true}, Case{6, 9, false}}) {
        game().GameState = c.state;
        const CSetupWizard wizard(*doc_, applicationConfig(), prompts_, SetupPage::Whole);
        const QList<QWizardPage*> pages = pagesOf(wizard);
        ASSERT_EQ(pages.size(), c.pages) << c.state;
        EXPECT_EQ(qobject_cast<CCategoryDialog*>(pages[1]) != nullptr, c.category);
        // Stone colours, last stone and statistician come before the finish page.
        EXPECT_TRUE(qobject_cast<CHandleDialog*>(pages[c.pages - 4]));
        EXPECT_TRUE(qobject_cast<CLSFEDialog*>(pages[c.pages - 3]));
        EXPECT_TRUE(qobject_cast<CPlayerDialog*>(pages[c.pages - 5]));
        EXPECT_TRUE(qobject_cast<CPlayerDialog*>(pages[c.pages - 6]));
    }
}

TEST_F(WizardsTest, ASinglePageHasTheCaptionAndOkButPlayersComeAsTwoPages)
{
    CSetupWizard colours(*doc_, applicationConfig(), prompts_, SetupPage::StoneColours);
    ASSERT_EQ(pagesOf(colours).size(), 1);
    EXPECT_EQ(colours.windowTitle(), Texts::get(5117));
    EXPECT_EQ(colours.buttonText(QWizard::FinishButton), QStringLiteral("OK"));

    const CSetupWizard players(*doc_, applicationConfig(), prompts_, SetupPage::Players);
    EXPECT_EQ(pagesOf(players).size(), 2);
}

TEST_F(WizardsTest, PagesOfANewGameWithoutNamesShowTeamOneAndTeamTwo)
{
    game().Teams[0].Text.clear();
    game().Teams[1].Text.clear();
    const CLSFEDialog lastStone(*doc_);
    EXPECT_EQ(lastStone.teamChoice(0)->text(), QStringLiteral("Team 1"));
    EXPECT_EQ(lastStone.teamChoice(1)->text(), QStringLiteral("Team 2"));
    EXPECT_TRUE(lastStone.teamChoice(1)->isChecked());
    const CHandleDialog colours(*doc_);
    EXPECT_TRUE(colours.subTitle().contains(QStringLiteral("Team 1")));
}

TEST_F(WizardsTest, LastStonePageIsLockedAfterTheFirstEndAndStoresItsChoiceOtherwise)
{
    CLSFEDialog page(*doc_);
    page.teamChoice(0)->setChecked(true);
    EXPECT_TRUE(page.validatePage());
    EXPECT_EQ(game().Ends[0].FirstThrowerFlag, 1);

    game().GameState = 6;
    game().CurrentEnd = 1;
    page.initializePage();
    EXPECT_FALSE(page.teamChoice(0)->isEnabled());
    EXPECT_FALSE(page.teamChoice(1)->isEnabled());
}

TEST_F(WizardsTest, StoneColoursPageExchangesTheColoursOnAChangedChoice)
{
    const qint32 dark = doc_->fields().Dark;
    CHandleDialog page(*doc_);
    page.colourChoice(0)->setChecked(true);
    EXPECT_TRUE(page.validatePage());
    EXPECT_EQ(game().GameValue2, 0);
    EXPECT_EQ(doc_->fields().Light, dark);
    EXPECT_TRUE(page.colourChoice(0)->isChecked()); // shown again after the exchange
}

TEST_F(WizardsTest, LineupListsExchangeTheirChoices)
{
    CLineupDialog page(*doc_, 0);
    Q_EMIT page.slotList(1)->activated(3); // the fourth's player chosen as second
    EXPECT_EQ(page.slotList(1)->currentIndex(), 3);
    EXPECT_EQ(page.slotList(3)->currentIndex(), 1);
    EXPECT_TRUE(page.skipChoice(3)->isChecked());

    page.renamePlayerIn(1, QStringLiteral("Robin"));
    for (int slot = 0; slot < LineupModel::SlotCount; ++slot)
        EXPECT_EQ(page.slotList(slot)->itemText(3), QStringLiteral("Robin")) << slot;
    EXPECT_EQ(page.slotList(1)->currentText(), QStringLiteral("Robin"));
}

TEST_F(WizardsTest, LineupSheetOpensAtTheTeamAndWritesOnlyOnOk)
{
    game().Teams[0].Text = QStringLiteral("Reds");
    game().Teams[1].Text.clear();
    for (const bool ok : {false, true}) {
        CLineupWizard sheet(*doc_, 1);
        EXPECT_EQ(sheet.tabs()->currentIndex(), 1);
        EXPECT_EQ(sheet.tabs()->tabText(0), QStringLiteral("Reds"));
        EXPECT_EQ(sheet.tabs()->tabText(1), Texts::get(5015).arg(2));
        sheet.page(1)->threePlayers()->setChecked(true);
        ok ? sheet.accept() : sheet.reject();
        EXPECT_EQ(game().Ends[3].GetLineupPlayer(1, 1, false) == CPlayer::NoPlayerId, ok);
    }
}

TEST_F(WizardsTest, SummaryTextsRoundTripAndCancelDiscards)
{
    game().SummaryText3 = QStringLiteral("won the last end");
    for (const bool finish : {false, true}) {
        CSummaryWizard wizard(*doc_);
        EXPECT_EQ(wizard.textPage(3)->text(), QStringLiteral("won the last end"));
        EXPECT_EQ(wizard.textPage(2)->title(), SummaryTexts::pageTitle(2));
        wizard.textPage(1)->editor()->setPlainText(QStringLiteral("good draws"));
        finish ? wizard.accept() : wizard.reject();
        EXPECT_EQ(game().SummaryText1.isEmpty(), !finish);
    }
    EXPECT_EQ(game().SummaryText3, QStringLiteral("won the last end"));
}

TEST_F(WizardsTest, RunnerRunsEachWizardModally)
{
    QWidget parent;
    EntryDialogRunner runner(&parent, *doc_);
    QStringList seen;
    runner.whileOpen = [&](QDialog& dialog) {
        seen.append(QLatin1String(dialog.metaObject()->className()));
        dialog.reject();
    };
    EXPECT_FALSE(runner.runSetupWizard(SetupPage::LastStone));
    EXPECT_FALSE(runner.runLineupWizard(0));
    EXPECT_FALSE(runner.runSummaryWizard());
    EXPECT_EQ(seen, QStringList({QStringLiteral("CSetupWizard"), QStringLiteral("CLineupWizard"),
                                 QStringLiteral("CSummaryWizard")}));
}

TEST_F(WizardsTest, TheProgramsNewGameOpensTheSetupWizard)
{
    StartOptions options;
    options.postSetupWizard = true;
    const StartedProgram program = startProgram(prompts_, options);
    ASSERT_TRUE(program.window);
    QString opened;
    int stateWhileOpen = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = QLatin1String(modal->metaObject()->className());
            stateWhileOpen = program.document->game().GameState;
            qobject_cast<QDialog*>(modal)->reject();
        }
    });
    poll.start(20);
    QTRY_VERIFY_WITH_TIMEOUT(!opened.isEmpty(), 5000);
    EXPECT_EQ(opened, QStringLiteral("CSetupWizard"));
    EXPECT_EQ(stateWhileOpen, 2);
    EXPECT_EQ(program.document->game().GameState, 1); // cancelled
}
