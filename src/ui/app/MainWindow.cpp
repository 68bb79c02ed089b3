#include "MainWindow.h"

#include "AboutDialog.h"
#include "CommandMenus.h"
#include "HelpCommands.h"
#include "LookStyle.h"
#include "SplitFrame.h"
#include "TimerBars.h"

#include "ui/config/ConfigMenu.h"
#include "ui/entry/ShotEntryForm.h"

#include "core/app/RecentFiles.h"
#include "core/app/StartCommands.h"
#include "core/base/Prompts.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/config/ApplicationConfig.h"
#include "core/files/Document.h"
#include "core/files/DocumentManager.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace {

const QString kLayoutSection = QStringLiteral("Workspace");
const QString kStateKey = QStringLiteral("WindowState");
const QString kGeometryKey = QStringLiteral("WindowGeometry");

bool isGameFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("cus") || suffix == QLatin1String("cub") ||
           suffix == QLatin1String("cis");
}

QString openFilter()
{
    QString name = Texts::get(104);
    if (name.isEmpty())
        name = QObject::tr("Games");
    return name + QStringLiteral(" (*.cus *.cub *.cis);;") + QObject::tr("All files (*)");
}

QString samePathKey(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

MainWindow::MainWindow(CDocumentManager& documents, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), documents_(documents), prompts_(prompts)
{
    setWindowTitle(QStringLiteral("HAVRIK Coach Tool"));
    setObjectName(QStringLiteral("MainWindow"));
    setAcceptDrops(true);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks |
                   QMainWindow::AllowTabbedDocks);

    // The look stored last time, before any window is drawn.
    applyLook(Settings::read(Key::Options::ApplicationLook));
    looks_.applied(Settings::read(Key::Options::ApplicationLook));

    workspace_ = new QMdiArea(this);
    workspace_->setObjectName(QStringLiteral("workspace"));
    workspace_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    workspace_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(workspace_);
    connect(workspace_, &QMdiArea::subWindowActivated, this, &MainWindow::activeFrameChanged);

    buildStatusBar();
    buildActions();
    buildMenus();
    buildToolBars();
    resize(1180, 760);
    defaultLayout_ = saveState();
    restoreLayout();

    connect(&documents_, &CDocumentManager::documentAdded, this, &MainWindow::addFrame);
    connect(&documents_, &CDocumentManager::documentClosing, this, &MainWindow::removeFrame);
    for (const auto& doc : documents_.documents())
        addFrame(doc.get());
    activeFrameChanged();
}

MainWindow::~MainWindow()
{
    disconnect(workspace_, nullptr, this, nullptr);
    // The game windows go before the documents they show.
    for (auto& [doc, window] : windows_)
        delete window;
    windows_.clear();
}

// --- building -------------------------------------------------------------------------------

void MainWindow::buildStatusBar()
{
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        panes_[i] = new QLabel(this);
        panes_[i]->setObjectName(QStringLiteral("statusPane%1").arg(i));
        panes_[i]->setContentsMargins(4, 0, 4, 0);
        statusBar()->addWidget(panes_[i], i == 3 ? 1 : 0);
    }
    panes_[0]->setText(tr("Ready"));
    stateLabel_ = panes_[1];
    stateLabel_->setObjectName(QStringLiteral("stateName"));
    panes_[2]->setObjectName(QStringLiteral("statusText"));
    panes_[3]->setObjectName(QStringLiteral("filePath"));
    panes_[3]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    panes_[4]->setObjectName(QStringLiteral("clock"));
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this,
            [this] { panes_[4]->setText(QTime::currentTime().toString(QStringLiteral("HH:mm"))); });
    clock->start(10000);
    panes_[4]->setText(QTime::currentTime().toString(QStringLiteral("HH:mm")));
    panes_[4]->setToolTip(tr("Time of day"));
}

QAction* MainWindow::makeCommand(int id, const QString& caption, bool checkable, const char* hint)
{
    auto* action =
        new QAction(hint ? caption + QLatin1Char('\t') + QLatin1String(hint) : caption, this);
    action->setData(id);
    action->setCheckable(checkable);
    action->setStatusTip(CommandMenus::plainCaption(caption));
    connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
    commands_.emplace(id, action);
    return action;
}

