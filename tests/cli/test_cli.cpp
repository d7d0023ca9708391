// SPDX-License-Identifier: EUPL-1.2
// telvo-cli driven as a user runs it: the real program, its exit code and both
// of its outputs, and the files it leaves.
#include "FileTesting.h"
#include "SampleZov.h"
#include "ZipReader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs telvo-cli with its own data folder under home; with a size limit, every
// file it writes is cut there as on a full disk.
CliRun RunCli(const QStringList &args, const QString &home, rlim_t fileSizeLimit = RLIM_INFINITY)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home);
    process.setProcessEnvironment(env);
    if (fileSizeLimit != RLIM_INFINITY)
        process.setChildProcessModifier([fileSizeLimit] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    process.start(QStringLiteral(TELVO_CLI), args);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

class Cli : public testing::Test
{
protected:
    QString Path(const QString &name) const { return _dir.filePath(name); }
    QString Home() const { return Path(QStringLiteral("xdg")); }
    QString DataFolder() const { return Home() + QStringLiteral("/telvo/"); }

    // A data file written by the data layer, as the program's save command does.
    QString DataFile(const QString &name, const TDatosZOV &zov) const
    {
        TDatosRegistroZOV datos;
        datos.ZOV = zov;
        const QString file = Path(name);
        datos.SaveToFile(file, kDataFilePassPhrase);
        return file;
    }

    QTemporaryDir _dir;
};

TDatosZOV Load(const QString &file, const QString &pass)
{
    TDatosRegistroZOV datos;
    datos.ClearZOV();
    pass.isEmpty() ? datos.ReadFromXMLFile(file) : datos.ReadFromFile(file, pass);
    return datos.ZOV;
}

QByteArray ExportOf(const TDatosZOV &zov)
{
    TDatosRegistroZOV datos;
    datos.ZOV = zov;
    datos.ParserZOVToXml();
    return datos.SerializedXml();
}

const QString kHint = QStringLiteral("\nEscriba «telvo-cli --help» para ver la ayuda.\n");

} // namespace

TEST_F(Cli, ConvertsADataFileToXmlAndBack)
{
    const QString original = DataFile(QStringLiteral("solicitud.ZOV"), FullApplication());
    const TDatosZOV records = Load(original, kDataFilePassPhrase);
    // Extensions count without regard to case.
    const QString xml = Path(QStringLiteral("exportada.XML"));
    const QString again = Path(QStringLiteral("de-nuevo.zov"));

    const CliRun toXml = RunCli({QStringLiteral("convertir"), original, xml}, Home());
    EXPECT_EQ(toXml.exitCode, 0);
    EXPECT_EQ(toXml.out, QStringLiteral("Solicitud guardada en «%1».\n").arg(xml));
    EXPECT_EQ(toXml.err, QString()); // no status messages unless asked for
    EXPECT_EQ(FileBytes(xml), ExportOf(records));

    const CliRun toData = RunCli({QStringLiteral("convertir"), xml, again}, Home());
    EXPECT_EQ(toData.exitCode, 0);
    EXPECT_EQ(toData.err, QString());
    EXPECT_EQ(Load(xml, QString()), records);
    EXPECT_EQ(Load(again, kDataFilePassPhrase), records);
    EXPECT_EQ(DataCipher(FileBytes(again), kDataFilePassPhrase, false), ExportOf(records));
}

TEST_F(Cli, StatusMessagesOnlyWhenAskedFor)
{
    const QString original = DataFile(QStringLiteral("solicitud.ZOV"), FullApplication());
    for (const QString &option : {QStringLiteral("--detalle"), QStringLiteral("-v")}) {
        const CliRun run =
            RunCli({option, QStringLiteral("convertir"), original, Path(QStringLiteral("s.xml"))}, Home());
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("Cargando datos de la solicitud...\n"))) << run.err.toStdString();
    }
}

TEST_F(Cli, ListsTheApplicationsOfTheDataFolder)
{
    EXPECT_EQ(RunCli({QStringLiteral("lista")}, Home()).out, QString()); // no data folder yet

    ASSERT_TRUE(QDir().mkpath(DataFolder() + QStringLiteral("carpeta.ZOV")));
    for (const char *name : {"Beta.ZOV", "alfa.zov", "nota.txt", "Gamma.ZOV.err"})
        ASSERT_TRUE(WriteFileBytes(DataFolder() + QString::fromLatin1(name), "x"));
    const CliRun run = RunCli({QStringLiteral("lista")}, Home());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("alfa\nBeta\n"));
    EXPECT_EQ(run.err, QString());
}

