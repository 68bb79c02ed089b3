#include "GameFileBuilder.h"

#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/files/GameFile.h"

#include "support/TestSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <limits>

namespace {

const QString kUnexpected = QLatin1String(GameFileText::UnexpectedFormat);

QByteArray build(const char* version, const DocumentFields& doc, const CGame& game,
                 BuildOptions options = {})
{
    return GameFileBuilder(QLatin1String(version), options).build(doc, game);
}

// Stored fields only: the written bytes, with the game's MIS left as it is.
QByteArray stored(const DocumentFields& doc, const CGame& game)
{
    CGame copy = game;
    return writeGameFile(doc, copy);
}

} // namespace

class GameFileTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        blankGame_ = std::make_unique<CGame>(NewGameOptions{});
        modelGame_ = std::make_unique<CGame>(*blankGame_);
        fillModel(modelDoc_, *modelGame_);
    }

    // What a new document holds before a file is read into it.
    const DocumentFields blankDoc_;
    std::unique_ptr<CGame> blankGame_;
    DocumentFields modelDoc_;
    std::unique_ptr<CGame> modelGame_;
};

// Every layout, hand-built: what the version carries is read, the rest keeps
// the new document's values; saving again gives the newest layout of that data.
TEST_F(GameFileTest, ReadsEveryLayoutAndSavesItAsTheNewest)
{
    const struct
    {
        const char* version;
        BuildOptions options;
        bool showTarget, iceAlert, summaries, mixedDoubles, timesAndTags;
        int pairs;
    } layouts[] = {
        {"4.0", {true, false}, false, false, false, false, false, 17},
        {"4.5", {true, false}, false, false, false, false, false, 18},
        {"5.0", {true, false}, true, false, false, false, false, 18},
        {"5.0.2", {false, false}, true, false, true, false, false, 18},
        {"5.4.0", {false, false}, true, false, true, true, false, 18},
        {"6", {false, false}, true, true, true, true, false, 18}, // "6" sorts before "6.0.0"
        {"6.0.0", {false, true}, true, true, true, true, true, 18},
        {"6.1.0", {false, false}, true, true, true, true, true, 18},
    };
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.version);
        DocumentFields doc;
        CGame game = *blankGame_;
        const QByteArray file = build(layout.version, modelDoc_, *modelGame_, layout.options);
        const GameFileReadResult result = readGameFile(file, doc, game);
        ASSERT_TRUE(result.ok) << result.error.toStdString();

        DocumentFields expectedDoc = modelDoc_;
        CGame expected = *modelGame_;
        expectedDoc.Competition.Id = -1;
        if (!layout.showTarget)
            expectedDoc.ShowTarget = blankDoc_.ShowTarget;
        if (!layout.iceAlert)
            expectedDoc.IceAlert = blankDoc_.IceAlert;
        if (!layout.summaries)
            expected.SummaryText1 = expected.SummaryText2 = expected.SummaryText3 = QString();
        if (!layout.mixedDoubles)
            expected.MixedDoubles = 0; // the setting's default
        for (int e = 0; e <= expected.RecordEnd; ++e) {
            CEnd& end = expected.Ends[std::size_t(e)];
            if (!layout.timesAndTags)
                end.EndStartTime = 0;
            for (CStone& s : end.Stones) {
                if (!layout.timesAndTags) {
                    s.DeliveryTime = 0;
                    s.Tags.clear();
                    s.Handle %= 2;
                }
                if (layout.pairs == 17)
                    s.Positions[17] = {};
                for (SheetPoint& p : s.Positions)
                    if (p.x == 32767)
                        p.x = 4095;
            }
        }
        const QByteArray saved = writeGameFile(doc, game);
        EXPECT_EQ(saved, build("6.1.0", expectedDoc, expected));

        // The rules by name, on the first stone (handle 5, pair 3 at x 32767).
        EXPECT_EQ(doc.FileVersion, QLatin1String(layout.version));
        EXPECT_EQ(doc.City, QStringLiteral("Zürich – Hallenstadion"));
        const CStone& first = game.Ends[0].Stones[0];
        EXPECT_EQ(first.Handle, layout.timesAndTags ? 5 : 1);
        EXPECT_EQ(game.Ends[0].Stones[1].Handle, -1);
        EXPECT_EQ(game.Ends[0].Stones[2].Handle, layout.timesAndTags ? -3 : -1);
        EXPECT_EQ(first.Positions[3], (SheetPoint{4095, 32764}));
        EXPECT_EQ(first.Positions[17], (layout.pairs == 17 ? SheetPoint{} : SheetPoint{17, 32750}));
        EXPECT_EQ(game.Ends[1].Stones[15].Tags.size(), layout.timesAndTags ? 1 : 0);

        DocumentFields again;
        CGame gameAgain = *blankGame_;
        ASSERT_TRUE(readGameFile(saved, again, gameAgain).ok);
        EXPECT_EQ(again.FileVersion, QStringLiteral("6.1.0"));
        EXPECT_EQ(stored(again, gameAgain), saved);
    }
}

