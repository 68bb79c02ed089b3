#pragma once

#include <QObject>

#include <array>
#include <vector>

class CSplitFrame;
class QAction;
class QLabel;
class QMainWindow;
class QToolBar;

// The stopwatch bar and the game-timer bar of the main window. They show what
// the active game's form last reported and are visible as that form says.
class TimerBars : public QObject
{
    Q_OBJECT

public:
    explicit TimerBars(QMainWindow& window);

    QToolBar* stopwatchBar() const { return stopwatch_; }
    QToolBar* gameTimerBar() const { return gameTimer_; }
    // The command buttons of both bars (their data is the command id).
    const std::vector<QAction*>& commandActions() const { return commands_; }
    QLabel* stopwatchDisplay() const { return display_; }
    QAction* teamAction(int team) const { return teams_[team == 2 ? 1 : 0]; }

    // Follows another game window (null: no game is open).
    void follow(CSplitFrame* frame);
    // Takes the texts, the running team and the team colours from the frame.
    void refresh();
    // Shows the bars the active form wants.
    void applyVisibility();

private:
    QAction* addCommand(QToolBar* bar, int id, const QString& caption, const QIcon& icon);

    QToolBar* stopwatch_;
    QToolBar* gameTimer_;
    QLabel* display_;
    std::array<QAction*, 2> teams_{};
    std::vector<QAction*> commands_;
    CSplitFrame* frame_ = nullptr;
    std::vector<QMetaObject::Connection> links_;
};
