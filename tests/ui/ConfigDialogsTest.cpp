#include "ui/config/CategoryDialog.h"
#include "ui/config/CompetitionDialog.h"
#include "ui/config/ConfigMenu.h"
#include "ui/config/EntryDialogs.h"
#include "ui/config/PlayerDialog.h"
#include "ui/config/RegistryBrowsers.h"
#include "ui/config/RegistryListBox.h"
#include "ui/config/StatisticianDialog.h"
#include "ui/config/TeamDialog.h"
#include "ui/config/TypesDialog.h"

#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/config/Config.h"
#include "core/files/Document.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include <deque>
#include <functional>

namespace {

// Acts on the modal dialogs the code under test opens, in order: each step
// waits for a dialog of its class to be the active modal window.
class ModalScript
{
public:
    struct Step
    {
        const char* className;
        std::function<void(QDialog&)> act;
    };

    explicit ModalScript(std::deque<Step> steps) : steps_(std::move(steps))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }
    bool done() const { return steps_.empty(); }

private:
    void poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || steps_.empty() || dialog == last_ ||
            qstrcmp(dialog->metaObject()->className(), steps_.front().className) != 0)
            return;
        last_ = dialog;
        const Step step = steps_.front();
        steps_.pop_front();
        step.act(*dialog);
    }

    std::deque<Step> steps_;
    QTimer timer_;
    QPointer<QDialog> last_;
};

void nameAndAccept(QDialog& dialog, const QString& name)
{
    static_cast<CNameNoteDialog&>(dialog).nameBox()->setText(name);
    dialog.accept();
}

} // namespace

class ConfigDialogsTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        config.path = settingsHome_.filePath(QStringLiteral("test.config"));
        config.ResetToDefaults(false); // one category, My Team kept; saved
    }

    // The registry as the file holds it.
    CConfig saved() const
    {
        QFile file(config.path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        CConfig read;
        EXPECT_TRUE(read.fromBytes(file.readAll()));
        return read;
    }

    CConfig config;
    ScriptedPrompts prompts;
    CTALVStatsDoc doc;
};

