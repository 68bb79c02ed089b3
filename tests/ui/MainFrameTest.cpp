#include "ui/app/HelpCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/app/Splash.h"
#include "ui/app/SplitFrame.h"
#include "ui/app/StartUp.h"
#include "ui/entry/ShotEntryForm.h"
#include "ui/stats/QuickViewWindow.h"

#include "core/app/RecentFiles.h"
#include "core/base/ProgramFolder.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/base/UserFolders.h"
#include "core/files/Document.h"
#include "core/files/DocumentManager.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QSplitter>
#include <QTest>

class MainFrameTest : public SettingsTest
{
protected:
    StartedProgram start(const QStringList& files = {})
    {
        StartOptions options;
        options.files = files;
        StartedProgram program = startProgram(prompts, options);
        EXPECT_TRUE(program.window);
        return program;
    }

    // A game file of a game that is set up (state 5), so that it is no untouched new game.
    QString savedGame(const QString& name)
    {
        CTALVStatsDoc doc;
        doc.OnNewDocument();
        doc.game().GameState = 5;
        const QString path = folder.filePath(name);
        EXPECT_TRUE(doc.SaveAs(path, prompts));
        return path;
    }

    ScriptedPrompts prompts;
    QTemporaryDir folder;
};

TEST_F(MainFrameTest, StartWizardDecidesWhatTheNewCommandAsksForAndWhichPathsItWrites)
{
    const QString games = UserFolders::gamesFolder();
    const QString backup = UserFolders::withTrailingSeparator(games + QStringLiteral("Backup"));
    const QString own = QStringLiteral("/srv/games/");
    struct Case
    {
        std::optional<int> startWizard;
        QString path;
        bool wizard, preferences;
        QString expectedPath, expectedBackup;
        int startWizardAfter;
    };
    const Case cases[] = {
        {std::nullopt, {}, true, false, games, backup, 1}, // empty settings store
        {2, own, false, true, games, backup, 1},
        {0, own, false, false, own, own, 0},
        {0, {}, false, false, games, backup, 0},
    };
    for (const Case& c : cases) {
        QSettings().clear();
        if (c.startWizard)
            Settings::write(Key::Options::StartWizard, *c.startWizard);
        if (!c.path.isEmpty()) {
            Settings::write(Key::Setup::Path, c.path);
            Settings::write(Key::Setup::BackupPath, c.path);
        }
        const StartedProgram program = start();
        ASSERT_TRUE(program.window);
        const int row = int(&c - cases);
        ASSERT_EQ(program.window->frames().size(), 1) << row;
        EXPECT_EQ(&program.window->frames()[0]->document(), program.document);
        EXPECT_EQ(program.document->game().GameState, 1);
        EXPECT_EQ(program.window->setupWizardRequested(), c.wizard) << row;
        EXPECT_EQ(program.window->preferencesRequested(), c.preferences) << row;
        EXPECT_EQ(Settings::read(Key::Setup::Path), c.expectedPath) << row;
        EXPECT_EQ(Settings::read(Key::Setup::BackupPath), c.expectedBackup) << row;
        EXPECT_EQ(Settings::read(Key::Options::StartWizard), c.startWizardAfter) << row;
    }
}