void MainWindow::addCommands(QMenu* menu, const std::vector<MenuCommand>& commands)
{
    QMenu* target = menu;
    for (const MenuCommand& command : commands) {
        if (command.id == CommandMenus::Separator) {
            target->addSeparator();
        } else if (command.id == CommandMenus::SubmenuStart) {
            target = menu->addMenu(tr(command.caption));
        } else if (command.id == CommandMenus::SubmenuEnd) {
            target = menu;
        } else {
            target->addAction(
                makeCommand(command.id, tr(command.caption), command.checkable, command.hint));
        }
        if (target != menu)
            connect(target, &QMenu::aboutToShow, this, &MainWindow::updateCommands,
                    Qt::UniqueConnection);
    }
}

void MainWindow::buildActions()
{
    QStyle* style = QApplication::style();
    const auto fileAction = [this](const QString& caption, const QIcon& icon,
                                   const QKeySequence& keys, const QString& tip, auto slot) {
        auto* action = new QAction(icon, caption, this);
        action->setShortcut(keys);
        action->setStatusTip(tip);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QAction* newAction =
        fileAction(tr("&New game"), style->standardIcon(QStyle::SP_FileIcon), QKeySequence::New,
                   tr("Start a new game"), [this] { newGame(); });
    newAction->setObjectName(QStringLiteral("fileNew"));
    QAction* openAction =
        fileAction(tr("&Open…"), style->standardIcon(QStyle::SP_DialogOpenButton),
                   QKeySequence::Open, tr("Open a saved game or a CIS file"), [this] {
                       const QString start = Settings::read(Key::Setup::Path);
                       const QStringList paths = QFileDialog::getOpenFileNames(
                           this, tr("Open game"), start, openFilter());
                       openFiles(paths);
                   });
    openAction->setObjectName(QStringLiteral("fileOpen"));
    QAction* saveAction =
        fileAction(tr("&Save"), style->standardIcon(QStyle::SP_DialogSaveButton),
                   QKeySequence::Save, tr("Save the active game"), [this] { saveActive(); });
    saveAction->setObjectName(QStringLiteral("fileSave"));
    QAction* saveAsAction =
        fileAction(tr("Save &as…"), QIcon(), QKeySequence::SaveAs,
                   tr("Save the active game under another name"), [this] { saveActiveAs(); });
    saveAsAction->setObjectName(QStringLiteral("fileSaveAs"));
    QAction* closeAction = fileAction(tr("&Close"), QIcon(), QKeySequence::Close,
                                      tr("Close the active game"), [this] { closeActive(); });
    closeAction->setObjectName(QStringLiteral("fileClose"));
    QAction* exitAction =
        fileAction(tr("E&xit"), QIcon(), QKeySequence::Quit,
                   tr("Close all games and end the program"), [this] { close(); });
    exitAction->setObjectName(QStringLiteral("fileExit"));
    for (QAction* action :
         {newAction, openAction, saveAction, saveAsAction, closeAction, exitAction})
        addAction(action);
}

void MainWindow::buildMenus()
{
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    menuBar()->setAccessibleName(Texts::get(5061));

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    const auto fileAction = [this](const char* name) {
        return findChild<QAction*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    };
    file->addAction(fileAction("fileNew"));
    file->addAction(fileAction("fileOpen"));
    file->addAction(fileAction("fileClose"));
    file->addSeparator();
    file->addAction(fileAction("fileSave"));
    file->addAction(fileAction("fileSaveAs"));
    file->addSeparator();
    QMenu* recent = file->addMenu(tr("&Recent games"));
    recent->setObjectName(QStringLiteral("recentMenu"));
    // Filled when the File menu opens: an empty list greys the submenu out.
    connect(file, &QMenu::aboutToShow, this, [this, recent] { fillRecentFiles(recent); });
    fillRecentFiles(recent);
    file->addSeparator();
    file->addAction(fileAction("fileExit"));

    for (const CommandMenu& entry : CommandMenus::entryMenus()) {
        QMenu* menu = menuBar()->addMenu(tr(entry.title));
        menu->setObjectName(CommandMenus::plainCaption(QLatin1String(entry.title)).toLower() +
                            QStringLiteral("Menu"));
        addCommands(menu, entry.commands);
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateCommands);
    }
    ConfigMenu::addTo(
        menuBar(), menuOf(QStringLiteral("gameMenu")), applicationConfig(), prompts_,
        [this] { return activeFrame() ? &activeFrame()->document() : nullptr; }, this);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    QMenu* bars = view->addMenu(tr("&Toolbars"));
    bars->setObjectName(QStringLiteral("toolbarsMenu"));
    barsMenu_ = bars; // the standard bar's toggle joins once the bar exists
    addCommands(bars, CommandMenus::barCommands());
    connect(bars, &QMenu::aboutToShow, this, &MainWindow::updateCommands);
    view->addSeparator();
    addCommands(view, CommandMenus::viewCommands());
    view->addSeparator();
    view->addAction(makeCommand(CSplitFrame::FitPanesCommand, tr("&Fit panes"), false, nullptr));
    view->addSeparator();
    QMenu* looks = view->addMenu(tr("Application &look"));
    looks->setObjectName(QStringLiteral("lookMenu"));
    lookGroup_ = new QActionGroup(this);
    for (const ApplicationLook::Look& look : ApplicationLook::looks()) {
        QAction* action = looks->addAction(tr(look.name));
        action->setData(look.id);
        action->setCheckable(true);
        action->setStatusTip(tr("Use the %1 look").arg(tr(look.name)));
        lookGroup_->addAction(action);
        connect(action, &QAction::triggered, this, [this, id = look.id] { chooseLook(id); });
    }
    connect(looks, &QMenu::aboutToShow, this, [this] {
        for (QAction* action : lookGroup_->actions())
            action->setChecked(action->data().toInt() == looks_.current());
    });
    lookButtonsAction_ = view->addAction(tr("Look-styled &buttons"));
    lookButtonsAction_->setData(LookButtonsCommand);
    lookButtonsAction_->setCheckable(true);
    lookButtonsAction_->setStatusTip(tr("Draw the form's buttons in the application look"));
    connect(lookButtonsAction_, &QAction::triggered, this, &MainWindow::toggleLookButtons);
    QAction* reset = view->addAction(tr("&Reset window layout…"));
    reset->setData(ResetLayoutCommand);
    reset->setStatusTip(tr("Put the toolbars back in their places and return to the Blue look"));
    connect(reset, &QAction::triggered, this, &MainWindow::resetLayout);
    connect(view, &QMenu::aboutToShow, this, [this] {
        updateCommands();
        lookButtonsAction_->setEnabled(!ApplicationLook::look(looks_.current()).buttonsForcedOff);
        lookButtonsAction_->setChecked(ApplicationLook::lookStyledButtons(looks_.current()));
    });

    QMenu* window = menuBar()->addMenu(tr("&Window"));
    window->setObjectName(QStringLiteral("windowMenu"));
    connect(window, &QMenu::aboutToShow, this, [this, window] { fillWindowMenu(window); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction* guide = help->addAction(tr("&User guide"));
    guide->setShortcut(Qt::Key_F1);
    guide->setShortcutContext(Qt::ApplicationShortcut);
    guide->setAutoRepeat(false);
    guide->setStatusTip(tr("Open the user guide"));
    connect(guide, &QAction::triggered, this, [this] { HelpCommands::openUserGuide(prompts_); });
    addAction(guide);
    QAction* updates = help->addAction(tr("Check for &updates"));
    updates->setStatusTip(tr("Open the maker's update page in the browser"));
    connect(updates, &QAction::triggered, this,
            [this] { HelpCommands::checkForUpdates(prompts_); });
    help->addSeparator();
    QAction* about = help->addAction(tr("&About HAVRIK Coach Tool"));
    about->setStatusTip(tr("Program name and version"));
    connect(about, &QAction::triggered, this, [this] {
        CAboutDialog dialog(this);
        dialog.exec();
    });
}

void MainWindow::buildToolBars()
{
    standardBar_ = new QToolBar(this);
    standardBar_->setObjectName(QStringLiteral("standardBar"));
    standardBar_->setWindowTitle(Texts::get(5113).isEmpty() ? tr("Standard") : Texts::get(5113));
    for (const char* name : {"fileNew", "fileOpen", "fileSave"})
        standardBar_->addAction(
            findChild<QAction*>(QLatin1String(name), Qt::FindDirectChildrenOnly));
    timerBars_ = new TimerBars(*this);
    timerBars_->stopwatchBar()->setWindowTitle(Texts::get(5114).isEmpty() ? tr("Stopwatch")
                                                                          : Texts::get(5114));
    timerBars_->gameTimerBar()->setWindowTitle(Texts::get(5115).isEmpty() ? tr("Game timer")
                                                                          : Texts::get(5115));
    for (QAction* action : timerBars_->commandActions()) {
        const int id = action->data().toInt();
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        commands_.emplace(id, action);
    }
    barsMenu_->insertAction(barsMenu_->actions().value(0), standardBar_->toggleViewAction());
    // In one row at the top: standard, game timer, stopwatch.
    for (QToolBar* bar : {standardBar_, timerBars_->gameTimerBar(), timerBars_->stopwatchBar()}) {
        bar->setMovable(true);
        bar->setIconSize(QSize(18, 18));
        addToolBar(Qt::TopToolBarArea, bar);
    }
}

QMenu* MainWindow::createPopupMenu()
{
    // The timer bars belong to the form: their entries are its commands.
    auto* menu = new QMenu(this);
    menu->addAction(standardBar_->toggleViewAction());
    menu->addAction(commandAction(EntryCommand::ShowGameTimer));
    menu->addAction(commandAction(EntryCommand::ShowStopwatch));
    updateCommands();
    return menu;
}

void MainWindow::fillRecentFiles(QMenu* menu)
{
    menu->clear();
    const QStringList paths = RecentFiles::list();
    for (int i = 0; i < paths.size(); ++i) {
        QAction* action = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(paths[i]).fileName()));
        action->setData(paths[i]);
        action->setStatusTip(QDir::toNativeSeparators(paths[i]));
        connect(action, &QAction::triggered, this, [this, path = paths[i]] { openFile(path); });
    }
    menu->setEnabled(!paths.isEmpty());
}

