// SPDX-License-Identifier: EUPL-1.2
// The reader: round trips, defaults, derived fields, older values, structure errors.
#include "Regional.h"
#include "SampleZov.h"
#include "TestFiles.h"
#include "UAuxiliar.h"

#include <QDate>

#include <gtest/gtest.h>

namespace {

// A document around one "Solicitud"/"Solicitante" fragment.
QByteArray Document(const QByteArray &solicitud, const QByteArray &solicitante = {},
                    const QByteArray &miembros = {})
{
    return "<?xml version=\"1.0\"?><ZOV><Solicitud>" + solicitud + "</Solicitud><Solicitante>" + solicitante +
           "</Solicitante><Miembros>" + miembros + "</Miembros></ZOV>";
}

class Recorder
{
public:
    Recorder()
    {
        SetMsgBarSink([this](const QString &m) { messages << m; });
    }
    ~Recorder() { SetMsgBarSink({}); }
    QStringList messages;
};

} // namespace

TEST(XmlReader, RoundTripGivesTheRecordsBackWithTheKnownDifferences)
{
    for (const QChar decimal : {QChar(u','), QChar(u'.')}) {
        Regional::ScopedSeparators separators(decimal, decimal == u',' ? QChar(u'.') : QChar(u','));
        TDatosRegistroZOV writer;
        writer.ZOV = FullApplication();
        // A character Windows-1252 lacks comes back as "?".
        writer.ZOV.Solicitante.Entidad.RazonSocial = QStringLiteral("Ā «Ñá€» ’");
        writer.ParserZOVToXml();

        TDatosRegistroZOV reader;
        ASSERT_EQ(LoadXml(reader, writer.SerializedXml()), QString());
        TDatosZOV expected = AsReadBack(writer.ZOV);
        expected.Solicitante.Entidad.RazonSocial = QStringLiteral("? «Ñá€» ’");
        EXPECT_EQ(reader.ZOV.Solicitud, expected.Solicitud);
        EXPECT_EQ(reader.ZOV.Solicitante, expected.Solicitante);
        EXPECT_EQ(reader.ZOV.Miembros, expected.Miembros);
    }
}

TEST(XmlReader, NumbersWrittenWithEitherSeparatorReadAlike)
{
    // A file written on a point-decimal system must not read as 0 on a comma one.
    for (const QChar decimal : {QChar(u','), QChar(u'.')}) {
        Regional::ScopedSeparators separators(decimal, u' ');
        for (const char *text : {"12,5", "12.5"}) {
            TDatosRegistroZOV datos;
            const QByteArray sector = QByteArray("<Actividad><FacturacionSector>") + text +
                                      "</FacturacionSector></Actividad>";
            ASSERT_EQ(LoadXml(datos, Document({}, sector)), QString());
            EXPECT_EQ(datos.ZOV.Solicitante.ActividadPrincipal.FacturacionSector, Currency::FromRaw(125000));
        }
    }
}

TEST(XmlReader, BooleanTexts)
{
    struct Case
    {
        const char *text;
        bool value;
    };
    const Case cases[] = {{"True", true},   {"true", true},  {"TRUE", true}, {"1", true},  {"-1", true},
                          {"0,5", true},    {"0", false},    {"False", false}, {"x", false}, {"", false},
                          {"0.0", false}};
    for (const Case &c : cases) {
        TDatosRegistroZOV datos;
        ASSERT_EQ(LoadXml(datos, Document(QByteArray("<FirmaSolidaria>") + c.text + "</FirmaSolidaria>")), QString());
        EXPECT_EQ(datos.ZOV.Solicitud.FirmaSolidaria, c.value) << c.text;
    }
}

