// SPDX-License-Identifier: EUPL-1.2
#include "UDatos.h"

#include <QDate>
#include <QUuid>

namespace {

constexpr int kRepresentantes = 3;
constexpr int kApoderados = 2;

QList<TRepresentante> EmptyEntries(int count)
{
    return QList<TRepresentante>(count);
}

// Empties every string of an address but the country.
void ClearAddressButCountry(TDireccion &d)
{
    const QString pais = d.Pais;
    d = TDireccion();
    d.Pais = pais;
}

// Empties a contact person but the tax number.
void ClearPersonButNif(TPersona &p)
{
    const QString nif = p.NIF;
    p = TPersona();
    p.NIF = nif;
}

} // namespace

TDatosRegistroZOV::TDatosRegistroZOV() : _objXML(std::make_unique<TXmlDocument>())
{
    ZOV.Solicitud.Representantes = EmptyEntries(kRepresentantes);
    ZOV.Solicitud.PersonasApoderadas = EmptyEntries(kApoderados);
}

TDatosRegistroZOV::~TDatosRegistroZOV() = default;

void TDatosRegistroZOV::ClearZOV()
{
    TDatosSolicitud &s = ZOV.Solicitud;
    s.Representantes = EmptyEntries(kRepresentantes);
    s.PersonasApoderadas = EmptyEntries(kApoderados);
    s.Entidad = TEntidad();

    TDireccion &n = s.DireccionNotificacion;
    const QString web = n.Web;
    ClearAddressButCountry(n);
    n.Web = web;

    TDocumentosSolicitud &doc = s.Documentacion;
    doc.Escrituras = doc.CIF = doc.Apoderamiento = doc.NIFRepresentantes = doc.Autorizaciones = false;

    TDatosSolicitante &a = ZOV.Solicitante;
    a.Entidad = TEntidad();
    ClearAddressButCountry(a.DireccionSocial);
    ClearAddressButCountry(a.DireccionFiscal);

    a.FormaJuridica.Descriptor.clear();
    a.FormaJuridica.Naturaleza.clear();
    a.FormaJuridica.Proveedor = false;

    a.ActividadPrincipal = TActividad();
    a.ActividadPrincipal.Anio = QDate::currentDate().year();

    ClearPersonButNif(a.PersonaContacto);
    ClearPersonButNif(a.PersonaContacto2);

    a.OrigenPatrimonio = TResumenPatrimonio();
    a.OrigenPatrimonio.Nacional = Currency::FromInt(100);
    a.MasaCritica = TMasaCritica();
    a.ComposicionSocios = TComposicionSocios();
    a.DesglosePersonalAnual = TDPersonalAnios();
    a.DesgloseGastos = TDGastosAnios();

    ZOV.Miembros.clear();
}

void TDatosRegistroZOV::GenerateControlID()
{
    // "{8-4-4-4-12}" without the braces and the dashes.
    ZOV.Solicitud.Control = QUuid::createUuid().toString(QUuid::Id128).toUpper();
}
