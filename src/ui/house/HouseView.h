#pragma once

#include "core/house/HouseController.h"

#include <QWidget>

class QMenu;
class QMouseEvent;

class CTALVStatsDoc;

// The house view of a game window: paints the sheet through the house painter
// and forwards the mouse, wheel, keys and context menu to the house controller.
class CTALVGraphicsVIEW : public QWidget
{
    Q_OBJECT

public:
    explicit CTALVGraphicsVIEW(CTALVStatsDoc& document, QWidget* parent = nullptr);

    CHouseController& controller() { return controller_; }
    // Loads the stone record at the game's current position (after it moved).
    void reload();
    // Arrow keys the shot-entry form passes on: they nudge the selected stone.
    bool forwardArrowKey(int key);
    // A nudge command (NudgeCommand) passed on by the game window.
    bool nudge(int command);
    void setRotated(bool rotated);
    bool rotated() const { return rotated_; }

Q_SIGNALS:
    // A position of the stone record being edited changed (the form shows it).
    void positionsChanged();
    // A menu command moved the game to another stone.
    void positionMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void applyGeometry();
    void handle(int changes);
    void addColourMenu(QMenu& menu, QPoint device);
    HouseButtons buttonsOf(const QMouseEvent& event) const;

    CTALVStatsDoc& document_;
    CHouseController controller_;
    bool rotated_ = false;
    bool scrollLock_ = false; // toggled by the Scroll Lock key
};
