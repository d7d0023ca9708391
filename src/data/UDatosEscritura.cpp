// SPDX-License-Identifier: EUPL-1.2
// The XML writer: records to the application document.
#include "UDatos.h"
#include "ZovXmlFields.h"

#include <span>

using namespace ZovXml;

namespace {

QString BoolText(bool value)
{
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

void AddText(TXmlNode parent, const char *name, const QString &value)
{
    TDatosRegistroZOV::XMLAddStrChild(parent, name, value);
}

void AddValue(TXmlNode parent, const char *name, const QString &value)
{
    AddText(parent, name, value);
}
void AddValue(TXmlNode parent, const char *name, bool value)
{
    AddText(parent, name, BoolText(value));
}
void AddValue(TXmlNode parent, const char *name, qint32 value)
{
    AddText(parent, name, QString::number(value));
}
void AddValue(TXmlNode parent, const char *name, Currency value)
{
    AddText(parent, name, value.ToShortText());
}

// One leaf per field of the table, in table order.
template <class R, class V>
void AddFields(TXmlNode parent, const R &record, std::span<const Field<R, V>> fields)
{
    for (const auto &f : fields)
        AddValue(parent, f.name, record.*(f.member));
}

template <class R, class V, size_t N>
void AddFields(TXmlNode parent, const R &record, const Field<R, V> (&fields)[N])
{
    AddFields(parent, record, std::span<const Field<R, V>>(fields));
}

void AddDireccion(TXmlNode node, const TDireccion &d, bool withWeb)
{
    AddFields(node, d, kDireccionHead);
    AddText(node, "Provincia", d.Provincia);
    AddFields(node, d, kDireccionTail);
    if (withWeb)
        AddText(node, "Web", d.Web);
}

void AddRepresentantes(TXmlNode container, const char *name, const QList<TRepresentante> &list)
{
    for (const TRepresentante &r : list) {
        TXmlNode node = container.AddChild(name);
        AddFields(node, r.Persona, std::span(kPersona).first(kPersonaDeRepresentante));
        AddFields(node, r, kRepresentanteDeed);
    }
}

void AddSolicitud(TXmlNode node, const TDatosSolicitud &s)
{
    AddFields(node.AddChild("Entidad"), s.Entidad, kEntidad);
    AddRepresentantes(node.AddChild("Representantes"), "Representante", s.Representantes);
    AddFields(node, s, kFirmas);
    AddRepresentantes(node.AddChild("PersonasApoderadas"), "Apoderado", s.PersonasApoderadas);
    AddDireccion(node.AddChild("Domicilio"), s.DireccionNotificacion, false);
    AddFields(node.AddChild("Documentos"), s.Documentacion, kDocumentos);
}

void AddActividad(TXmlNode node, const TActividad &a)
{
    AddValue(node, "CNAE", a.CNAE);
    AddValue(node, "Descriptor", a.Descriptor);
    AddValue(node, "FechaConstitucion", a.FechaConstitucion);
    AddValue(node, "FacturacionSector", a.FacturacionSector);
    AddValue(node, "FacturacionPIB", a.FacturacionPIB);
    AddValue(node, "AmbitoGeografico", a.AmbitoGeografico);
    AddValue(node, "Comunidad", a.Comunidad);
    AddValue(node, "Provincia", a.Provincia);
    AddValue(node, "Anio", a.Anio);
}

void AddDesgloses(TXmlNode node, const TDatosSolicitante &s)
{
    TXmlNode personal = node.AddChild("Personal");
    for (const auto &year : kPersonalAnios)
        AddFields(personal.AddChild(year.name), s.DesglosePersonalAnual.*(year.member), kPersonal);
    TXmlNode gastos = node.AddChild("Gastos");
    for (const auto &year : kGastosAnios) {
        TXmlNode anio = gastos.AddChild(year.name);
        const TDesgloseGastosAnuales &g = s.DesgloseGastos.*(year.member);
        AddFields(anio.AddChild("Activos"), g.InversionesActivos, kInversiones);
        AddFields(anio.AddChild("Gastos"), g.GastosCorrientes, kGastos);
    }
}

void AddSolicitante(TXmlNode node, const TDatosSolicitante &s)
{
    AddFields(node.AddChild("Entidad"), s.Entidad, kEntidad);
    TXmlNode domicilio = node.AddChild("Domicilio");
    AddDireccion(domicilio.AddChild("Social"), s.DireccionSocial, true);
    AddDireccion(domicilio.AddChild("Fiscal"), s.DireccionFiscal, false);
    AddActividad(node.AddChild("Actividad"), s.ActividadPrincipal);

    TXmlNode forma = node.AddChild("FormaJuridica");
    AddValue(forma, "Descriptor", s.FormaJuridica.Descriptor);
    AddValue(forma, "AnimoDeLucro", s.FormaJuridica.AnimoDeLucro);
    AddValue(forma, "PYME", s.FormaJuridica.Pyme);

    AddFields(node.AddChild("Contacto"), s.PersonaContacto, kPersona);
    AddFields(node.AddChild("Contacto2"), s.PersonaContacto2, kPersona);

    TXmlNode patrimonio = node.AddChild("Patrimonio");
    AddFields(patrimonio, s.OrigenPatrimonio, kPatrimonio);
    AddValue(patrimonio, "Privada", s.OrigenPatrimonio.FinanciacionPrivada);

    AddFields(node.AddChild("ComposicionSocios"), s.ComposicionSocios, kComposicion);
    TXmlNode masa = node.AddChild("MasaCritica");
    AddFields(masa, s.MasaCritica, kMasaCriticaCifras);
    AddFields(masa, s.MasaCritica, kMasaCriticaFuentes);
    AddDesgloses(node.AddChild("Desgloses"), s);
}

void AddMiembro(TXmlNode node, const TDatosMiembro &m)
{
    AddFields(node.AddChild("Entidad"), m.Miembro, kEntidad);
    AddDireccion(node.AddChild("Domicilio"), m.Direccion, false);

    TXmlNode forma = node.AddChild("FormaJuridica");
    AddValue(forma, "Descriptor", m.FormaJuridica.Descriptor);
    AddValue(forma, "PYME", m.FormaJuridica.Pyme);
    AddValue(forma, "Proveedor", m.FormaJuridica.Proveedor);
    AddValue(forma, "Naturaleza", m.FormaJuridica.Naturaleza);

    TXmlNode actividades = node.AddChild("Actividades");
    for (const TProductosLineas &p : m.ProductosLineas) {
        TXmlNode actividad = actividades.AddChild("Actividad");
        AddValue(actividad, "Descripcion", p.Descripcion);
        AddValue(actividad, "CNAE", p.CNAE);
        AddValue(actividad, "Negocio", p.Negocio);
        AddValue(actividad, "Exportacion", p.Exportacion);
    }
    AddFields(node.AddChild("Personal"), m.Personal, kPersonal);
    AddValue(node, "Observaciones", m.Observaciones);
}

} // namespace

void TDatosRegistroZOV::XMLAddStrChild(TXmlNode nodoPadre, const char *argClave, const QString &argValor)
{
    nodoPadre.AddChild(argClave).SetText(argValor);
}

void TDatosRegistroZOV::ParserZOVToXml()
{
    if (!_objXML)
        return;
    try {
        TXmlDocument &doc = *_objXML;
        doc.Clear();
        doc.SetEncoding("ISO-8859-15");
        TXmlNode root = doc.CreateElement("ZOV");
        // The root stays attached while it is filled so that nothing leaks if a step fails.
        doc.SetDocumentElement(root);
        AddValue(root, "Control", ZOV.Solicitud.Control);
        AddValue(root, "Version", getVersion());
        AddValue(root, "Tramite", ZOV.Solicitud.Tipo);
        TXmlNode solicitud = root.AddChild("Solicitud");
        TXmlNode solicitante = root.AddChild("Solicitante");
        TXmlNode miembros = root.AddChild("Miembros");
        AddSolicitud(solicitud, ZOV.Solicitud);
        AddSolicitante(solicitante, ZOV.Solicitante);
        for (const TDatosMiembro &m : ZOV.Miembros)
            AddMiembro(miembros.AddChild("Miembro"), m);
    } catch (const std::exception &) {
        throw EZOVError(QStringLiteral("Error: 4078. Error al recopilar internamente los datos."));
    }
}

QByteArray TDatosRegistroZOV::SerializedXml() const
{
    return _objXML->SaveToBytes();
}
