// SPDX-License-Identifier: EUPL-1.2
#include "SampleZov.h"

#include "UAuxiliar.h"

namespace {

// A text of its own for each field: prefix + number.
class Texts
{
public:
    explicit Texts(QString prefix) : _prefix(std::move(prefix)) {}
    QString Next() { return QStringLiteral("%1 ñ %2").arg(_prefix).arg(++_n); }
    qint32 NextInt() { return ++_n * 7; }
    Currency NextCurr() { return Currency::FromRaw(++_n * 12345); }

private:
    QString _prefix;
    int _n = 0;
};

TDireccion Address(Texts &t, const QString &postalCode)
{
    TDireccion d{t.Next(), t.Next(), postalCode, t.Next(), t.Next(), t.Next(), t.Next(), t.Next(), t.Next()};
    return d;
}

TPersona Person(Texts &t)
{
    return TPersona{t.Next(), t.Next(), t.Next(), t.Next(), t.Next(), t.Next()};
}

TDesglosePersonal Staff(Texts &t)
{
    return TDesglosePersonal{t.NextInt(), t.NextInt(), t.NextInt(), t.NextInt()};
}

TDesgloseGastosAnuales Expenses(Texts &t)
{
    return TDesgloseGastosAnuales{{t.NextCurr(), t.NextCurr(), t.NextCurr()},
                                  {t.NextCurr(), t.NextCurr(), t.NextCurr()}};
}

TDatosMiembro Member(Texts &t, const QString &naturaleza, int products)
{
    TDatosMiembro m;
    m.Miembro = TEntidad{t.Next(), t.Next()};
    m.Direccion = Address(t, QStringLiteral("08001"));
    m.FormaJuridica = TNaturalezaJuridica{t.Next(), true, false, naturaleza, true};
    for (int i = 0; i < products; ++i)
        m.ProductosLineas.append(TProductosLineas{t.Next(), t.Next(), t.NextCurr(), t.NextCurr()});
    m.Personal = Staff(t);
    m.Observaciones = t.Next();
    return m;
}

} // namespace

TDatosZOV FullApplication()
{
    Texts t(QStringLiteral("Año «€»"));
    TDatosZOV zov;
    TDatosSolicitud &s = zov.Solicitud;
    s.Entidad = TEntidad{QStringLiteral("COMPAÑÍA ÑANDÚ, S.L."), QStringLiteral("B12345674")};
    for (int i = 0; i < 3; ++i)
        s.Representantes.append(TRepresentante{Person(t), t.Next(), t.Next()});
    for (int i = 0; i < 2; ++i)
        s.PersonasApoderadas.append(TRepresentante{Person(t), t.Next(), t.Next()});
    s.DireccionNotificacion = Address(t, QStringLiteral("28013"));
    s.Documentacion = TDocumentosSolicitud{true, false, true, false, true, false, true, true};
    s.Control = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
    s.Tipo = QStringLiteral("Solicitud de Inscripción");
    s.FirmaMancomunada = true;
    s.FirmaAPSolidaria = true;

    TDatosSolicitante &a = zov.Solicitante;
    a.Entidad = TEntidad{t.Next(), t.Next()};
    a.DireccionSocial = Address(t, QStringLiteral("35001"));
    a.DireccionFiscal = Address(t, QStringLiteral("07002"));
    a.ActividadPrincipal = TActividad{t.Next(),     t.Next(),     QStringLiteral("15/03/2001"),
                                      t.NextCurr(), t.NextCurr(), QStringLiteral("Comunidad Autónoma"),
                                      QStringLiteral("CASTILLA Y LEÓN"), QStringLiteral("León"), 2025};
    a.FormaJuridica = TNaturalezaJuridica{QStringLiteral("SOCIEDAD ANÓNIMA"), true, false, t.Next(), true};
    a.PersonaContacto = Person(t);
    a.PersonaContacto2 = Person(t);
    a.OrigenPatrimonio = TResumenPatrimonio{Currency::FromInt(60), Currency::FromInt(30), Currency::FromInt(10),
                                            Currency::FromRaw(255000), Currency::FromInt(3)};
    a.DesglosePersonalAnual = TDPersonalAnios{Staff(t), Staff(t), Staff(t), Staff(t)};
    a.ComposicionSocios = TComposicionSocios{t.NextCurr(), t.NextCurr(), t.NextCurr()};
    a.DesgloseGastos = TDGastosAnios{Expenses(t), Expenses(t), Expenses(t), Expenses(t)};
    a.MasaCritica = TMasaCritica{t.NextCurr(), t.Next(), t.NextCurr(), t.Next(), t.NextCurr(),
                                 t.Next(),     t.NextCurr(), t.Next(), t.NextCurr()};

    zov.Miembros.append(Member(t, QStringLiteral("Gran Empresa"), 3));
    zov.Miembros.append(Member(t, QStringLiteral("Pequeña Empresa"), 0));
    return zov;
}

TDatosZOV AsReadBack(TDatosZOV zov)
{
    auto clearContact = [](TRepresentante &r) {
        r.Persona.Telefono.clear();
        r.Persona.FAX.clear();
        r.Persona.eMail.clear();
    };
    auto derive = [](TDireccion &d, bool keepWeb) {
        d.Provincia = DameProvincia(d.CPOSTAL.left(2));
        if (!keepWeb)
            d.Web.clear();
    };
    TDatosSolicitud &s = zov.Solicitud;
    std::for_each(s.Representantes.begin(), s.Representantes.end(), clearContact);
    std::for_each(s.PersonasApoderadas.begin(), s.PersonasApoderadas.end(), clearContact);
    derive(s.DireccionNotificacion, false);

    TDatosSolicitante &a = zov.Solicitante;
    derive(a.DireccionSocial, true);
    derive(a.DireccionFiscal, false);
    a.FormaJuridica.AnimoDeLucro = false;
    a.FormaJuridica.Pyme = true;
    a.FormaJuridica.Proveedor = false;
    a.FormaJuridica.Naturaleza.clear();
    a.OrigenPatrimonio.FinanciacionPrivada = Currency::FromInt(100) - a.OrigenPatrimonio.FinanciacionPublica;

    for (TDatosMiembro &m : zov.Miembros) {
        derive(m.Direccion, false);
        m.FormaJuridica.AnimoDeLucro = false;
        m.FormaJuridica.Pyme = m.FormaJuridica.Naturaleza != u"Gran Empresa" && m.FormaJuridica.Naturaleza != u"Otros";
    }
    return zov;
}

QString WrittenText(TDatosRegistroZOV &datos)
{
    datos.ParserZOVToXml();
    return QString::fromLatin1(datos.SerializedXml());
}

QString LoadXml(TDatosRegistroZOV &datos, const QByteArray &xml)
{
    try {
        datos.ClearZOV();
        datos.Document().LoadFromBytes(xml);
        datos.ParserXmlToZOV();
        return QString();
    } catch (const std::exception &e) {
        return ErrorText(e);
    }
}
