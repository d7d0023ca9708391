// SPDX-License-Identifier: EUPL-1.2
#include "UAuxiliar.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>

namespace {

struct CasoTexto
{
    const char *entrada;
    const char *esperado;
};

struct CasoCheck
{
    const char *valor;
    bool esperado;
};

TEST(LetraNIF, LetterOfTheRemainderBy23)
{
    const struct
    {
        qint32 numero;
        const char *letra;
    } casos[] = {{0, "T"}, {1, "R"}, {22, "E"}, {23, "T"}, {12345678, "Z"}, {1234567, "L"}, {2147483647, "M"}};
    for (const auto &c : casos)
        EXPECT_EQ(LetraNIF(c.numero), QString::fromLatin1(c.letra)) << c.numero;
}

TEST(LetraNIF, NegativeNumberStaysInsideTheTable)
{
    const QString letra = LetraNIF(std::numeric_limits<qint32>::min());
    ASSERT_EQ(letra.size(), 1);
    EXPECT_TRUE(QStringLiteral("TRWAGMYFPDXBNJZSQVHLCKE").contains(letra));
}

TEST(LimpiarCif, TrimsUpperCasesAndDropsSeparators)
{
    const CasoTexto casos[] = {
        {" b-12.345/678 ", "B12.345678"}, // the full stop stays
        {"a-1/2 3", "A123"},
        {"   ", ""},
        {"", ""},
        {"\t\x01x-1234567l\r\n", "X1234567L"},
        {"a\tb", "A\tB"}, // only blanks are removed inside
    };
    for (const auto &c : casos)
        EXPECT_EQ(LimpiarCif(QString::fromLatin1(c.entrada)), QString::fromLatin1(c.esperado)) << c.entrada;
}

TEST(LimpiarCif, LeavesAccentedLettersAsTheyAre)
{
    EXPECT_EQ(LimpiarCif(QStringLiteral("ñb-á")), QStringLiteral("ñBá"));
}

void ExpectEsCIF(std::initializer_list<CasoCheck> casos)
{
    for (const auto &c : casos)
        EXPECT_EQ(EsCIF(QString::fromLatin1(c.valor)), c.esperado) << '"' << c.valor << '"';
}

TEST(EsCIF, PersonalNumbers)
{
    ExpectEsCIF({{"12345678Z", true},
                 {"12345678z", true},
                 {" 12345678z ", true},
                 {"\t12345678Z\n", true},
                 {"12345678A", false},
                 {"01234567L", true},
                 {"1234567 Z", false},
                 {"1234 5678Z", false}});
}

TEST(EsCIF, ForeignersNumbers)
{
    // Only X stands for a leading 0. Y is not read as a personal number: its
    // proper letter fails and the entity rule's control digit passes.
    ExpectEsCIF({{"X1234567L", true},
                 {"x1234567l", true},
                 {"X1234567Z", false},
                 {"Y1234567X", false},
                 {"Y12345674", true},
                 {"Z1234567R", false}});
}

TEST(EsCIF, EntityIdentifiers)
{
    ExpectEsCIF({{"B12345674", true},
                 {"B12345675", false},
                 {"b12345674", true},
                 {"A12345674", true},
                 {"P1234567D", true},
                 {"p1234567d", true},
                 {"P12345674", false},
                 {"W1234567D", true},
                 {"N1234567C", false},
                 // Letters that never begin an identifier.
                 {"I12345674", false},
                 {"O12345674", false},
                 {"T12345674", false}});
}

TEST(EsCIF, ControlTen)
{
    // A body of zeros gives Control 10: the digit 0 or any non-digit, or the letter J.
    ExpectEsCIF({{"B00000000", true},
                 {"B0000000A", true},
                 {"B0000000-", true},
                 {"B00000001", false},
                 {"P0000000J", true},
                 {"P00000000", false},
                 {"P0000000A", false}});
}

TEST(EsCIF, Malformed)
{
    ExpectEsCIF({{"", false},
                 {"         ", false},
                 {"B1234567", false},
                 {"B123456740", false},
                 {"1234567Z", false},
                 {"123456789Z", false},
                 {"B12A45674", false},
                 {"B123 5674", false},
                 // Number parts are decimal: 0X1234AB would be 1193131, letter Y.
                 {"0X1234ABY", false},
                 {"+1234567Z", false}});
}

TEST(EsCIF, AccentedFirstLetterIsNotUpperCasedIntoAcceptance)
{
    EXPECT_FALSE(EsCIF(QStringLiteral("ñ12345674")));
    EXPECT_FALSE(EsCIF(QStringLiteral("Á12345674")));
}

// EsNIF neither trims nor checks the length beyond the minimum of 9.
TEST(EsNIF, ReadsTheNumberPartAsAnInteger)
{
    const CasoCheck casos[] = {
        {"12345678Z", true},
        {"12345678z", true},
        {" 12345678Z", true}, // the integer reading skips leading blanks
        {"12345678Z ", false},
        {"+12345678Z", true},
        {"0012345678Z", true},
        {"1234567L", false}, // shorter than 9
        {"01234567L", true},
        {"2147483647M", true},
        {"2147483648Y", false}, // outside the 32-bit range
        {"99999999999999999999T", false},
        {"1234 5678Z", false},
        {"        Z", false},
        {"+       T", false},
    };
    for (const auto &c : casos)
        EXPECT_EQ(EsNIF(QString::fromLatin1(c.valor)), c.esperado) << c.valor;
}

} // namespace
