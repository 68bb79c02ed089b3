#include "ShotEntryForm.h"

#include "TALVMFCButton.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/record/Vocabulary.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int TaskColumns = 6;
constexpr int CellGap = 3;
// Six task buttons and their gaps within the default pane of 340 pixels.
constexpr int MaxCellWidth = 52;
constexpr int TextFieldNone = 0;

// Colour numbers of the button groups: draws, takeouts, the shots outside the
// percentages, handles; the points buttons keep the form's colour.
constexpr int DrawColour = 1, TakeoutColour = 2, ThroughColour = 3, HandleColour = 4,
              PointsColour = 0;

// Short captions of the handle buttons (plain and the two advanced deliveries).
const std::array<const char*, 6> kHandleAbbreviations{"In",    "Out",   "I i-o",
                                                      "O i-o", "I o-i", "O o-i"};

QString objectNameOf(int id)
{
    return QString::number(id);
}

// The first word of a name, cut to six characters and a dot beyond seven.
QString abbreviation(const QString& name)
{
    static const QRegularExpression separators(QStringLiteral("[ /(]"));
    QString word = name.section(separators, 0, 0, QString::SectionSkipEmpty);
    if (word.isEmpty())
        word = name;
    if (word.size() > 7)
        word = word.left(5) + QLatin1Char('.');
    return word;
}

// The caption with its key letter marked where it stands (as written, then in
// lower case), else put in front; a key that is no letter or digit stays unmarked.
QString captionWithKey(QChar key, const QString& text)
{
    QString caption = text;
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    if (!key.isLetterOrNumber())
        return caption;
    qsizetype at = caption.indexOf(key);
    if (at < 0)
        at = caption.indexOf(key.toLower());
    if (at < 0)
        return QLatin1Char('&') + QString(key) + QLatin1Char(' ') + caption;
    return caption.left(at) + QLatin1Char('&') + caption.mid(at);
}

int taskColour(int code)
{
    switch (Vocabulary::taskCategory(Vocabulary::taskLabel(code))) {
    case Vocabulary::TaskCategory::Draw:
        return DrawColour;
    case Vocabulary::TaskCategory::Takeout:
        return TakeoutColour;
    case Vocabulary::TaskCategory::Other:
        break;
    }
    return ThroughColour;
}

// Fills a list only when its entries changed, so that an open list or an edited
// text is not disturbed by every refresh.
void setItems(QComboBox* box, const QStringList& items)
{
    QStringList current;
    current.reserve(box->count());
    for (int i = 0; i < box->count(); ++i)
        current.append(box->itemText(i));
    if (current == items)
        return;
    const QString text = box->currentText();
    box->clear();
    box->addItems(items);
    if (box->isEditable())
        box->setEditText(text);
}

void select(QComboBox* box, int index)
{
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

QLabel* missingMarker(int id)
{
    auto* marker = new QLabel(QStringLiteral("!"));
    marker->setObjectName(objectNameOf(id));
    QFont f = marker->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    marker->setFont(f);
    marker->setStyleSheet(QStringLiteral("color: #d00000"));
    marker->setFixedWidth(QFontMetrics(f).horizontalAdvance(QLatin1Char('!')) + 6);
    marker->setAlignment(Qt::AlignCenter);
    // The list beside it keeps its width whether the marker shows or not.
    QSizePolicy policy = marker->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    marker->setSizePolicy(policy);
    marker->hide();
    return marker;
}

QLabel* valueLabel(int id, bool bold = false, double scale = 1.0)
{
    auto* label = new QLabel;
    label->setObjectName(objectNameOf(id));
    QFont f = label->font();
    f.setBold(bold);
    f.setPointSizeF(f.pointSizeF() * scale);
    label->setFont(f);
    return label;
}

QLabel* captionLabel(int id, const QString& text)
{
    auto* label = new QLabel(text);
    if (id != 0)
        label->setObjectName(objectNameOf(id));
    label->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    return label;
}

QComboBox* list(int id, bool editable)
{
    auto* box = new QComboBox;
    box->setObjectName(objectNameOf(id));
    box->setEditable(editable);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(12);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return box;
}

CTALVMFCButton* entryButton(int id)
{
    auto* button = new CTALVMFCButton;
    button->setObjectName(objectNameOf(id));
    button->setFocusPolicy(Qt::TabFocus);
    // A row of them shares a narrow pane; the style's minimum button width is too wide.
    button->setMinimumWidth(24);
    return button;
}

int arrowCommand(int key)
{
    switch (key) {
    case Qt::Key_Up:
        return EntryCommand::NudgeUp;
    case Qt::Key_Down:
        return EntryCommand::NudgeDown;
    case Qt::Key_Left:
        return EntryCommand::NudgeLeft;
    case Qt::Key_Right:
        return EntryCommand::NudgeRight;
    default:
        return 0;
    }
}

} // namespace

