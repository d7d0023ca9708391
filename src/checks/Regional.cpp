// SPDX-License-Identifier: EUPL-1.2
#include "Regional.h"

#include <QLocale>

namespace {

struct Separators
{
    QChar decimal;
    QChar thousands;
};

Separators FromSystemLocale()
{
    const QLocale system = QLocale::system();
    const QString d = system.decimalPoint();
    const QString g = system.groupSeparator();
    return Separators{d.isEmpty() ? QChar(u',') : d.at(0), g.isEmpty() ? QChar(u'.') : g.at(0)};
}

Separators &Current()
{
    static Separators separators = FromSystemLocale();
    return separators;
}

} // namespace

namespace Regional {

QChar DecimalSeparator()
{
    return Current().decimal;
}

QChar ThousandSeparator()
{
    return Current().thousands;
}

void SetSeparators(QChar decimal, QChar thousands)
{
    Current() = Separators{decimal, thousands};
}

void LoadFromSystemLocale()
{
    Current() = FromSystemLocale();
}

ScopedSeparators::ScopedSeparators(QChar decimal, QChar thousands)
    : _decimal(DecimalSeparator()), _thousands(ThousandSeparator())
{
    SetSeparators(decimal, thousands);
}

ScopedSeparators::~ScopedSeparators()
{
    SetSeparators(_decimal, _thousands);
}

} // namespace Regional
