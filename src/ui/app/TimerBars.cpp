#include "TimerBars.h"

#include "SplitFrame.h"

#include "ui/entry/ShotEntryForm.h"

#include "core/files/Document.h"
#include "core/house/HouseColours.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

// The 16 x 15 team mark: a filled circle in the team's stone colour.
QIcon teamIcon(const QColor& colour)
{
    QPixmap pixmap(16, 15);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour.darker(160), 1));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(1.5, 1.0, 13.0, 13.0));
    return QIcon(pixmap);
}

const QString kTeamIdle = QStringLiteral(" 00:00 ");
const QString kStopwatchIdle = QStringLiteral("00:00.0 ");

} // namespace

TimerBars::TimerBars(QMainWindow& window) : QObject(&window)
{
    QStyle* style = QApplication::style();

    gameTimer_ = new QToolBar(&window);
    gameTimer_->setObjectName(QStringLiteral("gameTimerBar"));
    QAction* stop = addCommand(gameTimer_, EntryCommand::TimerStop, tr("Stop both clocks"),
                               style->standardIcon(QStyle::SP_MediaPause));
    gameTimer_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The team buttons carry their times; the stop button is a plain symbol.
    if (auto* button = qobject_cast<QToolButton*>(gameTimer_->widgetForAction(stop)))
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int team = 1; team <= 2; ++team) {
        QAction* action =
            addCommand(gameTimer_, team == 1 ? EntryCommand::TimerTeam1 : EntryCommand::TimerTeam2,
                       kTeamIdle, teamIcon(Qt::gray));
        action->setCheckable(true);
        action->setToolTip(tr("Start the clock of team %1").arg(team));
        action->setStatusTip(action->toolTip());
        teams_[std::size_t(team - 1)] = action;
    }

    stopwatch_ = new QToolBar(&window);
    stopwatch_->setObjectName(QStringLiteral("stopwatchBar"));
    display_ = new QLabel(kStopwatchIdle, stopwatch_);
    display_->setObjectName(QStringLiteral("stopwatchDisplay"));
    display_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    display_->setFrameShape(QFrame::StyledPanel);
    display_->setFrameShadow(QFrame::Sunken);
    display_->setMargin(2);
    display_->setToolTip(tr("Stopwatch"));
    stopwatch_->addWidget(display_);
    addCommand(stopwatch_, EntryCommand::StopwatchStart, tr("Start the stopwatch"),
               style->standardIcon(QStyle::SP_MediaPlay));
    addCommand(stopwatch_, EntryCommand::StopwatchStop, tr("Stop the stopwatch"),
               style->standardIcon(QStyle::SP_MediaStop));
    addCommand(stopwatch_, EntryCommand::StopwatchSplit, tr("Split time"),
               style->standardIcon(QStyle::SP_MediaSeekForward));
    addCommand(stopwatch_, EntryCommand::StopwatchReset, tr("Reset the stopwatch"),
               style->standardIcon(QStyle::SP_BrowserReload));
    addCommand(stopwatch_, EntryCommand::StopwatchToComment,
               tr("Write the stopwatch reading into the comment"),
               style->standardIcon(QStyle::SP_FileDialogContentsView));
}

QAction* TimerBars::addCommand(QToolBar* bar, int id, const QString& caption, const QIcon& icon)
{
    QAction* action = bar->addAction(icon, caption);
    action->setData(id);
    action->setStatusTip(action->toolTip());
    commands_.push_back(action);
    return action;
}

void TimerBars::follow(CSplitFrame* frame)
{
    for (const QMetaObject::Connection& link : links_)
        disconnect(link);
    links_.clear();
    frame_ = frame;
    if (frame_) {
        links_.push_back(
            connect(frame_, &CSplitFrame::timerBarsChanged, this, &TimerBars::refresh));
        links_.push_back(
            connect(frame_, &CSplitFrame::barsToggled, this, &TimerBars::applyVisibility));
    }
    refresh();
    applyVisibility();
}

void TimerBars::refresh()
{
    const CTALVStatsDoc* doc = frame_ ? &frame_->document() : nullptr;
    const qint32 colours[2] = {doc ? doc->fields().Dark : 0, doc ? doc->fields().Light : 0};
    for (int team = 1; team <= 2; ++team) {
        QAction* action = teams_[std::size_t(team - 1)];
        action->setText(frame_ ? frame_->teamTime(team) : kTeamIdle);
        action->setChecked(frame_ && frame_->runningTeam() == team);
        action->setIcon(teamIcon(doc ? toQColor(colours[team - 1]) : QColor(Qt::gray)));
    }
    display_->setText(frame_ ? frame_->stopwatchText() : kStopwatchIdle);
    QFont font = display_->font();
    font.setBold(frame_ && frame_->stopwatchMarker());
    display_->setFont(font);
}

void TimerBars::applyVisibility()
{
    gameTimer_->setVisible(frame_ && frame_->view().controller().gameTimerShown());
    stopwatch_->setVisible(frame_ && frame_->view().controller().stopwatchShown());
}
