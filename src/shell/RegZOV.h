// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The program's start-up: every window is created once, in a fixed order,
// while the splash shows the progress; then the main window hands the data
// object to the forms and the user-interface loop runs until it closes.

#include <functional>
#include <memory>

class QApplication;
class TFAcercaDe;
class TFMiembros;
class TFPrincipal;
class TFSolicitante;
class TFSolicitud;
class TFSolicitudes;
class TFTipoSolicitud;
class TPrompts;

// The program's windows. The main window owns the others (as Qt children).
struct TVentanasPrograma
{
    std::unique_ptr<TFPrincipal> FPrincipal;
    TFAcercaDe *FAcercaDe = nullptr;
    TFTipoSolicitud *FTipoSolicitud = nullptr;
    TFSolicitud *FSolicitud = nullptr;
    TFSolicitante *FSolicitante = nullptr;
    TFMiembros *FMiembros = nullptr;
    TFSolicitudes *FSolicitudes = nullptr;

    TVentanasPrograma();
    TVentanasPrograma(TVentanasPrograma &&) noexcept;
    TVentanasPrograma &operator=(TVentanasPrograma &&) noexcept;
    ~TVentanasPrograma();
};

// Creates the windows in their order and ends with SetFormData. `progreso`
// is told 4, 6, 8 and 10 as the groups of windows exist.
TVentanasPrograma CrearVentanas(TPrompts &prompts, const std::function<void(int)> &progreso);

// Runs the program; the exit code of the user-interface loop.
int RegZOV(QApplication &app);
