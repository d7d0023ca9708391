// SPDX-License-Identifier: EUPL-1.2
// The data object itself: a new object, the reset, the control identifier.
#include "UDatos.h"

#include <QDate>
#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(DataObject, NewObjectHasTheEntriesTheQuestionnaireShows)
{
    TDatosRegistroZOV datos;
    EXPECT_EQ(datos.ZOV.Solicitud.Representantes, QList<TRepresentante>(3));
    EXPECT_EQ(datos.ZOV.Solicitud.PersonasApoderadas, QList<TRepresentante>(2));
    EXPECT_TRUE(datos.ZOV.Miembros.isEmpty());
    EXPECT_EQ(datos.ZOV.Solicitante.ActividadPrincipal.Anio, 0);
    EXPECT_TRUE(datos.ZOV.Solicitante.OrigenPatrimonio.Nacional.IsZero());
    EXPECT_EQ(TDatosRegistroZOV::getVersion(), QStringLiteral("1.2.12"));
}

TEST(DataObject, ClearEmptiesTheApplicationAndKeepsTheListedFields)
{
    TDatosRegistroZOV datos;
    TDatosZOV &z = datos.ZOV;
    // Everything set, so that the reset shows what it touches and what it leaves.
    TRepresentante someone;
    someone.Persona.Nombre = QStringLiteral("X");
    z.Solicitud.Representantes = QList<TRepresentante>(5, someone);
    z.Solicitud.PersonasApoderadas.clear();
    z.Solicitud.Entidad = {QStringLiteral("A"), QStringLiteral("B")};
    z.Solicitud.DireccionNotificacion = {"d", "l", "28001", "p", "España", "t", "f", "e", "w"};
    z.Solicitud.Documentacion = {true, true, true, true, true, true, true, true};
    z.Solicitud.Control = QStringLiteral("C");
    z.Solicitud.Tipo = QStringLiteral("Solicitud de Renovación");
    z.Solicitud.FirmaMancomunada = z.Solicitud.FirmaSolidaria = true;
    z.Solicitud.FirmaAPMancomunada = z.Solicitud.FirmaAPSolidaria = true;
    z.Solicitante.DireccionSocial = z.Solicitud.DireccionNotificacion;
    z.Solicitante.DireccionFiscal = z.Solicitud.DireccionNotificacion;
    z.Solicitante.FormaJuridica = {"SA", true, true, "Otros", true};
    z.Solicitante.ActividadPrincipal = {"1", "2", "3", Currency::FromInt(4), Currency::FromInt(5), "6", "7", "8", 9};
    z.Solicitante.PersonaContacto = {"n", "12345678Z", "c", "t", "f", "e"};
    z.Solicitante.PersonaContacto2 = z.Solicitante.PersonaContacto;
    z.Solicitante.OrigenPatrimonio = {Currency::FromInt(1), Currency::FromInt(2), Currency::FromInt(3),
                                      Currency::FromInt(4), Currency::FromInt(5)};
    z.Solicitante.MasaCritica.PIB = Currency::FromInt(7);
    z.Solicitante.MasaCritica.FuentePIB = QStringLiteral("INE");
    z.Solicitante.ComposicionSocios.Otros = Currency::FromInt(3);
    z.Solicitante.DesglosePersonalAnual.Anio4.Otros = 4;
    z.Solicitante.DesgloseGastos.Anio2.GastosCorrientes.Materiales = Currency::FromInt(8);
    z.Miembros.resize(2);

    datos.ClearZOV();

    EXPECT_EQ(z.Solicitud.Representantes, QList<TRepresentante>(3));
    EXPECT_EQ(z.Solicitud.PersonasApoderadas, QList<TRepresentante>(2));
    EXPECT_EQ(z.Solicitud.Entidad, TEntidad());
    EXPECT_EQ(z.Solicitud.DireccionNotificacion, (TDireccion{"", "", "", "", "España", "", "", "", "w"}));
    EXPECT_EQ(z.Solicitud.Documentacion, (TDocumentosSolicitud{false, false, false, false, false, true, true, true}));
    EXPECT_EQ(z.Solicitud.Control, QStringLiteral("C"));
    EXPECT_EQ(z.Solicitud.Tipo, QStringLiteral("Solicitud de Renovación"));
    EXPECT_TRUE(z.Solicitud.FirmaMancomunada && z.Solicitud.FirmaSolidaria && z.Solicitud.FirmaAPMancomunada &&
                z.Solicitud.FirmaAPSolidaria);
    const TDireccion onlyCountry{"", "", "", "", "España", "", "", "", ""};
    EXPECT_EQ(z.Solicitante.DireccionSocial, onlyCountry);
    EXPECT_EQ(z.Solicitante.DireccionFiscal, onlyCountry);
    EXPECT_EQ(z.Solicitante.FormaJuridica, (TNaturalezaJuridica{"", true, true, "", false}));
    TActividad cleared;
    cleared.Anio = QDate::currentDate().year();
    EXPECT_EQ(z.Solicitante.ActividadPrincipal, cleared);
    const TPersona onlyNif{"", "12345678Z", "", "", "", ""};
    EXPECT_EQ(z.Solicitante.PersonaContacto, onlyNif);
    EXPECT_EQ(z.Solicitante.PersonaContacto2, onlyNif);
    EXPECT_EQ(z.Solicitante.OrigenPatrimonio, (TResumenPatrimonio{Currency::FromInt(100), {}, {}, {}, {}}));
    EXPECT_EQ(z.Solicitante.MasaCritica, TMasaCritica());
    EXPECT_EQ(z.Solicitante.ComposicionSocios, TComposicionSocios());
    EXPECT_EQ(z.Solicitante.DesglosePersonalAnual, TDPersonalAnios());
    EXPECT_EQ(z.Solicitante.DesgloseGastos, TDGastosAnios());
    EXPECT_TRUE(z.Miembros.isEmpty());
}

TEST(DataObject, ControlIdentifierIsThirtyTwoHexDigitsAndNewEachTime)
{
    TDatosRegistroZOV datos;
    const QRegularExpression form(QStringLiteral("^[0-9A-F]{32}$"));
    datos.GenerateControlID();
    const QString first = datos.ZOV.Solicitud.Control;
    datos.GenerateControlID();
    EXPECT_TRUE(form.match(first).hasMatch()) << first.toStdString();
    EXPECT_TRUE(form.match(datos.ZOV.Solicitud.Control).hasMatch());
    EXPECT_NE(first, datos.ZOV.Solicitud.Control);
}
