#include "core/config/ConfigEditing.h"
#include "core/config/TeamCode.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QFile>
#include <QTranslator>

#include <limits>

using ConfigEditing::BrowserCommit;

TEST(TeamCodeTest, ProposalFromTheName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Bern A", "BEA"},
        {"Bern Zahringer A", "BZA"},
        {"Bern Zahringer", "BEZ"},
        {"Curlers", "CUR"},
        {"AB", "AB"},
        {"ab", "AB"},
        {"", ""},
        {"Bern ", "BER"},
        {"St. Moritz 2", "SM2"},
        {"bern zahringer", "BEZ"},
    };
    for (const auto& [name, code] : cases)
        EXPECT_EQ(proposeTeamCode(QLatin1String(name)), QLatin1String(code)) << name;
}

TEST(IdentifierTest, PositionAndLargestRules)
{
    // Statisticians 1, 2, 3 with the second deleted: the new one is third again.
    std::vector<CConfigBase> statisticians{{1, {}, {}}, {3, {}, {}}};
    EXPECT_EQ(ConfigEditing::positionId(statisticians.size()), 3);
    EXPECT_EQ(ConfigEditing::nextLargestId(statisticians), 4);

    std::vector<CConfigPlayer> players(3);
    players[0].id = 1;
    players[1].id = 2;
    players[2].id = 5;
    EXPECT_EQ(ConfigEditing::nextLargestId(players), 6);
    EXPECT_EQ(ConfigEditing::nextLargestId(std::vector<CConfigCategory>{}), 1);
    EXPECT_EQ(ConfigEditing::positionId(0), 1);

    // An imported list may already hold the largest id there is.
    players[1].id = std::numeric_limits<qint32>::max();
    EXPECT_EQ(ConfigEditing::nextLargestId(players), 2);
}

class ConfigEditingTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        Settings::write(Key::Setup::ConfigPath, folder_.path());
        config_.Load();
    }
    QByteArray savedBytes() const
    {
        QFile in(config_.path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QTemporaryDir folder_;
    CConfig config_;
    ScriptedPrompts prompts_;
};

TEST_F(ConfigEditingTest, TeamEdit)
{
    struct Case
    {
        const char *name, *code, *expectedName, *expectedCode;
        const char* firstPlayer; // after the edit; it starts as "Bern Player 1"
    };
    const Case cases[] = {
        {"Bern", "brn", "Bern", "BRN", "BRN Player 1"},
        {"Bern A", "", "Bern A", "BEA", "Bern Player 1"},
        {"", "", "Team 3", "TE3", "Bern Player 1"},
    };
    for (const Case& c : cases) {
        CConfigTeam team = CConfig::DefaultTeam(QStringLiteral("Old"));
        team.players[0].name = QStringLiteral("Bern Player 1");
        ConfigEditing::editTeam(team, QLatin1String(c.name), QLatin1String(c.code),
                                QStringLiteral("note"), 3);
        EXPECT_EQ(team.name, QLatin1String(c.expectedName));
        EXPECT_EQ(team.code, QLatin1String(c.expectedCode));
        EXPECT_EQ(team.note, QStringLiteral("note"));
        EXPECT_EQ(team.players[0].name, QLatin1String(c.firstPlayer)) << c.name;
        // Players named after the earlier code keep their names.
        EXPECT_EQ(team.players[1].name, QStringLiteral("OLd Player 2"));
    }
}

TEST_F(ConfigEditingTest, TeamEditWithoutTextsLeavesPlayersAlone)
{
    Texts::setModule(nullptr);
    CConfigTeam team = CConfig::DefaultTeam(QStringLiteral("Old"));
    const std::vector<CConfigPlayer> players = team.players;
    ConfigEditing::editTeam(team, {}, QStringLiteral("x"), {}, 2);
    EXPECT_TRUE(team.name.isEmpty());
    EXPECT_EQ(team.code, QStringLiteral("X"));
    EXPECT_EQ(team.players, players);
}

TEST_F(ConfigEditingTest, BrowserCommitRule)
{
    using Commit = BrowserCommit<CConfigEvent>;
    struct Case
    {
        Commit::Level level;
        bool childAccepted;
        bool answer;
        bool asked, closes, restored, saved;
    };
    const Case cases[] = {
        {Commit::Level::Players, false, true, false, true, true, true},
        {Commit::Level::Players, true, true, false, true, true, true},
        {Commit::Level::Teams, false, true, false, true, false, false},
        {Commit::Level::Events, false, true, false, true, false, false},
        {Commit::Level::Teams, true, true, true, true, true, true},
        {Commit::Level::Events, true, false, true, false, false, false},
    };
    for (const Case& c : cases) {
        config_.Load();
        CConfigEvent& event = config_.categories[0].events[0];
        const CConfigEvent opened = event;
        Commit commit(c.level, event);
        event.teams.push_back(CConfig::DefaultTeam(QStringLiteral("New")));
        if (c.childAccepted)
            commit.childAccepted();
        {
            QFile marker(config_.path);
            ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
            marker.write("marker");
        }
        prompts_.questions.clear();
        prompts_.answers = {c.answer};

        EXPECT_EQ(commit.cancel(config_, event, prompts_), c.closes);
        EXPECT_EQ(prompts_.questions.size(), c.asked ? 1 : 0);
        if (c.asked) {
            EXPECT_EQ(prompts_.questions[0], Texts::get(Commit::RestoreQuestionId));
        }
        EXPECT_EQ(event == opened, c.restored);
        EXPECT_EQ(savedBytes() != "marker", c.saved);
    }
}

TEST_F(ConfigEditingTest, BrowserOkSaves)
{
    BrowserCommit<CConfigCategory> commit(BrowserCommit<CConfigCategory>::Level::Events,
                                          config_.categories[0]);
    config_.categories[0].events.push_back(CConfig::DefaultEvent(QStringLiteral("Extra")));
    EXPECT_TRUE(commit.accept(config_));
    EXPECT_EQ(savedBytes(), config_.toBytes());
    EXPECT_EQ(commit.opened().events.size(), 3u);
}

TEST_F(ConfigEditingTest, TypesAddRule)
{
    const NumberedKey& key = Key::Types::RemarkN;
    const auto stored = [&](int n) {
        return Settings::readText(QStringLiteral("Types"), key.name(n), QString());
    };
    const auto store = [&](int n, const QString& text) {
        Settings::writeText(QStringLiteral("Types"), key.name(n), text);
    };
    EXPECT_EQ(ConfigEditing::addTypeText(key, QStringLiteral("wide")), 0);
    EXPECT_EQ(stored(0), QStringLiteral("wide"));
    EXPECT_EQ(ConfigEditing::addTypeText(key, QStringLiteral("wide")), -1);
    EXPECT_EQ(ConfigEditing::addTypeText(key, QString()), -1);

    // The first empty slot stops the search, even before an equal text.
    store(2, QStringLiteral("narrow"));
    EXPECT_EQ(ConfigEditing::addTypeText(key, QStringLiteral("narrow")), 1);

    for (int n = 0; n < 20; ++n)
        store(n, QStringLiteral("t%1").arg(n));
    EXPECT_EQ(ConfigEditing::addTypeText(key, QStringLiteral("t7")), -1);
    EXPECT_EQ(ConfigEditing::addTypeText(key, QStringLiteral("new")), 19);
    EXPECT_EQ(stored(19), QStringLiteral("new"));
    EXPECT_EQ(stored(18), QStringLiteral("t18"));
    EXPECT_TRUE(stored(20).isEmpty());
}