CTALVStatsView::CTALVStatsView(CTALVStatsDoc& doc, Prompts& prompts, EntryDialogs& dialogs,
                               QWidget* parent)
    : QWidget(parent), controller_(doc, prompts, dialogs)
{
    setObjectName(QStringLiteral("shotEntryForm"));
    setFocusPolicy(Qt::StrongFocus);
    buildControls();
    connectControls();

    gameClock_ = new QTimer(this);
    gameClock_->setInterval(1000);
    connect(gameClock_, &QTimer::timeout, this, [this] { controller_.gameTimer().tick(); });
    stopwatchDisplay_ = new QTimer(this);
    stopwatchDisplay_->setInterval(Stopwatch::DisplayIntervalMs);
    connect(stopwatchDisplay_, &QTimer::timeout, this, [this] { controller_.stopwatch().tick(); });
    stopwatchFreeze_ = new QTimer(this);
    stopwatchFreeze_->setSingleShot(true);
    stopwatchFreeze_->setInterval(Stopwatch::FreezeMs);
    connect(stopwatchFreeze_, &QTimer::timeout, this,
            [this] { controller_.stopwatch().freezeEnded(); });

    controller_.gameTimer().Observer = this;
    controller_.stopwatch().Observer = this;
    controller_.setView(this);
    syncClockTimers();
    if (controller_.gameTimer().isRunning())
        gameClock_->start();

    lookStyled_ = Settings::read(Key::Options::ApplicationLookButton) != 0;
    formChanged();
    applyButtonColours(lookStyled_);
}

CTALVStatsView::~CTALVStatsView()
{
    // The controller outlives this body; it must not call back into a dying form.
    controller_.setView(nullptr);
    controller_.gameTimer().Observer = nullptr;
    controller_.stopwatch().Observer = nullptr;
}