TEST_F(GameFileTest, WriterProducesTheNewestLayout)
{
    modelDoc_.FileVersion = QStringLiteral("5.0");
    CGame game = *modelGame_;
    const QByteArray bytes = writeGameFile(modelDoc_, game);
    EXPECT_EQ(bytes, build("6.1.0", modelDoc_, *modelGame_));
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("fffeff05"
                                                     "36002e0031002e003000")));

    // A new game saved before any stone: one end block.
    DocumentFields doc;
    CGame fresh = *blankGame_;
    GameFileBuilder builder(QStringLiteral("6.1.0"), {});
    EXPECT_EQ(writeGameFile(doc, fresh), builder.build(doc, *blankGame_));
    EXPECT_EQ(builder.tagCountOffsets.size(), CEnd::StoneCount);
}

TEST_F(GameFileTest, SavingAFinishedGameKeepsItsDefaultMis)
{
    CGame game = *modelGame_;
    game.GameState = 8;
    game.setMisPosition({});
    game.MisLabel.clear();
    game.setCurrentPosition(game.recordingPosition());
    const QByteArray bytes = writeGameFile(modelDoc_, game);
    EXPECT_EQ(game.MisLabel, QStringLiteral("Last stone"));
    EXPECT_NE(game.misPosition(), GamePosition{});

    DocumentFields doc;
    CGame read = *blankGame_;
    ASSERT_TRUE(readGameFile(bytes, doc, read).ok);
    EXPECT_EQ(read.misPosition(), game.misPosition());
    EXPECT_EQ(read.MisLabel, game.MisLabel);
}

// Only 32 bits are stored: a longer duration is saved as the longest one, and
// the tags after it are still read.
TEST_F(GameFileTest, TagDurationBeyond32BitsIsSavedAsTheLongest)
{
    CGame game = *modelGame_;
    QList<CTagEvent>& tags = game.Ends[0].Stones[4].Tags;
    tags = {{1, qint64(1) << 40, QStringLiteral("Long"), QString()},
            {2, -(qint64(1) << 40), QStringLiteral("Back"), QString()},
            {3, 7, QStringLiteral("After"), QStringLiteral("ok")}};
    DocumentFields doc;
    CGame read = *blankGame_;
    ASSERT_TRUE(readGameFile(writeGameFile(modelDoc_, game), doc, read).ok);
    const QList<CTagEvent>& back = read.Ends[0].Stones[4].Tags;
    ASSERT_EQ(back.size(), 3);
    EXPECT_EQ(back[0].TagDuration, std::numeric_limits<qint32>::max());
    EXPECT_EQ(back[1].TagDuration, std::numeric_limits<qint32>::min());
    EXPECT_EQ(back[2], tags[2]);
    EXPECT_EQ(read.Ends[1].Stones[15].Remark, game.Ends[1].Stones[15].Remark);
}

