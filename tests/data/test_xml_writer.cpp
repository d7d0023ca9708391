// SPDX-License-Identifier: EUPL-1.2
// The writer: the element tree and the value encodings of the application document.
#include "Regional.h"
#include "SampleZov.h"
#include "TestFiles.h"

#include <QDate>

#include <gtest/gtest.h>

namespace {

// The names of the element children of a node, in order.
QStringList ChildNames(TXmlNode node)
{
    QStringList names;
    for (int i = 0; i < node.ChildCount(); ++i)
        names << node.Child(i).Name();
    return names;
}

TXmlNode Path(const TXmlDocument &doc, std::initializer_list<const char *> names)
{
    TXmlNode node = doc.DocumentElement();
    for (const char *name : names)
        node = node.FindNode(name);
    return node;
}

} // namespace

TEST(XmlWriter, ClearedApplicationGivesTheDocumentedDocumentWhole)
{
    Regional::ScopedSeparators comma(u',', u'.');
    TDatosRegistroZOV datos;
    datos.ClearZOV();
    QByteArray expected = Fixture(QStringLiteral("solicitud-vacia.xml"));
    expected.replace("@ANIO@", QByteArray::number(QDate::currentDate().year()));
    datos.ParserZOVToXml();
    EXPECT_EQ(datos.SerializedXml(), expected);
}

TEST(XmlWriter, ContainersAndOrderOfTheParts)
{
    TDatosRegistroZOV datos;
    datos.ZOV = FullApplication();
    datos.ParserZOVToXml();
    const TXmlDocument &doc = datos.Document();
    EXPECT_EQ(ChildNames(doc.DocumentElement()),
              QStringList({"Control", "Version", "Tramite", "Solicitud", "Solicitante", "Miembros"}));
    EXPECT_EQ(ChildNames(Path(doc, {"Solicitud", "Documentos"})),
              QStringList({"Escrituras", "CIF", "Apoderamiento", "NIFRepresentantes", "Subvenciones", "Resolucion",
                           "Autorizaciones", "Comunicaciones"}));
    EXPECT_EQ(ChildNames(Path(doc, {"Solicitante", "FormaJuridica"})),
              QStringList({"Descriptor", "AnimoDeLucro", "PYME"}));
    const TXmlNode member = Path(doc, {"Miembros"}).Child(0);
    EXPECT_EQ(ChildNames(member.FindNode("FormaJuridica")),
              QStringList({"Descriptor", "PYME", "Proveedor", "Naturaleza"}));
    EXPECT_EQ(ChildNames(member.FindNode("Actividades")), QStringList({"Actividad", "Actividad", "Actividad"}));
    EXPECT_EQ(Path(doc, {"Miembros"}).Child(1).FindNode("Actividades").ChildCount(), 0);
    EXPECT_EQ(ChildNames(Path(doc, {"Solicitud", "Representantes"}).Child(0)),
              QStringList({"Nombre", "NIF", "Cargo", "FechaApoderamiento", "Protocolo"}));
    EXPECT_EQ(ChildNames(Path(doc, {"Solicitante", "Domicilio", "Social"})).last(), QStringLiteral("Web"));
    EXPECT_EQ(ChildNames(Path(doc, {"Solicitante", "Domicilio", "Fiscal"})).last(), QStringLiteral("eMail"));
    EXPECT_EQ(ChildNames(Path(doc, {"Solicitante", "Desgloses", "Gastos", "Anio3"})),
              QStringList({"Activos", "Gastos"}));
}

TEST(XmlWriter, ValueEncodings)
{
    TDatosRegistroZOV datos;
    datos.ZOV.Solicitud.FirmaSolidaria = true;
    datos.ZOV.Solicitante.ActividadPrincipal.Anio = -12;
    datos.ZOV.Solicitante.ActividadPrincipal.FacturacionSector = Currency::FromRaw(12345000);
    datos.ZOV.Solicitante.ActividadPrincipal.FacturacionPIB = Currency::FromInt(100);
    struct Case
    {
        QChar decimal;
        const char *sector;
    };
    for (const Case c : {Case{u',', "1234,5"}, Case{u'.', "1234.5"}}) {
        Regional::ScopedSeparators separators(c.decimal, c.decimal == u',' ? QChar(u'.') : QChar(u','));
        datos.ParserZOVToXml();
        const TXmlDocument &doc = datos.Document();
        const TXmlNode actividad = Path(doc, {"Solicitante", "Actividad"});
        EXPECT_EQ(actividad.FindNode("FacturacionSector").Text(), QString::fromLatin1(c.sector));
        EXPECT_EQ(actividad.FindNode("FacturacionPIB").Text(), QStringLiteral("100"));
        EXPECT_EQ(actividad.FindNode("Anio").Text(), QStringLiteral("-12"));
        EXPECT_EQ(Path(doc, {"Solicitud", "FirmaSolidaria"}).Text(), QStringLiteral("-1"));
        EXPECT_EQ(Path(doc, {"Solicitud", "FirmaMancomunada"}).Text(), QStringLiteral("0"));
    }
}

TEST(XmlWriter, FieldsTheDocumentDoesNotCarryAreLeftOut)
{
    TDatosRegistroZOV datos;
    datos.ZOV = FullApplication();
    datos.ParserZOVToXml();
    const TXmlDocument &doc = datos.Document();
    const TXmlNode representante = Path(doc, {"Solicitud", "Representantes"}).Child(0);
    EXPECT_TRUE(representante.FindNode("Telefono").IsNull());
    EXPECT_TRUE(Path(doc, {"Solicitud", "Domicilio", "Web"}).IsNull());
    EXPECT_TRUE(Path(doc, {"Solicitante", "FormaJuridica", "Naturaleza"}).IsNull());
    EXPECT_TRUE(Path(doc, {"Miembros"}).Child(0).FindNode("FormaJuridica").FindNode("AnimoDeLucro").IsNull());
    EXPECT_EQ(Path(doc, {"Solicitante", "Patrimonio", "Privada"}).Text(), QStringLiteral("3"));
}

TEST(XmlWriter, WritingTwiceGivesTheSameBytes)
{
    TDatosRegistroZOV datos;
    datos.ZOV = FullApplication();
    datos.ParserZOVToXml();
    const QByteArray first = datos.SerializedXml();
    datos.ParserZOVToXml();
    EXPECT_EQ(datos.SerializedXml(), first);
}

TEST(XmlWriter, TextTheEncodingLacksIsWrittenAsCharacterReferences)
{
    TDatosRegistroZOV datos;
    datos.ZOV.Solicitud.Entidad.RazonSocial = QStringLiteral("ÑANDÚ «€» ’Ā");
    datos.ParserZOVToXml();
    EXPECT_TRUE(datos.SerializedXml().contains("<RazonSocial>\xD1" "AND\xDA \xAB\xA4\xBB &#8217;&#256;</RazonSocial>"));
}
