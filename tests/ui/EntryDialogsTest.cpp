#include "ui/entry/TextEditorDialog.h"
#include "ui/entry/WarningDialog.h"

#include "core/base/Texts.h"

#include "support/TestSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class EntryDialogsTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
    }
};

TEST_F(EntryDialogsTest, WarningClosesItselfAndOnlyTheCancelTextOffersCancel)
{
    EXPECT_EQ(CWarningDialog::autoCloseInterval(5110), 3000);
    EXPECT_EQ(CWarningDialog::autoCloseInterval(5158), 6000);

    CWarningDialog incomplete(5110);
    EXPECT_EQ(incomplete.text(), Texts::get(5110));
    EXPECT_FALSE(incomplete.offersCancel());
    EXPECT_TRUE(CWarningDialog(5158).offersCancel());

    incomplete.setAutoCloseInterval(50);
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(incomplete.exec(), QDialog::Accepted); // closed as if OK was pressed
    EXPECT_GE(elapsed.elapsed(), 40);
}

TEST_F(EntryDialogsTest, TextEditorHandsBackTheEditedTextOnOkOnly)
{
    CTextEditorDialog dialog(Texts::get(5146), QStringLiteral("long guard"));
    EXPECT_EQ(dialog.windowTitle(), Texts::get(5146));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(dialog.editor(), QStringLiteral(", a bit heavy"));
    EXPECT_EQ(dialog.text(), QStringLiteral("long guard, a bit heavy"));
    dialog.close();

    QTimer::singleShot(0, [] {
        if (auto* open = qobject_cast<CTextEditorDialog*>(QApplication::activeModalWidget())) {
            open->editor()->setPlainText(QStringLiteral("changed"));
            open->reject();
        }
    });
    EXPECT_EQ(CTextEditorDialog::edit(QStringLiteral("Comment"), QStringLiteral("kept"), nullptr),
              QStringLiteral("kept"));
}
