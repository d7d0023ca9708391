// SPDX-License-Identifier: EUPL-1.2
// The data files and the XML exports: one suite run against both containers,
// then what only the enciphered form has (pass phrases, the diagnostic file),
// the member import and the permissions of the files written.
#include "FileTesting.h"
#include "SampleZov.h"
#include "TestFiles.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include <sys/stat.h>

namespace {

const QString kNotADataFile = QStringLiteral("Error: 5001. No es un fichero de datos válido.");
const QString kNoMembers = QStringLiteral("Error: 5405 Estructura de datos de los miembros.");
const QByteArray kDeclaration = "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\n";

// One of the two forms an application is stored in.
struct Container
{
    const char *name;
    QString pass; // empty: the plain XML form
    QString extension;

    bool Enciphered() const { return !pass.isEmpty(); }
    // The file this container makes of a serialised document.
    QByteArray Wrap(const QByteArray &xml) const { return Enciphered() ? DataCipher(xml, pass, true) : xml; }
    void Save(TDatosRegistroZOV &datos, const QString &file) const { datos.SaveToFile(file, pass); }
    void Read(TDatosRegistroZOV &datos, const QString &file) const
    {
        Enciphered() ? datos.ReadFromFile(file, pass) : datos.ReadFromXMLFile(file);
    }
    // The records read from file by a new data object, as the load command does.
    TDatosZOV Load(const QString &file) const
    {
        TDatosRegistroZOV datos;
        datos.ClearZOV();
        Read(datos, file);
        return datos.ZOV;
    }
};

void PrintTo(const Container &c, std::ostream *os)
{
    *os << c.name;
}

const Container kPlain{"XmlPlano", QString(), QStringLiteral(".xml")};
const Container kDataFile{"FicheroDeDatos", kDataFilePassPhrase, QStringLiteral(".ZOV")};

class Containers : public testing::TestWithParam<Container>
{
protected:
    const Container &C() const { return GetParam(); }
    QString Path(const QString &base) const { return _dir.filePath(base + C().extension); }
    QString Folder() const { return _dir.path(); }

    QTemporaryDir _dir;
};

QByteArray WrittenXml(const TDatosZOV &zov)
{
    TDatosRegistroZOV datos;
    datos.ZOV = zov;
    datos.ParserZOVToXml();
    return datos.SerializedXml();
}

TDatosZOV Cleared()
{
    TDatosRegistroZOV datos;
    datos.ClearZOV();
    return datos.ZOV;
}

} // namespace

TEST_P(Containers, SaveThenReadGivesTheRecordsBack)
{
    TDatosRegistroZOV writer;
    writer.ZOV = FullApplication();
    const QString file = Path(QStringLiteral("solicitud"));
    C().Save(writer, file);

    EXPECT_EQ(FileBytes(file), C().Wrap(WrittenXml(writer.ZOV)));
    EXPECT_EQ(C().Load(file), AsReadBack(writer.ZOV));
    EXPECT_FALSE(QFile::exists(file + QStringLiteral(".err")));
}

TEST_P(Containers, ASaveReplacesALongerFileAndTwoSavesAreIdentical)
{
    TDatosRegistroZOV datos;
    datos.ZOV = FullApplication();
    const QString file = Path(QStringLiteral("solicitud"));
    const QString again = Path(QStringLiteral("otra"));
    C().Save(datos, file);
    datos.ZOV = Cleared();
    C().Save(datos, file);
    C().Save(datos, again);

    // Whole, length included: a write that does not truncate leaves the old tail.
    EXPECT_EQ(FileBytes(file), C().Wrap(WrittenXml(Cleared())));
    EXPECT_EQ(FileBytes(file), FileBytes(again));
}

TEST_P(Containers, DeclaredEncodingsReadAlike)
{
    struct Encoding
    {
        const char *declared;
        QByteArray bom;
    };
    const Encoding encodings[] = {{"ISO-8859-15", {}}, {"UTF-8", {}}, {"UTF-8", "\xEF\xBB\xBF"}};
    TDatosRegistroZOV writer;
    writer.ZOV = FullApplication();
    QList<QByteArray> documents;
    for (const Encoding &e : encodings) {
        SCOPED_TRACE(e.declared);
        writer.ParserZOVToXml();
        writer.Document().SetEncoding(e.declared);
        const QByteArray xml = e.bom + writer.SerializedXml();
        ASSERT_TRUE(xml.contains(QByteArray("encoding=\"") + e.declared + '"'));
        documents << xml;
        const QString file = Path(QStringLiteral("codificado"));
        ASSERT_TRUE(WriteFileBytes(file, C().Wrap(xml)));
        EXPECT_EQ(C().Load(file), AsReadBack(writer.ZOV));
    }
    // The text has accented letters, so the encodings really differ.
    EXPECT_NE(documents[0], documents[1]);
}

