// SPDX-License-Identifier: EUPL-1.2
#include "LeerFecha.h"
#include "Regional.h"
#include "UAuxiliar.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlRango, ClampsToTheLimits)
{
    const struct
    {
        qint32 valor, minimo, maximo, esperado;
    } casos[] = {{150, 0, 100, 100}, {-5, 0, 100, 0}, {42, 0, 100, 42}, {0, 0, 100, 0}, {100, 0, 100, 100}};
    for (const auto &c : casos)
        EXPECT_EQ(ControlRango(c.valor, c.minimo, c.maximo), c.esperado) << c.valor;
}

TEST(ControlRango, MinimumWinsWhenTheLimitsCross)
{
    // Both tests look at the value itself, so the minimum is applied last.
    EXPECT_EQ(ControlRango(50, 60, 40), 60);
    EXPECT_EQ(ControlRango(70, 60, 40), 40);
}

TEST(EstaVacio, TrimsControlCharactersAndBlanks)
{
    EXPECT_TRUE(EstaVacio(QString()));
    EXPECT_TRUE(EstaVacio(QStringLiteral("   ")));
    EXPECT_TRUE(EstaVacio(QStringLiteral("\t\r\n\x01")));
    EXPECT_FALSE(EstaVacio(QStringLiteral("0")));
    EXPECT_FALSE(EstaVacio(QStringLiteral(" \u00A0 "))); // a no-break space is a character
}

TEST(EsNumero, FollowsTheRegionalDecimalSeparator)
{
    const struct
    {
        const char *texto;
        bool conComa;  // decimal ",", thousands "."
        bool conPunto; // decimal ".", thousands ","
    } casos[] = {
        {"12,5", true, false},    {"12.5", false, true},    {"1.234,5", false, false}, {"1,234.5", false, false},
        {"1.234", false, true},   {"1,234", true, false},   {"1e5", false, false},     {"1E5", true, true},
        {"-1,5E-3", true, false}, {"-1.5E+3", false, true}, {"-7", true, true},        {"+7", true, true},
        {" 42 ", true, true},     {"", false, false},       {"   ", false, false},     {"+", false, false},
        {"-", false, false},      {",", false, false},      {".", false, false},       {"E", false, false},
        {"E5", false, false},     {"1E", false, false},     {"+-5", false, false},     {"1 000", false, false},
        {"5x", false, false},     {"0x10", false, false},   {"1,2,3", false, false},   {"1.2.3", false, false},
    };
    for (const auto &c : casos) {
        const QString texto = QString::fromLatin1(c.texto);
        {
            const Regional::ScopedSeparators coma(u',', u'.');
            EXPECT_EQ(EsNumero(texto), c.conComa) << "decimal comma: " << c.texto;
        }
        {
            const Regional::ScopedSeparators punto(u'.', u',');
            EXPECT_EQ(EsNumero(texto), c.conPunto) << "decimal point: " << c.texto;
        }
    }
}

TEST(EsNumero, SingleCharacterAcceptsExactlyTheDigits)
{
    const Regional::ScopedSeparators coma(u',', u'.');
    for (char16_t c = 1; c < 256; ++c)
        EXPECT_EQ(EsNumero(QString(QChar(c))), c >= u'0' && c <= u'9') << int(c);
}

