#include "HouseView.h"

#include "ui/base/MessageBoxPrompts.h"

#include "core/files/Document.h"
#include "core/house/HouseColours.h"
#include "core/house/HouseImage.h"
#include "core/house/HousePainter.h"

#include <QColorDialog>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {} // namespace

CTALVGraphicsVIEW::CTALVGraphicsVIEW(CTALVStatsDoc& document, QWidget* parent)
    : QWidget(parent), document_(document), controller_(document)
{
    setObjectName(QStringLiteral("houseView"));
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(false);
    setMinimumSize(120, 160);
    rotated_ = document_.fields().ShowRotate != 0;
    connect(&document_, &CTALVStatsDoc::houseViewsChanged, this, qOverload<>(&QWidget::update));
    connect(&document_, &CTALVStatsDoc::viewsToRefresh, this, &CTALVGraphicsVIEW::reload);
    connect(&document_, &CTALVStatsDoc::positionsToStore, this, [this] { controller_.commit(); });
    applyGeometry();
    controller_.load();
}

void CTALVGraphicsVIEW::reload()
{
    controller_.load();
    update();
}

void CTALVGraphicsVIEW::setRotated(bool rotated)
{
    rotated_ = rotated;
    applyGeometry();
    update();
}

void CTALVGraphicsVIEW::applyGeometry()
{
    controller_.setGeometry(
        CHouseGeometry(width(), height(), rotated_, HouseSizes::fromSettings().Stonesize));
    controller_.relayout();
}

void CTALVGraphicsVIEW::handle(int changes)
{
    // A held stone follows the pointer with no button down.
    setMouseTracking(controller_.dragState() != 0);
    if (changes & HouseChange::PositionMoved) {
        controller_.load();
        Q_EMIT positionMoved();
    }
    if (changes & HouseChange::PositionsChanged)
        Q_EMIT positionsChanged();
    if (changes != HouseChange::None)
        update();
}

void CTALVGraphicsVIEW::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    HousePaintInput input{document_.game(), document_.fields(), controller_.positions()};
    input.output = HouseOutput::Screen;
    input.showGraphics = document_.ShowGraphics != 0;
    input.sizes = HouseSizes::fromSettings();
    input.sponsors = HouseSponsors::fromSettings();
    input.title = houseTitle(document_.game());
    input.background = palette().color(QPalette::Window);
    paintHouse(painter, controller_.geometry(), input);

    // The dragged stone's outline follows the pointer.
    if (const auto outline = controller_.dragOutline()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(*outline);
    }
}

void CTALVGraphicsVIEW::resizeEvent(QResizeEvent*)
{
    applyGeometry();
}

HouseButtons CTALVGraphicsVIEW::buttonsOf(const QMouseEvent& event) const
{
    HouseButtons buttons;
    buttons.middle = event.buttons().testFlag(Qt::MiddleButton);
    buttons.scrollLock = scrollLock_;
    return buttons;
}

void CTALVGraphicsVIEW::mousePressEvent(QMouseEvent* event)
{
    // The middle button (or Scroll Lock) during a drag keeps the stone on the
    // pointer after the left button is let go.
    if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton)
        handle(controller_.pressAt(event->position().toPoint(), buttonsOf(*event)));
}

void CTALVGraphicsVIEW::mouseMoveEvent(QMouseEvent* event)
{
    handle(controller_.moveTo(event->position().toPoint()));
}

void CTALVGraphicsVIEW::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        handle(controller_.releaseAt(event->position().toPoint(), buttonsOf(*event)));
}

void CTALVGraphicsVIEW::mouseDoubleClickEvent(QMouseEvent* event)
{
    handle(controller_.doubleClickAt(event->position().toPoint(), event->button()));
}

void CTALVGraphicsVIEW::wheelEvent(QWheelEvent* event)
{
    handle(controller_.wheel(event->angleDelta().y(), event->modifiers()));
    event->accept();
}