TEST_P(Containers, FailedReadKeepsTheRecordsAndEmptiesTheDocument)
{
    enum Kind
    {
        Missing,
        Empty,
        NotXml,
        Unclosed,
        TooLarge
    };
    struct Case
    {
        const char *label;
        Kind kind;
        bool readable; // the data file could be read, so its decipherment is kept
    };
    const Case cases[] = {
        {"no existe", Missing, false},        {"vacío", Empty, true},
        {"no es XML", NotXml, true},          {"XML sin cerrar", Unclosed, true},
        {"mayor de 64 MiB", TooLarge, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const QString file = Path(QString::fromUtf8(c.label));
        if (c.kind == Empty || c.kind == NotXml || c.kind == Unclosed) {
            const QByteArray xml = c.kind == Empty    ? QByteArray()
                                   : c.kind == NotXml ? QByteArray("esto no es un documento XML")
                                                      : Fixture(QStringLiteral("sin-cerrar.xml"));
            ASSERT_TRUE(WriteFileBytes(file, C().Wrap(xml)));
        }
        if (c.kind == TooLarge) {
            QFile large(file);
            ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(kMaxDataFileSize + 1));
        }

        TDatosRegistroZOV datos;
        datos.ZOV = FullApplication();
        datos.ParserZOVToXml();
        const TDatosZOV before = datos.ZOV;
        EXPECT_EQ(ErrorOf([&] { C().Read(datos, file); }), kNotADataFile);
        EXPECT_EQ(datos.ZOV, before);
        EXPECT_TRUE(datos.Document().DocumentElement().IsNull());

        const QString diagnostic = file + QStringLiteral(".err");
        const bool kept = c.readable && C().Enciphered();
        EXPECT_EQ(QFile::exists(diagnostic), kept);
        if (kept) {
            EXPECT_EQ(FileBytes(diagnostic), DataCipher(FileBytes(file), C().pass, false));
        }

        // Saving now writes the records, not what the failed file held.
        const QString saved = Path(QStringLiteral("guardada"));
        C().Save(datos, saved);
        EXPECT_EQ(C().Load(saved), AsReadBack(before));
    }
}

TEST_P(Containers, DocumentWithoutMembersFailsAfterTheOtherParts)
{
    const QString file = Path(QStringLiteral("sin-miembros"));
    ASSERT_TRUE(WriteFileBytes(file, C().Wrap(Fixture(QStringLiteral("sin-miembros.xml")))));
    TDatosRegistroZOV datos;
    datos.ClearZOV();
    EXPECT_EQ(ErrorOf([&] { C().Read(datos, file); }), kNoMembers);
    EXPECT_EQ(datos.ZOV.Solicitud.Entidad.RazonSocial, QStringLiteral("LEIDA"));
    EXPECT_EQ(datos.ZOV.Solicitante.Entidad.CIF, QStringLiteral("G87654323"));
}

TEST_P(Containers, DocumentThatDoesNotParseAgainIsNotWritten)
{
    const QString file = Path(QStringLiteral("solicitud"));
    ASSERT_TRUE(WriteFileBytes(file, "anterior"));
    TDatosRegistroZOV datos;
    datos.ZOV = FullApplication();
    // XML 1.0 has no character 1: the serialiser writes it as a reference that
    // no parser accepts.
    datos.ZOV.Solicitud.Entidad.RazonSocial = QStringLiteral("ACME") + QChar(1);
    const QString error = ErrorOf([&] { C().Save(datos, file); });
    EXPECT_TRUE(error.startsWith(
        QStringLiteral("Error: 4099. Error al generar el documento XML.\r\nError interno(EXMLDocError): Línea ")))
        << error.toStdString();
    EXPECT_EQ(FileBytes(file), QByteArray("anterior"));
    EXPECT_EQ(FolderEntries(Folder()), QStringList{QFileInfo(file).fileName()});
}

