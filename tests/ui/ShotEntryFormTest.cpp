#include "ui/entry/ShotEntryForm.h"
#include "ui/entry/TALVMFCButton.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/files/Document.h"

#include "support/ScriptedEntryDialogs.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace {

template <std::size_t N>
int checkedIndex(const CTALVStatsView& form, const std::array<int, N>& ids, int* checkedCount)
{
    int checked = -1;
    *checkedCount = 0;
    for (std::size_t i = 0; i < N; ++i) {
        auto* button = form.control<CTALVMFCButton>(ids[i]);
        if (button && button->isChecked()) {
            checked = int(i);
            ++*checkedCount;
        }
    }
    return checked;
}

} // namespace

class ShotEntryFormTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        doc_ = std::make_unique<CTALVStatsDoc>();
        doc_->OnNewDocument();
        form_ = std::make_unique<CTALVStatsView>(*doc_, prompts_, dialogs_);
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        form_->focusOk();
    }

    QPushButton* ok() const { return form_->control<QPushButton>(EntryId::Ok); }
    QComboBox* remark() const { return form_->control<QComboBox>(EntryId::Remark); }
    GamePosition position() const { return doc_->game().currentPosition(); }
    const EntryFormState& state() const { return form_->controller().state(); }

    // Keys go to the control that has the focus, as a user types them.
    void typeKeys(QWidget* target, const QString& keys) { QTest::keyClicks(target, keys); }

    ScriptedPrompts prompts_;
    ScriptedEntryDialogs dialogs_;
    std::unique_ptr<CTALVStatsDoc> doc_;
    std::unique_ptr<CTALVStatsView> form_;
};

TEST_F(ShotEntryFormTest, EveryControlCarriesItsIdentifier)
{
    for (int id : EntryId::TaskButtons)
        EXPECT_NE(form_->control<CTALVMFCButton>(id), nullptr) << id;
    for (int id : EntryId::HandleButtons)
        EXPECT_NE(form_->control<CTALVMFCButton>(id), nullptr) << id;
    for (int id : EntryId::PointsButtons)
        EXPECT_NE(form_->control<CTALVMFCButton>(id), nullptr) << id;
    for (int id : {EntryId::TaskList, EntryId::HandleList, EntryId::PointsList, EntryId::Remark,
                   EntryId::Comment})
        EXPECT_NE(form_->control<QComboBox>(id), nullptr) << id;
    for (int id : {EntryId::Ok, EntryId::Previous, EntryId::Next, EntryId::Return})
        EXPECT_NE(form_->control<QPushButton>(id), nullptr) << id;
    for (int id :
         {EntryId::ExpandRemark, EntryId::ExpandComment, EntryId::Guideline, EntryId::TaskMissing,
          EntryId::HandleMissing, EntryId::PointsMissing, EntryId::OtherMissing, EntryId::EndNumber,
          EntryId::PlayerNumber, EntryId::StoneNumber, EntryId::Team1Label, EntryId::Team1Total,
          EntryId::Team2Label, EntryId::Team2Total, EntryId::DeliveringTeam,
          EntryId::DeliveringPlayer, EntryId::NormalLabel1, EntryId::NormalLabel2,
          EntryId::MixedDoublesLabel})
        EXPECT_NE(form_->control<QWidget>(id), nullptr) << id;
}

TEST_F(ShotEntryFormTest, LetterDigitAndEnterKeysRecordAShot)
{
    const GamePosition before = position();
    const int slot = doc_->game().StoneSlot();
    typeKeys(ok(), QStringLiteral("t")); // the takeout's accelerator
    EXPECT_EQ(state().task, 6);
    typeKeys(ok(), QStringLiteral("o3"));
    EXPECT_EQ(state().handle, 1);
    EXPECT_EQ(state().points, 3);
    EXPECT_EQ(form_->control<QComboBox>(EntryId::TaskList)->currentIndex(), 6);

    QTest::keyClick(ok(), Qt::Key_Return);
    EXPECT_NE(position(), before);
    const CStone& stored = doc_->game().Ends[0].Stones[std::size_t(slot)];
    EXPECT_EQ(stored.Task, 6);
    EXPECT_EQ(stored.Handle, 1);
    EXPECT_EQ(stored.Points, 3);
}

