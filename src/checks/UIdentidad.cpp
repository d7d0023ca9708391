// SPDX-License-Identifier: EUPL-1.2
// Tax identifiers: the entity identifier (CIF), the personal number (NIF) and
// the foreigner's number (NIE), as the questionnaires accept them.
#include "Cp1252.h"
#include "UAuxiliar.h"

#include <QStringView>

#include <limits>
#include <optional>

namespace {

// Position n mod 23 gives the control letter of a personal number n.
constexpr QStringView KLetrasNif = u"TRWAGMYFPDXBNJZSQVHLCKET";
// First letters of an acceptable identifier (V is in twice; that is harmless).
constexpr QStringView KPrimerasLetras = u"ABCDEFGHJPQRSUVNWLKVXYM";
// First letters whose control character is a letter rather than a digit.
constexpr QStringView KControlLetra = u"PQRSNW";

bool EsDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int ValorDigito(QChar c)
{
    return c.unicode() - u'0';
}

// The entity rule: a seven-digit body at positions 2..8 and a control
// character at position 9. The value has exactly 9 characters.
bool EsCifEntidad(const QString &cif)
{
    int suma = 0;
    for (int pos = 2; pos <= 8; ++pos) {
        const QChar c = cif.at(pos - 1);
        if (!EsDigito(c))
            return false;
        const int d = ValorDigito(c);
        if (pos % 2 == 1) {
            suma += d;
        } else {
            suma += (2 * d) % 10 + (2 * d) / 10;
        }
    }
    const int control = 10 - suma % 10;
    const QChar ultimo = cif.at(8);
    if (KControlLetra.contains(cif.at(0)))
        return ultimo == QChar(64 + control);
    // Any character that is not a digit counts as 0.
    return (EsDigito(ultimo) ? ValorDigito(ultimo) : 0) == control % 10;
}

} // namespace

std::optional<qint32> LeerEntero(QStringView texto)
{
    qsizetype i = 0;
    while (i < texto.size() && texto[i] == u' ')
        ++i;
    const bool negativo = i < texto.size() && texto[i] == u'-';
    if (i < texto.size() && (texto[i] == u'-' || texto[i] == u'+'))
        ++i;
    if (i == texto.size())
        return std::nullopt;
    const qint64 limite = negativo ? -qint64(std::numeric_limits<qint32>::min()) : std::numeric_limits<qint32>::max();
    qint64 valor = 0;
    for (; i < texto.size(); ++i) {
        if (!EsDigito(texto[i]))
            return std::nullopt;
        valor = valor * 10 + ValorDigito(texto[i]);
        if (valor > limite)
            return std::nullopt;
    }
    return qint32(negativo ? -valor : valor);
}

QString LimpiarCif(const QString &argCIF)
{
    const auto CadCambioCar = [](const QString &Cadena, QChar CarOrig, const QString &CarCambio) {
        QString resultado;
        resultado.reserve(Cadena.size());
        for (const QChar c : Cadena) {
            if (c == CarOrig)
                resultado += CarCambio;
            else
                resultado += c;
        }
        return resultado;
    };
    QString cif = Cp1252::UpperAscii(Cp1252::Trim(argCIF));
    cif = CadCambioCar(cif, u'-', QString());
    cif = CadCambioCar(cif, u'/', QString());
    return CadCambioCar(cif, u' ', QString());
}

QString LetraNIF(qint32 Numero)
{
    // Callers pass non-negative numbers; a negative one gets the letter of
    // its magnitude instead of indexing outside the table.
    const qint64 resto = (Numero < 0 ? -qint64(Numero) : qint64(Numero)) % 23;
    return QString(KLetrasNif.at(resto));
}

bool EsNIF(const QString &argNIF)
{
    if (argNIF.size() < 9)
        return false;
    const std::optional<qint32> numero = LeerEntero(QStringView(argNIF).chopped(1));
    if (!numero)
        return false;
    return Cp1252::UpperAscii(argNIF.right(1)) == LetraNIF(*numero);
}

bool EsCIF(const QString &argCIF)
{
    const QString cif = Cp1252::UpperAscii(Cp1252::Trim(argCIF));
    if (cif.size() != 9)
        return false;
    const QChar primero = cif.at(0);
    if (EsDigito(primero))
        return EsNIF(cif);
    if (!KPrimerasLetras.contains(primero))
        return false;
    // Only X is read as a personal number; Y goes through the entity rule.
    if (primero == u'X')
        return EsNIF(u'0' + cif.mid(1));
    return EsCifEntidad(cif);
}
