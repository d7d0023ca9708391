// SPDX-License-Identifier: EUPL-1.2
// The main window's commands that move an application in or out other than
// through the data folder (imports, XML export, the web form), the about box,
// and the printed-form commands still to come.
#include "FormularioWeb.h"
#include "PaginaCuestionario.h"
#include "Prompts.h"
#include "UAuxiliar.h"
#include "UDatos.h"
#include "UPrincipal.h"

#include <QDialog>
#include <QFileInfo>
#include <QUrl>

namespace {

const QString kFiltroZOV = QStringLiteral("Datos ZOV (*.ZOV)|*.ZOV");
const QString kFiltroXML = QStringLiteral("Datos XML (*.XML)|*.XML");
const QString kNoCumplimentada = QStringLiteral("La solicitud no se ha cumplimentado correctamente.");
const QString kProximaVersion = QStringLiteral("Esta función estará disponible en una próxima versión.");

} // namespace

std::optional<QString> TFPrincipal::FicheroAImportar(const QString &mensaje, const QString &filter)
{
    MsgBar(mensaje);
    std::optional<QString> fichero = _prompts.AskFile(
        {TFileDialogKind::Open, QStringLiteral("Abrir datos de solicitud de registro"), filter, QString(),
         QStringLiteral("ZOV")});
    if (!fichero)
        MsgBar(QStringLiteral("No se importaron datos."));
    return fichero;
}

std::optional<QString> TFPrincipal::GuardarFichero(const QString &filter, const QString &proposedName)
{
    return _prompts.AskFile({TFileDialogKind::Save, QStringLiteral("Guardar datos de solicitud de registro"), filter,
                             proposedName, QStringLiteral("ZOV")});
}

bool TFPrincipal::PuedeEscribir(const QString &file, const QString &question)
{
    return !QFileInfo::exists(file) || MsgConfirm(_prompts, question);
}

void TFPrincipal::tbImportClick()
{
    const std::optional<QString> fichero = FicheroAImportar(QStringLiteral("Importando datos..."), kFiltroZOV);
    if (!fichero)
        return;
    LoadData(*fichero);
    UpdateViewControls();
    MsgBar(QStringLiteral("Datos importados correctamente."));
}

void TFPrincipal::tbImportXMLClick()
{
    const std::optional<QString> fichero = FicheroAImportar(QStringLiteral("Importando datos..."), kFiltroXML);
    if (!fichero)
        return;
    currentZOV->ClearZOV();
    currentZOV->ReadFromXMLFile(*fichero);
    RefrescarPaginas();
    LimpiarModificado();
    MostrarPagina(tbSolicitud);
    UpdateViewControls();
    MsgBar(QStringLiteral("Datos importados correctamente."));
}

void TFPrincipal::tbMemberImportClick()
{
    const std::optional<QString> fichero = FicheroAImportar(QStringLiteral("Importando datos de entidades miembros..."), kFiltroZOV);
    if (!fichero)
        return;
    TPaginaMiembros *miembros = _ventanas.FMiembros;
    // Edits on the members page join the data object first, so that rebuilding
    // the page's list after the import keeps them.
    AnotarCambios();
    miembros->ApplyChanges();
    if (currentZOV->LoadDataMembers(*fichero, kDataFilePassPhrase) < 0)
        return;
    miembros->ReloadZOV();
    miembros->SetModified(true);
    miembros->UpdateViewControls();
    miembros->RefreshView();
    UpdateViewControls();
    MsgBar(QStringLiteral("Datos importados correctamente."));
}

void TFPrincipal::tbExportToXMLClick()
{
    if (!ValidarDatos()) {
        MsgError(_prompts, kNoCumplimentada);
        return;
    }
    const std::optional<QString> fichero = GuardarFichero(
        kFiltroXML, QStringLiteral("Solicitud_") + currentZOV->ZOV.Solicitud.Entidad.CIF + QStringLiteral(".xml"));
    if (!fichero) {
        MsgBar(QStringLiteral("No se exportaron datos."));
        return;
    }
    if (!PuedeEscribir(*fichero, QStringLiteral("Ya existe una solicitud con ese nombre. ¿Sobreescribir?")))
        return;
    MsgBar(QStringLiteral("Exportando datos a XML..."));
    ApplyChanges();
    currentZOV->SaveToFile(*fichero, QString());
    MsgBar(QStringLiteral("Datos exportados correctamente."));
}

void TFPrincipal::tbBrowserClick()
{
    _prompts.OpenUrl(QUrl(QString::fromLatin1(kUrlFormularioWeb)));
}

void TFPrincipal::tbAboutClick()
{
    _prompts.RunModal(*_ventanas.FAcercaDe);
}

// The printed questionnaires (preview, PDF and the package that holds the PDF)
// come with the printed forms; until then their buttons say so.
void TFPrincipal::tbPreviewClick()
{
    MsgInformation(_prompts, kProximaVersion);
}

void TFPrincipal::tbSendClick()
{
    MsgInformation(_prompts, kProximaVersion);
}

void TFPrincipal::tbExportClick()
{
    MsgInformation(_prompts, kProximaVersion);
}