TEST_F(ShotEntryFormTest, RemarkFieldTakesLettersAndEditsNativelyButEnterStillRecords)
{
    form_->control<CTALVMFCButton>(EntryId::TaskButtons[0])->click();
    form_->control<CTALVMFCButton>(EntryId::HandleButtons[0])->click();
    form_->control<CTALVMFCButton>(EntryId::PointsButtons[4])->click();
    const GamePosition before = position();
    const int slot = doc_->game().StoneSlot();

    remark()->setFocus();
    ASSERT_EQ(form_->controller().textFocus(), EntryId::Remark);
    typeKeys(remark(), QStringLiteral("toox"));
    QTest::keyClick(remark(), Qt::Key_Backspace); // edits the field, not Previous
    QTest::keyClick(remark(), Qt::Key_Home);      // caret, not the first stone
    EXPECT_EQ(remark()->currentText(), QStringLiteral("too"));
    EXPECT_EQ(remark()->lineEdit()->cursorPosition(), 0);
    EXPECT_EQ(state().task, 0) << "a letter in the remark must not select the takeout";
    EXPECT_EQ(state().handle, 0) << "nor the out-turn";
    EXPECT_EQ(position(), before);

    QTest::keyClick(remark(), Qt::Key_Enter);
    EXPECT_NE(position(), before);
    EXPECT_EQ(doc_->game().Ends[0].Stones[std::size_t(slot)].Remark, QStringLiteral("too"));
    EXPECT_EQ(form_->controller().textFocus(), 0) << "OK has the focus again";
}

TEST_F(ShotEntryFormTest, BackspaceAndHomeOutsideTheTextFieldsMoveThroughTheGame)
{
    for (int shot = 0; shot < 2; ++shot) {
        typeKeys(ok(), QStringLiteral("di2"));
        QTest::keyClick(ok(), Qt::Key_Return);
    }
    const GamePosition third = position();
    ASSERT_NE(third, GamePosition{});

    QTest::keyClick(ok(), Qt::Key_Backspace);
    EXPECT_NE(position(), third);
    EXPECT_TRUE(doc_->game().ReviewMode);
    QTest::keyClick(ok(), Qt::Key_Home);
    EXPECT_EQ(position(), GamePosition{});
}

TEST_F(ShotEntryFormTest, ArrowKeysNudgeTheHouseOnlyWhilePositionsAreRecorded)
{
    QSignalSpy nudges(form_.get(), &CTALVStatsView::houseNudge);
    auto& controller = form_->controller();
    if (!controller.UpdateCommand(EntryCommand::PositionRecording).checked)
        controller.Command(EntryCommand::PositionRecording);
    ASSERT_TRUE(controller.UpdateCommand(EntryCommand::PositionRecording).checked);

    for (auto [key, command] : {std::pair{Qt::Key_Up, EntryCommand::NudgeUp},
                                {Qt::Key_Down, EntryCommand::NudgeDown},
                                {Qt::Key_Left, EntryCommand::NudgeLeft},
                                {Qt::Key_Right, EntryCommand::NudgeRight}}) {
        nudges.clear();
        QTest::keyClick(ok(), key);
        ASSERT_EQ(nudges.size(), 1);
        EXPECT_EQ(nudges.front().front().toInt(), command);
    }

    nudges.clear();
    remark()->setFocus();
    QTest::keyClick(remark(), Qt::Key_Left);
    controller.Command(EntryCommand::PositionRecording);
    form_->focusOk();
    QTest::keyClick(ok(), Qt::Key_Left);
    EXPECT_TRUE(nudges.isEmpty());
}

