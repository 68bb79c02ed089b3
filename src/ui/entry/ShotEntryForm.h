#pragma once

#include "core/entry/ShotEntry.h"

#include <QWidget>

#include <array>

class CTALVMFCButton;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolButton;

// The shot-entry form of a game window: the task, handle and points buttons and
// lists, the remark and comment fields, the score and the delivering player, and
// OK, Previous, Next and Return. It only mirrors the controller's state and
// hands every click, key and text edit to it.
class CTALVStatsView : public QWidget,
                       public EntryView,
                       private GameTimerObserver,
                       private StopwatchObserver
{
    Q_OBJECT

public:
    // The pane width above which the form takes its wide layout.
    static constexpr int WideLayoutWidth = 590;

    CTALVStatsView(CTALVStatsDoc& doc, Prompts& prompts, EntryDialogs& dialogs,
                   QWidget* parent = nullptr);
    ~CTALVStatsView() override;

    ShotEntryController& controller() { return controller_; }

    // The frame tells the form whether its pane is wider than WideLayoutWidth;
    // the task buttons follow only while ApplicationBigIcons is on.
    void setWideLayout(bool wide);
    bool wideLayout() const { return wide_; }
    // Repaints the 25 buttons after a change of the look or of the button colours.
    void applyButtonColours(bool lookStyled);

    // The control with this identifier (its object name), for the frame and tests.
    template <typename T> T* control(int id) const { return findChild<T*>(QString::number(id)); }

    // EntryView
    void formChanged() override;
    void focusOk() override;
    void beep() override;
    void quickViewChanged() override;
    void barsChanged() override;

Q_SIGNALS:
    // An arrow key outside the text fields while positions are recorded:
    // EntryCommand::NudgeUp, NudgeDown, NudgeLeft or NudgeRight for the house view.
    void houseNudge(int commandId);
    void quickViewToggled(bool shown);
    // The game-timer or stopwatch bar was shown or hidden (EntryView::barsChanged).
    void barsToggled();
    // The game-timer bar: a team's caption, and the team whose clock runs (0: none).
    void gameTimeShown(int team, const QString& text);
    void gameTimerRunning(int team);
    // The stopwatch bar; marker while it runs towards a split.
    void stopwatchReading(const QString& text, bool marker);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // GameTimerObserver
    void timeShown(int team, const QString& text) override;
    void runningChanged(int team) override;
    // StopwatchObserver
    void readingShown(const QString& text, bool marker) override;
    void timersChanged() override;

    void buildControls();
    QWidget* buildScoreBox();
    QWidget* buildTaskGrid();
    void connectControls();
    void watch(QWidget* control);
    void applyCaptions();
    void applyTaskForm();
    bool handleKey(int key, Qt::KeyboardModifiers modifiers, bool inTextField);
    bool selectByLetter(QChar letter);
    void syncClockTimers();

    ShotEntryController controller_;

    QComboBox *taskList_ = nullptr, *handleList_ = nullptr, *pointsList_ = nullptr;
    QComboBox *remark_ = nullptr, *comment_ = nullptr;
    QToolButton *expandRemark_ = nullptr, *expandComment_ = nullptr;
    std::array<CTALVMFCButton*, 12> taskButtons_{};
    std::array<CTALVMFCButton*, 6> handleButtons_{};
    std::array<CTALVMFCButton*, 7> pointsButtons_{};
    QWidget* taskGrid_ = nullptr;
    QPlainTextEdit* guideline_ = nullptr;
    std::array<QLabel*, 4> missing_{};
    QLabel *endNumber_ = nullptr, *playerNumber_ = nullptr, *stoneNumber_ = nullptr;
    std::array<QLabel*, 2> teamLabels_{}, teamTotals_{};
    QLabel *deliveringTeam_ = nullptr, *deliveringPlayer_ = nullptr;
    QLabel *normalLabel1_ = nullptr, *normalLabel2_ = nullptr, *mixedDoublesLabel_ = nullptr;
    QPushButton *ok_ = nullptr, *previous_ = nullptr, *next_ = nullptr, *return_ = nullptr;

    QTimer* gameClock_ = nullptr;
    QTimer* stopwatchDisplay_ = nullptr;
    QTimer* stopwatchFreeze_ = nullptr;

    bool wide_ = false;
    bool lookStyled_ = false;
    bool refreshing_ = false;
    bool firstShow_ = true;
    std::array<QString, 12> shownLongCaptions_;
};