void CTALVStatsView::buildControls()
{
    taskList_ = list(EntryId::TaskList, false);
    handleList_ = list(EntryId::HandleList, false);
    pointsList_ = list(EntryId::PointsList, false);
    remark_ = list(EntryId::Remark, true);
    comment_ = list(EntryId::Comment, true);
    missing_ = {missingMarker(EntryId::TaskMissing), missingMarker(EntryId::HandleMissing),
                missingMarker(EntryId::PointsMissing), missingMarker(EntryId::OtherMissing)};

    const auto expander = [](int id) {
        auto* button = new QToolButton;
        button->setObjectName(objectNameOf(id));
        button->setText(QStringLiteral("…"));
        button->setFocusPolicy(Qt::TabFocus);
        return button;
    };
    expandRemark_ = expander(EntryId::ExpandRemark);
    expandComment_ = expander(EntryId::ExpandComment);

    for (std::size_t i = 0; i < handleButtons_.size(); ++i)
        handleButtons_[i] = entryButton(EntryId::HandleButtons[i]);
    for (std::size_t i = 0; i < pointsButtons_.size(); ++i)
        pointsButtons_[i] = entryButton(EntryId::PointsButtons[i]);

    guideline_ = new QPlainTextEdit;
    guideline_->setObjectName(objectNameOf(EntryId::Guideline));
    guideline_->setReadOnly(true);
    guideline_->setFocusPolicy(Qt::NoFocus);
    guideline_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    guideline_->setMinimumHeight(QFontMetrics(guideline_->font()).lineSpacing() * 4 + 12);

    const auto command = [](int id, const QString& text) {
        auto* button = new QPushButton(text);
        button->setObjectName(objectNameOf(id));
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        button->setMinimumWidth(40);
        return button;
    };
    ok_ = command(EntryId::Ok, QStringLiteral("OK"));
    QFont okFont = ok_->font();
    okFont.setBold(true);
    ok_->setFont(okFont);
    ok_->setFocusPolicy(Qt::StrongFocus);
    previous_ = command(EntryId::Previous, QStringLiteral("Previous"));
    next_ = command(EntryId::Next, QStringLiteral("Next"));
    return_ = command(EntryId::Return, QStringLiteral("Return"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(buildScoreBox());

    const auto listRow = [](QComboBox* box, QLabel* marker) {
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addWidget(box, 1);
        row->addWidget(marker);
        return row;
    };
    layout->addLayout(listRow(taskList_, missing_[0]));
    layout->addWidget(buildTaskGrid(), 0, Qt::AlignLeft);

    layout->addLayout(listRow(handleList_, missing_[1]));
    auto* handles = new QHBoxLayout;
    handles->setSpacing(CellGap);
    for (auto* button : handleButtons_)
        handles->addWidget(button);
    layout->addLayout(handles);

    layout->addLayout(listRow(pointsList_, missing_[2]));
    auto* points = new QHBoxLayout;
    points->setSpacing(CellGap);
    for (auto* button : pointsButtons_)
        points->addWidget(button);
    layout->addLayout(points);

    auto* texts = new QGridLayout;
    texts->setHorizontalSpacing(4);
    texts->setVerticalSpacing(4);
    texts->addWidget(remark_, 0, 0);
    texts->addWidget(expandRemark_, 0, 1);
    texts->addWidget(comment_, 1, 0);
    texts->addWidget(expandComment_, 1, 1);
    texts->addWidget(missing_[3], 1, 2);
    texts->setColumnStretch(0, 1);
    layout->addLayout(texts);

    layout->addWidget(guideline_, 1);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(4);
    commands->addWidget(ok_, 2);
    commands->addWidget(previous_, 1);
    commands->addWidget(next_, 1);
    commands->addWidget(return_, 1);
    layout->addLayout(commands);

    // The form's own controls, not the lists' pop-ups: an open list keeps its keys.
    for (QWidget* control : std::initializer_list<QWidget*>{
             taskList_, handleList_, pointsList_, remark_, comment_, remark_->lineEdit(),
             comment_->lineEdit(), expandRemark_, expandComment_, ok_, previous_, next_, return_})
        watch(control);
    for (auto* button : handleButtons_)
        watch(button);
    for (auto* button : pointsButtons_)
        watch(button);
}

QWidget* CTALVStatsView::buildScoreBox()
{
    auto* box = new QFrame;
    box->setObjectName(QStringLiteral("scoreBox"));
    box->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);

    teamLabels_ = {valueLabel(EntryId::Team1Label, true), valueLabel(EntryId::Team2Label, true)};
    teamTotals_ = {valueLabel(EntryId::Team1Total, true, 1.5),
                   valueLabel(EntryId::Team2Total, true, 1.5)};
    for (int team = 0; team < 2; ++team) {
        teamTotals_[std::size_t(team)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(teamLabels_[std::size_t(team)], team, 0, 1, 5);
        grid->addWidget(teamTotals_[std::size_t(team)], team, 5);
    }

    endNumber_ = valueLabel(EntryId::EndNumber, true);
    playerNumber_ = valueLabel(EntryId::PlayerNumber, true);
    stoneNumber_ = valueLabel(EntryId::StoneNumber, true);
    normalLabel1_ = captionLabel(EntryId::NormalLabel1,
                                 Texts::get(5011).arg(QString()).trimmed()); // "Player"
    normalLabel2_ = captionLabel(EntryId::NormalLabel2, Texts::get(5107));
    mixedDoublesLabel_ = captionLabel(EntryId::MixedDoublesLabel, Texts::get(5107));

    auto* position = new QHBoxLayout;
    position->setSpacing(4);
    position->addWidget(captionLabel(0, Texts::get(5024)));
    position->addWidget(endNumber_);
    position->addSpacing(10);
    position->addWidget(normalLabel1_);
    position->addWidget(mixedDoublesLabel_);
    position->addWidget(playerNumber_);
    position->addSpacing(10);
    position->addWidget(normalLabel2_);
    position->addWidget(stoneNumber_);
    position->addStretch(1);
    grid->addLayout(position, 2, 0, 1, 6);

    deliveringTeam_ = valueLabel(EntryId::DeliveringTeam);
    deliveringPlayer_ = valueLabel(EntryId::DeliveringPlayer, true, 1.15);
    auto* delivering = new QHBoxLayout;
    delivering->setSpacing(6);
    delivering->addWidget(deliveringPlayer_);
    delivering->addWidget(deliveringTeam_);
    delivering->addStretch(1);
    grid->addLayout(delivering, 3, 0, 1, 6);
    grid->setColumnStretch(0, 1);
    return box;
}

QWidget* CTALVStatsView::buildTaskGrid()
{
    taskGrid_ = new QWidget;
    taskGrid_->setObjectName(QStringLiteral("taskGrid"));
    // Twelve short captions share the width of a narrow pane.
    QFont small = taskGrid_->font();
    small.setPointSizeF(small.pointSizeF() * 0.92);
    taskGrid_->setFont(small);
    for (std::size_t i = 0; i < taskButtons_.size(); ++i)
        taskButtons_[i] = entryButton(EntryId::TaskButtons[i]);
    for (auto* button : taskButtons_) {
        button->setParent(taskGrid_);
        watch(button);
    }
    return taskGrid_;
}

void CTALVStatsView::watch(QWidget* control)
{
    control->installEventFilter(this);
}

void CTALVStatsView::connectControls()
{
    for (std::size_t i = 0; i < taskButtons_.size(); ++i)
        connect(taskButtons_[i], &QAbstractButton::clicked, this,
                [this, i] { controller_.taskButton(int(i)); });
    for (std::size_t i = 0; i < handleButtons_.size(); ++i)
        connect(handleButtons_[i], &QAbstractButton::clicked, this,
                [this, i] { controller_.handleButton(int(i)); });
    for (std::size_t i = 0; i < pointsButtons_.size(); ++i)
        connect(pointsButtons_[i], &QAbstractButton::clicked, this,
                [this, i] { controller_.pointsButton(int(i)); });

    connect(taskList_, &QComboBox::activated, this,
            [this](int index) { controller_.taskListChosen(index); });
    connect(handleList_, &QComboBox::activated, this,
            [this](int index) { controller_.handleListChosen(index); });
    connect(pointsList_, &QComboBox::activated, this,
            [this](int index) { controller_.pointsListChosen(index); });

    connect(remark_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (!refreshing_)
            controller_.setRemark(text);
    });
    connect(comment_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (!refreshing_)
            controller_.setComment(text);
    });
    // A ready-made text picked from a list closes it: back to OK.
    connect(remark_, &QComboBox::activated, this, &CTALVStatsView::focusOk);
    connect(comment_, &QComboBox::activated, this, &CTALVStatsView::focusOk);
    connect(expandRemark_, &QToolButton::clicked, this, [this] { controller_.expandRemark(); });
    connect(expandComment_, &QToolButton::clicked, this, [this] { controller_.expandComment(); });

    connect(ok_, &QPushButton::clicked, this, [this] { controller_.RecordShot(); });
    connect(previous_, &QPushButton::clicked, this, [this] { controller_.Previous(); });
    connect(next_, &QPushButton::clicked, this, [this] {
        controller_.ReviewStepForward(
            QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier));
    });
    connect(return_, &QPushButton::clicked, this, [this] { controller_.Return(); });
}

