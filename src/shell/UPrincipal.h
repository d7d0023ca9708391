// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The main window: owns the one application-data object for the whole run,
// hosts the three questionnaire pages one at a time in its central panel and
// offers the commands as a row of toolbar buttons. Every command runs inside
// the prompt service's guard: an error of the data layer stops the command and
// shows its message; the program goes on.

#include <QHash>
#include <QMainWindow>

#include <QString>

#include <array>
#include <memory>
#include <optional>

class QDialog;
class QLabel;
class QTimer;
class QToolButton;
class TDatosRegistroZOV;
class TFSolicitudes;
class TPaginaCuestionario;
class TPaginaMiembros;
class TPrompts;

class TFPrincipal : public QMainWindow
{
    Q_OBJECT

public:
    // Creates the data object and writes "Aplicación iniciada." in the status bar.
    explicit TFPrincipal(TPrompts &prompts, QWidget *parent = nullptr);
    ~TFPrincipal() override;

    // The windows the commands work with; created after the main window.
    struct TVentanas
    {
        TPaginaCuestionario *FSolicitud = nullptr;
        TPaginaCuestionario *FSolicitante = nullptr;
        TPaginaMiembros *FMiembros = nullptr;
        TFSolicitudes *FSolicitudes = nullptr;
        QDialog *FAcercaDe = nullptr;
    };
    void SetVentanas(const TVentanas &ventanas);

    // Hands the data object to the forms that work on it (SetZOV).
    void SetFormData();
    // The pages write their edits into the data object (application,
    // applicant, members).
    void ApplyChanges();
    // The whole-application check; shows the first failure and returns false.
    bool ValidarDatos();
    // Enables the buttons that need an open application (one with a name).
    void UpdateViewControls();
    // Loads a data file; false, with nothing done, when there is no such file.
    // Errors of the data layer are raised.
    bool LoadData(const QString &argFiledata);
    // Saves the application as the data file `sNombre` in the data folder.
    // A name that cannot be a file name, and errors of the data layer, are raised.
    bool SalvarDatos(const QString &sNombre, const QString &sId);
    void ShowWorkForm();
    void HideWorkForms();

    TDatosRegistroZOV &CurrentZOV() const { return *currentZOV; }
    // The central panel, where the pages are hosted.
    QWidget *PanelPaginas() const { return pnlMain; }

    // The status bar, where MsgBar writes: the text stays 5 seconds, then
    // "Listo." takes its place.
    void MostrarMensaje(const QString &text);
    void tmMsgTimer();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TBotonBarra;
    static const TBotonBarra kBarra[];

    void CrearBarra();
    void CrearCentro();
    void CrearBarraEstado();
    QToolButton *Boton(const char *name) const;
    std::array<TPaginaCuestionario *, 3> Paginas() const;
    // Edits not yet saved: a page's Modified flag, or one seen before an apply
    // cleared it (the members page applies itself whenever it is hidden).
    bool AlgunaPaginaModificada();
    void AnotarCambios();
    void RefrescarPaginas();
    void LimpiarModificado();
    // Puts a page button down (the others up) and shows its page.
    void MostrarPagina(QToolButton *boton);
    void PulsarPagina(QToolButton *boton, TPaginaCuestionario *pagina);
    bool ValidarPagina(TPaginaCuestionario *pagina, QToolButton *boton, const QString &generico);
    // The save command; false when it stopped at its no-name warning.
    bool GuardarCambios();
    bool FormCloseQuery();
    void pnlMainResize();

    // --- Toolbar commands ------------------------------------------------------
    void tbLoadClick();
    void tbSaveClick();
    void tbSolicitudClick();
    void tbSolicitanteClick();
    void tbMiembrosClick();
    void tbCleanClick();
    void tbCheckClick();
    void tbPreviewClick();
    void tbImportClick();
    void tbImportXMLClick();
    void tbMemberImportClick();
    void tbSendClick();
    void tbExportToXMLClick();
    void tbExportClick();
    void tbBrowserClick();
    void tbAboutClick();
    // The file dialogs of the commands: the main window's two, with their
    // titles and the default extension "ZOV".
    // Shows mensaje, asks for a file to import; on cancel says so and gives nothing.
    std::optional<QString> FicheroAImportar(const QString &mensaje, const QString &filter);
    std::optional<QString> GuardarFichero(const QString &filter, const QString &proposedName);
    // Asks before an existing file is replaced; true when it may be written.
    bool PuedeEscribir(const QString &file, const QString &question);

    TPrompts &_prompts;
    std::unique_ptr<TDatosRegistroZOV> currentZOV;
    TVentanas _ventanas;
    TPaginaCuestionario *formWorker = nullptr;
    bool _cambiosPendientes = false;

    QHash<QByteArray, QToolButton *> _botones;
    QToolButton *tbSolicitud = nullptr;
    QToolButton *tbSolicitante = nullptr;
    QToolButton *tbMiembros = nullptr;
    QWidget *pnlMain = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *_mensaje = nullptr;
    QTimer *tmMsg = nullptr;
};