void MainWindow::fillWindowMenu(QMenu* menu)
{
    menu->clear();
    const bool any = !workspace_->subWindowList().isEmpty();
    menu->addAction(tr("&Tile"), workspace_, &QMdiArea::tileSubWindows)->setEnabled(any);
    menu->addAction(tr("&Cascade"), workspace_, &QMdiArea::cascadeSubWindows)->setEnabled(any);
    menu->addAction(tr("&Next window"), QKeySequence::NextChild, workspace_,
                    &QMdiArea::activateNextSubWindow)
        ->setEnabled(any);
    menu->addAction(tr("&Previous window"), workspace_, &QMdiArea::activatePreviousSubWindow)
        ->setEnabled(any);
    if (!any)
        return;
    menu->addSeparator();
    int number = 0;
    for (QMdiSubWindow* window : workspace_->subWindowList()) {
        QAction* action =
            menu->addAction(QStringLiteral("&%1 %2").arg(++number).arg(window->windowTitle()));
        action->setCheckable(true);
        action->setChecked(window == workspace_->activeSubWindow());
        connect(action, &QAction::triggered, this,
                [this, window] { workspace_->setActiveSubWindow(window); });
    }
}

// --- game windows ---------------------------------------------------------------------------

void MainWindow::addFrame(CTALVStatsDoc* doc)
{
    auto* frame = new CSplitFrame(*doc, prompts_);
    QMdiSubWindow* window = workspace_->addSubWindow(frame);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setWindowTitle(doc->title());
    window->setWindowIcon(QApplication::style()->standardIcon(QStyle::SP_FileIcon));
    window->installEventFilter(this);
    windows_[doc] = window;
    connect(doc, &CTALVStatsDoc::titleChanged, window, &QWidget::setWindowTitle);
    connect(frame, &CSplitFrame::statusMayHaveChanged, this, [this, frame] {
        if (frame == activeFrame()) {
            refreshStatus();
            updateCommands();
        }
    });
    connect(frame, &CSplitFrame::barsToggled, this, &MainWindow::updateCommands);
    frame->view().applyButtonColours(ApplicationLook::lookStyledButtons(looks_.current()));
    // A game window fills the workspace; later ones are laid over it, a step
    // down and to the right, so that every title stays visible.
    const int step = 26 * int(workspace_->subWindowList().size() - 1);
    const QRect area = workspace_->viewport()->rect();
    window->setGeometry(area.adjusted(step, step, 0, 0).intersected(area));
    if (window->width() < 640 || window->height() < 420)
        window->setGeometry(area);
    workspace_->viewport()->installEventFilter(this);
    window->show();
    workspace_->setActiveSubWindow(window);
    activeFrameChanged();
}