void CTALVStatsView::applyCaptions()
{
    const auto& longCaptions = controller_.taskLongCaptions();
    std::array<QString, 12> shortCaptions;
    for (std::size_t i = 0; i < shortCaptions.size(); ++i) {
        const int code = int(i);
        shortCaptions[i] = captionWithKey(Vocabulary::accelerator(Vocabulary::taskLabel(code)),
                                          abbreviation(Vocabulary::taskName(code)));
    }
    bool same = longCaptions == shownLongCaptions_;
    for (std::size_t i = 0; same && i < shortCaptions.size(); ++i)
        same = taskButtons_[i]->shortCaption() == shortCaptions[i];
    if (!same) {
        // Every cell is as wide as the widest short caption needs, but six of
        // them fit the pane's default width; the buttons shrink what is wider.
        const QFontMetrics metrics(taskGrid_->font());
        int cellWidth = 40;
        for (const QString& caption : shortCaptions) {
            QString shown = caption;
            shown.remove(QLatin1Char('&'));
            cellWidth = std::max(cellWidth, metrics.horizontalAdvance(shown) + 10);
        }
        cellWidth = std::min(cellWidth, MaxCellWidth);
        const int cellHeight = metrics.height() + 12;
        for (std::size_t i = 0; i < taskButtons_.size(); ++i) {
            const int row = int(i) / TaskColumns, column = int(i) % TaskColumns;
            CTALVMFCButton* button = taskButtons_[i];
            button->setShortCaption(shortCaptions[i]);
            button->setGeometry(column * (cellWidth + CellGap), row * (cellHeight + CellGap),
                                cellWidth, cellHeight);
            button->SetUpButton(row, column, longCaptions[i], true, taskColour(int(i)));
            button->ApplyColour(lookStyled_);
        }
        shownLongCaptions_ = longCaptions;
        applyTaskForm();
    }

    for (std::size_t i = 0; i < handleButtons_.size(); ++i) {
        const int code = int(i);
        const QChar key = Vocabulary::accelerator(Vocabulary::handleLabel(code));
        const QString caption = captionWithKey(key, QLatin1String(kHandleAbbreviations[i]));
        if (handleButtons_[i]->shortCaption() != caption) {
            handleButtons_[i]->setShortCaption(caption);
            handleButtons_[i]->SetUpButton(0, code, Vocabulary::handleName(code), false,
                                           HandleColour);
            handleButtons_[i]->ApplyColour(lookStyled_);
        }
    }
    // The digit keys 0..5 are fixed; the last button shows its label's key.
    for (std::size_t i = 0; i < pointsButtons_.size(); ++i) {
        const int code = i < 6 ? int(i) : Vocabulary::PointsNotConsidered;
        const QChar key = i < 6 ? QChar(u'0' + char16_t(i))
                                : Vocabulary::accelerator(Vocabulary::pointsLabel(code));
        const QString caption = captionWithKey(key, QString(key));
        if (pointsButtons_[i]->shortCaption() != caption) {
            pointsButtons_[i]->setShortCaption(caption);
            pointsButtons_[i]->SetUpButton(0, int(i), Vocabulary::pointsName(code), false,
                                           PointsColour);
            pointsButtons_[i]->ApplyColour(lookStyled_);
        }
    }
}

