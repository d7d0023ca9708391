// SPDX-License-Identifier: EUPL-1.2
// The main window: its toolbar, logo band, central panel and status bar, the
// state of the buttons, the hosting of the pages and the closing of the window.
#include "UPrincipal.h"

#include "Iconos.h"
#include "PaginaCuestionario.h"
#include "Prompts.h"
#include "UAuxiliar.h"
#include "UDatos.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

struct TFPrincipal::TBotonBarra
{
    const char *nombre;
    const char *icono;
    const char *tooltip;
    void (TFPrincipal::*handler)();
    bool separadorAntes;
    bool inicial; // enabled when the window opens
};

// The toolbar, left to right.
const TFPrincipal::TBotonBarra TFPrincipal::kBarra[] = {
    {"tbLoad", "folder-open", "Cargar datos ZOV", &TFPrincipal::tbLoadClick, false, true},
    {"tbSave", "save", "Guardar Cambios", &TFPrincipal::tbSaveClick, false, false},
    {"tbSolicitud", "file-text", "Cuestionario de Solicitud", &TFPrincipal::tbSolicitudClick, true, false},
    {"tbSolicitante", "building-2", "Datos de la Entidad Solicitante", &TFPrincipal::tbSolicitanteClick, false, false},
    {"tbMiembros", "users", "Datos de los Miembros de la ZOV", &TFPrincipal::tbMiembrosClick, false, false},
    {"tbClean", "eraser", "Borrar Datos de ZOV", &TFPrincipal::tbCleanClick, true, false},
    {"tbCheck", "list-checks", "Comprueba el correcto cumplimentado de los cuestionarios de datos.",
     &TFPrincipal::tbCheckClick, false, false},
    {"tbPreview", "eye", "Previsualización de los impresos de solicitud.", &TFPrincipal::tbPreviewClick, false, false},
    {"tbImport", "file-input", "Importar datos de una solictud.", &TFPrincipal::tbImportClick, true, true},
    {"tbImportXML", "file-code", "Importar datos desde XML", &TFPrincipal::tbImportXMLClick, false, true},
    {"tbMemberImport", "user-round-plus", "Importar datos de miembros de la ZOV.", &TFPrincipal::tbMemberImportClick,
     false, false},
    {"tbSend", "file-down", "Guardar Impresos de Solicitud en formato PDF", &TFPrincipal::tbSendClick, true, false},
    {"tbExportToXML", "code-xml", "Exportar datos a XML", &TFPrincipal::tbExportToXMLClick, false, false},
    {"tbExport", "file-archive", "Exportar datos y cuestionarios en un fichero comprimido.",
     &TFPrincipal::tbExportClick, false, false},
    {"tbBrowser", "globe", "Abrir el formulario web para la presentación telemática de la documentación",
     &TFPrincipal::tbBrowserClick, true, true},
    {"tbAbout", "info", "Información acerca de esta aplicación.", &TFPrincipal::tbAboutClick, true, true},
};

namespace {

constexpr int kMsgMilisegundos = 5000;
const QSize kTamanoInicial(1240, 780);

} // namespace

TFPrincipal::TFPrincipal(TPrompts &prompts, QWidget *parent)
    : QMainWindow(parent), _prompts(prompts), currentZOV(std::make_unique<TDatosRegistroZOV>())
{
    setObjectName(QStringLiteral("FPrincipal"));
    setWindowTitle(QStringLiteral("TELVO - Aplicación para el Registro de ZOV"));
    setWindowIcon(QIcon(ImagenSvg(QStringLiteral(":/logos/telvo.svg"), 64).copy(0, 0, 64, 64)));
    CrearBarra();
    CrearCentro();
    CrearBarraEstado();

    // Centred on the screen, as large as a 1280 x 800 screen comfortably allows.
    const QRect pantalla = QGuiApplication::primaryScreen()->availableGeometry();
    resize(kTamanoInicial.boundedTo(pantalla.size()));
    move(pantalla.center() - rect().center());

    SetMsgBarSink([this](const QString &text) { MostrarMensaje(text); });
    MsgBar(QStringLiteral("Aplicación iniciada."));
}

TFPrincipal::~TFPrincipal()
{
    SetMsgBarSink({});
    // The pages copy themselves into the data object when hidden: hide them
    // while it still exists.
    if (_ventanas.FSolicitud)
        HideWorkForms();
}

