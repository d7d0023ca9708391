// SPDX-License-Identifier: EUPL-1.2
#pragma once

// Element names of the application document and the record fields they hold,
// shared by the writer and the reader. Only runs of fields of one type that the
// writer and the reader treat alike are tables; the rest is spelled out.

#include "ZovRecords.h"

namespace ZovXml {

template <class Record, class Value>
struct Field
{
    const char *name;
    Value Record::*member;
};

template <class R> using TextField = Field<R, QString>;
template <class R> using CurrField = Field<R, Currency>;
template <class R> using IntField = Field<R, qint32>;
template <class R> using BoolField = Field<R, bool>;

inline constexpr TextField<TEntidad> kEntidad[] = {{"RazonSocial", &TEntidad::RazonSocial}, {"CIF", &TEntidad::CIF}};

// An address: these come before the province, these after it.
inline constexpr TextField<TDireccion> kDireccionHead[] = {
    {"Direccion", &TDireccion::Domicilio}, {"Localidad", &TDireccion::Localidad}, {"CPostal", &TDireccion::CPOSTAL}};
inline constexpr TextField<TDireccion> kDireccionTail[] = {
    {"Pais", &TDireccion::Pais}, {"Telefono", &TDireccion::Telefono}, {"FAX", &TDireccion::FAX},
    {"eMail", &TDireccion::eMail}};

inline constexpr TextField<TPersona> kPersona[] = {
    {"Nombre", &TPersona::Nombre},     {"NIF", &TPersona::NIF}, {"Cargo", &TPersona::Cargo},
    {"Telefono", &TPersona::Telefono}, {"FAX", &TPersona::FAX}, {"eMail", &TPersona::eMail}};
// The part of a person the writer puts into a representative or attorney.
inline constexpr int kPersonaDeRepresentante = 3;

inline constexpr TextField<TRepresentante> kRepresentanteDeed[] = {
    {"FechaApoderamiento", &TRepresentante::FechaApoderamiento}, {"Protocolo", &TRepresentante::Protocolo}};

inline constexpr BoolField<TDatosSolicitud> kFirmas[] = {
    {"FirmaMancomunada", &TDatosSolicitud::FirmaMancomunada},
    {"FirmaSolidaria", &TDatosSolicitud::FirmaSolidaria},
    {"FirmaApoderadosMancomunada", &TDatosSolicitud::FirmaAPMancomunada},
    {"FirmaApoderadosSolidaria", &TDatosSolicitud::FirmaAPSolidaria}};

inline constexpr BoolField<TDocumentosSolicitud> kDocumentos[] = {
    {"Escrituras", &TDocumentosSolicitud::Escrituras},
    {"CIF", &TDocumentosSolicitud::CIF},
    {"Apoderamiento", &TDocumentosSolicitud::Apoderamiento},
    {"NIFRepresentantes", &TDocumentosSolicitud::NIFRepresentantes},
    {"Subvenciones", &TDocumentosSolicitud::Subvenciones},
    {"Resolucion", &TDocumentosSolicitud::Resolucion},
    {"Autorizaciones", &TDocumentosSolicitud::Autorizaciones},
    {"Comunicaciones", &TDocumentosSolicitud::Comunicaciones}};

// "Privada" is written but never read (it is 100 - "Publica").
inline constexpr CurrField<TResumenPatrimonio> kPatrimonio[] = {
    {"Nacional", &TResumenPatrimonio::Nacional},
    {"UE", &TResumenPatrimonio::UE},
    {"Resto", &TResumenPatrimonio::Resto},
    {"Publica", &TResumenPatrimonio::FinanciacionPublica}};

inline constexpr CurrField<TComposicionSocios> kComposicion[] = {
    {"Empresas", &TComposicionSocios::Empresas},
    {"Tecnologicas", &TComposicionSocios::Tecnologicas},
    {"Otros", &TComposicionSocios::Otros}};

inline constexpr CurrField<TMasaCritica> kMasaCriticaCifras[] = {
    {"Empresas", &TMasaCritica::Empresas}, {"Facturacion", &TMasaCritica::Facturacion},
    {"Empleo", &TMasaCritica::Empleo},     {"PIB", &TMasaCritica::PIB},
    {"PYMES", &TMasaCritica::PYMES}};
inline constexpr TextField<TMasaCritica> kMasaCriticaFuentes[] = {
    {"FuenteEmpresas", &TMasaCritica::FuenteEmpresas},
    {"FuenteFacturacion", &TMasaCritica::FuenteFacturacion},
    {"FuenteEmpleo", &TMasaCritica::FuenteEmpleo},
    {"FuentePIB", &TMasaCritica::FuentePIB}};

inline constexpr IntField<TDesglosePersonal> kPersonal[] = {
    {"Direccion", &TDesglosePersonal::Direccion},
    {"BienesServicios", &TDesglosePersonal::BienesServicios},
    {"Innovacion", &TDesglosePersonal::Innovacion},
    {"Otros", &TDesglosePersonal::Otros}};

inline constexpr CurrField<TDesgloseInversiones> kInversiones[] = {
    {"Terrenos", &TDesgloseInversiones::Terrenos},
    {"Equipos", &TDesgloseInversiones::Equipos},
    {"Otros", &TDesgloseInversiones::Otros}};

inline constexpr CurrField<TDesgloseGastos> kGastos[] = {
    {"Personal", &TDesgloseGastos::Personal},
    {"Materiales", &TDesgloseGastos::Materiales},
    {"Otros", &TDesgloseGastos::Otros}};

inline constexpr Field<TDPersonalAnios, TDesglosePersonal> kPersonalAnios[] = {
    {"Anio1", &TDPersonalAnios::Anio1},
    {"Anio2", &TDPersonalAnios::Anio2},
    {"Anio3", &TDPersonalAnios::Anio3},
    {"Anio4", &TDPersonalAnios::Anio4}};

inline constexpr Field<TDGastosAnios, TDesgloseGastosAnuales> kGastosAnios[] = {
    {"Anio1", &TDGastosAnios::Anio1},
    {"Anio2", &TDGastosAnios::Anio2},
    {"Anio3", &TDGastosAnios::Anio3},
    {"Anio4", &TDGastosAnios::Anio4}};

} // namespace ZovXml