TEST_F(ShotEntryFormTest, OneButtonOfEachGroupFollowsTheSelection)
{
    struct Case
    {
        const char* what;
        std::function<void(CTALVStatsView&)> act;
        int task, handle, points; // expected checked button per group, -1 none
    };
    const std::vector<Case> cases = {
        {"task button", [](auto& f) { f.template control<CTALVMFCButton>(1221)->click(); }, 2, -1,
         -1},
        {"another task button", [](auto& f) { f.template control<CTALVMFCButton>(1225)->click(); },
         9, -1, -1},
        {"task list", [](auto& f) { f.controller().taskListChosen(7); }, 7, -1, -1},
        {"handle button", [](auto& f) { f.template control<CTALVMFCButton>(1068)->click(); }, 7, 1,
         -1},
        {"points 5 without bonus points lights 4",
         [](auto& f) { f.controller().pointsListChosen(5); }, 7, 1, 4},
        {"rule violation lights the not-considered button",
         [](auto& f) { f.controller().pointsListChosen(8); }, 7, 1, 6},
        {"through clears the handle and sets points 7",
         [](auto& f) { f.template control<CTALVMFCButton>(1227)->click(); }, 11, -1, 6},
    };
    for (const Case& c : cases) {
        c.act(*form_);
        int count = 0;
        EXPECT_EQ(checkedIndex(*form_, EntryId::TaskButtons, &count), c.task) << c.what;
        EXPECT_EQ(count, c.task < 0 ? 0 : 1) << c.what;
        EXPECT_EQ(checkedIndex(*form_, EntryId::HandleButtons, &count), c.handle) << c.what;
        EXPECT_EQ(count, c.handle < 0 ? 0 : 1) << c.what;
        EXPECT_EQ(checkedIndex(*form_, EntryId::PointsButtons, &count), c.points) << c.what;
        EXPECT_EQ(count, c.points < 0 ? 0 : 1) << c.what;
    }
    EXPECT_TRUE(ok()->hasFocus()) << "every selection hands the focus back to OK";
}

TEST_F(ShotEntryFormTest, TaskButtonsTakeTheirWideFormOnlyWithBigIcons)
{
    auto* freeze = form_->control<CTALVMFCButton>(EntryId::TaskButtons[5]);
    const QRect designed = freeze->designedRect();
    EXPECT_EQ(freeze->text(), QStringLiteral("Free&ze"));
    EXPECT_EQ(form_->control<CTALVMFCButton>(EntryId::TaskButtons[9])->text(),
              QStringLiteral("&S Double"));

    form_->setWideLayout(true);
    EXPECT_FALSE(freeze->isCompact());
    EXPECT_EQ(freeze->text(), QStringLiteral("Free&ze"));
    EXPECT_EQ(form_->control<CTALVMFCButton>(EntryId::TaskButtons[9])->text(),
              QStringLiteral("&S Double Takeout"));
    EXPECT_EQ(freeze->width(), designed.width() * 11 / 4);

    form_->setWideLayout(false);
    EXPECT_TRUE(freeze->isCompact());
    EXPECT_EQ(freeze->geometry(), designed);

    Settings::write(Key::Options::ApplicationBigIcons, 0);
    form_->setWideLayout(true);
    EXPECT_TRUE(freeze->isCompact());
}

TEST_F(ShotEntryFormTest, ClockObserversBecomeSignalsForTheToolbars)
{
    QSignalSpy running(form_.get(), &CTALVStatsView::gameTimerRunning);
    QSignalSpy readings(form_.get(), &CTALVStatsView::stopwatchReading);
    auto& timer = form_->controller().gameTimer();
    ASSERT_TRUE(timer.startTeam(2));
    ASSERT_FALSE(running.isEmpty());
    EXPECT_EQ(running.back().front().toInt(), 2);
    timer.stopBoth();
    EXPECT_EQ(running.back().front().toInt(), 0);

    QString comment;
    form_->controller().stopwatch().press(doc_->game(), comment);
    ASSERT_TRUE(readings.wait(1000)) << "the 100 ms display timer ticks the running stopwatch";
    EXPECT_FALSE(readings.back().front().toString().isEmpty());
}

// The button on its own: geometry of both forms, mnemonics and colours.
class TALVMFCButtonTest : public SettingsTest
{};