// A file cut anywhere fails as a whole and leaves the document as it was,
// except inside the last stone's tag list: the stone then keeps the tags read.
TEST_F(GameFileTest, TruncatedFileFailsAtEveryByte)
{
    CStone& last = modelGame_->Ends[1].Stones[15];
    last.Tags = {{1700000001, 4, QStringLiteral("Tap"), QStringLiteral("Hit")},
                 {1700000002, 9, QStringLiteral("Roll"), QStringLiteral("Out")}};
    GameFileBuilder builder(QStringLiteral("6.1.0"), {});
    const QByteArray file = builder.build(modelDoc_, *modelGame_);
    const qsizetype tagList = builder.tagCountOffsets.last();
    qsizetype tagEnds[2];
    qsizetype end = tagList + 2;
    for (int k = 0; k < 2; ++k) {
        const CTagEvent& t = last.Tags[k];
        end += Bytes()
                   .longTime(t.TagTime)
                   .i32(qint32(t.TagDuration))
                   .utf16(t.TagName)
                   .utf16(t.TagOutcome)
                   .size();
        tagEnds[k] = end;
    }
    ASSERT_EQ(end, file.size());

    DocumentFields sentinelDoc;
    sentinelDoc.City = QStringLiteral("unchanged");
    for (qsizetype cut = 0; cut < file.size(); ++cut) {
        DocumentFields doc = sentinelDoc;
        CGame game = *blankGame_;
        game.Teams[0].Text = QStringLiteral("unchanged");
        const GameFileReadResult result = readGameFile(file.left(cut), doc, game);
        if (cut < tagList) {
            ASSERT_FALSE(result.ok) << cut;
            ASSERT_EQ(result.error, kUnexpected) << cut;
            ASSERT_EQ(doc, sentinelDoc) << cut;
            ASSERT_EQ(game.Teams[0].Text, QStringLiteral("unchanged")) << cut;
            ASSERT_EQ(game.Ends[0].Stones[0].Task, -1) << cut;
        } else {
            ASSERT_TRUE(result.ok) << cut;
            const qsizetype whole = (cut >= tagEnds[0]) + (cut >= tagEnds[1]);
            ASSERT_EQ(game.Ends[1].Stones[15].Tags, last.Tags.mid(0, whole)) << cut;
        }
    }
}

TEST_F(GameFileTest, CountsAndLengthsBeyondTheFileAreRefused)
{
    GameFileBuilder builder(QStringLiteral("6.1.0"), {});
    const QByteArray file = builder.build(modelDoc_, *modelGame_);
    const QByteArray hugeCount = QByteArray::fromHex("ffffffffffff");
    auto withHugeCount = [&](qsizetype offset) {
        return file.left(offset) + hugeCount + file.mid(offset + 2);
    };
    const QByteArray version = Bytes().utf16(QStringLiteral("6.1.0")).data();
    const QByteArray refused[] = {
        version + QByteArray::fromHex("ffffffffffffff") + file.mid(version.size()),
        version + QByteArray::fromHex("fffeffffffffffffff7f") + file.mid(version.size()),
        withHugeCount(builder.tagCountOffsets.first()),
        withHugeCount(builder.tagCountOffsets[20]),
    };
    for (const QByteArray& bytes : refused) {
        DocumentFields doc;
        CGame game = *blankGame_;
        const GameFileReadResult result = readGameFile(bytes, doc, game);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, kUnexpected);
    }
    // In the last stone the file's end closes the list: the tags present stay.
    DocumentFields doc;
    CGame game = *blankGame_;
    ASSERT_TRUE(readGameFile(withHugeCount(builder.tagCountOffsets.last()), doc, game).ok);
    EXPECT_EQ(game.Ends[1].Stones[15].Tags, modelGame_->Ends[1].Stones[15].Tags);
}

TEST_F(GameFileTest, RecordEndMustAddressAnEndOfTheGame)
{
    const struct
    {
        qint32 recordEnd;
        qint32 firstEndDirection;
        bool ok;
        qint32 sheetDirection;
    } cases[] = {
        {0, 0, true, 0},
        {1, 0, true, 1},
        {0, 1, true, 1},
        {1, 1, true, 0},
        {19, 1, true, 0},
        {20, 0, false, 0},
        {-1, 0, false, 0},
        {std::numeric_limits<qint32>::min(), 0, false, 0},
        {std::numeric_limits<qint32>::max(), 0, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.recordEnd);
        CGame model = *modelGame_;
        model.setRecordingPosition({c.recordEnd, 3, 1, 0});
        modelDoc_.FirstEndDirection = c.firstEndDirection;
        DocumentFields doc;
        CGame game = *blankGame_;
        const GameFileReadResult result = readGameFile(build("6.1.0", modelDoc_, model), doc, game);
        ASSERT_EQ(result.ok, c.ok);
        if (!c.ok) {
            EXPECT_EQ(result.error, kUnexpected);
            continue;
        }
        EXPECT_EQ(game.currentPosition(), (GamePosition{c.recordEnd, 3, 1, 0}));
        EXPECT_EQ(game.SheetDirection, c.sheetDirection);
    }
}

