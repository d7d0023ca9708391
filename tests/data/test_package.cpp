// SPDX-License-Identifier: EUPL-1.2
// The submission package, read back field by field by a ZIP reader of its own.
#include "FileTesting.h"
#include "SampleZov.h"
#include "ZipReader.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr quint16 kUtf8Name = 0x0800;

// The local header every entry of the package must have for this content.
TZipHeader ExpectedHeader(const QByteArray &name, quint16 flags, const QByteArray &content)
{
    TZipHeader h;
    h.versionNeeded = 20;
    h.flags = flags;
    h.method = 8;
    h.time = 0x3C21;
    h.date = 0;
    h.crc = quint32(crc32_z(0, reinterpret_cast<const Bytef *>(content.constData()), size_t(content.size())));
    h.compressedSize = quint32(ReferenceDeflate(content).size());
    h.size = quint32(content.size());
    h.name = name;
    h.extraLength = 0;
    return h;
}

// Checks every field of an archive that must hold exactly these entries.
void ExpectPackage(const QByteArray &archive, const QList<std::pair<QByteArray, QByteArray>> &entries, quint16 flags)
{
    const TZipArchive zip = ReadZip(archive);
    ASSERT_EQ(zip.locals.size(), entries.size());
    ASSERT_EQ(zip.centrals.size(), entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(entries[i].first.toStdString());
        const auto &[name, content] = entries[i];
        const TZipHeader expected = ExpectedHeader(name, flags, content);
        EXPECT_EQ(zip.locals[i], expected);
        EXPECT_EQ(zip.payloads[i], ReferenceDeflate(content));
        EXPECT_EQ(RawInflate(zip.payloads[i]), content);
        TZipCentral central;
        central.versionMadeBy = 20;
        central.header = expected;
        central.offset = zip.localOffsets[i];
        EXPECT_EQ(zip.centrals[i], central);
    }
    TZipEnd end = zip.end;
    EXPECT_EQ(end.disk, 0);
    EXPECT_EQ(end.centralDisk, 0);
    EXPECT_EQ(end.entriesOnDisk, entries.size());
    EXPECT_EQ(end.entries, entries.size());
    EXPECT_EQ(end.commentLength, 0);
}

QByteArray RandomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(12345);
    for (char &b : bytes)
        b = char(generator.bounded(256));
    return bytes;
}

QString ZipErrorOf(TDatosRegistroZOV &datos, const QString &file, const QByteArray *pdf)
{
    return ErrorOf([&] { datos.SaveToZip(file, pdf); });
}

} // namespace

