// SPDX-License-Identifier: EUPL-1.2
#pragma once

// Checks and helpers shared by the pages, the main window and the data layer:
// identity numbers, value checks, provinces, the data folder and status messages.
// None of them throws: a failed check returns false.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// --- Identity numbers (tax identifiers of entities and persons) -------------

// Trims, upper-cases a-z and removes every "-", "/" and blank.
QString LimpiarCif(const QString &argCIF);
// True for a valid entity identifier, personal number or foreigner's number.
bool EsCIF(const QString &argCIF);
// True when the last character is the letter of the number before it.
bool EsNIF(const QString &argNIF);
// The integer reading of number parts: leading blanks, an optional sign and
// decimal digits, nothing after, within the 32-bit signed range.
std::optional<qint32> LeerEntero(QStringView texto);
// The control letter of a personal number (one character).
QString LetraNIF(qint32 Numero);

// --- Value checks ------------------------------------------------------------

qint32 ControlRango(qint32 argValue, qint32 argMinValue, qint32 argMaxValue);
// True when the text, trimmed, is empty.
bool EstaVacio(const QString &argValue);
bool EsNumero(const QString &Texto);
// True for an existing date typed as dd/mm/yyyy (see the rules in the source).
bool EsFecha(const QString &Texto);
// The province of a two-character postal-code prefix, or "" when unknown.
QString DameProvincia(const QString &argCodigo);

// --- Data folder -------------------------------------------------------------

// The per-user data folder, without a trailing separator (not created).
QString LocalAppDataPath();
// LocalAppDataPath() followed by "/".
QString GetDataPath();
// Adds to FilesList the names, without extension, of the files of StartDir that
// match FileMask without regard to case. A missing folder lists as empty.
void FindFilesNames(const QString &StartDir, const QString &FileMask, bool recursively, QStringList &FilesList);

// --- Status messages ---------------------------------------------------------

using MsgBarSink = std::function<void(const QString &)>;
// Registers where status messages go (the main window; tests record them).
void SetMsgBarSink(MsgBarSink sink);
// Writes one status message; false (and nothing shown) when no sink is set.
bool MsgBar(const QString &sCadena);