TEST_F(GameFileTest, ReadingSetsTheDocumentsViewAndCaption)
{
    Settings::write(Key::Options::RotateRight, 1);
    DocumentFields doc;
    doc.ShowRotate = 1;
    CGame game = *blankGame_;
    ASSERT_TRUE(readGameFile(build("6.1.0", modelDoc_, *modelGame_), doc, game).ok);
    EXPECT_EQ(doc.Competition, (CIDString{QStringLiteral("WCC €"), -1}));
    EXPECT_EQ(doc.ShowRotate, 0);
    EXPECT_EQ(doc.RotateRight, 1);
    EXPECT_EQ(doc.StateCaption, QStringLiteral("in progress"));
    EXPECT_EQ(game.currentPosition(), modelGame_->recordingPosition());
}

TEST_F(GameFileTest, OlderFilesTakeMixedDoublesFromTheSettings)
{
    const struct
    {
        const char* version;
        int setting;
        qint32 stored;
        qint32 expected;
    } cases[] = {
        {"4.0", 1, 0, 1},   {"5.0.2", 0, 1, 0}, {"5.3.9", 1, 0, 1},
        {"5.4.0", 1, 0, 0}, {"6.1.0", 0, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        Settings::write(Key::Options::MixedDoubles, c.setting);
        modelGame_->MixedDoubles = c.stored;
        DocumentFields doc;
        CGame game = *blankGame_;
        ASSERT_TRUE(readGameFile(build(c.version, modelDoc_, *modelGame_), doc, game).ok);
        EXPECT_EQ(game.MixedDoubles, c.expected);
    }
}

TEST_F(GameFileTest, FilesOnDisk)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("game.cus"));
    CGame game = *modelGame_;
    ASSERT_TRUE(writeGameFile(path, modelDoc_, game).ok);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), build("6.1.0", modelDoc_, *modelGame_));
    DocumentFields doc;
    CGame read = *blankGame_;
    ASSERT_TRUE(readGameFile(path, doc, read).ok);
    EXPECT_EQ(read.Ends[1].Stones[15].Comment, modelGame_->Ends[1].Stones[15].Comment);

    const GameFileReadResult missing =
        readGameFile(dir.filePath(QStringLiteral("none.cus")), doc, read);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, QLatin1String(GameFileText::FailedToOpen));
    const GameFileWriteResult unwritable =
        writeGameFile(dir.filePath(QStringLiteral("no/such/folder/game.cus")), doc, read);
    EXPECT_FALSE(unwritable.ok);
    EXPECT_EQ(unwritable.error, QLatin1String(GameFileText::FailedToSave));
}

// Positions are taken as stored: a MIS whose fields add up past 32 bits is still
// a chosen MIS, and saving keeps it. Disabled until CGame::ApplyMisDefault tests
// the MIS fields without adding them in 32 bits (found by fuzz_gamefile).
TEST_F(GameFileTest, SavingKeepsAStoredMisWhateverItsValues)
{
    const qint32 big = std::numeric_limits<qint32>::max();
    modelGame_->GameState = 8;
    modelGame_->setMisPosition({big, big, 2, 0}); // adds up to 2^32
    DocumentFields doc;
    CGame game = *blankGame_;
    ASSERT_TRUE(readGameFile(build("6.1.0", modelDoc_, *modelGame_), doc, game).ok);
    writeGameFile(doc, game);
    EXPECT_EQ(game.misPosition(), (GamePosition{big, big, 2, 0}));
    EXPECT_EQ(game.MisLabel, modelGame_->MisLabel);
}
