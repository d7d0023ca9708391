// SPDX-License-Identifier: EUPL-1.2
// Value checks of the questionnaire fields and the province of a postal code.
#include "Cp1252.h"
#include "LeerFecha.h"
#include "Regional.h"
#include "UAuxiliar.h"

#include <QLocale>
#include <QStringView>

#include <cmath>

namespace {

constexpr QStringView KCaracteresNumero = u"0123456789,.+-E";

// Code=name entries of the provinces; a blank inside a name is written "_".
constexpr QStringView KProvincias =
    u"01=Araba/Álava,02=Albacete,03=Alicante/Alacant,04=Almería,05=Ávila,06=Badajoz,07=Illes_Balears,"
    u"08=Barcelona,09=Burgos,10=Cáceres,11=Cádiz,12=Castellón/Castelló,13=Ciudad_Real,14=Córdoba,"
    u"15=A_Coruña,16=Cuenca,17=Girona,18=Granada,19=Guadalajara,20=Gipuzkoa,21=Huelva,22=Huesca,23=Jaén,"
    u"24=León,25=Lleida,26=La_Rioja,27=Lugo,28=Madrid,29=Málaga,30=Murcia,31=Navarra,32=Ourense,"
    u"33=Asturias,34=Palencia,35=Las_Palmas,36=Pontevedra,37=Salamanca,38=Santa_Cruz_de_Tenerife,"
    u"39=Cantabria,40=Segovia,41=Sevilla,42=Soria,43=Tarragona,44=Teruel,45=Toledo,46=Valencia/València,"
    u"47=Valladolid,48=Bizkaia,49=Zamora,50=Zaragoza,51=Ceuta,52=Melilla";

// A number of a typed date: its value and how many digits it was written with.
struct NumeroFecha
{
    int valor;
    qsizetype digitos;
};

// Reads a typed date from left to right; blanks may stand before every part.
class LectorFecha
{
public:
    explicit LectorFecha(QStringView texto) : _texto(texto) {}

    // A run of decimal digits; reading stops once the value reaches 1000, so
    // that a further digit is left over and makes the text invalid.
    std::optional<NumeroFecha> Numero()
    {
        SaltarBlancos();
        const qsizetype inicio = _pos;
        int valor = 0;
        while (_pos < _texto.size() && EsDigito(_texto[_pos]) && valor < 1000)
            valor = valor * 10 + (_texto[_pos++].unicode() - u'0');
        if (_pos == inicio)
            return std::nullopt;
        return NumeroFecha{valor, _pos - inicio};
    }

    bool Separador()
    {
        SaltarBlancos();
        if (_pos < _texto.size() && _texto[_pos] == u'/') {
            ++_pos;
            return true;
        }
        return false;
    }

    bool AlFinal()
    {
        SaltarBlancos();
        return _pos == _texto.size();
    }

private:
    static bool EsDigito(QChar c) { return c >= u'0' && c <= u'9'; }

    void SaltarBlancos()
    {
        while (_pos < _texto.size() && _texto[_pos] == u' ')
            ++_pos;
    }

    QStringView _texto;
    qsizetype _pos = 0;
};

int AnioCompleto(NumeroFecha anio, int anioActual)
{
    if (anio.digitos > 2)
        return anio.valor;
    const int base = anioActual - 50;
    const int completo = base / 100 * 100 + anio.valor;
    return completo < base ? completo + 100 : completo;
}

} // namespace

std::optional<QDate> LeerFecha(const QString &Texto, int anioActual)
{
    LectorFecha lector(Texto);
    const auto dia = lector.Numero();
    if (!dia || !lector.Separador())
        return std::nullopt;
    const auto mes = lector.Numero();
    if (!mes)
        return std::nullopt;
    int anio = anioActual;
    // The "/" after the month introduces the year or, alone, ends the date.
    if (lector.Separador()) {
        if (const auto escrito = lector.Numero()) {
            anio = AnioCompleto(*escrito, anioActual);
            lector.Separador();
        }
    }
    if (!lector.AlFinal() || anio < 1 || anio > 9999 || !QDate::isValid(anio, mes->valor, dia->valor))
        return std::nullopt;
    return QDate(anio, mes->valor, dia->valor);
}

qint32 ControlRango(qint32 argValue, qint32 argMinValue, qint32 argMaxValue)
{
    qint32 resultado = argValue;
    if (argValue > argMaxValue)
        resultado = argMaxValue;
    if (argValue < argMinValue)
        resultado = argMinValue;
    return resultado;
}

bool EstaVacio(const QString &argValue)
{
    return Cp1252::Trim(argValue).isEmpty();
}

bool EsNumero(const QString &Texto)
{
    const QString texto = Cp1252::Trim(Texto);
    if (texto.isEmpty())
        return false;
    const QChar decimal = Regional::DecimalSeparator();
    QString enC;
    enC.reserve(texto.size());
    for (const QChar c : texto) {
        if (!KCaracteresNumero.contains(c))
            return false;
        // No thousands separator is accepted: "," or "." must be the decimal one.
        if (c == u',' || c == u'.') {
            if (c != decimal)
                return false;
            enC += u'.';
        } else {
            enC += c;
        }
    }
    bool ok = false;
    const double valor = QLocale::c().toDouble(enC, &ok);
    return ok && std::isfinite(valor);
}

bool EsFecha(const QString &Texto)
{
    if (EstaVacio(Texto))
        return false;
    return LeerFecha(Texto, QDate::currentDate().year()).has_value();
}

QString DameProvincia(const QString &argCodigo)
{
    for (const QStringView entrada : KProvincias.tokenize(u',')) {
        const qsizetype igual = entrada.indexOf(u'=');
        if (entrada.left(igual).compare(argCodigo, Qt::CaseInsensitive) == 0)
            return entrada.mid(igual + 1).toString().replace(u'_', u' ');
    }
    return QString();
}
