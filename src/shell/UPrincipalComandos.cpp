// SPDX-License-Identifier: EUPL-1.2
// The main window's commands on the data folder: load, save, clear and check,
// with the loading and saving of data files they share with the imports.
#include "FicherosDatos.h"
#include "PaginaCuestionario.h"
#include "Prompts.h"
#include "UAuxiliar.h"
#include "UDatos.h"
#include "UGestionSolicitudes.h"
#include "UPrincipal.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QToolButton>

void TFPrincipal::tbLoadClick()
{
    if (AlgunaPaginaModificada()) {
        const TMsgResult respuesta = _prompts.Message(TMsgKind::Confirmation, TMsgButtons::YesNoCancel,
                                                      QStringLiteral("¿Desea guardar los cambios pendientes?"));
        if (respuesta == TMsgResult::Cancel)
            return;
        // Loading goes on even when the save stopped at its no-name warning.
        if (respuesta == TMsgResult::Yes)
            GuardarCambios();
    }
    MsgBar(QStringLiteral("Cargagando una solicitud (ZOV)..."));
    if (_prompts.RunModal(*_ventanas.FSolicitudes) != QDialog::Accepted) {
        MsgBar(QStringLiteral("Carga cancelada."));
        return;
    }
    currentZOV->ClearZOV();
    const QString nombre = _ventanas.FSolicitudes->Solicitante();
    // No file yet: a new application under the chosen name.
    if (!LoadData(RutaFicheroDatos(nombre)))
        currentZOV->ZOV.Solicitud.Entidad.RazonSocial = nombre;
    MsgBar(QStringLiteral("Preparando interfaces..."));
    RefrescarPaginas();
    MsgBar(QStringLiteral("Actualizando controles..."));
    UpdateViewControls();
    MsgBar(QStringLiteral("Presentando solicitud..."));
    MostrarPagina(tbSolicitud);
    MsgBar(QStringLiteral("Solicitud en pantalla."));
}

bool TFPrincipal::LoadData(const QString &argFiledata)
{
    if (!QFileInfo(argFiledata).isFile())
        return false;
    currentZOV->ClearZOV();
    currentZOV->ReadFromFile(argFiledata, kDataFilePassPhrase);
    RefrescarPaginas();
    LimpiarModificado();
    MostrarPagina(tbSolicitud);
    MsgBar(QStringLiteral("Datos cargados correctamente."));
    return true;
}

void TFPrincipal::tbSaveClick()
{
    GuardarCambios();
}

bool TFPrincipal::GuardarCambios()
{
    ApplyChanges();
    const QString nombre = currentZOV->ZOV.Solicitud.Entidad.RazonSocial;
    if (nombre.isEmpty()) {
        MsgWarning(_prompts, QStringLiteral("De introducir al menos el nombre del solicitante."));
        return false;
    }
    SalvarDatos(nombre, QString());
    MsgBar(QStringLiteral("Datos guardados correctamente."));
    return true;
}

bool TFPrincipal::SalvarDatos(const QString &sNombre, const QString &)
{
    if (!EsNombreFicheroValido(sNombre))
        throw ETextError(QStringLiteral("Error: 4094. El nombre de la solicitud no es válido como nombre de fichero."));
    // The data folder comes into being with the first application saved.
    QDir().mkpath(GetDataPath());
    currentZOV->SaveToFile(RutaFicheroDatos(sNombre), kDataFilePassPhrase);
    LimpiarModificado();
    return true;
}

void TFPrincipal::tbCleanClick()
{
    if (!MsgConfirm(_prompts, QStringLiteral("Esta acción borrará todos los datos que aparecen en pantalla, pero no "
                                             "el fichero de datos guardado. ¿Desea continuar?")))
        return;
    // The application stays open under the same name, and so the same file.
    const QString razonSocial = currentZOV->ZOV.Solicitud.Entidad.RazonSocial;
    currentZOV->ClearZOV();
    currentZOV->ZOV.Solicitud.Entidad.RazonSocial = razonSocial;
    RefrescarPaginas();
    _ventanas.FSolicitud->SetModified(true);
    MostrarPagina(tbSolicitud);
}

void TFPrincipal::tbCheckClick()
{
    if (ValidarDatos())
        MsgInformation(_prompts, QStringLiteral("Los cuestionarios han sido cumplimentados correctamente."));
}

bool TFPrincipal::ValidarPagina(TPaginaCuestionario *pagina, QToolButton *boton, const QString &generico)
{
    AnotarCambios();
    QWidget *campo = pagina->ValidateView();
    if (!campo)
        return true;
    MostrarPagina(boton);
    QString mensaje = pagina->MsgError();
    if (mensaje.isEmpty())
        mensaje = pagina->FieldMessage(campo);
    if (mensaje.isEmpty())
        mensaje = generico;
    MsgWarning(_prompts, mensaje);
    campo->setFocus();
    return false;
}

bool TFPrincipal::ValidarDatos()
{
    ApplyChanges();
    if (!ValidarPagina(_ventanas.FSolicitud, tbSolicitud,
                       QStringLiteral("Hay un error en el cuestionario de Solicitud.")))
        return false;
    if (!ValidarPagina(_ventanas.FSolicitante, tbSolicitante,
                       QStringLiteral("Hay un error en el cuestionario de Datos del Solicitante.")))
        return false;
    if (currentZOV->ZOV.Miembros.isEmpty()) {
        MsgWarning(_prompts, QStringLiteral("Debe rellenar los cuestionarios de datos de los miembros de la ZOV"));
        MostrarPagina(tbMiembros);
        return false;
    }
    if (!ValidarPagina(_ventanas.FMiembros, tbMiembros,
                       QStringLiteral("Hay un error en uno de los cuestionarios de Datos de los Miembros.")))
        return false;
    if (currentZOV->ZOV.Solicitud.Entidad.CIF.isEmpty()) {
        MsgInformation(_prompts,
                       QStringLiteral("No hay solicitud o no se han introducido los datos mínimos necesarios."));
        return false;
    }
    return true;
}