TEST_F(Cli, PackageGetsAControlIdentifierOnlyWhenItHasNone)
{
    const QRegularExpression newIdentifier(QStringLiteral("^[0-9A-F]{32}$"));
    for (const QString &control : {QString(), QStringLiteral("0123456789ABCDEF0123456789ABCDEF")}) {
        SCOPED_TRACE(control.toStdString());
        TDatosZOV zov = FullApplication();
        zov.Solicitud.Control = control;
        const QString input = DataFile(QStringLiteral("solicitud.ZOV"), zov);
        const QString package = Path(QStringLiteral("Solicitud_B12345674.zip"));

        const CliRun run = RunCli({QStringLiteral("paquete"), input, package}, Home());
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, QString());

        const TZipArchive zip = ReadZip(FileBytes(package));
        ASSERT_EQ(zip.locals.size(), 1);
        EXPECT_EQ(zip.locals[0].name, QByteArray("COMPA\xC3\x91"
                                                 "IA \xC3\x91"
                                                 "ANDU, S.L..xml"));
        TDatosRegistroZOV datos;
        datos.ClearZOV();
        datos.ReadXMLBytes(RawInflate(zip.payloads[0]));
        datos.ParserXmlToZOV();
        const QString written = datos.ZOV.Solicitud.Control;
        EXPECT_TRUE(control.isEmpty() ? newIdentifier.match(written).hasMatch() : written == control)
            << written.toStdString();
        // Apart from the identifier, the entry is the application as read.
        datos.ZOV.Solicitud.Control = control;
        EXPECT_EQ(datos.ZOV, Load(input, kDataFilePassPhrase));
    }
}

TEST_F(Cli, HelpGoesToStandardOutput)
{
    for (const QString &option : {QStringLiteral("--help"), QStringLiteral("-h"), QStringLiteral("ayuda")}) {
        const CliRun run = RunCli({option}, Home());
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.out.startsWith(QStringLiteral("Uso: telvo-cli [--detalle] ORDEN [ARGUMENTOS]\n")));
        EXPECT_TRUE(run.out.contains(QStringLiteral("Carpeta de datos: %1\n").arg(DataFolder())));
        EXPECT_EQ(run.err, QString());
    }
}

TEST_F(Cli, FailuresExitWithOneAndAMessageAndLoseNothing)
{
    const QString input = DataFile(QStringLiteral("solicitud.ZOV"), FullApplication());
    const QString blocker = Path(QStringLiteral("fichero"));
    ASSERT_TRUE(WriteFileBytes(blocker, "no es una carpeta"));
    const QString output = Path(QStringLiteral("salida.xml"));
    const QString missing = Path(QStringLiteral("no-existe.ZOV"));
    const QString text = Path(QStringLiteral("notas.txt"));
    ASSERT_TRUE(WriteFileBytes(text, "notas"));
    const QString inBlocker = blocker + QStringLiteral("/salida.xml");
    const QString zipInBlocker = blocker + QStringLiteral("/paquete.zip");
    const QString notASolicitud = QStringLiteral("«%1» no es un fichero de solicitud: se admiten las extensiones .ZOV "
                                                 "(fichero de datos) y .xml (documento XML).");
    struct Case
    {
        const char *label;
        QStringList args;
        QString err;
        rlim_t fileSizeLimit = RLIM_INFINITY;
    };
    const Case cases[] = {
        {"falta el fichero",
         {"convertir", missing, output},
         QStringLiteral("No se puede leer la solicitud de «%1».\nError: 5001. No es un fichero de datos válido.\n")
             .arg(missing)},
        {"no es una solicitud", {"convertir", text, output}, notASolicitud.arg(text) + kHint},
        {"la salida no es una solicitud", {"convertir", input, text}, notASolicitud.arg(text) + kHint},
        {"la carpeta de destino es un fichero",
         {"convertir", input, inBlocker},
         QStringLiteral("No se puede guardar la solicitud en «%1».\nNo se puede crear el fichero «%1»: una parte de la "
                        "ruta no es una carpeta.\n")
             .arg(inBlocker)},
        {"disco lleno",
         {"convertir", input, output},
         QStringLiteral("No se puede guardar la solicitud en «%1».\nError: 4093. Error al guardar el fichero de "
                        "datos.\nError interno(EFileError): No se puede escribir el fichero «%1»: el fichero es "
                        "demasiado grande.\n")
             .arg(output),
         1024},
        {"paquete sin destino",
         {"paquete", input, zipInBlocker},
         QStringLiteral("No se puede guardar el paquete en «%1».\nError: 4096. Error al guardar el fichero zip.\nError "
                        "interno(EFileError): No se puede crear el fichero «%1»: una parte de la ruta no es una "
                        "carpeta.\n")
             .arg(zipInBlocker)},
        {"sin orden", {}, QStringLiteral("Falta la orden.") + kHint},
        {"orden desconocida", {"borrar"}, QStringLiteral("Orden desconocida: «borrar».") + kHint},
        {"opción desconocida", {"--todo", "lista"}, QStringLiteral("Opción desconocida: «--todo».") + kHint},
        {"faltan argumentos", {"convertir", input}, QStringLiteral("Uso: telvo-cli convertir ENTRADA SALIDA") + kHint},
        {"sobran argumentos", {"lista", "x"}, QStringLiteral("Uso: telvo-cli lista") + kHint},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(WriteFileBytes(output, "salida anterior"));
        const QStringList entries = FolderEntries(_dir.path());
        const CliRun run = RunCli(c.args, Home(), c.fileSizeLimit);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, QString());
        EXPECT_EQ(FileBytes(output), QByteArray("salida anterior"));
        EXPECT_EQ(FileBytes(blocker), QByteArray("no es una carpeta"));
        EXPECT_EQ(FolderEntries(_dir.path()), entries);
    }
}