TEST(EsFecha, ReadsDayMonthYear)
{
    const struct
    {
        const char *texto;
        bool esperado;
    } casos[] = {
        {"29/02/2024", true},
        {"29/02/2023", false},
        {"31/04/2024", false},
        {"1/1/2024", true},
        {"01/01/2024/", true},
        {"01/01/2024//", false},
        {"01-01-2024", false},
        {"01/01/20245", false},
        {"", false},
        {"   ", false},
        {"15/03", true},
        {"15/03/", true},
        {"15/03//", false},
        {" 01 / 01 / 2024 ", true},
        {"01/01/2024 x", false},
        {"01/01/2024.", false},
        {"/01/2024", false},
        {"01//2024", false},
        {"01", false},
        {"01/", false},
        {"00/01/2024", false},
        {"32/01/2024", false},
        {"01/00/2024", false},
        {"01/13/2024", false},
        {"29/02/1900", false},
        {"29/02/2000", true},
        {"29/02/400", true},
        {"01/01/0000", false},
        {"01/01/0001", true},
        {"31/12/9999", true},
        {"01/01/10000", false},
        {"1000/01/2024", false},
        {"0001/01/2024", true},
        {"10000/01/2024", false},
        {"+1/01/2024", false},
        {"\t01/01/2024", false},
    };
    for (const auto &c : casos)
        EXPECT_EQ(EsFecha(QString::fromLatin1(c.texto)), c.esperado) << '"' << c.texto << '"';
}

TEST(LeerFecha, ShortYearsFallInTheHundredYearsFromFiftyBefore)
{
    const struct
    {
        const char *texto;
        int anioActual;
        QDate esperada;
    } casos[] = {
        {"01/01/75", 2026, QDate(2075, 1, 1)},   {"01/01/76", 2026, QDate(1976, 1, 1)},
        {"01/01/5", 2026, QDate(2005, 1, 1)},    {"01/01/0", 2026, QDate(2000, 1, 1)},
        {"01/01/00", 2050, QDate(2000, 1, 1)},   {"01/01/99", 2050, QDate(2099, 1, 1)},
        {"01/01/49", 2000, QDate(2049, 1, 1)},   {"01/01/50", 2000, QDate(1950, 1, 1)},
        {"01/01/075", 2026, QDate(75, 1, 1)},    {"29/02/00", 2026, QDate(2000, 2, 29)},
        {"15/03", 2030, QDate(2030, 3, 15)},     {"29/02", 2024, QDate(2024, 2, 29)},
        {"02/03/2024", 1990, QDate(2024, 3, 2)},
    };
    for (const auto &c : casos)
        EXPECT_EQ(LeerFecha(QString::fromLatin1(c.texto), c.anioActual), c.esperada)
            << c.texto << " in " << c.anioActual;
}

TEST(LeerFecha, MissingYearMustMakeTheDateExist)
{
    EXPECT_EQ(LeerFecha(QStringLiteral("29/02"), 2023), std::nullopt);
    EXPECT_EQ(LeerFecha(QStringLiteral("29/02/"), 2023), std::nullopt);
}

TEST(DameProvincia, ProvinceOfTheCode)
{
    const struct
    {
        const char *codigo;
        QString provincia;
    } casos[] = {
        {"01", QStringLiteral("Araba/Álava")},
        {"07", QStringLiteral("Illes Balears")},
        {"28", QStringLiteral("Madrid")},
        {"35", QStringLiteral("Las Palmas")},
        {"38", QStringLiteral("Santa Cruz de Tenerife")},
        {"46", QStringLiteral("Valencia/València")},
        {"52", QStringLiteral("Melilla")},
        {"53", QString()},
        {"00", QString()},
        {"8", QString()},
        {"", QString()},
        {"280", QString()},
        {" 28", QString()},
        {"01=Araba/Álava", QString()},
    };
    for (const auto &c : casos)
        EXPECT_EQ(DameProvincia(QString::fromUtf8(c.codigo)), c.provincia) << c.codigo;
}

TEST(DameProvincia, EveryCodeFrom01To52HasAName)
{
    for (int codigo = 1; codigo <= 52; ++codigo) {
        const QString provincia = DameProvincia(QStringLiteral("%1").arg(codigo, 2, 10, QChar(u'0')));
        EXPECT_FALSE(provincia.isEmpty()) << codigo;
        EXPECT_FALSE(provincia.contains(u'_') || provincia.contains(u'=') || provincia.contains(u',')) << codigo;
    }
}

} // namespace