TEST_F(TALVMFCButtonTest, CompactAndWideGeometryFollowTheStretchFlag)
{
    struct Case
    {
        bool stretch;
        int column;
        QRect compact, wide;
    };
    const QRect designed(100, 20, 40, 24);
    const Case cases[] = {
        {true, 0, designed, QRect(100, 20, 110, 24)},
        {true, 3, designed, QRect(100 + 70 * 3, 20, 110, 24)},
        {false, 0, QRect(100, 20, 10, 24), designed},
        {false, 2, QRect(100 - 60, 20, 10, 24), designed},
    };
    QWidget parent;
    for (const Case& c : cases) {
        CTALVMFCButton button(QStringLiteral("&Draw"), &parent);
        button.setGeometry(designed);
        button.SetUpButton(1, c.column, QStringLiteral("Draw to the button"), c.stretch, 1);
        EXPECT_EQ(button.designedRect(), designed);
        button.SetWide();
        EXPECT_EQ(button.geometry(), c.wide) << c.stretch << " column " << c.column;
        EXPECT_EQ(button.text(), c.stretch ? QStringLiteral("&Draw to the button")
                                           : QStringLiteral("Draw to the button"));
        button.SetCompact();
        EXPECT_EQ(button.geometry(), c.compact) << c.stretch << " column " << c.column;
        EXPECT_EQ(button.text(), QStringLiteral("&Draw"));
    }
    // A designed width of 5 keeps integer truncation: 5 * 2.75 = 13.75, 5 * 1.75 = 8.75.
    CTALVMFCButton odd(QStringLiteral("&Odd"), &parent);
    odd.setGeometry(0, 0, 5, 10);
    odd.SetUpButton(0, 2, QStringLiteral("Odd"), true, 0);
    odd.SetWide();
    EXPECT_EQ(odd.geometry(), QRect(16, 0, 13, 10));
}

TEST_F(TALVMFCButtonTest, LongCaptionGetsTheShortCaptionsMnemonic)
{
    const struct
    {
        const char *shortCaption, *longCaption, *expected;
    } cases[] = {
        {"&Draw", "Draw", "&Draw"},
        {"&Z Freeze", "Freeze", "Free&ze"},                // found in lower case
        {"&Raise", "Promotion Raise", "Promotion &Raise"}, // as written comes first
        {"&S Double", "Double Takeout", "&S Double Takeout"},
        {"Free&ze", "Freeze", "Free&ze"},            // the mnemonic inside the word
        {"through", "through", "through"},           // no mnemonic, none given
        {"R&&D", "Research", "Research"},            // "&&" is no mnemonic
        {"&PPromo", "Pull & push", "&Pull && push"}, // a literal "&" stays literal
    };
    for (const auto& c : cases)
        EXPECT_EQ(CTALVMFCButton::captionWithMnemonic(QString::fromUtf8(c.shortCaption),
                                                      QString::fromUtf8(c.longCaption)),
                  QString::fromUtf8(c.expected))
            << c.shortCaption;
}

TEST_F(TALVMFCButtonTest, FlatFaceTakesTheButtonColourOnlyWithColorButton)
{
    QWidget form;
    QPalette palette = form.palette();
    const QColor background(10, 20, 30);
    palette.setColor(QPalette::Window, background);
    form.setPalette(palette);
    Settings::writeColor(Key::Colors::Button3, 0x00405060); // R 0x60, G 0x50, B 0x40

    struct Case
    {
        int colorButton, colourNumber;
        bool lookStyled;
        QColor face;
    };
    const Case cases[] = {
        {1, 1, false, QColor(128, 255, 128)},
        {1, 2, false, QColor(255, 128, 128)},
        {1, 3, false, QColor(0x60, 0x50, 0x40)},
        {1, 4, false, QColor(128, 255, 255)},
        {1, 0, false, background},
        {0, 2, false, background},
        {1, 2, true, QColor()},
    };
    for (const Case& c : cases) {
        Settings::write(Key::Options::ColorButton, c.colorButton);
        CTALVMFCButton button(QStringLiteral("&In"), &form);
        button.SetUpButton(0, 0, QStringLiteral("In-turn"), false, c.colourNumber);
        button.ApplyColour(c.lookStyled);
        EXPECT_EQ(button.faceColour(), c.face)
            << c.colorButton << " " << c.colourNumber << " " << c.lookStyled;
    }
}
