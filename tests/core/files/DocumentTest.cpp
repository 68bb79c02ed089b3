#include "core/files/Document.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/DocumentManager.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QFileInfo>
#include <QDir>
#include <QFile>
#include <QSignalSpy>

class DocumentTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        Settings::write(Key::Setup::Path, folder_.path());
    }

    // A document with one recorded stone, saved at a path of the folder.
    void recordOneStone(CTALVStatsDoc& document)
    {
        CGame& game = document.game();
        game.currentStone().Task = 0;
        game.currentStone().Handle = 1;
        game.currentStone().Points = 4;
        game.SetGameState(6);
        game.NextStone();
        document.SetModifiedFlag(true);
    }

    QTemporaryDir folder_;
    ScriptedPrompts prompts_;
};

TEST_F(DocumentTest, NewDocumentTakesTheLastSetUpValuesAndDerivesItsPath)
{
    Settings::write(Key::MRU::Competition, QStringLiteral("WMCC"));
    Settings::write(Key::MRU::CompetitionID, 7);
    Settings::write(Key::MRU::Event, QStringLiteral("Women"));
    Settings::write(Key::MRU::Session, QStringLiteral("Round Robin 3"));
    Settings::write(Key::MRU::Scorer2, QStringLiteral("Kim"));
    Settings::write(Key::Preferences::AutoSaveIntervall, 4);
    Settings::write(Key::Options::FirstEndDirection, 1);
    Settings::writeColor(Key::Colors::Ice, 0x00102030);

    CTALVStatsDoc document;
    QSignalSpy titles(&document, &CTALVStatsDoc::titleChanged);
    document.OnNewDocument();
    const DocumentFields& f = document.fields();
    EXPECT_EQ(f.Competition.Text, QStringLiteral("WMCC"));
    EXPECT_EQ(f.Competition.Id, 7);
    EXPECT_EQ(f.Event.Text, QStringLiteral("Women"));
    EXPECT_EQ(f.Sheet.Text, QStringLiteral("Sheet 1"));
    EXPECT_EQ(f.Scorer2, QStringLiteral("Kim"));
    EXPECT_EQ(f.Ice, 0x00102030);
    EXPECT_EQ(f.FirstEndDirection, 1);
    EXPECT_EQ(document.game().SheetDirection, 1);
    EXPECT_EQ(document.AutoSaveIntervall, 4);
    const QString sep = QDir::separator();
    EXPECT_EQ(document.path(), QDir::toNativeSeparators(folder_.path()) + sep + "WMCC" + sep +
                                   "Women" + sep + "RR3-Sheet1-Te1-Te2");
    EXPECT_EQ(document.title(), QStringLiteral("RR3-Sheet1-Te1-Te2"));
    EXPECT_GE(titles.count(), 1);
    EXPECT_EQ(document.StatusText, QStringLiteral("End  0, Stone 0"));
    EXPECT_EQ(document.StateCaption, QStringLiteral("new"));

    const QDateTime date = f.GameDate.toDateTime();
    EXPECT_EQ(date.time().minute(), 0);
    EXPECT_EQ(date.time().second(), 0);
    EXPECT_EQ(date.time().hour(), std::min(QTime::currentTime().hour() + 1, 23));
}

TEST_F(DocumentTest, ModifiedStateShowsInTheTitleOnce)
{
    CTALVStatsDoc document;
    document.OnNewDocument();
    QSignalSpy modified(&document, &CTALVStatsDoc::modifiedChanged);
    document.SetModifiedFlag(true);
    document.SetModifiedFlag(true);
    EXPECT_EQ(document.title(), QStringLiteral("Session1-Sheet1-Te1-Te2 *"));
    document.SetModifiedFlag(false);
    EXPECT_EQ(document.title(), QStringLiteral("Session1-Sheet1-Te1-Te2"));
    EXPECT_EQ(modified.count(), 2);
}

TEST_F(DocumentTest, FirstSaveAsksForThePathThenSavesGameAndTagList)
{
    CTALVStatsDoc document;
    document.OnNewDocument();
    recordOneStone(document);
    const QString proposed = document.path();

    EXPECT_EQ(document.Save(prompts_), CTALVStatsDoc::SaveResult::Cancelled);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(prompts_.proposedSavePaths.value(0), proposed);
    // The dialog opened in the games folder, which now exists.
    EXPECT_TRUE(QFileInfo(QFileInfo(proposed).absolutePath()).isDir());

    const QString path = folder_.filePath(QStringLiteral("game.cus"));
    prompts_.savePaths = {path};
    EXPECT_EQ(document.Save(prompts_), CTALVStatsDoc::SaveResult::Saved);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.path(), path);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(document.TagFilePath, folder_.filePath(QStringLiteral("game_tag.csv")));
    EXPECT_TRUE(QFile::exists(document.TagFilePath));

    // The file exists now: Save writes without asking.
    document.SetModifiedFlag(true);
    EXPECT_EQ(document.Save(prompts_), CTALVStatsDoc::SaveResult::Saved);
    EXPECT_EQ(prompts_.proposedSavePaths.size(), 2);

    CTALVStatsDoc reopened;
    ASSERT_TRUE(reopened.OpenDocument(path, prompts_));
    EXPECT_EQ(reopened.game().Ends[0].Stones[0].Points, 4);
    EXPECT_EQ(reopened.game().recordingPosition(), (GamePosition{0, 0, 0, 1}));
    EXPECT_EQ(reopened.StateCaption, Texts::get(6));
    EXPECT_FALSE(reopened.IsModified());
}

