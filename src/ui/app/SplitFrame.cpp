#include "SplitFrame.h"

#include "ui/entry/EntryDialogRunner.h"
#include "ui/entry/ShotEntryForm.h"
#include "ui/house/HouseView.h"
#include "ui/stats/QuickViewWindow.h"

#include "core/app/PaneSizes.h"
#include "core/files/Document.h"
#include "core/stats/QuickView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QSplitter>

CSplitFrame::CSplitFrame(CTALVStatsDoc& doc, Prompts& prompts, QWidget* parent)
    : QWidget(parent), doc_(doc)
{
    setObjectName(QStringLiteral("splitFrame"));
    dialogs_ = std::make_unique<EntryDialogRunner>(this, doc_);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("splitter"));
    splitter_->setChildrenCollapsible(true);
    splitter_->setHandleWidth(5);

    view_ = new CTALVStatsView(doc_, prompts, *dialogs_, splitter_);
    tagging_ = new QWidget(splitter_);
    tagging_->setObjectName(QStringLiteral("taggingColumn"));
    house_ = new CTALVGraphicsVIEW(doc_, splitter_);
    splitter_->addWidget(view_);
    splitter_->addWidget(tagging_);
    splitter_->addWidget(house_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 0);
    splitter_->setStretchFactor(2, 1);
    // The tagging panel joins later; its column stays closed and its bar fixed.
    tagging_->setMaximumWidth(0);
    splitter_->handle(2)->setEnabled(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);

    const PaneSizes::Widths widths = PaneSizes::creation(false);
    applyWidths(widths.form, widths.tagging);
    view_->setWideLayout(widths.form >= PaneSizes::FormWideFrom);

    for (int i = 1; i < splitter_->count(); ++i)
        splitter_->handle(i)->installEventFilter(this);
    // Any input to the form may move the game: the status panes follow.
    view_->installEventFilter(this);
    for (QWidget* control : view_->findChildren<QWidget*>())
        control->installEventFilter(this);
    connect(splitter_, &QSplitter::splitterMoved, this, [this] { dragging_ = true; });

    connect(view_, &CTALVStatsView::houseNudge, this, &CSplitFrame::nudgeHouse);
    connect(view_, &CTALVStatsView::quickViewToggled, this, &CSplitFrame::showQuickView);
    connect(view_, &CTALVStatsView::barsToggled, this, &CSplitFrame::barsToggled);
    connect(view_, &CTALVStatsView::gameTimeShown, this, [this](int team, const QString& text) {
        teamTimes_[team == 2 ? 1 : 0] = text;
        Q_EMIT timerBarsChanged();
    });
    connect(view_, &CTALVStatsView::gameTimerRunning, this, [this](int team) {
        runningTeam_ = team;
        Q_EMIT timerBarsChanged();
    });
    connect(view_, &CTALVStatsView::stopwatchReading, this,
            [this](const QString& text, bool marker) {
                stopwatchText_ = text;
                stopwatchMarker_ = marker;
                Q_EMIT timerBarsChanged();
            });
    connect(house_, &CTALVGraphicsVIEW::positionMoved, this, &CSplitFrame::statusMayHaveChanged);
    connect(&doc_, &CTALVStatsDoc::viewsToRefresh, this, [this] {
        refreshQuickView();
        Q_EMIT statusMayHaveChanged();
    });
    connect(&doc_, &CTALVStatsDoc::stateNameChanged, this, &CSplitFrame::statusMayHaveChanged);
    connect(&doc_, &CTALVStatsDoc::houseViewsChanged, this, &CSplitFrame::timerBarsChanged);
}

CSplitFrame::~CSplitFrame()
{
    // The panes go while the dialogs the form was given still exist.
    closing_ = true;
    delete splitter_;
}

void CSplitFrame::nudgeHouse(int command)
{
    house_->nudge(command);
}

void CSplitFrame::applyWidths(int form, int tagging)
{
    const int total = qMax(splitter_->width(), form + tagging + 400);
    splitter_->setSizes({form, tagging, qMax(0, total - form - tagging)});
}

void CSplitFrame::storePaneWidths()
{
    const QList<int> sizes = splitter_->sizes();
    const PaneSizes::Stored stored = PaneSizes::store({sizes.value(0), sizes.value(1)}, false);
    view_->setWideLayout(stored.wideForm);
    applyWidths(stored.widths.form, 0);
}

void CSplitFrame::fitPanes()
{
    const PaneSizes::Widths fitted = PaneSizes::fit(view_->sizeHint().width(), false, 0);
    applyWidths(fitted.form, fitted.tagging);
    storePaneWidths();
}

bool CSplitFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (closing_)
        return false;
    if (watched == view_ || view_->isAncestorOf(qobject_cast<QWidget*>(watched))) {
        if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease)
            noteInput();
        return false;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        fitPanes();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && dragging_) {
        dragging_ = false;
        // After the splitter has taken the release itself.
        QMetaObject::invokeMethod(this, &CSplitFrame::storePaneWidths, Qt::QueuedConnection);
    }
    return false;
}

void CSplitFrame::noteInput()
{
    // Once the control has handled the input, and once for a burst of events.
    if (inputPending_)
        return;
    inputPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            inputPending_ = false;
            Q_EMIT statusMayHaveChanged();
        },
        Qt::QueuedConnection);
}

void CSplitFrame::showQuickView(bool shown)
{
    if (!shown) {
        if (quickView_)
            quickView_->hide();
        return;
    }
    if (!quickView_) {
        quickView_ = new CQuickViewWindow(this);
        quickView_->setWindowFlag(Qt::Tool);
        connect(quickView_, &CQuickViewWindow::closed, this, [this] {
            // Closed by the user: the form's toggle loses its tick mark.
            if (view_->controller().quickViewShown())
                view_->controller().Command(EntryCommand::QuickStatistics);
        });
        const QPoint corner = mapToGlobal(QPoint(view_->width() + 12, 12));
        quickView_->move(corner);
    }
    refreshQuickView();
    quickView_->show();
    quickView_->raise();
}

void CSplitFrame::refreshQuickView()
{
    if (!quickView_ || !view_->controller().quickViewShown())
        return;
    quickView_->showModel(QuickView::build(
        doc_.game(), {doc_.fields().SavedSecondId1, doc_.fields().SavedSecondId2}));
}