void MainWindow::removeFrame(CTALVStatsDoc* doc)
{
    const auto found = windows_.find(doc);
    if (found == windows_.end())
        return;
    QMdiSubWindow* window = found->second;
    windows_.erase(found);
    if (followed_ && &followed_->document() == doc) {
        followed_ = nullptr;
        timerBars_->follow(nullptr);
    }
    // At once: the form refers to the document, which goes right after this.
    workspace_->removeSubWindow(window);
    delete window;
    activeFrameChanged();
}

CSplitFrame* MainWindow::activeFrame() const
{
    // The current window stays the active game while another program has the focus.
    QMdiSubWindow* window = workspace_->currentSubWindow();
    if (!window && !workspace_->subWindowList().isEmpty())
        window = workspace_->subWindowList().constLast();
    return window ? qobject_cast<CSplitFrame*>(window->widget()) : nullptr;
}

QList<CSplitFrame*> MainWindow::frames() const
{
    QList<CSplitFrame*> list;
    for (QMdiSubWindow* window : workspace_->subWindowList()) {
        if (auto* frame = qobject_cast<CSplitFrame*>(window->widget()))
            list.append(frame);
    }
    return list;
}

CSplitFrame* MainWindow::frameOf(const CTALVStatsDoc* doc) const
{
    const auto found = windows_.find(doc);
    return found == windows_.end() ? nullptr : qobject_cast<CSplitFrame*>(found->second->widget());
}