void CTALVStatsView::applyTaskForm()
{
    const bool wide = wide_ && Settings::read(Key::Options::ApplicationBigIcons) != 0;
    QRect bounds;
    for (auto* button : taskButtons_) {
        if (wide)
            button->SetWide();
        else
            button->SetCompact();
        bounds |= button->geometry();
    }
    taskGrid_->setFixedSize(bounds.right() + 1, bounds.bottom() + 1);
}

void CTALVStatsView::setWideLayout(bool wide)
{
    wide_ = wide;
    applyTaskForm();
}

void CTALVStatsView::applyButtonColours(bool lookStyled)
{
    lookStyled_ = lookStyled;
    for (auto* button : taskButtons_)
        button->ApplyColour(lookStyled);
    for (auto* button : handleButtons_)
        button->ApplyColour(lookStyled);
    for (auto* button : pointsButtons_)
        button->ApplyColour(lookStyled);
}

void CTALVStatsView::formChanged()
{
    refreshing_ = true;
    const EntryFormState& s = controller_.state();
    applyCaptions();

    {
        const QSignalBlocker blockTask(taskList_), blockHandle(handleList_),
            blockPoints(pointsList_), blockRemark(remark_), blockComment(comment_);
        setItems(taskList_, controller_.taskItems());
        setItems(handleList_, controller_.handleItems());
        setItems(pointsList_, controller_.pointsItems());
        setItems(remark_, controller_.remarkItems());
        setItems(comment_, controller_.commentItems());
        select(taskList_, s.task);
        select(handleList_, s.handle);
        select(pointsList_, s.points);
        if (remark_->currentText() != s.remark)
            remark_->setEditText(s.remark);
        if (comment_->currentText() != s.comment)
            comment_->setEditText(s.comment);
    }

    const auto check = [](auto& buttons, int checked) {
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            const QSignalBlocker block(buttons[i]);
            buttons[i]->setChecked(int(i) == checked);
        }
    };
    check(taskButtons_, s.taskButton);
    check(handleButtons_, s.handleButton);
    check(pointsButtons_, s.pointsButton);
    for (std::size_t i = 0; i < taskButtons_.size(); ++i)
        taskButtons_[i]->setEnabled(s.taskEnabled[i]);
    for (std::size_t i = 2; i < handleButtons_.size(); ++i)
        handleButtons_[i]->setVisible(s.extraHandlesVisible);

    const auto tip = [&](CTALVMFCButton* button) {
        button->setToolTip(
            s.tooltipsActive ? controller_.buttonTooltip(button->objectName().toInt()) : QString());
    };
    std::for_each(taskButtons_.begin(), taskButtons_.end(), tip);
    std::for_each(handleButtons_.begin(), handleButtons_.end(), tip);
    std::for_each(pointsButtons_.begin(), pointsButtons_.end(), tip);

    if (guideline_->toPlainText() != s.guideline)
        guideline_->setPlainText(s.guideline);
    missing_[0]->setVisible(s.taskMissing);
    missing_[1]->setVisible(s.handleMissing);
    missing_[2]->setVisible(s.pointsMissing);
    missing_[3]->hide();

    endNumber_->setText(s.endNumber);
    playerNumber_->setText(s.playerNumber);
    stoneNumber_->setText(s.stoneNumber);
    for (std::size_t team = 0; team < 2; ++team) {
        teamLabels_[team]->setText(s.teamLabels[team]);
        teamTotals_[team]->setText(s.teamTotals[team]);
    }
    deliveringTeam_->setText(s.deliveringTeam);
    deliveringPlayer_->setText(s.deliveringPlayer);
    normalLabel1_->setVisible(!s.mixedDoubles);
    normalLabel2_->setVisible(!s.mixedDoubles);
    stoneNumber_->setVisible(!s.mixedDoubles);
    mixedDoublesLabel_->setVisible(s.mixedDoubles);

    previous_->setVisible(s.previousVisible);
    next_->setVisible(s.nextVisible);
    return_->setVisible(s.returnVisible);
    setEnabled(s.enabled);
    refreshing_ = false;
}

