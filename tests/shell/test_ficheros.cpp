// SPDX-License-Identifier: EUPL-1.2
// The commands that bring an application in from a file or take it out: the
// imports, the XML export, the web form and the printed-form buttons to come.
#include "ShellFixture.h"

#include "AlignEdit.h"
#include "FormularioWeb.h"
#include "UAuxiliar.h"
#include "UParticipantes.h"
#include "UPrincipal.h"
#include "USolicitud.h"

#include <QFile>
#include <QToolButton>

namespace {

const QString kFiltroZOV = QStringLiteral("Datos ZOV (*.ZOV)|*.ZOV");
const QString kFiltroXML = QStringLiteral("Datos XML (*.XML)|*.XML");
const QString kError5001 = QStringLiteral("Error: 5001. No es un fichero de datos válido.");
const QString kSobreescribir = QStringLiteral("Ya existe una solicitud con ese nombre. ¿Sobreescribir?");
const TEjemplo kValida{QStringLiteral("ACME"), kCIF, QStringLiteral("GESTORA"), {QStringLiteral("SOCIO")}};

TFileRequest Abrir(const QString &filter)
{
    return {TFileDialogKind::Open, QStringLiteral("Abrir datos de solicitud de registro"), filter, QString(),
            QStringLiteral("ZOV")};
}

QStringList Nombres(const TDatosMiembros &miembros)
{
    QStringList nombres;
    for (const TDatosMiembro &m : miembros)
        nombres.append(m.Miembro.RazonSocial);
    return nombres;
}

QByteArray Contenido(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

void PrintTo(const TFileRequest &r, std::ostream *os)
{
    *os << "{" << int(r.kind) << ", \"" << r.title.toStdString() << "\", \"" << r.filter.toStdString() << "\", \""
        << r.proposedName.toStdString() << "\", \"" << r.defaultSuffix.toStdString() << "\"}";
}

// --- Import of a data file --------------------------------------------------------

TEST_F(ShellTest, ImportingADataFileShowsItWithoutAskingAboutEdits)
{
    CrearYCargar(QStringLiteral("PREVIA"));
    Escribir(V().FSolicitud, "txtCIF", kCIF);
    const QString fichero = Temporal(QStringLiteral("otra.ZOV"));
    EscribirFichero(fichero, {QStringLiteral("OTRA"), kCIF, {}, {QStringLiteral("SOCIO")}});

    _prompts.AnswerFile(fichero);
    Click("tbImport");
    EXPECT_EQ(_prompts.TakeFileRequests(), QList{Abrir(kFiltroZOV)});
    EXPECT_EQ(Zov().Solicitud.Entidad.RazonSocial, QStringLiteral("OTRA"));
    EXPECT_EQ(Campo(V().FSolicitud, "txtRazonSocial")->text(), QStringLiteral("OTRA"));
    EXPECT_EQ(PaginaVisible(), V().FSolicitud);
    EXPECT_FALSE(V().FSolicitud->Modified());
    EXPECT_TRUE(Tb("tbMemberImport")->isEnabled());
    EXPECT_TRUE(
        InOrder(TakeStatus(), {QStringLiteral("Importando datos..."), QStringLiteral("Datos cargados correctamente."),
                               QStringLiteral("Datos importados correctamente.")}));
    EXPECT_TRUE(FicherosEnCarpeta().isEmpty()) << "an import writes nothing";
}

TEST_F(ShellTest, CancellingAnImportImportsNothing)
{
    for (const char *boton : {"tbImport", "tbImportXML"}) {
        _prompts.AnswerFile(std::nullopt);
        Click(boton);
        EXPECT_EQ(TakeStatus(),
                  (QStringList{QStringLiteral("Importando datos..."), QStringLiteral("No se importaron datos.")}))
            << boton;
    }
    EXPECT_EQ(_prompts.TakeFileRequests(), (QList{Abrir(kFiltroZOV), Abrir(kFiltroXML)}));
    EXPECT_FALSE(Tb("tbSave")->isEnabled());
}

TEST_F(ShellTest, ADataFileUnderAnotherPassPhraseIsRefused)
{
    const QString fichero = Temporal(QStringLiteral("ajena.ZOV"));
    EscribirFichero(fichero, kValida, QStringLiteral("otra clave"));
    _prompts.AnswerFile(fichero);
    Click("tbImport");
    _prompts.TakeFileRequests();
    EXPECT_EQ(_prompts.TakeMessages(), QList{ErrorBox(kError5001)});
    EXPECT_FALSE(Tb("tbSave")->isEnabled());
    EXPECT_TRUE(Tb("tbImport")->isEnabled());
}

// --- XML ----------------------------------------------------------------------------

TEST_F(ShellTest, ExportedXmlImportsBackAsTheSameApplication)
{
    CargarEjemplo(kValida);
    const QString xml = Temporal(QStringLiteral("acme.xml"));
    _prompts.AnswerFile(xml);
    Click("tbExportToXML");
    const TFileRequest guardar{TFileDialogKind::Save, QStringLiteral("Guardar datos de solicitud de registro"),
                               kFiltroXML, QStringLiteral("Solicitud_") + kCIF + QStringLiteral(".xml"),
                               QStringLiteral("ZOV")};
    EXPECT_EQ(_prompts.TakeFileRequests(), QList{guardar});
    EXPECT_TRUE(InOrder(TakeStatus(), {QStringLiteral("Exportando datos a XML..."),
                                       QStringLiteral("Datos exportados correctamente.")}));
    EXPECT_TRUE(Contenido(xml).startsWith("<?xml"));

    // Another application in between, then the export comes back whole.
    CrearYCargar(QStringLiteral("OTRA"));
    _prompts.AnswerFile(xml);
    Click("tbImportXML");
    EXPECT_EQ(_prompts.TakeFileRequests(), QList{Abrir(kFiltroXML)});
    EXPECT_EQ(Zov().Solicitud.Entidad.RazonSocial, QStringLiteral("ACME"));
    EXPECT_EQ(Zov().Solicitante.Entidad.RazonSocial, QStringLiteral("GESTORA"));
    EXPECT_EQ(Nombres(Zov().Miembros), QStringList{QStringLiteral("SOCIO")});
    EXPECT_EQ(PaginaVisible(), V().FSolicitud);
    EXPECT_EQ(Campo(V().FSolicitud, "txtRazonSocial")->text(), QStringLiteral("ACME"));
    EXPECT_EQ(TakeStatus().last(), QStringLiteral("Datos importados correctamente."));
}

TEST_F(ShellTest, ExportingOverAnExistingFileAsksFirst)
{
    CargarEjemplo(kValida);
    const QString xml = Temporal(QStringLiteral("existe.xml"));
    QFile previo(xml);
    ASSERT_TRUE(previo.open(QIODevice::WriteOnly));
    previo.write("anterior");
    previo.close();

    _prompts.AnswerFile(xml);
    _prompts.AnswerMessage(TMsgResult::Cancel);
    Click("tbExportToXML");
    EXPECT_EQ(_prompts.TakeMessages(), QList{Box(TMsgKind::Confirmation, TMsgButtons::OkCancel, kSobreescribir)});
    EXPECT_EQ(Contenido(xml), QByteArray("anterior"));
    EXPECT_FALSE(TakeStatus().contains(QStringLiteral("Datos exportados correctamente.")));

    _prompts.AnswerFile(xml);
    _prompts.AnswerMessage(TMsgResult::Ok);
    Click("tbExportToXML");
    EXPECT_EQ(_prompts.TakeMessages(), QList{Box(TMsgKind::Confirmation, TMsgButtons::OkCancel, kSobreescribir)});
    EXPECT_TRUE(Contenido(xml).startsWith("<?xml"));
    _prompts.TakeFileRequests();
}

TEST_F(ShellTest, ExportingAnIncompleteApplicationShowsTheCheckThenTheRefusal)
{
    CargarEjemplo({QStringLiteral("ACME"), kCIF, QStringLiteral("GESTORA"), {}});
    Click("tbExportToXML");
    EXPECT_EQ(_prompts.TakeMessages(),
              (QList{Warning(QStringLiteral("Debe rellenar los cuestionarios de datos de los miembros de la ZOV")),
                     Box(TMsgKind::Error, TMsgButtons::Ok,
                         QStringLiteral("La solicitud no se ha cumplimentado correctamente."))}));
    EXPECT_TRUE(_prompts.TakeFileRequests().isEmpty());
}

TEST_F(ShellTest, CancellingTheExportDialogExportsNothing)
{
    CargarEjemplo(kValida);
    _prompts.AnswerFile(std::nullopt);
    Click("tbExportToXML");
    _prompts.TakeFileRequests();
    EXPECT_EQ(TakeStatus().last(), QStringLiteral("No se exportaron datos."));
}

TEST_F(ShellTest, ImportingAFileThatIsNotXmlIsRefused)
{
    const QString fichero = Temporal(QStringLiteral("roto.xml"));
    QFile roto(fichero);
    ASSERT_TRUE(roto.open(QIODevice::WriteOnly));
    roto.write("<ZOV><sin cerrar>");
    roto.close();
    _prompts.AnswerFile(fichero);
    Click("tbImportXML");
    _prompts.TakeFileRequests();
    EXPECT_EQ(_prompts.TakeMessages(), QList{ErrorBox(kError5001)});
}

// --- Members --------------------------------------------------------------------------

TEST_F(ShellTest, ImportedMembersFollowTheApplicationsOwnAndKeepItsEdits)
{
    CargarEjemplo({QStringLiteral("ACME"), kCIF, {}, {QStringLiteral("UNO"), QStringLiteral("DOS")}});
    Click("tbMiembros");
    Escribir(V().FMiembros, "txtRazonSocial", QStringLiteral("UNO EDITADO"));
    const QString fichero = Temporal(QStringLiteral("socios.ZOV"));
    EscribirFichero(fichero, {QStringLiteral("OTRA"), {}, {}, {QStringLiteral("TRES")}});

    _prompts.AnswerFile(fichero);
    Click("tbMemberImport");
    EXPECT_EQ(_prompts.TakeFileRequests(), QList{Abrir(kFiltroZOV)});
    EXPECT_EQ(Nombres(Zov().Miembros),
              (QStringList{QStringLiteral("UNO EDITADO"), QStringLiteral("DOS"), QStringLiteral("TRES")}));
    EXPECT_EQ(Zov().Solicitud.Entidad.RazonSocial, QStringLiteral("ACME")) << "the rest stays";
    EXPECT_TRUE(V().FMiembros->Modified());
    EXPECT_TRUE(InOrder(TakeStatus(), {QStringLiteral("Importando datos de entidades miembros..."),
                                       QStringLiteral("Datos importados correctamente.")}));

    // The members now count as unsaved edits.
    _prompts.AnswerMessage(TMsgResult::Cancel);
    EXPECT_FALSE(Principal().close());
    _prompts.TakeMessages();
}

TEST_F(ShellTest, ImportingNoMembersIntoAnApplicationWithoutMembersDoesNothing)
{
    CargarEjemplo({QStringLiteral("ACME"), kCIF, {}, {}});
    const QString fichero = Temporal(QStringLiteral("vacia.ZOV"));
    EscribirFichero(fichero, {QStringLiteral("VACIA"), {}, {}, {}});
    _prompts.AnswerFile(fichero);
    Click("tbMemberImport");
    _prompts.TakeFileRequests();
    EXPECT_TRUE(Zov().Miembros.isEmpty());
    EXPECT_FALSE(V().FMiembros->Modified());
    const QStringList estado = TakeStatus();
    EXPECT_EQ(estado.value(0), QStringLiteral("Importando datos de entidades miembros..."));
    EXPECT_FALSE(estado.contains(QStringLiteral("Datos importados correctamente.")));
}

// --- Web form and the printed forms to come ----------------------------------------------

TEST_F(ShellTest, TheWebFormButtonOpensTheRegistrysFormAndSaysNothing)
{
    Click("tbBrowser");
    EXPECT_EQ(_prompts.TakeOpenedUrls(), QList{QUrl(QString::fromLatin1(kUrlFormularioWeb))});
    EXPECT_TRUE(TakeStatus().isEmpty());
}

TEST_F(ShellTest, PrintedFormButtonsSayTheyComeInANextVersion)
{
    CargarEjemplo(kValida);
    for (const char *boton : {"tbPreview", "tbSend", "tbExport"}) {
        Click(boton);
        EXPECT_EQ(_prompts.TakeMessages(),
                  QList{Information(QStringLiteral("Esta función estará disponible en una próxima versión."))})
            << boton;
    }
}
