// SPDX-License-Identifier: EUPL-1.2
#pragma once

// The windows of the program as start-up creates them, driven through the
// scripted prompt service, with an empty data folder for every test. A test
// must take (and so check) every box it causes, and use every answer it queues.

#include "RegZOV.h"
#include "ScriptedPrompts.h"
#include "UDatos.h"
#include "UParticipantes.h"
#include "USolicitante.h"
#include "USolicitud.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

class QToolButton;
class TAlignEdit;

void PrintTo(const QString &text, std::ostream *os);
void PrintTo(const TScriptedPrompts::TShownMessage &m, std::ostream *os);

// A box as the tests expect it; the title is the kind's usual one unless given.
TScriptedPrompts::TShownMessage Box(TMsgKind kind, TMsgButtons buttons, const QString &text, const QString &title = {});
TScriptedPrompts::TShownMessage Warning(const QString &text);
TScriptedPrompts::TShownMessage Information(const QString &text);
// The box that reports a failed command.
TScriptedPrompts::TShownMessage ErrorBox(const QString &text);

// A valid entity identifier.
inline const QString kCIF = QStringLiteral("B12345674");

// An application: name, identifier, applicant and members by name.
struct TEjemplo
{
    QString razonSocial;
    QString cif;
    QString solicitante;
    QStringList miembros;
};
TDatosZOV Aplicacion(const TEjemplo &e);
// Writes the application as a file (enciphered under `pass`; plain when empty).
void EscribirFichero(const QString &path, const TEjemplo &e, const QString &pass = kDataFilePassPhrase);
// Reads a data file written under the program's pass phrase.
TDatosZOV LeerFichero(const QString &path);
// The names of the files in the data folder, sorted.
QStringList FicherosEnCarpeta();

class ShellTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    TFPrincipal &Principal() const { return *_v.FPrincipal; }
    const TVentanasPrograma &V() const { return _v; }
    TDatosZOV &Zov() const;
    QToolButton *Tb(const char *name) const;
    // Clicks a toolbar button, which must be enabled.
    void Click(const char *name);
    // Shows the page of a page button (clicking it only when it is up).
    void VerPagina(const char *boton);
    TAlignEdit *Campo(QWidget *page, const char *name) const;
    // Types into a box as the user would (marks the page modified).
    void Escribir(QWidget *page, const char *name, const QString &text);
    // The page on show in the central panel, or nullptr.
    QWidget *PaginaVisible() const;

    // Answers the application list: create a new name typed in the input box.
    void CrearEnLista(const QString &typed);
    // Answers the application list: open the listed name.
    void AbrirEnLista(const QString &name);
    // The load command, creating a new application through the list.
    void CrearYCargar(const QString &typed);
    // Loads the application e after writing its data file.
    void CargarEjemplo(const TEjemplo &e);
    // Takes the status messages written since the last take.
    QStringList TakeStatus();

    QString DataFile(const QString &name) const;
    QString Temporal(const QString &name) const { return _temp.filePath(name); }

    TScriptedPrompts _prompts;
    QStringList _status;

private:
    TVentanasPrograma _v;
    QTemporaryDir _temp;
};

// True when `expected` appears in `actual` in the same order (others may lie between).
::testing::AssertionResult InOrder(const QStringList &actual, const QStringList &expected);