void MainWindow::activate(CSplitFrame* frame)
{
    for (auto& [doc, window] : windows_) {
        if (window->widget() == frame)
            workspace_->setActiveSubWindow(window);
    }
}

void MainWindow::activeFrameChanged()
{
    CSplitFrame* frame = activeFrame();
    if (frame != followed_) {
        followed_ = frame;
        timerBars_->follow(frame);
    }
    refreshStatus();
    updateCommands();
}

void MainWindow::refreshStatus()
{
    CSplitFrame* frame = activeFrame();
    const CTALVStatsDoc* doc = frame ? &frame->document() : nullptr;
    panes_[1]->setText(doc ? doc->StateCaption : QString());
    panes_[2]->setText(doc ? doc->StatusText : QString());
    panes_[3]->setText(doc ? QDir::toNativeSeparators(doc->path()) : QString());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == workspace_->viewport() && event->type() == QEvent::Resize) {
        // A single game window keeps filling the workspace.
        const QList<QMdiSubWindow*> windows = workspace_->subWindowList();
        if (windows.size() == 1 && !windows[0]->isMinimized() && !windows[0]->isMaximized())
            windows[0]->setGeometry(workspace_->viewport()->rect());
        return false;
    }
    if (event->type() == QEvent::Close) {
        auto* window = qobject_cast<QMdiSubWindow*>(watched);
        auto* frame = window ? qobject_cast<CSplitFrame*>(window->widget()) : nullptr;
        if (frame) {
            // The document decides (save question); its window goes with it.
            event->ignore();
            CTALVStatsDoc* doc = &frame->document();
            QMetaObject::invokeMethod(
                this, [this, doc] { documents_.closeDocument(doc, prompts_); },
                Qt::QueuedConnection);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- file commands --------------------------------------------------------------------------

CTALVStatsDoc* MainWindow::newGame()
{
    CTALVStatsDoc* doc = documents_.newDocument(prompts_);
    const StartCommands::Requests requests = StartCommands::newCommand();
    // The set-up wizard and the preferences open in their own windows; the
    // requests stay recorded for them.
    setupWizardRequested_ = setupWizardRequested_ || requests.setupWizard;
    preferencesRequested_ = preferencesRequested_ || requests.preferences;
    if (requests.setupWizard && postsSetupWizard_) {
        QMetaObject::invokeMethod(
            this,
            [this, doc] {
                // The game may have been closed before the posted command arrives.
                if (CSplitFrame* frame = frameOf(doc)) {
                    activate(frame);
                    runCommand(EntryCommand::SetUpGame);
                }
            },
            Qt::QueuedConnection);
    }
    return doc;
}

bool MainWindow::openFile(const QString& path)
{
    for (auto& [doc, window] : windows_) {
        if (!doc->path().isEmpty() && samePathKey(doc->path()) == samePathKey(path)) {
            workspace_->setActiveSubWindow(window);
            return true;
        }
    }
    QString error;
    if (!documents_.openDocument(path, prompts_, &error)) {
        prompts_.message(error, Prompts::Icon::Error);
        return false;
    }
    RecentFiles::add(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    return true;
}

void MainWindow::openFiles(const QStringList& paths)
{
    for (const QString& path : paths)
        openFile(path);
}

bool MainWindow::saveActive()
{
    CSplitFrame* frame = activeFrame();
    if (!frame)
        return false;
    if (frame->document().Save(prompts_) != CTALVStatsDoc::SaveResult::Saved)
        return false;
    RecentFiles::add(frame->document().path());
    refreshStatus();
    return true;
}

bool MainWindow::saveActiveAs()
{
    CSplitFrame* frame = activeFrame();
    if (!frame)
        return false;
    CTALVStatsDoc& doc = frame->document();
    QString name = Texts::get(104);
    if (name.isEmpty())
        name = tr("Games");
    const QString path =
        prompts_.askSavePath(doc.path(), name + QStringLiteral(" (*.cus)"), QStringLiteral("cus"));
    if (path.isEmpty() || !doc.SaveAs(path, prompts_))
        return false;
    RecentFiles::add(doc.path());
    refreshStatus();
    return true;
}

bool MainWindow::closeActive()
{
    CSplitFrame* frame = activeFrame();
    return frame && documents_.closeDocument(&frame->document(), prompts_);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!documents_.closeAll(prompts_)) {
        event->ignore();
        return;
    }
    saveLayout();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile() && isGameFile(url.toLocalFile())) {
            event->acceptProposedAction();
            return;
        }
    }
}

