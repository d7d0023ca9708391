// SPDX-License-Identifier: EUPL-1.2
// Start-up: the windows, the toolbar, the status bar, the splash and the about box.
#include "ShellFixture.h"

#include "Splash.h"
#include "UAcercaDe.h"
#include "UAuxiliar.h"
#include "UPrincipal.h"
#include "UTipoSolicitud.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

struct TBotonEsperado
{
    const char *nombre;
    const char *tooltip;
    bool alArrancar;
};

// The toolbar left to right, and which buttons a new user finds enabled.
const TBotonEsperado kBarra[] = {
    {"tbLoad", "Cargar datos ZOV", true},
    {"tbSave", "Guardar Cambios", false},
    {"tbSolicitud", "Cuestionario de Solicitud", false},
    {"tbSolicitante", "Datos de la Entidad Solicitante", false},
    {"tbMiembros", "Datos de los Miembros de la ZOV", false},
    {"tbClean", "Borrar Datos de ZOV", false},
    {"tbCheck", "Comprueba el correcto cumplimentado de los cuestionarios de datos.", false},
    {"tbPreview", "Previsualización de los impresos de solicitud.", false},
    {"tbImport", "Importar datos de una solictud.", true},
    {"tbImportXML", "Importar datos desde XML", true},
    {"tbMemberImport", "Importar datos de miembros de la ZOV.", false},
    {"tbSend", "Guardar Impresos de Solicitud en formato PDF", false},
    {"tbExportToXML", "Exportar datos a XML", false},
    {"tbExport", "Exportar datos y cuestionarios en un fichero comprimido.", false},
    {"tbBrowser", "Abrir el formulario web para la presentación telemática de la documentación", true},
    {"tbAbout", "Información acerca de esta aplicación.", true},
};

QList<QToolButton *> BotonesEnOrden(QToolBar *barra)
{
    QList<QToolButton *> botones;
    for (QAction *a : barra->actions()) {
        if (auto *b = qobject_cast<QToolButton *>(barra->widgetForAction(a)))
            botones.append(b);
    }
    return botones;
}

} // namespace

TEST_F(ShellTest, ToolbarHasItsButtonsInOrderAndANewUserCanOnlyLoadImportBrowseAndAsk)
{
    EXPECT_EQ(Principal().windowTitle(), QStringLiteral("TELVO - Aplicación para el Registro de ZOV"));
    const QList<QToolButton *> botones = BotonesEnOrden(Principal().findChild<QToolBar *>(QStringLiteral("tbMain")));
    ASSERT_EQ(botones.size(), int(std::size(kBarra)));
    for (int i = 0; i < botones.size(); ++i) {
        SCOPED_TRACE(kBarra[i].nombre);
        EXPECT_EQ(botones[i]->objectName(), QString::fromLatin1(kBarra[i].nombre));
        EXPECT_EQ(botones[i]->toolTip(), QString::fromUtf8(kBarra[i].tooltip));
        EXPECT_EQ(botones[i]->isEnabled(), kBarra[i].alArrancar);
        EXPECT_FALSE(botones[i]->icon().isNull());
    }
    EXPECT_EQ(PaginaVisible(), nullptr);
    EXPECT_EQ(Principal().findChild<QLabel *>(QStringLiteral("lblMensaje"))->text(),
              QStringLiteral("Aplicación iniciada."));
}

TEST_F(ShellTest, LoadingAnApplicationWithANameEnablesEveryButtonAndAnUnnamedOneDisablesTheXmlImport)
{
    CargarEjemplo({QStringLiteral("ACME"), kCIF, {}, {}});
    for (const TBotonEsperado &b : kBarra)
        EXPECT_TRUE(Tb(b.nombre)->isEnabled()) << b.nombre;

    // An imported file without an applicant name leaves only the first state.
    EscribirFichero(Temporal(QStringLiteral("sin-nombre.ZOV")), {});
    _prompts.AnswerFile(Temporal(QStringLiteral("sin-nombre.ZOV")));
    Click("tbImport");
    _prompts.TakeFileRequests();
    for (const TBotonEsperado &b : kBarra) {
        const bool siempre = QByteArray(b.nombre) == "tbLoad" || QByteArray(b.nombre) == "tbImport" ||
                             QByteArray(b.nombre) == "tbBrowser" || QByteArray(b.nombre) == "tbAbout";
        EXPECT_EQ(Tb(b.nombre)->isEnabled(), siempre) << b.nombre;
    }
}

