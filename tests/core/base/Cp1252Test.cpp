#include "core/base/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, DecodesTheWindowsRangeAndLatin1)
{
    const QByteArray bytes("\x80\xE9\x96\xFC\x81 A", 7);
    EXPECT_EQ(Cp1252::decode(bytes), QString::fromUtf8("€é–ü\u0081 A"));
}

TEST(Cp1252, EncodesBackAndMarksWhatItCannotHold)
{
    const QString text = QString::fromUtf8("Zürich – é € ✓");
    EXPECT_EQ(Cp1252::encode(text), QByteArray("Z\xFCrich \x96 \xE9 \x80 ?"));
    EXPECT_EQ(Cp1252::decode(Cp1252::encode(QString::fromUtf8("Genève à côté"))),
              QString::fromUtf8("Genève à côté"));
}