TEST(XmlReader, DefaultsAndDerivedFields)
{
    const int year = QDate::currentDate().year();
    struct Case
    {
        const char *anio;
        int expected;
    };
    for (const Case c : {Case{nullptr, year}, Case{"<Anio>abc</Anio>", year}, Case{"<Anio>2014</Anio>", 2014},
                         Case{"<Anio>99999999999</Anio>", year}, Case{"<Anio> -3 </Anio>", -3}}) {
        TDatosRegistroZOV datos;
        const QByteArray actividad = QByteArray("<Actividad>") + (c.anio ? c.anio : "") + "</Actividad>";
        ASSERT_EQ(LoadXml(datos, Document({}, actividad)), QString());
        EXPECT_EQ(datos.ZOV.Solicitante.ActividadPrincipal.Anio, c.expected) << (c.anio ? c.anio : "(none)");
    }

    TDatosRegistroZOV datos;
    ASSERT_EQ(LoadXml(datos, Document("<Domicilio><CPostal>38001</CPostal><Provincia>Otra</Provincia></Domicilio>",
                                      "<FormaJuridica><AnimoDeLucro>-1</AnimoDeLucro><PYME>0</PYME>"
                                      "<Lucro>-1</Lucro></FormaJuridica>"
                                      "<Patrimonio><Publica>25,5</Publica><Privada>1</Privada></Patrimonio>",
                                      "<Miembro><FormaJuridica><Naturaleza>Otros</Naturaleza><PYME>-1</PYME>"
                                      "</FormaJuridica><Actividades/></Miembro>")),
              QString());
    EXPECT_EQ(datos.ZOV.Solicitud.DireccionNotificacion.Provincia, QStringLiteral("Santa Cruz de Tenerife"));
    EXPECT_TRUE(datos.ZOV.Solicitante.FormaJuridica.AnimoDeLucro) << "read from Lucro";
    EXPECT_TRUE(datos.ZOV.Solicitante.FormaJuridica.Pyme) << "no Naturaleza: a small company";
    EXPECT_EQ(datos.ZOV.Solicitante.OrigenPatrimonio.FinanciacionPrivada, Currency::FromRaw(745000));
    EXPECT_TRUE(datos.ZOV.Solicitante.OrigenPatrimonio.Nacional.IsZero()) << "absent: the default, not 100";
    ASSERT_EQ(datos.ZOV.Miembros.size(), 1);
    EXPECT_FALSE(datos.ZOV.Miembros[0].FormaJuridica.Pyme);
}

TEST(XmlReader, OlderCommunityNamesAreReplaced)
{
    const std::pair<const char *, QString> cases[] = {
        {"ANDALUCIA", QStringLiteral("ANDALUCÍA")},
        {"ARAGON", QStringLiteral("ARAGÓN")},
        {"CASTILLA-LA MANCHA", QStringLiteral("CASTILLA - LA MANCHA")},
        {"CASTILLA-LEON", QStringLiteral("CASTILLA Y LEÓN")},
        {"COMUNIDAD BALEAR", QStringLiteral("ILLES BALEARS")},
        {"COMUNIDAD VALENCIANA", QStringLiteral("COMUNITAT VALENCIANA")},
        {"MADRID", QStringLiteral("COMUNIDAD DE MADRID")},
        {"NAVARRA", QStringLiteral("COMUNIDAD FORAL DE NAVARRA")},
        {"PAIS VASCO", QStringLiteral("PAÍS VASCO")},
        {"REGION DE MURCIA", QStringLiteral("REGIÓN DE MURCIA")},
        {"Madrid", QStringLiteral("Madrid")},
        {"GALICIA", QStringLiteral("GALICIA")},
    };
    for (const auto &[read, stored] : cases) {
        TDatosRegistroZOV datos;
        const QByteArray actividad = QByteArray("<Actividad><Comunidad>") + read + "</Comunidad></Actividad>";
        ASSERT_EQ(LoadXml(datos, Document({}, actividad)), QString());
        EXPECT_EQ(datos.ZOV.Solicitante.ActividadPrincipal.Comunidad, stored) << read;
    }
}

TEST(XmlReader, RepeatedElementsAreTakenByPosition)
{
    TDatosRegistroZOV datos;
    ASSERT_EQ(LoadXml(datos, Document("<Representantes><Representante><Nombre>A</Nombre></Representante><X/><X/>"
                                      "<X/><Otro><Nombre>E</Nombre></Otro></Representantes>")),
              QString());
    ASSERT_EQ(datos.ZOV.Solicitud.Representantes.size(), 5);
    EXPECT_EQ(datos.ZOV.Solicitud.Representantes[4].Persona.Nombre, QStringLiteral("E"));
    EXPECT_EQ(datos.ZOV.Solicitud.PersonasApoderadas, QList<TRepresentante>(2)) << "absent: as the reset left them";

    ASSERT_EQ(LoadXml(datos, Document("<Representantes/><PersonasApoderadas/>")), QString());
    EXPECT_TRUE(datos.ZOV.Solicitud.Representantes.isEmpty());
    EXPECT_TRUE(datos.ZOV.Solicitud.PersonasApoderadas.isEmpty());
}