void CTALVStatsView::focusOk()
{
    ok_->setFocus(Qt::OtherFocusReason);
}

void CTALVStatsView::beep()
{
    QApplication::beep();
}

void CTALVStatsView::quickViewChanged()
{
    Q_EMIT quickViewToggled(controller_.quickViewShown());
}

void CTALVStatsView::barsChanged()
{
    Q_EMIT barsToggled();
}

void CTALVStatsView::timeShown(int team, const QString& text)
{
    Q_EMIT gameTimeShown(team, text);
}

void CTALVStatsView::runningChanged(int team)
{
    if (team == 0)
        gameClock_->stop();
    else if (!gameClock_->isActive())
        gameClock_->start();
    Q_EMIT gameTimerRunning(team);
}

void CTALVStatsView::readingShown(const QString& text, bool marker)
{
    Q_EMIT stopwatchReading(text, marker);
}

void CTALVStatsView::timersChanged()
{
    syncClockTimers();
}

void CTALVStatsView::syncClockTimers()
{
    const Stopwatch& watch = controller_.stopwatch();
    if (watch.displayTimerActive() != stopwatchDisplay_->isActive()) {
        if (watch.displayTimerActive())
            stopwatchDisplay_->start();
        else
            stopwatchDisplay_->stop();
    }
    // Each frozen split reading stays its full time.
    if (watch.freezeTimerActive())
        stopwatchFreeze_->start();
    else
        stopwatchFreeze_->stop();
}

