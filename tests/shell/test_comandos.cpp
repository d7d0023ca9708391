// SPDX-License-Identifier: EUPL-1.2
// The main window's commands on the data folder: load, save, clear, check and
// closing the window, with their questions and messages.
#include "ShellFixture.h"

#include "AlignEdit.h"
#include "PaginaCuestionario.h"
#include "UAuxiliar.h"
#include "UParticipantes.h"
#include "UPrincipal.h"
#include "USolicitante.h"
#include "USolicitud.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QToolButton>

namespace {

const QString kGuardarCambios = QStringLiteral("¿Desea guardar los cambios pendientes?");
const QString kSinNombre = QStringLiteral("De introducir al menos el nombre del solicitante.");
const QString kNombreNoValido =
    QStringLiteral("Error: 4094. El nombre de la solicitud no es válido como nombre de fichero.");

TScriptedPrompts::TShownMessage PreguntaGuardar()
{
    return Box(TMsgKind::Confirmation, TMsgButtons::YesNoCancel, kGuardarCambios);
}

QByteArray Contenido(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// --- Load -------------------------------------------------------------------------

TEST_F(ShellTest, LoadingAFileShowsItOnTheApplicationPageWithItsMessages)
{
    EscribirFichero(DataFile(QStringLiteral("ACME")), {QStringLiteral("ACME"), kCIF, QStringLiteral("GESTORA"), {}});
    AbrirEnLista(QStringLiteral("ACME"));
    Click("tbLoad");
    EXPECT_EQ(_prompts.TakeDialogs(), QStringList{QStringLiteral("FSolicitudes")});

    EXPECT_TRUE(
        InOrder(TakeStatus(),
                {QStringLiteral("Cargagando una solicitud (ZOV)..."), QStringLiteral("Datos cargados correctamente."),
                 QStringLiteral("Preparando interfaces..."), QStringLiteral("Actualizando controles..."),
                 QStringLiteral("Presentando solicitud..."), QStringLiteral("Solicitud en pantalla.")}));
    EXPECT_EQ(PaginaVisible(), V().FSolicitud);
    EXPECT_TRUE(Tb("tbSolicitud")->isChecked());
    EXPECT_EQ(Campo(V().FSolicitud, "txtRazonSocial")->text(), QStringLiteral("ACME"));
    EXPECT_EQ(Campo(V().FSolicitud, "txtCIF")->text(), kCIF);
    EXPECT_EQ(Campo(V().FSolicitante, "txtRazonSocial")->text(), QStringLiteral("GESTORA"));
    EXPECT_FALSE(V().FSolicitud->Modified());
}

TEST_F(ShellTest, ANewNameOpensAnEmptyApplicationWhoseFileAppearsAtTheFirstSave)
{
    ASSERT_FALSE(QDir(GetDataPath()).exists());
    CrearYCargar(QStringLiteral("Compañía Ñandú, S.L."));
    const QString nombre = QStringLiteral("COMPA  A ÑAND   S L ");
    EXPECT_EQ(Zov().Solicitud.Entidad.RazonSocial, nombre);
    EXPECT_EQ(Campo(V().FSolicitud, "txtRazonSocial")->text(), nombre);
    EXPECT_TRUE(Tb("tbSave")->isEnabled());
    EXPECT_FALSE(QDir(GetDataPath()).exists()) << "nothing is written before the first save";

    Click("tbSave");
    EXPECT_EQ(TakeStatus(), QStringList{QStringLiteral("Datos guardados correctamente.")});
    EXPECT_EQ(FicherosEnCarpeta(), QStringList{nombre + QStringLiteral(".ZOV")});
    EXPECT_EQ(LeerFichero(DataFile(nombre)).Solicitud.Entidad.RazonSocial, nombre);
}

TEST_F(ShellTest, CancellingTheListCancelsTheLoad)
{
    CargarEjemplo({QStringLiteral("ACME"), kCIF, {}, {}});
    _prompts.AnswerDialog([](QDialog &d) { d.findChild<QToolButton *>(QStringLiteral("sbSalir"))->click(); });
    Click("tbLoad");
    _prompts.TakeDialogs();
    EXPECT_EQ(TakeStatus().last(), QStringLiteral("Carga cancelada."));
    EXPECT_EQ(Zov().Solicitud.Entidad.RazonSocial, QStringLiteral("ACME"));
}

TEST_F(ShellTest, LoadingAsksToSaveWhenOnlyTheMembersPageHasEdits)
{
    CargarEjemplo({QStringLiteral("ACME"), kCIF, {}, {QStringLiteral("SOCIO")}});
    Click("tbMiembros");
    Escribir(V().FMiembros, "txtRazonSocial", QStringLiteral("SOCIO UNO"));
    ASSERT_TRUE(V().FMiembros->Modified());
    ASSERT_FALSE(V().FSolicitud->Modified());

    _prompts.AnswerMessage(TMsgResult::Cancel);
    Click("tbLoad");
    EXPECT_EQ(_prompts.TakeMessages(), QList{PreguntaGuardar()});
    EXPECT_TRUE(_prompts.TakeDialogs().isEmpty()) << "Cancel stops before the list";

    // Yes saves first, then goes on to the list.
    _prompts.AnswerMessage(TMsgResult::Yes);
    _prompts.AnswerDialog([](QDialog &d) { d.reject(); });
    Click("tbLoad");
    EXPECT_EQ(_prompts.TakeMessages(), QList{PreguntaGuardar()});
    EXPECT_EQ(LeerFichero(DataFile(QStringLiteral("ACME"))).Miembros.value(0).Miembro.RazonSocial,
              QStringLiteral("SOCIO UNO"));
    EXPECT_TRUE(
        InOrder(TakeStatus(), {QStringLiteral("Datos guardados correctamente."), QStringLiteral("Carga cancelada.")}));
}

TEST_F(ShellTest, LoadingAFileOfTheListWhateverTheCaseOfItsExtension)
{
    EscribirFichero(GetDataPath() + QStringLiteral("acme.zov"), {QStringLiteral("ACME S.L."), kCIF, {}, {}});
    AbrirEnLista(QStringLiteral("acme"));
    Click("tbLoad");
    _prompts.TakeDialogs();
    EXPECT_EQ(Zov().Solicitud.Entidad.RazonSocial, QStringLiteral("ACME S.L."));
}

TEST_F(ShellTest, AFailedLoadShowsTheErrorAndKeepsTheProgramRunning)
{
    QDir().mkpath(GetDataPath());
    QFile roto(DataFile(QStringLiteral("ROTO")));
    ASSERT_TRUE(roto.open(QIODevice::WriteOnly));
    roto.write("no es un fichero de datos");
    roto.close();
    AbrirEnLista(QStringLiteral("ROTO"));
    Click("tbLoad");
    _prompts.TakeDialogs();
    EXPECT_EQ(_prompts.TakeMessages(),
              QList{ErrorBox(QStringLiteral("Error: 5001. No es un fichero de datos válido."))});
    EXPECT_FALSE(Tb("tbSave")->isEnabled()) << "the buttons keep their state";
    EXPECT_TRUE(Tb("tbLoad")->isEnabled());
}

// --- Save -------------------------------------------------------------------------

TEST_F(ShellTest, SavingWithoutANameWarnsAndWritesNothing)
{
    CargarEjemplo({QStringLiteral("ACME"), kCIF, {}, {}});
    QFile::remove(DataFile(QStringLiteral("ACME")));
    Escribir(V().FSolicitud, "txtRazonSocial", QString());
    Click("tbSave");
    EXPECT_EQ(_prompts.TakeMessages(), QList{Warning(kSinNombre)});
    EXPECT_TRUE(FicherosEnCarpeta().isEmpty());
}

TEST_F(ShellTest, SavingRefusesNamesThatCannotBeAFileName)
{
    CargarEjemplo({QStringLiteral("ACME"), kCIF, {}, {}});
    QFile::remove(DataFile(QStringLiteral("ACME")));
    for (const QString &nombre : {QStringLiteral("   "), QStringLiteral("."), QStringLiteral(".."),
                                  QStringLiteral("A/B"), QStringLiteral("A\\B"), QStringLiteral("A\tB")}) {
        SCOPED_TRACE(nombre.toStdString());
        Campo(V().FSolicitud, "txtRazonSocial")->setText(nombre);
        V().FSolicitud->SetModified(true);
        Click("tbSave");
        EXPECT_EQ(_prompts.TakeMessages(), QList{ErrorBox(kNombreNoValido)});
        EXPECT_TRUE(FicherosEnCarpeta().isEmpty());
        EXPECT_TRUE(QDir(GetDataPath() + QStringLiteral("A")).entryList(QDir::Files).isEmpty());
        // A failed save leaves the edits pending: closing still asks.
        _prompts.AnswerMessage(TMsgResult::Cancel);
        EXPECT_FALSE(Principal().close());
        EXPECT_EQ(_prompts.TakeMessages(), QList{PreguntaGuardar()});
    }
}

TEST_F(ShellTest, SavingANameThatExistsInAnotherCaseReplacesThatFile)
{
    CargarEjemplo({QStringLiteral("ACME"), kCIF, {}, {}});
    Escribir(V().FSolicitud, "txtRazonSocial", QStringLiteral("Acme"));
    // Upper box: typing gives ACME again; set the mixed-case name as a file could bring it.
    Campo(V().FSolicitud, "txtRazonSocial")->setText(QStringLiteral("Acme"));
    Click("tbSave");
    EXPECT_EQ(FicherosEnCarpeta(), QStringList{QStringLiteral("ACME.ZOV")});
    EXPECT_EQ(LeerFichero(DataFile(QStringLiteral("ACME"))).Solicitud.Entidad.RazonSocial, QStringLiteral("Acme"));
    EXPECT_FALSE(V().FSolicitud->Modified());
}

TEST_F(ShellTest, RenamingAndSavingWritesASecondFile)
{
    CargarEjemplo({QStringLiteral("ACME"), kCIF, {}, {}});
    Escribir(V().FSolicitud, "txtRazonSocial", QStringLiteral("OTRA"));
    Click("tbSave");
    EXPECT_EQ(FicherosEnCarpeta(), (QStringList{QStringLiteral("ACME.ZOV"), QStringLiteral("OTRA.ZOV")}));
}

// --- Clear ------------------------------------------------------------------------

TEST_F(ShellTest, ClearingAsksThenEmptiesTheScreenButKeepsTheNameAndTheFile)
{
    CargarEjemplo({QStringLiteral("ACME"), kCIF, QStringLiteral("GESTORA"), {QStringLiteral("SOCIO")}});
    const QByteArray antes = Contenido(DataFile(QStringLiteral("ACME")));
    const auto pregunta = [](const QList<TScriptedPrompts::TShownMessage> &m) {
        return m.size() == 1 && m[0].kind == TMsgKind::Confirmation && m[0].buttons == TMsgButtons::OkCancel &&
               m[0].text.contains(QStringLiteral("¿Desea continuar?"));
    };

    _prompts.AnswerMessage(TMsgResult::Cancel);
    Click("tbClean");
    EXPECT_TRUE(pregunta(_prompts.TakeMessages()));
    EXPECT_EQ(Zov().Solicitud.Entidad.CIF, kCIF);

    Click("tbSolicitante");
    _prompts.AnswerMessage(TMsgResult::Ok);
    Click("tbClean");
    EXPECT_TRUE(pregunta(_prompts.TakeMessages()));
    EXPECT_EQ(Zov().Solicitud.Entidad.RazonSocial, QStringLiteral("ACME"));
    EXPECT_TRUE(Zov().Solicitud.Entidad.CIF.isEmpty());
    EXPECT_TRUE(Zov().Miembros.isEmpty());
    EXPECT_TRUE(Campo(V().FSolicitante, "txtRazonSocial")->text().isEmpty());
    EXPECT_EQ(PaginaVisible(), V().FSolicitud);
    EXPECT_TRUE(V().FSolicitud->Modified());
    EXPECT_EQ(Contenido(DataFile(QStringLiteral("ACME"))), antes);

    // So closing right after asks to save.
    _prompts.AnswerMessage(TMsgResult::Cancel);
    EXPECT_FALSE(Principal().close());
    EXPECT_EQ(_prompts.TakeMessages(), QList{PreguntaGuardar()});
}

// --- Check ------------------------------------------------------------------------

struct TCasoCheck
{
    const char *caso;
    TEjemplo aplicacion;
    QList<TScriptedPrompts::TShownMessage> cajas;
    const char *pagina; // the page button down afterwards
    const char *foco;   // the box that gets the focus, or nullptr
};

void PrintTo(const TCasoCheck &c, std::ostream *os)
{
    *os << c.caso;
}

class CheckTest : public ShellTest, public ::testing::WithParamInterface<TCasoCheck>
{
};

TEST_P(CheckTest, ShowsTheFirstFailureOnItsPageOrConfirms)
{
    const TCasoCheck &c = GetParam();
    CargarEjemplo(c.aplicacion);
    Click("tbCheck");
    EXPECT_EQ(_prompts.TakeMessages(), c.cajas);
    EXPECT_TRUE(Tb(c.pagina)->isChecked()) << c.pagina;
    if (c.foco) {
        QWidget *pagina = PaginaVisible();
        ASSERT_NE(pagina, nullptr);
        QTRY_VERIFY(Campo(pagina, c.foco)->hasFocus());
    }
}

const TEjemplo kValida{QStringLiteral("ACME"), kCIF, QStringLiteral("GESTORA"), {QStringLiteral("SOCIO")}};

INSTANTIATE_TEST_SUITE_P(
    ShellTest, CheckTest,
    ::testing::Values(
        TCasoCheck{"valida",
                   kValida,
                   {Information(QStringLiteral("Los cuestionarios han sido cumplimentados correctamente."))},
                   "tbSolicitud",
                   nullptr},
        // Both the application and the applicant are wrong: only the first is told.
        TCasoCheck{"cif",
                   {QStringLiteral("ACME"), QStringLiteral("X"), {}, {QStringLiteral("SOCIO")}},
                   {Warning(QStringLiteral("Se debe intorducir un CIF válido."))},
                   "tbSolicitud",
                   "txtCIF"},
        TCasoCheck{"solicitante",
                   {QStringLiteral("ACME"), kCIF, {}, {QStringLiteral("SOCIO")}},
                   {Warning(QStringLiteral("Debe introducir la razón social de la entidad solicitante."))},
                   "tbSolicitante",
                   "txtRazonSocial"},
        TCasoCheck{"sinMiembros",
                   {QStringLiteral("ACME"), kCIF, QStringLiteral("GESTORA"), {}},
                   {Warning(QStringLiteral("Debe rellenar los cuestionarios de datos de los miembros de la ZOV"))},
                   "tbMiembros",
                   nullptr},
        TCasoCheck{"miembro",
                   {QStringLiteral("ACME"), kCIF, QStringLiteral("GESTORA"), {QStringLiteral("SOCIO"), {}}},
                   {Warning(QStringLiteral("La razón social del miembro es un dato requerido."))},
                   "tbMiembros",
                   "txtRazonSocial"},
        TCasoCheck{
            "sinCIF",
            {QStringLiteral("ACME"), {}, QStringLiteral("GESTORA"), {QStringLiteral("SOCIO")}},
            {Information(QStringLiteral("No hay solicitud o no se han introducido los datos mínimos necesarios."))},
            "tbSolicitud",
            nullptr}),
    [](const ::testing::TestParamInfo<TCasoCheck> &info) { return std::string(info.param.caso); });

TEST_F(ShellTest, ABoxWithoutAMessageOfItsOwnGetsThePagesGenericText)
{
    CargarEjemplo(kValida);
    Click("tbSolicitante");
    Escribir(V().FSolicitante, "txtCIF", QStringLiteral("X1"));
    Click("tbCheck");
    EXPECT_EQ(_prompts.TakeMessages(),
              QList{Warning(QStringLiteral("Hay un error en el cuestionario de Datos del Solicitante."))});
}

TEST_F(ShellTest, AnEditedPageEmptiesTheControlIdentifierWhenApplied)
{
    EscribirFichero(DataFile(QStringLiteral("ACME")), kValida);
    AbrirEnLista(QStringLiteral("ACME"));
    Click("tbLoad");
    _prompts.TakeDialogs();
    Zov().Solicitud.Control = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
    Click("tbCheck");
    _prompts.TakeMessages();
    EXPECT_FALSE(Zov().Solicitud.Control.isEmpty()) << "nothing was edited";
    Escribir(V().FSolicitud, "txtCIF", kCIF);
    Click("tbCheck");
    _prompts.TakeMessages();
    EXPECT_TRUE(Zov().Solicitud.Control.isEmpty());
}

// --- Closing ----------------------------------------------------------------------

struct TCasoCierre
{
    const char *caso;
    const char *pagina;                  // the page edited before closing
    QString nombre;                      // the application's name when the question comes
    std::optional<TMsgResult> respuesta; // nothing: no question expected
    bool cierra;
    QList<TScriptedPrompts::TShownMessage> despues; // boxes after the question
    bool guardado;
};

void PrintTo(const TCasoCierre &c, std::ostream *os)
{
    *os << c.caso;
}

class CierreTest : public ShellTest, public ::testing::WithParamInterface<TCasoCierre>
{
};

TEST_P(CierreTest, AsksWhenAnyPageHasEdits)
{
    const TCasoCierre &c = GetParam();
    CargarEjemplo({QStringLiteral("ACME"), kCIF, QStringLiteral("GESTORA"), {QStringLiteral("SOCIO")}});
    QFile::remove(DataFile(QStringLiteral("ACME")));
    if (c.pagina) {
        VerPagina(c.pagina);
        Escribir(PaginaVisible(), "txtRazonSocial", QStringLiteral("EDITADO"));
    }
    // Hiding the members page applies it, and so clears its flag: still pending.
    VerPagina("tbSolicitud");
    Campo(V().FSolicitud, "txtRazonSocial")->setText(c.nombre);
    if (c.respuesta)
        _prompts.AnswerMessage(*c.respuesta);

    EXPECT_EQ(Principal().close(), c.cierra);
    QList<TScriptedPrompts::TShownMessage> cajas;
    if (c.respuesta)
        cajas.append(PreguntaGuardar());
    cajas += c.despues;
    EXPECT_EQ(_prompts.TakeMessages(), cajas);
    EXPECT_EQ(!FicherosEnCarpeta().isEmpty(), c.guardado);
}

INSTANTIATE_TEST_SUITE_P(
    ShellTest, CierreTest,
    ::testing::Values(
        TCasoCierre{"sinCambios", nullptr, QStringLiteral("ACME"), std::nullopt, true, {}, false},
        TCasoCierre{"cancelar", "tbMiembros", QStringLiteral("ACME"), TMsgResult::Cancel, false, {}, false},
        TCasoCierre{"no", "tbSolicitante", QStringLiteral("ACME"), TMsgResult::No, true, {}, false},
        TCasoCierre{"si", "tbMiembros", QStringLiteral("ACME"), TMsgResult::Yes, true, {}, true},
        TCasoCierre{"siSinNombre", "tbSolicitante", QString(), TMsgResult::Yes, false, {Warning(kSinNombre)}, false},
        TCasoCierre{"siGuardadoFallido",
                    "tbSolicitud",
                    QStringLiteral("A/B"),
                    TMsgResult::Yes,
                    false,
                    {ErrorBox(kNombreNoValido)},
                    false}),
    [](const ::testing::TestParamInfo<TCasoCierre> &info) { return std::string(info.param.caso); });
