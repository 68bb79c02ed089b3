#pragma once

#include "core/app/ApplicationLook.h"

#include <QMainWindow>

#include <array>
#include <map>
#include <vector>

class CDocumentManager;
class CSplitFrame;
class CTALVStatsDoc;
class Prompts;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class TimerBars;
struct MenuCommand;

// The main window: one game window per open game in a multi-document area,
// the menus, the standard and the two timer bars, the status bar and the
// application look. The shot-entry commands go to the active game's form.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Commands of the frame itself.
    static constexpr int LookButtonsCommand = 32001;
    static constexpr int ResetLayoutCommand = 40001;

    MainWindow(CDocumentManager& documents, Prompts& prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The New command: a new game, then what Options/StartWizard asks for.
    CTALVStatsDoc* newGame();
    // Opens a game file in a window of its own (or shows the window that already
    // holds it); the reader's message when it cannot be read.
    bool openFile(const QString& path);
    void openFiles(const QStringList& paths);
    bool saveActive();
    bool saveActiveAs();
    bool closeActive();

    // What the New commands asked the main window to open (the set-up wizard
    // and the preferences come with their own windows).
    bool setupWizardRequested() const { return setupWizardRequested_; }
    bool preferencesRequested() const { return preferencesRequested_; }
    // Whether a New command that asks for the set-up wizard posts it, to open
    // over the new game once the event loop runs (the program does; tests
    // that drive the window leave it off).
    void setPostsSetupWizard(bool posts) { postsSetupWizard_ = posts; }

    CSplitFrame* activeFrame() const;
    QList<CSplitFrame*> frames() const;
    CSplitFrame* frameOf(const CTALVStatsDoc* doc) const;
    void activate(CSplitFrame* frame);
    QMdiArea* workspace() const { return workspace_; }

    // Applies a look chosen from the menu (or only stores it, with message 5090).
    void chooseLook(int lookId);
    int currentLook() const { return looks_.current(); }
    // The layout reset (question 5097).
    void resetLayout();
    void toggleLookButtons();

    // The action of a command of the menus (data = the command id).
    QAction* commandAction(int id) const;
    // Enables, checks and hides the command actions after the active form.
    void updateCommands();
    QMenu* menuOf(const QString& objectName) const;

    // Status panes: 0 messages, 1 the game's state, 2 its position, 3 its file.
    QString statusPane(int index) const;
    void showStateName(const QString& stateName);
    QString stateName() const;

    TimerBars& timerBars() { return *timerBars_; }
    QToolBar* standardBar() const { return standardBar_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    void buildStatusBar();
    void buildActions();
    void buildMenus();
    void buildToolBars();
    void fillRecentFiles(QMenu* menu);
    void fillWindowMenu(QMenu* menu);
    void addCommands(QMenu* menu, const std::vector<MenuCommand>& commands);
    QAction* makeCommand(int id, const QString& caption, bool checkable, const char* hint);
    void addFrame(CTALVStatsDoc* doc);
    void removeFrame(CTALVStatsDoc* doc);
    void activeFrameChanged();
    void refreshStatus();
    void applyLook(int lookId);
    void restoreLayout();
    void saveLayout();
    void runCommand(int id);

    CDocumentManager& documents_;
    Prompts& prompts_;
    QMdiArea* workspace_ = nullptr;
    std::array<QLabel*, 5> panes_{};
    QLabel* stateLabel_ = nullptr;
    TimerBars* timerBars_ = nullptr;
    QToolBar* standardBar_ = nullptr;
    QMenu* barsMenu_ = nullptr;
    std::multimap<int, QAction*> commands_;
    QActionGroup* lookGroup_ = nullptr;
    QAction* lookButtonsAction_ = nullptr;
    std::map<const CTALVStatsDoc*, QMdiSubWindow*> windows_;
    ApplicationLook::Session looks_;
    CSplitFrame* followed_ = nullptr;
    bool setupWizardRequested_ = false;
    bool postsSetupWizard_ = false;
    bool preferencesRequested_ = false;
    QByteArray defaultLayout_;
};