TEST(XmlReader, MissingContainersReadAsEmpty)
{
    TDatosRegistroZOV datos;
    datos.ClearZOV();
    datos.ZOV.Solicitante.DesgloseGastos.Anio2.GastosCorrientes.Otros = Currency::FromInt(5);
    datos.Document().LoadFromBytes(Fixture(QStringLiteral("contenedores-ausentes.xml")));
    ASSERT_NO_THROW(datos.ParserXmlToZOV());
    EXPECT_TRUE(datos.ZOV.Solicitud.Representantes.isEmpty());
    EXPECT_EQ(datos.ZOV.Solicitante.DesgloseGastos.Anio2.GastosCorrientes.Otros, Currency::FromInt(5));
    ASSERT_EQ(datos.ZOV.Miembros.size(), 1);
    EXPECT_EQ(datos.ZOV.Miembros[0].Miembro.RazonSocial, QStringLiteral("SOCIO"));
    EXPECT_TRUE(datos.ZOV.Miembros[0].ProductosLineas.isEmpty());
}

TEST(XmlReader, StructureErrorsKeepWhatWasReadBefore)
{
    struct Case
    {
        const char *fixture;
        const char *message;
        bool solicitudRead;
        bool solicitanteRead;
    };
    const Case cases[] = {
        {"sin-solicitud.xml", "Error: 5403 Estructura de datos de la solicitud incorrecta.", false, false},
        {"sin-solicitante.xml", "Error: 5404. Estructura de datos del solicitante incorrecta.", true, false},
        {"sin-miembros.xml", "Error: 5405 Estructura de datos de los miembros.", true, true},
        {"hoja-con-elementos.xml", nullptr, false, false},
    };
    for (const Case &c : cases) {
        TDatosRegistroZOV datos;
        const QString error = LoadXml(datos, Fixture(QString::fromLatin1(c.fixture)));
        if (c.message)
            EXPECT_EQ(error, QString::fromLatin1(c.message));
        else
            EXPECT_FALSE(error.isEmpty()) << c.fixture;
        EXPECT_EQ(datos.ZOV.Solicitud.Entidad.RazonSocial == u"LEIDA", c.solicitudRead) << c.fixture;
        EXPECT_EQ(datos.ZOV.Solicitante.Entidad.CIF == u"G87654323", c.solicitanteRead) << c.fixture;
    }
}

TEST(XmlReader, StatusMessagesInOrderAndAppendedMembers)
{
    TDatosRegistroZOV datos;
    datos.ZOV.Miembros.resize(2);
    datos.ZOV.Miembros[0].Miembro.RazonSocial = QStringLiteral("PRIMERO");
    datos.Document().LoadFromBytes(Document({}, {}, "<Miembro><Entidad><RazonSocial>N1</RazonSocial></Entidad>"
                                                    "<Actividades/></Miembro><Miembro><Actividades/></Miembro>"));
    Recorder recorder;
    datos.ParserXmlToMiembros(true);
    EXPECT_EQ(recorder.messages, QStringList({"Cargando datos de los miembros...", "Cargando datos del miembro (0)...",
                                              "Cargando datos del miembro (1)..."}));
    ASSERT_EQ(datos.ZOV.Miembros.size(), 4);
    EXPECT_EQ(datos.ZOV.Miembros[0].Miembro.RazonSocial, QStringLiteral("PRIMERO"));
    EXPECT_EQ(datos.ZOV.Miembros[2].Miembro.RazonSocial, QStringLiteral("N1"));

    recorder.messages.clear();
    datos.ParserXmlToSolicitud();
    datos.ParserXmlToSolicitante();
    EXPECT_EQ(recorder.messages,
              QStringList({"Cargando datos de la solicitud...", "Cargando datos de los representantes...",
                           "Se inicia el proceso de carga de datos de la solicitud",
                           "Cargando datos de los apoderados...", "Cargando datos de los domicilios...",
                           "Cargando datos de la documentación aportada...", "Cargando datos del solicitante...",
                           "Cargando datos de los domicilios...", "Cargando datos de la actividad principal...",
                           "Cargando datos de las personas de contacto...",
                           "Cargando datos del origen del patrimonio...",
                           "Cargando datos del origen de la masa crítica...",
                           "Cargando datos del origen de la composición de gobierno...",
                           "Cargando datos del personal...", "Cargando datos del origen de los gastos anuales..."}));
}

TEST(XmlReader, TheExampleApplicationReadsCompletely)
{
    TDatosRegistroZOV datos;
    ASSERT_EQ(LoadXml(datos, ExampleXml()), QString());
    EXPECT_EQ(datos.ZOV.Solicitud.Entidad.RazonSocial, QStringLiteral("ASOCIACIÓN CLÚSTER DE TECNOLOGÍAS DEL AGUA"));
    EXPECT_EQ(datos.ZOV.Solicitud.Tipo, QStringLiteral("Solicitud de Inscripción"));
    EXPECT_EQ(datos.ZOV.Miembros.size(), 2);
}