void MainWindow::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile() && isGameFile(url.toLocalFile()))
            paths.append(url.toLocalFile());
    }
    event->acceptProposedAction();
    // After the drop has finished: opening may ask questions.
    QMetaObject::invokeMethod(
        this, [this, paths] { openFiles(paths); }, Qt::QueuedConnection);
}

// --- commands -------------------------------------------------------------------------------

QAction* MainWindow::commandAction(int id) const
{
    const auto found = commands_.find(id);
    return found == commands_.end() ? nullptr : found->second;
}

QMenu* MainWindow::menuOf(const QString& objectName) const
{
    return menuBar()->findChild<QMenu*>(objectName);
}

void MainWindow::runCommand(int id)
{
    CSplitFrame* frame = activeFrame();
    if (!frame)
        return;
    const bool nudge = id >= EntryCommand::NudgeUp && id <= EntryCommand::NudgeRight;
    if (id == CSplitFrame::FitPanesCommand) {
        frame->fitPanes();
    } else if (nudge) {
        // The form leaves the moving of stones to the house view.
        if (frame->view().controller().UpdateCommand(id).enabled)
            frame->nudgeHouse(id);
    } else {
        frame->view().controller().Command(id);
    }
    refreshStatus();
    updateCommands();
}

void MainWindow::updateCommands()
{
    CSplitFrame* frame = activeFrame();
    for (const char* name : {"fileClose", "fileSave", "fileSaveAs"}) {
        if (auto* action = findChild<QAction*>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            action->setEnabled(frame != nullptr);
    }
    for (auto& [id, action] : commands_) {
        if (id == CSplitFrame::FitPanesCommand) {
            action->setEnabled(frame != nullptr);
            continue;
        }
        if (!frame) {
            // No game: every game command is there but greyed.
            action->setVisible(true);
            action->setEnabled(false);
            action->setChecked(false);
            continue;
        }
        const CommandState state = frame->view().controller().UpdateCommand(id);
        action->setVisible(state.known);
        action->setEnabled(state.known && state.enabled);
        if (action->isCheckable())
            action->setChecked(state.checked);
    }
}

// --- status bar -----------------------------------------------------------------------------

QString MainWindow::statusPane(int index) const
{
    return index >= 0 && index < int(panes_.size()) ? panes_[std::size_t(index)]->text()
                                                    : QString();
}

void MainWindow::showStateName(const QString& stateName)
{
    stateLabel_->setText(stateName);
}

QString MainWindow::stateName() const
{
    return stateLabel_->text();
}

// --- looks and layout -----------------------------------------------------------------------

void MainWindow::applyLook(int lookId)
{
    const QColor background = LookStyle::apply(lookId);
    const bool lookStyled = ApplicationLook::lookStyledButtons(lookId);
    for (auto& [doc, window] : windows_) {
        if (auto* frame = qobject_cast<CSplitFrame*>(window->widget())) {
            QPalette palette = frame->view().palette();
            palette.setColor(QPalette::Window, background);
            frame->view().setPalette(palette);
            frame->view().applyButtonColours(lookStyled);
        }
    }
    if (timerBars_)
        timerBars_->refresh(); // the team marks on the new background
}

void MainWindow::chooseLook(int lookId)
{
    if (looks_.choose(lookId) == ApplicationLook::Session::Choice::StoredOnly) {
        prompts_.message(Texts::get(5090), Prompts::Icon::Information);
        return;
    }
    applyLook(lookId);
}

void MainWindow::toggleLookButtons()
{
    if (ApplicationLook::look(looks_.current()).buttonsForcedOff)
        return;
    Settings::write(Key::Options::ApplicationLookButton,
                    Settings::read(Key::Options::ApplicationLookButton) != 0 ? 0 : 1);
    const bool lookStyled = ApplicationLook::lookStyledButtons(looks_.current());
    for (CSplitFrame* frame : frames())
        frame->view().applyButtonColours(lookStyled);
}

void MainWindow::resetLayout()
{
    if (!prompts_.askYesNo(Texts::get(5097), Prompts::Icon::Question, true))
        return;
    Settings::remove(kLayoutSection, kStateKey);
    Settings::remove(kLayoutSection, kGeometryKey);
    restoreState(defaultLayout_);
    Settings::write(Key::Options::ApplicationLook, ApplicationLook::ResetLook);
    Settings::write(Key::Options::ApplicationLookButton, 0);
    looks_.choose(ApplicationLook::ResetLook);
    applyLook(ApplicationLook::ResetLook);
    timerBars_->applyVisibility();
}

void MainWindow::restoreLayout()
{
    const QByteArray geometry = QByteArray::fromBase64(
        Settings::readText(kLayoutSection, kGeometryKey, QString()).toLatin1());
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
    const QByteArray state =
        QByteArray::fromBase64(Settings::readText(kLayoutSection, kStateKey, QString()).toLatin1());
    if (!state.isEmpty())
        restoreState(state);
}

void MainWindow::saveLayout()
{
    Settings::writeText(kLayoutSection, kGeometryKey,
                        QString::fromLatin1(saveGeometry().toBase64()));
    Settings::writeText(kLayoutSection, kStateKey, QString::fromLatin1(saveState().toBase64()));
}