TEST_F(DocumentTest, AFailedSaveIsReportedAndKeepsTheDocumentModified)
{
    CTALVStatsDoc document;
    document.OnNewDocument();
    recordOneStone(document);
    EXPECT_FALSE(
        document.SaveAs(folder_.filePath(QStringLiteral("missing/folder/game.cus")), prompts_));
    EXPECT_EQ(prompts_.messages.value(0), QStringLiteral("Failed to save document."));
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(document.title().endsWith(QStringLiteral(" *")));
}

TEST_F(DocumentTest, SavingAnImportedCisFileWritesCus)
{
    CTALVStatsDoc document;
    document.OnNewDocument();
    for (const char* name : {"game.CIS", "other.cis"}) {
        const QString cis = folder_.filePath(QString::fromUtf8(name));
        QFile original(cis);
        ASSERT_TRUE(original.open(QIODevice::WriteOnly));
        original.write("old");
        original.close();
        ASSERT_TRUE(document.SaveAs(cis, prompts_));
        EXPECT_TRUE(document.path().endsWith(QStringLiteral(".CUS")));
        EXPECT_TRUE(QFile::exists(document.path()));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        EXPECT_EQ(original.readAll(), QByteArray("old"));
    }
}

TEST_F(DocumentTest, OpeningABadFileChangesNothing)
{
    CTALVStatsDoc document;
    document.OnNewDocument();
    document.game().Teams[0].Text = QStringLiteral("kept");
    const QString path = folder_.filePath(QStringLiteral("bad.cus"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x05");
    file.close();
    QString error;
    EXPECT_FALSE(document.OpenDocument(path, prompts_, &error));
    EXPECT_EQ(error, QStringLiteral("Unexpected file format."));
    EXPECT_EQ(document.game().Teams[0].Text, QStringLiteral("kept"));
    EXPECT_NE(document.path(), path);
}

TEST_F(DocumentTest, AutomaticSaveInterval)
{
    struct Case
    {
        int interval;
        GamePosition position;
        int firstThrower;
        bool due;
    };
    const Case cases[] = {
        {0, {0, 1, 0, 0}, 0, false},  {1, {0, 1, 1, 1}, 0, true},  {4, {0, 2, 0, 0}, 0, true},
        {4, {0, 2, 1, 0}, 0, false},  {4, {0, 2, 0, 1}, 0, false}, {4, {0, 2, 0, 1}, 1, true},
        {16, {0, 1, 0, 0}, 0, false}, {16, {3, 0, 0, 0}, 0, true}, {7, {0, 3, 1, 1}, 0, true},
    };
    for (const Case& c : cases) {
        CTALVStatsDoc document;
        document.AutoSaveIntervall = c.interval;
        document.game().setCurrentPosition(c.position);
        document.game().Ends[std::size_t(c.position.End)].FirstThrowerFlag = c.firstThrower;
        EXPECT_FALSE(document.isAutoSaveDue()); // not modified
        document.SetModifiedFlag(true);
        EXPECT_EQ(document.isAutoSaveDue(), c.due) << c.interval << " " << c.position.Player;
    }
}

TEST_F(DocumentTest, FinishedGameMovesToTheBackupFolder)
{
    Settings::write(Key::Setup::BackupPath, folder_.filePath(QStringLiteral("backup")));
    CTALVStatsDoc document;
    document.OnNewDocument();
    document.game().GameState = 8;
    document.DerivePath();
    EXPECT_TRUE(document.path().startsWith(folder_.filePath(QStringLiteral("backup/Men/"))));
    EXPECT_EQ(document.TagFilePath, document.path() + QStringLiteral("_tag.csv"));
    EXPECT_TRUE(QDir(folder_.filePath(QStringLiteral("backup/Men"))).exists());
}

TEST_F(DocumentTest, CloseQuestionAndTheDocumentManager)
{
    CDocumentManager manager;
    CTALVStatsDoc* first = manager.newDocument(prompts_);
    first->SetModifiedFlag(true);
    prompts_.threeWayAnswers = {Prompts::Answer::Cancel};
    EXPECT_FALSE(manager.closeDocument(first, prompts_));
    EXPECT_EQ(prompts_.questions.value(0),
              QStringLiteral("Save changes to Session1-Sheet1-Te1-Te2?"));

    // An untouched new game gives way to the next new document once the user
    // lets it go.
    prompts_.threeWayAnswers = {Prompts::Answer::No};
    CTALVStatsDoc* second = manager.newDocument(prompts_);
    ASSERT_EQ(manager.documents().size(), 1u);
    EXPECT_EQ(manager.documents()[0].get(), second);

    second->game().SetGameState(6); // started: it stays open
    manager.newDocument(prompts_);
    EXPECT_EQ(manager.documents().size(), 2u);

    second->SetModifiedFlag(true);
    prompts_.threeWayAnswers = {Prompts::Answer::Yes};
    prompts_.savePaths = {folder_.filePath(QStringLiteral("kept.cus"))};
    EXPECT_TRUE(manager.closeAll(prompts_));
    EXPECT_TRUE(QFile::exists(folder_.filePath(QStringLiteral("kept.cus"))));
    EXPECT_TRUE(manager.documents().empty());
}