void TFPrincipal::CrearBarra()
{
    auto *barra = new QToolBar(this);
    barra->setObjectName(QStringLiteral("tbMain"));
    barra->setMovable(false);
    barra->setFloatable(false);
    barra->setIconSize(QSize(32, 32));
    barra->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, barra);
    for (const TBotonBarra &b : kBarra) {
        if (b.separadorAntes)
            barra->addSeparator();
        auto *boton = new QToolButton(barra);
        boton->setObjectName(QString::fromLatin1(b.nombre));
        boton->setIcon(IconoSvg(QString::fromLatin1(b.icono)));
        boton->setIconSize(barra->iconSize());
        boton->setToolTip(QString::fromUtf8(b.tooltip));
        boton->setAutoRaise(true);
        boton->setEnabled(b.inicial);
        const auto handler = b.handler;
        connect(boton, &QToolButton::clicked, this,
                [this, handler] { RunGuarded(_prompts, [&] { (this->*handler)(); }); });
        barra->addWidget(boton);
        _botones.insert(b.nombre, boton);
    }
    // The three page buttons are toggles of one group in which all may be up.
    tbSolicitud = Boton("tbSolicitud");
    tbSolicitante = Boton("tbSolicitante");
    tbMiembros = Boton("tbMiembros");
    for (QToolButton *b : {tbSolicitud, tbSolicitante, tbMiembros})
        b->setCheckable(true);
}

QToolButton *TFPrincipal::Boton(const char *name) const
{
    return _botones.value(name);
}

void TFPrincipal::CrearCentro()
{
    auto *centro = new QWidget(this);
    auto *columna = new QVBoxLayout(centro);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);

    auto *banda = new QFrame(centro);
    banda->setObjectName(QStringLiteral("Panel1"));
    banda->setStyleSheet(QStringLiteral("#Panel1 { background: white; border-bottom: 1px solid #c9d3de; }"));
    auto *logos = new QHBoxLayout(banda);
    logos->setContentsMargins(16, 6, 16, 6);
    auto *image1 = new QLabel(banda);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(ImagenSvg(QStringLiteral(":/logos/telvo.svg"), 52, devicePixelRatioF()));
    auto *logoZOV = new QLabel(banda);
    logoZOV->setObjectName(QStringLiteral("imgLogoZOV"));
    logoZOV->setPixmap(ImagenSvg(QStringLiteral(":/logos/zov.svg"), 52, devicePixelRatioF()));
    logos->addWidget(image1);
    logos->addStretch();
    logos->addWidget(logoZOV);
    columna->addWidget(banda);

    pnlMain = new QWidget(centro);
    pnlMain->setObjectName(QStringLiteral("pnlMain"));
    pnlMain->setAutoFillBackground(true);
    pnlMain->setStyleSheet(QStringLiteral("#pnlMain { background: #eef2f6; }"));
    pnlMain->installEventFilter(this);
    // The background picture: the ZOV mark, large and faint, behind the pages.
    Image2 = new QLabel(pnlMain);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAlignment(Qt::AlignCenter);
    QPixmap fondo = ImagenSvg(QStringLiteral(":/logos/zov.svg"), 220, devicePixelRatioF());
    Image2->setPixmap(fondo);
    Image2->setStyleSheet(QStringLiteral("background: transparent;"));
    auto *transparencia = new QGraphicsOpacityEffect(Image2);
    transparencia->setOpacity(0.12);
    Image2->setGraphicsEffect(transparencia);
    columna->addWidget(pnlMain, 1);
    setCentralWidget(centro);
}

void TFPrincipal::CrearBarraEstado()
{
    auto *estado = new QStatusBar(this);
    estado->setObjectName(QStringLiteral("STBMain"));
    _mensaje = new QLabel(estado);
    _mensaje->setObjectName(QStringLiteral("lblMensaje"));
    _mensaje->setContentsMargins(6, 0, 6, 0);
    estado->addWidget(_mensaje, 1);
    setStatusBar(estado);

    tmMsg = new QTimer(this);
    tmMsg->setObjectName(QStringLiteral("tmMsg"));
    tmMsg->setInterval(kMsgMilisegundos);
    tmMsg->setSingleShot(true);
    connect(tmMsg, &QTimer::timeout, this, &TFPrincipal::tmMsgTimer);
}

void TFPrincipal::MostrarMensaje(const QString &text)
{
    tmMsg->stop();
    _mensaje->setText(text);
    // At once: a long step may follow before the event loop runs again.
    _mensaje->repaint();
    tmMsg->start();
}

void TFPrincipal::tmMsgTimer()
{
    tmMsg->stop();
    _mensaje->setText(QStringLiteral("Listo."));
}

void TFPrincipal::SetVentanas(const TVentanas &ventanas)
{
    _ventanas = ventanas;
}

void TFPrincipal::SetFormData()
{
    // The printed forms join these when they exist.
    for (TPaginaCuestionario *pagina : Paginas())
        pagina->SetZOV(currentZOV.get());
}