TEST_F(ShellTest, PageButtonsShowOnePageAtATimeAtTheFullSizeOfThePanelAndAllMayBeUp)
{
    CargarEjemplo({QStringLiteral("ACME"), kCIF, {}, {}});
    EXPECT_EQ(PaginaVisible(), V().FSolicitud);
    QWidget *panel = Principal().PanelPaginas();

    Click("tbSolicitante");
    EXPECT_EQ(PaginaVisible(), V().FSolicitante);
    EXPECT_FALSE(Tb("tbSolicitud")->isChecked());
    EXPECT_TRUE(Tb("tbSolicitante")->isChecked());
    EXPECT_EQ(PaginaVisible()->geometry(), panel->rect());

    Principal().resize(Principal().size() + QSize(80, 60));
    QTRY_COMPARE(PaginaVisible()->geometry(), panel->rect());

    // Clicking the button that is down raises it and empties the panel.
    Click("tbSolicitante");
    EXPECT_EQ(PaginaVisible(), nullptr);
    for (const char *b : {"tbSolicitud", "tbSolicitante", "tbMiembros"})
        EXPECT_FALSE(Tb(b)->isChecked()) << b;
}

TEST_F(ShellTest, LeavingAPageCopiesItIntoTheApplication)
{
    CargarEjemplo({QStringLiteral("ACME"), kCIF, {}, {}});
    Click("tbSolicitante");
    Escribir(V().FSolicitante, "txtRazonSocial", QStringLiteral("entidad gestora"));
    // Typed letters become capitals in the upper boxes.
    EXPECT_EQ(Campo(V().FSolicitante, "txtRazonSocial")->text(), QStringLiteral("ENTIDAD GESTORA"));
    EXPECT_TRUE(Zov().Solicitante.Entidad.RazonSocial.isEmpty());
    Click("tbMiembros");
    EXPECT_EQ(Zov().Solicitante.Entidad.RazonSocial, QStringLiteral("ENTIDAD GESTORA"));
}

TEST_F(ShellTest, StatusMessagesStayUntilTheTimerPutsReadyInTheirPlace)
{
    auto *mensaje = Principal().findChild<QLabel *>(QStringLiteral("lblMensaje"));
    auto *timer = Principal().findChild<QTimer *>(QStringLiteral("tmMsg"));
    MsgBar(QStringLiteral("Exportando datos..."));
    EXPECT_EQ(mensaje->text(), QStringLiteral("Exportando datos..."));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 5000);
    Principal().tmMsgTimer();
    EXPECT_EQ(mensaje->text(), QStringLiteral("Listo."));
    EXPECT_FALSE(timer->isActive());
    TakeStatus();
}

TEST_F(ShellTest, StartUpCreatesTheRequestTypeDialogButNoCommandShowsIt)
{
    ASSERT_NE(V().FTipoSolicitud, nullptr);
    EXPECT_EQ(V().FTipoSolicitud->windowTitle(), QStringLiteral("Tipo de solicitud a tramitar"));
    TDatosSolicitud solicitud;
    V().FTipoSolicitud->Aplicar(solicitud);
    EXPECT_EQ(solicitud.Tipo, QStringLiteral("Solicitud de Inscripción"));
    EXPECT_FALSE(V().FTipoSolicitud->isVisible());
}

TEST_F(ShellTest, AboutBoxShowsTheSameTextEveryTimeAndAceptarClosesIt)
{
    for (int vez = 0; vez < 2; ++vez) {
        _prompts.AnswerDialog([](QDialog &d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Acerca de TELVO"));
            EXPECT_EQ(d.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("TELVO Versión 1.2.12"));
            EXPECT_EQ(d.findChild<QLabel *>(QStringLiteral("Label4"))->text(), QStringLiteral("Registro de ZOVs"));
            EXPECT_EQ(d.findChild<QLabel *>(QStringLiteral("Label2"))->text(),
                      QStringLiteral("(Aplicación del Registro de ZOV)"));
            d.findChild<QPushButton *>(QStringLiteral("btnAceptar"))->click();
        });
        Click("tbAbout");
        EXPECT_EQ(_prompts.TakeDialogs(), QStringList{QStringLiteral("FAcercaDe")});
    }
    EXPECT_FALSE(V().FAcercaDe->isVisible());
}

TEST(Arranque, WindowsAreCreatedInGroupsThatTheSplashCounts)
{
    TScriptedPrompts prompts;
    QList<int> progreso;
    TVentanasPrograma v = CrearVentanas(prompts, [&](int p) { progreso.append(p); });
    EXPECT_EQ(progreso, (QList<int>{4, 6, 8, 10}));
    EXPECT_NE(v.FSolicitudes, nullptr);
    EXPECT_TRUE(prompts.NothingUntaken());
}

TEST(Arranque, SplashClosesAtTheFirstTickOnceTheProgressIsComplete)
{
    TFSplash splash;
    EXPECT_EQ(splash.Progreso(), 1);
    EXPECT_EQ(splash.Timer()->interval(), 500);
    EXPECT_FALSE(splash.Timer()->isActive());
    splash.show();
    splash.Timer()->start();
    splash.SetProgreso(8);
    splash.tmrSplashTimer();
    EXPECT_TRUE(splash.isVisible());
    splash.SetProgreso(10);
    splash.tmrSplashTimer();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.Timer()->isActive());
}