bool CTALVGraphicsVIEW::forwardArrowKey(int key)
{
    NudgeDirection direction;
    switch (key) {
    case Qt::Key_Left:
        direction = NudgeDirection::Left;
        break;
    case Qt::Key_Right:
        direction = NudgeDirection::Right;
        break;
    case Qt::Key_Up:
        direction = NudgeDirection::Up;
        break;
    case Qt::Key_Down:
        direction = NudgeDirection::Down;
        break;
    default:
        return false;
    }
    handle(controller_.nudge(direction));
    return true;
}

bool CTALVGraphicsVIEW::nudge(int command)
{
    const std::optional<NudgeDirection> direction = NudgeCommand::directionOf(command);
    if (direction)
        handle(controller_.nudge(*direction));
    return direction.has_value();
}

void CTALVGraphicsVIEW::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_ScrollLock) {
        scrollLock_ = !scrollLock_;
        return;
    }
    if (!forwardArrowKey(event->key()))
        QWidget::keyPressEvent(event);
}

void CTALVGraphicsVIEW::addColourMenu(QMenu& menu, QPoint device)
{
    const ColourElement element = colourElementAt(
        document_.game(), controller_.geometry(), HouseSizes::fromSettings().Teesize,
        controller_.geometry().deviceToDrawing(device),
        controller_.hitTest(controller_.geometry().deviceToDrawing(device)));
    QMenu* colours = menu.addMenu(tr("Colour"));
    const std::pair<const char*, ColourCommand> commands[] = {
        {"Red", ColourCommand::Red},       {"Blue", ColourCommand::Blue},
        {"Black", ColourCommand::Black},   {"Green", ColourCommand::Green},
        {"White", ColourCommand::White},   {"Yellow", ColourCommand::Yellow},
        {"Darker", ColourCommand::Darker}, {"Lighter", ColourCommand::Lighter}};
    for (const auto& [text, command] : commands) {
        const ColourCommand chosen = command;
        colours->addAction(tr(text), this, [this, element, chosen] {
            applyColourCommand(document_, element, chosen);
        });
    }
    colours->addSeparator();
    colours->addAction(tr("Choose colour…"), this, [this, element] {
        const QColor current = toQColor(colourField(document_.fields(), element));
        const QColor colour = QColorDialog::getColor(current, this);
        if (colour.isValid())
            setChosenColour(document_, element, colour);
    });
    colours->addAction(tr("Reset colours"), this, [this] { resetHouseColours(document_); });
    colours->addAction(tr("Swap ring colours"), this, [this] { swapRingColours(document_); });
}

void CTALVGraphicsVIEW::contextMenuEvent(QContextMenuEvent* event)
{
    const QPoint device = event->pos();
    const CHouseController::MenuState state = controller_.openMenuAt(device);
    QMenu menu(this);
    if (state.stone) {
        QAction* outOfPlay = menu.addAction(tr("Out of play"), this,
                                            [this] { handle(controller_.menuOutOfPlay()); });
        outOfPlay->setEnabled(state.positional);
        menu.setDefaultAction(outOfPlay);
        menu.addAction(tr("Pick up"), this, [this] { handle(controller_.menuPickUp()); })
            ->setEnabled(state.positional);
        menu.addAction(tr("Go to its delivery"), this,
                       [this] { handle(controller_.menuGotoDelivery()); })
            ->setEnabled(state.positional && state.item2Enabled);
        menu.addAction(tr("Go back to the shot that last moved it"), this,
                       [this] { handle(controller_.menuGotoLastMove()); })
            ->setEnabled(state.positional && state.goBackEnabled);
        menu.addSeparator();
    }
    QAction* broom =
        menu.addAction(tr("Show broom"), this, [this] { handle(controller_.menuToggleBroom()); });
    broom->setCheckable(true);
    broom->setChecked(state.broomChecked);
    QAction* target =
        menu.addAction(tr("Show target"), this, [this] { handle(controller_.menuToggleTarget()); });
    target->setCheckable(true);
    target->setChecked(state.targetChecked);
    menu.addSeparator();
    addColourMenu(menu, device);
    menu.addSeparator();
    menu.addAction(tr("Save image…"), this, [this] {
        MessageBoxPrompts prompts(this);
        HouseImage::SaveHouseImage(controller_, {rotated_, nullptr}, QStringLiteral("TALVStats"),
                                   prompts);
    });
    menu.exec(event->globalPos());
}
