#include "GameFileBuilder.h"

#include "core/files/BinaryReader.h"
#include "core/files/BinaryWriter.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

} // namespace

TEST(BinaryReader, ReadsEveryStringForm)
{
    const QString z = QStringLiteral("Zürich – €");
    const QString a300(300, QLatin1Char('a'));
    const struct
    {
        const char* name;
        QByteArray bytes;
        QString expected;
    } cases[] = {
        {"empty 8-bit", hex("00"), QString()},
        {"8-bit Windows-1252", hex("0a") + hex("5afc7269636820962080"), z},
        {"8-bit undefined byte stays a control", hex("02") + hex("8141"),
         QStringLiteral("\u0081A")},
        {"8-bit uint16 length", hex("ff2c01") + QByteArray(300, 'a'), a300},
        {"8-bit uint32 length", hex("ffffff03000000") + "abc", QStringLiteral("abc")},
        {"empty UTF-16", hex("fffeff00"), QString()},
        {"UTF-16", hex("fffeff03") + hex("41004e4eac20"), QStringLiteral("A\u4e4e\u20ac")},
        {"UTF-16 uint16 length", hex("fffeffff2c01") + Bytes().utf16(a300).data().mid(6), a300},
        {"UTF-16 uint16 length 0xFFFE",
         hex("fffeffff"
             "feff") +
             QByteArray(2 * 0xFFFE, 'x'),
         QString(0xFFFE, QChar(0x7878))},
        {"UTF-16 uint32 length", hex("fffeffffffff02000000") + hex("68006900"),
         QStringLiteral("hi")},
    };
    for (const auto& c : cases) {
        BinaryReader in(c.bytes);
        EXPECT_EQ(in.readString(), c.expected) << c.name;
        EXPECT_TRUE(in.ok()) << c.name;
        EXPECT_TRUE(in.atEnd()) << c.name;
    }
}

TEST(BinaryWriter, WritesUtf16WithTheShortestLength)
{
    const struct
    {
        qsizetype length;
        QByteArray prefix;
    } cases[] = {
        {0, hex("fffeff00")},
        {254, hex("fffefffe")},
        {255, hex("fffeffffff00")},
        {300, hex("fffeffff2c01")},
        {0xFFFD, hex("fffefffffdff")},
        {0xFFFE, hex("fffeffffffff"
                     "feff0000")},
    };
    for (const auto& c : cases) {
        const QString text(c.length, QChar(0x20AC));
        BinaryWriter out;
        out.writeString(text);
        const QByteArray bytes = out.take();
        EXPECT_EQ(bytes.left(c.prefix.size()).toHex(), c.prefix.toHex()) << c.length;
        ASSERT_EQ(bytes.size(), c.prefix.size() + 2 * c.length) << c.length;
        if (c.length > 0) {
            EXPECT_EQ(bytes.right(2), hex("ac20"));
        }
        BinaryReader in(bytes);
        EXPECT_EQ(in.readString(), text) << c.length;
        EXPECT_TRUE(in.ok() && in.atEnd()) << c.length;
    }
}

TEST(BinaryReader, RefusesLengthsTheBytesCannotHold)
{
    const QByteArray cases[] = {
        hex("05") + "abcd",                   // one byte short
        hex("ffffffffffffff") + "abc",        // 8-bit, 4 GB
        hex("fffeffffffffffffff7f") + "abcd", // UTF-16, 2 G code units
        hex("fffeffffffff00000080") + "abcd", // UTF-16, 2^31 code units: 4 GB of bytes
        hex("fffeff02") + hex("4100"),        // odd half of a code unit missing
        hex("fffe"),                          // escape cut short
    };
    for (const QByteArray& bytes : cases) {
        BinaryReader in(bytes);
        EXPECT_EQ(in.readString(), QString()) << bytes.toHex().constData();
        EXPECT_FALSE(in.ok()) << bytes.toHex().constData();
        // Once failed, the reader stays failed.
        EXPECT_EQ(in.readInt32(), 0);
        EXPECT_FALSE(in.ok());
    }
}

TEST(BinaryStream, TimesCountsAndDates)
{
    // Reader: any int32 but the marker is the time itself, sign-extended.
    const struct
    {
        QByteArray bytes;
        qint64 expected;
    } times[] = {
        {hex("00000000"), 0},
        {hex("00f1536a"), 0x6a53f100},
        {hex("ffffffff"), -1},
        {hex("0a000080") + hex("0100000002000000"), 0x0000000200000001},
        {hex("0b000080"), qint64(qint32(0x8000000B))},
    };
    for (const auto& t : times) {
        BinaryReader in(t.bytes);
        EXPECT_EQ(in.readTime(), t.expected) << t.bytes.toHex().constData();
        EXPECT_TRUE(in.ok() && in.atEnd());
    }
    BinaryWriter out;
    out.writeTime(-2);
    out.writeCount(0xFFFE);
    out.writeCount(0xFFFF);
    out.writeDate({OleDate::Null, 1.5});
    const QByteArray bytes = out.take();
    EXPECT_EQ(bytes.toHex(), QByteArray("0a000080feffffffffffffff"
                                        "feff"
                                        "ffffffff0000"
                                        "02000000000000000000f83f"));
    BinaryReader in(bytes);
    EXPECT_EQ(in.readTime(), -2);
    EXPECT_EQ(in.readCount(), 0xFFFEu);
    EXPECT_EQ(in.readCount(), 0xFFFFu);
    EXPECT_EQ(in.readDate(), (OleDate{OleDate::Null, 1.5}));
    EXPECT_TRUE(in.ok() && in.atEnd());
}

TEST(OleDate, ConvertsBothWays)
{
    const struct
    {
        double value;
        QDateTime dateTime;
    } cases[] = {
        {0.0, QDateTime(QDate(1899, 12, 30), QTime(0, 0))},
        {46000.75, QDateTime(QDate(2025, 12, 9), QTime(18, 0))},
        {-1.25, QDateTime(QDate(1899, 12, 29), QTime(6, 0))},
        {2.0 + 0.999999999, QDateTime(QDate(1900, 1, 2), QTime(0, 0))},
    };
    for (const auto& c : cases) {
        EXPECT_EQ((OleDate{OleDate::Valid, c.value}).toDateTime(), c.dateTime) << c.value;
    }
    for (int i = 0; i < 3; ++i) {
        const auto& c = cases[i];
        EXPECT_DOUBLE_EQ(OleDate::fromDateTime(c.dateTime).Value, c.value) << c.value;
    }
    EXPECT_FALSE((OleDate{OleDate::Null, 1.0}).toDateTime().isValid());
    EXPECT_FALSE(
        (OleDate{OleDate::Valid, std::numeric_limits<double>::quiet_NaN()}).toDateTime().isValid());
    EXPECT_EQ(OleDate::fromDateTime(QDateTime()).Status, OleDate::Invalid);
}
