// SPDX-License-Identifier: EUPL-1.2
// The XML reader: the loaded application document to the records. Lenient:
// every value has a default and a missing part leaves the record as it was.
#include "Cp1252.h"
#include "UAuxiliar.h"
#include "UDatos.h"
#include "ZovXmlFields.h"

#include <QDate>

#include <utility>

using namespace ZovXml;

namespace {

int CurrentYear()
{
    return QDate::currentDate().year();
}

// Older community names and the ones stored instead.
constexpr std::pair<const char16_t *, const char16_t *> kComunidades[] = {
    {u"ANDALUCIA", u"ANDALUCÍA"},
    {u"ARAGON", u"ARAGÓN"},
    {u"CASTILLA-LA MANCHA", u"CASTILLA - LA MANCHA"},
    {u"CASTILLA-LEON", u"CASTILLA Y LEÓN"},
    {u"COMUNIDAD BALEAR", u"ILLES BALEARS"},
    {u"COMUNIDAD VALENCIANA", u"COMUNITAT VALENCIANA"},
    {u"MADRID", u"COMUNIDAD DE MADRID"},
    {u"NAVARRA", u"COMUNIDAD FORAL DE NAVARRA"},
    {u"PAIS VASCO", u"PAÍS VASCO"},
    {u"REGION DE MURCIA", u"REGIÓN DE MURCIA"},
};

QString CurrentCommunityName(const QString &name)
{
    for (const auto &[old, current] : kComunidades)
        if (name == QStringView(old))
            return QString::fromUtf16(current);
    return name;
}

QString ReadText(TXmlNode node, const char *name)
{
    return TDatosRegistroZOV::ReadXMLStringDef(node.FindNode(name), QString());
}

void ReadValue(TXmlNode node, const char *name, QString &out)
{
    out = ReadText(node, name);
}
void ReadValue(TXmlNode node, const char *name, Currency &out)
{
    out = TDatosRegistroZOV::ReadXMLCurrDef(node.FindNode(name), Currency());
}
void ReadValue(TXmlNode node, const char *name, qint32 &out)
{
    out = TDatosRegistroZOV::ReadXMLIntDef(node.FindNode(name), 0);
}
void ReadValue(TXmlNode node, const char *name, bool &out)
{
    out = TDatosRegistroZOV::ReadXMLBoolDef(node.FindNode(name), false);
}

template <class R, class V, size_t N>
void ReadFields(TXmlNode node, R &record, const Field<R, V> (&fields)[N])
{
    for (const auto &f : fields)
        ReadValue(node, f.name, record.*(f.member));
}

// Runs a record reader only when the element is there: an absent one leaves the record.
template <class R, class V, size_t N>
void ReadRecord(TXmlNode node, R &record, const Field<R, V> (&fields)[N])
{
    if (node)
        ReadFields(node, record, fields);
}

// Fills list from the child nodes of container, by position whatever their names.
void ReadRepresentantes(TXmlNode container, QList<TRepresentante> &list)
{
    const int count = container.ChildCount();
    list.resize(count);
    for (int i = 0; i < count; ++i)
        TDatosRegistroZOV::ParseXmlToRepresentante(container.Child(i), list[i]);
}

// A container the document must hold: a missing one reads as present and empty.
TXmlNode Required(TXmlNode parent, const char *name)
{
    return parent.FindNode(name);
}

} // namespace

// --- Value readers -------------------------------------------------------------

QString TDatosRegistroZOV::ReadXMLStringDef(TXmlNode argNodo, const QString &argDefecto)
{
    if (!argNodo)
        return argDefecto;
    return Cp1252::Restrict(argNodo.Text());
}

qint32 TDatosRegistroZOV::ReadXMLIntDef(TXmlNode argNodo, qint32 argDefecto)
{
    if (!argNodo)
        return argDefecto;
    // Blanks around the number carry no meaning in the document.
    return LeerEntero(argNodo.Text().trimmed()).value_or(argDefecto);
}

Currency TDatosRegistroZOV::ReadXMLCurrDef(TXmlNode argNodo, Currency argDefecto)
{
    if (!argNodo)
        return argDefecto;
    return Currency::Parse(argNodo.Text()).value_or(argDefecto);
}