TEST(Package, FileNamesLoseOnlyTheFiveAccentedCapitals)
{
    struct Case
    {
        const char16_t *name;
        const char16_t *encoded;
    };
    const Case cases[] = {
        {u"ÁÉÍÓÚ", u"AEIOU"},
        {u"ACCIÓN ÁGIL, S.A.", u"ACCION AGIL, S.A."},
        {u"áéíóú ÀÈÌÒÙ ÄËÏÖÜ ÑñÇç", u"áéíóú ÀÈÌÒÙ ÄËÏÖÜ ÑñÇç"},
        {u"", u""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TDatosRegistroZOV::EncodingFileName(QString::fromUtf16(c.name)), QString::fromUtf16(c.encoded));
}

TEST(Package, EntriesAreTheExportAndThePdfWithEveryHeaderField)
{
    struct Case
    {
        const char16_t *razonSocial;
        QByteArray storedBase; // the entry names without extension, as stored
        quint16 flags;
    };
    const Case cases[] = {
        {u"ÁGIL ÉXITO ÍNDICE ÓPTIMO ÚNICO", "AGIL EXITO INDICE OPTIMO UNICO", 0},
        {u"COMPAÑÍA ÑANDÚ, S.L.",
         "COMPA\xC3\x91"
         "IA \xC3\x91"
         "ANDU, S.L.",
         kUtf8Name},
        {u"camión", "cami\xC3\xB3n", kUtf8Name},
    };
    const QByteArray pdfs[] = {"%PDF-1.4\n%fin\n", QByteArray(), RandomBytes(200000)};
    QTemporaryDir dir;
    for (const Case &c : cases)
        for (const QByteArray &pdf : pdfs) {
            SCOPED_TRACE(QString::fromUtf16(c.razonSocial).toStdString() + " / PDF of " + std::to_string(pdf.size()));
            TDatosRegistroZOV datos;
            datos.ZOV = FullApplication();
            datos.ZOV.Solicitud.Entidad.RazonSocial = QString::fromUtf16(c.razonSocial);
            const QString exported = dir.filePath(QStringLiteral("exportada.xml"));
            datos.SaveToFile(exported, QString());
            const QString package = dir.filePath(QStringLiteral("Solicitud_B12345674.zip"));
            EXPECT_TRUE(datos.SaveToZip(package, &pdf));
            ExpectPackage(FileBytes(package),
                          {{c.storedBase + ".xml", FileBytes(exported)}, {c.storedBase + ".pdf", pdf}}, c.flags);
        }
}

TEST(Package, WithoutPdfTheArchiveHoldsOnlyTheDocument)
{
    QTemporaryDir dir;
    TDatosRegistroZOV datos;
    datos.ZOV = FullApplication();
    datos.ZOV.Solicitud.Entidad.RazonSocial = QStringLiteral("ACME");
    const QString package = dir.filePath(QStringLiteral("paquete.zip"));
    datos.SaveToZip(package, nullptr);
    datos.SaveToFile(dir.filePath(QStringLiteral("acme.xml")), QString());
    ExpectPackage(FileBytes(package), {{"ACME.xml", FileBytes(dir.filePath(QStringLiteral("acme.xml")))}}, 0);
}

TEST(Package, FailuresAreErrorFourThousandNinetySixAndKeepThePreviousFile)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("fichero"));
    ASSERT_TRUE(WriteFileBytes(blocker, "no es una carpeta"));
    const QString previous = dir.filePath(QStringLiteral("anterior.zip"));
    ASSERT_TRUE(WriteFileBytes(previous, "paquete anterior"));
    const QString zipFailed = QStringLiteral("Error: 4096. Error al guardar el fichero zip.\r\nError interno(");
    struct Case
    {
        const char *label;
        QString file;
        QString razonSocial;
        QString expectedStart;
    };
    const QString inFile = blocker + QStringLiteral("/paquete.zip");
    const Case cases[] = {
        {"la carpeta es un fichero", inFile, QStringLiteral("ACME"),
         zipFailed + QStringLiteral("EFileError): No se puede crear el fichero «%1»: una parte de la ruta no es una "
                                    "carpeta.")
                         .arg(inFile)},
        {"el documento no se vuelve a leer", previous, QStringLiteral("ACME") + QChar(1),
         zipFailed + QStringLiteral("EZOVError): Error: 4099. Error al generar el fichero XML.\r\n"
                                    "Error interno(EXMLDocError): Línea ")},
        {"el destino es una carpeta", dir.path(), QStringLiteral("ACME"),
         zipFailed + QStringLiteral("EFileError): No se puede crear el fichero «%1»: es una carpeta.").arg(dir.path())},
    };
    const QStringList entries = FolderEntries(dir.path());
    const QByteArray pdf = "%PDF";
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        TDatosRegistroZOV datos;
        datos.ZOV = FullApplication();
        datos.ZOV.Solicitud.Entidad.RazonSocial = c.razonSocial;
        const TDatosZOV before = datos.ZOV;
        const QString error = ZipErrorOf(datos, c.file, &pdf);
        EXPECT_TRUE(error.startsWith(c.expectedStart)) << error.toStdString();
        EXPECT_EQ(datos.ZOV, before);
        EXPECT_EQ(FileBytes(previous), QByteArray("paquete anterior"));
        EXPECT_EQ(FileBytes(blocker), QByteArray("no es una carpeta"));
        EXPECT_EQ(FolderEntries(dir.path()), entries);
    }
}