std::array<TPaginaCuestionario *, 3> TFPrincipal::Paginas() const
{
    return {_ventanas.FSolicitud, _ventanas.FSolicitante, _ventanas.FMiembros};
}

void TFPrincipal::AnotarCambios()
{
    for (TPaginaCuestionario *pagina : Paginas())
        _cambiosPendientes = _cambiosPendientes || pagina->Modified();
}

bool TFPrincipal::AlgunaPaginaModificada()
{
    AnotarCambios();
    return _cambiosPendientes;
}

void TFPrincipal::ApplyChanges()
{
    AnotarCambios();
    for (TPaginaCuestionario *pagina : Paginas())
        pagina->ApplyChanges();
}

void TFPrincipal::RefrescarPaginas()
{
    // Another application (or none) is shown: earlier edits are not its own.
    _cambiosPendientes = false;
    _ventanas.FSolicitud->RefreshView();
    _ventanas.FSolicitante->RefreshView();
    _ventanas.FMiembros->ReloadZOV();
    _ventanas.FMiembros->RefreshView();
}

void TFPrincipal::LimpiarModificado()
{
    _cambiosPendientes = false;
    for (TPaginaCuestionario *pagina : Paginas())
        pagina->SetModified(false);
}

void TFPrincipal::UpdateViewControls()
{
    static const char *const kConSolicitud[] = {"tbSolicitud",   "tbSolicitante", "tbMiembros", "tbSave",
                                                "tbSend",        "tbClean",       "tbPreview",  "tbExport",
                                                "tbExportToXML", "tbImportXML",   "tbCheck",    "tbMemberImport"};
    const bool abierta = !currentZOV->ZOV.Solicitud.Entidad.RazonSocial.isEmpty();
    for (const char *nombre : kConSolicitud)
        Boton(nombre)->setEnabled(abierta);
    Boton("tbImport")->setEnabled(true);
}

// --- Page hosting --------------------------------------------------------------

void TFPrincipal::HideWorkForms()
{
    AnotarCambios();
    for (TPaginaCuestionario *pagina : Paginas())
        pagina->Vista()->hide();
}

void TFPrincipal::ShowWorkForm()
{
    if (!formWorker)
        return;
    QWidget *vista = formWorker->Vista();
    if (vista->parentWidget() != pnlMain)
        vista->setParent(pnlMain);
    vista->setGeometry(pnlMain->rect());
    vista->show();
    vista->raise();
}

void TFPrincipal::pnlMainResize()
{
    Image2->setGeometry(pnlMain->rect());
    if (formWorker)
        formWorker->Vista()->setGeometry(pnlMain->rect());
}

bool TFPrincipal::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == pnlMain && event->type() == QEvent::Resize)
        pnlMainResize();
    return QMainWindow::eventFilter(watched, event);
}

void TFPrincipal::PulsarPagina(QToolButton *boton, TPaginaCuestionario *pagina)
{
    // At most one page button is down; clicking the one that is down raises it.
    if (boton->isChecked()) {
        for (QToolButton *otro : {tbSolicitud, tbSolicitante, tbMiembros}) {
            if (otro != boton)
                otro->setChecked(false);
        }
    }
    HideWorkForms();
    if (boton->isChecked()) {
        formWorker = pagina;
        ShowWorkForm();
    }
}

void TFPrincipal::MostrarPagina(QToolButton *boton)
{
    boton->setChecked(true);
    if (boton == tbSolicitud)
        tbSolicitudClick();
    else if (boton == tbSolicitante)
        tbSolicitanteClick();
    else
        tbMiembrosClick();
}

void TFPrincipal::tbSolicitudClick()
{
    PulsarPagina(tbSolicitud, _ventanas.FSolicitud);
}

void TFPrincipal::tbSolicitanteClick()
{
    PulsarPagina(tbSolicitante, _ventanas.FSolicitante);
}

void TFPrincipal::tbMiembrosClick()
{
    PulsarPagina(tbMiembros, _ventanas.FMiembros);
}

// --- Closing ---------------------------------------------------------------------

bool TFPrincipal::FormCloseQuery()
{
    if (!AlgunaPaginaModificada())
        return true;
    switch (_prompts.Message(TMsgKind::Confirmation, TMsgButtons::YesNoCancel,
                             QStringLiteral("¿Desea guardar los cambios pendientes?"))) {
    case TMsgResult::No:
        return true;
    case TMsgResult::Yes:
        // Closes only once the edits are in the data file.
        return GuardarCambios();
    default:
        return false;
    }
}

void TFPrincipal::closeEvent(QCloseEvent *event)
{
    bool cerrar = false;
    RunGuarded(_prompts, [&] { cerrar = FormCloseQuery(); });
    event->setAccepted(cerrar);
}
