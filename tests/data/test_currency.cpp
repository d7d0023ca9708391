// SPDX-License-Identifier: EUPL-1.2
// Currency: exact parsing under either separator, the shortest written form.
#include "Currency.h"
#include "Regional.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Currency, ShortTextUsesTheRegionalSeparatorAndDropsTrailingZeros)
{
    struct Case
    {
        int64_t raw;
        const char *comma;
        const char *point;
    };
    const Case cases[] = {
        {0, "0", "0"},
        {1000000, "100", "100"},
        {12345000, "1234,5", "1234.5"},
        {1, "0,0001", "0.0001"},
        {-1, "-0,0001", "-0.0001"},
        {-12345678, "-1234,5678", "-1234.5678"},
        {std::numeric_limits<int64_t>::max(), "922337203685477,5807", "922337203685477.5807"},
        {std::numeric_limits<int64_t>::min(), "-922337203685477,5808", "-922337203685477.5808"},
    };
    for (const Case &c : cases) {
        {
            Regional::ScopedSeparators comma(u',', u'.');
            EXPECT_EQ(Currency::FromRaw(c.raw).ToShortText(), QString::fromLatin1(c.comma));
        }
        Regional::ScopedSeparators point(u'.', u',');
        EXPECT_EQ(Currency::FromRaw(c.raw).ToShortText(), QString::fromLatin1(c.point));
    }
}

TEST(Currency, ParseAcceptsEitherSeparatorWhateverTheRegionalSetting)
{
    struct Case
    {
        const char *text;
        std::optional<int64_t> raw;
    };
    const Case cases[] = {
        {"12,5", 125000},       {"12.5", 125000},         {" -7 ", -70000},       {"+3", 30000},
        {"0,00005", 1},         {"-0,00005", -1},         {"0,00004", 0},         {"1E3", 10000000},
        {"1,5E-2", 150},        {",5", 5000},             {"5,", 50000},          {"100", 1000000},
        {"1.234,5", {}},        {"1e3", {}},              {"", {}},               {"-", {}},
        {"abc", {}},            {"12 5", {}},             {"922337203685477,5807", std::numeric_limits<int64_t>::max()},
        {"922337203685478", {}}, {"1E99999999", {}},      {"0E99999999", 0},      {"1E-99999999", 0},
    };
    for (const QChar decimal : {QChar(u','), QChar(u'.')}) {
        Regional::ScopedSeparators separators(decimal, decimal == u',' ? QChar(u'.') : QChar(u','));
        for (const Case &c : cases) {
            const std::optional<Currency> value = Currency::Parse(QString::fromLatin1(c.text));
            ASSERT_EQ(value.has_value(), c.raw.has_value()) << c.text;
            if (value) {
                EXPECT_EQ(value->Raw(), *c.raw) << c.text;
            }
        }
    }
}

TEST(Currency, WrittenTextReadsBackExactly)
{
    Regional::ScopedSeparators comma(u',', u'.');
    for (const int64_t raw : {int64_t(0), int64_t(1), int64_t(-9999), int64_t(123456789012345), int64_t(-5)})
        EXPECT_EQ(Currency::Parse(Currency::FromRaw(raw).ToShortText())->Raw(), raw);
}

TEST(Currency, GroupedUnitsRoundHalfAwayFromZero)
{
    EXPECT_EQ(Currency::FromRaw(12345675000).ToGroupedUnits(u'.'), QStringLiteral("1.234.568"));
    EXPECT_EQ(Currency::FromRaw(-15000).ToGroupedUnits(u'.'), QStringLiteral("-2"));
    EXPECT_EQ(Currency::FromRaw(4999).ToGroupedUnits(u'.'), QStringLiteral("0"));
    EXPECT_EQ(Currency::FromRaw(-4999).ToGroupedUnits(u'.'), QStringLiteral("0"));
    EXPECT_EQ(Currency::FromInt(999).ToGroupedUnits(u'.'), QStringLiteral("999"));
}