TEST_F(MainFrameTest, ASecondLookOfTheFamilyIsOnlyStoredWithItsMessage)
{
    Settings::write(Key::Options::ApplicationLook, 32131);
    Settings::write(Key::Options::ApplicationBackground, 1);
    const StartedProgram program = start();
    ASSERT_TRUE(program.window);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(195, 215, 246));

    program.window->chooseLook(32134);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(195, 221, 255));

    program.window->chooseLook(32136);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0], Texts::get(5090));
    EXPECT_FALSE(prompts.messages[0].isEmpty());
    EXPECT_EQ(Settings::read(Key::Options::ApplicationLook), 32136);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(195, 221, 255));

    // The plain looks have no look-styled buttons.
    program.window->chooseLook(32129);
    QMenu* view = program.window->menuOf(QStringLiteral("viewMenu"));
    const auto lookButtons = [view] {
        for (QAction* action : view->actions()) {
            if (action->data().toInt() == MainWindow::LookButtonsCommand)
                return action;
        }
        return static_cast<QAction*>(nullptr);
    };
    Q_EMIT view->aboutToShow();
    ASSERT_TRUE(lookButtons());
    EXPECT_FALSE(lookButtons()->isEnabled());
    program.window->chooseLook(32132);
    Q_EMIT view->aboutToShow();
    EXPECT_TRUE(lookButtons()->isEnabled());

    // The layout reset asks first (No keeps everything), then returns to 32131.
    prompts.answers = {false, true};
    program.window->resetLayout();
    EXPECT_EQ(Settings::read(Key::Options::ApplicationLook), 32132);
    program.window->resetLayout();
    EXPECT_EQ(prompts.questions, QStringList(2, Texts::get(5097)));
    EXPECT_EQ(Settings::read(Key::Options::ApplicationLook), 32131);
    EXPECT_EQ(Settings::read(Key::Options::ApplicationLookButton), 0);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(195, 215, 246));
}

TEST_F(MainFrameTest, ReleasingADraggedBarStoresTheFormWidth)
{
    struct Case
    {
        int dragTo;
        int stored;
    };
    for (const Case c : {Case{250, 340}, Case{460, 460}}) {
        const StartedProgram program = start();
        ASSERT_TRUE(program.window);
        program.window->resize(1200, 800);
        program.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(program.window.get()));
        CSplitFrame* frame = program.window->activeFrame();
        ASSERT_TRUE(frame);
        frame->view().setMinimumWidth(120); // a form narrow enough for both drags
        QSplitter& splitter = frame->splitter();
        QSplitterHandle* bar = splitter.handle(1);

        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(0, 20));
        const QPoint target = splitter.mapToGlobal(QPoint(c.dragTo, 20));
        QMouseEvent move(QEvent::MouseMove, bar->mapFromGlobal(target), target, Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(bar, &move);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, bar->mapFromGlobal(target));
        QCoreApplication::processEvents();

        EXPECT_EQ(Settings::read(Key::MRU::SplitterSize1), c.stored) << c.dragTo;
        EXPECT_EQ(splitter.sizes().value(0), c.stored) << c.dragTo;
        EXPECT_EQ(splitter.sizes().value(1), 0); // the tagging column stays closed
    }
}

