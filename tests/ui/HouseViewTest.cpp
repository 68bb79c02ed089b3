#include "ui/house/HouseView.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/files/Document.h"

#include "support/TestSettings.h"

#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

// The house view driven as a user drives it, with synthetic mouse and keys.
class HouseViewTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        Settings::write(Key::Setup::Path, folder_.path());
        document_ = std::make_unique<CTALVStatsDoc>();
        document_->OnNewDocument();
        view_ = std::make_unique<CTALVGraphicsVIEW>(*document_);
        view_->resize(300, 600);
        view_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    }

    // Where the view draws a stone, in its own pixels (the normal display draws
    // in device pixels).
    QPoint drawnAt(int stone)
    {
        const PlacedElement& e = view_->controller().layout().stones[std::size_t(stone)];
        EXPECT_TRUE(e.drawn) << stone;
        return e.centre;
    }

    QTemporaryDir folder_;
    std::unique_ptr<CTALVStatsDoc> document_;
    std::unique_ptr<CTALVGraphicsVIEW> view_;
};

TEST_F(HouseViewTest, DraggingTheStoneBeingRecordedOntoTheButton)
{
    QSignalSpy changed(view_.get(), &CTALVGraphicsVIEW::positionsChanged);
    const int stone = document_->game().StoneSlot();
    const QPoint from = drawnAt(stone);
    const QPoint button = view_->controller().geometry().toDrawing({750, 800}, false);
    QTest::mousePress(view_.get(), Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(button), view_->mapToGlobal(QPointF(button)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view_.get(), &move);
    EXPECT_TRUE(view_->controller().dragOutline().has_value());
    QTest::mouseRelease(view_.get(), Qt::LeftButton, {}, button);
    const SheetPoint dropped = view_->controller().positions().current[std::size_t(stone)];
    // Within a pixel or two (5 sheet units each at 20 pixels a foot).
    EXPECT_NEAR(dropped.x, 750, 15);
    EXPECT_NEAR(dropped.y, 800, 15);
    EXPECT_GE(changed.count(), 1);

    // The arrow keys nudge it; the record gets it on commit.
    QTest::keyClick(view_.get(), Qt::Key_Left);
    EXPECT_LT(view_->controller().positions().current[std::size_t(stone)].x, dropped.x);
    view_->controller().commit();
    EXPECT_EQ(document_->game().currentStone().Positions[std::size_t(stone)],
              view_->controller().positions().current[std::size_t(stone)]);
}

TEST_F(HouseViewTest, FollowsTheWindowSizeAndRepaintsOnColourChanges)
{
    const double scale = view_->controller().geometry().scale();
    view_->resize(600, 1200);
    QCoreApplication::processEvents();
    EXPECT_NEAR(view_->controller().geometry().scale(), 2 * scale, 0.01);

    const QImage before = view_->grab().toImage();
    document_->fields().Ice = 0x00CCFFCC;
    Q_EMIT document_->houseViewsChanged();
    QCoreApplication::processEvents();
    const QImage after = view_->grab().toImage();
    EXPECT_NE(before, after);
    EXPECT_EQ(after.pixelColor(20, 300), QColor(0xCC, 0xFF, 0xCC));
}

TEST_F(HouseViewTest, MiddleButtonHoldAndTheWheel)
{
    const int stone = document_->game().StoneSlot();
    const QPoint from = drawnAt(stone);
    const QPoint target = view_->controller().geometry().toDrawing({500, 1200}, false);
    QTest::mousePress(view_.get(), Qt::LeftButton, {}, from);
    // The middle button goes down while dragging, then the left one is let go:
    // the stone stays on the pointer.
    QMouseEvent middle(QEvent::MouseButtonPress, QPointF(from), view_->mapToGlobal(QPointF(from)),
                       Qt::MiddleButton, Qt::LeftButton | Qt::MiddleButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view_.get(), &middle);
    QMouseEvent leftUp(QEvent::MouseButtonRelease, QPointF(from), view_->mapToGlobal(QPointF(from)),
                       Qt::LeftButton, Qt::MiddleButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view_.get(), &leftUp);
    EXPECT_NE(view_->controller().dragState(), 0);
    EXPECT_TRUE(view_->hasMouseTracking());
    QTest::mouseMove(view_.get(), target);
    QTest::mouseClick(view_.get(), Qt::LeftButton, {}, target);
    EXPECT_EQ(view_->controller().dragState(), 0);
    const SheetPoint dropped = view_->controller().positions().current[std::size_t(stone)];
    EXPECT_NEAR(dropped.x, 500, 15);
    EXPECT_NEAR(dropped.y, 1200, 15);

    // The wheel moves the selected stone along the sheet; Ctrl across it.
    QWheelEvent along(QPointF(target), view_->mapToGlobal(QPointF(target)), {}, {0, 120},
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view_.get(), &along);
    QWheelEvent across(QPointF(target), view_->mapToGlobal(QPointF(target)), {}, {0, 120},
                       Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view_.get(), &across);
    const SheetPoint wheeled = view_->controller().positions().current[std::size_t(stone)];
    EXPECT_NE(wheeled, dropped);
}