TEST_F(ConfigDialogsTest, DisabledRegistryOffersFreeTextWithTheRememberedNames)
{
    config.enabled = false;
    Settings::writeText(QStringLiteral("Setup"), QStringLiteral("Statistician0"),
                        QStringLiteral("Anna"));
    Settings::writeText(QStringLiteral("Setup"), QStringLiteral("Statistician2"),
                        QStringLiteral("Ben"));
    Settings::writeText(QStringLiteral("Setup"), QStringLiteral("Sheet1"), QStringLiteral("B"));
    doc.fields().Competition = {QStringLiteral("WCC"), 0};

    CStatisticianDialog statisticians(doc, config, prompts);
    statisticians.load();
    for (int index = 0; index < 2; ++index) {
        CRegistryListBox* box = statisticians.statistician(index);
        EXPECT_TRUE(box->dropList()->isEditable());
        EXPECT_EQ(box->entries(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Ben")}));
        EXPECT_EQ(box->buildContextMenu(), nullptr);
        EXPECT_FALSE(box->button(QStringLiteral("new"))->isVisibleTo(&statisticians));
    }

    CCompetitionDialog competition(doc, config, prompts);
    competition.load();
    const QStringList sessions = competition.sessionBox()->entries();
    ASSERT_EQ(sessions.size(), 30);
    EXPECT_EQ(sessions.front(), QStringLiteral("Session 1"));
    EXPECT_EQ(sessions.back(), QStringLiteral("Session 30"));
    const QStringList sheets = competition.sheetBox()->entries();
    ASSERT_EQ(sheets.size(), 12);
    EXPECT_EQ(sheets.at(0), Texts::get(5095).arg(1));
    EXPECT_EQ(sheets.at(1), QStringLiteral("B"));
    EXPECT_TRUE(competition.eventBox()->entries().isEmpty()); // no Event%d remembered
    EXPECT_EQ(competition.eventBox()->buildContextMenu(), nullptr);

    // A browser's list has no context menu either.
    CTeamsBrowser teams(config, 0, 0, prompts);
    teams.listBox()->setCurrentRow(0);
    EXPECT_EQ(teams.listBox()->buildContextMenu(), nullptr);
}

TEST_F(ConfigDialogsTest, ContextMenuHoldsOnlyNewWithoutSelection)
{
    CTeamsBrowser teams(config, 0, 0, prompts);
    CRegistryListBox* box = teams.listBox();
    const auto captions = [box] {
        std::unique_ptr<QMenu> menu(box->buildContextMenu());
        QStringList texts;
        for (QAction* action : menu->actions())
            texts.append(action->text().remove(QLatin1Char('&')));
        return texts;
    };
    EXPECT_EQ(captions(), QStringList{QStringLiteral("New…")});
    box->setCurrentRow(1);
    EXPECT_EQ(captions().size(), 4);
    box->button(QStringLiteral("clear"))->click();
    EXPECT_EQ(box->currentRow(), -1);
    EXPECT_EQ(captions().size(), 1);
}

TEST_F(ConfigDialogsTest, TeamDialogProposesTheCodeUntilOneIsTyped)
{
    CTeamEntryDialog dialog(QStringLiteral("Team"), QString(), QString(), QString());
    QTest::keyClicks(dialog.nameBox(), QStringLiteral("Bern A"));
    EXPECT_EQ(dialog.code(), QStringLiteral("BEA"));
    dialog.nameBox()->clear();
    QTest::keyClicks(dialog.nameBox(), QStringLiteral("Bern Zahringer"));
    EXPECT_EQ(dialog.code(), QStringLiteral("BEZ"));
    QTest::keyClicks(dialog.codeBox(), QStringLiteral("X"));
    QTest::keyClicks(dialog.nameBox(), QStringLiteral(" A"));
    EXPECT_EQ(dialog.code(), QStringLiteral("BEZX")); // the user's code stays
}

TEST_F(ConfigDialogsTest, DeletingTheLastStatisticianEmptiesBothListsAndSaves)
{
    config.statisticians = {{1, QStringLiteral("Anna"), QString()}};
    config.Save();
    doc.fields().Competition = {config.categories.front().name, 0};
    CStatisticianDialog page(doc, config, prompts);
    page.load();
    ASSERT_EQ(page.statistician(1)->count(), 1);
    CRegistryListBox* first = page.statistician(0);
    first->setCurrentRow(0);
    first->button(QStringLiteral("delete"))->click();

    EXPECT_EQ(prompts.questions, QStringList{Texts::get(5012).arg(QStringLiteral("Anna"))});
    EXPECT_EQ(first->count(), 0);
    EXPECT_EQ(page.statistician(1)->count(), 0);
    EXPECT_TRUE(config.statisticians.empty());
    EXPECT_TRUE(saved().statisticians.empty());
}

TEST_F(ConfigDialogsTest, NewStatisticianTakesItsPositionAndJoinsBothLists)
{
    config.statisticians = {
        {1, QStringLiteral("A"), {}}, {2, QStringLiteral("B"), {}}, {3, QStringLiteral("C"), {}}};
    doc.fields().Competition.Id = 0;
    CStatisticianDialog page(doc, config, prompts);
    page.load();
    page.statistician(0)->setCurrentRow(1);
    page.statistician(0)->button(QStringLiteral("delete"))->click();

    ModalScript script({{"CNameNoteDialog", [](QDialog& d) { nameAndAccept(d, "D"); }}});
    page.statistician(1)->button(QStringLiteral("new"))->click();
    ASSERT_TRUE(script.done());
    ASSERT_EQ(config.statisticians.size(), 3u);
    EXPECT_EQ(config.statisticians.back().id, 3);
    EXPECT_EQ(saved().statisticians.back().name, QStringLiteral("D"));
    EXPECT_EQ(page.statistician(0)->entries(), page.statistician(1)->entries());
    EXPECT_EQ(page.statistician(1)->currentText(), QStringLiteral("D"));
    EXPECT_EQ(page.statistician(0)->currentRow(), -1);
}

TEST_F(ConfigDialogsTest, CancelAfterAConfirmedTeamsBrowserAsksBeforeRestoring)
{
    const CConfigCategory before = config.categories.front();
    CEventsBrowser events(config, 0, prompts);
    prompts.answers = {true, false, true}; // delete the team; stay; restore
    ModalScript script({{"CTeamsBrowser", [](QDialog& d) {
                             auto& teams = static_cast<CTeamsBrowser&>(d);
                             teams.listBox()->setCurrentRow(1);
                             teams.listBox()->button(QStringLiteral("delete"))->click();
                             d.accept();
                         }}});
    Q_EMIT events.listBox()->opened(0);
    ASSERT_TRUE(script.done());
    EXPECT_EQ(config.categories.front().events.front().teams.size(), 1u);
    EXPECT_EQ(saved().categories.front().events.front().teams.size(), 1u); // OK saved

    events.show();
    events.reject();
    ASSERT_EQ(prompts.questions.size(), 2);
    EXPECT_EQ(prompts.questions.at(1), Texts::get(5135));
    EXPECT_TRUE(events.isVisible()); // Cancel keeps the browser open

    events.reject();
    EXPECT_FALSE(events.isVisible());
    EXPECT_EQ(events.result(), QDialog::Rejected);
    EXPECT_EQ(config.categories.front(), before);
    EXPECT_EQ(saved().categories.front(), before);
}

TEST_F(ConfigDialogsTest, CancelAfterOnlyAddingAnEventClosesWithoutAQuestion)
{
    CEventsBrowser events(config, 0, prompts);
    ModalScript script({{"CNameNoteDialog", [](QDialog& d) { nameAndAccept(d, "Juniors"); }},
                        {"CTeamsBrowser", [](QDialog& d) { d.reject(); }}});
    Q_EMIT events.listBox()->newRequested();
    ASSERT_TRUE(script.done());
    events.show();
    events.reject();
    EXPECT_TRUE(prompts.questions.isEmpty());
    EXPECT_FALSE(events.isVisible());
    const auto& list = config.categories.front().events;
    ASSERT_EQ(list.size(), 4u); // stays in memory
    EXPECT_EQ(list.back().name, QStringLiteral("Juniors"));
    EXPECT_EQ(list.back().id, 4);
    EXPECT_EQ(list.back().teams.size(), 2u);
    EXPECT_EQ(saved().categories.front().events.size(), 3u); // not written yet
}

TEST_F(ConfigDialogsTest, PlayersBrowserCancelPutsTheTeamBack)
{
    const CConfigTeam before = config.categories.front().events.front().teams.front();
    CPlayersBrowser players(config, 0, 0, 0, prompts);
    EXPECT_EQ(players.listBox()->entries().at(3),
              before.players.at(3).name + QStringLiteral("\t4\tSkip"));
    players.listBox()->setCurrentRow(0);
    players.listBox()->button(QStringLiteral("delete"))->click();
    ASSERT_EQ(config.myTeam()->players.size(), 4u);
    players.show();
    players.reject();
    EXPECT_TRUE(prompts.questions.size() == 1); // only the delete question
    EXPECT_EQ(*config.myTeam(), before);
    EXPECT_EQ(saved().categories.front().events.front().teams.front(), before);
}

TEST_F(ConfigDialogsTest, CompetitionConfirmWritesTheDocumentAndTheRememberedValues)
{
    doc.fields().Competition = {config.categories.front().name, 0};
    CCompetitionDialog page(doc, config, prompts);
    page.load();
    page.eventBox()->setCurrentRow(1);
    page.sessionBox()->setCurrentRow(2);
    page.sheetBox()->setCurrentRow(-1); // counts as the first entry
    page.cityBox()->setText(QStringLiteral("Bern"));
    page.endsBox()->setCurrentIndex(7);
    page.dateBox()->setDate(QDate(2026, 12, 8));
    page.timeBox()->setTime(QTime(14, 30));
    ASSERT_TRUE(page.confirm());

    const DocumentFields& fields = doc.fields();
    EXPECT_EQ(fields.Event.Id, 1);
    EXPECT_EQ(fields.Event.Text, config.categories.front().events.at(1).name);
    EXPECT_EQ(fields.Session.Id, 2);
    EXPECT_EQ(fields.Sheet.Id, 0);
    EXPECT_EQ(fields.Sheet.Text, config.sheets.front().name);
    EXPECT_EQ(fields.GameDate.toDateTime(), QDateTime(QDate(2026, 12, 8), QTime(14, 30)));
    EXPECT_EQ(doc.game().TotalEnds, 7);
    EXPECT_EQ(doc.game().TeamTimer[0], 438 * 8);
    EXPECT_EQ(doc.game().TeamTimer[1], 438 * 8);

    using namespace Key::MRU;
    EXPECT_EQ(Settings::read(City), QStringLiteral("Bern"));
    EXPECT_EQ(Settings::read(EventID), 1);
    EXPECT_EQ(Settings::read(Event), fields.Event.Text);
    EXPECT_EQ(Settings::read(SessionID), 2);
    EXPECT_EQ(Settings::read(Sheet), fields.Sheet.Text);
    EXPECT_EQ(Settings::read(TotalEnds), 7);
    // Not a mixed-doubles game: the stone-A setting is left as it was.
    EXPECT_FALSE(
        Settings::contains(QStringLiteral("Options"), QStringLiteral("MixedDoubles_StoneA")));
}

TEST_F(ConfigDialogsTest, StoneASliderScale)
{
    EXPECT_EQ(CCompetitionDialog::stoneAOfSlider(27), 1916);
    EXPECT_EQ(CCompetitionDialog::sliderOfStoneA(1000), 0);
    EXPECT_EQ(CCompetitionDialog::sliderOfStoneA(2150), 100);
    EXPECT_EQ(CCompetitionDialog::sliderOfStoneA(9999), 200);
}

TEST_F(ConfigDialogsTest, TeamConfirmProposesMissingCodesAndSeparatesEqualOnes)
{
    struct Case
    {
        qint16 competition;
        const char *name1, *name2, *code1, *code2;
    } cases[] = {
        {-1, "Bern A", "Bern Zahringer A", "BEA", "BZA"},
        {-1, "Curlers", "Curlers", "CUR", "CUR2"},
        {-2, "AB", "AB", "AB", "AB2"},
    };
    config.enabled = false;
    for (const Case& c : cases) {
        doc.fields().Competition.Id = c.competition;
        CTeamDialog page(doc, config, prompts);
        page.load();
        for (int team = 0; team < 2; ++team) {
            page.teamBox(team)->setCurrentText(QLatin1String(team == 0 ? c.name1 : c.name2));
            page.codeBox(team)->clear();
        }
        ASSERT_TRUE(page.confirm());
        EXPECT_EQ(doc.game().Teams[0].Text, QLatin1String(c.name1));
        EXPECT_EQ(doc.game().Teams[0].ShortName, QLatin1String(c.code1)) << c.name1;
        EXPECT_EQ(doc.game().Teams[1].ShortName, QLatin1String(c.code2)) << c.name2;
    }
}

TEST_F(ConfigDialogsTest, RegistryTeamsOnShowBringTheirCodes)
{
    // A new game's "Team 1" / "Team 2" facing the first category's first event.
    doc.fields().Competition = {QStringLiteral("x"), 0};
    doc.fields().Event = {QStringLiteral("x"), 0};
    doc.game().Teams[0].ShortName = QStringLiteral("Te1");
    doc.game().Teams[1].ShortName = QStringLiteral("Te2");
    const CConfigEvent& event = config.categories[0].events[0];
    CTeamDialog page(doc, config, prompts);
    page.load();
    ASSERT_TRUE(page.confirm());
    for (int team = 0; team < 2; ++team) {
        const CConfigTeam& registry = event.teams[std::size_t(team)];
        EXPECT_EQ(doc.game().Teams[std::size_t(team)].Text, registry.name);
        EXPECT_EQ(doc.game().Teams[std::size_t(team)].ShortName, registry.code);
    }
}

TEST_F(ConfigDialogsTest, MyTeamModeCopiesMyTeamIntoTheGameAndCanPlaceItSecond)
{
    const CConfigTeam myTeam = *config.myTeam();
    CCategoryDialog category(doc, config, prompts);
    category.load();
    EXPECT_EQ(category.myTeamLine(), Texts::get(5010) + QStringLiteral(": ") + myTeam.name +
                                         QStringLiteral(" (") + myTeam.code + QLatin1Char(')'));
    category.myTeamChoice()->setChecked(true);
    ASSERT_TRUE(category.confirm());
    EXPECT_EQ(doc.fields().Competition.Id, -2);
    EXPECT_EQ(Settings::read(Key::MRU::CompetitionID), -2);
    EXPECT_EQ(doc.game().Teams[0].ShortName, myTeam.code);
    EXPECT_EQ(doc.game().Teams[0].Players[3].Role, QStringLiteral("Skip"));

    CTeamDialog teams(doc, config, prompts);
    teams.load();
    ASSERT_TRUE(teams.myTeamSecondBox()->isVisibleTo(&teams));
    teams.teamBox(1)->setCurrentText(QStringLiteral("Bern"));
    teams.myTeamSecondBox()->setChecked(true);
    ASSERT_TRUE(teams.confirm());
    EXPECT_EQ(doc.game().Teams[1].ShortName, myTeam.code);
    EXPECT_EQ(doc.game().Teams[0].Text, QStringLiteral("Bern"));
}

TEST_F(ConfigDialogsTest, ResetToDefaultsNeedsBothAnswers)
{
    config.categories.push_back(CConfig::DefaultCategory(QStringLiteral("Extra")));
    CCategoryDialog page(doc, config, prompts);
    page.load();
    prompts.answers = {false};
    page.resetToDefaults();
    EXPECT_EQ(config.categories.size(), 2u);
    prompts.answers = {true, true}; // reset, and My Team as well
    page.resetToDefaults();
    EXPECT_EQ(prompts.questions.at(2), Texts::get(5148));
    EXPECT_EQ(page.categories()->count(), 1);
    EXPECT_EQ(config.myTeam()->name, Texts::get(5015).arg(1)); // not kept
}

TEST_F(ConfigDialogsTest, ConfigMenuEnablesNewCategoryOnlyBeforeTheGameStarts)
{
    QMenu menu;
    ConfigMenu commands(
        &menu, config, prompts, [this] { return &doc; }, nullptr);
    const auto action = [&menu](int id) -> QAction* {
        for (QAction* a : menu.actions())
            if (a->data().toInt() == id)
                return a;
        return nullptr;
    };
    ASSERT_NE(action(ConfigMenu::FirstCategoryCommand), nullptr);
    EXPECT_EQ(action(ConfigMenu::FirstCategoryCommand + 1), nullptr);
    EXPECT_TRUE(action(ConfigMenu::NewCategoryCommand)->isEnabled());
    doc.game().GameState = 6;
    commands.refresh();
    EXPECT_FALSE(action(ConfigMenu::NewCategoryCommand)->isEnabled());
    EXPECT_TRUE(action(ConfigMenu::ExportCommand)->isEnabled());

    doc.game().GameState = 1;
    ModalScript script({{"CNameNoteDialog", [](QDialog& d) { nameAndAccept(d, "Cup"); }},
                        {"CEventsBrowser", [](QDialog& d) { d.accept(); }}});
    commands.run(ConfigMenu::NewCategoryCommand);
    ASSERT_TRUE(script.done());
    EXPECT_EQ(saved().categories.back().name, QStringLiteral("Cup"));
    EXPECT_EQ(config.categories.back().id, 2);
    EXPECT_EQ(config.categories.back().events.size(), 3u);
}

TEST_F(ConfigDialogsTest, TypesDialogAddsTheTextOnlyWhenTicked)
{
    CTypesDialog dialog(QStringLiteral("Remark"), Key::Types::RemarkN);
    dialog.textBox()->setText(QStringLiteral("Wide"));
    dialog.accept();
    EXPECT_EQ(dialog.remember(), -1);
    EXPECT_FALSE(Settings::contains(QStringLiteral("Types"), QStringLiteral("Remark0")));

    dialog.addToListBox()->setChecked(true);
    EXPECT_EQ(dialog.remember(), 0);
    EXPECT_EQ(Settings::readText(QStringLiteral("Types"), QStringLiteral("Remark0"), {}),
              QStringLiteral("Wide"));
    EXPECT_EQ(dialog.remember(), -1); // there already: nothing to add to the list
    dialog.reject();
    EXPECT_EQ(dialog.remember(), -1);
}

TEST_F(ConfigDialogsTest, NewPlayerOnThePlayerPageTakesTheLargestIdentifierPlusOne)
{
    std::vector<CConfigPlayer>& players = config.myTeam()->players;
    players.resize(3);
    players[0].id = 1;
    players[1].id = 2;
    players[2].id = 5;
    doc.fields().Competition = {config.categories.front().name, 0};
    doc.fields().Event.Id = 0;
    doc.game().Teams[0].Id = 0;
    CPlayerDialog page(doc, config, prompts, 0);
    page.load();
    ASSERT_TRUE(page.registryPlayers()->isVisibleTo(&page));
    EXPECT_EQ(page.playerBox(0)->count(), 3);

    ModalScript script({{"CPlayerEntryDialog", [](QDialog& d) {
                             static_cast<CPlayerEntryDialog&>(d).nameBox()->setText("Eve");
                             d.accept();
                         }}});
    page.registryPlayers()->button(QStringLiteral("new"))->click();
    ASSERT_TRUE(script.done());
    EXPECT_EQ(config.myTeam()->players.back().id, 6);
    EXPECT_EQ(saved().categories.front().events.front().teams.front().players.back().name,
              QStringLiteral("Eve"));
    EXPECT_EQ(page.playerBox(4)->count(), 4);

    // The skip mark moves to the one chosen.
    page.skipBox(1)->setChecked(true);
    ASSERT_TRUE(page.confirm());
    EXPECT_EQ(doc.game().Teams[0].Players[1].Role, QStringLiteral("Skip"));
    EXPECT_FALSE(doc.game().Teams[0].Players[3].isSkip());
}