bool TDatosRegistroZOV::ReadXMLBoolDef(TXmlNode argNodo, bool argDefecto)
{
    if (!argNodo)
        return argDefecto;
    const QString text = argNodo.Text();
    if (const std::optional<Currency> number = Currency::Parse(text))
        return !number->IsZero();
    if (text.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    return argDefecto;
}

// --- Record readers ------------------------------------------------------------

void TDatosRegistroZOV::ParseXmlToEntidad(TXmlNode argXmlNode, TEntidad &argDatos)
{
    ReadRecord(argXmlNode, argDatos, kEntidad);
}

void TDatosRegistroZOV::ParseXmlToDireccion(TXmlNode argXmlNode, TDireccion &argDatos)
{
    if (!argXmlNode)
        return;
    ReadFields(argXmlNode, argDatos, kDireccionHead);
    argDatos.Provincia = DameProvincia(argDatos.CPOSTAL.left(2));
    ReadFields(argXmlNode, argDatos, kDireccionTail);
    ReadValue(argXmlNode, "Web", argDatos.Web);
}

void TDatosRegistroZOV::ParseXmlToNaturalezaJuridica(TXmlNode argXmlNode, TNaturalezaJuridica &argDatos)
{
    if (!argXmlNode)
        return;
    ReadValue(argXmlNode, "Descriptor", argDatos.Descriptor);
    ReadValue(argXmlNode, "Lucro", argDatos.AnimoDeLucro);
    ReadValue(argXmlNode, "Naturaleza", argDatos.Naturaleza);
    argDatos.Pyme = argDatos.Naturaleza != u"Gran Empresa" && argDatos.Naturaleza != u"Otros";
    ReadValue(argXmlNode, "Proveedor", argDatos.Proveedor);
}

void TDatosRegistroZOV::ParseXmlToPersona(TXmlNode argXmlNode, TPersona &argDatos)
{
    ReadRecord(argXmlNode, argDatos, kPersona);
}

void TDatosRegistroZOV::ParseXmlToRepresentante(TXmlNode argXmlNode, TRepresentante &argDatos)
{
    if (!argXmlNode)
        return;
    ParseXmlToPersona(argXmlNode, argDatos.Persona);
    ReadFields(argXmlNode, argDatos, kRepresentanteDeed);
}

void TDatosRegistroZOV::ParseXmlToDocumentosSolicitud(TXmlNode argXmlNode, TDocumentosSolicitud &argDatos)
{
    ReadRecord(argXmlNode, argDatos, kDocumentos);
}

void TDatosRegistroZOV::ParseXmlToActividad(TXmlNode argXmlNode, TActividad &argDatos)
{
    if (!argXmlNode)
        return;
    ReadValue(argXmlNode, "Descriptor", argDatos.Descriptor);
    ReadValue(argXmlNode, "CNAE", argDatos.CNAE);
    ReadValue(argXmlNode, "FechaConstitucion", argDatos.FechaConstitucion);
    ReadValue(argXmlNode, "FacturacionSector", argDatos.FacturacionSector);
    ReadValue(argXmlNode, "FacturacionPIB", argDatos.FacturacionPIB);
    ReadValue(argXmlNode, "AmbitoGeografico", argDatos.AmbitoGeografico);
    argDatos.Comunidad = CurrentCommunityName(ReadText(argXmlNode, "Comunidad"));
    ReadValue(argXmlNode, "Provincia", argDatos.Provincia);
    argDatos.Anio = ReadXMLIntDef(argXmlNode.FindNode("Anio"), CurrentYear());
}

void TDatosRegistroZOV::ParseXmlToMasaCritica(TXmlNode argXmlNode, TMasaCritica &argDatos)
{
    ReadRecord(argXmlNode, argDatos, kMasaCriticaCifras);
    ReadRecord(argXmlNode, argDatos, kMasaCriticaFuentes);
}

void TDatosRegistroZOV::ParseXmlToComposicionSocios(TXmlNode argXmlNode, TComposicionSocios &argDatos)
{
    ReadRecord(argXmlNode, argDatos, kComposicion);
}

void TDatosRegistroZOV::ParseXmlToResumenPatrimonio(TXmlNode argXmlNode, TResumenPatrimonio &argDatos)
{
    if (!argXmlNode)
        return;
    ReadFields(argXmlNode, argDatos, kPatrimonio);
    argDatos.FinanciacionPrivada = Currency::FromInt(100) - argDatos.FinanciacionPublica;
}

void TDatosRegistroZOV::ParseXmlToDesglosePersonal(TXmlNode argXmlNode, TDesglosePersonal &argDatos)
{
    ReadRecord(argXmlNode, argDatos, kPersonal);
}

void TDatosRegistroZOV::ParseXmlToDesgloseInversiones(TXmlNode argXmlNode, TDesgloseInversiones &argDatos)
{
    ReadRecord(argXmlNode, argDatos, kInversiones);
}

void TDatosRegistroZOV::ParseXmlToDesgloseGastos(TXmlNode argXmlNode, TDesgloseGastos &argDatos)
{
    ReadRecord(argXmlNode, argDatos, kGastos);
}

void TDatosRegistroZOV::ParseXmlToProductosLineas(TXmlNode argXmlNode, TProductosLineas &argDatos)
{
    if (!argXmlNode)
        return;
    ReadValue(argXmlNode, "Descripcion", argDatos.Descripcion);
    ReadValue(argXmlNode, "CNAE", argDatos.CNAE);
    ReadValue(argXmlNode, "Negocio", argDatos.Negocio);
    ReadValue(argXmlNode, "Exportacion", argDatos.Exportacion);
}

void TDatosRegistroZOV::ParseXmlToObservaciones(TXmlNode argXmlNode, QString &argDatos)
{
    if (argXmlNode)
        argDatos = ReadXMLStringDef(argXmlNode, QString());
}

// --- The three parts -----------------------------------------------------------

void TDatosRegistroZOV::ParserXmlToZOV()
{
    ParserXmlToSolicitud();
    ParserXmlToSolicitante();
    ParserXmlToMiembros(false);
}

void TDatosRegistroZOV::ParserXmlToSolicitud()
{
    const TXmlNode root = _objXML->DocumentElement();
    const TXmlNode node = root.FindNode("Solicitud");
    if (!node)
        throw EZOVError(QStringLiteral("Error: 5403 Estructura de datos de la solicitud incorrecta."));
    TDatosSolicitud &s = ZOV.Solicitud;
    MsgBar(QStringLiteral("Cargando datos de la solicitud..."));
    ReadValue(root, "Control", s.Control);
    ReadValue(root, "Tramite", s.Tipo);
    ReadFields(node, s, kFirmas);
    ParseXmlToEntidad(node.FindNode("Entidad"), s.Entidad);

    MsgBar(QStringLiteral("Cargando datos de los representantes..."));
    MsgBar(QStringLiteral("Se inicia el proceso de carga de datos de la solicitud"));
    ReadRepresentantes(Required(node, "Representantes"), s.Representantes);

    MsgBar(QStringLiteral("Cargando datos de los apoderados..."));
    if (const TXmlNode apoderados = node.FindNode("PersonasApoderadas"))
        ReadRepresentantes(apoderados, s.PersonasApoderadas);

    MsgBar(QStringLiteral("Cargando datos de los domicilios..."));
    ParseXmlToDireccion(node.FindNode("Domicilio"), s.DireccionNotificacion);
    MsgBar(QStringLiteral("Cargando datos de la documentación aportada..."));
    ParseXmlToDocumentosSolicitud(node.FindNode("Documentos"), s.Documentacion);
}

void TDatosRegistroZOV::ParserXmlToSolicitante()
{
    const TXmlNode node = _objXML->DocumentElement().FindNode("Solicitante");
    if (!node)
        throw EZOVError(QStringLiteral("Error: 5404. Estructura de datos del solicitante incorrecta."));
    TDatosSolicitante &s = ZOV.Solicitante;
    MsgBar(QStringLiteral("Cargando datos del solicitante..."));
    ParseXmlToEntidad(node.FindNode("Entidad"), s.Entidad);

    MsgBar(QStringLiteral("Cargando datos de los domicilios..."));
    const TXmlNode domicilio = Required(node, "Domicilio");
    ParseXmlToDireccion(domicilio.FindNode("Social"), s.DireccionSocial);
    ParseXmlToDireccion(domicilio.FindNode("Fiscal"), s.DireccionFiscal);

    MsgBar(QStringLiteral("Cargando datos de la actividad principal..."));
    ParseXmlToActividad(node.FindNode("Actividad"), s.ActividadPrincipal);
    ParseXmlToNaturalezaJuridica(node.FindNode("FormaJuridica"), s.FormaJuridica);

    MsgBar(QStringLiteral("Cargando datos de las personas de contacto..."));
    ParseXmlToPersona(node.FindNode("Contacto"), s.PersonaContacto);
    ParseXmlToPersona(node.FindNode("Contacto2"), s.PersonaContacto2);

    MsgBar(QStringLiteral("Cargando datos del origen del patrimonio..."));
    ParseXmlToResumenPatrimonio(node.FindNode("Patrimonio"), s.OrigenPatrimonio);
    MsgBar(QStringLiteral("Cargando datos del origen de la masa crítica..."));
    ParseXmlToMasaCritica(node.FindNode("MasaCritica"), s.MasaCritica);
    MsgBar(QStringLiteral("Cargando datos del origen de la composición de gobierno..."));
    ParseXmlToComposicionSocios(node.FindNode("ComposicionSocios"), s.ComposicionSocios);

    const TXmlNode desgloses = node.FindNode("Desgloses");
    MsgBar(QStringLiteral("Cargando datos del personal..."));
    if (const TXmlNode personal = desgloses.FindNode("Personal"))
        for (const auto &year : kPersonalAnios)
            ParseXmlToDesglosePersonal(personal.FindNode(year.name), s.DesglosePersonalAnual.*(year.member));

    MsgBar(QStringLiteral("Cargando datos del origen de los gastos anuales..."));
    if (const TXmlNode gastos = desgloses.FindNode("Gastos"))
        for (const auto &year : kGastosAnios) {
            const TXmlNode anio = Required(gastos, year.name);
            TDesgloseGastosAnuales &g = s.DesgloseGastos.*(year.member);
            ParseXmlToDesgloseInversiones(anio.FindNode("Activos"), g.InversionesActivos);
            ParseXmlToDesgloseGastos(anio.FindNode("Gastos"), g.GastosCorrientes);
        }
}

void TDatosRegistroZOV::ParserXmlToMiembros(bool argAdd)
{
    const TXmlNode node = _objXML->DocumentElement().FindNode("Miembros");
    if (!node)
        throw EZOVError(QStringLiteral("Error: 5405 Estructura de datos de los miembros."));
    MsgBar(QStringLiteral("Cargando datos de los miembros..."));
    const int base = argAdd ? int(ZOV.Miembros.size()) : 0;
    const int count = node.ChildCount();
    ZOV.Miembros.resize(base + count);
    for (int i = 0; i < count; ++i) {
        MsgBar(QStringLiteral("Cargando datos del miembro (%1)...").arg(i));
        const TXmlNode item = node.Child(i);
        TDatosMiembro &m = ZOV.Miembros[base + i];
        ParseXmlToEntidad(item.FindNode("Entidad"), m.Miembro);
        ParseXmlToDireccion(item.FindNode("Domicilio"), m.Direccion);
        ParseXmlToNaturalezaJuridica(item.FindNode("FormaJuridica"), m.FormaJuridica);
        const TXmlNode actividades = Required(item, "Actividades");
        const int products = actividades.ChildCount();
        m.ProductosLineas.resize(products);
        for (int j = 0; j < products; ++j)
            ParseXmlToProductosLineas(actividades.Child(j), m.ProductosLineas[j]);
        ParseXmlToDesglosePersonal(item.FindNode("Personal"), m.Personal);
        ParseXmlToObservaciones(item.FindNode("Observaciones"), m.Observaciones);
    }
}
