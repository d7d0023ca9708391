// SPDX-License-Identifier: EUPL-1.2
#pragma once

// Amounts and percentages: a signed 64-bit count of ten-thousandths, so that
// sums are exact and 100 % is held as 1,000,000.

#include <QString>

#include <compare>
#include <cstdint>
#include <optional>

class Currency
{
public:
    static constexpr int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency FromRaw(int64_t raw) { return Currency(raw); }
    static constexpr Currency FromInt(int64_t units) { return Currency(units * Scale); }

    constexpr int64_t Raw() const { return _raw; }
    constexpr bool IsZero() const { return _raw == 0; }

    constexpr Currency operator+(Currency other) const { return Currency(_raw + other._raw); }
    constexpr Currency operator-(Currency other) const { return Currency(_raw - other._raw); }
    constexpr Currency &operator+=(Currency other) { _raw += other._raw; return *this; }
    constexpr auto operator<=>(const Currency &) const = default;

    // The shortest fixed form: no grouping, the regional decimal separator and one
    // to four decimals only when the fraction is not zero ("100", "1234,5", "-0,0001").
    QString ToShortText() const;

    // Rounded to whole units (half away from zero), grouped with the given separator:
    // the "%9.0n" style of the printed forms ("1.234.567").
    QString ToGroupedUnits(QChar thousands) const;

    // Reads a decimal number: optional blanks, an optional sign, digits with at
    // most one decimal separator ("," or "." alike, whatever the regional
    // setting), an optional exponent "E"; rounded half away from zero to four
    // decimals. No grouping. Nothing when the text is no number or out of range.
    static std::optional<Currency> Parse(const QString &text);

private:
    constexpr explicit Currency(int64_t raw) : _raw(raw) {}
    int64_t _raw = 0;
};
