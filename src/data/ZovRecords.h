// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The records of one application: plain value types, fields in declared order.
// Strings are QString; amounts and percentages Currency (100 means 100 %);
// counts and years qint32; flags bool.

#include "Currency.h"

#include <QList>
#include <QString>

struct TEntidad
{
    QString RazonSocial;
    QString CIF;

    bool operator==(const TEntidad &) const = default;
};

struct TDireccion
{
    QString Domicilio;
    QString Localidad;
    QString CPOSTAL;
    QString Provincia;
    QString Pais;
    QString Telefono;
    QString FAX;
    QString eMail;
    QString Web;

    bool operator==(const TDireccion &) const = default;
};

struct TPersona
{
    QString Nombre;
    QString NIF;
    QString Cargo;
    QString Telefono;
    QString FAX;
    QString eMail;

    bool operator==(const TPersona &) const = default;
};

struct TRepresentante
{
    TPersona Persona;
    QString FechaApoderamiento;
    QString Protocolo;

    bool operator==(const TRepresentante &) const = default;
};

struct TNaturalezaJuridica
{
    QString Descriptor;
    bool AnimoDeLucro = false;
    bool Pyme = false;
    QString Naturaleza;
    bool Proveedor = false;

    bool operator==(const TNaturalezaJuridica &) const = default;
};

struct TActividad
{
    QString CNAE;
    QString Descriptor;
    QString FechaConstitucion;
    Currency FacturacionSector;
    Currency FacturacionPIB;
    QString AmbitoGeografico;
    QString Comunidad;
    QString Provincia;
    qint32 Anio = 0;

    bool operator==(const TActividad &) const = default;
};

struct TMasaCritica
{
    Currency Empresas;
    QString FuenteEmpresas;
    Currency Facturacion;
    QString FuenteFacturacion;
    Currency Empleo;
    QString FuenteEmpleo;
    Currency PIB;
    QString FuentePIB;
    Currency PYMES;

    bool operator==(const TMasaCritica &) const = default;
};

struct TComposicionSocios
{
    Currency Empresas;
    Currency Tecnologicas;
    Currency Otros;

    bool operator==(const TComposicionSocios &) const = default;
};

struct TResumenPatrimonio
{
    Currency Nacional;
    Currency UE;
    Currency Resto;
    Currency FinanciacionPublica;
    Currency FinanciacionPrivada;

    bool operator==(const TResumenPatrimonio &) const = default;
};

struct TDesglosePersonal
{
    qint32 Direccion = 0;
    qint32 BienesServicios = 0;
    qint32 Innovacion = 0;
    qint32 Otros = 0;

    bool operator==(const TDesglosePersonal &) const = default;
};

// Staff for the years Anio - 2, Anio - 1, Anio and Anio + 1 of the main activity.
struct TDPersonalAnios
{
    TDesglosePersonal Anio1;
    TDesglosePersonal Anio2;
    TDesglosePersonal Anio3;
    TDesglosePersonal Anio4;

    bool operator==(const TDPersonalAnios &) const = default;
};

struct TDesgloseInversiones
{
    Currency Terrenos;
    Currency Equipos;
    Currency Otros;

    bool operator==(const TDesgloseInversiones &) const = default;
};

struct TDesgloseGastos
{
    Currency Personal;
    Currency Materiales;
    Currency Otros;

    bool operator==(const TDesgloseGastos &) const = default;
};

struct TDesgloseGastosAnuales
{
    TDesgloseInversiones InversionesActivos;
    TDesgloseGastos GastosCorrientes;

    bool operator==(const TDesgloseGastosAnuales &) const = default;
};

struct TDGastosAnios
{
    TDesgloseGastosAnuales Anio1;
    TDesgloseGastosAnuales Anio2;
    TDesgloseGastosAnuales Anio3;
    TDesgloseGastosAnuales Anio4;

    bool operator==(const TDGastosAnios &) const = default;
};

struct TDocumentosSolicitud
{
    bool Escrituras = false;
    bool CIF = false;
    bool Apoderamiento = false;
    bool NIFRepresentantes = false;
    bool Autorizaciones = false;
    bool Subvenciones = false;
    bool Resolucion = false;
    bool Comunicaciones = false;

    bool operator==(const TDocumentosSolicitud &) const = default;
};

struct TProductosLineas
{
    QString Descripcion;
    QString CNAE;
    Currency Negocio;
    Currency Exportacion;

    bool operator==(const TProductosLineas &) const = default;
};

struct TDatosMiembro
{
    TEntidad Miembro;
    TDireccion Direccion;
    TNaturalezaJuridica FormaJuridica;
    QList<TProductosLineas> ProductosLineas;
    TDesglosePersonal Personal;
    QString Observaciones;

    bool operator==(const TDatosMiembro &) const = default;
};

using TDatosMiembros = QList<TDatosMiembro>;

struct TDatosSolicitud
{
    TEntidad Entidad;
    QList<TRepresentante> Representantes;
    QList<TRepresentante> PersonasApoderadas;
    TDireccion DireccionNotificacion;
    TDocumentosSolicitud Documentacion;
    QString Control;
    QString Tipo;
    bool FirmaMancomunada = false;
    bool FirmaSolidaria = false;
    bool FirmaAPMancomunada = false;
    bool FirmaAPSolidaria = false;

    bool operator==(const TDatosSolicitud &) const = default;
};

struct TDatosSolicitante
{
    TEntidad Entidad;
    TDireccion DireccionSocial;
    TDireccion DireccionFiscal;
    TActividad ActividadPrincipal;
    TNaturalezaJuridica FormaJuridica;
    TPersona PersonaContacto;
    TPersona PersonaContacto2;
    TResumenPatrimonio OrigenPatrimonio;
    TDPersonalAnios DesglosePersonalAnual;
    TComposicionSocios ComposicionSocios;
    TDGastosAnios DesgloseGastos;
    TMasaCritica MasaCritica;

    bool operator==(const TDatosSolicitante &) const = default;
};

struct TDatosZOV
{
    TDatosSolicitud Solicitud;
    TDatosSolicitante Solicitante;
    TDatosMiembros Miembros;

    bool operator==(const TDatosZOV &) const = default;
};