TEST_F(MainFrameTest, CommandLineFilesOpenInTheirOwnWindowsAndABadOneOnlyShowsItsMessage)
{
    const QString first = savedGame(QStringLiteral("first.cus"));
    const QString second = savedGame(QStringLiteral("second.cus"));
    const QString bad = folder.filePath(QStringLiteral("bad.cus"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a game");
    file.close();

    const StartedProgram program = start({first, bad, second});
    ASSERT_TRUE(program.window);
    // The untouched new game gave way to the first file.
    const QList<CSplitFrame*> frames = program.window->frames();
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(frames[0]->document().path(), first);
    EXPECT_EQ(frames[1]->document().path(), second);
    EXPECT_EQ(program.window->workspace()->subWindowList()[0]->windowTitle(),
              QStringLiteral("first.cus"));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_FALSE(prompts.messages[0].isEmpty());
    EXPECT_EQ(program.documents->documents().size(), 2u);
    EXPECT_EQ(RecentFiles::list(),
              (QStringList{QDir::toNativeSeparators(second), QDir::toNativeSeparators(first)}));

    // The recent games, newest first; choosing one that is open shows its window.
    Q_EMIT program.window->menuOf(QStringLiteral("fileMenu"))->aboutToShow();
    QMenu* recent = program.window->menuOf(QStringLiteral("recentMenu"));
    ASSERT_TRUE(recent);
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_TRUE(recent->isEnabled());
    EXPECT_EQ(recent->actions()[1]->data().toString(), QDir::toNativeSeparators(first));
    recent->actions()[1]->trigger();
    EXPECT_EQ(program.window->frames().size(), 2);
    EXPECT_EQ(program.window->activeFrame(), frames[0]);
}

TEST_F(MainFrameTest, DroppedGameFilesOpenAndOtherFilesAreRefused)
{
    const QString game = savedGame(QStringLiteral("dropped.cub"));
    const QString text = folder.filePath(QStringLiteral("notes.txt"));
    const StartedProgram program = start();
    ASSERT_TRUE(program.window);

    QMimeData notGames;
    notGames.setUrls({QUrl::fromLocalFile(text)});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &notGames, Qt::LeftButton, {});
    QApplication::sendEvent(program.window.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(text), QUrl::fromLocalFile(game)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(program.window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &files, Qt::LeftButton, {});
    QApplication::sendEvent(program.window.get(), &drop);
    QCoreApplication::processEvents();
    ASSERT_EQ(program.window->frames().size(), 1);
    EXPECT_EQ(program.window->activeFrame()->document().path(), game);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(MainFrameTest, StatusPanesFollowTheActiveGame)
{
    const QString path = savedGame(QStringLiteral("game.cus"));
    const StartedProgram program = start({path});
    ASSERT_TRUE(program.window);
    program.window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(program.window.get()));
    CSplitFrame* opened = program.window->activeFrame();
    ASSERT_TRUE(opened);
    program.window->newGame();
    CSplitFrame* fresh = program.window->activeFrame();
    ASSERT_NE(fresh, opened);

    EXPECT_EQ(program.window->stateName(), Texts::get(1));
    EXPECT_EQ(program.window->statusPane(2), fresh->document().StatusText);
    program.window->activate(opened);
    EXPECT_EQ(program.window->stateName(), Texts::get(5));
    EXPECT_EQ(program.window->statusPane(2), opened->document().StatusText);
    EXPECT_TRUE(program.window->statusPane(3).endsWith(QStringLiteral("game.cus")));

    // The game window's title follows the document's modified state.
    opened->document().SetModifiedFlag(true);
    EXPECT_EQ(program.window->workspace()->activeSubWindow()->windowTitle(),
              QStringLiteral("game.cus *"));
    // Closing a game window asks the document's question first.
    prompts.threeWayAnswers = {Prompts::Answer::Cancel, Prompts::Answer::No};
    program.window->workspace()->activeSubWindow()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(program.window->frames().size(), 2);
    program.window->workspace()->activeSubWindow()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(program.window->frames().size(), 1);
    EXPECT_TRUE(program.window->closeActive());
    EXPECT_TRUE(program.window->frames().isEmpty());
    for (int pane : {1, 2, 3})
        EXPECT_TRUE(program.window->statusPane(pane).isEmpty()) << pane;
}

TEST_F(MainFrameTest, ClosingTheMainWindowKeepsEverythingWhenAGameIsKept)
{
    const StartedProgram program = start();
    ASSERT_TRUE(program.window);
    program.window->show();
    program.document->SetModifiedFlag(true);
    prompts.threeWayAnswers = {Prompts::Answer::Cancel};
    EXPECT_FALSE(program.window->close());
    EXPECT_EQ(program.window->frames().size(), 1);
    prompts.threeWayAnswers = {Prompts::Answer::No};
    EXPECT_TRUE(program.window->close());
    EXPECT_TRUE(program.documents->documents().empty());
}

TEST_F(MainFrameTest, MenuCommandsFollowTheFormsCommandStates)
{
    const StartedProgram program = start();
    ASSERT_TRUE(program.window);
    CSplitFrame* frame = program.window->activeFrame();
    ASSERT_TRUE(frame);
    ShotEntryController& controller = frame->view().controller();
    for (const int state : {1, 6}) {
        program.document->game().GameState = state;
        for (const char* name : {"editMenu", "gameMenu", "timingMenu", "viewMenu"}) {
            QMenu* menu = program.window->menuOf(QLatin1String(name));
            ASSERT_TRUE(menu) << name;
            Q_EMIT menu->aboutToShow();
        }
        for (const int id :
             {EntryCommand::GotoEnd, EntryCommand::FinishGame, EntryCommand::LateTeam,
              EntryCommand::ShowGuidelines, EntryCommand::QuickStatistics, EntryCommand::Lineup,
              EntryCommand::TimerModeUsed, EntryCommand::StopwatchReset}) {
            QAction* action = program.window->commandAction(id);
            ASSERT_TRUE(action) << id;
            const CommandState expected = controller.UpdateCommand(id);
            EXPECT_EQ(action->isVisible(), expected.known) << id;
            EXPECT_EQ(action->isEnabled(), expected.known && expected.enabled) << id;
            if (action->isCheckable()) {
                EXPECT_EQ(action->isChecked(), expected.checked) << id;
            }
        }
        // Going to an end needs a game in progress.
        EXPECT_EQ(program.window->commandAction(EntryCommand::GotoEnd)->isEnabled(), state == 6);
    }

    // A triggered action runs the command on the active form.
    const bool guidelines = program.document->ShowGuidelines != 0;
    program.window->commandAction(EntryCommand::ShowGuidelines)->trigger();
    EXPECT_EQ(program.document->ShowGuidelines != 0, !guidelines);

    // Quick statistics open in a window of the game and close with the command.
    program.document->game().GameState = 5;
    program.window->commandAction(EntryCommand::QuickStatistics)->trigger();
    ASSERT_TRUE(frame->quickView());
    EXPECT_TRUE(frame->quickView()->isVisible());
    program.window->commandAction(EntryCommand::QuickStatistics)->trigger();
    EXPECT_FALSE(frame->quickView()->isVisible());
}

TEST_F(MainFrameTest, SplashAppearsOnceAndTheFirstKeyOnlyClosesIt)
{
    EXPECT_FALSE(CSplash::wantedBy({QStringLiteral("talvstats"), QStringLiteral("--nosplash")}));
    EXPECT_FALSE(CSplash::wantedBy({QStringLiteral("talvstats"), QStringLiteral("-nosplash")}));
    EXPECT_TRUE(CSplash::wantedBy({QStringLiteral("talvstats"), QStringLiteral("game.cus")}));
    const StartOptions options = StartOptions::fromCommandLine(
        {QStringLiteral("talvstats"), QStringLiteral("-nosplash"), QStringLiteral("a.cus")});
    EXPECT_FALSE(options.splash);
    EXPECT_EQ(options.files, QStringList{QStringLiteral("a.cus")});

    QWidget target;
    int keys = 0;
    struct Counter : QObject
    {
        int* keys;
        explicit Counter(int* k) : keys(k) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::KeyPress)
                ++*keys;
            return false;
        }
    } counter(&keys);
    target.installEventFilter(&counter);
    target.show();

    CSplash* splash = CSplash::showOnce();
    EXPECT_EQ(CSplash::showOnce(), splash);
    QTest::keyClick(&target, Qt::Key_A);
    EXPECT_EQ(keys, 0); // swallowed
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(CSplash::current());
    QTest::keyClick(&target, Qt::Key_A);
    EXPECT_EQ(keys, 1);
}

// Receives the addresses the program hands to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;
    Q_INVOKABLE void open(const QUrl& url) { urls.append(url); }
};

TEST_F(MainFrameTest, HelpCommandsOpenTheirAddressesOrNameThemInAMessage)
{
    // Without a browser the update address itself is the message.
    EXPECT_FALSE(HelpCommands::checkForUpdates(prompts));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0], QStringLiteral("https://www.havrik-coach.example/TALVStats/"
                                                  "checkupdate.aspx?version=6400"));

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    EXPECT_TRUE(HelpCommands::checkForUpdates(prompts));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0].toString(), prompts.messages[0]);
    EXPECT_EQ(prompts.messages.size(), 1);

    // A program folder without the guide: the message names where it was looked for.
    QTemporaryDir empty;
    ProgramFolder::setOverride(empty.path());
    EXPECT_FALSE(HelpCommands::openUserGuide(prompts));
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_TRUE(prompts.messages[1].contains(QStringLiteral("user-guide.html")));
}

#include "MainFrameTest.moc"
