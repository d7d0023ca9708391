// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The date reading behind EsFecha, with the current year as an argument so
// that the two-digit-year window can be checked for any year.

#include <QDate>
#include <QString>

#include <optional>

// The date typed in Texto as dd/mm/yyyy, or nothing when it does not read as
// an existing date. A missing year is anioActual; a year of one or two digits
// falls in the hundred years that start 50 years before anioActual.
std::optional<QDate> LeerFecha(const QString &Texto, int anioActual);