TEST_P(Containers, FailedWriteLeavesThePreviousFile)
{
    enum Kind
    {
        FolderIsAFile,
        TargetIsAFolder,
        DiskFull
    };
    struct Case
    {
        const char *label;
        Kind kind;
        const char16_t *cause; // the save helper's message, %1 the file
    };
    const Case cases[] = {
        {"la carpeta es un fichero", FolderIsAFile,
         u"No se puede crear el fichero «%1»: una parte de la ruta no es una carpeta."},
        {"el destino es una carpeta", TargetIsAFolder, u"No se puede crear el fichero «%1»: es una carpeta."},
        {"disco lleno", DiskFull, u"No se puede escribir el fichero «%1»: el fichero es demasiado grande."},
    };
    TDatosRegistroZOV datos;
    datos.ZOV = FullApplication();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        QTemporaryDir dir;
        const QString previous = dir.filePath(QStringLiteral("previo"));
        QString file = dir.filePath(QStringLiteral("solicitud") + C().extension);
        if (c.kind == FolderIsAFile)
            file = previous + QStringLiteral("/solicitud") + C().extension;
        if (c.kind == TargetIsAFolder) {
            ASSERT_TRUE(QDir().mkpath(file));
            ASSERT_TRUE(WriteFileBytes(file + QStringLiteral("/dentro"), "dentro"));
        }
        const QString target = c.kind == DiskFull ? file : previous;
        ASSERT_TRUE(WriteFileBytes(target, "lo que había antes"));
        const QStringList entries = FolderEntries(dir.path());

        QString error;
        {
            std::optional<TFullDisk> full;
            if (c.kind == DiskFull)
                full.emplace(512);
            error = ErrorOf([&] { C().Save(datos, file); });
        }

        const QString cause = QString::fromUtf16(c.cause).arg(file);
        const QString expected =
            C().Enciphered() ? QStringLiteral("Error: 4097. Error al encriptar el fichero de datos.\r\n"
                                              "Error interno(EFileError): ") +
                                   cause
            : c.kind == DiskFull ? QStringLiteral("Error: 4093. Error al guardar el fichero de datos.\r\n"
                                                  "Error interno(EFileError): ") +
                                       cause
                                 : cause;
        EXPECT_EQ(error, expected);
        EXPECT_EQ(FileBytes(target), QByteArray("lo que había antes"));
        EXPECT_EQ(FolderEntries(dir.path()), entries);
        if (c.kind == TargetIsAFolder) {
            EXPECT_EQ(FolderEntries(file), QStringList{QStringLiteral("dentro")});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, Containers, testing::Values(kPlain, kDataFile),
                         [](const testing::TestParamInfo<Container> &info) { return std::string(info.param.name); });

TEST(DataFiles, PlainSaveIsTheDeciphermentOfAnEncipheredOne)
{
    QTemporaryDir dir;
    TDatosRegistroZOV datos;
    datos.ZOV = FullApplication();
    const QString plain = dir.filePath(QStringLiteral("exportada.xml"));
    EXPECT_FALSE(datos.SaveToFile(plain, QString()));
    const QByteArray xml = FileBytes(plain);
    EXPECT_TRUE(xml.startsWith(kDeclaration));
    EXPECT_EQ(xml, datos.SerializedXml());

    // The key is the pass phrase's Windows-1252 bytes, whatever its characters.
    for (const QString &pass : {kDataFilePassPhrase, QStringLiteral("Contraseña «€» de prueba")}) {
        SCOPED_TRACE(pass.toStdString());
        const QString enciphered = dir.filePath(QStringLiteral("solicitud.ZOV"));
        EXPECT_TRUE(datos.SaveToFile(enciphered, pass));
        const QByteArray bytes = FileBytes(enciphered);
        EXPECT_NE(bytes, xml);
        EXPECT_EQ(DataCipher(bytes, pass, false), xml);
    }
}

TEST(DataFiles, WrongPassPhraseLeavesTheDeciphermentForDiagnosis)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("solicitud.ZOV"));
    const QString diagnostic = file + QStringLiteral(".err");
    TDatosRegistroZOV writer;
    writer.ZOV = FullApplication();
    writer.SaveToFile(file, kDataFilePassPhrase);
    const QByteArray xml = writer.SerializedXml();

    QByteArray previous;
    for (const QString &wrong : {QStringLiteral("otra"), QStringLiteral("otra más")}) {
        SCOPED_TRACE(wrong.toStdString());
        TDatosRegistroZOV datos;
        datos.ClearZOV();
        const TDatosZOV before = datos.ZOV;
        EXPECT_EQ(ErrorOf([&] { datos.ReadFromFile(file, wrong); }), kNotADataFile);
        EXPECT_EQ(datos.ZOV, before);
        // Each failure replaces the diagnostic file with its own decipherment.
        const QByteArray kept = FileBytes(diagnostic);
        EXPECT_EQ(kept, DataCipher(FileBytes(file), wrong, false));
        EXPECT_NE(kept, xml);
        EXPECT_NE(kept, previous);
        previous = kept;
    }
}

