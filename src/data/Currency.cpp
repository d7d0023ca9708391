// SPDX-License-Identifier: EUPL-1.2
#include "Currency.h"

#include "Regional.h"

#include <limits>

namespace {

constexpr int kDecimals = 4;

struct DecimalText
{
    bool negative = false;
    QString digits;    // every digit, integer and fraction part together
    int pointShift = 0; // the value is digits * 10^pointShift
};

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads an optional exponent "E[+-]digits" from position i; false when malformed.
bool ReadExponent(const QString &s, qsizetype &i, int &exponent)
{
    if (i >= s.size() || s.at(i) != u'E')
        return true;
    ++i;
    bool negative = false;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
        negative = s.at(i++) == u'-';
    const qsizetype start = i;
    long value = 0;
    while (i < s.size() && IsDigit(s.at(i))) {
        value = std::min(value * 10 + (s.at(i).unicode() - u'0'), 100000L);
        ++i;
    }
    if (i == start)
        return false;
    exponent = int(negative ? -value : value);
    return true;
}

std::optional<DecimalText> Split(const QString &raw)
{
    const QString s = raw.trimmed();
    DecimalText d;
    qsizetype i = 0;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
        d.negative = s.at(i++) == u'-';
    bool point = false;
    for (; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (IsDigit(c)) {
            d.digits.append(c);
            if (point)
                --d.pointShift;
        } else if ((c == u',' || c == u'.') && !point) {
            point = true;
        } else {
            break;
        }
    }
    int exponent = 0;
    if (d.digits.isEmpty() || !ReadExponent(s, i, exponent) || i != s.size())
        return std::nullopt;
    d.pointShift += exponent;
    return d;
}

// digits * 10^(shift) rounded half away from zero to an integer; nothing on overflow.
std::optional<int64_t> ScaleDigits(const QString &digits, int shift)
{
    constexpr auto kMax = std::numeric_limits<int64_t>::max();
    int64_t value = 0;
    const qsizetype kept = digits.size() + std::min(shift, 0);
    for (qsizetype i = 0; i < kept; ++i) {
        const int digit = digits.at(i).unicode() - u'0';
        if (value > (kMax - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    for (int i = 0; i < shift; ++i) {
        if (value > kMax / 10)
            return std::nullopt;
        value *= 10;
    }
    if (kept >= 0 && kept < digits.size() && digits.at(kept) >= u'5') {
        if (value == kMax)
            return std::nullopt;
        ++value;
    }
    return value;
}

} // namespace

std::optional<Currency> Currency::Parse(const QString &text)
{
    const std::optional<DecimalText> d = Split(text);
    if (!d)
        return std::nullopt;
    const std::optional<int64_t> magnitude = ScaleDigits(d->digits, d->pointShift + kDecimals);
    if (!magnitude)
        return std::nullopt;
    return Currency::FromRaw(d->negative ? -*magnitude : *magnitude);
}

QString Currency::ToShortText() const
{
    const bool negative = _raw < 0;
    const uint64_t magnitude = negative ? uint64_t(0) - uint64_t(_raw) : uint64_t(_raw);
    QString text = QString::number(magnitude / Scale);
    QString fraction = QString::number(magnitude % Scale).rightJustified(kDecimals, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += Regional::DecimalSeparator() + fraction;
    return negative ? u'-' + text : text;
}

QString Currency::ToGroupedUnits(QChar thousands) const
{
    const bool negative = _raw < 0;
    const uint64_t magnitude = negative ? uint64_t(0) - uint64_t(_raw) : uint64_t(_raw);
    const uint64_t units = (magnitude + Scale / 2) / Scale;
    QString digits = QString::number(units);
    for (qsizetype pos = digits.size() - 3; pos > 0; pos -= 3)
        digits.insert(pos, thousands);
    return negative && units != 0 ? u'-' + digits : digits;
}
