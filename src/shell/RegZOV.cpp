// SPDX-License-Identifier: EUPL-1.2
#include "RegZOV.h"

#include "PromptsQt.h"
#include "Splash.h"
#include "UAcercaDe.h"
#include "UGestionSolicitudes.h"
#include "UParticipantes.h"
#include "UPrincipal.h"
#include "USolicitante.h"
#include "USolicitud.h"
#include "UTipoSolicitud.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

TVentanasPrograma::TVentanasPrograma() = default;
TVentanasPrograma::TVentanasPrograma(TVentanasPrograma &&) noexcept = default;
TVentanasPrograma &TVentanasPrograma::operator=(TVentanasPrograma &&) noexcept = default;
TVentanasPrograma::~TVentanasPrograma() = default;

TVentanasPrograma CrearVentanas(TPrompts &prompts, const std::function<void(int)> &progreso)
{
    const auto avanzar = [&](int posicion) {
        if (progreso)
            progreso(posicion);
    };
    TVentanasPrograma v;
    // First the main window: it creates the data object and the status bar
    // that every later window writes to.
    v.FPrincipal = std::make_unique<TFPrincipal>(prompts);
    TFPrincipal *principal = v.FPrincipal.get();
    v.FAcercaDe = new TFAcercaDe(principal);
    v.FTipoSolicitud = new TFTipoSolicitud(principal);
    avanzar(4);
    // The printed form of each page is created after it, when it exists.
    v.FSolicitud = new TFSolicitud(principal->PanelPaginas());
    avanzar(6);
    v.FSolicitante = new TFSolicitante(principal->PanelPaginas());
    avanzar(8);
    v.FMiembros = new TFMiembros(prompts, principal->PanelPaginas());
    avanzar(10);
    v.FSolicitudes = new TFSolicitudes(prompts, principal);
    principal->SetVentanas({v.FSolicitud, v.FSolicitante, v.FMiembros, v.FSolicitudes, v.FAcercaDe});
    principal->SetFormData();
    return v;
}

namespace {

// Qt's own texts (file dialogs, context menus) in Spanish, where installed.
void CargarTraduccionQt(QApplication &app)
{
    auto *traductor = new QTranslator(&app);
    if (traductor->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traductor);
}

} // namespace

int RegZOV(QApplication &app)
{
    CargarTraduccionQt(app);
    TQtPrompts prompts;
    TFSplash splash;
    splash.show();
    QApplication::processEvents();
    splash.repaint();
    splash.Timer()->start();
    splash.SetProgreso(2);
    QApplication::setApplicationDisplayName(kTituloAplicacion);

    TVentanasPrograma ventanas = CrearVentanas(prompts, [&](int p) { splash.SetProgreso(p); });
    ventanas.FPrincipal->show();
    // The splash stays on top until its timer's first tick closes it.
    splash.raise();
    return app.exec();
}