void CTALVStatsView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (firstShow_) {
        firstShow_ = false;
        controller_.AdjustWheelchair();
        formChanged();
        // The bars show the clocks as they stand before the first tick.
        controller_.gameTimer().showTimes();
        const Stopwatch& watch = controller_.stopwatch();
        Q_EMIT stopwatchReading(watch.reading(), watch.marker());
        focusOk();
    }
}

bool CTALVStatsView::selectByLetter(QChar letter)
{
    const QChar key = letter.toUpper();
    const auto same = [&](const QString& label) {
        const QChar accelerator = Vocabulary::accelerator(label);
        return !accelerator.isNull() && accelerator.toUpper() == key;
    };
    // The digit keys of the points buttons: 0..5 and 7.
    if (key.isDigit()) {
        const int digit = key.digitValue();
        if (digit <= 5 || digit == Vocabulary::PointsNotConsidered) {
            controller_.pointsButton(digit <= 5 ? digit : 6);
            return true;
        }
        return false;
    }
    for (std::size_t i = 0; i < taskButtons_.size(); ++i) {
        if (taskButtons_[i]->isEnabled() && same(Vocabulary::taskLabel(int(i)))) {
            controller_.taskButton(int(i));
            return true;
        }
    }
    for (std::size_t i = 0; i < handleButtons_.size(); ++i) {
        if (!handleButtons_[i]->isHidden() && same(Vocabulary::handleLabel(int(i)))) {
            controller_.handleButton(int(i));
            return true;
        }
    }
    if (same(Vocabulary::pointsLabel(Vocabulary::PointsNotConsidered))) {
        controller_.pointsButton(6);
        return true;
    }
    return false;
}

bool CTALVStatsView::handleKey(int key, Qt::KeyboardModifiers modifiers, bool inTextField)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        controller_.RecordShot();
        return true;
    }
    // Text fields edit natively; modified keys belong to shortcuts and mnemonics.
    if (inTextField || (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    switch (key) {
    case Qt::Key_Backspace:
        controller_.Command(EntryCommand::DeleteBack);
        return true;
    case Qt::Key_Home:
        controller_.Command(EntryCommand::FirstStone);
        return true;
    default:
        break;
    }
    if (const int nudge = arrowCommand(key)) {
        // Without position recording the arrows keep their usual meaning.
        if (!controller_.UpdateCommand(EntryCommand::PositionRecording).checked)
            return false;
        Q_EMIT houseNudge(nudge);
        return true;
    }
    return false;
}

bool CTALVStatsView::eventFilter(QObject* watched, QEvent* event)
{
    const bool inRemark = watched == remark_ || watched == remark_->lineEdit();
    const bool textField = inRemark || watched == comment_ || watched == comment_->lineEdit();
    switch (event->type()) {
    case QEvent::FocusIn:
        if (textField)
            controller_.setTextFocus(inRemark ? EntryId::Remark : EntryId::Comment);
        break;
    case QEvent::FocusOut:
        // The field's own drop-down takes the focus only for a moment.
        if (textField && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            controller_.setTextFocus(TextFieldNone);
        break;
    case QEvent::KeyPress: {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (handleKey(keyEvent->key(), keyEvent->modifiers(), textField))
            return true;
        if (!textField && !(keyEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            keyEvent->text().size() == 1 && keyEvent->text().at(0).isPrint() &&
            selectByLetter(keyEvent->text().at(0)))
            return true;
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CTALVStatsView::keyPressEvent(QKeyEvent* event)
{
    const bool letter = event->text().size() == 1 && event->text().at(0).isPrint() &&
                        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (handleKey(event->key(), event->modifiers(), false) ||
        (letter && selectByLetter(event->text().at(0))))
        return;
    QWidget::keyPressEvent(event);
}
