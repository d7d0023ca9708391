// SPDX-License-Identifier: EUPL-1.2
#include "Cp1252.h"

#include <gtest/gtest.h>

namespace {

QByteArray AllBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip)
{
    const QByteArray bytes = AllBytes();
    const QString text = Cp1252::FromBytes(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(Cp1252::ToBytes(text), bytes);
    EXPECT_EQ(Cp1252::Restrict(text), text);
}

TEST(Cp1252, HighBlockMapsToItsCharacters)
{
    const struct
    {
        unsigned char byte;
        char16_t unicode;
    } casos[] = {{0x80, 0x20AC}, {0x81, 0x0081}, {0x8A, 0x0160}, {0x9F, 0x0178}, {0xA0, 0x00A0},
                 {0xE1, 0x00E1}, {0xF1, 0x00F1}, {0xFF, 0x00FF}, {0x7F, 0x007F}};
    for (const auto &c : casos) {
        const QByteArray byte(1, char(c.byte));
        EXPECT_EQ(Cp1252::FromBytes(byte), QString(QChar(c.unicode))) << int(c.byte);
        EXPECT_EQ(Cp1252::ToBytes(QString(QChar(c.unicode))), byte) << int(c.byte);
    }
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    // U+1F600 is one character in two UTF-16 units: it becomes one "?".
    const QString text = QStringLiteral("a\u0100€\u20AD\U0001F600b");
    EXPECT_EQ(Cp1252::ToBytes(text), QByteArray("a?\x80??b"));
    EXPECT_EQ(Cp1252::Restrict(text), QStringLiteral("a?€??b"));
    EXPECT_FALSE(Cp1252::Has(QChar(0x0100)));
    EXPECT_TRUE(Cp1252::Has(QChar(0x20AC)));
}

TEST(Cp1252, UpperAsciiTouchesOnlyAToZ)
{
    EXPECT_EQ(Cp1252::UpperAscii(QStringLiteral("azñá{`@ AZ")), QStringLiteral("AZñá{`@ AZ"));
}

TEST(Cp1252, IsPlainAsciiStopsBelow127)
{
    EXPECT_TRUE(Cp1252::IsPlainAscii(QStringLiteral("ACME Solicitud_2024 ~")));
    EXPECT_FALSE(Cp1252::IsPlainAscii(QStringLiteral("\x7f")));
    EXPECT_FALSE(Cp1252::IsPlainAscii(QStringLiteral("Cañón")));
}

TEST(Cp1252, TrimRemovesCodesUpTo32AtBothEnds)
{
    EXPECT_EQ(Cp1252::Trim(QStringLiteral("\x01\t a\tb \r\n\x1f")), QStringLiteral("a\tb"));
    EXPECT_EQ(Cp1252::Trim(QStringLiteral("\x7f x \u00A0")), QStringLiteral("\x7f x \u00A0"));
    EXPECT_EQ(Cp1252::Trim(QStringLiteral(" \t\n ")), QString());
}

} // namespace
