// SPDX-License-Identifier: EUPL-1.2
#include "Cp1252.h"

#include <array>

namespace {

// Unicode of the bytes 0x80..0x9F; the rest of the code page equals Latin-1.
// The five unassigned bytes keep the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte for a character, or -1 when the code page lacks it.
int ByteOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < int(kHighBlock.size()); ++i)
        if (kHighBlock[i] == u)
            return 0x80 + i;
    return -1;
}

} // namespace

namespace Cp1252 {

bool Has(QChar c)
{
    return ByteOf(c) >= 0;
}

QByteArray ToBytes(const QString &text)
{
    const QString restricted = Restrict(text);
    QByteArray bytes;
    bytes.reserve(restricted.size());
    for (const QChar c : restricted)
        bytes.append(char(ByteOf(c)));
    return bytes;
}

QString FromBytes(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(kHighBlock[b - 0x80]) : QChar(b));
    }
    return text;
}

QString Restrict(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character outside the 16-bit range is one character: one "?".
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        result.append(Has(c) ? c : QChar(u'?'));
    }
    return result;
}

bool IsPlainAscii(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() >= 127)
            return false;
    return true;
}

QString UpperAscii(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return result;
}

QString Trim(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

} // namespace Cp1252
