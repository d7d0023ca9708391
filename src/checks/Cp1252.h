// SPDX-License-Identifier: EUPL-1.2
#pragma once

// Text rules at the edges of the program: record strings are QString, but the
// files, the pass phrase and the checks follow the Windows-1252 code page.

#include <QByteArray>
#include <QString>

namespace Cp1252 {

// True when Windows-1252 has this character.
bool Has(QChar c);

// The Windows-1252 bytes of the text; characters the code page lacks become "?".
QByteArray ToBytes(const QString &text);

// The text of Windows-1252 bytes; the five bytes the code page leaves
// unassigned map to the C1 control of the same value.
QString FromBytes(const QByteArray &bytes);

// The text with every character Windows-1252 lacks replaced by "?".
QString Restrict(const QString &text);

// True when every character is below 127 (the plain ASCII range of the ZIP name rule).
bool IsPlainAscii(const QString &text);

// Upper-cases the ASCII letters a-z only; accented letters stay as they are.
QString UpperAscii(const QString &text);

// Removes every leading and trailing character whose code is 32 or less.
QString Trim(const QString &text);

} // namespace Cp1252