TEST(DataFiles, MemberImportAppendsAndGivesTheLastIndex)
{
    QTemporaryDir dir;
    const TDatosZOV full = FullApplication();
    struct Case
    {
        const char *label;
        int before; // members of the application that imports
        int inFile; // members of the data file imported
        int lastIndex;
    };
    const Case cases[] = {
        {"ninguno en ninguno", 0, 0, -1},
        {"ninguno en dos", 2, 0, 1},
        {"dos en ninguno", 0, 2, 1},
        {"dos en dos", 2, 2, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        TDatosRegistroZOV other;
        other.ZOV = full;
        other.ZOV.Miembros.resize(c.inFile);
        const QString file = dir.filePath(QStringLiteral("otra.ZOV"));
        other.SaveToFile(file, kDataFilePassPhrase);

        TDatosRegistroZOV datos;
        datos.ZOV = full;
        datos.ZOV.Solicitud.Entidad.RazonSocial = QStringLiteral("LA QUE IMPORTA");
        datos.ZOV.Miembros = full.Miembros.first(c.before);
        TDatosZOV expected = datos.ZOV;
        expected.Miembros += AsReadBack(other.ZOV).Miembros;

        EXPECT_EQ(datos.LoadDataMembers(file, kDataFilePassPhrase), c.lastIndex);
        EXPECT_EQ(datos.ZOV, expected);
    }
}

TEST(DataFiles, MemberImportPassesTheReadErrorsOn)
{
    QTemporaryDir dir;
    const QString noMembers = dir.filePath(QStringLiteral("sin-miembros.ZOV"));
    ASSERT_TRUE(
        WriteFileBytes(noMembers, DataCipher(Fixture(QStringLiteral("sin-miembros.xml")), kDataFilePassPhrase, true)));
    struct Case
    {
        QString file;
        QString pass;
        QString error;
    };
    const Case cases[] = {
        {noMembers, kDataFilePassPhrase, kNoMembers},
        {noMembers, QStringLiteral("otra"), kNotADataFile},
        {dir.filePath(QStringLiteral("no-existe.ZOV")), kDataFilePassPhrase, kNotADataFile},
    };
    for (const Case &c : cases) {
        TDatosRegistroZOV datos;
        datos.ZOV = FullApplication();
        const TDatosZOV before = datos.ZOV;
        EXPECT_EQ(ErrorOf([&] { datos.LoadDataMembers(c.file, c.pass); }), c.error);
        EXPECT_EQ(datos.ZOV.Miembros, before.Miembros);
    }
}

TEST(DataFiles, PrivateFilesAreTheUsersOnly)
{
    TScopedDataFolder dataFolder;
    QTemporaryDir elsewhere;
    const mode_t mask = umask(022);
    const auto restore = qScopeGuard([mask] { umask(mask); });

    struct Case
    {
        const char *label;
        QString file;
        QString pass;
        bool ownerOnly;
    };
    const Case cases[] = {
        {"fichero de datos en la carpeta de datos", GetDataPath() + QStringLiteral("ACME.ZOV"), kDataFilePassPhrase,
         true},
        {"XML en la carpeta de datos", GetDataPath() + QStringLiteral("ACME.xml"), QString(), true},
        {"fichero de datos en otra carpeta", elsewhere.filePath(QStringLiteral("ACME.ZOV")), kDataFilePassPhrase, true},
        {"XML en otra carpeta", elsewhere.filePath(QStringLiteral("ACME.xml")), QString(), false},
    };
    constexpr QFile::Permissions kOthers =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    TDatosRegistroZOV datos;
    datos.ZOV = FullApplication();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        // A file that was readable by everyone before the save.
        ASSERT_TRUE(WriteFileBytes(c.file, "antes"));
        ASSERT_TRUE(QFile::setPermissions(c.file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        datos.SaveToFile(c.file, c.pass);
        const QFile::Permissions permissions = QFileInfo(c.file).permissions();
        EXPECT_TRUE(permissions.testFlags(QFile::ReadOwner | QFile::WriteOwner));
        EXPECT_EQ((permissions & kOthers) == 0, c.ownerOnly);
    }

    // The diagnostic file holds the deciphered application.
    const QString file = GetDataPath() + QStringLiteral("ACME.ZOV");
    EXPECT_EQ(ErrorOf([&] { datos.ReadDataFile(file, QStringLiteral("otra")); }), kNotADataFile);
    EXPECT_EQ(QFileInfo(file + QStringLiteral(".err")).permissions() & kOthers, QFile::Permissions());
}
